#include "format/glyph_clipboard.h"

#include <algorithm>
#include <cstddef>

namespace gft {

namespace {

constexpr std::string_view kFirstLine = "grindfnt-glyphs 1";

// The text's lines one by one, without their endings, counted from 1.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        if (AtEnd()) return std::nullopt;
        const std::size_t end = text_.find('\n', at_);
        std::string_view line =
            text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_);
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return line;
    }
    bool AtEnd() const { return at_ >= text_.size(); }
    int Number() const { return number_; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    int number_ = 0;
};

// The words of a line split at single spaces; an empty word (a doubled,
// leading or trailing space) makes the line malformed and gives nothing.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t space = line.find(' ');
        words.push_back(line.substr(0, space));
        if (words.back().empty()) return {};
        if (space == std::string_view::npos) return words;
        line.remove_prefix(space + 1);
    }
}

// A decimal number of one to three digits within low..high.
std::optional<int> Number(std::string_view word, int low, int high) {
    if (word.empty() || word.size() > 3) return std::nullopt;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Appends the row's bytes to pixels; false when it is not exactly
// bytesPerRow pairs of hex digits.
bool ReadRow(std::string_view line, int bytesPerRow, Bytes& pixels) {
    if (line.size() != 2 * static_cast<std::size_t>(bytesPerRow)) return false;
    for (std::size_t i = 0; i < line.size(); i += 2) {
        const int high = HexDigit(line[i]);
        const int low = HexDigit(line[i + 1]);
        if (high < 0 || low < 0) return false;
        pixels.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return true;
}

GlyphClipboardReading Refuse(int line, const std::string& why) {
    return {std::nullopt, "line " + std::to_string(line) + ": " + why};
}

// The "glyph CODE WIDTH [absent]" line, or nothing when malformed.
std::optional<ClipboardGlyph> GlyphHead(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.size() < 3 || words.size() > 4 || words[0] != "glyph") return std::nullopt;
    const auto code = Number(words[1], 0, 255);
    const auto width = Number(words[2], 0, 255);
    const bool absent = words.size() == 4;
    if (!code || !width || (absent && (words[3] != "absent" || *width != 0))) return std::nullopt;
    ClipboardGlyph head;
    head.code = *code;
    head.glyph.Present = !absent;
    head.glyph.Width = static_cast<std::uint8_t>(*width);
    return head;
}

}  // namespace

GlyphClipboard CopyGlyphs(const Font& font, const std::vector<int>& codes) {
    GlyphClipboard clipboard;
    clipboard.height = font.FontHeight;
    for (const int code : codes) {
        if (code < 0 || code >= kGlyphCount) continue;
        CharInfo glyph = font.Glyph(code);
        glyph.HasError = 0;
        if (glyph.Width == 0) MakeAbsent(glyph, clipboard.height);
        clipboard.glyphs.push_back({code, std::move(glyph)});
    }
    return clipboard;
}

std::string EncodeGlyphClipboard(const GlyphClipboard& clipboard) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text(kFirstLine);
    text += "\nheight " + std::to_string(clipboard.height) + "\n";
    for (const ClipboardGlyph& item : clipboard.glyphs) {
        const CharInfo& glyph = item.glyph;
        text += "glyph " + std::to_string(item.code) + " " + std::to_string(glyph.Width);
        text += glyph.Present ? "\n" : " absent\n";
        const std::size_t bytesPerRow = static_cast<std::size_t>(glyph.BytesPerRow());
        for (std::size_t row = 0; row < static_cast<std::size_t>(clipboard.height); ++row) {
            for (std::size_t i = row * bytesPerRow; i < (row + 1) * bytesPerRow; ++i) {
                const std::uint8_t byte = i < glyph.Pixels.size() ? glyph.Pixels[i] : 0;
                text += kHex[byte >> 4];
                text += kHex[byte & 15];
            }
            text += '\n';
        }
    }
    text += "end\n";
    return text;
}

GlyphClipboardReading DecodeGlyphClipboard(std::string_view text) {
    LineReader lines(text);
    if (lines.Next() != kFirstLine) return Refuse(1, "not the grindfnt-glyphs 1 form");
    const auto heightLine = lines.Next();
    const std::vector<std::string_view> words = Words(heightLine.value_or(""));
    const auto height =
        words.size() == 2 && words[0] == "height" ? Number(words[1], 1, 255) : std::nullopt;
    if (!height) return Refuse(2, "expected \"height\" and 1..255");

    GlyphClipboard clipboard;
    clipboard.height = *height;
    while (true) {
        const auto line = lines.Next();
        if (!line) return Refuse(lines.Number() + 1, "\"end\" is missing");
        if (*line == "end") break;
        auto item = GlyphHead(*line);
        if (!item)
            return Refuse(lines.Number(), "expected \"glyph CODE WIDTH [absent]\" or \"end\"");
        if (item->glyph.Present && item->glyph.Width == 0)
            return Refuse(lines.Number(), "a present glyph is 1..255 wide");
        if (clipboard.glyphs.size() == kMaxClipboardGlyphs)
            return Refuse(lines.Number(), "more than 256 glyphs");
        const int bytesPerRow = item->glyph.BytesPerRow();
        Bytes& pixels = item->glyph.Pixels;
        pixels.reserve(static_cast<std::size_t>(bytesPerRow) * clipboard.height);
        for (int row = 0; row < clipboard.height; ++row) {
            const auto rowLine = lines.Next();
            if (!rowLine || !ReadRow(*rowLine, bytesPerRow, pixels))
                return Refuse(
                    lines.Number() + (rowLine ? 0 : 1),
                    "expected a row of " + std::to_string(2 * bytesPerRow) + " hex digits");
        }
        if (!item->glyph.Present &&
            std::any_of(pixels.begin(), pixels.end(), [](std::uint8_t byte) { return byte != 0; }))
            return Refuse(lines.Number(), "an absent glyph has blank rows");
        clipboard.glyphs.push_back(std::move(*item));
    }
    if (!lines.AtEnd()) return Refuse(lines.Number() + 1, "text after \"end\"");
    return {std::move(clipboard), {}};
}

}  // namespace gft
