#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/code_page.h"
#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// Font units per pixel: at a pixel size equal to the font's height every
// edge of every glyph lies on the pixel grid.
inline constexpr int kTrueTypeUnit = 64;

struct TrueTypeOptions {
    int ascent = 0;  // rows above the baseline, 0..height
    CodePage codePage = CodePage::Windows1250;
    std::string family;     // UTF-8; see FamilyName
    std::int64_t made = 0;  // when, in seconds since 1970 (UTC)
};

// A font as a TrueType file, or the message saying why it cannot be made.
struct TrueTypeExport {
    std::string error;  // empty on success
    Bytes bytes;
    int characters = 0;              // present glyphs exported
    std::vector<std::string> notes;  // glyphs exported without their outline

    bool ok() const { return error.empty(); }
};

// Writes the present glyphs as a TrueType font that renders them exactly at
// a pixel size equal to the font's height: each glyph's ink inside its
// width becomes the outline of its pixel squares (format/pixel_outline.h),
// its advance its width. Each code is mapped to TrueTypeCharacter; glyph 0
// is an empty box. A glyph of more contours than a renderer takes in one
// outline is written as a composite of row bands; one of more points than a
// glyph may hold is written without an outline, with a note. The glyphs of a
// font of many outline points are traced on two threads, the second joined
// before this returns.
TrueTypeExport ExportTrueType(const Font& font, const TrueTypeOptions& options);

}  // namespace gft
