#include "EditorTexts.h"

#include "model/Catalogue.h"
#include "Texts.h"

namespace pivo::texts {
namespace {

std::string onlyOfCategory(Language language, int category) {
    const std::string name(categoryName(language, category));
    return german(language) ? "Das ist das einzige Tangram der Kategorie \"" + name +
                                      "\", und jede Kategorie braucht eines. Nichts wurde gelöscht."
                                : "This is the only Tangram of the category \"" + name +
                                      "\", and every category needs one. Nothing was deleted.";
}

// An add or delete stands in the game even when the file keeps the old catalogue; a save changes
// nothing but the file.
std::string_view notWritten(Language language, EditCommand command) {
    if (command == EditCommand::Save)
        return pick(language, "Datei pivo.dat konnte nicht geschrieben werden und ist unverändert.",
                    "Can't write file pivo.dat; it stays as it was.");
    return pick(language,
                "Datei pivo.dat konnte nicht geschrieben werden und ist unverändert. Die Änderung gilt nur im Spiel.",
                "Can't write file pivo.dat; it stays as it was. The change holds in the game only.");
}

}  // namespace

std::string editorNotice(Language language, EditCommand command, EditOutcome outcome, int category) {
    switch (outcome) {
        case EditOutcome::Written: return {};
        case EditOutcome::NotWritten: return std::string(notWritten(language, command));
        case EditOutcome::CatalogueFull:
            return std::string(pick(language,
                                    "Der Katalog ist voll: er enthält schon 3000 Tangrams. Nichts wurde hinzugefügt.",
                                    "The catalogue is full: it holds 3000 Tangrams already. Nothing was added."));
        case EditOutcome::OnlyOfCategory: return onlyOfCategory(language, category);
    }
    return {};
}

}  // namespace pivo::texts
