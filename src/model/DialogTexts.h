#pragma once

#include <string_view>

namespace pivo::texts {

/// Message kinds of the game's message box.
inline constexpr int KindSolved = 1;
inline constexpr int KindQuit = 3;
inline constexpr int KindGiveUp = 4;
inline constexpr int KindNotice = 10;
inline constexpr int KindQuestion = 11;

/// The built-in text of a stock kind (1, 3, 4); empty for any other kind.
std::string_view stockMessage(int languageFlag, int kind);
/// Whether a kind asks a question (a No button beside the Yes button).
bool isQuestion(int kind);

std::string_view saveQuestion(int languageFlag);
std::string_view saveOkHint(int languageFlag);
std::string_view saveCancelHint(int languageFlag);
std::string_view loadQuestion(int languageFlag);
std::string_view loadCancelHint(int languageFlag);
/// The only line of the load list when no saved game exists.
std::string_view noGameLine(int languageFlag);

inline constexpr std::string_view ChooseGerman = "Ich spreche deutsch";
inline constexpr std::string_view ChooseEnglish = "I speak English";

}  // namespace pivo::texts
