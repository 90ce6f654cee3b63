// The pattern editor's buttons: each hands its command to the model and tells the catalogue's author
// when the command was refused or pivo.dat could not be written.
#include "TMainForm.h"

#include "texts/EditorTexts.h"
#include "model/PatternEditor.h"
#include "ToolBox.h"

namespace pivo {

// Plain push buttons with fixed captions and no hints: only the catalogue's author ever sees them.
// They take no keyboard focus, so a stray Space cannot add or delete a second time, with no undo.
// Save overlaps the lower edge of Add; made later, it lies on top.
void TMainForm::buildEditorButtons() {
    const auto make = [this](EditorButton which, const char* caption, QRect geometry, void (TMainForm::*click)()) {
        auto* button = new QPushButton(QString::fromLatin1(caption), toolBox_);
        button->setGeometry(geometry);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QPushButton::clicked, this, click);
        editorButtons_[static_cast<std::size_t>(which)] = button;
    };
    make(EditorButton::Add, "Add", {429, 6, 51, 26}, &TMainForm::AddBtnClick);
    make(EditorButton::Save, "Save", {429, 27, 51, 26}, &TMainForm::SaveBtnClick);
    make(EditorButton::Delete, "Delete", {480, 4, 45, 25}, &TMainForm::Del_BtnClick);
}

QPushButton* TMainForm::editorButton(EditorButton which) const {
    return editorButtons_.at(static_cast<std::size_t>(which));
}

std::string TMainForm::dataFile() const { return state_.programFolder + "pivo.dat"; }

void TMainForm::tellEditOutcome(EditCommand command, EditOutcome outcome) {
    const std::string notice = texts::editorNotice(state_.language, command, outcome, state_.currentCategory);
    if (!notice.empty()) windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(notice));
}

// The board is deliberately left as it is: it goes on showing the figure that moved up, and the
// caption goes on naming it, until the author moves on.
void TMainForm::AddBtnClick() {
    tellEditOutcome(EditCommand::Add, addPattern(catalogue_, dataFile(), state_.currentTangram,
                                                 state_.currentCategory, board_.tans()));
}

void TMainForm::SaveBtnClick() { tellEditOutcome(EditCommand::Save, saveCentred(catalogue_, dataFile())); }

void TMainForm::Del_BtnClick() {
    const EditOutcome outcome =
        deleteCurrentPattern(catalogue_, dataFile(), state_.currentTangram, state_.currentCategory);
    if (outcome != EditOutcome::OnlyOfCategory) showCurrentTangram();
    tellEditOutcome(EditCommand::Delete, outcome);
}

}  // namespace pivo
