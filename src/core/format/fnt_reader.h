#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// What a read makes of the file's glyphs: load takes them all, merge only
// those the current font lacks, merge all every glyph the file has (marking
// the ones it replaced with other bytes or width), compare only marks the
// glyphs that differ.
enum class FntReadMode : std::uint8_t { Load, Merge, Compare, MergeAll };

enum class FntReadStatus : std::uint8_t {
    Read,         // the header was accepted and the glyphs parsed
    TooSmall,     // shorter than the header, tables and place-holder byte
    NotFnt,       // the magic bytes are wrong
    OtherHeight,  // merge and compare: the file's height is not the font's
};

// One line of the reader's report; a finding names a fault of the file.
struct FntReportLine {
    std::string text;
    bool finding = true;
};

struct FntReport {
    FntReadStatus status = FntReadStatus::Read;
    // The report in the order the program shows it: for a rejected file its
    // one reason, else the faults found and repaired, and the glyphs merged
    // or found different.
    std::vector<FntReportLine> lines;
    // Load: the file's font (no selection, the current font's edit level).
    // Merge: the current font with the glyphs it lacked taken from the file;
    // merge all also with its present glyphs replaced, Different marking
    // those that changed. Compare: the current font with Different marking
    // the glyphs the file has otherwise.
    Font font;
    // Compare: the file's glyphs, as the current font's height reads them.
    std::array<CharInfo, kGlyphCount> compared{};
    int imported = 0;             // merge: glyphs taken from the file into absent places
    int replaced = 0;             // merge all: present glyphs replaced by other ones
    int different = 0;            // compare: glyphs that differ
    bool sameAttributes = false;  // compare: the attribute bytes are equal

    bool Accepted() const { return status == FntReadStatus::Read; }
    int Findings() const;
};

// Reads an FNT file image, repairing every inconsistency it reports. current
// is the font the file meets (its height decides for merge and compare);
// fileLength is the length of the whole file when file holds only its first
// bytes (nothing past fnt::kUsefulFilePrefix is ever used), else -1.
FntReport ParseFnt(const Bytes& file, FntReadMode mode = FntReadMode::Load,
                   const Font& current = Font{}, std::int64_t fileLength = -1);

}  // namespace gft
