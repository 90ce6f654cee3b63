#include "SaveLoadDialogs.h"

namespace pivo {
namespace {

constexpr int NoticeKind = 10;
constexpr int QuestionKind = 11;
constexpr int Yes = 6;

}  // namespace

SaveLoadDialogs::SaveLoadDialogs(GameWindows& windows, std::function<void()> updateCaption)
    : windows_(windows), updateCaption_(std::move(updateCaption)) {}

bool SaveLoadDialogs::askGameName(std::string& name) { return windows_.askGameName(name); }

bool SaveLoadDialogs::askYesNo(const std::string& text) {
    return windows_.showTextMessage(QuestionKind, QString::fromStdString(text)) == Yes;
}

void SaveLoadDialogs::tell(const std::string& text) {
    windows_.showTextMessage(NoticeKind, QString::fromStdString(text));
}

void SaveLoadDialogs::updateCaption() { updateCaption_(); }

}  // namespace pivo
