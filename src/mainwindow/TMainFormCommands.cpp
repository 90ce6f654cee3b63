// The tool-bar commands of the main window, its caption and its hints.
#include "TMainForm.h"

#include "BoardBox.h"
#include "texts/Captions.h"
#include "resources/ImageButton.h"
#include "model/Navigation.h"
#include "help/HelpContexts.h"
#include "help/RulesHelp.h"
#include "texts/Texts.h"
#include "ToolBox.h"

namespace pivo {

void TMainForm::UpdateCaption() {
    GameState shown = state_;
    shown.patternMode = effectivePatternMode();
    setWindowTitle(QString::fromStdString(windowCaption(shown, catalogue_, progress_)));
}

void TMainForm::UpdateHints() {
    for (ToolButton which : HintedButtons)
        button(which)->setHint(QString::fromUtf8(texts::buttonHint(state_.language, which)));
    UpdateCaption();
}

void TMainForm::showCurrentTangram() {
    board_.setUpTangram(state_.currentTangram);
    button(ToolButton::Tip)->setEnabled(board_.tipEnabled());
    box_->repaintBoard();
    windows_.refreshPatternWindow();
    UpdateCaption();
}

void TMainForm::UpBtnClick() {
    state_.currentTangram = nextInCategory(catalogue_, state_.currentTangram, state_.currentCategory);
    showCurrentTangram();
}

void TMainForm::DnBtnClick() {
    state_.currentTangram = previousInCategory(catalogue_, state_.currentTangram, state_.currentCategory);
    showCurrentTangram();
}

void TMainForm::unsolvedStep(bool forward) {
    const int current = state_.currentTangram;
    const int category = state_.currentCategory;
    const std::optional<int> found = forward ? nextUnfinished(catalogue_, progress_, current, category)
                                             : previousUnfinished(catalogue_, progress_, current, category);
    if (!found) {
        windows_.showTextMessage(MessageKind::Notice, QString::fromUtf8(texts::allSolved(state_.language)));
        UpdateCaption();
        return;
    }
    state_.currentTangram = *found;
    showCurrentTangram();
}

void TMainForm::UnsolvedUpBtnClick() { unsolvedStep(true); }

void TMainForm::UnsolvedDnBtnClick() { unsolvedStep(false); }

void TMainForm::CategoryBtnMouseDown(Qt::MouseButton button) {
    const CategoryStep step = button == Qt::LeftButton    ? CategoryStep::Next
                              : button == Qt::RightButton ? CategoryStep::Previous
                                                          : CategoryStep::Keep;
    state_.currentCategory = steppedCategory(state_.currentCategory, step);
    state_.currentTangram = catalogue_.firstOfCategory(state_.currentCategory);
    showCurrentTangram();
}

void TMainForm::NewgameBtnClick() {
    if (windows_.showStockMessage(MessageKind::GiveUp) != DialogAnswer::Yes) return;
    savedGames_.saveCurrentGame(progress_, saveLoadDialogs_);
    progress_.resetForNewGame(catalogue_.tangramCount());
    showCurrentTangram();
}

void TMainForm::LoadBtnClick() {
    savedGames_.saveCurrentGame(progress_, saveLoadDialogs_);
    std::string name = progress_.gameName;
    if (!windows_.pickGame(name)) return;
    progress_.gameName = name;
    if (!savedGames_.loadGame(name, progress_, saveLoadDialogs_)) {
        // The failed load forgot the name; the caption must not go on naming it.
        UpdateCaption();
        return;
    }
    showCurrentTangram();
}

void TMainForm::StatBtnClick() { windows_.showStatistics(); }

// The pattern window's title tells the tangram's state, which the seventh tip changes.
void TMainForm::TipBtnClick() {
    board_.takeTip();
    windows_.refreshPatternWindow();
}

// A category changed inside the dialog is set up on the board at once, and the caption follows it,
// so that it never names a tangram the board does not show, even when the dialog is cancelled.
void TMainForm::SelectBtnClick() {
    if (windows_.selectTangram([this] { showCurrentTangram(); })) showCurrentTangram();
}

void TMainForm::OptionBtnClick() {
    windows_.showOptions({music_,
                          [this] {
                              UpdateHints();
                              windows_.refreshPatternWindow();
                          },
                          [this] {
                              toolBox_->update();
                              update();
                          },
                          [this] { applyPatternMode(); }});
    UpdateCaption();
}

void TMainForm::InfoBtnClick() { windows_.showAbout(); }

void TMainForm::RulesBtnClick() { help_.open(help::rulesContext(state_.language)); }

void TMainForm::ExitBtnClick() { close(); }

}  // namespace pivo
