// grindfnt: the editor's commands without a window.
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "commands/command_table.h"
#include "commands/files/file_commands.h"
#include "commands/files/read_font.h"
#include "commands/files/recovery.h"
#include "commands/window/settings.h"
#include "format/font_diff.h"
#include "format/glyph_dump.h"
#include "interruptible_input.h"
#include "runner.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/printable_line.h"
#include "support/termination_signals.h"
#include "support/version.h"
#include "typeface_verbs.h"
#include "work_folder.h"

namespace {

using namespace gft;
using namespace gft::cli;

constexpr const char* kUsage =
    "usage: grindfnt check FILE...         check fonts as the editor reads them\n"
    "       grindfnt info FILE             height, baseline, widths, glyph counts, attribute "
    "bytes\n"
    "       grindfnt dump [--no-selection] FILE [CODE...]\n"
    "                                      glyphs as text\n"
    "       grindfnt diff FONT1 FONT2      the glyphs that differ, side by side\n"
    "       grindfnt export FORMAT FONT OUT  write FONT as bitmap, grid, atari, 8bit, html, lok\n"
    "                                      or ttf\n"
    "       grindfnt run [--tiles DIR] [--settings DIR] [--clipboard FILE] [SCRIPT]\n"
    "                                      editor commands, one a line (stdin without SCRIPT)\n"
    "       grindfnt import-font FONTFILE SIZE OUT.fnt\n"
    "                                      a typeface (TTF, OTF, BDF, PCF) saved as a font\n"
    "       grindfnt render FONT TEXT -o OUT.png [--scale N]\n"
    "                                      a line of text drawn with the font\n"
    "       grindfnt --help | --version\n";

// A session as a fresh editor window has it after start-up. Without a tile
// folder it writes no tile file: check, info and dump only read.
struct Editor {
    Editor(std::ostream& out, std::optional<std::string> tiles, std::string prefix = "")
        : view(out, std::move(prefix)), session(view) {
        if (tiles) folder = std::make_unique<WorkFolder>(*tiles);
        session.TempFolder = folder ? folder->Path() : "";
        session.StartFolder = CurrentFolder();
        session.ProgramFolder = ProgramFolder();
        session.SetEditStatus(0);
        session.SetStatusQuietly("Load FNT (use Button / Drag and Drop / Command Line)");
    }
    ConsoleView view;
    std::unique_ptr<WorkFolder> folder;
    Session session;
};

// Loads a file into a fresh session; the reader's lines go to out.
ReadOutcome LoadInto(Editor& editor, const std::string& path) {
    editor.session.FilePaths[kModeLoad] = path;
    try {
        return ReadFntFile(editor.session, path, kModeLoad);
    } catch (const AppError& error) {
        editor.session.Log(error.LogEntry());
        return {false, 1};
    }
}

// The window's own lines, which a check does not print: the redraw, the
// output path and the hint of the status line.
bool WindowLine(const std::string& line) {
    return line.rfind("Preview generated", 0) == 0 || line == "Output path set to input" ||
           line == kIdleHint;
}

int Check(const std::vector<std::string>& files) {
    int status = 0;
    for (const auto& file : files) {
        Editor editor(std::cout, std::nullopt, PrintableLine(file) + ": ");
        editor.view.SetSkip(WindowLine);
        const ReadOutcome outcome = LoadInto(editor, file);
        if (!outcome.accepted || outcome.findings > 0) status = 1;
        if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
    }
    return status;
}

// Loads a file silently for info and dump; prints the log on failure.
std::unique_ptr<Editor> LoadQuietly(const std::string& file) {
    auto editor = std::make_unique<Editor>(std::cout, std::nullopt);
    editor->view.SetQuiet(true);
    if (!LoadInto(*editor, file).accepted) {
        for (const auto& line : editor->session.LogLines())
            std::cerr << PrintableLine(file) << ": " << line << '\n';
        return nullptr;
    }
    return editor;
}

int Info(const std::string& file) {
    const auto editor = LoadQuietly(file);
    if (!editor) return 1;
    std::cout << FontInfo(editor->session.font);
    return 0;
}

// A font's text for git's textconv must not depend on the selection table
// beside the file, which git's copy of an older version lacks.
constexpr const char* kNoSelection = "--no-selection";

int Dump(std::vector<std::string> args) {
    const bool withSelection = args.front() != kNoSelection;
    if (!withSelection) args.erase(args.begin());
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::vector<std::string> codes(args.begin() + 1, args.end());
    const auto editor = LoadQuietly(args.front());
    if (!editor) return 1;
    if (!withSelection) editor->session.font.Selected.fill(0);
    try {
        if (codes.empty())
            for (int code = 0; code < 256; ++code)
                std::cout << DumpGlyph(editor->session.font, code);
        for (const auto& code : codes)
            std::cout << DumpGlyph(editor->session.font, ParseCode(code));
    } catch (const UsageError& error) {
        std::cerr << "grindfnt: " << error.what() << '\n';
        return 2;
    }
    return 0;
}

// Two fonts glyph by glyph, their selections left aside; the status as
// diff(1) gives it: 0 the same, 1 different, 2 a font could not be read.
int Diff(const std::string& firstFile, const std::string& secondFile) {
    const auto first = LoadQuietly(firstFile);
    const auto second = LoadQuietly(secondFile);
    if (!first || !second) return 2;
    Font& a = first->session.font;
    Font& b = second->session.font;
    a.Selected.fill(0);
    b.Selected.fill(0);
    const std::string head = FontHeadDifferences(a, b);
    const std::vector<int> codes = DifferingCodes(a, b);
    std::cout << head;
    for (const int code : codes)
        std::cout << GlyphsSideBySide(a, b, code);
    std::cout << codes.size() << " characters differ\n";
    return head.empty() && codes.empty() ? 0 : 1;
}

// The export command of each format word of "grindfnt export".
const char* ExportControl(const std::string& format) {
    for (const ExportFormat& known : ExportFormats())
        if (format == known.word) return known.control;
    return nullptr;
}

// Loads the font and runs the export with OUT as the dialog's answer; the
// export's log lines are printed. 1 when the font or the export failed.
int Export(const std::string& format, const std::string& font, const std::string& out) {
    const char* control = ExportControl(format);
    if (control == nullptr) {
        std::cerr << "grindfnt: unknown export format '" << format << "'\n" << kUsage;
        return 2;
    }
    const auto editor = LoadQuietly(font);
    if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
    if (!editor) return 1;
    editor->session.interrupted = TerminationRequested;
    editor->view.SetQuiet(false);
    editor->view.AnswerNextDialog(out);
    const int errors = editor->view.ErrorEntries();
    const std::size_t logged = editor->session.LogLines().size();
    RunCommand(editor->session, control);
    if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
    const auto& log = editor->session.LogLines();
    const bool exported = log.size() > logged && log.back().rfind("Exported ", 0) == 0;
    return exported && editor->view.ErrorEntries() == errors ? 0 : 1;
}

int Run(std::vector<std::string> args) {
    std::string tiles;
    std::string settings;
    std::string clipboard;
    std::string script;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--tiles" || args[i] == "--settings") && i + 1 < args.size()) {
            (args[i] == "--tiles" ? tiles : settings) = args[i + 1];
            ++i;
        } else if (args[i] == "--clipboard" && i + 1 < args.size()) {
            clipboard = args[++i];
        } else if (script.empty() && args[i].rfind("--", 0) != 0) {
            script = args[i];
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    Editor editor(std::cout, tiles);
    editor.session.SettingsFolder = settings;
    editor.view.UseClipboardFile(clipboard);
    if (!settings.empty()) {
        LoadINI(editor.session);
        OfferRecoveryCopies(editor.session);
    }
    int status = 2;
    if (script.empty()) {
        // Waiting for the next line: the copy is brought up to date, then
        // what the commands printed is let out, so that whoever reads it
        // knows the copy holds everything before it.
        InterruptibleInput input(0, TerminationSignalFd(), [&editor] {
            KeepRecoveryCopyNow(editor.session);
            std::cout.flush();
        });
        std::istream in(&input);
        status = RunScript(in, editor.session, editor.view, std::cout, std::cerr);
    } else {
        // Only a regular file: opening a FIFO would wait for a writer.
        const std::string kind = NonRegularFileKind(script);
        std::ifstream in;
        if (kind.empty()) in.open(script);
        if (!in.is_open()) {
            std::cerr << "grindfnt: cannot read script " << script
                      << (kind.empty() ? "" : ": " + kind + ", not a file") << '\n';
            return 2;
        }
        status = RunScript(in, editor.session, editor.view, std::cout, std::cerr);
    }
    KeepRecoveryCopyNow(editor.session);
    if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
    return status;
}

int Main(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string& verb = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (verb == "--help" || verb == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (verb == "--version") {
        std::cout << "grindfnt " << VersionText() << '\n';
        return 0;
    }
    if (verb == "check" && !rest.empty()) return Check(rest);
    if (verb == "info" && rest.size() == 1) return Info(rest[0]);
    if (verb == "dump" && !rest.empty()) return Dump(rest);
    if (verb == "diff" && rest.size() == 2) return Diff(rest[0], rest[1]);
    if (verb == "export" && rest.size() == 3) return Export(rest[0], rest[1], rest[2]);
    if (verb == "run") return Run(rest);
    if (verb == "import-font") return ImportFontVerb(rest);
    if (verb == "render") return RenderVerb(rest);
    std::cerr << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    InstallTerminationSignals();
    try {
        return Main(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        // Outside any command: the font could not even be read.
        const std::string verb = argc > 1 ? std::string(" ") + argv[1] : "";
        std::cerr << "Error #" << kOutOfMemoryError << " on grindfnt" << verb
                  << "\nOut of memory\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "grindfnt: " << error.what() << '\n';
        return 2;
    }
}
