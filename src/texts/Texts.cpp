#include "Texts.h"

#include "model/Catalogue.h"

namespace pivo::texts {
namespace {

std::string join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string s;
    s.reserve(a.size() + b.size() + c.size());
    s.append(a).append(b).append(c);
    return s;
}

}  // namespace

std::string overwriteQuestion(Language language, std::string_view gameName) {
    return german(language) ? join("Spiel ", gameName, " existiert bereits. Überschreiben?")
                                : join("Game ", gameName, " already exists. Overwrite?");
}

std::string saveError(Language language, std::string_view gameName) {
    return german(language)
               ? join("Fehler beim speichern von Spiel \"", gameName, "\". Datenträger voll oder nicht beschreibbar.")
               : join("An errorSave occured while saving game \"", gameName, "\". Drive full or not writable.");
}

std::string loadError(Language language, std::string_view gameName) {
    return german(language) ? join("Fehler beim Laden des Spiels ", gameName)
                                : join("Error occured while loading file ", gameName);
}

std::string missingCatalogue(Language language) {
    return std::string(pick(language, "Datei pivo.dat konnte nicht gefunden werden. Programm wird abgebrochen.",
                            "Can't find file pivo.dat. Program aborted."));
}

std::string emptyCategory(Language language, int category) {
    return german(language)
               ? join("Die Datei pivo.dat enthält kein Tangram der Kategorie \"", categoryName(Language::German, category),
                      "\". Programm wird abgebrochen.")
               : join("The file pivo.dat holds no Tangram of the category \"", categoryName(Language::English, category),
                      "\". Program aborted.");
}

}  // namespace pivo::texts
