#pragma once

#include <string>
#include <vector>

namespace gft {
class Session;
}

namespace gft::ui {

// The per-run working folder of the tile bitmaps: made under the system's
// temporary folder, removed with its tiles by Remove() or at the latest when
// the object goes.
class RunFolder {
  public:
    RunFolder() = default;
    ~RunFolder() { Remove(); }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    // Returns false when no folder could be made.
    bool Create();
    void Remove();
    // Ends in '/'; empty before Create().
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The window's start: the working folder, the folders of the session, the
// title, blank tiles, the start hint, and the font named as the only
// argument. Kept in one place so the full start-up can take its place.
void StartUp(Session& session, RunFolder& folder, const std::string& programFolder,
             const std::vector<std::string>& arguments);

// The window's end: the tiles and the working folder go.
void ShutDown(RunFolder& folder);

}  // namespace gft::ui
