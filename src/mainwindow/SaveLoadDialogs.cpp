#include "SaveLoadDialogs.h"

#include "texts/Texts.h"

namespace pivo {

SaveLoadDialogs::SaveLoadDialogs(const Preferences& preferences, GameWindows& windows)
    : preferences_(preferences), windows_(windows) {}

bool SaveLoadDialogs::askGameName(std::string& name) { return windows_.askGameName(name); }

bool SaveLoadDialogs::askOverwrite(const std::string& name) {
    const QString question = QString::fromStdString(texts::overwriteQuestion(preferences_.language, name));
    return windows_.showTextMessage(MessageKind::Question, question) == DialogAnswer::Yes;
}

void SaveLoadDialogs::tellSaveFailed(const std::string& name) {
    windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(texts::saveError(preferences_.language, name)));
}

void SaveLoadDialogs::tellLoadFailed(const std::string& name) {
    windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(texts::loadError(preferences_.language, name)));
}

}  // namespace pivo
