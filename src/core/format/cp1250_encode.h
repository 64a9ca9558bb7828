#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gft {

// The Windows-1250 byte of a character; none when the code page lacks it.
std::optional<std::uint8_t> UnicodeToCp1250(char32_t character);

// The text as Windows-1250 bytes; characters the code page lacks are left out.
std::string EncodeCp1250(std::u32string_view text);

}  // namespace gft
