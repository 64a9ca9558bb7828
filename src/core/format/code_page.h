#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gft {

// The 8-bit code pages a typeface can be imported through. The game's fonts
// use Windows-1250.
enum class CodePage { Windows1250, Windows1252, Iso8859_2 };

// The code page named by a runner word: "cp1250", "cp1252" or "iso8859-2".
std::optional<CodePage> CodePageNamed(std::string_view word);

// The character a byte stands for in a code page; nothing for the bytes the
// code page leaves without a character. Bytes below 128 are themselves.
std::optional<char32_t> CodePageCharacter(CodePage page, std::uint8_t byte);

// The Windows-1250 byte of a character; nothing when the code page lacks it.
std::optional<std::uint8_t> Cp1250ByteOf(char32_t character);

// The characters of a UTF-8 text; malformed sequences are left out.
std::u32string Utf8Characters(std::string_view utf8);

// The text with every malformed UTF-8 sequence replaced by U+FFFD, the
// replacement character: a file name, which may be any bytes, on a page.
std::string ValidUtf8(std::string_view text);

// The Windows-1250 bytes of a UTF-8 text. Characters outside the code page
// and malformed UTF-8 sequences are left out.
std::vector<std::uint8_t> Cp1250BytesOf(std::string_view utf8);
// The same, one entry a character: nothing for a character outside the code
// page or a malformed sequence.
std::vector<std::optional<std::uint8_t>> Cp1250CharactersOf(std::string_view utf8);

}  // namespace gft
