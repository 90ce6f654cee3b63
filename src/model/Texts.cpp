#include "Texts.h"

#include "Catalogue.h"

namespace pivo::texts {
namespace {

std::string join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string s;
    s.reserve(a.size() + b.size() + c.size());
    s.append(a).append(b).append(c);
    return s;
}

}  // namespace

std::string overwriteQuestion(int languageFlag, std::string_view gameName) {
    return german(languageFlag) ? join("Spiel ", gameName, " existiert bereits. Überschreiben?")
                                : join("Game ", gameName, " already exists. Overwrite?");
}

std::string saveError(int languageFlag, std::string_view gameName) {
    return german(languageFlag)
               ? join("Fehler beim speichern von Spiel \"", gameName, "\". Datenträger voll oder nicht beschreibbar.")
               : join("An errorSave occured while saving game \"", gameName, "\". Drive full or not writable.");
}

std::string loadError(int languageFlag, std::string_view gameName) {
    return german(languageFlag) ? join("Fehler beim Laden des Spiels ", gameName)
                                : join("Error occured while loading file ", gameName);
}

std::string missingCatalogue(int languageFlag) {
    return std::string(pick(languageFlag, "Datei pivo.dat konnte nicht gefunden werden. Programm wird abgebrochen.",
                            "Can't find file pivo.dat. Program aborted."));
}

std::string emptyCategory(int languageFlag, int category) {
    return german(languageFlag)
               ? join("Die Datei pivo.dat enthält kein Tangram der Kategorie \"", categoryName(1, category),
                      "\". Programm wird abgebrochen.")
               : join("The file pivo.dat holds no Tangram of the category \"", categoryName(0, category),
                      "\". Program aborted.");
}

}  // namespace pivo::texts
