#pragma once

#include "model/Language.h"

#include <array>
#include <string_view>

namespace pivo {

/// The tool-bar buttons that carry a hint, in the order the hints are set.
enum class ToolButton {
    Load, NewGame, Select, Category, Up, Dn, UnsolvedUp, UnsolvedDn, Tip, Stat, Rules, Exit, Info, Option,
};
inline constexpr int HintedButtonCount = 14;

inline constexpr std::array<ToolButton, HintedButtonCount> HintedButtons = {
    ToolButton::Load, ToolButton::NewGame,    ToolButton::Select,     ToolButton::Category, ToolButton::Up,
    ToolButton::Dn,   ToolButton::UnsolvedUp, ToolButton::UnsolvedDn, ToolButton::Tip,      ToolButton::Stat,
    ToolButton::Rules, ToolButton::Exit,      ToolButton::Info,       ToolButton::Option,
};

namespace texts {

/// The tooltip of a tool-bar button, German or English.
std::string_view buttonHint(Language language, ToolButton button);
/// The notice of the unsolved commands when the category holds no other unfinished tangram.
std::string_view allSolved(Language language);

}  // namespace texts
}  // namespace pivo
