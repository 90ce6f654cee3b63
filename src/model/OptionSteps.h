#pragma once

namespace pivo {

/// What one press of an options button makes of a setting. A stored value outside its range is
/// first read the way the game uses it (a background wraps round, a pattern mode is clamped), so
/// the press always lands in range.

/// 0 English and 1 German alternate; -1 (not chosen yet) becomes English.
int nextLanguage(int languageFlag);
int nextBackground(int background);
int nextPatternMode(int patternMode);

/// The background style 0..5 in force for a stored value.
int backgroundInForce(int background);
/// The pattern mode 0..3 in force for a stored value.
int patternModeInForce(int patternMode);

}  // namespace pivo
