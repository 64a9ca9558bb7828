#include "truetype_round_trip.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "format/glyph_rows.h"

namespace gft::test {

namespace {

// The most points of a glyph FreeType loads: with its four phantom points,
// rounded up to eight, at most 32767.
constexpr int kMostPoints = 32756;
// FreeType draws any glyph of at most this many runs of ink on each pixel
// row and column in black and white.
constexpr int kMostRunsInMono = 64;

char32_t CharacterOf(CodePage page, int code) {
    const auto c = CodePageCharacter(page, static_cast<std::uint8_t>(code));
    if (!c || *c < 0x20 || (*c >= 0x7F && *c <= 0x9F)) return 0xF000 + static_cast<char32_t>(code);
    return *c;
}

bool InkAt(const CharInfo& glyph, int height, int row, int col) {
    return row >= 0 && row < height && col >= 0 && col < glyph.Width && PixelAt(glyph, row, col);
}

// The corners of the union of the glyph's pixel squares, each pixel corner
// looked at on its own: one or three inked pixels around it make one, two
// diagonal ones two.
int OutlinePoints(const CharInfo& glyph, int height) {
    int points = 0;
    for (int y = 0; y <= height; ++y)
        for (int x = 0; x <= glyph.Width; ++x) {
            const bool a = InkAt(glyph, height, y - 1, x - 1), b = InkAt(glyph, height, y - 1, x);
            const bool c = InkAt(glyph, height, y, x - 1), d = InkAt(glyph, height, y, x);
            const int ink = a + b + c + d;
            if (ink % 2 == 1) points += 1;
            if (ink == 2 && a == d) points += 2;
        }
    return points;
}

// The most separate runs of ink on one pixel row or column of the glyph.
int MostRuns(const CharInfo& glyph, int height) {
    int most = 0;
    for (int row = 0; row < height; ++row) {
        int runs = 0;
        for (int col = 0; col < glyph.Width; ++col)
            runs += InkAt(glyph, height, row, col) && !InkAt(glyph, height, row, col - 1);
        most = std::max(most, runs);
    }
    for (int col = 0; col < glyph.Width; ++col) {
        int runs = 0;
        for (int row = 0; row < height; ++row)
            runs += InkAt(glyph, height, row, col) && !InkAt(glyph, height, row - 1, col);
        most = std::max(most, runs);
    }
    return most;
}

struct FreeType {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FreeType() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

std::string Where(int code, bool hinted) {
    return "character " + std::to_string(code) + (hinted ? " (default flags)" : " (unhinted mono)");
}

// The glyph as FreeType draws it, against the font's.
std::string GlyphDifference(FT_Face face, const Font& font, int code, int ascent, CodePage page,
                            bool hinted, bool empty) {
    const CharInfo& glyph = font.Chars[code];
    const int height = font.FontHeight;
    const FT_UInt index = FT_Get_Char_Index(face, CharacterOf(page, code));
    if (index == 0) return Where(code, hinted) + " is not mapped";
    const FT_Int32 flags =
        hinted ? FT_LOAD_RENDER
               : FT_LOAD_RENDER | FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING | FT_LOAD_TARGET_MONO;
    if (const FT_Error error = FT_Load_Glyph(face, index, flags); error != 0) {
        // FreeType's black-and-white rasterizer works in a fixed pool of
        // 16 KiB and gives up on an outline that crosses one pixel row or
        // column some 220 times or more, whatever font it comes from.
        // Such a glyph is checked by the anti-aliased renderer alone.
        if (error == FT_Err_Raster_Overflow && !hinted && MostRuns(glyph, height) > kMostRunsInMono)
            return {};
        return Where(code, hinted) + ": FreeType error " + std::to_string(error);
    }
    const FT_GlyphSlot slot = face->glyph;
    if (slot->advance.x != glyph.Width * 64)
        return Where(code, hinted) + ": advance " + std::to_string(slot->advance.x) + "/64";
    const FT_Bitmap& bitmap = slot->bitmap;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    int drawn = 0;
    for (int r = 0; r < static_cast<int>(bitmap.rows); ++r) {
        const unsigned char* line = bitmap.buffer + r * bitmap.pitch;
        for (int c = 0; c < static_cast<int>(bitmap.width); ++c) {
            const int value = mono ? ((line[c / 8] >> (7 - c % 8)) & 1) * 255 : line[c];
            if (value == 0) continue;
            const int row = ascent - slot->bitmap_top + r, col = slot->bitmap_left + c;
            if (value != 255 || empty || !InkAt(glyph, height, row, col))
                return Where(code, hinted) + ": pixel at row " + std::to_string(row) + ", column " +
                       std::to_string(col) + " is " + std::to_string(value);
            ++drawn;
        }
    }
    int ink = 0;
    for (int row = 0; row < height && !empty; ++row)
        for (int col = 0; col < glyph.Width; ++col)
            ink += PixelAt(glyph, row, col);
    if (drawn != ink)
        return Where(code, hinted) + ": " + std::to_string(drawn) + " pixels drawn of " +
               std::to_string(ink);
    return {};
}

}  // namespace

std::string TrueTypeRoundTripDifference(const Font& font, const TrueTypeExport& exported,
                                        int ascent, CodePage page) {
    if (!exported.ok()) return "not exported: " + exported.error;
    FreeType ft;
    if (FT_Init_FreeType(&ft.library) != 0) return "FreeType does not start";
    if (FT_New_Memory_Face(ft.library, exported.bytes.data(),
                           static_cast<FT_Long>(exported.bytes.size()), 0, &ft.face) != 0)
        return "FreeType does not open the font";
    if (FT_Set_Pixel_Sizes(ft.face, 0, font.FontHeight) != 0) return "FreeType cannot set the size";

    std::vector<std::string> notes;
    int present = 0;
    for (int code = 0; code < 256; ++code) {
        const CharInfo& glyph = font.Chars[code];
        if (!glyph.Present) continue;
        ++present;
        const int points = OutlinePoints(glyph, font.FontHeight);
        const bool empty = points > kMostPoints;
        if (empty)
            notes.push_back("Character " + std::to_string(code) + " is too complex for TrueType (" +
                            std::to_string(points) + " points) - exported empty");
        for (const bool hinted : {false, true})
            if (std::string difference =
                    GlyphDifference(ft.face, font, code, ascent, page, hinted, empty);
                !difference.empty())
                return difference;
    }
    if (notes != exported.notes) return "the notes are not those of the glyphs too complex";
    int mapped = 0;
    FT_UInt index = 0;
    for (FT_ULong c = FT_Get_First_Char(ft.face, &index); index != 0;
         c = FT_Get_Next_Char(ft.face, c, &index))
        ++mapped;
    if (mapped != present)
        return std::to_string(mapped) + " characters mapped for " + std::to_string(present) +
               " present glyphs";
    return {};
}

}  // namespace gft::test
