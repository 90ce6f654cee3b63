#pragma once

namespace pivo {

/// The mouse buttons as the rules tell them apart.
enum class MouseButton { Left, Middle, Right };

}  // namespace pivo
