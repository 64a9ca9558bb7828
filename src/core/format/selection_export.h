#pragma once

#include "format/font_model.h"
#include "support/bytes.h"

namespace gft {

// The selection table as the loader reads it: 256 bytes, 1 for a selected
// code, else 0.
Bytes SelectionTableBytes(const Font& font);

}  // namespace gft
