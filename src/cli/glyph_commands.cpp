// Script commands over the glyph set: selection, the mouse on the tiles, block
// copy and delete, the height, refresh and the hover display.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "commands/glyphs/block_copy.h"
#include "commands/glyphs/height_gap.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/selection.h"
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

// A command that runs a session operation with the index of its one word.
Command Indexed(void (*operation)(Session&, int), Words choices) {
    return {1, 1, [operation, choices = std::move(choices)](RunContext& run, const Args& args) {
                operation(run.session, Choice(args[0], choices));
            }};
}

Command Plain(void (*operation)(Session&)) {
    return {0, 0, [operation](RunContext& run, const Args&) { operation(run.session); }};
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

// The mouse over a tile; prints the hover display as it then stands.
void Hover(RunContext& run, const Args& args) {
    HoverUpdate(run.session, ParseCode(args[0]));
    const ConsoleView::Hover& shown = run.view.ShownHover();
    if (shown.code < 0) {
        run.out << "hover: (nothing shown)\n";
        return;
    }
    run.out << "hover: " << shown.label;
    if (shown.zoomWidth > 0) run.out << " (" << shown.zoomWidth << " x " << shown.zoomHeight << ")";
    run.out << '\n';
}

}  // namespace

void AddGlyphCommands(CommandTable& table) {
    table["select"] = Indexed([](Session& s, int i) { Select(s, static_cast<Selection>(i)); },
                              {"all", "none", "invert"});
    table["select-where"] =
        Indexed([](Session& s, int i) { SelectWhere(s, static_cast<GlyphKind>(i)); },
                {"width0", "errors", "present"});
    table["select-block"] =
        Indexed([](Session& s, int i) { SelectBlock(s, static_cast<CodeBlock>(i)); },
                {"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    table["select-polish"] = Plain(SelectPolish);
    table["toggle"] = Mouse(kRightButton);
    table["click"] = {1, 2, LeftClick};
    table["edit"] = Mouse(kMiddleButton);
    table["esc"] = {0, 0, Escape};
    table["copy-block"] = Indexed(
        [](Session& s, int i) { CopyCapitalsOverSmall(s, static_cast<CaseBlock>(i)); }, {"0", "1"});
    table["delete-selected"] = Plain(DeleteSelected);
    table["height"] = Indexed(
        [](Session& s, int i) {
            ChangeHeight(s, i < 2 ? Edge::Top : Edge::Bottom,
                         i % 2 == 0 ? RowStep::Add : RowStep::Remove);
        },
        {"0", "1", "2", "3"});
    table["refresh"] = Plain(Refresh);
    table["hover"] = {1, 1, Hover};
}

}  // namespace gft::cli
