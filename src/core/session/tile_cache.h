#pragma once

#include <array>
#include <string>

#include "support/bytes.h"

namespace gft {

// The bytes this run last wrote to each tile file, so that a file whose
// content would not change is not written again.
class TileCache {
  public:
    bool Matches(const std::string& path, int code, const Bytes& bytes) const {
        return folder_ == path && written_[code].has && written_[code].bytes == bytes;
    }
    void Remember(const std::string& folder, int code, Bytes bytes) {
        if (folder_ != folder) Forget(), folder_ = folder;
        written_[code] = {true, std::move(bytes)};
    }
    void ForgetCode(int code) { written_[code] = {}; }
    void Forget() {
        for (auto& entry : written_)
            entry = {};
    }
    const std::string& Folder() const { return folder_; }

  private:
    struct Entry {
        bool has = false;
        Bytes bytes;
    };
    std::string folder_;
    std::array<Entry, 256> written_{};
};

}  // namespace gft
