#include "format/ttf_glyphs.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "support/big_endian.h"

namespace gft {

namespace {

// Point flags of a simple glyph.
constexpr std::uint8_t kOnCurve = 0x01;
constexpr std::uint8_t kXShort = 0x02;
constexpr std::uint8_t kYShort = 0x04;
constexpr std::uint8_t kXSameOrPositive = 0x10;
constexpr std::uint8_t kYSameOrPositive = 0x20;

// Component flags of a composite glyph.
constexpr unsigned kArgsAreXYValues = 0x0002;
constexpr unsigned kMoreComponents = 0x0020;

// One coordinate's change from the point before: no bytes when it stays,
// one byte and a sign flag up to 255 units, else two bytes.
void AppendDelta(int delta, std::uint8_t shortFlag, std::uint8_t sameOrPositive,
                 std::uint8_t& flags, Bytes& coordinates) {
    if (delta == 0) {
        flags |= sameOrPositive;
    } else if (std::abs(delta) <= 255) {
        flags |= shortFlag | (delta > 0 ? sameOrPositive : 0);
        coordinates.push_back(static_cast<std::uint8_t>(std::abs(delta)));
    } else {
        BigEndianWriter(coordinates).S16(delta);
    }
}

void WriteBox(BigEndianWriter& out, const FontBox& box) {
    out.S16(box.xMin);
    out.S16(box.yMin);
    out.S16(box.xMax);
    out.S16(box.yMax);
}

}  // namespace

void FontBox::Include(const FontBox& other) {
    xMin = std::min(xMin, other.xMin);
    yMin = std::min(yMin, other.yMin);
    xMax = std::max(xMax, other.xMax);
    yMax = std::max(yMax, other.yMax);
}

GlyphData SimpleGlyph(const PixelOutline& outline, int first, int end, OutlineScale scale) {
    GlyphData glyph;
    const std::uint32_t firstPoint = outline.ContourStart(first);
    const std::uint32_t endPoint = outline.ContourStart(end);
    glyph.contours = end - first;
    glyph.points = static_cast<int>(endPoint - firstPoint);

    Bytes flags, xs, ys;
    flags.reserve(static_cast<std::size_t>(glyph.points));
    xs.reserve(static_cast<std::size_t>(glyph.points));
    ys.reserve(static_cast<std::size_t>(glyph.points));
    FontBox box{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    int lastX = 0, lastY = 0;
    for (std::uint32_t k = firstPoint; k < endPoint; ++k) {
        const int x = outline.points[k].x * scale.unit;
        const int y = (scale.ascent - outline.points[k].y) * scale.unit;
        box.Include({x, y, x, y});
        std::uint8_t flag = kOnCurve;
        AppendDelta(x - lastX, kXShort, kXSameOrPositive, flag, xs);
        AppendDelta(y - lastY, kYShort, kYSameOrPositive, flag, ys);
        flags.push_back(flag);
        lastX = x;
        lastY = y;
    }
    glyph.box = box;

    Bytes& bytes = glyph.bytes;
    bytes.reserve(10 + 2 * static_cast<std::size_t>(glyph.contours) + 2 + flags.size() + xs.size() +
                  ys.size() + 1);
    BigEndianWriter out(bytes);
    out.S16(glyph.contours);
    WriteBox(out, box);
    for (int c = first; c < end; ++c)
        out.U16(outline.ContourStart(c + 1) - 1 - firstPoint);
    out.U16(0);  // no instructions
    bytes.insert(bytes.end(), flags.begin(), flags.end());
    bytes.insert(bytes.end(), xs.begin(), xs.end());
    bytes.insert(bytes.end(), ys.begin(), ys.end());
    return glyph;
}

GlyphData CompositeGlyph(std::span<const std::uint16_t> glyphs, std::span<const GlyphData> parts) {
    GlyphData composite;
    composite.box = parts.front().box;
    for (const GlyphData& part : parts) {
        composite.box.Include(part.box);
        composite.points += part.points;
        composite.contours += part.contours;
    }
    composite.components = static_cast<int>(glyphs.size());
    BigEndianWriter out(composite.bytes);
    out.S16(-1);
    WriteBox(out, composite.box);
    for (std::size_t k = 0; k < glyphs.size(); ++k) {
        out.U16(kArgsAreXYValues | (k + 1 < glyphs.size() ? kMoreComponents : 0));
        out.U16(glyphs[k]);
        out.U16(0);  // placed where it is: x and y offsets of 0, a byte each
    }
    return composite;
}

}  // namespace gft
