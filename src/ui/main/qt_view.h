#pragma once

#include <QString>
#include <array>
#include <functional>

#include "session/tile_cache.h"
#include "session/view.h"

class QAbstractButton;
class QAction;
class QImage;
class QLabel;
class QListWidget;
class QWidget;

namespace gft::ui {

class CharEditorWindow;
class Dialogs;
class HoverDisplay;
class NoticeStrip;
class RecentFontsMenu;
class TextPreviewWindow;
class TileGrid;

// The two controls of an option: the check box that holds it (none for the
// menu-only options) and the menu item that shows its mark.
struct ToggleControls {
    QAbstractButton* box = nullptr;
    QAction* mark = nullptr;
};

// The widgets the view writes to; owned by the main window.
struct WindowParts {
    QWidget* window = nullptr;
    TileGrid* grid = nullptr;
    HoverDisplay* hover = nullptr;
    QListWidget* log = nullptr;
    QLabel* status = nullptr;
    QLabel* time = nullptr;
    CharEditorWindow* editor = nullptr;
    std::array<ToggleControls, kToggleCount> toggles{};
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* recover = nullptr;
    QAction* discardRecovery = nullptr;
    TextPreviewWindow* preview = nullptr;
    NoticeStrip* notices = nullptr;
    RecentFontsMenu* recentFonts = nullptr;
    // Asks the core again which menu items are enabled (after a load, say).
    std::function<void()> refreshItemStates;
};

// Shows what the core reports on the main window's widgets. It holds no rule:
// every method only puts the reported state on screen.
class QtView : public View {
  public:
    explicit QtView(Dialogs& dialogs) : dialogs_(dialogs) {}
    // The view writes to these parts as the window holds them; the character
    // editor and the text preview are made by the given functions when first
    // shown, and until then what the core reports for them is left out.
    void Attach(WindowParts& parts, std::function<CharEditorWindow&()> editor,
                std::function<TextPreviewWindow&()> preview);

    void LogAppended(const std::string& line) override;
    void LogCleared() override;
    void StatusChanged(const std::string& text) override;
    void TitleChanged(const std::string& title) override;
    void TimeChanged(const std::string& caption) override;

    void LoadTiles(int first, int last, const std::string& folder) override;
    void ShowBlankTiles() override;
    void SetBusy(bool busy) override;

    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
    void MessageBox(const std::string& text) override;
    std::optional<BaseFont> AskFont(const BaseFont& current) override;
    void BaseFontChanged(const BaseFont& font) override;

    void ToggleChanged(Toggle toggle, bool on) override;
    void ComparedFontChanged(bool kept) override;
    void PickUpChanged(int code, const std::string& label) override;
    void HoverChanged(int code, const std::string& label, int zoomWidth, int zoomHeight) override;

    void HistoryChanged(const std::string& undoName, const std::string& redoName) override;
    void RecoveryChanged(bool available) override;
    std::optional<int> ChooseItem(const std::string& title, const std::string& prompt,
                                  const std::vector<std::string>& items) override;
    std::optional<int> AskHeight(int suggested) override;

    void ShowEditor() override;
    void HideEditor() override;
    void EditorChanged() override;
    void EditorScrollReset() override;
    void EditorCaptionChanged(const std::string& caption, const std::string& label) override;
    void EditorCellChanged(int col, int row) override;
    void EditorReportChanged(const std::string& text) override;
    void CloseRequested() override;
    void PutGlyphsOnClipboard(const ClipboardGlyphForms& forms) override;
    ClipboardContent ReadClipboard() override;
    // The core gives the URL percent-encoded; it goes to the desktop as it is.
    bool OpenUrl(const std::string& url) override;
    std::optional<std::string> SelectedLogLine() override;
    void CopyToClipboard(const std::string& text) override;

    // Typefaces, change marks, glyph tools, text preview.
    std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest& last) override;
    std::optional<int> AskNumber(const std::string& title, const std::string& prompt, int suggested,
                                 int min, int max) override;
    std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& suggested,
                                               int height) override;
    void FontChanged() override;
    void ShowTextPreview() override;
    void ChangeMarksChanged(int first, int last, const std::array<bool, 256>& changed) override;

    // Window places, notices, the grid's focus tile, the recent fonts.
    std::optional<WindowPlace> CurrentPlace(AppWindow window) override;
    void NoticesChanged(const std::vector<Notice>& notices) override;
    void GridFocusChanged(int code) override;
    void RecentFontsChanged(const std::vector<std::string>& paths) override;

    // Shows every option as the session holds it (at start-up).
    void ShowToggles(const std::array<bool, kToggleCount>& states);
    // The tiles are drawn from the bitmaps the session's tile cache holds;
    // only a tile it lacks is read from its file.
    void DrawTilesFrom(const TileCache& tiles) { tiles_ = &tiles; }

  private:
    QString TileFile(int code) const;

    Dialogs& dialogs_;
    WindowParts* parts_ = nullptr;
    std::function<CharEditorWindow&()> editor_;
    std::function<TextPreviewWindow&()> preview_;
    const TileCache* tiles_ = nullptr;
    // Per tile the bitmap bytes its picture was made from (empty: a picture
    // from a file or the blank one).
    std::array<Bytes, 256> shownTiles_{};
    QString tileFolder_;
    int busyDepth_ = 0;
    bool busyShown_ = false;
    bool autoScroll_ = true;
};

}  // namespace gft::ui
