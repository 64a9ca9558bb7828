// The whole font drawn two or three times as large.
#include "commands/glyphs/font_scale.h"

#include <string>
#include <utility>

#include "commands/editor/char_editor.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/move_copy.h"
#include "format/fnt_format.h"
#include "format/fnt_writer.h"
#include "format/format_result.h"
#include "format/glyph_analysis.h"
#include "format/glyph_effects.h"
#include "format/glyph_repeats.h"
#include "session/preview.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr int kMinFactor = 2;
constexpr int kMaxFactor = 3;
constexpr int kMaxSize = 255;

// Every glyph scaled; a repeat of the glyph before it takes that one's result.
void ScaleEveryGlyph(Font& font, int factor) {
    GlyphChoice all;
    all.fill(true);
    const auto repeats = RepeatsOfPrevious(font, all);
    for (std::size_t code = 0; code < kGlyphCount; ++code) {
        if (const int repeat = repeats[code]; repeat >= 0)
            font.Chars[code] = font.Chars[repeat];
        else
            ScaleGlyph(font.Chars[code], font.FontHeight, factor);
    }
    font.FontHeight = static_cast<std::uint8_t>(font.FontHeight * factor);
    font.MaxWidth = WidestGlyph(font);
}

// The font scaled, or the log line that says why it cannot be: the height
// or a width would pass 255, or the glyphs would not fit a font file saved
// with (or without) duplicates stored once.
FormatResult<Font> ScaledFont(const Font& font, int factor, bool shareDuplicates) {
    const std::string refused = "Scale font refused: ";
    if (font.FontHeight * factor > kMaxSize)
        return FormatResult<Font>::Failure(refused + "the height would be " +
                                           std::to_string(font.FontHeight * factor) +
                                           " (at most 255)");
    const CharInfo* widest = nullptr;
    for (const CharInfo& glyph : font.Chars)
        if (glyph.Present && (widest == nullptr || glyph.Width > widest->Width)) widest = &glyph;
    if (widest != nullptr && widest->Width * factor > kMaxSize)
        return FormatResult<Font>::Failure(
            refused + "character " + std::to_string(widest - font.Chars.data()) + " would be " +
            std::to_string(widest->Width * factor) + " pixels wide (at most 255)");
    Font scaled = font;
    ScaleEveryGlyph(scaled, factor);
    const std::size_t block = FntDataBlockSize(scaled, shareDuplicates);
    if (block > fnt::kMaxWrittenBlock)
        return FormatResult<Font>::Failure(
            refused + "its glyphs would take " + std::to_string(block - 1) +
            " bytes, a font file holds at most " + std::to_string(fnt::kMaxWrittenBlock - 1));
    return FormatResult<Font>::Success(std::move(scaled));
}

int PresentGlyphs(const Font& font) {
    int present = 0;
    for (const CharInfo& glyph : font.Chars)
        present += glyph.Present;
    return present;
}

}  // namespace

void AskScaleFont(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    const auto factor = session.view.AskNumber(
        "Scale font", "Scale the whole font by (2 or 3):", kMinFactor, kMinFactor, kMaxFactor);
    if (factor) ScaleFont(session, *factor);
}

void ScaleFont(Session& session, int factor) {
    if (!session.font.FontLoaded || factor < kMinFactor || factor > kMaxFactor) return;
    FormatResult<Font> scaled = ScaledFont(session.font, factor, session.On(Toggle::Compress));
    if (!scaled.ok()) return session.Log(scaled.error);
    HideCharEditor(session);
    session.font = std::move(scaled.value);
    RedrawTiles(session, 0, 255);
    session.SetEditStatus(2);
    ShowHoverAgain(session);
    session.Log("Scale font applied to " + std::to_string(PresentGlyphs(session.font)) +
                " characters");
}

}  // namespace gft
