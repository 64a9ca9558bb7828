// Script commands of the character editor window: "ed BUTTON", "ed pixel",
// "ed caption" and "ed dump".
#include "commands/command_table.h"
#include "commands/editor/grid_geometry.h"
#include "commands/editor/pixel_edit.h"
#include "commands/glyphs/tile_mouse.h"
#include "format/glyph_dump.h"
#include "runner.h"
#include "session/session.h"

namespace gft::cli {

namespace {

int ParseCell(const std::string& text) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw UsageError("not a cell number: '" + text + "'");
}

int ParseButton(const std::string& text) {
    if (text == "left") return kLeftButton;
    if (text == "right") return kRightButton;
    throw UsageError("expected left or right, got '" + text + "'");
}

// A press in the middle of the 1-based cell; the report line is printed.
void PressOnCell(RunContext& run, const Args& args) {
    if (args.size() != 4) throw UsageError("usage: ed pixel COL ROW left|right");
    const double x = (ParseCell(args[1]) - 1) * kCellPitch + kCellPitch / 2;
    const double y = (ParseCell(args[2]) - 1) * kCellPitch + kCellPitch / 2;
    PressOnGrid(run.session, ParseButton(args[3]), x, y);
    run.out << run.session.editor.Report << '\n';
}

void RunEditorCommand(RunContext& run, const Args& args) {
    Session& session = run.session;
    if (!session.editor.visible) throw UsageError("the character editor is not open");
    const std::string& what = args[0];
    if (what == "pixel") return PressOnCell(run, args);
    if (args.size() != 1) throw UsageError("wrong number of arguments for 'ed " + what + "'");
    if (what == "caption") {
        run.out << session.editor.Caption << '\n';
    } else if (what == "dump") {
        const int code = session.EditorChar;
        run.out << DumpGlyph(session.editor.EditChr, session.font.FontHeight, code,
                             session.font.Selection(code) != 0);
    } else if (const CommandSpec* button = FindRunnerCommand("ed " + what)) {
        RunCommand(session, *button);
    } else {
        throw UsageError("unknown editor command '" + what + "'");
    }
}

}  // namespace

void AddEditorCommands(CommandTable& table) {
    table["ed"] = {1, 4, RunEditorCommand};
}

}  // namespace gft::cli
