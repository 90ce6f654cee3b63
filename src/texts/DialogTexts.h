#pragma once

#include "MessageKind.h"
#include "model/Language.h"

#include <string_view>

namespace pivo::texts {

/// The built-in text of a kind that has one (solved, quit, give up); empty for any other kind.
std::string_view stockMessage(Language language, MessageKind kind);

std::string_view saveQuestion(Language language);
std::string_view saveOkHint(Language language);
std::string_view saveCancelHint(Language language);
std::string_view loadQuestion(Language language);
std::string_view loadCancelHint(Language language);
/// The only line of the load list when no saved game exists.
std::string_view noGameLine(Language language);

inline constexpr std::string_view ChooseGerman = "Ich spreche deutsch";
inline constexpr std::string_view ChooseEnglish = "I speak English";

}  // namespace pivo::texts
