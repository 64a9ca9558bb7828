#pragma once

#include <cstdint>
#include <string>

namespace gft {

// A growable byte text that reserves room in steps, so that appending many
// short pieces costs the length of the pieces rather than of the whole text.
class StringConcat {
  public:
    std::int32_t lngAllocated = 0;     // characters reserved
    std::int32_t lngUsed = 0;          // characters in use
    std::int32_t lngAllocSize = 1000;  // growth step

    // Appends text. Throws AppError on 32-bit overflow or a growth step of 0.
    void Add(const std::string& strAddString);
    std::string GetStr() const;

  private:
    std::string buffer_;
};

}  // namespace gft
