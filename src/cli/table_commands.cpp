// The runner's words for the commands of the command table: "refresh",
// "load PATH", "new HEIGHT", and the families that share a first word and
// pick their member by a second one ("select all|none|invert").
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "runner.h"

namespace gft::cli {

namespace {

// The window silently ignores, say, an export while no font is loaded; a
// script that named a file for it is told that the file was not touched.
void RunWithPath(RunContext& run, const CommandSpec& command, const std::string& path) {
    run.view.AnswerNextDialog(path);
    RunCommand(run.session, command);
    if (!run.view.WithdrawDialogAnswer()) return;
    ++run.notDone;
    run.out << "Not done: " << command.runnerWord << " " << path
            << (run.session.font.FontLoaded ? "" : " (no font is loaded)") << '\n';
}

// Game-font effects: the italic's step and the scale's factor answer the
// command's question; an answer it did not ask for is not kept for the next.
void RunWithEffectNumber(RunContext& run, const CommandSpec& command, const std::string& text) {
    const bool italic = command.argument == RunnerArgument::ItalicStep;
    run.view.AnswerNextNumber(italic ? ParseNumber(text, 1, 8, "an italic step 1..8")
                                     : ParseNumber(text, 2, 3, "a scale 2 or 3"));
    RunCommand(run.session, command);
    run.view.AnswerNextNumber(std::nullopt);
}

void Run(RunContext& run, const CommandSpec& command, const Args& args) {
    switch (command.argument) {
        case RunnerArgument::Typeface:
            run.view.AnswerNextTypeface(ParseTypefaceArguments(args[0]));
            break;
        case RunnerArgument::PathAndNumber: {
            const auto [path, word] = SplitTrailingNumber(args[0]);
            if (word) run.view.AnswerNextNumber(ParseNumber(*word, 0, 255, "a number 0..255"));
            RunWithPath(run, command, path);
            run.view.AnswerNextNumber(std::nullopt);
            if (const auto refused = run.view.TakeRefusedNumber()) throw UsageError(*refused);
            return;
        }
        case RunnerArgument::TrueType: {
            const auto [path, answer] = ParseTrueTypeArguments(args[0]);
            run.view.AnswerNextTrueType(answer);
            RunWithPath(run, command, path);
            run.view.AnswerNextTrueType({});
            if (const auto refused = run.view.TakeRefusedNumber()) throw UsageError(*refused);
            return;
        }
        case RunnerArgument::Spacing:
            run.view.AnswerNextNumber(ParseNumber(args[0], 0, 8, "a spacing 0..8"));
            break;
        case RunnerArgument::Choice:
            run.view.AnswerNextChoice(args.empty() ? 1 : ParseNumber(args[0], 1, 9999, "a number"));
            break;
        case RunnerArgument::Path:
            return RunWithPath(run, command, args[0]);
        case RunnerArgument::Height:
            run.view.AnswerNextHeight(ParseNumber(args[0], 1, 255, "a font height 1..255"));
            break;
        case RunnerArgument::ItalicStep:
        case RunnerArgument::ScaleFactor:
            return RunWithEffectNumber(run, command, args[0]);
        case RunnerArgument::None:
            break;
    }
    RunCommand(run.session, command);
}

Command Single(const CommandSpec& command) {
    switch (command.argument) {
        case RunnerArgument::Path:
        case RunnerArgument::Typeface:
        case RunnerArgument::PathAndNumber:
        case RunnerArgument::TrueType:
            return {1, -1,
                    [&command](RunContext& run, const Args& args) { Run(run, command, args); }};
        case RunnerArgument::Height:
        case RunnerArgument::Spacing:
        case RunnerArgument::ItalicStep:
        case RunnerArgument::ScaleFactor:
            return {1, 1,
                    [&command](RunContext& run, const Args& args) { Run(run, command, args); }};
        case RunnerArgument::Choice:
            return {0, 1,
                    [&command](RunContext& run, const Args& args) { Run(run, command, args); }};
        case RunnerArgument::None:
            break;
    }
    return {0, 0, [&command](RunContext& run, const Args& args) { Run(run, command, args); }};
}

// A family: the second word names the member, in the table's order.
Command Family(std::vector<std::pair<std::string, const CommandSpec*>> members) {
    return {1, 1, [members = std::move(members)](RunContext& run, const Args& args) {
                const auto found = std::find_if(members.begin(), members.end(),
                                                [&](const auto& m) { return m.first == args[0]; });
                if (found != members.end()) return Run(run, *found->second, {});
                std::string expected;
                for (const auto& member : members)
                    expected += (expected.empty() ? "" : "|") + member.first;
                throw UsageError("expected " + expected + ", got '" + args[0] + "'");
            }};
}

}  // namespace

void AddTableCommands(CommandTable& table) {
    std::map<std::string, std::vector<std::pair<std::string, const CommandSpec*>>> families;
    for (const CommandSpec& command : gft::Commands()) {
        if (command.runnerWord == nullptr) continue;
        const std::string words = command.runnerWord;
        const auto space = words.find(' ');
        if (space == std::string::npos) {
            table[words] = Single(command);
            continue;
        }
        const std::string first = words.substr(0, space);
        if (first != "ed") families[first].push_back({words.substr(space + 1), &command});
    }
    for (auto& [first, members] : families)
        table[first] = Family(std::move(members));
}

}  // namespace gft::cli
