#include "format/html_page.h"

#include <algorithm>

#include "format/png_codec.h"
#include "format/text_render.h"
#include "support/cp1250.h"

namespace gft {

namespace {

constexpr int kTargetHeight = 48;

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:16px;background:#fff;color:#000}"
    "img{image-rendering:crisp-edges;image-rendering:pixelated;display:block;margin:0 auto}"
    "table{border-collapse:collapse}"
    "td{border:1px solid #bbb;padding:3px;vertical-align:bottom;text-align:center;"
    "font:11px monospace}"
    "td.absent{color:#aaa}"
    "td.sel{background:#ffd54f;outline:2px solid #d00;outline-offset:-2px}"
    ".sample{margin:16px 0}";

std::string Base64(const Bytes& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const std::uint32_t group = static_cast<std::uint32_t>(bytes[i]) << 16 |
                                    (left > 1 ? bytes[i + 1] << 8 : 0) |
                                    (left > 2 ? bytes[i + 2] : 0);
        out += kDigits[group >> 18];
        out += kDigits[group >> 12 & 63];
        out += left > 1 ? kDigits[group >> 6 & 63] : '=';
        out += left > 2 ? kDigits[group & 63] : '=';
    }
    return out;
}

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

// Draws the visible part of a glyph with its top left at (left, 0).
void DrawGlyph(const CharInfo& glyph, int height, int left, InkBitmap& image) {
    const int stride = glyph.BytesPerRow();
    const int rows = std::min(height, glyph.DataSize() / stride);
    for (int y = 0; y < rows; ++y)
        OrBits(image.Row(y), static_cast<std::size_t>(left),
               &glyph.Pixels[static_cast<std::size_t>(y * stride)], glyph.Width);
}

// An <img> of the picture shown at the scale, or nothing for an empty picture.
template <class Picture>
std::string ImageTag(const Picture& image, int scale, std::string_view alt) {
    if (image.width < 1 || image.height < 1) return {};
    const FormatResult<Bytes> png = EncodePng(image);
    if (!png.ok()) return {};
    return "<img alt=\"" + Escaped(alt) + "\" width=\"" + std::to_string(image.width * scale) +
           "\" height=\"" + std::to_string(image.height * scale) +
           "\" src=\"data:image/png;base64," + Base64(png.value) + "\">";
}

// The sample line drawn once at scale 1, stored as a 1-bit picture (an
// eighth of the grey one) and shown scaled by the page.
std::string SampleTag(const Font& font) {
    const TextRender line = RenderText(font, kSpecimenSample, 1);
    if (!line.ok()) return {};
    return ImageTag(InkOf(line.value), SpecimenScale(font), kSpecimenSample);
}

std::string GlyphCell(const Font& font, int code, int scale) {
    const CharInfo& glyph = font.Chars[code];
    std::string classes;
    if (!glyph.Present) classes = "absent";
    if (font.Selected[code]) classes += classes.empty() ? "sel" : " sel";
    std::string cell = classes.empty() ? "<td>" : "<td class=\"" + classes + "\">";
    if (glyph.Present) {
        InkBitmap image(glyph.Width, font.FontHeight);
        DrawGlyph(glyph, font.FontHeight, 0, image);
        cell += ImageTag(image, scale, Cp1250ToUtf8(static_cast<std::uint8_t>(code)));
    }
    cell += "<div>" + std::to_string(code) + "</div>";
    cell += glyph.Present ? "<div>w " + std::to_string(glyph.Width) + "</div>" : "<div>-</div>";
    return cell + "</td>";
}

std::string GlyphTable(const Font& font) {
    const int scale = SpecimenScale(font);
    std::string table = "<table>\n";
    for (int row = 0; row < 16; ++row) {
        table += "<tr>";
        for (int column = 0; column < 16; ++column)
            table += GlyphCell(font, row * 16 + column, scale);
        table += "</tr>\n";
    }
    return table + "</table>\n";
}

}  // namespace

int SpecimenScale(const Font& font) {
    if (font.FontHeight == 0) return 1;
    return std::clamp(kTargetHeight / font.FontHeight, kMinTextScale, kMaxTextScale);
}

std::string HtmlSpecimen(const Font& font, std::string_view fileName) {
    const int present = static_cast<int>(std::count_if(
        font.Chars.begin(), font.Chars.end(), [](const CharInfo& g) { return g.Present; }));
    std::string page = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>";
    page += Escaped(fileName);
    page += "</title>\n<style>";
    page += kStyle;
    page += "</style></head>\n<body>\n<h1>" + Escaped(fileName) + "</h1>\n";
    page += "<p>Height " + std::to_string(font.FontHeight) + ", " + std::to_string(present) +
            " glyphs</p>\n";
    page += "<div class=\"sample\">" + SampleTag(font) + "</div>\n";
    page += GlyphTable(font);
    page += "</body></html>\n";
    return page;
}

}  // namespace gft
