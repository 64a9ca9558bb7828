// Feeds any bytes as the selection table (.lok) beside a font: read on its
// own into a font with a selection of its own, then by loading the font
// beside it and by an 8-bit import of the same name (Atari order for an odd
// size). Whatever the table holds, only 0 and 1 may come out.
#include <algorithm>

#include "commands/files/import_font.h"
#include "commands/files/lok_file.h"
#include "commands/files/read_font.h"
#include "format/fnt_writer.h"
#include "fuzz_support.h"
#include "support/app_error.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

struct Fixture {
    std::string font;      // an FNT file, "table.fnt"
    std::string eightBit;  // a 1024-byte 8-bit font, "table.bin"
    int fontFindings = 0;  // what loading the font says without a table
};

const Fixture& Files() {
    static const Fixture fixture = [] {
        auto& scratch = fuzz::Scratch::Get();
        Fixture made;
        const Bytes image = BuildFntImage(fuzz::BaseFont(9), false);
        made.font = scratch.Write("table.fnt", image.data(), image.size());
        Bytes eightBit(1024);
        for (std::size_t i = 0; i < eightBit.size(); ++i)
            eightBit[i] = static_cast<std::uint8_t>(i * 7);
        made.eightBit = scratch.Write("table.bin", eightBit.data(), eightBit.size());
        View view;
        fuzz::ScratchSession editor(view);
        made.fontFindings = ReadFntFile(editor.session, made.font, kModeLoad).findings;
        return made;
    }();
    return fixture;
}

int ExpectedWarnings(std::size_t size) {
    return size != 0 && size != 256 ? 1 : 0;
}

// The table's byte for code c as a selection: 0 or 1; codes past the table
// keep `otherwise`.
std::uint8_t Expected(const std::uint8_t* data, std::size_t size, int c, std::uint8_t otherwise) {
    return static_cast<std::size_t>(c) < size ? std::min<std::uint8_t>(data[c], 1) : otherwise;
}

void ReadAlone(const std::uint8_t* data, std::size_t size) {
    View view;
    fuzz::ScratchSession editor(view);
    Session& session = editor.session;
    session.font = fuzz::BaseFont(9);
    for (int c = 0; c < kGlyphCount; ++c)
        session.font.Selected[c] = static_cast<std::uint8_t>(c / 5 % 2);
    const auto before = session.font.Selected;
    int warnings = 0;
    try {
        warnings = LoadSelectionTable(session, Files().font, session.font.Selected);
    } catch (const AppError&) {
        Require(false, "a readable table threw");
    }
    Require(warnings == ExpectedWarnings(size), "wrong number of size warnings");
    Require(session.LogLines().size() == static_cast<std::size_t>(warnings),
            "the table logged more than its size warning");
    if (warnings)
        Require(session.LogLines()[0] == (size < 256
                                              ? "Selection table (lok) is smaller than 256 Bytes"
                                              : "Selection table (lok) is bigger than 256 Bytes"),
                "wrong size warning");
    for (int c = 0; c < kGlyphCount; ++c)
        Require(session.font.Selected[c] == Expected(data, size, c, before[c]),
                "a code's selection is not the table's byte as 0 or 1");
}

void ReadWithFont(const std::uint8_t* data, std::size_t size) {
    View view;
    fuzz::ScratchSession editor(view);
    const ReadOutcome outcome = ReadFntFile(editor.session, Files().font, kModeLoad);
    Require(outcome.accepted, "the font beside the table was refused");
    Require(outcome.findings == Files().fontFindings + ExpectedWarnings(size),
            "the table changed what the font load reports");
    fuzz::RequireSoundFont(editor.session.font);
    for (int c = 0; c < kGlyphCount; ++c)
        Require(editor.session.font.Selected[c] == Expected(data, size, c, 0),
                "the loaded selection is not the table's");
}

void ReadWithImport(std::size_t size) {
    View view;
    fuzz::ScratchSession editor(view);
    editor.session.font = fuzz::BaseFont(9);
    ImportEightBitFont(editor.session, Files().eightBit, size % 2 == 1);
    fuzz::RequireSoundFont(editor.session.font);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Files();
    fuzz::Scratch::Get().Write("table.lok", data, size);
    try {
        ReadAlone(data, size);
        ReadWithFont(data, size);
        ReadWithImport(size);
    } catch (const AppError&) {
        Require(false, "reading beside a readable table threw");
    }
    return 0;
}
