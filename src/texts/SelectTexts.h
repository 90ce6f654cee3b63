#pragma once

#include "model/Language.h"

#include <string>
#include <string_view>

namespace pivo::texts {

std::string_view selectTitle(Language language);
std::string_view selectCancelHint(Language language);
/// Hint of the category button and of the category caption.
std::string_view chooseCategoryHint(Language language);
std::string_view selectGridHint(Language language);
/// The caption above the grid: "Category: " and the category's name.
std::string selectCategoryCaption(Language language, int category);

}  // namespace pivo::texts
