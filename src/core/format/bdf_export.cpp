#include "format/bdf_export.h"

#include "format/code_page.h"
#include "format/glyph_analysis.h"
#include "format/glyph_rows.h"

namespace gft {

namespace {

std::string Num(long value) {
    return std::to_string(value);
}

// A row's bytes inside the width as hex digits, the bits beyond the width clear.
std::string HexRow(const CharInfo& glyph, int row) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    const int bytesPerRow = (glyph.Width + 7) / 8;
    for (int k = 0; k < bytesPerRow; ++k) {
        std::uint8_t byte = glyph.Pixels[static_cast<std::size_t>(row * glyph.BytesPerRow() + k)];
        const int spare = (k + 1) * 8 - glyph.Width;
        if (spare > 0) byte &= static_cast<std::uint8_t>(0xFF << spare);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string Encoding(int code) {
    const auto character =
        CodePageCharacter(CodePage::Windows1250, static_cast<std::uint8_t>(code));
    return character ? Num(static_cast<long>(*character)) : "-1 " + Num(code);
}

// The XLFD name: family "grindfnt", proportional, Unicode.
std::string FontName(const Font& font, int present) {
    long widths = 0;
    for (const CharInfo& glyph : font.Chars)
        if (glyph.Present) widths += glyph.Width;
    const long average = present ? (widths * 10 + present / 2) / present : 0;
    const int height = font.FontHeight;
    return "-gft-grindfnt-medium-r-normal--" + Num(height) + "-" + Num(height * 10) + "-72-72-p-" +
           Num(average) + "-iso10646-1";
}

void AppendGlyph(std::string& out, const Font& font, int code, int descent) {
    const CharInfo& glyph = font.Glyph(code);
    const int height = font.FontHeight;
    const long swidth = (glyph.Width * 1000L + height / 2) / height;
    out += "STARTCHAR char" + Num(code) + "\n";
    out += "ENCODING " + Encoding(code) + "\n";
    out += "SWIDTH " + Num(swidth) + " 0\n";
    out += "DWIDTH " + Num(glyph.Width) + " 0\n";
    out += "BBX " + Num(glyph.Width) + " " + Num(height) + " 0 " + Num(-descent) + "\n";
    out += "BITMAP\n";
    for (int row = 0; row < height; ++row)
        out += HexRow(glyph, row) + "\n";
    out += "ENDCHAR\n";
}

}  // namespace

BdfExport ExportBdf(const Font& font, int ascent) {
    BdfExport result;
    const int height = font.FontHeight;
    if (!font.FontLoaded || height < 1) {
        result.error = "No font loaded";
        return result;
    }
    if (ascent < 0 || ascent > height) {
        result.error = "Ascent must be 0 to " + Num(height) + ", not " + Num(ascent);
        return result;
    }
    const int descent = height - ascent;
    int present = 0;
    for (const CharInfo& glyph : font.Chars)
        if (glyph.Present && FitsHeight(glyph, height)) ++present;

    std::string& out = result.text;
    out += "STARTFONT 2.1\n";
    out += "FONT " + FontName(font, present) + "\n";
    out += "SIZE " + Num(height) + " 72 72\n";
    out += "FONTBOUNDINGBOX " + Num(WidestGlyph(font)) + " " + Num(height) + " 0 " + Num(-descent) +
           "\n";
    out += "STARTPROPERTIES 5\n";
    out += "FONT_ASCENT " + Num(ascent) + "\n";
    out += "FONT_DESCENT " + Num(descent) + "\n";
    out += "PIXEL_SIZE " + Num(height) + "\n";
    out += "CHARSET_REGISTRY \"ISO10646\"\n";
    out += "CHARSET_ENCODING \"1\"\n";
    out += "ENDPROPERTIES\n";
    out += "CHARS " + Num(present) + "\n";
    for (int code = 0; code < kGlyphCount; ++code)
        if (font.Glyph(code).Present && FitsHeight(font.Glyph(code), height))
            AppendGlyph(out, font, code, descent);
    out += "ENDFONT\n";
    return result;
}

}  // namespace gft
