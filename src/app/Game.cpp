#include "Game.h"

#include "mainwindow/TMainForm.h"
#include "media/ClipModule.h"
#include "model/GameFolders.h"
#include "resources/DlgResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace pivo {

Game::Game(std::string programFolder, std::unique_ptr<QSettings> store)
    : model_(catalogue_, progress_, programFolder),
      store_(std::move(store)),
      settings_(*store_),
      windows_(preferences_),
      clips_([] { return openClipModule(clipModulePath()); }),
      sound_(preferences_, clips_),
      music_(preferences_),
      help_(programFolder, [this](const std::string& text) {
          windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(text));
      }) {
    preferences_.programFolder = std::move(programFolder);
}

Game::~Game() = default;

std::string Game::executableFolder() {
    // Qt reads the executable's path as UTF-8 and loses every byte that is not; the system's own link
    // to the running program keeps the folder's bytes as they are.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path().string() + "/";
    return QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/")).toStdString();
}

std::string Game::programFolder() { return chooseProgramFolder(executableFolder(), PIVOLET_INSTALLED_DATA); }

std::string Game::clipModulePath() {
    // Beside the executable in the build folder; installed, in the game's own library folder.
    const std::string beside = executableFolder() + ClipModuleName;
    std::error_code error;
    if (std::filesystem::exists(beside, error)) return beside;
    return executableFolder() + PIVOLET_INSTALLED_MODULES + "/" + ClipModuleName;
}

bool Game::start() {
    mainForm_ = std::make_unique<TMainForm>(
        MainFormContext{preferences_, model_, settings_, windows_, sound_, music_, help_, TDlgResources::shared()});
    if (!mainForm_->started()) return false;
    windows_.createAfterFirstFrame(model_, settings_.patternPosition());
    // With the sound off the audio stack waits for the first effect after the sound is switched on.
    if (preferences_.sound) clips_.openAfterFirstFrame();
    return true;
}

}  // namespace pivo
