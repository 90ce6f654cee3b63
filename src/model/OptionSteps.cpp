#include "OptionSteps.h"

#include <algorithm>

namespace pivo {
namespace {

constexpr int Languages = 2;
constexpr int BackgroundStyles = 6;
constexpr int PatternModes = 4;

int wrapped(int value, int count) { return ((value % count) + count) % count; }

}  // namespace

Language nextLanguage(Language language) {
    return static_cast<Language>(wrapped(static_cast<int>(language) + 1, Languages));
}

int nextBackground(int background) { return (backgroundInForce(background) + 1) % BackgroundStyles; }

int nextPatternMode(int patternMode) { return (patternModeInForce(patternMode) + 1) % PatternModes; }

int backgroundInForce(int background) { return wrapped(background, BackgroundStyles); }

int patternModeInForce(int patternMode) { return std::clamp(patternMode, 0, PatternModes - 1); }

}  // namespace pivo
