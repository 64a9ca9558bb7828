// Each effect and the scale against its rule written out pixel by pixel, on
// a few hundred random glyphs: widths 0 to 255, heights 1 to 255, dense,
// sparse and inkless glyphs, bits set beyond the width.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editor_fixture.h"
#include "format/glyph_effects.h"

namespace gft::test {
namespace {

// I(r, c) of the rules: the glyph's ink, false outside its rows and width.
struct Ink {
    const CharInfo& glyph;
    int height;
    bool operator()(int r, int c) const {
        if (r < 0 || r >= height || c < 0 || c >= glyph.Width) return false;
        const int bytesPerRow = (glyph.Width + 7) / 8;
        return glyph.Pixels[r * bytesPerRow + c / 8] >> (7 - c % 8) & 1;
    }
    bool Any() const {
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < glyph.Width; ++c)
                if ((*this)(r, c)) return true;
        return false;
    }
};

using Pixel = std::function<bool(int r, int c)>;

// The columns an effect adds, and I'(r, c).
struct Rule {
    int grow;
    Pixel pixel;
};

Rule RuleOf(GlyphEffect effect, const Ink& I, int step) {
    const int h = I.height;
    const auto J = [I](int r, int c) { return I(r, c - 1); };
    switch (effect) {
        case GlyphEffect::Bold:
            return {1, [I](int r, int c) { return I(r, c) || I(r, c - 1); }};
        case GlyphEffect::Italic:
            return {(h - 1) / step, [=](int r, int c) { return I(r, c - (h - 1 - r) / step); }};
        case GlyphEffect::Outline:
            return {2, [=](int r, int c) {
                        bool around = false;
                        for (int dr = -1; dr <= 1; ++dr)
                            for (int dc = -1; dc <= 1; ++dc)
                                if (r + dr >= 0 && r + dr < h) around |= J(r + dr, c + dc);
                        return around && !J(r, c);
                    }};
        case GlyphEffect::Shadow:
            return {1, [I](int r, int c) { return I(r, c) || I(r - 1, c - 1); }};
        case GlyphEffect::Invert:
            break;
    }
    return {0, [I](int r, int c) { return !I(r, c); }};
}

CharInfo Draw(const CharInfo& like, int width, int height, const Pixel& pixel) {
    CharInfo glyph = like;
    glyph.Width = static_cast<std::uint8_t>(width);
    const int bytesPerRow = CharInfo::BytesPerRowFor(width);
    glyph.Pixels.assign(static_cast<std::size_t>(bytesPerRow * height), 0);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            if (pixel(r, c)) glyph.Pixels[r * bytesPerRow + c / 8] |= 0x80 >> (c % 8);
    return glyph;
}

// Widths at the byte edges and near the cap, short fonts and the tallest;
// ink dense, sparse or none (the bits beyond the width stay random).
CharInfo RandomShape(std::mt19937& random, int& height) {
    const int widths[] = {0, 1, 7, 8, 9, 16, 17, 30, 248, 253, 254, 255};
    const int width = random() % 2 ? widths[random() % 12] : static_cast<int>(random() % 256);
    height = random() % 16 == 0 ? 255 : 1 + static_cast<int>(random() % 20);
    if (width > 100 && height == 255) height = 40;  // keeps the run short
    CharInfo glyph = RandomGlyph(width, height, static_cast<unsigned>(random()));
    const int density = static_cast<int>(random() % 4);  // 0: no ink inside the width
    for (std::size_t i = 0; i < glyph.Pixels.size(); ++i) {
        const int j = static_cast<int>(i % glyph.BytesPerRow());
        const int inside = std::clamp(width - 8 * j, 0, 8);
        const auto insideMask = static_cast<std::uint8_t>(0xFF00 >> inside);
        std::uint8_t ink = glyph.Pixels[i];
        if (density == 0) ink = 0;
        if (density == 1) ink &= static_cast<std::uint8_t>(random()) & random();
        glyph.Pixels[i] = (glyph.Pixels[i] & ~insideMask) | (ink & insideMask);
    }
    glyph.HasError = random() % 8 == 0;
    return glyph;
}

TEST(GlyphEffects, FollowTheirRulesOnRandomGlyphs) {
    std::mt19937 random(24);
    const GlyphEffect effects[] = {GlyphEffect::Bold, GlyphEffect::Italic, GlyphEffect::Outline,
                                   GlyphEffect::Shadow, GlyphEffect::Invert};
    int cut = 0;
    for (int n = 0; n < 300; ++n) {
        int height = 0;
        const CharInfo before = RandomShape(random, height);
        const Ink I{before, height};
        for (const GlyphEffect effect : effects) {
            const int step = 1 + static_cast<int>(random() % 8);
            SCOPED_TRACE("glyph " + std::to_string(n) + " effect " +
                         std::to_string(static_cast<int>(effect)) + " step " +
                         std::to_string(step));
            CharInfo glyph = before;
            const EffectOutcome outcome = ApplyEffect(glyph, height, effect, step);
            if (before.Width == 0 || (effect != GlyphEffect::Invert && !I.Any())) {
                EXPECT_FALSE(outcome.applied);
                EXPECT_EQ(glyph, before);
                continue;
            }
            const Rule rule = RuleOf(effect, I, step);
            const int wide = before.Width + rule.grow;
            bool inkCut = false;
            for (int r = 0; r < height; ++r)
                for (int c = 255; c < wide; ++c)
                    inkCut |= rule.pixel(r, c);
            cut += inkCut;
            const CharInfo expected = Draw(before, std::min(wide, 255), height, rule.pixel);
            EXPECT_TRUE(outcome.applied);
            EXPECT_EQ(outcome.changed, expected != before);
            EXPECT_EQ(outcome.inkCut, inkCut);
            EXPECT_EQ(glyph, expected);
        }
    }
    EXPECT_GT(cut, 10) << "too few glyphs reached the width cap";
}

TEST(GlyphEffects, ScaleFollowsItsRuleOnRandomGlyphs) {
    std::mt19937 random(25);
    for (int n = 0; n < 300; ++n) {
        int height = 0;
        CharInfo glyph = RandomShape(random, height);
        glyph.Present = random() % 8 != 0;
        if (!glyph.Present) MakeAbsent(glyph, height);
        const int factor = 2 + static_cast<int>(random() % 2);
        if (glyph.Width * factor > 255 || height * factor > 255) continue;
        SCOPED_TRACE("glyph " + std::to_string(n) + " factor " + std::to_string(factor));
        const CharInfo before = glyph;
        const Ink I{before, height};
        ScaleGlyph(glyph, height, factor);
        EXPECT_EQ(glyph, Draw(before, before.Width * factor, height * factor,
                              [&](int r, int c) { return I(r / factor, c / factor); }));
    }
}

}  // namespace
}  // namespace gft::test
