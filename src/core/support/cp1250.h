#pragma once

#include <cstdint>
#include <string>

namespace gft {

// Shown for the five codes the Windows-1250 code page leaves without a
// character (129, 131, 136, 144, 152): the replacement character.
inline constexpr char32_t kNoCharacter = 0xFFFD;

// The character a byte stands for in the Windows-1250 code page, the code page
// of the game's fonts; control codes map to themselves.
char32_t Cp1250ToUnicode(std::uint8_t byte);
std::string Cp1250ToUtf8(std::uint8_t byte);

}  // namespace gft
