#include "format/typeface_import.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "format/glyph_analysis.h"

namespace gft {

namespace {

constexpr int kMaxPixelSize = 255;

struct LibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryCloser>;
using FaceHandle = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceCloser>;

// FreeType's 26.6 fixed point values in whole pixels. Values far beyond any
// sensible size are first brought into a range where the sums cannot overflow.
long Bounded(FT_Pos value) {
    constexpr FT_Pos kLimit = FT_Pos{1} << 40;
    return static_cast<long>(std::clamp(value, -kLimit, kLimit));
}
long CeilPixels(FT_Pos value) {
    return (Bounded(value) + 63) >> 6;
}
long FloorPixels(FT_Pos value) {
    return Bounded(value) >> 6;
}
long RoundPixels(FT_Pos value) {
    return (Bounded(value) + 32) >> 6;
}

TypefaceImport Failure(std::string message) {
    TypefaceImport result;
    result.error = std::move(message);
    return result;
}

// Sets the face to the pixel size; for a bitmap-only face, picks the strike.
std::string SetSize(FT_Face face, int pixelSize, const std::string& name) {
    if (FT_IS_SCALABLE(face)) {
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0)
            return "Cannot set " + name + " to " + std::to_string(pixelSize) + " px";
        return {};
    }
    std::vector<long> strikes;
    for (int k = 0; k < face->num_fixed_sizes; ++k)
        strikes.push_back(RoundPixels(face->available_sizes[k].y_ppem));
    const int best = NearestStrike(strikes, pixelSize);
    if (best < 0 || FT_Select_Size(face, best) != 0) return "No bitmap size to use in " + name;
    return {};
}

// The rows of a rendered glyph, top first, whichever way FreeType stored them.
const unsigned char* RowOf(const FT_Bitmap& bitmap, long row) {
    const long pitch = bitmap.pitch;
    const unsigned char* top = bitmap.buffer;
    if (pitch < 0) top -= pitch * (static_cast<long>(bitmap.rows) - 1);
    return top + row * pitch;
}

// Reads a rendered glyph's pixels as ink or background: black and white and
// 8-bit grey bitmaps as they are, any other kind through an 8-bit grey copy.
// Grey is ink from the threshold up.
class InkReader {
  public:
    InkReader(FT_Library library, const FT_Bitmap& bitmap, int percent)
        : library_(library), mono_(bitmap.pixel_mode == FT_PIXEL_MODE_MONO), percent_(percent) {
        FT_Bitmap_Init(&copy_);
        if (mono_ || bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            source_ = &bitmap;
            levels_ = GrayLevels(bitmap);
            return;
        }
        if (FT_Bitmap_Convert(library, &bitmap, &copy_, 1) != 0) return;
        source_ = &copy_;
        levels_ = GrayLevels(bitmap);
    }
    ~InkReader() { FT_Bitmap_Done(library_, &copy_); }
    InkReader(const InkReader&) = delete;
    InkReader& operator=(const InkReader&) = delete;

    // Null when the bitmap could not be read.
    const FT_Bitmap* Bitmap() const { return source_; }
    bool IsInk(const unsigned char* row, long col) const {
        if (mono_) return (row[col / 8] & (0x80u >> (col % 8))) != 0;
        return row[col] * 100 >= percent_ * levels_;
    }

  private:
    // The value of full coverage in a bitmap's 8-bit grey form.
    static int GrayLevels(const FT_Bitmap& bitmap) {
        switch (bitmap.pixel_mode) {
            case FT_PIXEL_MODE_GRAY2:
                return 3;
            case FT_PIXEL_MODE_GRAY4:
                return 15;
            case FT_PIXEL_MODE_GRAY:
                return std::max(bitmap.num_grays - 1, 1);
            default:
                return 255;
        }
    }

    FT_Library library_;
    FT_Bitmap copy_;
    const FT_Bitmap* source_ = nullptr;
    bool mono_;
    int percent_;
    int levels_ = 255;
};

// Copies the ink of the rendered glyph into the cell, cutting what falls outside.
void PlaceBitmap(FT_Library library, FT_GlyphSlot slot, int ascent, int percent, CharInfo& glyph,
                 int height) {
    const InkReader reader(library, slot->bitmap, percent);
    const FT_Bitmap* bitmap = reader.Bitmap();
    if (!bitmap || !bitmap->buffer) return;
    const long left = slot->bitmap_left;
    const long top = static_cast<long>(ascent) - slot->bitmap_top;
    const long firstRow = std::max(0L, -top);
    const long endRow = std::min(static_cast<long>(bitmap->rows), height - top);
    const long firstCol = std::max(0L, -left);
    const long endCol = std::min(static_cast<long>(bitmap->width), glyph.Width - left);
    const int bytesPerRow = glyph.BytesPerRow();
    for (long r = firstRow; r < endRow; ++r) {
        const unsigned char* source = RowOf(*bitmap, r);
        std::uint8_t* target = glyph.Pixels.data() + (top + r) * bytesPerRow;
        for (long c = firstCol; c < endCol; ++c)
            if (reader.IsInk(source, c))
                target[(left + c) / 8] |= static_cast<std::uint8_t>(0x80u >> ((left + c) % 8));
    }
}

// The glyph of one code, or absent.
CharInfo MakeGlyph(FT_Library library, FT_Face face, std::uint8_t code, int ascent, int height,
                   const TypefaceOptions& options) {
    CharInfo glyph;
    MakeAbsent(glyph, height);
    if (code < 32 || code == 127) return glyph;
    const auto character = CodePageCharacter(options.codePage, code);
    if (!character) return glyph;
    const FT_UInt index = FT_Get_Char_Index(face, *character);
    if (index == 0) return glyph;
    const FT_Int32 flags =
        options.thresholdPercent ? FT_LOAD_RENDER : FT_LOAD_RENDER | FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, index, flags) != 0) return glyph;
    const long advance = RoundPixels(face->glyph->advance.x);
    if (advance <= 0) return glyph;
    glyph.Present = true;
    glyph.Width = static_cast<std::uint8_t>(std::min(advance, 255L));
    glyph.Pixels.assign(static_cast<std::size_t>(glyph.BytesPerRow() * height), 0);
    PlaceBitmap(library, face->glyph, ascent, options.thresholdPercent.value_or(50), glyph, height);
    return glyph;
}

TypefaceImport ImportFace(FT_Library library, FT_Face face, const std::string& name,
                          const TypefaceOptions& options) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0)
        return Failure("No Unicode character map in " + name);
    if (std::string error = SetSize(face, options.pixelSize, name); !error.empty())
        return Failure(error);
    const long ascent = CeilPixels(face->size->metrics.ascender);
    const long descent = -FloorPixels(face->size->metrics.descender);
    const long height = ascent + descent;
    if (height < 1 || height > 255)
        return Failure("Font height must be 1 to 255, not " + std::to_string(height));

    TypefaceImport result;
    result.ascent = static_cast<int>(ascent);
    Font& font = result.font;
    font.FontLoaded = true;
    font.FontHeight = static_cast<std::uint8_t>(height);
    for (int code = 0; code < kGlyphCount; ++code) {
        font.Glyph(code) = MakeGlyph(library, face, static_cast<std::uint8_t>(code), result.ascent,
                                     font.FontHeight, options);
        if (font.Glyph(code).Present) ++result.characters;
    }
    font.MaxWidth = WidestGlyph(font);
    return result;
}

// Opens the face with `open` and imports it, after checking the options.
TypefaceImport Import(const std::function<FT_Error(FT_Library, FT_Face*)>& open,
                      const std::string& name, const TypefaceOptions& options) {
    if (options.pixelSize < 1 || options.pixelSize > kMaxPixelSize)
        return Failure("Pixel size must be 1 to 255, not " + std::to_string(options.pixelSize));
    if (options.thresholdPercent &&
        (*options.thresholdPercent < 1 || *options.thresholdPercent > 100))
        return Failure("Threshold must be 1 to 100 %, not " +
                       std::to_string(*options.thresholdPercent));
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) return Failure("Cannot start FreeType");
    const LibraryHandle library(rawLibrary);
    FT_Face rawFace = nullptr;
    const FT_Error error = open(rawLibrary, &rawFace);
    // The file itself was readable: whatever FreeType says (its Windows
    // font driver answers "cannot open" to files it does not know), the
    // file holds no typeface.
    if (error != 0) return Failure(name + " is not a typeface");
    const FaceHandle face(rawFace);
    return ImportFace(rawLibrary, rawFace, name, options);
}

}  // namespace

int NearestStrike(std::span<const long> pixelSizes, int pixelSize) {
    int best = -1;
    for (int k = 0; k < static_cast<int>(pixelSizes.size()); ++k)
        if (best < 0 ||
            std::labs(pixelSizes[k] - pixelSize) < std::labs(pixelSizes[best] - pixelSize))
            best = k;
    return best;
}

TypefaceImport ImportTypefaceFile(const std::string& path, const TypefaceOptions& options) {
    const std::string name = std::filesystem::path(path).filename().string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path))
        return Failure("Cannot open " + name);
    return Import([&](FT_Library library,
                      FT_Face* face) { return FT_New_Face(library, path.c_str(), 0, face); },
                  name, options);
}

TypefaceImport ImportTypefaceBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                   const TypefaceOptions& options) {
    return Import(
        [&](FT_Library library, FT_Face* face) {
            return FT_New_Memory_Face(library, bytes.data(), static_cast<FT_Long>(bytes.size()), 0,
                                      face);
        },
        name, options);
}

}  // namespace gft
