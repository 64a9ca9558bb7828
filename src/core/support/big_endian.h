#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "support/bytes.h"

namespace gft {

// Up to eight bytes as one big-endian word, the first byte in the high bits
// and the missing low bytes clear.
inline std::uint64_t LoadBigEndian64(const std::uint8_t* bytes, std::size_t count = 8) {
    std::uint64_t value = 0;
    if (count >= sizeof value)
        std::memcpy(&value, bytes, sizeof value);
    else
        std::memcpy(&value, bytes, count);
    return std::endian::native == std::endian::little ? __builtin_bswap64(value) : value;
}

// The inverse: the first `count` (up to eight) bytes of the word's big-endian form.
inline void StoreBigEndian64(std::uint8_t* bytes, std::uint64_t value, std::size_t count = 8) {
    if (std::endian::native == std::endian::little) value = __builtin_bswap64(value);
    if (count >= sizeof value)
        std::memcpy(bytes, &value, sizeof value);
    else
        std::memcpy(bytes, &value, count);
}

// Stores the low `count` bytes of a value, the highest first.
inline void StoreBigEndian(std::uint8_t* bytes, std::uint64_t value, std::size_t count) {
    StoreBigEndian64(bytes, value << (64 - 8 * count), count);
}

// Appends numbers to a byte buffer in big-endian order, as binary file
// formats of other systems store them. Signed values are stored in two's
// complement.
class BigEndianWriter {
  public:
    explicit BigEndianWriter(Bytes& out) : out_(out) {}
    void U8(std::uint64_t value) { Append(value, 1); }
    void U16(std::uint64_t value) { Append(value, 2); }
    void S16(std::int64_t value) { Append(static_cast<std::uint64_t>(value), 2); }
    void U32(std::uint64_t value) { Append(value, 4); }
    void U64(std::uint64_t value) { Append(value, 8); }
    // A four-character tag, such as a table name.
    void Tag(const char* tag) { out_.insert(out_.end(), tag, tag + 4); }
    void Zeros(std::size_t count) { out_.resize(out_.size() + count, 0); }
    void Raw(std::span<const std::uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    std::size_t Size() const { return out_.size(); }

  private:
    void Append(std::uint64_t value, std::size_t count) {
        const std::size_t at = out_.size();
        out_.resize(at + count);
        StoreBigEndian(out_.data() + at, value, count);
    }
    Bytes& out_;
};

}  // namespace gft
