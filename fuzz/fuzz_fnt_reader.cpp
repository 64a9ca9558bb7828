// Feeds any bytes to the FNT reader as a file image: load, then compare and
// merge against a font of the file's height, then write the loaded font back
// and read it again.
#include "format/fnt_reader.h"
#include "format/fnt_writer.h"
#include "fuzz_support.h"
#include "support/app_error.h"

namespace {

using namespace gft;
using gft::fuzz::Require;
using gft::fuzz::RequireSoundFont;

// A rejected file leaves the font as it was; an accepted one gives a sound font.
FntReport Read(const Bytes& file, FntReadMode mode, const Font& current) {
    FntReport report = ParseFnt(file, mode, current);
    if (!report.Accepted()) Require(report.font == current, "a rejected file changed the font");
    RequireSoundFont(report.font);
    return report;
}

void CompareAndMerge(const Bytes& file, int height) {
    const Font base = fuzz::BaseFont(height);
    const FntReport compared = Read(file, FntReadMode::Compare, base);
    Require(compared.font.Chars == base.Chars, "compare changed a glyph");
    const FntReport merged = Read(file, FntReadMode::Merge, compared.font);
    for (int code = 0; code < kGlyphCount; ++code)
        if (base.Chars[code].Present)
            Require(GlyphsEqual(merged.font.Chars[code], base.Chars[code]),
                    "merge replaced a present glyph");
    Read(file, FntReadMode::Compare, merged.font);
}

// What the writer makes of a loaded font reads back as the same font, with no
// complaint but the one about present glyphs of width 0.
void RoundTrip(const Font& font, bool shareDuplicates) {
    Bytes image;
    try {
        image = BuildFntImage(font, shareDuplicates);
    } catch (const AppError& error) {
        Require(error.number() == kOverflowError, "the writer failed other than by overflow");
        return;
    }
    const FntReport again = Read(image, FntReadMode::Load, fuzz::BaseFont(1));
    Require(again.Accepted(), "the reader refused what the writer wrote");
    const Font& read = again.font;
    Require(read.FontHeight == font.FontHeight && read.AttrSection == font.AttrSection,
            "height or attributes changed on the way through a file");
    int zeroWidth = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        Require(GlyphsEqual(read.Chars[code], font.Chars[code]), "a glyph changed through a file");
        zeroWidth += font.Chars[code].Present && font.Chars[code].Width == 0;
    }
    Require(again.Findings() == zeroWidth, "the reader complained about what the writer wrote");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes file(data, data + size);
    const FntReport loaded = Read(file, FntReadMode::Load, fuzz::BaseFont(5));
    if (loaded.Accepted()) RoundTrip(loaded.font, size > 0 && (data[size - 1] & 1));
    const int height = size > 7 ? data[7] : 0;
    if (height > 0) CompareAndMerge(file, height);
    return 0;
}
