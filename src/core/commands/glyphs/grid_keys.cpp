#include "commands/glyphs/grid_keys.h"

#include <algorithm>
#include <array>
#include <utility>

#include "commands/editor/char_editor.h"
#include "commands/glyphs/hover.h"
#include "commands/glyphs/tile_mouse.h"
#include "session/session.h"

namespace gft {

namespace {

constexpr int kColumns = 16;

constexpr std::array<std::pair<std::string_view, GridKey>, 13> kNames{{
    {"left", GridKey::Left},
    {"right", GridKey::Right},
    {"up", GridKey::Up},
    {"down", GridKey::Down},
    {"home", GridKey::RowStart},
    {"end", GridKey::RowEnd},
    {"pgup", GridKey::ColumnTop},
    {"pgdn", GridKey::ColumnBottom},
    {"ctrl+home", GridKey::First},
    {"ctrl+end", GridKey::Last},
    {"space", GridKey::Toggle},
    {"enter", GridKey::Pick},
    {"shift+enter", GridKey::PickCopy},
}};

void MoveFocus(Session& session, int code) {
    session.FocusTile = code;
    session.view.GridFocusChanged(code);
    HoverUpdate(session, code);
}

}  // namespace

std::optional<GridKey> GridKeyNamed(std::string_view name) {
    for (const auto& [word, key] : kNames)
        if (word == name) return key;
    return std::nullopt;
}

int MovedFocus(int code, GridKey key) {
    const int column = code % kColumns;
    const int rowStart = code - column;
    int moved = code;
    switch (key) {
        case GridKey::Left:
            moved = code - 1;
            break;
        case GridKey::Right:
            moved = code + 1;
            break;
        case GridKey::Up:
            moved = code - kColumns;
            break;
        case GridKey::Down:
            moved = code + kColumns;
            break;
        case GridKey::RowStart:
            return rowStart;
        case GridKey::RowEnd:
            return rowStart + kColumns - 1;
        case GridKey::ColumnTop:
            return column;
        case GridKey::ColumnBottom:
            return kGlyphCount - kColumns + column;
        case GridKey::First:
            return 0;
        case GridKey::Last:
            return kGlyphCount - 1;
        default:
            return code;
    }
    return moved < 0 || moved >= kGlyphCount ? code : moved;
}

int FocusTile(const Session& session) {
    return session.FocusTile >= 0 ? session.FocusTile : session.EditorChar;
}

void SetGridFocused(Session& session, bool focused) {
    session.GridFocused = focused;
    if (focused) MoveFocus(session, FocusTile(session));
}

void PressGridKey(Session& session, GridKey key) {
    const int code = FocusTile(session);
    switch (key) {
        case GridKey::Toggle:
            return PressOnTile(session, code, kRightButton, 0);
        case GridKey::Pick:
            return PressOnTile(session, code, kLeftButton, 0);
        case GridKey::PickCopy:
            return PressOnTile(session, code, kLeftButton, kShiftKey);
        default:
            return MoveFocus(session, MovedFocus(code, key));
    }
}

void EditCharacter(Session& session) {
    if (session.GridFocused && session.font.FontLoaded)
        session.EditorChar = static_cast<std::uint8_t>(FocusTile(session));
    OpenCharEditor(session);
}

}  // namespace gft
