#pragma once

#include "Language.h"

namespace pivo {

/// What one press of an options button makes of a setting. A stored value outside its range is
/// first read the way the game uses it (a background wraps round, a pattern mode is clamped), so
/// the press always lands in range.

/// English and German alternate; not chosen yet becomes English, and so does any other stored value
/// that is odd, while an even one becomes German.
Language nextLanguage(Language language);
int nextBackground(int background);
int nextPatternMode(int patternMode);

/// The background style 0..5 in force for a stored value.
int backgroundInForce(int background);
/// The pattern mode 0..3 in force for a stored value.
int patternModeInForce(int patternMode);

}  // namespace pivo
