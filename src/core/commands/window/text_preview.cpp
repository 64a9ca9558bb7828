#include "commands/window/text_preview.h"

#include <algorithm>

#include "format/ini_file.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr const char* kSection = "TextPreview";

}  // namespace

void ShowTextPreview(Session& session) {
    session.view.ShowTextPreview();
}

void SetPreviewText(Session& session, const std::string& text) {
    session.previewText = text;
    // One line: a line break would end the settings file's value.
    std::replace_if(
        session.previewText.begin(), session.previewText.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

void SetPreviewScale(Session& session, int scale) {
    session.previewScale = std::clamp(scale, kMinTextScale, kMaxTextScale);
}

TextRender PreviewPicture(const Session& session) {
    if (!session.font.FontLoaded) return {};
    return RenderText(session.font, session.previewText, session.previewScale, MissingGlyphs::Box);
}

void ApplyPreviewSettings(Session& session, const IniFile& file) {
    SetPreviewText(session, file.Get(kSection, "Text", session.previewText));
    const std::string scale = file.Get(kSection, "Scale", "");
    if (scale.size() == 1 && scale[0] >= '1' && scale[0] <= '8')
        SetPreviewScale(session, scale[0] - '0');
}

void StorePreviewSettings(const Session& session, IniFile& file) {
    file.Set(kSection, "Text", session.previewText);
    file.Set(kSection, "Scale", std::to_string(session.previewScale));
}

}  // namespace gft
