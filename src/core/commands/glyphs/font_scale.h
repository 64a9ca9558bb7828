#pragma once

namespace gft {

class Session;

// Edit > Transform > "Scale font...": drops a picked-up glyph, asks for the
// factor (2 or 3), then scales.
void AskScaleFont(Session& session);
// Multiplies the height and every present glyph's width by factor, each
// pixel becoming a factor x factor block; the selection stays. Refused with
// a log line when the height or a width would pass 255, or the font would
// not fit a font file.
void ScaleFont(Session& session, int factor);

}  // namespace gft
