#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "support/big_endian.h"

namespace gft {

// Builds a packed row (8 pixels a byte, the leftmost in the high bit) from
// left to right, 64 bits at a time: pieces of glyph rows and gaps are put one
// after the other and each finished word is stored whole. The row is written
// over, never read, and nothing past its last byte is touched.
//
// Everything is inline: a writer made for one row lives in registers, and
// each step does not wait on the store of the one before.
class BitRowWriter {
  public:
    BitRowWriter(std::uint8_t* row, std::size_t rowBytes) : out_(row), end_(row + rowBytes) {}

    // The first bitCount bits of a packed source of `available` bytes.
    void Put(const std::uint8_t* source, std::size_t available, int bitCount) {
        std::size_t at = 0;
        for (; bitCount >= 64 && at + 8 <= available; at += 8, bitCount -= 64)
            AppendWord(LoadBigEndian64(source + at));
        if (bitCount <= 0) return;
        if (at < available) {
            const int count = std::min(bitCount, 64);
            Append(HighBits(LoadBigEndian64(source + at, available - at), count), count);
            bitCount -= count;
        }
        Skip(bitCount);  // a source shorter than its bit count
    }

    // bitCount clear bits.
    void Skip(int bitCount) {
        for (; bitCount > 0; bitCount -= 64)
            Append(0, std::min(bitCount, 64));
    }

    // Stores the last, partly filled word; nothing may be put after it.
    void Finish() {
        Store(word_, static_cast<std::size_t>(filled_ + 7) / 8);
        word_ = 0;
        filled_ = 0;
    }

  private:
    // The first `count` bits of a word, the rest cleared.
    static std::uint64_t HighBits(std::uint64_t bits, int count) {
        return count >= 64 ? bits : bits & ~(~std::uint64_t{0} >> count);
    }

    // 64 bits: a word is stored and as many bits as before are left over.
    void AppendWord(std::uint64_t bits) {
        Store(word_ | bits >> filled_, sizeof word_);
        word_ = bits << 1 << (63 - filled_);
    }

    // `bits` holds `count` bits from its high end, the rest clear.
    void Append(std::uint64_t bits, int count) {
        word_ |= bits >> filled_;
        filled_ += count;
        if (filled_ < 64) return;
        Store(word_, sizeof word_);
        filled_ -= 64;
        word_ = filled_ > 0 ? bits << (count - filled_) : 0;
    }

    void Store(std::uint64_t word, std::size_t bytes) {
        bytes = std::min(bytes, static_cast<std::size_t>(end_ - out_));
        StoreBigEndian64(out_, word, bytes);
        out_ += bytes;
    }

    std::uint8_t* out_;
    std::uint8_t* end_;
    std::uint64_t word_ = 0;  // bits not stored yet, from the high end
    int filled_ = 0;          // how many of them, 0..63
};

}  // namespace gft
