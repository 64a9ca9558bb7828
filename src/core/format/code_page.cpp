#include "format/code_page.h"

#include <algorithm>
#include <array>
#include <utility>

#include "support/cp1250.h"

namespace gft {

namespace {

// Unicode of the Windows-1252 bytes 128..255; 0 where the code page has no character.
constexpr std::array<char16_t, 128> kCp1252HighHalf{
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

// Unicode of the ISO-8859-2 bytes 160..255; 128..159 are control codes, themselves.
constexpr std::array<char16_t, 96> kIso8859_2Top{
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164,
    0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102,
    0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170,
    0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3,
    0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

using ReverseEntry = std::pair<char32_t, std::uint8_t>;

// The characters of the Windows-1250 bytes 128..255, sorted for lookup.
const std::vector<ReverseEntry>& Cp1250HighHalfByCharacter() {
    static const std::vector<ReverseEntry> table = [] {
        std::vector<ReverseEntry> entries;
        for (int byte = 128; byte < 256; ++byte)
            if (auto c = CodePageCharacter(CodePage::Windows1250, static_cast<std::uint8_t>(byte)))
                entries.emplace_back(*c, static_cast<std::uint8_t>(byte));
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

// Decodes one UTF-8 sequence at text[at]; advances at past it. Nothing for a
// malformed sequence (at then moves one byte on).
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    int more = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        least = 0x10000;
    } else {
        return std::nullopt;
    }
    char32_t c = lead & (0x3Fu >> more);
    if (text.size() - at < static_cast<std::size_t>(more)) return std::nullopt;
    for (int k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(more);
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        if (NextCharacter(text, at))
            valid.append(text.substr(start, at - start));
        else
            valid += "\xEF\xBF\xBD";
    }
    return valid;
}

std::optional<CodePage> CodePageNamed(std::string_view word) {
    if (word == "cp1250") return CodePage::Windows1250;
    if (word == "cp1252") return CodePage::Windows1252;
    if (word == "iso8859-2") return CodePage::Iso8859_2;
    return std::nullopt;
}

std::optional<char32_t> CodePageCharacter(CodePage page, std::uint8_t byte) {
    if (byte < 128) return byte;
    switch (page) {
        case CodePage::Windows1250: {
            const char32_t c = Cp1250ToUnicode(byte);
            if (c == kNoCharacter) return std::nullopt;
            return c;
        }
        case CodePage::Windows1252: {
            const char32_t c = kCp1252HighHalf[byte - 128];
            if (c == 0) return std::nullopt;
            return c;
        }
        case CodePage::Iso8859_2:
            if (byte < 160) return byte;
            return kIso8859_2Top[byte - 160];
    }
    return std::nullopt;
}

std::optional<std::uint8_t> Cp1250ByteOf(char32_t character) {
    if (character < 128) return static_cast<std::uint8_t>(character);
    const auto& table = Cp1250HighHalfByCharacter();
    const auto found = std::lower_bound(table.begin(), table.end(), ReverseEntry{character, 0});
    if (found == table.end() || found->first != character) return std::nullopt;
    return found->second;
}

std::u32string Utf8Characters(std::string_view utf8) {
    std::u32string characters;
    std::size_t at = 0;
    while (at < utf8.size())
        if (const auto c = NextCharacter(utf8, at)) characters += *c;
    return characters;
}

std::vector<std::optional<std::uint8_t>> Cp1250CharactersOf(std::string_view utf8) {
    std::vector<std::optional<std::uint8_t>> characters;
    characters.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto c = NextCharacter(utf8, at);
        characters.push_back(c ? Cp1250ByteOf(*c) : std::nullopt);
    }
    return characters;
}

std::vector<std::uint8_t> Cp1250BytesOf(std::string_view utf8) {
    std::vector<std::uint8_t> bytes;
    for (const auto byte : Cp1250CharactersOf(utf8))
        if (byte) bytes.push_back(*byte);
    return bytes;
}

}  // namespace gft
