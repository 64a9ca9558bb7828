#include "typeface_verbs.h"

#include <iostream>
#include <optional>

#include "commands/files/read_font.h"
#include "commands/files/save_font.h"
#include "commands/files/typeface_commands.h"
#include "console_view.h"
#include "format/png_codec.h"
#include "format/text_render.h"
#include "runner.h"
#include "session/session.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/printable_line.h"
#include "support/termination_signals.h"
#include "work_folder.h"

namespace gft::cli {

namespace {

// A session that writes no tile file, its log on out.
struct Headless {
    explicit Headless(std::ostream& out) : view(out), session(view) {
        session.StartFolder = CurrentFolder();
        session.ProgramFolder = ProgramFolder();
    }
    ConsoleView view;
    Session session;
};

int Usage(const std::string& text) {
    std::cerr << "usage: grindfnt " << text << '\n';
    return 2;
}

}  // namespace

int ImportFontVerb(const std::vector<std::string>& args) {
    if (args.size() != 3) return Usage("import-font FONTFILE SIZE OUT.fnt");
    TypefaceRequest request;
    request.path = args[0];
    try {
        request.pixelSize = ParseNumber(args[1], 1, 255, "a pixel size 1..255");
    } catch (const UsageError& error) {
        std::cerr << "grindfnt: " << error.what() << '\n';
        return 2;
    }
    Headless editor(std::cout);
    editor.session.interrupted = TerminationRequested;
    editor.view.SetSkip([](const std::string& line) { return line.rfind("Preview", 0) == 0; });
    const bool saved = ImportTypeface(editor.session, request) && !TerminationRequested() &&
                       SaveFontTo(editor.session, args[2]);
    if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
    return saved ? 0 : 1;
}

int RenderVerb(const std::vector<std::string>& args) {
    constexpr const char* kUsage = "render FONT TEXT -o OUT.png [--scale N]";
    std::vector<std::string> words;
    std::string out;
    int scale = 1;
    try {
        for (std::size_t k = 0; k < args.size(); ++k) {
            if ((args[k] == "-o" || args[k] == "--scale") && k + 1 < args.size()) {
                if (args[k] == "-o")
                    out = args[k + 1];
                else
                    scale = ParseNumber(args[k + 1], kMinTextScale, kMaxTextScale, "a scale 1..8");
                ++k;
            } else {
                words.push_back(args[k]);
            }
        }
    } catch (const UsageError& error) {
        std::cerr << "grindfnt: " << error.what() << '\n';
        return 2;
    }
    if (words.size() != 2 || out.empty()) return Usage(kUsage);
    Headless editor(std::cerr);
    editor.view.SetQuiet(true);
    bool loaded = false;
    try {
        loaded = ReadFntFile(editor.session, words[0], kModeLoad).accepted;
    } catch (const AppError& error) {
        editor.session.Log(error.LogEntry());
    }
    if (!loaded) {
        for (const auto& line : editor.session.LogLines())
            std::cerr << PrintableLine(words[0]) << ": " << line << '\n';
        return 1;
    }
    const TextRender render = RenderText(editor.session.font, words[1], scale);
    if (!render.ok()) {
        std::cerr << "grindfnt: " << render.error << '\n';
        return 1;
    }
    if (render.value.width == 0) {
        std::cerr << "grindfnt: nothing to draw: the font has no glyph of this text\n";
        return 1;
    }
    const auto png = EncodePng(render.value);
    if (!png.ok()) {
        std::cerr << "grindfnt: " << png.error << '\n';
        return 1;
    }
    try {
        WriteByteArray(out, png.value, Sync::Now, TerminationRequested);
    } catch (const AppError& error) {
        if (const int signal = TerminationSignal()) return TerminationExitStatus(signal);
        std::cerr << error.LogEntry() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace gft::cli
