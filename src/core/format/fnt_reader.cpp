#include "format/fnt_reader.h"

#include <algorithm>

#include "format/fnt_format.h"

namespace gft {

namespace {

std::string Num(std::int64_t n) {
    return std::to_string(n);
}

// The parts of the file the glyph parse needs, with B the data block length.
struct FntImage {
    const Bytes& file;
    std::int64_t blockSize;  // B = file length - 796, the place-holder byte included

    int Width(int code) const { return file[fnt::kWidthTableOffset + code]; }
    std::int64_t Pointer(int code) const {
        const std::size_t at = fnt::kPointerTableOffset + 2 * static_cast<std::size_t>(code);
        return file[at] * 256 + file[at + 1];
    }
    // Byte at data block offset p; the caller keeps p below blockSize.
    std::uint8_t Block(std::int64_t p) const {
        const std::size_t at = fnt::kDataBlockOffset + static_cast<std::size_t>(p);
        return at < file.size() ? file[at] : 0;
    }
};

class GlyphParser {
  public:
    GlyphParser(FntReport& report, const FntImage& image, FntReadMode mode, int fontHeight)
        : report_(report), image_(image), mode_(mode), height_(fontHeight) {}

    // Parses glyph c into glyph. Returns false when merge skips the code.
    bool Parse(int c, CharInfo& glyph) {
        if (mode_ != FntReadMode::Merge) glyph.HasError = 0;
        std::int64_t p = image_.Pointer(c);
        if (p >= image_.blockSize) {
            Report("Character " + Num(c) + " trying read data outside data block");
            Report("(block size: " + Num(image_.blockSize - 1) + ", trying read at: " + Num(p) +
                   ") set to null!");
            p = 0;
            if (mode_ != FntReadMode::Merge) glyph.HasError = 1;
        }
        if (p == 0) {
            if (mode_ == FntReadMode::Merge) return false;
            ParseAbsent(c, glyph);
            return true;
        }
        ParsePresent(c, p, glyph);
        return true;
    }

  private:
    void Report(const std::string& line) {
        if (mode_ != FntReadMode::Compare) report_.lines.push_back({line});
    }

    void ParseAbsent(int c, CharInfo& glyph) {
        const int width = image_.Width(c);
        if (width != 0)
            Report("Character " + Num(c) + " data not set, but width is: " + Num(width) +
                   ", reset to 0!");
        MakeAbsent(glyph, height_);
    }

    void ParsePresent(int c, std::int64_t p, CharInfo& glyph) {
        if (mode_ == FntReadMode::Merge) glyph.HasError = 0;
        glyph.Present = true;
        glyph.Width = static_cast<std::uint8_t>(image_.Width(c));
        if (glyph.Width == 0) {
            Report("Character " + Num(c) + " width is set to 0");
            glyph.HasError = 1;
        }
        const std::int64_t dataSize = std::int64_t{glyph.BytesPerRow()} * height_;
        std::int64_t missing = 0;
        if (p + dataSize > image_.blockSize) {
            Report("Character " + Num(c) + " trying read too much data");
            Report("(block size: " + Num(image_.blockSize - 1) + ", trying read: " + Num(dataSize) +
                   " Bytes from: " + Num(p) + " to: " + Num(dataSize + p - 1) + ")");
            missing = p + dataSize - image_.blockSize;
            Report("Missing data size:" + Num(missing) + " Bytes, adding blank");
            glyph.HasError = 1;
        }
        glyph.Pixels.assign(static_cast<std::size_t>(dataSize), 0);
        for (std::int64_t k = 0; k < dataSize - missing; ++k)
            glyph.Pixels[static_cast<std::size_t>(k)] = image_.Block(p + k);
    }

    FntReport& report_;
    const FntImage& image_;
    FntReadMode mode_;
    int height_;
};

bool HeaderRecognised(const Bytes& file) {
    for (std::size_t i = 0; i < 12; ++i) {
        if (i == fnt::kHeightOffset) continue;
        if (file[i] != (i == 3 ? 1 : 0)) return false;
    }
    return true;
}

// The file-level checks of the end field and the place-holder byte.
void CheckBlockFrame(FntReport& report, const FntImage& image) {
    const Bytes& file = image.file;
    const std::size_t end = fnt::kEndFieldOffset;
    if (file[end] != 0 || file[end + 1] != 0)
        report.lines.push_back(
            {"Expected: 0,0, got: " + Num(file[end]) + "," + Num(file[end + 1])});
    const std::int64_t endField = file[end + 2] * 256 + file[end + 3];
    if (endField != image.blockSize) {
        report.lines.push_back({"Last pointer doesn't point to first Byte after valid data"});
        report.lines.push_back({"Is " + Num(endField) + " <> " + Num(image.blockSize)});
    }
    if (image.Block(0) != 0)
        report.lines.push_back({"Place holder data byte is " + Num(image.Block(0)) + " <> 0"});
}

void Load(FntReport& report, const FntImage& image) {
    Font& next = report.font;
    next.FontLoaded = true;
    next.FontHeight = image.file[fnt::kHeightOffset];
    if (next.FontHeight == 0) {
        report.lines.push_back({"Font height set too low - changed to 1"});
        next.FontHeight = 1;
    }
    std::copy_n(image.file.begin() + fnt::kAttrOffset, kAttrSectionSize, next.AttrSection.begin());
    CheckBlockFrame(report, image);
    GlyphParser parser(report, image, FntReadMode::Load, next.FontHeight);
    for (int c = 0; c < kGlyphCount; ++c)
        parser.Parse(c, next.Glyph(c));
    next.Selected.fill(0);
    next.Different.fill(0);
}

void Merge(FntReport& report, const FntImage& image) {
    CheckBlockFrame(report, image);
    GlyphParser parser(report, image, FntReadMode::Merge, report.font.FontHeight);
    for (int c = 0; c < kGlyphCount; ++c) {
        CharInfo& glyph = report.font.Glyph(c);
        if (glyph.Present) continue;
        CharInfo candidate = glyph;
        if (!parser.Parse(c, candidate)) continue;
        glyph = std::move(candidate);
        report.lines.push_back(
            {"Character " + Num(c) + " imported (" + Num(glyph.DataSize()) + " Bytes)", false});
        ++report.imported;
    }
}

void MergeAll(FntReport& report, const FntImage& image) {
    Font& font = report.font;
    CheckBlockFrame(report, image);
    GlyphParser parser(report, image, FntReadMode::Merge, font.FontHeight);
    font.Different.fill(0);
    for (int c = 0; c < kGlyphCount; ++c) {
        CharInfo& glyph = font.Glyph(c);
        CharInfo candidate = glyph;
        if (!parser.Parse(c, candidate)) continue;
        if (!glyph.Present) {
            report.lines.push_back(
                {"Character " + Num(c) + " imported (" + Num(candidate.DataSize()) + " Bytes)",
                 false});
            ++report.imported;
        } else if (!GlyphsEqual(candidate, glyph)) {
            report.lines.push_back({"Character " + Num(c) + " replaced", false});
            font.Different[c] = 1;
            ++report.replaced;
        }
        glyph = std::move(candidate);
    }
}

void Compare(FntReport& report, const FntImage& image) {
    Font& font = report.font;
    CheckBlockFrame(report, image);
    GlyphParser parser(report, image, FntReadMode::Compare, font.FontHeight);
    for (int c = 0; c < kGlyphCount; ++c) {
        CharInfo& other = report.compared[c];
        other = font.Glyph(c);
        parser.Parse(c, other);
        font.Different[c] = GlyphsEqual(other, font.Glyph(c)) ? 0 : 1;
        if (font.Different[c]) {
            report.lines.push_back({"Character " + Num(c) + " is different", false});
            ++report.different;
        }
    }
    report.sameAttributes = std::equal(font.AttrSection.begin(), font.AttrSection.end(),
                                       image.file.begin() + fnt::kAttrOffset);
}

void SetMaxWidth(Font& font) {
    font.MaxWidth = 0;
    for (const CharInfo& glyph : font.Chars)
        font.MaxWidth = std::max(font.MaxWidth, glyph.Width);
}

FntReport Rejected(FntReadStatus status, const Font& current, std::string line) {
    FntReport report;
    report.status = status;
    report.font = current;
    report.lines.push_back({std::move(line)});
    return report;
}

}  // namespace

int FntReport::Findings() const {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& line) { return line.finding; }));
}

FntReport ParseFnt(const Bytes& file, FntReadMode mode, const Font& current,
                   std::int64_t fileLength) {
    if (file.size() < fnt::kMinimumFileSize)
        return Rejected(FntReadStatus::TooSmall, current, "File is too small!");
    if (!HeaderRecognised(file))
        return Rejected(FntReadStatus::NotFnt, current,
                        "File not recognized as proper Grindlemoor FNT");
    const int height = file[fnt::kHeightOffset];
    if (mode != FntReadMode::Load && height != current.FontHeight)
        return Rejected(FntReadStatus::OtherHeight, current,
                        "Selected font height = " + Num(height) + " <> " + Num(current.FontHeight) +
                            " currently loaded!");

    // A file longer than the useful prefix still has its full length as B.
    const auto size = static_cast<std::int64_t>(file.size());
    const std::int64_t length =
        file.size() < fnt::kUsefulFilePrefix ? size : std::max<std::int64_t>(fileLength, size);
    const FntImage image{file, length - static_cast<std::int64_t>(fnt::kDataBlockOffset)};
    FntReport report;
    report.font = current;
    switch (mode) {
        case FntReadMode::Load:
            Load(report, image);
            SetMaxWidth(report.font);
            break;
        case FntReadMode::Merge:
            Merge(report, image);
            SetMaxWidth(report.font);
            break;
        case FntReadMode::MergeAll:
            MergeAll(report, image);
            break;
        case FntReadMode::Compare:
            Compare(report, image);
            break;
    }
    return report;
}

}  // namespace gft
