#pragma once

namespace gft {

class Session;

// "&Inverse": flips the visible pixels, keeping the beyond-width bits and
// Present as they are.
void cmdInverse_Click(Session& session);

// "Clear": clears the visible pixels, keeping the beyond-width bits.
void cmdClear_Click(Session& session);

// "Clear &outside": clears the beyond-width bits (the whole row at width 0).
void cmdClrOutside_Click(Session& session);

}  // namespace gft
