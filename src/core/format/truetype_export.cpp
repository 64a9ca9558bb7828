#include "format/truetype_export.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <thread>

#include "format/glyph_rows.h"
#include "format/pixel_outline.h"
#include "format/ttf_cmap.h"
#include "format/ttf_glyphs.h"
#include "format/ttf_names.h"
#include "format/ttf_tables.h"
#include "support/big_endian.h"

namespace gft {

namespace {

// FreeType (2.12) refuses any glyph, composite or not, of more points: it
// holds a glyph's points with four more of its own in room it reserves in
// steps of eight, up to 32767. (fontTools too reads point numbers as signed
// 16-bit values.)
constexpr int kMaxGlyphPoints = 32756;

// The most points a glyph's outline is given room for.
int OutlineRoom(const CharInfo& glyph, int height) {
    return std::min(MostOutlinePoints(glyph.Width, height), kMaxGlyphPoints + 1);
}

// More than the tables other than the glyph data take: the file is
// assembled in the glyph data's room (AssembleFont).
constexpr std::size_t kOtherTablesRoom = 64 * 1024;

bool Exported(const Font& font, int code) {
    const CharInfo& glyph = font.Glyph(code);
    return glyph.Present && FitsHeight(glyph, font.FontHeight);
}

// Glyph 0, shown for characters the font lacks: the frame of a box as tall
// as the font and half as wide, and a blank column after it.
CharInfo MissingGlyphBox(int height) {
    const int side = std::max(1, height / 2);
    CharInfo box;
    box.Present = true;
    box.Width = static_cast<std::uint8_t>(side + 1);
    box.Pixels.assign(static_cast<std::size_t>(box.BytesPerRow() * height), 0);
    for (int col = 0; col < side; ++col) {
        SetPixel(box, 0, col, true);
        SetPixel(box, height - 1, col, true);
    }
    for (int row = 0; row < height; ++row) {
        SetPixel(box, row, 0, true);
        SetPixel(box, row, side - 1, true);
    }
    return box;
}

// Pads a glyph's data to an even length, as 'loca' wants it.
void PadToEven(Bytes& glyf) {
    if (glyf.size() % 2) glyf.push_back(0);
}

class FontBuilder {
  public:
    // A builder for glyph 0 and the glyphs of these codes, in this order.
    FontBuilder(const Font& font, const TrueTypeOptions& options, std::span<const int> codes)
        : FontBuilder(font, {kTrueTypeUnit, options.ascent}, 1 + static_cast<int>(codes.size())) {
        // Room for the file around the glyph data, which is assembled in
        // the data's room (glyph 0 is a frame of two contours of four points).
        Reserve(codes, kOtherTablesRoom + GlyphEncoder::MostBytes(8));
    }

    // A builder for the glyphs of the codes after those this one adds,
    // which can work on another thread; Append then takes them over.
    FontBuilder Part(std::span<const int> codes) const {
        FontBuilder part(font_, encoder_.Scale(), firstBand_);
        part.Reserve(codes, 0);
        return part;
    }

    // The glyph of a pixel glyph; the next glyph id.
    void Add(const CharInfo& glyph, int code) {
        const int advance = glyph.Width * kTrueTypeUnit;
        advances_.push_back(advance);
        offsets_.push_back(glyf_.size());
        int points = OutlineRoom(glyph, font_.FontHeight);
        if (points > kMaxGlyphPoints) {
            points = CountOutlinePoints(glyph, font_.FontHeight);
            if (points > kMaxGlyphPoints) {
                notes_.push_back("Character " + std::to_string(code) +
                                 " is too complex for TrueType (" + std::to_string(points) +
                                 " points) - exported empty");
                glyphs_.emplace_back();
                return;
            }
        }
        grid_.Load(glyph, font_.FontHeight);
        const int bands =
            GlyphEncoder::MayNeedBands(points) ? Trace<true>(points) : Trace<false>(points);
        if (bands == 0) {
            glyphs_.emplace_back();
        } else if (bands == 1) {
            glyphs_.push_back(encoder_.WriteBand(0, glyf_));
        } else {
            // A composite of its bands, glyphs of their own after all others.
            std::vector<std::uint16_t> ids;
            const std::size_t firstPart = bands_.size();
            for (int band = 0; band < bands; ++band) {
                ids.push_back(static_cast<std::uint16_t>(firstBand_ + bands_.size()));
                bandOffsets_.push_back(bandGlyf_.size());
                bands_.push_back(encoder_.WriteBand(band, bandGlyf_));
                PadToEven(bandGlyf_);
                bandAdvances_.push_back(advance);
            }
            glyphs_.push_back(CompositeGlyph(ids, std::span(bands_).subspan(firstPart), glyf_));
        }
        PadToEven(glyf_);
    }

    // Takes over the glyphs of a part: they follow those added here, and the
    // bands of its composites follow the bands here.
    void Append(FontBuilder&& part) {
        for (std::size_t k = 0; k < part.glyphs_.size(); ++k) {
            if (part.glyphs_[k].components > 0)
                RenumberComponents(part.glyf_.data() + part.offsets_[k],
                                   static_cast<int>(bands_.size()));
            offsets_.push_back(glyf_.size() + part.offsets_[k]);
        }
        for (const std::size_t offset : part.bandOffsets_)
            bandOffsets_.push_back(bandGlyf_.size() + offset);
        AppendAll(glyphs_, part.glyphs_);
        AppendAll(advances_, part.advances_);
        AppendAll(glyf_, part.glyf_);
        AppendAll(bands_, part.bands_);
        AppendAll(bandAdvances_, part.bandAdvances_);
        AppendAll(bandGlyf_, part.bandGlyf_);
        AppendAll(notes_, part.notes_);
    }

    std::vector<std::string> TakeNotes() { return std::move(notes_); }

    // The summary, 'hmtx', 'loca' and 'glyf' of every glyph added, then the bands.
    void WriteGlyphTables(FontSummary& summary, Bytes& hmtx, Bytes& loca, Bytes& glyf) {
        long withWidth = 0, widths = 0;
        for (const int advance : advances_)
            if (advance > 0) {
                ++withWidth;
                widths += advance;
            }
        summary.averageAdvance = withWidth > 0 ? static_cast<int>(widths / withWidth) : 0;
        summary.monospaced = std::adjacent_find(advances_.begin() + 1, advances_.end(),
                                                std::not_equal_to<>()) == advances_.end();

        BigEndianWriter metrics(hmtx);
        const auto add = [&](const GlyphData& glyph, int advance) {
            AddGlyph(summary, glyph, advance);
            metrics.U16(advance);
            metrics.S16(glyph.HasOutline() ? glyph.box.xMin : 0);
        };
        for (std::size_t k = 0; k < glyphs_.size(); ++k)
            add(glyphs_[k], advances_[k]);
        for (std::size_t k = 0; k < bands_.size(); ++k) {
            add(bands_[k], bandAdvances_[k]);
            offsets_.push_back(glyf_.size() + bandOffsets_[k]);
        }
        glyf = std::move(glyf_);
        glyf.insert(glyf.end(), bandGlyf_.begin(), bandGlyf_.end());
        offsets_.push_back(glyf.size());

        summary.longOffsets = glyf.size() / 2 > 0xFFFF;
        BigEndianWriter out(loca);
        for (const std::size_t offset : offsets_)
            summary.longOffsets ? out.U32(offset) : out.U16(offset / 2);
    }

    // The top of a glyph's outline, 0 without one.
    int TopOf(int glyphId) const {
        const GlyphData& glyph = glyphs_[static_cast<std::size_t>(glyphId)];
        return glyph.HasOutline() ? glyph.box.yMax : 0;
    }

  private:
    // A builder whose glyph ids of bands start at `firstBand`.
    FontBuilder(const Font& font, OutlineScale scale, int firstBand)
        : font_(font), encoder_(scale), firstBand_(firstBand) {}

    // Room for the glyphs of the codes at their largest, and `more` bytes
    // of glyph data, so that the data is never moved while it grows. (Room
    // not written into is never touched.)
    void Reserve(std::span<const int> codes, std::size_t more) {
        std::size_t room = more;
        for (const int code : codes)
            room += GlyphEncoder::MostBytes(OutlineRoom(font_.Glyph(code), font_.FontHeight));
        glyf_.reserve(room);
        advances_.reserve(codes.size() + 1);
        offsets_.reserve(codes.size() + 2);
        glyphs_.reserve(codes.size() + 1);
    }

    template <typename T>
    static void AppendAll(std::vector<T>& to, const std::vector<T>& from) {
        to.insert(to.end(), from.begin(), from.end());
    }

    // Traces the grid's outline into the encoder; how many bands it has.
    template <bool kBanded>
    int Trace(int points) {
        GlyphEncoder::Pen<kBanded> pen = encoder_.Begin<kBanded>(points);
        tracer_.Trace(grid_, points, pen);
        return encoder_.Finish(pen, grid_.InkBox());
    }

    const Font& font_;
    InkGrid grid_;
    OutlineTracer tracer_;
    GlyphEncoder encoder_;
    int firstBand_;
    // Per glyph, then per band of the composites.
    std::vector<GlyphData> glyphs_;
    std::vector<int> advances_;
    std::vector<std::size_t> offsets_;
    Bytes glyf_;
    std::vector<GlyphData> bands_;
    std::vector<int> bandAdvances_;
    std::vector<std::size_t> bandOffsets_;
    Bytes bandGlyf_;
    std::vector<std::string> notes_;
};

// Below this many outline points in all, a second thread costs more time
// than it saves.
constexpr long kPointsWorthAThread = 1 << 15;

// The pixel corners of a glyph: the most points its outline can have.
long CornersOf(const Font& font, int code) {
    return MostOutlinePoints(font.Glyph(code).Width, font.FontHeight);
}

// The pixel corners of the glyphs of the codes.
long CornersOf(const Font& font, std::span<const int> codes) {
    long corners = 0;
    for (const int code : codes)
        corners += CornersOf(font, code);
    return corners;
}

// Whether the glyphs of the codes, of `corners` pixel corners in all, have
// outlines of enough points for a second thread to pay, judged from every
// thirty-second glyph's.
bool WorthASecondThread(const Font& font, std::span<const int> codes, long corners) {
    long sampledCorners = 0, sampledPoints = 0;
    for (std::size_t k = 0; k < codes.size(); k += 32) {
        sampledCorners += CornersOf(font, codes[k]);
        sampledPoints += CountOutlinePoints(font.Glyph(codes[k]), font.FontHeight);
    }
    return sampledCorners > 0 && sampledPoints * corners / sampledCorners >= kPointsWorthAThread &&
           std::thread::hardware_concurrency() > 1;
}

// Where the codes are cut in two parts of about as many pixel corners, the
// first a little larger: it is traced at once, the second on a thread that
// must first be started, and the first thread had better finish last, as
// waking it from a wait for the second takes longer still.
std::size_t HalfWay(const Font& font, std::span<const int> codes, long corners) {
    long before = 0;
    std::size_t half = 0;
    while (half < codes.size() && 100 * before < 52 * corners)
        before += CornersOf(font, codes[half++]);
    return half;
}

// A part of the builder with the glyphs of the codes, added on a thread of
// its own; nothing when no thread can be had.
std::future<FontBuilder> AddOnAnotherThread(const FontBuilder& builder, const Font& font,
                                            std::span<const int> codes) {
    try {
        return std::async(std::launch::async, [&font, codes, part = builder.Part(codes)]() mutable {
            for (const int code : codes)
                part.Add(font.Glyph(code), code);
            return std::move(part);
        });
    } catch (const std::system_error&) {
        return {};
    }
}

// Adds the glyphs of the codes, those of a font of many outline points
// shared with a second thread where one can be had.
void AddGlyphs(FontBuilder& builder, const Font& font, std::span<const int> codes) {
    const long corners = CornersOf(font, codes);
    const std::size_t split =
        WorthASecondThread(font, codes, corners) ? HalfWay(font, codes, corners) : 0;
    std::future<FontBuilder> later;
    if (split > 0 && split < codes.size())
        later = AddOnAnotherThread(builder, font, codes.subspan(split));
    for (const int code : later.valid() ? codes.first(split) : codes)
        builder.Add(font.Glyph(code), code);
    if (later.valid()) builder.Append(later.get());
}

void AddCharacters(FontSummary& summary, const std::vector<CharacterGlyph>& mapping,
                   CodePage page) {
    summary.firstCharacter = 0xFFFF;
    for (const CharacterGlyph& entry : mapping) {
        summary.firstCharacter = std::min(summary.firstCharacter, entry.character);
        summary.lastCharacter = std::max(summary.lastCharacter, entry.character);
        AddUnicodeRange(summary, entry.character);
    }
    // Latin 1 (Windows-1252) or Latin 2 (Windows-1250, ISO-8859-2).
    summary.codePageRanges = page == CodePage::Windows1252 ? 1u << 0 : 1u << 1;
}

}  // namespace

TrueTypeExport ExportTrueType(const Font& font, const TrueTypeOptions& options) {
    TrueTypeExport result;
    const int height = font.FontHeight;
    if (!font.FontLoaded || height < 1) {
        result.error = "No font loaded";
        return result;
    }
    if (options.ascent < 0 || options.ascent > height) {
        result.error = "Ascent must be 0 to " + std::to_string(height) + ", not " +
                       std::to_string(options.ascent);
        return result;
    }
    std::vector<int> codes;
    std::vector<CharacterGlyph> mapping;
    int glyphOfX = 0, glyphOfH = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        if (!Exported(font, code)) continue;
        codes.push_back(code);
        const auto id = static_cast<std::uint16_t>(codes.size());
        mapping.push_back(
            {TrueTypeCharacter(options.codePage, static_cast<std::uint8_t>(code)), id});
        if (code == 'x') glyphOfX = id;
        if (code == 'H') glyphOfH = id;
    }
    result.characters = static_cast<int>(codes.size());
    if (result.characters == 0) {
        result.error = "The font has no characters to export as TrueType";
        return result;
    }
    FontBuilder builder(font, options, codes);
    builder.Add(MissingGlyphBox(height), -1);
    AddGlyphs(builder, font, codes);
    result.notes = builder.TakeNotes();

    FontSummary summary;
    summary.made = options.made;
    summary.unit = kTrueTypeUnit;
    summary.unitsPerEm = height * kTrueTypeUnit;
    summary.ascender = options.ascent * kTrueTypeUnit;
    summary.descender = (height - options.ascent) * kTrueTypeUnit;
    summary.xHeight = builder.TopOf(glyphOfX);
    summary.capHeight = builder.TopOf(glyphOfH);
    AddCharacters(summary, mapping, options.codePage);
    Bytes hmtx, loca, glyf;
    builder.WriteGlyphTables(summary, hmtx, loca, glyf);

    // In the order the TrueType recommendations give for the file.
    std::vector<FontTable> tables;
    tables.push_back({"head", HeadTable(summary)});
    tables.push_back({"hhea", HheaTable(summary)});
    tables.push_back({"maxp", MaxpTable(summary)});
    tables.push_back({"OS/2", Os2Table(summary)});
    tables.push_back({"hmtx", std::move(hmtx)});
    tables.push_back({"cmap", CmapTable(std::move(mapping))});
    tables.push_back({"prep", PrepTable()});
    tables.push_back({"loca", std::move(loca)});
    tables.push_back({"glyf", std::move(glyf)});
    tables.push_back({"name", NameTable(FamilyName(options.family))});
    tables.push_back({"post", PostTable(summary)});
    tables.push_back({"gasp", GaspTable()});
    result.bytes = AssembleFont(std::move(tables));
    return result;
}

}  // namespace gft
