// Placeholder bodies; the selection commands are being written.
#include "app/session.h"
#include "commands/selection.h"

namespace gft {

void SelectRange(Session&, int, int, std::uint8_t) {}
void mnuSelect_Click(Session&, int) {}
void cmdUnlockAll_Click(Session&) {}
void mnuSelectVar_Click(Session&, int) {}
void mnuSelSpec_Click(Session&, int) {}
void mnuSelectPL_Click(Session&) {}

}  // namespace gft
