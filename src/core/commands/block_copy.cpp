// Block copy of capitals over small letters, and the delete of the selection.
#include "commands/block_copy.h"

#include <string>

#include "app/session.h"
#include "commands/move_copy.h"
#include "commands/selection.h"
#include "render/preview.h"

namespace gft {

namespace {

// What a block copy came to: nothing differed, only empty sources differed,
// or at least one glyph was copied.
enum class CopyResult { kAllSame, kNothingCopied, kCopied };

// Destinations the international block never writes: their sources 215 (×)
// and 223 (ß) have no capital/small pair.
bool SkippedIntentionally(int code) {
    return code == 247 || code == 255;
}

std::string CharacterLine(int code, const char* text) {
    return "Character " + std::to_string(code) + text;
}

// Copies source over destination when they differ and the source has a
// glyph; logs the outcome for this pair.
void CopyOne(Session& session, int source, int destination, CopyResult& result) {
    auto& chars = session.font.Chars;
    const CharInfo& from = chars[static_cast<std::size_t>(source)];
    if (CharsDiffer(session, source, destination)) {
        if (from.Present) {
            chars[static_cast<std::size_t>(destination)] = from;
            result = CopyResult::kCopied;
            session.Log(CharacterLine(destination, " replaced"));
        } else {
            if (result == CopyResult::kAllSame) result = CopyResult::kNothingCopied;
            session.Log(CharacterLine(source, " is empty - skipped"));
        }
    } else if (from.Present) {
        session.Log(CharacterLine(source, " is same as destination - skipped"));
    } else {
        session.Log(CharacterLine(source, " is empty same as destination - skipped"));
    }
}

}  // namespace

void mnuCopyBlock_Click(Session& session, int index) {
    if (!session.font.FontLoaded || index < 0 || index > 1) return;
    CancelMove(session);
    const int first = index == 0 ? 97 : 224;
    const int last = index == 0 ? 122 : 255;
    CopyResult result = CopyResult::kAllSame;
    for (int destination = first; destination <= last; ++destination) {
        if (SkippedIntentionally(destination)) {
            session.Log(CharacterLine(destination, " skipped - edit manually"));
            continue;
        }
        CopyOne(session, destination - 32, destination, result);
    }
    if (index == 1) session.Log("Two characters skipped intentionally");

    switch (result) {
        case CopyResult::kCopied:
            RedrawTiles(session, first, last);
            session.setMaxWidth();
            session.SetEditStatus(2);
            session.Log("All diferent characters are copied");
            break;
        case CopyResult::kNothingCopied:
            session.Log("Nothing copied - empty or same source");
            break;
        case CopyResult::kAllSame:
            session.Log("All characters to copy are actually the same");
            break;
    }
}

void mnuDelAllSelected_Click(Session& session) {
    if (!session.font.FontLoaded) return;
    CancelMove(session);
    Font& font = session.font;
    bool changed = false;
    for (int c = 0; c < kGlyphCount; ++c) {
        if (font.Selected[static_cast<std::size_t>(c)] != 1) continue;
        CharInfo& glyph = font.Chars[static_cast<std::size_t>(c)];
        if (glyph.HasError != 0 || glyph.Present) {
            MakeAbsent(glyph, font.FontHeight);
            glyph.HasError = 0;
            changed = true;
        }
        SelectRange(session, c, c, 0);
    }
    if (!changed) return;
    session.setMaxWidth();
    session.SetEditStatus(2);
}

bool CharsDiffer(const Session& session, int a, int b) {
    return !GlyphsEqual(session.font.Chars[static_cast<std::size_t>(a)],
                        session.font.Chars[static_cast<std::size_t>(b)]);
}

}  // namespace gft
