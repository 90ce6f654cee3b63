#pragma once

#include "model/GameState.h"

#include <QDialog>

class QLabel;

namespace pivo {

class ImageButton;

/// Modal results the dialogs end with.
inline constexpr int ResultYes = 6;
inline constexpr int ResultNo = 7;

/// The game's message and question box: a text in a stone panel, with a tick (Yes) alone or a cross
/// (No) beside it. The kind picks text and buttons: 1 "solved" with one button; 3 quit and 4 give up
/// the game with two; 10 a caller's notice with one and 11 a caller's question with two.
class TYesNoDlg : public QDialog {
    Q_OBJECT
public:
    TYesNoDlg(GameState& state, QWidget* mainWindow);

    /// Shows a kind with a built-in text (1, 3, 4) in the current language; returns 6 or 7.
    int ShowStockMessage(int kind);
    /// Shows a kind with the caller's text (10, 11); returns 6 or 7.
    int ShowTextMessage(int kind, const QString& text);

    /// The text shown now (for tests and the screen check).
    QString messageText() const;
    bool noButtonShown() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int showKind(int kind);

    GameState& state_;
    QWidget* mainWindow_;
    QString customText_;
    QLabel* txt_;
    ImageButton* noBtn_;
    ImageButton* yesBtn_;
};

}  // namespace pivo
