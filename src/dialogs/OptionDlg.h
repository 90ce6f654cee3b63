#pragma once

#include "model/Preferences.h"

#include <QDialog>

class QLabel;

namespace pivo {

class ImageButton;
class Music;

/// The five settings of the game, each with a button that steps it and a label that tells the value
/// in force: language, sound, music, background and where the pattern is shown. Every press takes
/// effect at once; nothing is undone. Its parts carry the object names OKBtn, OptLabel, TongueBtn,
/// TongueLabel, SoundBtn, SoundLabel, MusicBtn, MusicLabel, BackBtn, BackLabel, PatBtn and PatLabel.
class TOptionDlg : public QDialog {
    Q_OBJECT
public:
    TOptionDlg(Preferences& preferences, QWidget* mainWindow);

    /// Opens the dialog modally with the sound and music switches of `music`; returns when it is
    /// closed.
    void showOptions(Music& music);

signals:
    void languageChanged();
    void backgroundChanged();
    void patternModeChanged();

protected:
    void showEvent(QShowEvent* event) override;
    /// Enter, J and Y close the dialog; Esc and every other key do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshTexts();
    void TongueBtnClick();
    void SoundBtnClick();
    void MusicBtnClick();
    void BackBtnClick();
    void PatBtnClick();

    Preferences& preferences_;
    QWidget* mainWindow_;
    /// The switches of the opening in progress.
    Music* music_ = nullptr;
    ImageButton* okBtn_;
    QLabel* optLabel_;
    ImageButton* tongueBtn_;
    QLabel* tongueLabel_;
    ImageButton* soundBtn_;
    QLabel* soundLabel_;
    ImageButton* musicBtn_;
    QLabel* musicLabel_;
    ImageButton* backBtn_;
    QLabel* backLabel_;
    ImageButton* patBtn_;
    QLabel* patLabel_;
};

}  // namespace pivo
