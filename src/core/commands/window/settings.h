#pragma once

#include <cstdint>
#include <string>

namespace gft {

class Session;

inline constexpr const char* kSettingsFileName = "Settings.ini";

// SettingsFolder + "/Settings.ini".
std::string SettingsFilePath(const Session& session);

// Applies Settings.ini: the remembered paths, the options (a check box changes
// as a click would, a menu-only toggle only gets its mark) and the base font.
// No folder or no file changes nothing. A file of another program is deleted
// and reported; an unreadable one is reported and the settings stay. Never
// throws.
void LoadINI(Session& session);

// Writes every key of Settings.ini, creating the settings folder (with any
// missing folder above it) and the file when missing; a file too large to be
// a settings file is replaced. Throws AppError when the folder or the file
// cannot be made, read or written.
void SaveINI(Session& session);

// "Load Settings": LoadINI, then redraws every tile when a font is loaded and
// one of the menu-only marks changed.
void LoadSettings(Session& session);

// "Save Settings": SaveINI; a failure is logged as its "Error #" entry.
void SaveSettings(Session& session);

// An option value read from the file: text becomes the decimal text of
// Abs(Int(v)) of its leading number v (0 without one); the result is 1 when
// that is at least 1, else 0. "1.9" and "-0.5" give 1, "abc" and "0.7" give 0.
std::uint8_t IniFlag(std::string& text);

}  // namespace gft
