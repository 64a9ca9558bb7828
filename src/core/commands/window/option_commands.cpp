#include "commands/window/option_commands.h"

#include "session/preview.h"

namespace gft {

namespace {

// "[Width > 8 = yellow]": lists every glyph wider than 8 and redraws it.
void ListWideGlyphs(Session& session) {
    if (!session.font.FontLoaded) return;
    int count = 0;
    for (int code = 0; code < kGlyphCount; ++code) {
        const int width = session.font.Glyph(code).Width;
        if (width <= 8) continue;
        session.Log("Character " + std::to_string(code) +
                    " have width > 8 = " + std::to_string(width));
        RedrawTiles(session, code, code);
        ++count;
    }
    session.Log(std::to_string(count) + " characters have width bigger than 8");
}

void RunMenuOnlyCommand(Session& session, Toggle toggle) {
    if (toggle == Toggle::DontCutBitmaps) {
        if (session.font.FontLoaded) RedrawTiles(session, 0, 255);
    } else if (toggle == Toggle::YellowWidthMore8) {
        ListWideGlyphs(session);
    }  // "[Keep tile proportions]" changes only how the view draws the tiles
}

// The box's own work after its value changed.
void RunBoxHandler(Session& session, Toggle toggle) {
    if (toggle == Toggle::UseSrcPath) UseSourcePathForOutput(session);
}

}  // namespace

void ClickToggle(Session& session, Toggle toggle) {
    const bool on = !session.options[toggle];
    session.options[toggle] = on;
    session.view.ToggleChanged(toggle, on);
    if (IsMenuOnly(toggle))
        RunMenuOnlyCommand(session, toggle);
    else
        RunBoxHandler(session, toggle);
}

void SetToggle(Session& session, Toggle toggle, bool on) {
    if (session.options[toggle] != on) ClickToggle(session, toggle);
}

void SetMenuMark(Session& session, Toggle toggle, bool on) {
    if (session.options[toggle] == on) return;
    session.options[toggle] = on;
    session.view.ToggleChanged(toggle, on);
}

void UseSourcePathForOutput(Session& session) {
    if (!session.On(Toggle::UseSrcPath)) return;
    // Before any font (the settings read at start-up), the Load dialog's
    // file. A New FNT or an imported typeface has no file of its own: Save
    // FNT keeps asking for one.
    const std::string& source =
        session.font.FontLoaded ? session.fontFile : session.FilePaths[kModeLoad];
    if (source.empty()) return;
    session.FilePaths[kModeSave] = source;
    session.Log("Output path set to input");
}

}  // namespace gft
