#pragma once

#include <array>
#include <string>

#include "format/tile_bitmap.h"
#include "support/bytes.h"

namespace gft {

// The tile bitmaps of this run: per code the bytes last built (what the grid
// shows, so that no window reads back a file just written) and whether the
// working folder's file holds them yet. A file whose content would not change
// is not written again.
//
// While writes are deferred (a window's start-up, until its first paint) the
// preview only builds the bytes; WriteWaitingTiles then writes them.
class TileCache {
  public:
    bool Matches(const std::string& path, int code, const Bytes& bytes) const {
        const Entry& entry = entries_[code];
        return folder_ == path && entry.has && entry.written && entry.bytes == bytes;
    }
    // Built for folder, the file not written yet (or its write failed).
    void Hold(const std::string& folder, int code, Bytes bytes) {
        if (folder_ != folder) Forget(), folder_ = folder, paths_ = {};
        entries_[code] = {true, false, std::move(bytes)};
    }
    void MarkWritten(int code) { entries_[code].written = entries_[code].has; }
    // The bytes last built for code, or nullptr.
    const Bytes* Built(int code) const {
        const Entry& entry = entries_[code];
        return entry.has ? &entry.bytes : nullptr;
    }
    bool Waiting(int code) const { return entries_[code].has && !entries_[code].written; }

    void DeferWrites(bool on) { defer_ = on; }
    bool WritesDeferred() const { return defer_; }

    void ForgetCode(int code) { entries_[code] = {}; }
    void Forget() {
        for (auto& entry : entries_)
            entry = {};
    }
    const std::string& Folder() const { return folder_; }
    // The file of code in the folder; the name is made once a folder, as a
    // refresh writes all 256 again and again.
    const std::string& Path(int code) {
        std::string& path = paths_[code];
        if (path.empty()) path = folder_ + TileFileName(code);
        return path;
    }

  private:
    struct Entry {
        bool has = false;
        bool written = false;
        Bytes bytes;
    };
    std::string folder_;
    std::array<Entry, 256> entries_{};
    std::array<std::string, 256> paths_{};
    bool defer_ = false;
};

}  // namespace gft
