#pragma once

#include "model/Preferences.h"

#include <QDialog>

namespace pivo {

class ImageButton;

/// The first-start question for the language: a flag button each for German and English. Its only
/// effect is the language. It sits in the middle of the screen.
class TTongueDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTongueDlg(Preferences& preferences, QWidget* parent = nullptr);

    ImageButton* germanButton() const { return germanBtn_; }
    ImageButton* englishButton() const { return englishBtn_; }

protected:
    void showEvent(QShowEvent* event) override;
    /// The choice is made with the flags only; no key closes the dialog without one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(Language language);

    Preferences& preferences_;
    ImageButton* germanBtn_;
    ImageButton* englishBtn_;
};

}  // namespace pivo
