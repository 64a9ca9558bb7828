#include "format/ttf_tables.h"

#include <algorithm>
#include <bit>

#include "support/big_endian.h"

namespace gft {

namespace {

constexpr std::uint32_t kVersion1 = 0x00010000;
constexpr std::uint32_t kChecksumMagic = 0xB1B0AFBA;
constexpr std::size_t kHeadAdjustmentAt = 8;

// The 'OS/2' Unicode range bits of the blocks a code page character or a
// private code can fall in.
struct UnicodeRange {
    char32_t first;
    char32_t last;
    int bit;
};
constexpr UnicodeRange kUnicodeRanges[] = {
    {0x0000, 0x007F, 0},   // Basic Latin
    {0x0080, 0x00FF, 1},   // Latin-1 Supplement
    {0x0100, 0x017F, 2},   // Latin Extended-A
    {0x0180, 0x024F, 3},   // Latin Extended-B
    {0x02B0, 0x02FF, 5},   // Spacing Modifier Letters
    {0x2000, 0x206F, 31},  // General Punctuation
    {0x20A0, 0x20CF, 33},  // Currency Symbols
    {0x2100, 0x214F, 35},  // Letterlike Symbols
    {0xE000, 0xF8FF, 60},  // Private Use Area
};

// The sum of the bytes as big-endian 32-bit words, the last one padded with
// zeros.
std::uint32_t Checksum(const std::uint8_t* bytes, std::size_t size) {
    std::uint64_t sum = 0;
    std::size_t at = 0;
    for (; at + 8 <= size; at += 8) {
        const std::uint64_t two = LoadBigEndian64(bytes + at);
        sum += (two >> 32) + (two & 0xFFFFFFFF);
    }
    for (; at < size; at += 4)
        sum += LoadBigEndian64(bytes + at, std::min<std::size_t>(4, size - at)) >> 32;
    return static_cast<std::uint32_t>(sum);
}

std::size_t Padded(std::size_t size) {
    return (size + 3) & ~std::size_t{3};
}

void AppendPadded(BigEndianWriter& out, const Bytes& bytes) {
    out.Raw(bytes);
    out.Zeros(Padded(bytes.size()) - bytes.size());
}

}  // namespace

void AddGlyph(FontSummary& summary, const GlyphData& glyph, int advance) {
    ++summary.glyphs;
    summary.advanceMax = std::max(summary.advanceMax, advance);
    if (glyph.HasOutline()) {
        const int left = glyph.box.xMin, right = advance - glyph.box.xMax;
        if (!summary.hasOutline) {
            summary.bounds = glyph.box;
            summary.minLeftBearing = left;
            summary.minRightBearing = right;
            summary.maxExtent = glyph.box.xMax;
            summary.hasOutline = true;
        }
        summary.bounds.Include(glyph.box);
        summary.minLeftBearing = std::min(summary.minLeftBearing, left);
        summary.minRightBearing = std::min(summary.minRightBearing, right);
        summary.maxExtent = std::max(summary.maxExtent, glyph.box.xMax);
    }
    if (glyph.components > 0) {
        summary.maxCompositePoints = std::max(summary.maxCompositePoints, glyph.points);
        summary.maxCompositeContours = std::max(summary.maxCompositeContours, glyph.contours);
        summary.maxComponents = std::max(summary.maxComponents, glyph.components);
    } else {
        summary.maxPoints = std::max(summary.maxPoints, glyph.points);
        summary.maxContours = std::max(summary.maxContours, glyph.contours);
    }
}

void AddUnicodeRange(FontSummary& summary, char32_t character) {
    for (const UnicodeRange& range : kUnicodeRanges)
        if (character >= range.first && character <= range.last)
            summary.unicodeRanges[static_cast<std::size_t>(range.bit / 32)] |= 1u
                                                                               << (range.bit % 32);
}

Bytes HeadTable(const FontSummary& summary) {
    Bytes table;
    BigEndianWriter out(table);
    out.U32(kVersion1);
    out.U32(kVersion1);  // font revision 1.0
    out.U32(0);          // checksum adjustment, set when the file is assembled
    out.U32(0x5F0F3CF5);
    // Baseline at y = 0, left side bearing point at x = 0, whole pixel sizes.
    out.U16(0x0001 | 0x0002 | 0x0008);
    out.U16(summary.unitsPerEm);
    // Created and modified, in seconds since 1904.
    constexpr std::int64_t k1970 = 2082844800;
    out.U64(static_cast<std::uint64_t>(summary.made + k1970));
    out.U64(static_cast<std::uint64_t>(summary.made + k1970));
    out.S16(summary.bounds.xMin);
    out.S16(summary.bounds.yMin);
    out.S16(summary.bounds.xMax);
    out.S16(summary.bounds.yMax);
    out.U16(0);                                  // mac style: regular
    out.U16(summary.unitsPerEm / summary.unit);  // smallest readable size: its own
    out.S16(2);                                  // direction hint: left to right, with neutrals
    out.S16(summary.longOffsets ? 1 : 0);
    out.S16(0);  // glyph data format
    return table;
}

Bytes HheaTable(const FontSummary& summary) {
    Bytes table;
    BigEndianWriter out(table);
    out.U32(kVersion1);
    out.S16(summary.ascender);
    out.S16(-summary.descender);
    out.S16(0);  // line gap
    out.U16(summary.advanceMax);
    out.S16(summary.minLeftBearing);
    out.S16(summary.minRightBearing);
    out.S16(summary.maxExtent);
    out.S16(1);  // caret slope: upright
    out.S16(0);
    out.S16(0);  // caret offset
    out.Zeros(8);
    out.S16(0);               // metric data format
    out.U16(summary.glyphs);  // every glyph has its advance
    return table;
}

Bytes MaxpTable(const FontSummary& summary) {
    Bytes table;
    BigEndianWriter out(table);
    out.U32(kVersion1);
    out.U16(summary.glyphs);
    out.U16(summary.maxPoints);
    out.U16(summary.maxContours);
    out.U16(summary.maxCompositePoints);
    out.U16(summary.maxCompositeContours);
    out.U16(2);  // zones
    out.U16(0);  // twilight points
    out.U16(0);  // storage
    out.U16(0);  // function definitions
    out.U16(0);  // instruction definitions
    out.U16(1);  // stack elements: the control value program pushes one at a time
    out.U16(0);  // glyph instructions: none
    out.U16(summary.maxComponents);
    out.U16(summary.maxComponents > 0 ? 1 : 0);  // component depth
    return table;
}

Bytes Os2Table(const FontSummary& summary) {
    const int em = summary.unitsPerEm;
    const auto part = [em](int percent) { return em * percent / 100; };
    Bytes table;
    BigEndianWriter out(table);
    out.U16(4);  // version
    out.S16(summary.averageAdvance);
    out.U16(400);       // weight: regular
    out.U16(5);         // width: medium
    out.U16(0);         // embedding: installable
    out.S16(part(65));  // subscript size, offset
    out.S16(part(60));
    out.S16(0);
    out.S16(part(7));
    out.S16(part(65));  // superscript size, offset
    out.S16(part(60));
    out.S16(0);
    out.S16(part(35));
    out.S16(summary.unit);  // strikeout: one pixel thick
    out.S16(summary.xHeight > 0 ? summary.xHeight / 2 : part(25));
    out.S16(0);     // family class
    out.Zeros(10);  // PANOSE: any
    for (const std::uint32_t range : summary.unicodeRanges)
        out.U32(range);
    out.Tag("    ");           // vendor
    out.U16(0x0040 | 0x0080);  // regular; the typographic metrics are the line metrics
    out.U16(std::min<char32_t>(summary.firstCharacter, 0xFFFF));
    out.U16(std::min<char32_t>(summary.lastCharacter, 0xFFFF));
    out.S16(summary.ascender);
    out.S16(-summary.descender);
    out.S16(0);  // line gap
    out.U16(summary.ascender);
    out.U16(summary.descender);
    out.U32(summary.codePageRanges);
    out.U32(0);
    out.S16(summary.xHeight);
    out.S16(summary.capHeight);
    out.U16(0);   // default character: .notdef
    out.U16(32);  // break character: space
    out.U16(0);   // no contextual lookups
    return table;
}

Bytes PostTable(const FontSummary& summary) {
    const int pixel = summary.unit;
    Bytes table;
    BigEndianWriter out(table);
    out.U32(0x00030000);  // no glyph names
    out.U32(0);           // italic angle
    out.S16(-pixel);      // underline one pixel below the baseline, one pixel thick
    out.S16(pixel);
    out.U32(summary.monospaced ? 1 : 0);
    out.Zeros(16);
    return table;
}

Bytes GaspTable() {
    Bytes table;
    BigEndianWriter out(table);
    out.U16(1);  // version
    out.U16(1);  // one range: every size
    out.U16(0xFFFF);
    out.U16(0);  // neither grid fitting nor smoothing
    return table;
}

Bytes PrepTable() {
    return {
        0xB8, 0x01, 0xFF,  // PUSHW[0] 511: dropout control at every size
        0x85,              // SCANCTRL
        0xB0, 0x05,        // PUSHB[0] 5: smart dropout control, stubs excluded
        0x8D,              // SCANTYPE
    };
}

namespace {

// The table directory of tables placed at `offsets`: the header, then a
// record per table sorted by tag. Its checksum and the tables' are added
// to `fileSum`.
Bytes TableDirectory(const std::vector<FontTable>& tables, const std::vector<std::size_t>& offsets,
                     std::uint32_t& fileSum) {
    const auto count = static_cast<unsigned>(tables.size());
    const unsigned searchRange = 16 * std::bit_floor(count);
    std::vector<std::size_t> byTag(tables.size());
    for (std::size_t k = 0; k < tables.size(); ++k)
        byTag[k] = k;
    std::sort(byTag.begin(), byTag.end(),
              [&](std::size_t a, std::size_t b) { return tables[a].tag < tables[b].tag; });

    Bytes directory;
    BigEndianWriter out(directory);
    out.U32(kVersion1);
    out.U16(count);
    out.U16(searchRange);
    out.U16(static_cast<unsigned>(std::countr_zero(searchRange / 16)));
    out.U16(16 * count - searchRange);
    for (const std::size_t k : byTag) {
        const Bytes& bytes = tables[k].bytes;
        const std::uint32_t tableSum = Checksum(bytes.data(), bytes.size());
        fileSum += tableSum;
        out.Tag(tables[k].tag.c_str());
        out.U32(tableSum);
        out.U32(offsets[k]);
        out.U32(bytes.size());
    }
    fileSum += Checksum(directory.data(), directory.size());
    return directory;
}

}  // namespace

Bytes AssembleFont(std::vector<FontTable> tables) {
    std::vector<std::size_t> offsets;
    std::size_t size = 12 + 16 * tables.size();
    for (const FontTable& table : tables) {
        offsets.push_back(size);
        size += Padded(table.bytes.size());
    }
    // The whole file's sum is its tables' sums and the directory's: each
    // table starts on a four-byte boundary and its padding is zeros.
    std::uint32_t sum = 0;
    Bytes front = TableDirectory(tables, offsets, sum);

    // The file is made in the largest table's own room (the glyph data's),
    // so that it is not copied: the tables before it go in front of it.
    const auto largest =
        static_cast<std::size_t>(std::max_element(tables.begin(), tables.end(),
                                                  [](const FontTable& a, const FontTable& b) {
                                                      return a.bytes.size() < b.bytes.size();
                                                  }) -
                                 tables.begin());
    BigEndianWriter before(front);
    for (std::size_t k = 0; k < largest; ++k)
        AppendPadded(before, tables[k].bytes);
    Bytes font = std::move(tables[largest].bytes);
    font.reserve(size);
    font.insert(font.begin(), front.begin(), front.end());
    BigEndianWriter after(font);
    after.Zeros(Padded(font.size()) - font.size());
    for (std::size_t k = largest + 1; k < tables.size(); ++k)
        AppendPadded(after, tables[k].bytes);
    for (std::size_t k = 0; k < tables.size(); ++k)
        if (tables[k].tag == "head")
            StoreBigEndian(font.data() + offsets[k] + kHeadAdjustmentAt, kChecksumMagic - sum, 4);
    return font;
}

}  // namespace gft
