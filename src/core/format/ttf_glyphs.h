#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "format/pixel_outline.h"
#include "support/bytes.h"

namespace gft {

// FreeType refuses a simple glyph of 4095 contours or more.
inline constexpr int kMaxSimpleContours = 4094;

// A box in font units.
struct FontBox {
    int xMin = 0;
    int yMin = 0;
    int xMax = 0;
    int yMax = 0;

    void Include(const FontBox& other);
};

// Where a glyph's pixel corners go in font units: each pixel `unit` units
// square, the row edge `ascent` rows below the top on the baseline (y = 0).
struct OutlineScale {
    int unit;
    int ascent;
};

// What the font's summary tables need to know of an entry of the 'glyf'
// table.
struct GlyphData {
    FontBox box;
    int points = 0;  // of all its contours, a composite's components included
    int contours = 0;
    int components = 0;  // 0 for a simple glyph
    bool hasOutline = false;

    bool HasOutline() const { return hasOutline; }
};

// Writes a glyph's outline, as OutlineTracer (format/pixel_outline.h) draws
// it, the way simple glyphs of the 'glyf' table hold it: the contours' last
// points, a flag byte per point, then each point's change of x from the
// point before, then its change of y, each in no byte when there is none,
// one byte up to 255 units, else two. The contours are gathered into bands
// of at most kMaxSimpleContours in a row, each a simple glyph of its own.
// One glyph is encoded at a time; the encoder keeps its room for the next.
class GlyphEncoder {
    static constexpr int kMaxDelta = 255;  // pixels
    static constexpr int kDeltas = 2 * kMaxDelta + 1;
    // A change of one coordinate: its point's flag and its bytes.
    struct DeltaCode {
        std::uint8_t flag;
        std::uint8_t size;
        std::uint8_t bytes[2];
    };
    // A band's end in the encoded points, and its box in pixels.
    struct Band {
        std::size_t contours = 0;
        std::size_t points = 0;
        std::size_t xBytes = 0;
        std::size_t yBytes = 0;
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

  public:
    explicit GlyphEncoder(OutlineScale scale);

    const OutlineScale& Scale() const { return scale_; }

    // Whether a glyph of that many points can have more contours than one
    // simple glyph holds (a contour has four points or more).
    static bool MayNeedBands(int points) { return points > 4 * kMaxSimpleContours; }
    // The most bytes that WriteBand, or a composite of bands, with its
    // padding, appends for a glyph of that many points: its header, the
    // contours' ends, then per point a flag and a change of one coordinate
    // of up to two bytes, and of the other at each contour's start.
    static std::size_t MostBytes(int points) {
        const auto most = static_cast<std::size_t>(points);
        return 12 + 2 * (most / 4) + most + 2 * most + 2 * (most / 4) + 1;
    }

    // What the tracer draws with, a small value it keeps in registers: it
    // writes into the encoder's room. Only a pen that may need bands
    // counts contours for them and keeps their boxes.
    template <bool kBanded>
    class Pen {
      public:
        void Start(std::ptrdiff_t x, std::ptrdiff_t y) {
            if constexpr (kBanded) {
                if (end_ == bandEnd_) [[unlikely]]
                    NextBand();
                left_ = std::min(left_, static_cast<int>(x));
                top_ = std::min(top_, static_cast<int>(y));
            }
            const DeltaCode& across = codes_[x - lastX_];
            const DeltaCode& upOrDown = codes_[kDeltas + lastY_ - y];
            *flag_++ = kOnCurve | (across.flag & kXBits) | (upOrDown.flag & kYBits);
            Put(x_, across);
            Put(y_, upOrDown);
            lastX_ = x;
            lastY_ = y;
        }
        void Across(std::ptrdiff_t x) {
            const DeltaCode& code = codes_[x - lastX_];
            *flag_++ = code.flag;
            Put(x_, code);
            lastX_ = x;
            if constexpr (kBanded) {
                left_ = std::min(left_, static_cast<int>(x));
                right_ = std::max(right_, static_cast<int>(x));
            }
        }
        void UpOrDown(std::ptrdiff_t y) {
            const DeltaCode& code = codes_[kDeltas + lastY_ - y];
            *flag_++ = code.flag;
            Put(y_, code);
            lastY_ = y;
            if constexpr (kBanded) {
                top_ = std::min(top_, static_cast<int>(y));
                bottom_ = std::max(bottom_, static_cast<int>(y));
            }
        }
        void End() { *end_++ = static_cast<std::uint32_t>(flag_ - firstFlag_); }

      private:
        friend class GlyphEncoder;
        // The flag bits of a point: on the curve, then for x and for y
        // whether the change is one byte and whether it is none or positive.
        static constexpr std::uint8_t kOnCurve = 0x01;
        static constexpr std::uint8_t kXBits = 0x02 | 0x10;
        static constexpr std::uint8_t kYBits = 0x04 | 0x20;
        // Two bytes are always stored.
        static void Put(std::uint8_t*& at, const DeltaCode& code) {
            std::memcpy(at, code.bytes, 2);
            at += code.size;
        }
        // Each band starts at the origin again.
        void NextBand() {
            encoder_->bands_.push_back(EndOfBand());
            bandEnd_ += kMaxSimpleContours;
            lastX_ = 0;
            lastY_ = encoder_->scale_.ascent;
            left_ = top_ = kMaxDelta;
            right_ = bottom_ = 0;
        }
        Band EndOfBand() const {
            const GlyphEncoder& encoder = *encoder_;
            return {static_cast<std::size_t>(end_ - encoder.contourEnds_.data()),
                    static_cast<std::size_t>(flag_ - encoder.flags_.data()),
                    static_cast<std::size_t>(x_ - encoder.xs_.data()),
                    static_cast<std::size_t>(y_ - encoder.ys_.data()),
                    left_,
                    top_,
                    right_,
                    bottom_};
        }

        std::uint8_t* flag_;
        std::uint8_t* x_;
        std::uint8_t* y_;
        std::uint32_t* end_;  // one past each contour's last point
        const std::uint32_t* bandEnd_;
        const DeltaCode* codes_;  // the x changes' from -kMaxDelta, then the y changes'
        const std::uint8_t* firstFlag_;
        GlyphEncoder* encoder_;
        // Wide, so that no conversion comes between them and the codes.
        std::ptrdiff_t lastX_;
        std::ptrdiff_t lastY_;
        int left_ = kMaxDelta;
        int top_ = kMaxDelta;
        int right_ = 0;
        int bottom_ = 0;
    };

    // A pen for the outline of a glyph of at most `points` points.
    template <bool kBanded>
    Pen<kBanded> Begin(int points) {
        MakeRoom(points);
        Pen<kBanded> pen;
        pen.flag_ = flags_.data();
        pen.firstFlag_ = flags_.data();
        pen.x_ = xs_.data();
        pen.y_ = ys_.data();
        pen.end_ = contourEnds_.data();
        pen.bandEnd_ = contourEnds_.data() + kMaxSimpleContours;
        pen.codes_ = codes_.data() + kMaxDelta;
        pen.encoder_ = this;
        pen.lastX_ = 0;
        pen.lastY_ = scale_.ascent;
        return pen;
    }
    // Once the outline is drawn, with the box around the glyph's ink: how
    // many bands it has (none if it is empty).
    template <bool kBanded>
    int Finish(const Pen<kBanded>& pen, const PixelBox& ink) {
        if (pen.end_ == contourEnds_.data()) return 0;
        Band last = pen.EndOfBand();
        if constexpr (!kBanded) {
            // One band: its box is the ink's.
            last.left = ink.left;
            last.top = ink.top;
            last.right = ink.right;
            last.bottom = ink.bottom;
        }
        bands_.push_back(last);
        return static_cast<int>(bands_.size());
    }
    // Appends a band as a simple glyph without instructions.
    GlyphData WriteBand(int band, Bytes& glyf);

  private:
    static std::array<DeltaCode, 2 * kDeltas> MakeCodes(int unit);
    void MakeRoom(int points);

    OutlineScale scale_;
    std::array<DeltaCode, 2 * kDeltas> codes_;
    Bytes flags_;
    Bytes xs_;
    Bytes ys_;
    std::vector<std::uint32_t> contourEnds_;
    std::vector<Band> bands_;
    Bytes head_;
};

// Appends a composite glyph made of the given glyphs, each placed where it
// is; `parts` holds their data, in the same order.
GlyphData CompositeGlyph(std::span<const std::uint16_t> glyphs, std::span<const GlyphData> parts,
                         Bytes& glyf);
// Adds `by` to the glyph ids of the components of a composite glyph written
// by CompositeGlyph.
void RenumberComponents(std::uint8_t* composite, int by);

}  // namespace gft
