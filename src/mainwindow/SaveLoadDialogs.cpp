#include "SaveLoadDialogs.h"

#include "texts/Texts.h"

namespace pivo {

SaveLoadDialogs::SaveLoadDialogs(const GameState& state, GameWindows& windows, std::function<void()> updateCaption)
    : state_(state), windows_(windows), updateCaption_(std::move(updateCaption)) {}

bool SaveLoadDialogs::askGameName(std::string& name) { return windows_.askGameName(name); }

bool SaveLoadDialogs::askOverwrite(const std::string& name) {
    const QString question = QString::fromStdString(texts::overwriteQuestion(state_.language, name));
    return windows_.showTextMessage(MessageKind::Question, question) == DialogAnswer::Yes;
}

void SaveLoadDialogs::tellSaveFailed(const std::string& name) {
    windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(texts::saveError(state_.language, name)));
}

void SaveLoadDialogs::tellLoadFailed(const std::string& name) {
    windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(texts::loadError(state_.language, name)));
}

void SaveLoadDialogs::updateCaption() { updateCaption_(); }

}  // namespace pivo
