#include "DialogWindows.h"

#include "DlgResources.h"
#include "LoadGameDlg.h"
#include "PatForm.h"
#include "SaveGameDlg.h"
#include "StatDlg.h"
#include "TongueDlg.h"
#include "YesNoDlg.h"

namespace pivo {

DialogWindows::DialogWindows(GameState& state) : state_(state) {}

DialogWindows::~DialogWindows() = default;

void DialogWindows::setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

void DialogWindows::createWindows(const Catalogue& catalogue, const Progress& progress, const Board& board,
                                  QPoint patternPosition, const SavedGames& savedGames) {
    patForm_ = std::make_unique<TPatForm>(state_, catalogue, progress, board, patternPosition);
    TDlgResources::shared();
    messageDialog();
    tongueDlg_ = std::make_unique<TTongueDlg>(state_);
    statDlg_ = std::make_unique<TStatDlg>(state_, catalogue, progress, mainWindow_);
    saveGameDlg_ = std::make_unique<TSaveGameDlg>(state_, mainWindow_);
    loadGameDlg_ = std::make_unique<TLoadGameDlg>(state_, savedGames, mainWindow_);
}

TYesNoDlg& DialogWindows::messageDialog() {
    if (!yesNoDlg_) yesNoDlg_ = std::make_unique<TYesNoDlg>(state_, mainWindow_);
    return *yesNoDlg_;
}

int DialogWindows::showStockMessage(int kind) { return messageDialog().ShowStockMessage(kind); }

int DialogWindows::showTextMessage(int kind, const QString& text) {
    return messageDialog().ShowTextMessage(kind, text);
}

void DialogWindows::chooseLanguage() { tongueDlg_->exec(); }

bool DialogWindows::askGameName(std::string& name) { return saveGameDlg_->askName(name); }

bool DialogWindows::pickGame(std::string& name) { return loadGameDlg_->pick(name); }

void DialogWindows::showStatistics() { statDlg_->showStatistics(); }

void DialogWindows::showPatternWindow(bool shown) {
    if (shown)
        patForm_->showForMode();
    else
        patForm_->hide();
}

void DialogWindows::refreshPatternWindow() {
    if (patForm_) patForm_->refresh();
}

QPoint DialogWindows::patternWindowPosition() const { return patForm_->pos(); }

}  // namespace pivo
