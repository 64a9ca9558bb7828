#include "session/change_marks.h"

#include <algorithm>
#include <utility>

#include "session/session.h"

namespace gft {

bool GlyphChanged(const Session& session, int code) {
    const Font& font = session.font;
    if (!font.FontLoaded) return false;
    const FontSnapshot& saved = session.history.Saved();
    const auto& before = saved.Glyph(code);
    const CharInfo& now = font.Glyph(code);
    if (!saved.FontLoaded || !before) return now.Present;
    if (!before->Present && !now.Present) return false;  // absent at any height
    return !GlyphsEqual(*before, now);
}

std::vector<int> ChangedCodes(const Session& session) {
    std::vector<int> codes;
    for (int code = 0; code < kGlyphCount; ++code)
        if (GlyphChanged(session, code)) codes.push_back(code);
    return codes;
}

void ShowChangeMarks(Session& session, int first, int last) {
    if (first > last) std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, kGlyphCount - 1);
    std::array<bool, kGlyphCount> changed{};
    for (int code = first; code <= last; ++code)
        changed[static_cast<std::size_t>(code)] = GlyphChanged(session, code);
    session.view.ChangeMarksChanged(first, last, changed);
}

}  // namespace gft
