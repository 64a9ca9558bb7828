#pragma once

namespace gft {

class Session;

// "&Inverse": flips the visible pixels, keeping the beyond-width bits and
// Present as they are.
void InvertGlyph(Session& session);

// "Clear": clears the visible pixels, keeping the beyond-width bits.
void ClearGlyph(Session& session);

// "Clear &outside": clears the beyond-width bits (the whole row at width 0).
void ClearBeyondWidth(Session& session);

}  // namespace gft
