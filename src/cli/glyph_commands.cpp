// Script commands of the glyph grid that are no menu command: the mouse on
// the tiles, Esc and the hover display.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_table.h"
#include "commands/glyphs/grid_keys.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/tile_mouse.h"
#include "commands/window/window_commands.h"
#include "runner.h"

namespace gft::cli {

namespace {

using Words = std::vector<std::string>;

// The position of word among the choices; a UsageError for any other word.
int Choice(const std::string& word, const Words& choices) {
    const auto found = std::find(choices.begin(), choices.end(), word);
    if (found != choices.end()) return static_cast<int>(found - choices.begin());
    std::string expected;
    for (const auto& choice : choices)
        expected += (expected.empty() ? "" : "|") + choice;
    throw UsageError("expected " + expected + ", got '" + word + "'");
}

Command Mouse(int button) {
    return {1, 1, [button](RunContext& run, const Args& args) {
                PressOnTile(run.session, ParseCode(args[0]), button, 0);
            }};
}

void LeftClick(RunContext& run, const Args& args) {
    const int code = ParseCode(args[0]);
    const int shift = args.size() < 2 ? 0 : 1 << Choice(args[1], {"shift", "ctrl", "alt"});
    PressOnTile(run.session, code, kLeftButton, shift);
}

void Escape(RunContext& run, const Args&) {
    EscapePressed(run.session);
    if (run.view.WasCloseRequested()) run.stop = true;
}

void PrintHover(RunContext& run) {
    const ConsoleView::Hover& shown = run.view.ShownHover();
    if (shown.code < 0) {
        run.out << "hover: (nothing shown)\n";
        return;
    }
    run.out << "hover: " << shown.label;
    if (shown.zoomWidth > 0) run.out << " (" << shown.zoomWidth << " x " << shown.zoomHeight << ")";
    run.out << '\n';
}

// The mouse over a tile; prints the hover display as it then stands.
void Hover(RunContext& run, const Args& args) {
    HoverUpdate(run.session, ParseCode(args[0]));
    PrintHover(run);
}

// A key pressed with the glyph grid focused (F4: "Edit character..."); prints
// the hover display, which follows the focus tile.
void Key(RunContext& run, const Args& args) {
    const auto key = GridKeyNamed(args[0]);
    if (!key && args[0] != "f4")
        throw UsageError(
            "expected a key (left right up down home end pgup pgdn ctrl+home "
            "ctrl+end space enter shift+enter f4), got '" +
            args[0] + "'");
    if (!run.session.GridFocused) SetGridFocused(run.session, true);
    if (key)
        PressGridKey(run.session, *key);
    else
        RunCommand(run.session, "mnuCharEditor");
    PrintHover(run);
}

}  // namespace

void AddGlyphCommands(CommandTable& table) {
    table["toggle"] = Mouse(kRightButton);
    table["click"] = {1, 2, LeftClick};
    table["edit"] = Mouse(kMiddleButton);
    table["esc"] = {0, 0, Escape};
    table["hover"] = {1, 1, Hover};
    table["key"] = {1, 1, Key};
}

}  // namespace gft::cli
