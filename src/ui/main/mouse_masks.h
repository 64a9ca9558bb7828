#pragma once

#include <Qt>

#include "commands/glyphs/tile_mouse.h"

namespace gft::ui {

// Mouse buttons and modifier keys as the core counts them, added up.
inline int ButtonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= kLeftButton;
    if (buttons & Qt::RightButton) mask |= kRightButton;
    if (buttons & Qt::MiddleButton) mask |= kMiddleButton;
    return mask;
}

inline int ModifierMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= kShiftKey;
    if (modifiers & Qt::ControlModifier) mask |= kCtrlKey;
    if (modifiers & Qt::AltModifier) mask |= kAltKey;
    return mask;
}

}  // namespace gft::ui
