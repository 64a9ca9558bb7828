#include "format/ttf_glyphs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

std::array<GlyphEncoder::DeltaCode, 2 * GlyphEncoder::kDeltas> GlyphEncoder::MakeCodes(int unit) {
    std::array<DeltaCode, 2 * kDeltas> codes{};
    for (int pixels = -kMaxDelta; pixels <= kMaxDelta; ++pixels) {
        const int delta = pixels * unit;
        const auto magnitude = static_cast<unsigned>(std::abs(delta));
        const auto word = static_cast<std::uint16_t>(delta);
        for (const bool isY : {false, true}) {
            const std::uint8_t shortFlag = isY ? kYShort : kXShort;
            const std::uint8_t sameOrPositive = isY ? kYSameOrPositive : kXSameOrPositive;
            // The other coordinate stays.
            const std::uint8_t flag = kOnCurve | (isY ? kXSameOrPositive : kYSameOrPositive);
            DeltaCode& code =
                codes[static_cast<std::size_t>(pixels + kMaxDelta + (isY ? kDeltas : 0))];
            if (delta == 0)
                code = {static_cast<std::uint8_t>(flag | sameOrPositive), 0, {0, 0}};
            else if (magnitude <= 255)
                code = {
                    static_cast<std::uint8_t>(flag | shortFlag | (delta > 0 ? sameOrPositive : 0)),
                    1,
                    {static_cast<std::uint8_t>(magnitude), 0}};
            else
                code = {flag,
                        2,
                        {static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)}};
        }
    }
    return codes;
}

GlyphEncoder::GlyphEncoder(OutlineScale scale) : scale_(scale), codes_(MakeCodes(scale.unit)) {}

void GlyphEncoder::MakeRoom(int points) {
    const auto most = static_cast<std::size_t>(points);
    // Two bytes are stored for every change, of which the next may write
    // over one; a contour has four points or more.
    if (flags_.size() < most) flags_.resize(most);
    if (xs_.size() < 2 * most + 2) xs_.resize(2 * most + 2);
    if (ys_.size() < 2 * most + 2) ys_.resize(2 * most + 2);
    if (contourEnds_.size() < most / 4 + 1) contourEnds_.resize(most / 4 + 1);
    bands_.clear();
}

GlyphData GlyphEncoder::WriteBand(int band, Bytes& glyf) {
    const Band from = band == 0 ? Band{} : bands_[static_cast<std::size_t>(band - 1)];
    const Band& to = bands_[static_cast<std::size_t>(band)];
    GlyphData glyph;
    glyph.contours = static_cast<int>(to.contours - from.contours);
    glyph.points = static_cast<int>(to.points - from.points);
    glyph.hasOutline = true;
    const int unit = scale_.unit;
    glyph.box = {to.left * unit, (scale_.ascent - to.bottom) * unit, to.right * unit,
                 (scale_.ascent - to.top) * unit};

    const std::size_t headSize = 10 + 2 * (to.contours - from.contours) + 2;
    if (head_.size() < headSize) head_.resize(headSize);
    std::uint8_t* head = head_.data();
    const auto put = [&head](std::size_t value) {
        StoreBigEndian(head, static_cast<std::uint16_t>(value), 2);
        head += 2;
    };
    put(static_cast<std::size_t>(glyph.contours));
    for (const int side : {glyph.box.xMin, glyph.box.yMin, glyph.box.xMax, glyph.box.yMax})
        put(static_cast<std::size_t>(side));
    for (std::size_t c = from.contours; c < to.contours; ++c)
        put(contourEnds_[c] - 1 - from.points);
    put(0);  // no instructions
    const auto append = [&glyf](const Bytes& bytes, std::size_t begin, std::size_t end) {
        glyf.insert(glyf.end(), bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                    bytes.begin() + static_cast<std::ptrdiff_t>(end));
    };
    append(head_, 0, headSize);
    append(flags_, from.points, to.points);
    append(xs_, from.xBytes, to.xBytes);
    append(ys_, from.yBytes, to.yBytes);
    return glyph;
}

GlyphData CompositeGlyph(std::span<const std::uint16_t> glyphs, std::span<const GlyphData> parts,
                         Bytes& glyf) {
    GlyphData composite;
    composite.hasOutline = true;
    composite.box = parts.front().box;
    for (const GlyphData& part : parts) {
        composite.box.Include(part.box);
        composite.points += part.points;
        composite.contours += part.contours;
    }
    composite.components = static_cast<int>(glyphs.size());
    BigEndianWriter out(glyf);
    out.S16(-1);
    WriteBox(out, composite.box);
    for (std::size_t k = 0; k < glyphs.size(); ++k) {
        out.U16(kArgsAreXYValues | (k + 1 < glyphs.size() ? kMoreComponents : 0));
        out.U16(glyphs[k]);
        out.U16(0);  // placed where it is: x and y offsets of 0, a byte each
    }
    return composite;
}

void RenumberComponents(std::uint8_t* composite, int by) {
    // After the contour count and the box, each component's flags, glyph
    // id and offsets, two bytes each.
    for (std::uint8_t* component = composite + 10;; component += 6) {
        const auto glyph = static_cast<int>(LoadBigEndian64(component + 2, 2) >> 48);
        StoreBigEndian(component + 2, static_cast<std::uint64_t>(glyph + by), 2);
        if (!(LoadBigEndian64(component, 2) >> 48 & kMoreComponents)) return;
    }
}

}  // namespace gft
