#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format/font_model.h"
#include "session/compared_font.h"
#include "session/editor_state.h"
#include "session/history.h"
#include "session/notice.h"
#include "session/recovery_state.h"
#include "session/tile_cache.h"
#include "session/toggles.h"
#include "session/transfer_dialogs.h"
#include "session/view.h"
#include "session/window_places.h"
#include "support/file_helpers.h"

namespace gft {

// File open modes; the same number indexes FilePaths.
enum OpenMode : std::uint8_t {
    kModeLoad = 0,
    kModeMerge = 1,
    kModeCompare = 2,
    kModeSave = 3,
    kModeAtari = 4,
    kModeEightBit = 5,
};

inline constexpr const char* kIdleHint =
    "Set Options / Select/Unselect Char / Move/Copy Char (use Shift) / Edit / Save";

// The whole state of one editor window: the font, the remembered paths, the
// options, the log, status line and title. Nothing of it is global.
class Session {
  public:
    explicit Session(View& view);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    View& view;
    Font font;

    // What each file dialog last answered, indexed by OpenMode: where the
    // Load dialog opens, not necessarily the file of the font shown.
    std::array<std::string, 6> FilePaths;
    // The file this font came from: the one it was last loaded from or saved
    // to (or the file of recovered changes); "" for a New FNT or an imported
    // typeface not saved yet. Its unsaved changes are relative to this file.
    std::string fontFile;
    // The folders the export and import dialogs last answered with.
    PerTransferDialog<std::string> transferFolders;
    std::string TempFolder;  // working folder of the tile bitmaps, ends in '/'
    std::string SettingsFolder;
    std::string StartFolder;
    std::string ProgramFolder;  // folder of the executable
    // Where the user keeps files: the documents folder, else the home
    // folder; "" when neither is known.
    std::string UserFolder;
    std::uint8_t EditorChar = 65;
    EditorState editor;
    Options options;

    // Pick-up state of the glyph grid and the hover display.
    bool MovePending = false;
    std::uint8_t MoveSource = 0;
    int HoverChar = 0;
    // The glyph grid's keyboard focus tile (-1 before it has one) and
    // whether the grid has the keyboard focus.
    int FocusTile = -1;
    bool GridFocused = false;

    TileCache tileCache;
    ComparedFont compared;

    RecoveryState recovery;

    // File > "Recent fonts", newest first; the places of the windows; the
    // notification strip's notices.
    std::vector<std::string> recentFonts;
    WindowPlaces windowPlaces;
    std::vector<Notice> notices;

    // Files a load, merge, compare or import refused or could not read.
    int refusedFiles = 0;

    // When set and true, a save or export stops before it replaces any file:
    // the batch verbs end so on a termination signal.
    StopCheck interrupted;

    // Typefaces and the text preview: the typeface import's last answer, the
    // preview's text and scale (1..8).
    TypefaceRequest typefaceRequest;
    std::string previewText =
        "Zażółć gęślą jaźń. The quick brown fox jumps over the lazy dog 0123456789";
    int previewScale = 2;

    // Undo history, and how deep the running command is nested in undo steps.
    History history;
    int stepDepth = 0;

    // Message log, status line, title, generation time.
    const std::vector<std::string>& LogLines() const { return logLines_; }
    const std::string& StatusLine() const { return statusLine_; }
    const std::string& Title() const { return title_; }
    const std::string& TimeCaption() const { return timeCaption_; }

    void Log(const std::string& line);
    void ClearLog();
    void SetStatus(const std::string& text);
    void SetStatusQuietly(const std::string& text);  // status line only, no log line
    void ShowReadyStatus();
    void SetEditStatus(std::uint8_t isEdited);
    void setMaxWidth();
    void SetTimeCaption(const std::string& caption);

    bool On(Toggle t) const { return options[t]; }

  private:
    std::vector<std::string> logLines_;
    std::string statusLine_;
    std::string title_;
    std::string timeCaption_ = "(0,000 sec)";
};

// Runs a view's busy pointer for the life of the object.
class BusyPointer {
  public:
    explicit BusyPointer(View& view) : view_(view) { view_.SetBusy(true); }
    ~BusyPointer() { view_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    View& view_;
};

}  // namespace gft
