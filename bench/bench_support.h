#pragma once

#include <string>
#include <vector>

#include "session/session.h"
#include "support/bytes.h"

namespace gft::bench {

// A private folder under TMPDIR (or /tmp), removed with its content.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A session that shows nothing, with its tiles in a folder of its own.
struct QuietSession {
    View view;
    Session session{view};
    explicit QuietSession(const ScratchDir& dir);
    // Keeps the log from growing over millions of iterations.
    void TrimLog();

  private:
    int calls_ = 0;
};

// The baselines: the same bytes through bare open/read/write/close.
void BareWrite(const std::string& path, const Bytes& bytes);
// As BareWrite, but into a temporary name, flushed to disk and renamed over
// path: the steps that make a save safe against a crash.
void BareWriteSynced(const std::string& path, const Bytes& bytes);
// As BareWrite, but the old content is overwritten in place and the file then
// cut to the new length, rather than emptied first.
void BareOverwrite(const std::string& path, const Bytes& bytes);
std::size_t BareRead(const std::string& path, Bytes& buffer);

// A benchmark's time measured against another one of the same run; with a
// goal, the line says whether the ratio (or, with goalSeconds, the time) met it.
struct Ratio {
    std::string name;
    std::string baseline;
    double goalRatio = 0;    // 0: no goal on the ratio
    double goalSeconds = 0;  // 0: no goal on the time
};

// Runs the benchmarks selected on the command line with the console output,
// then prints one line per ratio.
int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios);

}  // namespace gft::bench
