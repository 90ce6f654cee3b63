#pragma once

#include "model/MouseButton.h"

#include <Qt>

namespace pivo {

/// Qt's mouse button as the rules know it: left, right, and every other button as the middle one.
inline MouseButton mouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::RightButton: return MouseButton::Right;
        default: return MouseButton::Middle;
    }
}

}  // namespace pivo
