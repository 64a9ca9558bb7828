#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gft {

// A settings file of "[Section]" headers and "key=value" lines, read and
// written the way the Windows profile functions do: section and key names
// compare without regard to case, names and values are trimmed of blanks,
// every other line is kept as it stands. Writing keeps the order of the file:
// a known key is updated in place, a new key goes after the last line of its
// section, a new section goes at the end of the file. Values are never cut.
class IniFile {
  public:
    IniFile() = default;
    // Parses file content; anything that is not a header or a key line is kept
    // and ignored, so a damaged file simply lacks keys.
    explicit IniFile(std::string_view content);

    // The value of the first matching key of the first matching section, or
    // fallback when there is none.
    std::string Get(std::string_view section, std::string_view key,
                    const std::string& fallback) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Takes out every section of that name with all its lines.
    void RemoveSection(std::string_view section);

    // The file content; the line end is the one the file came with (LF for a
    // file that had none), and every line ends with it.
    std::string Content() const;

  private:
    struct Range {
        std::size_t header;  // index of the "[Section]" line
        std::size_t end;     // one past the section's last line
    };
    bool FindSection(std::string_view section, Range& range) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
};

// Reads a whole settings file. Throws AppError (errno, source "ReadIniFile")
// when the file exists but cannot be read; a missing file reads as empty.
IniFile ReadIniFile(const std::string& path);

// Replaces the settings file by this content (atomically, WriteByteArray).
void WriteIniFile(const std::string& path, const IniFile& file);

// The profile functions themselves: read a key with a default (never throws;
// an unreadable file gives the default) and write one key (throws AppError).
std::string ReadIniValue(const std::string& path, std::string_view section, std::string_view key,
                         const std::string& fallback);
void WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace gft
