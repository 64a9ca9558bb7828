#pragma once

#include <string>

namespace gft::cli {

// The folder the runner writes tile bitmaps into: a private one under the
// system temporary folder, removed with its tiles at the end, or one the user
// named, which is kept.
class WorkFolder {
  public:
    // keepIn empty: a private folder. Throws std::runtime_error when the
    // folder cannot be made.
    explicit WorkFolder(const std::string& keepIn);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Ends in '/'.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    bool remove_ = false;
};

// Folder of the running executable.
std::string ProgramFolder();

}  // namespace gft::cli
