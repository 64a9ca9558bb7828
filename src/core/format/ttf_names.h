#pragma once

#include <string>
#include <string_view>

#include "support/bytes.h"

namespace gft {

// A family name as a font carries it (UTF-8): control characters left out,
// spaces trimmed at both ends, at most 63 characters; "Untitled" when
// nothing is left.
std::string FamilyName(std::string_view requested);

// The family a TrueType font is named for by default: the file name of its
// path without the folder and the last extension ("Menu Font" for
// "out/Menu Font.ttf").
std::string FamilyOfPath(const std::string& path);

// The PostScript name of the family's regular style: "Family-Regular" with
// only the characters a PostScript name may hold (printable ASCII but
// spaces and []{}()<>/%), at most 63 of them.
std::string PostScriptName(const std::string& family);

// The 'name' table of a family (UTF-8) in style "Regular": family, style,
// unique name, full name, version (with the program's version) and
// PostScript name, for Unicode (platform 0) and Windows (platform 3).
Bytes NameTable(const std::string& family);

}  // namespace gft
