#include "commands/editor/non_used_part.h"

#include "session/editor_state.h"

namespace gft {

namespace {

std::uint8_t NonUsedMask(int width) {
    return static_cast<std::uint8_t>((1u << NonUsedBitCount(width)) - 1);
}

}  // namespace

int NonUsedBitCount(int width) {
    return CharInfo::BytesPerRowFor(width) * 8 - width;
}

std::uint8_t SeparateNonUsedPart(EditorState& editor, std::uint8_t byteTo) {
    const std::uint8_t mask = NonUsedMask(editor.EditChr.Width);
    if (mask == 0) return byteTo;
    editor.NonUsedPart = byteTo & mask;
    return byteTo ^ editor.NonUsedPart;
}

std::uint8_t PutBackNonUsedPart(const EditorState& editor, std::uint8_t byteTo) {
    const std::uint8_t mask = NonUsedMask(editor.EditChr.Width);
    if (mask == 0) return byteTo;
    return static_cast<std::uint8_t>((byteTo & ~mask) | (editor.NonUsedPart & mask));
}

}  // namespace gft
