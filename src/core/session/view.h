#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "format/code_page.h"
#include "format/raster.h"
#include "format/truetype_export.h"
#include "session/notice.h"
#include "session/toggles.h"
#include "session/window_places.h"
#include "support/bytes.h"

namespace gft {

// The typeface import's question and its answer: the typeface file, the
// pixel size, the code page and, when set, the coverage threshold.
struct TypefaceRequest {
    std::string path;
    std::string folder;  // where choosing a file starts while path is empty
    int pixelSize = 16;
    CodePage codePage = CodePage::Windows1250;
    std::optional<int> thresholdPercent;
};

// What a file dialog is asked to show.
struct FileDialogRequest {
    std::string title;
    std::string filter;       // "Description|*.a;*.b|All files (*.*)|*.*"
    std::string initialName;  // a full path, or a folder + "/" + pattern
    bool save = false;        // save dialog: ask before overwriting
    // A save dialog adds it (without the dot) to a name typed without an
    // extension; "" adds nothing.
    std::string defaultExtension;
};

// Glyphs on their way to the clipboard, in each of its forms: the program's
// own text form, the text of `grindfnt dump`, and a PNG picture (empty when
// the glyphs have no pixel to show).
struct ClipboardGlyphForms {
    std::string own;
    std::string text;
    Bytes png;
};

// What the clipboard holds for a paste: the program's own form, or else a
// picture; neither when it holds something else.
struct ClipboardContent {
    std::optional<std::string> own;
    std::optional<GrayImage> picture;
};

// What changed, told to whatever shows a session (the Qt windows, the
// headless runner, a test recorder) after the model has changed. Every
// notice has a do-nothing default, so a view takes only those it shows.
class ViewNotices {
  public:
    virtual ~ViewNotices() = default;

    // Message log, status line, title bar, generation time label.
    virtual void LogAppended(const std::string& /*line*/) {}
    virtual void LogCleared() {}
    virtual void StatusChanged(const std::string& /*text*/) {}
    virtual void TitleChanged(const std::string& /*title*/) {}
    virtual void TimeChanged(const std::string& /*caption*/) {}

    // Tiles: show the tile bitmaps of first..last (the session's tile cache
    // holds their bytes, the files are folder + TileFileName(code)), or the
    // blank silver tile on all 256.
    virtual void LoadTiles(int /*first*/, int /*last*/, const std::string& /*folder*/) {}
    virtual void ShowBlankTiles() {}
    virtual void SetBusy(bool /*busy*/) {}

    // The base font changed: the hover label and the editor's label follow it.
    virtual void BaseFontChanged(const BaseFont& /*font*/) {}

    // An option changed: show it on the check box and the menu mark.
    virtual void ToggleChanged(Toggle /*toggle*/, bool /*on*/) {}
    // A compared font's glyphs were kept (true) or let go: "[Show compared]"
    // can be used only while one is kept.
    virtual void ComparedFontChanged(bool /*kept*/) {}

    // A glyph was picked up for a move (label text of lblCharNo(0)), or the
    // pick-up ended (code -1).
    virtual void PickUpChanged(int /*code*/, const std::string& /*label*/) {}

    // The hover display shows code with this label text; the zoom is
    // zoomWidth x zoomHeight glyph pixels (0 x 0 when no font is loaded).
    virtual void HoverChanged(int /*code*/, const std::string& /*label*/, int /*zoomWidth*/,
                              int /*zoomHeight*/) {}

    // The character editor window.
    virtual void ShowEditor() {}
    virtual void HideEditor() {}
    virtual void EditorChanged() {}
    // A glyph was loaded into the editor: both scroll bars go to 51.
    virtual void EditorScrollReset() {}
    // The editor's caption and its character label lblCharNo(1).
    virtual void EditorCaptionChanged(const std::string& /*caption*/,
                                      const std::string& /*label*/) {}
    // One grid cell changed (0-based column and row): repaint just that cell.
    virtual void EditorCellChanged(int /*col*/, int /*row*/) {}
    // The cell report line txtOut.
    virtual void EditorReportChanged(const std::string& /*text*/) {}

    // What Undo and Redo would do now; an empty name: nothing to undo or redo.
    virtual void HistoryChanged(const std::string& /*undoName*/, const std::string& /*redoName*/) {}

    // The font changed in any way (glyphs, height, a load): the text preview
    // draws itself again.
    virtual void FontChanged() {}
    // View > "Text preview": show the preview window.
    virtual void ShowTextPreview() {}
    // Of the tiles first..last, those whose glyph differs from the last
    // loaded or saved state (changed[code]).
    virtual void ChangeMarksChanged(int /*first*/, int /*last*/,
                                    const std::array<bool, 256>& /*changed*/) {}

    // The notification strip shows these notices, oldest first (none: hidden).
    virtual void NoticesChanged(const std::vector<Notice>& /*notices*/) {}
    // The keyboard's focus tile of the glyph grid moved to code.
    virtual void GridFocusChanged(int /*code*/) {}
    // File > "Recent fonts" holds these paths, newest first.
    virtual void RecentFontsChanged(const std::vector<std::string>& /*paths*/) {}
};

// Questions to the user and requests to the desktop. An empty optional means
// the user cancelled; the defaults cancel and ignore.
class ViewDialogs {
  public:
    virtual ~ViewDialogs() = default;

    virtual std::optional<std::string> AskFileName(const FileDialogRequest& /*request*/) {
        return std::nullopt;
    }
    virtual void MessageBox(const std::string& /*text*/) {}
    // The font dialog, opened on the current base font.
    virtual std::optional<BaseFont> AskFont(const BaseFont& /*current*/) { return std::nullopt; }
    // "&New FNT": asks for the height of the new font; empty when cancelled.
    virtual std::optional<int> AskHeight(int /*suggested*/) { return std::nullopt; }

    // Copies of unsaved changes of ended runs can be recovered or discarded
    // (or no longer can).
    virtual void RecoveryChanged(bool /*available*/) {}
    // One item of a list (the kept unsaved changes): its index, empty when
    // cancelled.
    virtual std::optional<int> ChooseItem(const std::string& /*title*/,
                                          const std::string& /*prompt*/,
                                          const std::vector<std::string>& /*items*/) {
        return std::nullopt;
    }

    // The clipboard.
    virtual void PutGlyphsOnClipboard(const ClipboardGlyphForms& /*forms*/) {}
    virtual ClipboardContent ReadClipboard() { return {}; }

    // The window is to close (Esc with nothing unsaved, Exit).
    virtual void CloseRequested() {}

    // Open a URL or document with the desktop's default handler; false when
    // no program could be started for it.
    virtual bool OpenUrl(const std::string& /*url*/) { return true; }

    // The log line the user has selected, exactly as logged; none when no
    // line is selected.
    virtual std::optional<std::string> SelectedLogLine() { return std::nullopt; }
    // Puts the text on the clipboard.
    virtual void CopyToClipboard(const std::string& /*text*/) {}

    // Typefaces, BDF, change marks, glyph tools, text preview.
    // The typeface import's dialog, opened on the last answer.
    virtual std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest& /*last*/) {
        return std::nullopt;
    }
    // The TrueType export's questions, opened on the suggested answers: the
    // rows above the baseline (0..height), the code page and the family.
    virtual std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& /*suggested*/,
                                                       int /*height*/) {
        return std::nullopt;
    }
    // A whole number in min..max, starting at suggested: the BDF ascent,
    // the spacing of a width fit.
    virtual std::optional<int> AskNumber(const std::string& /*title*/,
                                         const std::string& /*prompt*/, int /*suggested*/,
                                         int /*min*/, int /*max*/) {
        return std::nullopt;
    }

    // Where a window stands now; none when it was never shown (or the view
    // has no windows), so that its remembered place is kept.
    virtual std::optional<WindowPlace> CurrentPlace(AppWindow /*window*/) { return std::nullopt; }
};

// Whatever shows a session hears its notices and answers its dialogs.
class View : public ViewNotices, public ViewDialogs {};

}  // namespace gft
