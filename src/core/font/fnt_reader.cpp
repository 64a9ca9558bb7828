#include "font/fnt_reader.h"

#include <algorithm>

#include "app/option_commands.h"
#include "app/undo.h"
#include "editor/compare_overlay.h"
#include "font/fnt_format.h"
#include "font/selection_table.h"
#include "render/preview.h"
#include "support/file_helpers.h"

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
    GlyphParser(Session& session, const FntImage& image, OpenMode mode, int fontHeight)
        : session_(session), image_(image), mode_(mode), height_(fontHeight) {}

    int findings = 0;

    // Parses glyph c into glyph. Returns false when merge skips the code.
    bool Parse(int c, CharInfo& glyph) {
        if (mode_ != kModeMerge) glyph.HasError = 0;
        std::int64_t p = image_.Pointer(c);
        if (p >= image_.blockSize) {
            Report("Character " + Num(c) + " trying read data outside data block");
            Report("(block size: " + Num(image_.blockSize - 1) + ", trying read at: " + Num(p) +
                   ") set to null!");
            p = 0;
            if (mode_ != kModeMerge) glyph.HasError = 1;
        }
        if (p == 0) {
            if (mode_ == kModeMerge) return false;
            ParseAbsent(c, glyph);
            return true;
        }
        ParsePresent(c, p, glyph);
        return true;
    }

  private:
    void Report(const std::string& line) {
        if (mode_ == kModeCompare) return;
        session_.Log(line);
        ++findings;
    }

    void ParseAbsent(int c, CharInfo& glyph) {
        const int width = image_.Width(c);
        if (width != 0)
            Report("Character " + Num(c) + " data not set, but width is: " + Num(width) +
                   ", reset to 0!");
        MakeAbsent(glyph, height_);
    }

    void ParsePresent(int c, std::int64_t p, CharInfo& glyph) {
        if (mode_ == kModeMerge) glyph.HasError = 0;
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

    Session& session_;
    const FntImage& image_;
    OpenMode mode_;
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
int CheckBlockFrame(Session& session, const FntImage& image) {
    int findings = 0;
    const Bytes& file = image.file;
    const std::size_t end = fnt::kEndFieldOffset;
    if (file[end] != 0 || file[end + 1] != 0) {
        session.Log("Expected: 0,0, got: " + Num(file[end]) + "," + Num(file[end + 1]));
        ++findings;
    }
    const std::int64_t endField = file[end + 2] * 256 + file[end + 3];
    if (endField != image.blockSize) {
        session.Log("Last pointer doesn't point to first Byte after valid data");
        session.Log("Is " + Num(endField) + " <> " + Num(image.blockSize));
        findings += 2;
    }
    if (image.Block(0) != 0) {
        session.Log("Place holder data byte is " + Num(image.Block(0)) + " <> 0");
        ++findings;
    }
    return findings;
}

ReadOutcome Load(Session& session, const std::string& path, const FntImage& image,
                 ReadOutcome outcome) {
    Font next = session.font;
    next.FontLoaded = true;
    next.FontHeight = image.file[fnt::kHeightOffset];
    if (next.FontHeight == 0) {
        session.Log("Font height set too low - changed to 1");
        ++outcome.findings;
        next.FontHeight = 1;
    }
    std::copy_n(image.file.begin() + fnt::kAttrOffset, kAttrSectionSize, next.AttrSection.begin());
    outcome.findings += CheckBlockFrame(session, image);
    GlyphParser parser(session, image, kModeLoad, next.FontHeight);
    for (int c = 0; c < kGlyphCount; ++c)
        parser.Parse(c, next.Chars[c]);
    outcome.findings += parser.findings;
    next.Selected.fill(0);
    next.Different.fill(0);
    outcome.findings += LoadSelectionTable(session, path, next.Selected);

    session.font = std::move(next);
    RedrawTiles(session, 0, 255);
    ForgetComparedFont(session);
    session.setMaxWidth();
    session.SetEditStatus(0);
    ResetHistory(session);
    session.Log("FNT Loaded");
    chkUseSrcPath_Click(session);
    session.ShowReadyStatus();
    return outcome;
}

ReadOutcome Merge(Session& session, const FntImage& image, ReadOutcome outcome) {
    outcome.findings += CheckBlockFrame(session, image);
    GlyphParser parser(session, image, kModeMerge, session.font.FontHeight);
    int imported = 0;
    for (int c = 0; c < kGlyphCount; ++c) {
        CharInfo& glyph = session.font.Chars[c];
        if (glyph.Present) continue;
        CharInfo candidate = glyph;
        if (!parser.Parse(c, candidate)) continue;
        glyph = std::move(candidate);
        session.Log("Character " + Num(c) + " imported (" + Num(glyph.DataSize()) + " Bytes)");
        ++imported;
    }
    outcome.findings += parser.findings;
    RedrawTiles(session, 0, 255);
    session.setMaxWidth();
    if (imported > 0) session.SetEditStatus(2);
    session.Log("FNT Merged, " + Num(imported) + " characters imported");
    return outcome;
}

ReadOutcome Compare(Session& session, const FntImage& image, ReadOutcome outcome) {
    Font& font = session.font;
    outcome.findings += CheckBlockFrame(session, image);
    GlyphParser parser(session, image, kModeCompare, font.FontHeight);
    int different = 0;
    std::array<CharInfo, kGlyphCount> others;
    for (int c = 0; c < kGlyphCount; ++c) {
        CharInfo& other = others[c];
        other = font.Chars[c];
        parser.Parse(c, other);
        font.Different[c] = GlyphsEqual(other, font.Chars[c]) ? 0 : 1;
        if (font.Different[c]) {
            session.Log("Character " + Num(c) + " is different");
            ++different;
        }
    }
    bool selectionChanged = false;
    if (session.On(Toggle::MarkDiff)) {
        for (int c = 0; c < kGlyphCount; ++c) {
            if (font.Selected[c] != font.Different[c]) {
                font.Selected[c] = font.Different[c];
                selectionChanged = true;
            }
        }
    }
    if (selectionChanged) RedrawTiles(session, 0, 255);
    KeepComparedFont(session, others);
    const bool sameAttributes = std::equal(font.AttrSection.begin(), font.AttrSection.end(),
                                           image.file.begin() + fnt::kAttrOffset);
    if (selectionChanged) session.SetEditStatus(1);
    session.Log("FNT Compared, " + Num(different) + " different characters found");
    session.Log(sameAttributes ? "Attribute section is the same"
                               : "Attribute section is different (not supported to see / set)");
    return outcome;
}

}  // namespace

ReadOutcome ReadFntFile(Session& session, const std::string& path, OpenMode mode) {
    ReadOutcome outcome;
    if (mode == kModeCompare && session.FilePaths[kModeCompare] == session.FilePaths[kModeLoad] &&
        session.font.EditStatus < 2)
        session.Log("Trying to compare unedited FNT to it source file");

    const std::int64_t length = GetFileLength(path);
    if (length == -1) {
        session.Log("File not found!");
        return {false, 1};
    }
    Bytes file;
    {
        BusyPointer busy(session.view);
        if (length >= static_cast<std::int64_t>(fnt::kMinimumFileSize))
            file = ReadFileBytes(path, fnt::kUsefulFilePrefix, "ReadFntFile");
        RestoreStartFolder(session.StartFolder);
    }
    if (file.size() < fnt::kMinimumFileSize) {
        session.Log("File is too small!");
        return {false, 1};
    }
    if (!HeaderRecognised(file)) {
        session.Log("File not recognized as proper Grindlemoor FNT");
        return {false, 1};
    }
    const int height = file[fnt::kHeightOffset];
    if (mode != kModeLoad && height != session.font.FontHeight) {
        session.Log("Selected font height = " + Num(height) + " <> " +
                    Num(session.font.FontHeight) + " currently loaded!");
        return {false, 1};
    }

    // A file longer than the useful prefix still has its full length as B.
    const std::int64_t fileLength = file.size() < fnt::kUsefulFilePrefix
                                        ? static_cast<std::int64_t>(file.size())
                                        : std::max<std::int64_t>(length, file.size());
    const FntImage image{file, fileLength - static_cast<std::int64_t>(fnt::kDataBlockOffset)};
    outcome.accepted = true;
    switch (mode) {
        case kModeLoad:
            return Load(session, path, image, outcome);
        case kModeMerge:
            return Merge(session, image, outcome);
        default:
            return Compare(session, image, outcome);
    }
}

}  // namespace gft
