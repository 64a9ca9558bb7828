// Feeds any bytes as a command line: tokenized as the one string of the
// Windows entry point, and split on NUL as the argv of the Linux one. Both
// argument lists are examined against a private current folder (a font "a.fnt",
// an empty "e.fnt", a folder "d") and a private program folder ("p.fnt").
#include <algorithm>
#include <filesystem>

#include "app/command_line.h"
#include "fuzz_support.h"
#include "support/file_helpers.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

struct Folders {
    std::string current;
    std::string program;
};

const Folders& Places() {
    static const Folders folders = [] {
        auto& scratch = fuzz::Scratch::Get();
        const std::uint8_t byte = 1;
        Folders made{scratch.Folder() + "/current", scratch.Folder() + "/program"};
        std::filesystem::create_directories(made.current + "/d");
        std::filesystem::create_directories(made.program);
        scratch.Write("current/a.fnt", &byte, 1);
        scratch.Write("current/e.fnt", &byte, 0);
        scratch.Write("program/p.fnt", &byte, 1);
        return made;
    }();
    return folders;
}

// The slash forms in any case; the dash forms only as they are.
bool IsHelp(const std::string& argument) {
    std::string lower = argument;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "/?" || lower == "/h" || lower == "/hlp" || lower == "/help" ||
           argument == "-h" || argument == "--help";
}

// Every argument quoted: what the tokenizer made of a line reads back the same.
std::string Quoted(const std::vector<std::string>& arguments) {
    std::string line;
    for (const auto& argument : arguments)
        line += (line.empty() ? "\"" : " \"") + argument + "\"";
    return line;
}

void Tokenize(const std::string& line) {
    const auto arguments = TokenizeCommandLine(line);
    Require(!arguments.empty(), "no argument 0");
    for (const auto& argument : arguments)
        Require(argument.find_first_of("\"\t") == std::string::npos,
                "a quote or a tab left in an argument");
    Require(TokenizeCommandLine(Quoted(arguments)) == arguments,
            "quoted arguments tokenize differently");
}

void Examine(const std::vector<std::string>& arguments) {
    const Folders& places = Places();
    const CommandLineRequest request = ExamineArguments(arguments, places.current, places.program);
    bool help = false;
    bool unknown = false;
    const std::string* lastPath = nullptr;
    for (const auto& argument : arguments) {
        if (IsHelp(argument))
            help = true;
        else if (!argument.empty() && argument[0] == '-')
            unknown = true;
        else
            lastPath = &argument;
    }
    Require(request.help == help, "help asked for and not seen, or seen and not asked for");
    Require(request.unknownSwitch == unknown, "an unknown switch missed or invented");
    if (!lastPath) {
        Require(!request.badPath && request.fontPath.empty(), "a font path without a path");
        return;
    }
    if (!request.fontPath.empty())
        Require(GetFileLength(request.fontPath) > 0, "the font path names no non-empty file");
    if (!request.badPath) {
        const std::string& found = request.fontPath;
        Require(found.size() >= lastPath->size() && found.compare(found.size() - lastPath->size(),
                                                                  lastPath->size(), *lastPath) == 0,
                "the font path is not the last path argument");
    }
}

std::vector<std::string> SplitOnNul(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == '\0')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Tokenize(text);
    Examine(TokenizeCommandLine(text));
    Examine(SplitOnNul(text));
    return 0;
}
