#pragma once

#include "model/Preferences.h"
#include "texts/MessageKind.h"

#include <QDialog>

class QLabel;

namespace pivo {

class ImageButton;

/// The game's message and question box: a text in a stone panel, with a tick (Yes) alone or a cross
/// (No) beside it. The kind picks text and buttons: "solved" with one button; quit and give up
/// the game with two; a caller's notice with one and a caller's question with two.
class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    TYesNoDlg(Preferences& preferences, QWidget* mainWindow);

    /// Shows a kind with a built-in text (solved, quit, give up) in the current language.
    DialogAnswer ShowStockMessage(MessageKind kind);
    /// Shows a kind with the caller's text (notice, question).
    DialogAnswer ShowTextMessage(MessageKind kind, const QString& text);

    /// The text shown now (for tests and the screen check).
    QString messageText() const;
    bool noButtonShown() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DialogAnswer showKind(MessageKind kind);

    Preferences& preferences_;
    QWidget* mainWindow_;
    QString customText_;
    QLabel* txt_;
    ImageButton* noBtn_;
    ImageButton* yesBtn_;
};

}  // namespace pivo
