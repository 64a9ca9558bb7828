#include "format/html_page.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "format/code_page.h"
#include "format/glyph_analysis.h"
#include "format/glyph_sheet.h"
#include "format/png_codec.h"
#include "format/text_render.h"
#include "format/truetype_export.h"
#include "format/ttf_names.h"
#include "support/big_endian.h"
#include "support/cp1250.h"

namespace gft {

namespace {

constexpr int kTargetHeight = 48;

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:16px;background:#fff;color:#000}"
    ".g{image-rendering:crisp-edges;image-rendering:pixelated;display:block;margin:0 auto;"
    "background-repeat:no-repeat}"
    "table{border-collapse:collapse}"
    "td{border:1px solid #bbb;padding:3px;vertical-align:bottom;text-align:center;"
    "font:11px monospace}"
    "td.absent{color:#aaa}"
    "td.sel{background:#ffd54f;outline:2px solid #d00;outline-offset:-2px}"
    // Centred by auto margins, which give way when the line is wider than
    // the page, so that its start can still be scrolled to.
    ".sample{display:flex;margin:16px 0}"
    ".sample .g{margin:0}.sample .g:first-child{margin-left:auto}"
    ".sample .g:last-child{margin-right:auto}"
    // Typed text in the font as it is: no synthetic bold or slant, no
    // kerning, spaces kept.
    ".try{margin:16px 0}.typed{margin:8px 0;white-space:pre;"
    "font-weight:normal;font-style:normal;font-synthesis:none;font-kerning:none}";

// The family the page's typed text is shown in.
constexpr std::string_view kTypedFamily = "GFT typed";

// Passes on the Base64 form of what is written into it; Finish writes the
// last group with its padding.
class Base64Sink : public ByteSink {
  public:
    using ByteSink::Write;
    explicit Base64Sink(ByteSink& out) : out_(out) {}
    void Write(std::span<const std::uint8_t> bytes) override {
        while (held_ > 0 && held_ < 3 && !bytes.empty()) {
            group_[held_++] = bytes.front();
            bytes = bytes.subspan(1);
        }
        if (held_ == 3) {
            EncodeGroups(group_.data(), 1);
            held_ = 0;
        }
        const std::size_t whole = bytes.size() / 3 * 3;
        EncodeGroups(bytes.data(), whole / 3);
        for (std::uint8_t byte : bytes.subspan(whole))
            group_[held_++] = byte;
    }
    void Finish() {
        if (held_ > 0) {
            const std::uint32_t group =
                static_cast<std::uint32_t>(group_[0]) << 16 | (held_ > 1 ? group_[1] << 8 : 0);
            if (length_ + 4 > text_.size()) FlushText();
            char* out = text_.data() + length_;
            out[0] = kDigits[group >> 18];
            out[1] = kDigits[group >> 12 & 63];
            out[2] = held_ > 1 ? kDigits[group >> 6 & 63] : '=';
            out[3] = '=';
            length_ += 4;
        }
        held_ = 0;
        FlushText();
    }

  private:
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    // The two digits of every 12 bits: half the look-ups of one digit at a time.
    static constexpr std::array<std::array<char, 2>, 4096> kPairs = [] {
        std::array<std::array<char, 2>, 4096> pairs{};
        for (std::size_t i = 0; i < pairs.size(); ++i)
            pairs[i] = {kDigits[i >> 6], kDigits[i & 63]};
        return pairs;
    }();

    void EncodeGroups(const std::uint8_t* in, std::size_t groups) {
        while (groups > 0) {
            if (length_ + 4 > text_.size()) FlushText();
            const std::size_t now = std::min(groups, (text_.size() - length_) / 4);
            char* out = text_.data() + length_;
            std::size_t g = 0;
            // Two groups at a time from one 8-byte load while 8 bytes are there.
            for (; g + 3 <= now; g += 2, in += 6, out += 8) {
                const std::uint64_t bits = LoadBigEndian64(in);
                std::memcpy(out, kPairs[bits >> 52].data(), 2);
                std::memcpy(out + 2, kPairs[bits >> 40 & 0xFFF].data(), 2);
                std::memcpy(out + 4, kPairs[bits >> 28 & 0xFFF].data(), 2);
                std::memcpy(out + 6, kPairs[bits >> 16 & 0xFFF].data(), 2);
            }
            for (; g < now; ++g, in += 3, out += 4) {
                const std::uint32_t group = static_cast<std::uint32_t>(in[0]) << 16 |
                                            static_cast<std::uint32_t>(in[1]) << 8 | in[2];
                std::memcpy(out, kPairs[group >> 12].data(), 2);
                std::memcpy(out + 2, kPairs[group & 0xFFF].data(), 2);
            }
            length_ += now * 4;
            groups -= now;
        }
    }
    void FlushText() {
        out_.Write(std::string_view(text_.data(), length_));
        length_ = 0;
    }

    ByteSink& out_;
    std::array<std::uint8_t, 3> group_{};
    std::size_t held_ = 0;
    std::array<char, 16 * 1024> text_{};
    std::size_t length_ = 0;
};

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Px(int pixels) {
    return std::to_string(pixels) + "px";
}

// The picture as a PNG data URL written into the page; false when it could
// not be encoded (the page is then broken and must not be kept).
bool WriteDataUrl(const InkRows& picture, ByteSink& page) {
    page.Write("data:image/png;base64,");
    Base64Sink base64(page);
    const bool written = WritePng(picture, base64).empty();
    base64.Finish();
    return written;
}

// The font as TrueType, named for the page's file, as the family of the
// typed text; nothing when it has no glyph to export.
void WriteFontFace(const TrueTypeExport& font, ByteSink& page) {
    if (!font.ok()) return;
    page.Write("@font-face{font-family:\"" + std::string(kTypedFamily) +
               "\";src:url(data:font/ttf;base64,");
    Base64Sink base64(page);
    base64.Write(font.bytes);
    base64.Finish();
    page.Write(") format(\"truetype\")}.typed{font-family:\"" + std::string(kTypedFamily) + "\"}");
}

// A text box whose text is shown below in the font at its own size and at
// two and three times it: the font size a whole multiple of the height, so
// that every pixel edge of a glyph falls on a screen pixel's.
std::string TypingBox(const Font& font) {
    std::string box =
        "<div class=\"try\"><label for=\"type-in\">Type to try the font:</label> "
        "<input id=\"type-in\" size=\"60\" value=\"" +
        Escaped(kSpecimenSample) + "\">\n";
    for (int scale = 1; scale <= 3; ++scale) {
        const std::string size = Px(font.FontHeight * scale);
        box += "<div class=\"typed\" style=\"font-size:" + size + ";line-height:" + size +
               ";height:" + size + "\"></div>\n";
    }
    return box +
           "</div>\n<script>\n"
           "const typeIn = document.getElementById(\"type-in\");\n"
           "const showTyped = () => {\n"
           "  for (const line of document.querySelectorAll(\".typed\")) line.textContent = "
           "typeIn.value;\n"
           "};\n"
           "typeIn.addEventListener(\"input\", showTyped);\n"
           "showTyped();\n"
           "</script>\n";
}

// Every glyph, in the table and in the sample line, is a window on one sheet
// of the whole font shown at the scale: one picture for the whole page.
bool WriteSheetStyle(const Font& font, int scale, ByteSink& page) {
    const InkRows sheet = GlyphSheetRows(font);
    page.Write(".g{background-size:" + Px(sheet.width * scale) + " " + Px(sheet.height * scale) +
               ";background-image:url(");
    const bool written = WriteDataUrl(sheet, page);
    page.Write(")}");
    return written;
}

// The glyph's window on the sheet; `label` names it for screen readers.
std::string GlyphWindow(const Font& font, int code, int scale, std::string_view label) {
    const SheetGeometry sheet = SheetGeometryOf(font);
    const int left = sheet.Left(code) * scale;
    const int top = sheet.Top(code) * scale;
    std::string window = "<div class=\"g\"";
    if (!label.empty()) window += " role=\"img\" aria-label=\"" + Escaped(label) + "\"";
    return window + " style=\"width:" + Px(font.Glyph(code).Width * scale) +
           ";height:" + Px(font.FontHeight * scale) + ";background-position:" + Px(-left) + " " +
           Px(-top) + "\"></div>";
}

// The sample line drawn with the font, glyph by glyph as the game draws text.
std::string SampleLine(const Font& font, int scale) {
    std::string line =
        "<div class=\"sample\" role=\"img\" aria-label=\"" + Escaped(kSpecimenSample) + "\">";
    for (std::uint8_t code : LineCodes(font, kSpecimenSample))
        line += GlyphWindow(font, code, scale, {});
    return line + "</div>\n";
}

std::string GlyphCell(const Font& font, int code, int scale) {
    const CharInfo& glyph = font.Glyph(code);
    std::string classes;
    if (!glyph.Present) classes = "absent";
    if (font.Selection(code)) classes += classes.empty() ? "sel" : " sel";
    std::string cell = classes.empty() ? "<td>" : "<td class=\"" + classes + "\">";
    if (glyph.Present && glyph.Width > 0)
        cell += GlyphWindow(font, code, scale, Cp1250ToUtf8(static_cast<std::uint8_t>(code)));
    cell += "<div>" + std::to_string(code) + "</div>";
    cell += glyph.Present ? "<div>w " + std::to_string(glyph.Width) + "</div>" : "<div>-</div>";
    return cell + "</td>";
}

void WriteGlyphTable(const Font& font, int scale, ByteSink& page) {
    page.Write("<table>\n");
    for (int row = 0; row < 16; ++row) {
        std::string line = "<tr>";
        for (int column = 0; column < 16; ++column)
            line += GlyphCell(font, row * 16 + column, scale);
        page.Write(line + "</tr>\n");
    }
    page.Write("</table>\n");
}

}  // namespace

int SpecimenScale(const Font& font) {
    if (font.FontHeight == 0) return 1;
    return std::clamp(kTargetHeight / font.FontHeight, kMinTextScale, kMaxTextScale);
}

bool WriteHtmlPage(const Font& font, std::string_view fileName, ByteSink& page) {
    const int present = static_cast<int>(std::count_if(
        font.Chars.begin(), font.Chars.end(), [](const CharInfo& g) { return g.Present; }));
    const int scale = SpecimenScale(font);
    const std::string name = Escaped(ValidUtf8(fileName));
    page.Write("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>" + name +
               "</title>\n<style>");
    page.Write(kStyle);
    const bool sheetWritten = WriteSheetStyle(font, scale, page);
    const TrueTypeExport typeface = ExportTrueType(
        font, {EstimateBaseline(font), CodePage::Windows1250, FamilyOfPath(std::string(fileName))});
    WriteFontFace(typeface, page);
    page.Write("</style></head>\n<body>\n<h1>" + name + "</h1>\n<p>Height " +
               std::to_string(font.FontHeight) + ", " + std::to_string(present) + " glyphs</p>\n");
    page.Write(SampleLine(font, scale));
    if (typeface.ok()) page.Write(TypingBox(font));
    WriteGlyphTable(font, scale, page);
    page.Write("</body></html>\n");
    return sheetWritten;
}

std::string HtmlSpecimen(const Font& font, std::string_view fileName) {
    BytesSink page;
    WriteHtmlPage(font, fileName, page);
    return std::string(page.bytes.begin(), page.bytes.end());
}

}  // namespace gft
