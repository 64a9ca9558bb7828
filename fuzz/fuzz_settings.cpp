// Feeds any bytes as Settings.ini. The INI layer first: writing one key must
// not change what any other key reads, and the key must read back as written.
// Then the settings themselves: load the file into a session, save it, load
// the saved file into a fresh session; options and paths must come through the
// cycle unchanged, and saving again must give the same file.
#include <algorithm>
#include <filesystem>
#include <vector>

#include "commands/window/settings.h"
#include "format/ini_file.h"
#include "fuzz_support.h"
#include "support/app_error.h"
#include "support/file_helpers.h"

namespace {

using namespace gft;
using gft::fuzz::Require;

struct Name {
    std::string section;
    std::string key;
};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A name as the program would use one: one line, no bracket or '=' to
// confuse it with a header or a value.
bool PlainName(std::string_view name) {
    return !name.empty() && name == Trim(name) && name.find_first_of("[]=\r\n") == name.npos;
}

// The keys to watch: the program's own and the first headers and keys of the file.
std::vector<Name> NamesOf(std::string_view content) {
    std::vector<Name> names{{"Version", "Application"},
                            {"Paths", "Source"},
                            {"Options", "ShowFrames"},
                            {"Options", "BaseFontSize"},
                            {"Options", "BaseFontName"}};
    std::string section = "Options";
    std::size_t start = 0;
    for (int line = 0; line < 12 && start < content.size(); ++line) {
        const auto end = std::min(content.find('\n', start), content.size());
        const std::string_view text = Trim(content.substr(start, end - start));
        start = end + 1;
        if (!text.empty() && text.front() == '[') {
            section = std::string(Trim(text.substr(1, text.find(']') - 1)));
        } else if (const auto equals = text.find('='); equals != text.npos) {
            names.push_back({section, std::string(Trim(text.substr(0, equals)))});
        }
    }
    return names;
}

std::vector<std::string> ReadAll(const std::string& path, const std::vector<Name>& names) {
    std::vector<std::string> values;
    for (const auto& name : names)
        values.push_back(ReadIniValue(path, name.section, name.key, "\x01none"));
    return values;
}

void IniLayer(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Scratch::Get().Write("layer.ini", data, size);
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::vector<Name> names = NamesOf(content);
    const std::vector<std::string> before = ReadAll(path, names);
    // The last watched key that the program could have written gets a new value.
    const auto target = std::find_if(names.rbegin(), names.rend(), [](const Name& name) {
        return PlainName(name.section) && PlainName(name.key);
    });
    const std::string value = " new\tvalue " + std::to_string(size) + " ";
    try {
        WriteIniValue(path, target->section, target->key, value);
    } catch (const AppError&) {
        Require(false, "writing a key of a readable file failed");
    }
    Require(ReadIniValue(path, target->section, target->key, "") == Trim(value),
            "a written key does not read back");
    const std::vector<std::string> after = ReadAll(path, names);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!(SameName(names[i].section, target->section) && SameName(names[i].key, target->key)))
            Require(after[i] == before[i], "writing one key changed another");
}

struct Snapshot {
    Options options;
    std::array<std::string, 6> paths;
    bool operator==(const Snapshot& other) const {
        return options.on == other.options.on && options.baseFont == other.options.baseFont &&
               paths == other.paths;
    }
};

Snapshot Load(Session& session, const std::string& folder) {
    session.SettingsFolder = folder;
    LoadINI(session);
    return {session.options, session.FilePaths};
}

Bytes Save(Session& session) {
    try {
        SaveINI(session);
    } catch (const AppError&) {
        Require(false, "saving the settings failed");
    }
    return ReadFileBytes(SettingsFilePath(session), 1 << 22, "fuzz");
}

void SettingsCycle(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        const std::string made = fuzz::Scratch::Get().Folder() + "/settings";
        std::filesystem::create_directory(made);
        return made;
    }();
    fuzz::Scratch::Get().Write("settings/Settings.ini", data, size);
    View view;
    Session first(view);
    const Snapshot loaded = Load(first, folder);
    const Bytes saved = Save(first);
    Session second(view);
    const Snapshot reloaded = Load(second, folder);
    Require(second.LogLines().empty(), "the saved settings were not taken back");
    Require(reloaded == loaded, "options or paths changed through a save and a load");
    Require(Save(second) == saved, "saving the same settings again gave another file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        IniLayer(data, size);
        SettingsCycle(data, size);
    } catch (const AppError&) {
        Require(false, "the settings threw on a readable file");
    }
    return 0;
}
