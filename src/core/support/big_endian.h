#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

}  // namespace gft
