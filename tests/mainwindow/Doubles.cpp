#include "Doubles.h"

#include <QWidget>

namespace pivo::testing {

DialogAnswer ScriptedWindows::answer(MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
    if (answers.empty()) return DialogAnswer::Yes;
    const DialogAnswer result = answers.front();
    answers.pop_front();
    return result;
}

void ScriptedWindows::chooseLanguage() {
    ++languageQuestions;
    if (mainWindow) captionWhileLanguageAsked = mainWindow->windowTitle();
    if (language) *language = languageChoice;
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

std::vector<MessageKind> ScriptedWindows::kinds() const {
    std::vector<MessageKind> result;
    for (const ShownMessage& message : messages) result.push_back(message.kind);
    return result;
}

}  // namespace pivo::testing
