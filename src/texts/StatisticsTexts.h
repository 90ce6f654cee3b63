#pragma once

#include "model/Language.h"
#include "model/Statistics.h"

#include <string>

namespace pivo::texts {

std::string statisticsTitle(Language language);
/// "Category: " and the category's name.
std::string statisticsCategory(Language language, int category);
/// How many of the category's tangrams are finished.
std::string finishedSentence(Language language, const CategoryStatistics& stats);
/// How much help the finished tangrams needed, and how many were dropped.
std::string helpSentence(Language language, const CategoryStatistics& stats);
/// The points reached of the possible ones.
std::string pointsSentence(Language language, const CategoryStatistics& stats);

}  // namespace pivo::texts
