// Placeholder bodies; block copy and delete are being written.
#include "commands/block_copy.h"

#include "app/session.h"

namespace gft {

void mnuCopyBlock_Click(Session&, int) {}
void mnuDelAllSelected_Click(Session&) {}
bool CharsDiffer(const Session& session, int a, int b) {
    return !GlyphsEqual(session.font.Chars[a], session.font.Chars[b]);
}

}  // namespace gft
