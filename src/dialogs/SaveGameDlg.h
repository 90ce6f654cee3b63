#pragma once

#include "model/Preferences.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;

namespace pivo {

class ImageButton;

/// Asks for the name to save the game under. Enter and Esc belong to the name field; only the tick
/// and the cross close the dialog.
class TSaveGameDlg : public QDialog {
    Q_OBJECT
public:
    TSaveGameDlg(Preferences& preferences, QWidget* mainWindow);

    /// Shows `name` for editing, wholly selected; true on OK, with `name` replaced by the field's
    /// text as it stands. Cancel leaves `name` unchanged.
    bool askName(std::string& name);

    QLineEdit* nameEdit() const { return nameEdit_; }
    ImageButton* okButton() const { return okBtn_; }
    ImageButton* cancelButton() const { return cancelBtn_; }
    QString question() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setTexts();

    Preferences& preferences_;
    QWidget* mainWindow_;
    QLabel* askLabel_;
    QLineEdit* nameEdit_;
    ImageButton* cancelBtn_;
    ImageButton* okBtn_;
};

}  // namespace pivo
