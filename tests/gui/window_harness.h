#pragma once

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include "test_support.h"
#include "ui/main/image_box.h"
#include "ui/main/main_window.h"
#include "ui/main/tile_grid.h"

namespace gft::test {

// Answers the window's dialogs from queues and records what they were asked.
class FakeDialogs : public ui::Dialogs {
  public:
    std::deque<std::optional<std::string>> files;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::pair<QString, QString>> messages;
    std::deque<std::optional<BaseFont>> fonts;
    std::vector<BaseFont> fontRequests;
    std::vector<std::pair<QString, QString>> informations;
    std::deque<std::optional<int>> heights;
    std::vector<int> heightRequests;

    std::optional<std::string> AskFileName(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return Next(files);
    }
    void Message(const QString& title, const QString& text) override {
        messages.emplace_back(title, text);
    }
    void Information(const QString& title, const QString& text) override {
        informations.emplace_back(title, text);
    }
    std::optional<BaseFont> AskFont(const BaseFont& current, const QString&) override {
        fontRequests.push_back(current);
        return Next(fonts);
    }
    std::optional<int> AskHeight(int suggested) override {
        heightRequests.push_back(suggested);
        return Next(heights);
    }
    std::deque<std::optional<TypefaceRequest>> typefaces;
    std::deque<std::optional<int>> numbers;
    std::optional<TypefaceRequest> AskTypeface(const TypefaceRequest&) override {
        return Next(typefaces);
    }
    std::optional<int> AskNumber(const QString&, const QString&, int, int, int) override {
        return Next(numbers);
    }
    std::deque<std::optional<TrueTypeOptions>> trueTypes;
    std::vector<std::pair<TrueTypeOptions, int>> trueTypeRequests;  // suggested, height
    std::optional<TrueTypeOptions> AskTrueType(const TrueTypeOptions& suggested,
                                               int height) override {
        trueTypeRequests.emplace_back(suggested, height);
        return Next(trueTypes);
    }
    std::deque<std::optional<int>> choices;
    std::vector<QStringList> choiceLists;
    std::optional<int> ChooseItem(const QString&, const QString&,
                                  const QStringList& items) override {
        choiceLists.push_back(items);
        return Next(choices);
    }

  private:
    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) return T{};
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// A main window with fake dialogs, and a small font on disk; shown unless
// asked not to be.
struct WindowHarness {
    TempDir dir;
    std::string fontPath;
    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<ui::MainWindow> window;

    explicit WindowHarness(bool loadFont = true, bool show = true) {
        FntBuilder font(8);
        font.Set(65, 5, 0xF0).Set(38, 6).Set(64, 17, 0xFF).Set(97, 9, 0x81);
        fontPath = dir.Write("font.fnt", font.Build());
        Start(loadFont, show);
    }
    // The window closed (its settings written) and started again in the
    // same folders, as a second run of the program.
    void Restart(bool loadFont = false) {
        window->close();
        window.reset();
        Start(loadFont, true);
    }
    void Start(bool loadFont, bool show) {
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        FakeProcess process(dir, loadFont ? std::vector{fontPath} : std::vector<std::string>{});
        process.variables["TMP"] = dir.File("tmp");
        window = std::make_unique<ui::MainWindow>(std::move(fake), process.environment);
        if (!show) return;
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
    }
    std::string SettingsFile() const {
        return dir.File("home/.config/Grind FNT Tool/Settings.ini");
    }

    Session& session() { return window->session(); }
    template <typename T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    // One tile of the painted grid, looked at as a widget used to be.
    struct TileProbe {
        const ui::TileGrid* grid;
        int code;
        const QImage& Image() const { return grid->Image(code); }
        bool Framed() const { return grid->Framed(); }
        bool Changed() const { return grid->Changed(code); }
        QRect geometry() const { return grid->TileRect(code); }
        QCursor cursor() const { return grid->cursor(); }
    };
    ui::TileGrid* Grid() const { return window->parts().grid; }
    TileProbe Tile(int code) const { return {Grid(), code}; }
    // A click in the middle of a tile, and the mouse moved over one.
    void ClickTile(int code, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(Grid(), button, modifiers, Grid()->TileRect(code).center());
    }
    void HoverTile(int code) {
        const QPointF at = Grid()->TileRect(code).center();
        QMouseEvent move(QEvent::MouseMove, at, Grid()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(Grid(), &move);
    }
    QString Text(const char* label) const {
        return Find<QLabel>(QString::fromLatin1(label))->text();
    }
    // The log list's lines without the "Preview generated" ones.
    QStringList LogTexts() const {
        QStringList lines;
        auto* log = Find<QListWidget>(QStringLiteral("lstLog"));
        for (int i = 0; i < log->count(); ++i)
            if (!log->item(i)->text().startsWith("Preview generated"))
                lines << log->item(i)->text();
        return lines;
    }
    QString LastLogLine() const { return LogTexts().value(LogTexts().size() - 1); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
};

}  // namespace gft::test
