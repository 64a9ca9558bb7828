#pragma once

#include <optional>
#include <string>

#include "format/raster.h"
#include "session/toggles.h"
#include "support/bytes.h"

namespace gft {

// What a file dialog is asked to show.
struct FileDialogRequest {
    std::string title;
    std::string filter;       // "Description|*.a;*.b|All files (*.*)|*.*"
    std::string initialName;  // a full path, or a folder + "/" + pattern
    bool save = false;        // save dialog: ask before overwriting
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

// Whatever shows a session: the Qt windows, the headless runner, a test
// recorder. The core calls it after it has changed the model; every method
// has a do-nothing default so a view implements only what it shows.
class View {
  public:
    virtual ~View() = default;

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

    // Dialogs. An empty optional means the user cancelled.
    virtual std::optional<std::string> AskFileName(const FileDialogRequest& /*request*/) {
        return std::nullopt;
    }
    virtual void MessageBox(const std::string& /*text*/) {}
    // The font dialog, opened on the current base font.
    virtual std::optional<BaseFont> AskFont(const BaseFont& /*current*/) { return std::nullopt; }
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
    // "&New FNT": asks for the height of the new font; empty when cancelled.
    virtual std::optional<int> AskHeight(int /*suggested*/) { return std::nullopt; }

    // A recovery copy of an ended run can be recovered or discarded (or no
    // longer can).
    virtual void RecoveryChanged(bool /*available*/) {}

    // The clipboard.
    virtual void PutGlyphsOnClipboard(const ClipboardGlyphForms& /*forms*/) {}
    virtual ClipboardContent ReadClipboard() { return {}; }

    // The window is to close (Esc with nothing unsaved, Exit).
    virtual void CloseRequested() {}

    // Open a URL or document with the desktop's default handler; the outcome
    // is not reported.
    virtual void OpenUrl(const std::string& /*url*/) {}
};

}  // namespace gft
