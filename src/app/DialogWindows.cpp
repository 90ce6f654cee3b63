#include "DialogWindows.h"

#include "dialogs/AboutDlg.h"
#include "resources/DlgResources.h"
#include "dialogs/LoadGameDlg.h"
#include "dialogs/OptionDlg.h"
#include "dialogs/PatForm.h"
#include "dialogs/SaveGameDlg.h"
#include "dialogs/SelectDlg.h"
#include "dialogs/StatDlg.h"
#include "dialogs/TongueDlg.h"
#include "dialogs/YesNoDlg.h"

namespace pivo {

DialogWindows::DialogWindows(Preferences& preferences) : preferences_(preferences) {}

DialogWindows::~DialogWindows() = default;

void DialogWindows::setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

void DialogWindows::createWindows(const GameModel& model, QPoint patternPosition) {
    waitingModel_ = nullptr;
    patForm_ = std::make_unique<TPatForm>(preferences_, model, patternPosition, mainWindow_);
    TDlgResources::shared();
    messageDialog();
    optionDlg_ = std::make_unique<TOptionDlg>(preferences_, mainWindow_);
    tongueDlg_ = std::make_unique<TTongueDlg>(preferences_);
    statDlg_ = std::make_unique<TStatDlg>(preferences_, model, mainWindow_);
    selectDlg_ = std::make_unique<TSelectDlg>(preferences_, model, mainWindow_);
    saveGameDlg_ = std::make_unique<TSaveGameDlg>(preferences_, mainWindow_);
    loadGameDlg_ = std::make_unique<TLoadGameDlg>(preferences_, model.savedGames(), mainWindow_);
    aboutDlg_ = std::make_unique<TAboutDlg>(mainWindow_);
}

void DialogWindows::createAfterFirstFrame(const GameModel& model, QPoint patternPosition) {
    waitingModel_ = &model;
    waitingPatternPosition_ = patternPosition;
    firstFrame_.arm();
}

void DialogWindows::makeWaitingWindows() {
    if (waitingModel_) createWindows(*waitingModel_, waitingPatternPosition_);
}

TYesNoDlg& DialogWindows::messageDialog() {
    if (!yesNoDlg_) yesNoDlg_ = std::make_unique<TYesNoDlg>(preferences_, mainWindow_);
    return *yesNoDlg_;
}

DialogAnswer DialogWindows::showStockMessage(MessageKind kind) { return messageDialog().ShowStockMessage(kind); }

DialogAnswer DialogWindows::showTextMessage(MessageKind kind, const QString& text) {
    return messageDialog().ShowTextMessage(kind, text);
}

void DialogWindows::chooseLanguage() {
    makeWaitingWindows();
    tongueDlg_->exec();
}

bool DialogWindows::askGameName(std::string& name) {
    makeWaitingWindows();
    return saveGameDlg_->askName(name);
}

bool DialogWindows::pickGame(std::string& name) {
    makeWaitingWindows();
    return loadGameDlg_->pick(name);
}

void DialogWindows::showStatistics() {
    makeWaitingWindows();
    statDlg_->showStatistics();
}

// The connections live only as long as this opening: the next caller brings its own.
std::optional<int> DialogWindows::selectTangram(const SelectEffects& effects) {
    makeWaitingWindows();
    const QObject opening;
    QObject::connect(selectDlg_.get(), &TSelectDlg::categoryButtonPressed, &opening, effects.categoryButton);
    QObject::connect(selectDlg_.get(), &TSelectDlg::categoryChosen, &opening, effects.categoryChosen);
    return selectDlg_->selectTangram();
}

void DialogWindows::showOptions(const OptionEffects& effects) {
    makeWaitingWindows();
    const QObject opening;
    QObject::connect(optionDlg_.get(), &TOptionDlg::languageChanged, &opening, effects.languageChanged);
    QObject::connect(optionDlg_.get(), &TOptionDlg::backgroundChanged, &opening, effects.backgroundChanged);
    QObject::connect(optionDlg_.get(), &TOptionDlg::patternModeChanged, &opening, effects.patternModeChanged);
    optionDlg_->showOptions(effects.music);
}

void DialogWindows::showAbout() {
    makeWaitingWindows();
    aboutDlg_->showAbout();
}

void DialogWindows::showPatternWindow(bool shown) {
    makeWaitingWindows();
    if (shown)
        patForm_->showForMode();
    else
        patForm_->withdraw();
}

void DialogWindows::refreshPatternWindow() {
    if (patForm_) patForm_->refresh();
}

// A pattern window not made yet stands where it will be made.
QPoint DialogWindows::patternWindowPosition() const {
    return waitingModel_ ? waitingPatternPosition_ : patForm_->pos();
}

}  // namespace pivo
