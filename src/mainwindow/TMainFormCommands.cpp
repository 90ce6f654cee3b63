// The tool-bar commands of the main window, its caption and its hints.
#include "TMainForm.h"

#include "MouseButtons.h"
#include "ToolBox.h"
#include "help/HelpContexts.h"
#include "help/RulesHelp.h"
#include "resources/ImageButton.h"
#include "texts/Captions.h"

namespace pivo {

void TMainForm::UpdateCaption() {
    setWindowTitle(QString::fromStdString(
        windowCaption(preferences_, model_.catalogue(), model_.progress(), model_.position())));
}

void TMainForm::UpdateHints() {
    for (ToolButton which : HintedButtons)
        button(which)->setHint(QString::fromUtf8(texts::buttonHint(preferences_.language, which)));
    UpdateCaption();
}

void TMainForm::UpBtnClick() { model_.next(); }

void TMainForm::DnBtnClick() { model_.previous(); }

void TMainForm::UnsolvedUpBtnClick() { model_.nextUnsolved(); }

void TMainForm::UnsolvedDnBtnClick() { model_.previousUnsolved(); }

void TMainForm::CategoryBtnMouseDown(Qt::MouseButton button) {
    model_.stepCategory(categoryStepFor(mouseButtonOf(button)));
}

void TMainForm::NewgameBtnClick() {
    if (windows_.showStockMessage(MessageKind::GiveUp) != DialogAnswer::Yes) return;
    model_.newGame(saveLoadDialogs_);
}

void TMainForm::LoadBtnClick() {
    if (!model_.saveCurrentGame(saveLoadDialogs_)) return;
    std::string name = model_.progress().gameName;
    if (!windows_.pickGame(name)) return;
    model_.load(name, saveLoadDialogs_);
}

void TMainForm::StatBtnClick() { windows_.showStatistics(); }

void TMainForm::TipBtnClick() { model_.tip(); }

// The selection dialog's category button and list act at once, while the dialog stays open, so that
// the board and the caption never name a tangram the dialog does not show, even when it is cancelled.
void TMainForm::SelectBtnClick() {
    const std::optional<int> picked =
        windows_.selectTangram({[this](Qt::MouseButton button) { CategoryBtnMouseDown(button); },
                                [this](int category) { model_.chooseCategory(category); }});
    if (picked) model_.select(*picked);
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

void TMainForm::RulesBtnClick() { help_.open(help::rulesContext(preferences_.language)); }

void TMainForm::ExitBtnClick() { close(); }

}  // namespace pivo
