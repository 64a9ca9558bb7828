#pragma once

#include <cstdint>

namespace gft {

class Session;

// Sets codes from..to to value, redrawing each code that changes; records a
// selection change. Only while a font is loaded.
void SelectRange(Session& session, int from, int to, std::uint8_t value);

enum class Selection : std::uint8_t { All, None, Invert };
// Selects every glyph, none, or flips the selection of each.
void Select(Session& session, Selection selection);

enum class GlyphKind : std::uint8_t { PresentOfWidth0, WithError, Present };
// Adds the glyphs of a kind to the selection; logs how many there are.
void SelectWhere(Session& session, GlyphKind kind);

// The code blocks of "Select more".
enum class CodeBlock : std::uint8_t {
    Controls,            // 0..31
    Special,             // punctuation and signs below 128
    Digits,              // 48..57
    UpperCase,           // 65..90
    LowerCase,           // 97..122
    International1,      // 128..159
    International2,      // 160..191
    InternationalUpper,  // 192..223
    InternationalLower,  // 224..255
};
inline constexpr int kCodeBlockCount = 9;
// Adds a block of codes to the selection.
void SelectBlock(Session& session, CodeBlock block);
// Adds the 18 Polish letters of Windows-1250 to the selection.
void SelectPolish(Session& session);

// The right-click on tile c: flips its selection, redraws it and shows it in
// the hover display.
void ToggleSelection(Session& session, int code);

}  // namespace gft
