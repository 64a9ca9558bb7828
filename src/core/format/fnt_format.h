#pragma once

#include <cstddef>

namespace gft::fnt {

// Layout of an FNT file; multi-byte numbers are big-endian.
inline constexpr std::size_t kHeaderSize = 24;  // magic, height, zeros, attributes
inline constexpr std::size_t kHeightOffset = 7;
inline constexpr std::size_t kAttrOffset = 12;
inline constexpr std::size_t kWidthTableOffset = 24;     // 256 widths
inline constexpr std::size_t kPointerTableOffset = 280;  // 256 x 16-bit pointers
inline constexpr std::size_t kEndFieldOffset = 792;      // 00 00, then the block length
inline constexpr std::size_t kDataBlockOffset = 796;     // place-holder byte, then glyph data
inline constexpr std::size_t kMinimumFileSize = 797;
// The writer's running pointer is a signed 16-bit value.
inline constexpr std::size_t kMaxWrittenBlock = 32767;
// No glyph can start past block offset 65535 nor be longer than 255 rows of 32 bytes,
// so nothing past this many bytes of a file is ever used.
inline constexpr std::size_t kMaxGlyphBytes = 32 * 255;
inline constexpr std::size_t kUsefulFilePrefix = kDataBlockOffset + 65536 + kMaxGlyphBytes;

}  // namespace gft::fnt
