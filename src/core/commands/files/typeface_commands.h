#pragma once

#include <string>

#include "session/view.h"

namespace gft {

class Session;

// File > Import > "Typeface (TTF, OTF, BDF, PCF)...": asks for the typeface,
// size and code page, then imports it.
void AskImportTypeface(Session& session);

// Replaces the font (or makes one when none is loaded) with the typeface
// drawn at the requested size, leaving no save destination. A typeface that
// cannot be read or drawn is reported in one log line and changes nothing.
// Returns false then.
bool ImportTypeface(Session& session, const TypefaceRequest& request);

// Export > "BDF font...": asks for the file, then for the ascent (the
// baseline estimate).
void AskExportBdf(Session& session);

// Writes the font as BDF with ascent rows above the baseline. A failed write
// logs its "Error #" entry; returns false then.
bool ExportBdfTo(Session& session, const std::string& path, int ascent);

}  // namespace gft
