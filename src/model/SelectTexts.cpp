#include "SelectTexts.h"

#include "Catalogue.h"
#include "Texts.h"

namespace pivo::texts {

std::string_view selectTitle(int languageFlag) { return pick(languageFlag, "Tangram wählen", "Select Tangram"); }

std::string_view selectCancelHint(int languageFlag) { return pick(languageFlag, "Abbruch", "Cancel"); }

std::string_view chooseCategoryHint(int languageFlag) {
    return pick(languageFlag, "Kategorie wählen", "Choose category");
}

std::string_view selectGridHint(int languageFlag) {
    return pick(languageFlag, "Ein Mausklick und schon gehts mit diesem Tangram los.",
                "A mouselick and the Tangram is selected.");
}

std::string selectCategoryCaption(int languageFlag, int category) {
    return std::string(pick(languageFlag, "Kategorie: ", "Category: ")) +
           std::string(categoryName(languageFlag, category));
}

}  // namespace pivo::texts
