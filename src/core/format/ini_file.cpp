#include "format/ini_file.h"

#include <cerrno>

#include "support/app_error.h"
#include "support/file_helpers.h"

namespace gft {

namespace {

// A settings file larger than this is not ours; reading it is refused rather
// than filling memory.
constexpr std::size_t kMaxIniBytes = 1 << 20;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// "[Name]" gives Name; any other line gives false.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return false;
    const auto close = line.find(']');
    name = Trim(line.substr(1, close == std::string_view::npos ? close : close - 1));
    return true;
}

// A value is one line of the file: a line break would start a new key.
std::string_view FirstLine(std::string_view value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

// "key=value" gives both trimmed, the value cut at a lone CR as a write cuts
// it; a line without "=" gives false.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    key = Trim(line.substr(0, equals));
    value = Trim(FirstLine(line.substr(equals + 1)));
    return true;
}

}  // namespace

IniFile::IniFile(std::string_view content) {
    if (content.find("\r\n") != std::string_view::npos) lineEnd_ = "\r\n";
    std::size_t start = 0;
    while (start < content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        // Every CR before the LF belongs to the line end: kept in the line, a
        // CR would come back as a CR LF of its own when the file is written.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
}

bool IniFile::FindSection(std::string_view section, Range& range) const {
    std::string_view name;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!SectionName(lines_[i], name) || !SameName(name, section)) continue;
        range = {i, i + 1};
        while (range.end < lines_.size() && !SectionName(lines_[range.end], name))
            ++range.end;
        return true;
    }
    return false;
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         const std::string& fallback) const {
    Range range{};
    if (!FindSection(section, range)) return fallback;
    std::string_view name, value;
    for (std::size_t i = range.header + 1; i < range.end; ++i)
        if (KeyLine(lines_[i], name, value) && SameName(name, key)) return std::string(value);
    return fallback;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + std::string(FirstLine(value));
    Range range{};
    if (!FindSection(section, range)) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    std::string_view name, old;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (KeyLine(lines_[i], name, old) && SameName(name, key)) {
            lines_[i] = line;
            return;
        }
    }
    // After the section's last non-blank line, so blank lines keep separating sections.
    std::size_t at = range.end;
    while (at > range.header + 1 && Trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void IniFile::RemoveSection(std::string_view section) {
    Range range{};
    while (FindSection(section, range))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range.header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range.end));
}

std::string IniFile::Content() const {
    std::string content;
    for (const auto& line : lines_)
        content += line + lineEnd_;
    return content;
}

IniFile ReadIniFile(const std::string& path) {
    const std::int64_t length = GetFileLength(path);
    if (length == -1) return IniFile();
    if (static_cast<std::uint64_t>(length) > kMaxIniBytes)
        throw AppError::FromErrno(EFBIG, "ReadIniFile");
    const Bytes bytes = ReadFileBytes(path, kMaxIniBytes, "ReadIniFile");
    return IniFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void WriteIniFile(const std::string& path, const IniFile& file) {
    WriteByteArray(path, BytesOf(file.Content()));
}

std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         const std::string& fallback) {
    try {
        return ReadIniFile(path).Get(section, key, fallback);
    } catch (const AppError&) {
        return fallback;
    }
}

void WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value) {
    IniFile file = ReadIniFile(path);
    file.Set(section, key, value);
    WriteIniFile(path, file);
}

}  // namespace gft
