#include "ui/main/qt_view.h"

#include "ui/preview/text_preview_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>
#include <algorithm>

#include "format/tile_bitmap.h"
#include "support/version.h"
#include "ui/editor/cell_grid.h"
#include "ui/editor/char_editor_window.h"
#include "ui/main/dialogs.h"
#include "ui/main/hover_display.h"
#include "ui/main/image_box.h"
#include "ui/main/notice_strip.h"
#include "ui/main/recent_fonts_menu.h"
#include "ui/main/system_clipboard.h"
#include "ui/main/tile_grid.h"
#include "ui/main/window_place.h"

namespace gft::ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// "Undo " + the step's name, or plain "Undo" when there is nothing to undo.
void ShowHistoryItem(QAction* item, const QString& verb, const std::string& step) {
    if (item == nullptr) return;
    item->setEnabled(!step.empty());
    QString caption = verb;
    if (!step.empty()) caption += u' ' + Text(step).replace(u'&', QStringLiteral("&&"));
    item->setText(caption);
}

}  // namespace

void QtView::LogAppended(const std::string& line) {
    // An "Error #" entry holds a CR LF; the list shows it as a line break.
    auto* item =
        new QListWidgetItem(Text(line).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The line exactly as logged, for the double-click.
    item->setData(Qt::UserRole, QByteArray::fromStdString(line));
    parts_->log->addItem(item);
}

void QtView::Attach(WindowParts& parts, std::function<CharEditorWindow&()> editor,
                    std::function<TextPreviewWindow&()> preview) {
    parts_ = &parts;
    editor_ = std::move(editor);
    preview_ = std::move(preview);
    // With auto scroll on, the newest line stays in view whenever the list
    // grows or its height changes.
    QScrollBar* bar = parts_->log->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::rangeChanged, parts_->log, [this, bar](int, int maximum) {
        if (autoScroll_) bar->setValue(maximum);
    });
}

void QtView::LogCleared() {
    parts_->log->clear();
}

void QtView::StatusChanged(const std::string& text) {
    parts_->status->setText(Text(text));
}

void QtView::TitleChanged(const std::string& title) {
    parts_->window->setWindowTitle(Text(title));
    // The title tells whether a font is loaded, which is what most items
    // depend on; their keys must work without the menu opened first.
    if (parts_->refreshItemStates) parts_->refreshItemStates();
}

void QtView::TimeChanged(const std::string& caption) {
    parts_->time->setText(Text(caption));
}

void QtView::LoadTiles(int first, int last, const std::string& folder) {
    tileFolder_ = QFile::decodeName(QByteArray::fromStdString(folder));
    for (int code = std::max(first, 0); code <= std::min(last, 255); ++code) {
        // A tile already showing these very bytes keeps its picture: a full
        // refresh mostly rebuilds bitmaps that did not change.
        const Bytes* bytes = tiles_ != nullptr ? tiles_->Built(code) : nullptr;
        Bytes& shown = shownTiles_[static_cast<std::size_t>(code)];
        if (bytes != nullptr && !shown.empty() && shown == *bytes) continue;
        parts_->grid->SetImage(
            code, bytes != nullptr ? TileImage(*bytes) : ReadBitmapFile(TileFile(code)));
        if (bytes != nullptr)
            shown = *bytes;
        else
            shown.clear();
    }
}

void QtView::ShowBlankTiles() {
    for (Bytes& shown : shownTiles_)
        shown.clear();
    parts_->grid->ShowBlank();
}

// Before the window first shows (the start-up's load) there is no pointer to
// change, and loading the busy cursor's picture would only delay the window.
void QtView::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0 && parts_->window->isVisible()) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            busyShown_ = true;
        }
    } else if (busyDepth_ > 0 && --busyDepth_ == 0 && busyShown_) {
        QApplication::restoreOverrideCursor();
        busyShown_ = false;
    }
}

std::optional<std::string> QtView::AskFileName(const FileDialogRequest& request) {
    return dialogs_.AskFileName(request);
}

void QtView::MessageBox(const std::string& text) {
    dialogs_.Message(QString::fromLatin1(kProgramTitle), Text(text));
}

std::optional<BaseFont> QtView::AskFont(const BaseFont& current) {
    return dialogs_.AskFont(current, QStringLiteral("Select Base Font"));
}

void QtView::BaseFontChanged(const BaseFont& font) {
    parts_->hover->SetBaseFont(font);
    if (parts_->editor != nullptr) parts_->editor->SetBaseFont(font);
}

void QtView::ToggleChanged(Toggle toggle, bool on) {
    const ToggleControls& controls = parts_->toggles[static_cast<std::size_t>(toggle)];
    if (controls.box) {
        const QSignalBlocker blocker(controls.box);
        controls.box->setChecked(on);
    }
    if (controls.mark) {
        const QSignalBlocker blocker(controls.mark);
        controls.mark->setChecked(on);
    }
    if (toggle == Toggle::Frames) {
        parts_->grid->SetFrames(on);
        parts_->hover->SetFrames(on);
    } else if (toggle == Toggle::KeepProportions) {
        parts_->grid->SetKeepProportions(on);
    } else if (toggle == Toggle::StayOnTop) {
        if (parts_->editor != nullptr) parts_->editor->SetStayOnTop(on);
    } else if (toggle == Toggle::LogAutoScroll) {
        autoScroll_ = on;
        if (on) parts_->log->scrollToBottom();
    } else if (toggle == Toggle::ShowCompared) {
        if (parts_->editor != nullptr) parts_->editor->Grid()->update();
    }
}

void QtView::ComparedFontChanged(bool kept) {
    if (parts_->editor != nullptr) parts_->editor->SetComparedAvailable(kept);
}

void QtView::ShowToggles(const std::array<bool, kToggleCount>& states) {
    for (int t = 0; t < kToggleCount; ++t)
        ToggleChanged(static_cast<Toggle>(t), states[static_cast<std::size_t>(t)]);
}

void QtView::PickUpChanged(int code, const std::string& label) {
    const bool pickedUp = code >= 0 && code < 256;
    parts_->hover->ShowPickUp(Text(label), pickedUp ? parts_->grid->Image(code) : QImage());
    parts_->grid->SetPickUpCursor(pickedUp);
}

void QtView::HoverChanged(int code, const std::string& label, int zoomWidth, int zoomHeight) {
    parts_->hover->ShowHover(Text(label), parts_->grid->Image(code), zoomWidth, zoomHeight);
}

void QtView::RecoveryChanged(bool available) {
    for (QAction* item : {parts_->recover, parts_->discardRecovery})
        if (item != nullptr) item->setEnabled(available);
}

std::optional<int> QtView::ChooseItem(const std::string& title, const std::string& prompt,
                                      const std::vector<std::string>& items) {
    QStringList shown;
    for (const std::string& item : items)
        shown << Text(item);
    return dialogs_.ChooseItem(Text(title), Text(prompt), shown);
}

void QtView::HistoryChanged(const std::string& undoName, const std::string& redoName) {
    ShowHistoryItem(parts_->undo, QStringLiteral("Undo"), undoName);
    ShowHistoryItem(parts_->redo, QStringLiteral("Redo"), redoName);
    // A load or a save makes a new saved state, which "Revert to saved" compares with.
    if (parts_->refreshItemStates) parts_->refreshItemStates();
}

std::optional<int> QtView::AskHeight(int suggested) {
    return dialogs_.AskHeight(suggested);
}

void QtView::ShowEditor() {
    editor_().ShowWindow();
}

void QtView::HideEditor() {
    if (parts_->editor != nullptr) parts_->editor->HideWindow();
}

void QtView::EditorChanged() {
    if (parts_->editor != nullptr) parts_->editor->Rebuild();
}

void QtView::EditorScrollReset() {
    if (parts_->editor != nullptr) parts_->editor->ResetScroll();
}

void QtView::EditorCaptionChanged(const std::string& caption, const std::string& label) {
    if (parts_->editor != nullptr) parts_->editor->SetCaption(Text(caption), Text(label));
}

void QtView::EditorCellChanged(int col, int row) {
    if (parts_->editor != nullptr) parts_->editor->CellChanged(col, row);
}

void QtView::EditorReportChanged(const std::string& text) {
    if (parts_->editor != nullptr) parts_->editor->SetReport(Text(text));
}

void QtView::CloseRequested() {
    parts_->window->close();
}

void QtView::PutGlyphsOnClipboard(const ClipboardGlyphForms& forms) {
    PutOnSystemClipboard(forms);
}

ClipboardContent QtView::ReadClipboard() {
    return ReadSystemClipboard();
}

bool QtView::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
}

std::optional<std::string> QtView::SelectedLogLine() {
    const QListWidgetItem* item = parts_->log->currentItem();
    if (item == nullptr || !item->isSelected()) return std::nullopt;
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

void QtView::CopyToClipboard(const std::string& text) {
    QApplication::clipboard()->setText(Text(text));
}

QString QtView::TileFile(int code) const {
    return tileFolder_ + Text(TileFileName(code));
}

std::optional<TypefaceRequest> QtView::AskTypeface(const TypefaceRequest& last) {
    return dialogs_.AskTypeface(last);
}

std::optional<int> QtView::AskNumber(const std::string& title, const std::string& prompt,
                                     int suggested, int min, int max) {
    return dialogs_.AskNumber(QString::fromStdString(title), QString::fromStdString(prompt),
                              suggested, min, max);
}

std::optional<TrueTypeOptions> QtView::AskTrueType(const TrueTypeOptions& suggested, int height) {
    return dialogs_.AskTrueType(suggested, height);
}

void QtView::FontChanged() {
    if (parts_->preview != nullptr) parts_->preview->FontChanged();
}

void QtView::ShowTextPreview() {
    preview_().ShowWindow();
}

void QtView::ChangeMarksChanged(int first, int last, const std::array<bool, 256>& changed) {
    for (int code = first; code <= last; ++code)
        parts_->grid->SetChanged(code, changed[static_cast<std::size_t>(code)]);
}

std::optional<WindowPlace> QtView::CurrentPlace(AppWindow window) {
    switch (window) {
        case AppWindow::Main:
            return PlaceOf(*parts_->window);
        case AppWindow::Editor:
            if (parts_->editor != nullptr) return PlaceOf(*parts_->editor);
            break;
        case AppWindow::Preview:
            if (parts_->preview != nullptr) return PlaceOf(*parts_->preview);
            break;
    }
    return std::nullopt;
}

void QtView::NoticesChanged(const std::vector<Notice>& notices) {
    parts_->notices->ShowNotices(notices);
}

void QtView::GridFocusChanged(int code) {
    parts_->grid->SetFocusTile(code);
}

void QtView::RecentFontsChanged(const std::vector<std::string>& paths) {
    if (parts_->recentFonts != nullptr) parts_->recentFonts->ShowList(paths);
}

}  // namespace gft::ui
