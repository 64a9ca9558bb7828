#include "format/ttf_names.h"

#include <string_view>
#include <vector>

#include "format/code_page.h"
#include "support/big_endian.h"
#include "support/version.h"

namespace gft {

namespace {

constexpr const char* kStyle = "Regular";
constexpr std::size_t kPostScriptNameLength = 63;
constexpr std::size_t kFamilyLength = 63;

// A text as UTF-16, big-endian; characters beyond the Basic Multilingual
// Plane as surrogate pairs.
Bytes Utf16BigEndian(const std::string& utf8) {
    Bytes bytes;
    BigEndianWriter out(bytes);
    for (const char32_t c : Utf8Characters(utf8)) {
        if (c < 0x10000) {
            out.U16(c);
        } else {
            out.U16(0xD800 + ((c - 0x10000) >> 10));
            out.U16(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

// The name IDs written, in order: family, subfamily, unique identifier,
// full name, version, PostScript name.
std::vector<std::string> NameStrings(const std::string& family) {
    const std::string version =
        "Version 1.000; " + std::string(kProgramTitle) + " " + VersionText();
    const std::string postScript = PostScriptName(family);
    return {family,  kStyle,    postScript + "; " + version, family + " " + kStyle,
            version, postScript};
}

}  // namespace

std::string FamilyName(std::string_view requested) {
    std::string name;
    std::size_t characters = 0;
    for (const char c : requested) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) continue;
        const bool starts = (byte & 0xC0) != 0x80;  // not a UTF-8 continuation byte
        if (starts && ++characters > kFamilyLength) break;
        name += c;
    }
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos || Utf8Characters(name).empty()) return "Untitled";
    return name.substr(first, name.find_last_not_of(' ') + 1 - first);
}

std::string FamilyOfPath(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return FamilyName(name);
}

std::string PostScriptName(const std::string& family) {
    std::string name;
    for (const char c : family + "-" + kStyle) {
        if (c <= ' ' || c > '~' || std::string_view("[](){}<>/%").find(c) != std::string_view::npos)
            continue;
        if (name.size() < kPostScriptNameLength) name += c;
    }
    return name;
}

Bytes NameTable(const std::string& family) {
    const std::vector<std::string> strings = NameStrings(family);
    Bytes storage;
    std::vector<std::pair<std::size_t, std::size_t>> places;  // offset, length
    for (const std::string& text : strings) {
        const Bytes utf16 = Utf16BigEndian(text);
        places.emplace_back(storage.size(), utf16.size());
        storage.insert(storage.end(), utf16.begin(), utf16.end());
    }
    // Both platforms share the strings. Records are sorted by platform,
    // encoding, language and name ID.
    struct Platform {
        unsigned id, encoding, language;
    };
    constexpr Platform kPlatforms[] = {{0, 3, 0}, {3, 1, 0x0409}};
    const auto records = static_cast<unsigned>(std::size(kPlatforms) * strings.size());
    Bytes table;
    BigEndianWriter out(table);
    out.U16(0);  // format
    out.U16(records);
    out.U16(6 + 12 * records);  // where the strings start
    for (const Platform& platform : kPlatforms)
        for (std::size_t k = 0; k < strings.size(); ++k) {
            out.U16(platform.id);
            out.U16(platform.encoding);
            out.U16(platform.language);
            out.U16(k + 1);
            out.U16(places[k].second);
            out.U16(places[k].first);
        }
    table.insert(table.end(), storage.begin(), storage.end());
    return table;
}

}  // namespace gft
