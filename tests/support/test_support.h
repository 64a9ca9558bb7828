#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "session/session.h"
#include "support/bytes.h"

namespace gft::test {

// Builds FNT file images glyph by glyph; Build() lays them out the way the
// writer does, without sharing. Tests then break the bytes they want broken.
struct FntBuilder {
    struct Glyph {
        bool present = false;
        std::uint8_t width = 0;
        Bytes pixels;
    };
    std::uint8_t height = 8;
    std::array<std::uint8_t, 12> attr{};
    std::array<Glyph, 256> glyphs{};

    explicit FntBuilder(std::uint8_t fontHeight = 8) : height(fontHeight) {}
    // A present glyph whose rows are all `fill`.
    FntBuilder& Set(int code, std::uint8_t width, std::uint8_t fill = 0xAA);
    FntBuilder& SetPixels(int code, std::uint8_t width, Bytes pixels);
    Bytes Build() const;
};

// A present glyph drawn as `grindfnt dump` shows one: '#' ink and '.' blank
// inside the width (as many as the first row has), '+' and ',' set and clear
// bits beyond it.
CharInfo GlyphOf(const std::vector<std::string>& rows);

int PointerOf(const Bytes& file, int code);
void SetPointer(Bytes& file, int code, int pointer);
void SetWidth(Bytes& file, int code, std::uint8_t width);
void SetEndField(Bytes& file, int length);

// A folder under the system's temporary folder, removed with its content.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::string Write(const std::string& name, const Bytes& bytes) const;

  private:
    std::string path_;
};

Bytes ReadAll(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// The process as start-up sees it, all inside dir: the folders prog (the
// program's), cur (the current one), home (HOME, no .config yet) and tmp.
struct FakeProcess {
    std::map<std::string, std::string> variables;
    StartupEnvironment environment;

    explicit FakeProcess(const TempDir& dir, std::vector<std::string> arguments = {});
    FakeProcess(const FakeProcess&) = delete;
    FakeProcess& operator=(const FakeProcess&) = delete;
};

// Records what the core asks a view to do; answers file dialogs from a queue.
class RecordingView : public View {
  public:
    std::vector<FileDialogRequest> dialogs;
    std::deque<std::optional<std::string>> answers;
    int busyDepth = 0;
    int editorHidden = 0;

    void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    std::optional<std::string> AskFileName(const FileDialogRequest& request) override;
    void HideEditor() override { ++editorHidden; }
};

// The session's log lines from first on, without the "Preview generated (...)" lines.
std::vector<std::string> LogOf(const Session& session, std::size_t first = 0);

// A session with a recording view and a private tile folder.
struct SessionFixture {
    TempDir dir;
    RecordingView view;
    Session session{view};
    SessionFixture();

    std::vector<std::string> Log() const { return LogOf(session); }
    std::vector<std::string> LogSince(std::size_t first) const { return LogOf(session, first); }
    // Writes bytes as a file in the fixture folder and loads it.
    std::string LoadBytes(const Bytes& file, const std::string& name = "font.fnt");
};

}  // namespace gft::test
