#include "Game.h"

#include "resources/DlgResources.h"
#include "mainwindow/TMainForm.h"

#include <QCoreApplication>
#include <QDir>

namespace pivo {

Game::Game(std::string programFolder, std::unique_ptr<QSettings> store)
    : model_(catalogue_, progress_, programFolder),
      store_(std::move(store)),
      settings_(*store_),
      windows_(preferences_),
      sound_(preferences_, clips_),
      music_(preferences_),
      help_(programFolder, [this](const std::string& text) {
          windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(text));
      }) {
    preferences_.programFolder = std::move(programFolder);
}

Game::~Game() = default;

std::string Game::executableFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString();
}

bool Game::start() {
    mainForm_ = std::make_unique<TMainForm>(
        MainFormContext{preferences_, model_, settings_, windows_, sound_, music_, help_, TDlgResources::shared()});
    if (!mainForm_->started()) return false;
    windows_.createWindows(model_, settings_.patternPosition());
    return true;
}

}  // namespace pivo
