#pragma once

#include <string>
#include <string_view>

namespace pivo::texts {

std::string_view selectTitle(int languageFlag);
std::string_view selectCancelHint(int languageFlag);
/// Hint of the category button and of the category caption.
std::string_view chooseCategoryHint(int languageFlag);
std::string_view selectGridHint(int languageFlag);
/// The caption above the grid: "Category: " and the category's name.
std::string selectCategoryCaption(int languageFlag, int category);

}  // namespace pivo::texts
