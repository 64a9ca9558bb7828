#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "support/bytes.h"

namespace gft {

// Takes the bytes of a file being made, in order, a piece at a time, so that
// a large export streams to its file instead of being built in memory first.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    void Write(std::string_view text) {
        Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }
};

// Keeps everything written in memory.
class BytesSink : public ByteSink {
  public:
    using ByteSink::Write;
    void Write(std::span<const std::uint8_t> piece) override {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    }
    Bytes bytes;
};

}  // namespace gft
