#pragma once

namespace pivo {

/// The language of the game's texts. The settings store keeps it as a number: 1 German, 0 English,
/// -1 not chosen yet (the language question opens at the start). A stored number outside these is
/// kept as it is, reads as English and asks no question.
enum class Language : int { NotChosen = -1, English = 0, German = 1 };

}  // namespace pivo
