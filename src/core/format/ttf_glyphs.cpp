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

// Writes one coordinate's change from the point before: no bytes when it
// stays, one byte and a sign flag up to 255 units, else two bytes; returns
// where the next goes. Without branches: in a noisy glyph the changes come
// at random.
std::uint8_t* PutDelta(int delta, std::uint8_t shortFlag, std::uint8_t sameOrPositive,
                       std::uint8_t& flags, std::uint8_t* out) {
    const auto magnitude = static_cast<unsigned>(std::abs(delta));
    const bool stays = delta == 0;
    const bool isShort = magnitude - 1 < 255;  // 1..255
    flags |= (isShort ? shortFlag : 0) | (stays || (isShort && delta > 0) ? sameOrPositive : 0);
    const auto word = static_cast<std::uint16_t>(delta);
    out[0] = static_cast<std::uint8_t>(isShort ? magnitude : word >> 8);
    out[1] = static_cast<std::uint8_t>(word & 0xFF);
    return out + (stays ? 0 : isShort ? 1 : 2);
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
    const auto points = static_cast<std::size_t>(glyph.points);

    // The flags, then the x and the y changes, each at most two bytes a point.
    const std::size_t head = 10 + 2 * static_cast<std::size_t>(glyph.contours) + 2;
    Bytes& bytes = glyph.bytes;
    bytes.resize(head + points + 2 * points + 1);
    Bytes ys(2 * points + 1);
    std::uint8_t* flags = bytes.data() + head;
    std::uint8_t* x = flags + points;
    std::uint8_t* y = ys.data();
    FontBox& box = glyph.box;
    box = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
           std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    int lastX = 0, lastY = 0;
    for (std::uint32_t k = firstPoint; k < endPoint; ++k) {
        const int pointX = outline.points[k].x * scale.unit;
        const int pointY = (scale.ascent - outline.points[k].y) * scale.unit;
        box.xMin = std::min(box.xMin, pointX);
        box.yMin = std::min(box.yMin, pointY);
        box.xMax = std::max(box.xMax, pointX);
        box.yMax = std::max(box.yMax, pointY);
        std::uint8_t flag = kOnCurve;
        x = PutDelta(pointX - lastX, kXShort, kXSameOrPositive, flag, x);
        y = PutDelta(pointY - lastY, kYShort, kYSameOrPositive, flag, y);
        *flags++ = flag;
        lastX = pointX;
        lastY = pointY;
    }
    bytes.resize(static_cast<std::size_t>(x - bytes.data()));
    bytes.insert(bytes.end(), ys.data(), y);

    Bytes start;
    BigEndianWriter out(start);
    out.S16(glyph.contours);
    WriteBox(out, box);
    for (int c = first; c < end; ++c)
        out.U16(outline.ContourStart(c + 1) - 1 - firstPoint);
    out.U16(0);  // no instructions
    std::copy(start.begin(), start.end(), bytes.begin());
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
