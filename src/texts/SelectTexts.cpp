#include "SelectTexts.h"

#include "model/Catalogue.h"
#include "Texts.h"

namespace pivo::texts {

std::string_view selectTitle(Language language) { return pick(language, "Tangram wählen", "Select Tangram"); }

std::string_view selectCancelHint(Language language) { return pick(language, "Abbruch", "Cancel"); }

std::string_view chooseCategoryHint(Language language) {
    return pick(language, "Kategorie wählen", "Choose category");
}

std::string_view selectGridHint(Language language) {
    return pick(language, "Ein Mausklick und schon gehts mit diesem Tangram los.",
                "A mouselick and the Tangram is selected.");
}

std::string selectCategoryCaption(Language language, int category) {
    return std::string(pick(language, "Kategorie: ", "Category: ")) +
           std::string(categoryName(language, category));
}

}  // namespace pivo::texts
