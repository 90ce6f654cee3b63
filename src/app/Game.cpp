#include "Game.h"

#include "resources/DlgResources.h"
#include "mainwindow/TMainForm.h"

#include <QCoreApplication>
#include <QDir>

namespace pivo {

Game::Game(std::string programFolder, std::unique_ptr<QSettings> store)
    : store_(std::move(store)),
      settings_(*store_),
      windows_(state_),
      sound_(state_, clips_),
      music_(state_),
      help_(programFolder, [this](const std::string& text) {
          windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(text));
      }) {
    state_.programFolder = std::move(programFolder);
}

Game::~Game() = default;

std::string Game::executableFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString();
}

bool Game::start() {
    mainForm_ = std::make_unique<TMainForm>(MainFormContext{state_, catalogue_, progress_, settings_, windows_,
                                                            sound_, music_, help_, TDlgResources::shared()});
    if (!mainForm_->started()) return false;
    windows_.createWindows(catalogue_, progress_, mainForm_->board(), settings_.patternPosition(),
                           mainForm_->savedGames());
    return true;
}

}  // namespace pivo
