#include "Doubles.h"

namespace pivo::testing {

int ScriptedWindows::answer(int kind, const QString& text) {
    messages.push_back({kind, text});
    if (answers.empty()) return 6;
    const int result = answers.front();
    answers.pop_front();
    return result;
}

void ScriptedWindows::chooseLanguage() {
    ++languageQuestions;
    if (languageFlag) *languageFlag = languageChoice;
}

bool ScriptedWindows::askGameName(std::string& name) {
    ++gameNameQuestions;
    if (gameNames.empty()) return false;
    name = gameNames.front();
    gameNames.pop_front();
    return true;
}

bool ScriptedWindows::pickGame(std::string& name) {
    if (pickedGames.empty()) return false;
    name = pickedGames.front();
    pickedGames.pop_front();
    return true;
}

std::vector<int> ScriptedWindows::kinds() const {
    std::vector<int> result;
    for (const ShownMessage& message : messages) result.push_back(message.kind);
    return result;
}

}  // namespace pivo::testing
