// Feeds any bytes to the FNT reader as a file: load into a session holding
// another font, then compare and merge against a font of the file's height,
// then write the loaded font back and read it again.
#include <algorithm>

#include "commands/files/read_font.h"
#include "format/fnt_writer.h"
#include "fuzz_support.h"
#include "session/session.h"
#include "support/app_error.h"

namespace {

using namespace gft;
using gft::fuzz::Require;
using gft::fuzz::RequireSoundFont;

struct Editor {
    View view;
    Session session{view};
    explicit Editor(const Font& font) {
        session.TempFolder = fuzz::Scratch::Get().Tiles();
        session.tileCache = std::move(fuzz::Scratch::Get().tileCache);
        session.font = font;
    }
    ~Editor() { fuzz::Scratch::Get().tileCache = std::move(session.tileCache); }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;
};

// A rejected file leaves the font as it was; an accepted one leaves a sound font.
ReadOutcome Read(Editor& editor, const std::string& path, OpenMode mode) {
    const Font before = editor.session.font;
    ReadOutcome outcome;
    try {
        outcome = ReadFntFile(editor.session, path, mode);
    } catch (const AppError&) {
        Require(false, "the reader threw on a readable file");
    }
    if (!outcome.accepted)
        Require(editor.session.font == before, "a rejected file changed the font");
    RequireSoundFont(editor.session.font);
    return outcome;
}

void CompareAndMerge(const std::string& path, int height) {
    const Font base = fuzz::BaseFont(height);
    Editor editor(base);
    Read(editor, path, kModeCompare);
    Require(editor.session.font.Chars == base.Chars, "compare changed a glyph");
    Read(editor, path, kModeMerge);
    for (int code = 0; code < kGlyphCount; ++code)
        if (base.Chars[code].Present)
            Require(GlyphsEqual(editor.session.font.Chars[code], base.Chars[code]),
                    "merge replaced a present glyph");
    Read(editor, path, kModeCompare);
}

// What the writer makes of a loaded font reads back as the same font, with no
// complaint but the one about present glyphs of width 0.
void RoundTrip(const Font& font, bool shareDuplicates) {
    Bytes image;
    try {
        image = BuildFntImage(font, shareDuplicates);
    } catch (const AppError& error) {
        Require(error.number() == kOverflowError, "the writer failed other than by overflow");
        return;
    }
    const std::string path = fuzz::Scratch::Get().Write("again.fnt", image.data(), image.size());
    Editor again(fuzz::BaseFont(1));
    const ReadOutcome outcome = Read(again, path, kModeLoad);
    Require(outcome.accepted, "the reader refused what the writer wrote");
    const Font& read = again.session.font;
    Require(read.FontHeight == font.FontHeight && read.AttrSection == font.AttrSection,
            "height or attributes changed on the way through a file");
    int zeroWidth = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        Require(GlyphsEqual(read.Chars[code], font.Chars[code]), "a glyph changed through a file");
        zeroWidth += font.Chars[code].Present && font.Chars[code].Width == 0;
    }
    Require(outcome.findings == zeroWidth, "the reader complained about what the writer wrote");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Scratch::Get().Write("input.fnt", data, size);
    Editor editor(fuzz::BaseFont(5));
    if (Read(editor, path, kModeLoad).accepted)
        RoundTrip(editor.session.font, size > 0 && (data[size - 1] & 1));
    const int height = size > 7 ? data[7] : 0;
    if (height > 0) CompareAndMerge(path, height);
    return 0;
}
