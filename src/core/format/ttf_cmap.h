#pragma once

#include <cstdint>
#include <vector>

#include "format/code_page.h"
#include "support/bytes.h"

namespace gft {

// The first character of the Private Use Area block that keeps the codes
// without a printable character reachable: code N is U+F000 + N.
inline constexpr char32_t kPrivateCodeBase = 0xF000;

// The character a font code stands for in an exported TrueType font: its
// code page character when that is printable; otherwise (control codes
// 0..31, 127 and 128..159, and positions the code page leaves unassigned)
// U+F000 + code.
char32_t TrueTypeCharacter(CodePage page, std::uint8_t code);

// One entry of a character map. Characters are below U+FFFF.
struct CharacterGlyph {
    char32_t character;
    std::uint16_t glyph;
};

// The 'cmap' table: one format 4 subtable, for Unicode (platform 0,
// encoding 3) and Windows (platform 3, encoding 1). The mapping may come in
// any order but must not name a character twice.
Bytes CmapTable(std::vector<CharacterGlyph> mapping);

}  // namespace gft
