#include "commands/files/recovery_store.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "format/fnt_format.h"
#include "format/fnt_reader.h"
#include "format/fnt_writer.h"
#include "format/ini_file.h"
#include "format/selection_table.h"
#include "support/app_error.h"
#include "support/file_helpers.h"
#include "support/version.h"

namespace gft {

namespace {

constexpr const char* kSection = "Recovery";

std::string FileOf(const std::string& folder, const std::string& name, const char* extension) {
    return JoinPath(folder, name + extension);
}

std::string GenerationFile(const std::string& folder, const std::string& name, int generation,
                           const char* extension) {
    return JoinPath(folder, name + "." + std::to_string(generation) + extension);
}

// The process id and 64 random bits: never the name of another copy, even
// of a process that had the same id before.
std::string NewCopyName() {
    std::random_device random;
    const unsigned long long bits = (static_cast<unsigned long long>(random()) << 32) ^
                                    static_cast<unsigned long long>(random());
    char name[48];
    std::snprintf(name, sizeof name, "%ld-%016llx", static_cast<long>(::getpid()), bits);
    return name;
}

// Paths are kept with every control character, blank and '%' as %XX: the
// settings file format trims blanks and ends a value at a line break, and a
// path must come back exactly as it went in.
std::string EscapedPath(const std::string& path) {
    std::string text;
    for (const unsigned char c : path) {
        if (c <= ' ' || c == '%' || c == 0x7f) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            text += code;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

std::string UnescapedPath(const std::string& text) {
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool code = text[i] == '%' && i + 2 < text.size() &&
                          std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                          std::isxdigit(static_cast<unsigned char>(text[i + 2]));
        if (code) {
            path += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            path += text[i];
        }
    }
    return path;
}

int Number(const IniFile& file, const char* key) {
    const std::string text = file.Get(kSection, key, "0");
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' && value > 0 && value < (1L << 30) ? static_cast<int>(value) : 0;
}

IniFile CopyIni(const RecoveryCopy& copy) {
    IniFile info;
    info.Set(kSection, "Application", kProgramTitle);
    info.Set(kSection, "Process", std::to_string(::getpid()));
    info.Set(kSection, "Date", copy.date);
    info.Set(kSection, "Time", copy.time);
    info.Set(kSection, "Destination", EscapedPath(copy.destination));
    info.Set(kSection, "FontFile", EscapedPath(copy.fontFile));
    info.Set(kSection, "Height", std::to_string(copy.height));
    info.Set(kSection, "Generation", std::to_string(copy.generation));
    info.Set(kSection, "FontBytes", std::to_string(copy.fontBytes));
    return info;
}

// The copy's .ini; a generation of 0 when it is not one this program wrote.
RecoveryCopy ReadCopyIni(const std::string& folder, const std::string& name) {
    const IniFile file = ReadIniFile(FileOf(folder, name, ".ini"));
    RecoveryCopy copy;
    copy.name = name;
    copy.date = file.Get(kSection, "Date", "");
    copy.time = file.Get(kSection, "Time", "");
    copy.destination = UnescapedPath(file.Get(kSection, "Destination", ""));
    copy.fontFile = UnescapedPath(file.Get(kSection, "FontFile", ""));
    copy.height = Number(file, "Height");
    copy.generation = Number(file, "Generation");
    copy.fontBytes = static_cast<std::size_t>(Number(file, "FontBytes"));
    return copy;
}

void RemoveGeneration(const std::string& folder, const std::string& name, int generation) {
    DeleteFile(GenerationFile(folder, name, generation, ".fnt"));
    DeleteFile(GenerationFile(folder, name, generation, ".lok"));
}

// The names in folder ending in extension, without it.
std::vector<std::string> NamesEndingIn(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > extension.size() && name[0] != '.' &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(name.substr(0, name.size() - extension.size()));
    }
    ::closedir(dir);
    return names;
}

bool ReadCopyFiles(const std::string& folder, const RecoveryCopy& copy, Font& font) {
    const std::string path = GenerationFile(folder, copy.name, copy.generation, ".fnt");
    const Bytes image = ReadFileBytes(path, fnt::kUsefulFilePrefix, "ReadRecoveryCopy");
    if (image.size() != copy.fontBytes) return false;
    FntReport report = ParseFnt(image, FntReadMode::Load, Font{}, std::int64_t(image.size()));
    if (!report.Accepted()) return false;
    font = std::move(report.font);
    font.Selected.fill(0);
    const Bytes table = ReadFileBytes(GenerationFile(folder, copy.name, copy.generation, ".lok"),
                                      kGlyphCount, "ReadRecoveryCopy");
    ApplySelectionTable(table, font.Selected);
    return true;
}

}  // namespace

void WriteRecoveryCopy(const std::string& folder, RecoveryState& state, RecoveryCopy copy,
                       const Font& font) {
    const Bytes image = BuildFntImage(font, true);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw AppError::FromErrno(error.value(), "MkDir");
    if (!state.ownLock.Holds()) {
        state.ownName = NewCopyName();
        state.ownLock = FileLock::Create(FileOf(folder, state.ownName, ".lock"));
        state.generation = 0;
    }
    const std::string& name = state.ownName;
    copy.name = name;
    copy.generation = state.generation + 1;
    copy.fontBytes = image.size();
    WriteByteArray(GenerationFile(folder, name, copy.generation, ".fnt"), image);
    WriteByteArray(GenerationFile(folder, name, copy.generation, ".lok"),
                   Bytes(font.Selected.begin(), font.Selected.end()));
    WriteIniFile(FileOf(folder, name, ".ini"), CopyIni(copy));
    if (state.generation > 0) RemoveGeneration(folder, name, state.generation);
    state.generation = copy.generation;
}

std::vector<RecoveryCopy> EndedRecoveryCopies(const std::string& folder) {
    std::vector<RecoveryCopy> copies;
    for (const std::string& name : NamesEndingIn(folder, ".lock")) {
        FileLock lock;
        if (FileLock::Take(FileOf(folder, name, ".lock"), lock) != FileLock::Outcome::Taken)
            continue;
        if (GetFileLength(FileOf(folder, name, ".ini")) == -1) {
            // Its process ended before the copy was complete.
            RemoveRecoveryCopy(folder, name, lock);
            continue;
        }
        try {
            RecoveryCopy copy = ReadCopyIni(folder, name);
            if (copy.generation > 0) copies.push_back(std::move(copy));
        } catch (const AppError&) {
        }
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.time != b.time ? a.time > b.time : a.name < b.name;
    });
    return copies;
}

TakeOutcome TakeRecoveryCopy(const std::string& folder, const std::string& name, TakenCopy& taken) {
    FileLock lock;
    switch (FileLock::Take(FileOf(folder, name, ".lock"), lock)) {
        case FileLock::Outcome::Held:
            return TakeOutcome::InUse;
        case FileLock::Outcome::Missing:
            return TakeOutcome::Gone;
        case FileLock::Outcome::Taken:
            break;
    }
    if (GetFileLength(FileOf(folder, name, ".ini")) == -1) return TakeOutcome::Gone;
    try {
        taken.copy = ReadCopyIni(folder, name);
        if (taken.copy.generation == 0) return TakeOutcome::Damaged;
    } catch (const AppError&) {
        return TakeOutcome::Damaged;
    }
    taken.lock = std::move(lock);
    return TakeOutcome::Taken;
}

bool ReadRecoveryFont(const std::string& folder, const RecoveryCopy& copy, Font& font) {
    try {
        return ReadCopyFiles(folder, copy, font);
    } catch (const AppError&) {
        return false;
    }
}

void RemoveRecoveryCopy(const std::string& folder, const std::string& name, FileLock& lock) {
    DeleteFile(FileOf(folder, name, ".ini"));
    const std::string prefix = name + ".";
    for (const char* extension : {".fnt", ".lok"})
        for (const std::string& file : NamesEndingIn(folder, extension))
            if (file.rfind(prefix, 0) == 0) DeleteFile(JoinPath(folder, file + extension));
    lock.Remove();
}

}  // namespace gft
