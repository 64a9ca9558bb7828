#include "format/cp1250_encode.h"

#include "support/cp1250.h"

namespace gft {

std::optional<std::uint8_t> UnicodeToCp1250(char32_t character) {
    if (character == kNoCharacter) return std::nullopt;
    for (int byte = 0; byte < 256; ++byte)
        if (Cp1250ToUnicode(static_cast<std::uint8_t>(byte)) == character)
            return static_cast<std::uint8_t>(byte);
    return std::nullopt;
}

std::string EncodeCp1250(std::u32string_view text) {
    std::string bytes;
    for (char32_t character : text)
        if (const auto byte = UnicodeToCp1250(character)) bytes += static_cast<char>(*byte);
    return bytes;
}

}  // namespace gft
