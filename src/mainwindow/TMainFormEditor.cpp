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

void TMainForm::tellEditOutcome(EditCommand command, EditOutcome outcome) {
    const std::string notice = texts::editorNotice(preferences_.language, command, outcome, model_.category());
    if (!notice.empty()) windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(notice));
}

void TMainForm::AddBtnClick() { tellEditOutcome(EditCommand::Add, model_.addPattern()); }

void TMainForm::SaveBtnClick() { tellEditOutcome(EditCommand::Save, model_.saveCentred()); }

void TMainForm::Del_BtnClick() { tellEditOutcome(EditCommand::Delete, model_.deletePattern()); }

}  // namespace pivo
