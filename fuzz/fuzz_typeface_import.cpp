// Feeds any bytes to the typeface import as a font file held in memory. The
// last byte also picks the options (pixel size 1..32, code page, black and
// white or a threshold), so that real font files serve as seeds unchanged
// (fuzz/typeface_seeds.sh). A font that comes out is checked for the
// model's rules and must come back the same through a BDF export.
#include <algorithm>
#include "format/bdf_export.h"
#include "format/typeface_import.h"

#include "fuzz_support.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

TypefaceOptions OptionsOf(std::uint8_t byte) {
    TypefaceOptions options;
    options.pixelSize = 1 + (byte & 0x1F);
    options.codePage = static_cast<CodePage>((byte >> 5) % 3);
    if (byte & 0x80) options.thresholdPercent = 1 + (byte & 0x3F);
    return options;
}

void RequireImportRules(const TypefaceImport& result) {
    const Font& font = result.font;
    fuzz::RequireSoundFont(font);
    Require(font.FontLoaded && font.EditStatus == 0, "an import left the font unloaded");
    int present = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        const CharInfo& glyph = font.Chars[code];
        if (!glyph.Present) continue;
        ++present;
        Require(code >= 32 && code != 127, "a control code has a glyph");
        Require(glyph.Width > 0 && glyph.HasError == 0, "a present glyph without width");
    }
    Require(present == result.characters, "the count is not the present glyphs");
}

// Through BDF and back, every glyph with a Windows-1250 character returns.
void RequireBdfRoundTrip(const TypefaceImport& first) {
    const BdfExport bdf = ExportBdf(first.font, first.ascent);
    Require(bdf.ok(), "the export refused an imported font");
    TypefaceOptions options;
    options.pixelSize = first.font.FontHeight;
    const TypefaceImport back = ImportTypefaceBytes(BytesOf(bdf.text), "back.bdf", options);
    Require(back.ok(), "the exported BDF does not import");
    Require(back.font.FontHeight == first.font.FontHeight, "the height changed");
    for (int code = 32; code < kGlyphCount; ++code) {
        CharInfo expected = first.font.Chars[code];
        if (!CodePageCharacter(CodePage::Windows1250, static_cast<std::uint8_t>(code)))
            MakeAbsent(expected, first.font.FontHeight);
        Require(GlyphsEqual(back.font.Chars[code], expected), "a glyph changed through BDF");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const TypefaceImport result =
        ImportTypefaceBytes(std::span(data, size), "input", OptionsOf(data[size - 1]));
    if (!result.ok()) {
        Require(!result.font.FontLoaded, "a failed import handed out a font");
        return 0;
    }
    RequireImportRules(result);
    // A BDF holds no baseline outside the cell.
    if (result.characters > 0 && result.ascent >= 0 && result.ascent <= result.font.FontHeight)
        RequireBdfRoundTrip(result);
    return 0;
}
