// An FNT file, read as the editor reads it, exported as TrueType and read
// back by FreeType: every present glyph must come back exactly, unhinted in
// black and white and with the default flags anti-aliased, and nothing else
// be mapped (tests/support/truetype_round_trip.h). The last byte also picks
// the ascent and the code page, so that the reader's seeds serve unchanged.
#include <cstdio>

#include "format/fnt_reader.h"
#include "format/truetype_export.h"
#include "fuzz_support.h"
#include "truetype_round_trip.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

bool HasPresentGlyph(const Font& font) {
    for (const CharInfo& glyph : font.Chars)
        if (glyph.Present) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FntReport report = ParseFnt(Bytes(data, data + size));
    if (!report.Accepted()) return 0;
    const Font& font = report.font;
    fuzz::RequireSoundFont(font);
    const int last = size > 0 ? data[size - 1] : 0;
    const int ascent = last % (font.FontHeight + 1);
    const auto page = static_cast<CodePage>(last / 7 % 3);
    const TrueTypeExport exported = ExportTrueType(font, {ascent, page, "Fuzz"});
    if (!exported.ok()) {
        Require(!HasPresentGlyph(font), "a font with glyphs was not exported");
        return 0;
    }
    const std::string difference = test::TrueTypeRoundTripDifference(font, exported, ascent, page);
    if (!difference.empty()) std::fprintf(stderr, "%s\n", difference.c_str());
    Require(difference.empty(), "the font did not come back the same through TrueType");
    return 0;
}
