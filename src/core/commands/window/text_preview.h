#pragma once

#include <string>

#include "format/text_render.h"

namespace gft {

class IniFile;
class Session;

// View > "Text preview" (F10).
void ShowTextPreview(Session& session);

// The preview's text and scale as the user types them; a scale outside
// 1..8 is brought inside.
void SetPreviewText(Session& session, const std::string& text);
void SetPreviewScale(Session& session, int scale);

// The preview's picture: the text drawn with the font at the scale, a hollow
// box for each character the font has no glyph for; an empty picture when
// no font is loaded.
TextRender PreviewPicture(const Session& session);

// The preview's keys of Settings.ini.
void ApplyPreviewSettings(Session& session, const IniFile& file);
void StorePreviewSettings(const Session& session, IniFile& file);

}  // namespace gft
