#pragma once

#include "model/Preferences.h"
#include "model/SavedGames.h"

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;

namespace pivo {

class ImageButton;

/// Lists the saved games and picks one at the first selection, by click or arrow key. With no saved
/// game the list holds a placeholder line, which cancels like the cross.
class TLoadGameDlg : public QDialog {
    Q_OBJECT
public:
    TLoadGameDlg(Preferences& preferences, const SavedGames& games, QWidget* mainWindow);

    /// True when a game was picked, with `name` set to it; otherwise `name` is unchanged.
    bool pick(std::string& name);

    QListWidget* nameList() const { return nameList_; }
    ImageButton* cancelButton() const { return cancelBtn_; }
    QString question() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void lineSelected();

    Preferences& preferences_;
    const SavedGames& games_;
    QWidget* mainWindow_;
    bool gamesFound_ = false;
    std::string picked_;
    QLabel* whatLabel_;
    QListWidget* nameList_;
    ImageButton* cancelBtn_;
};

}  // namespace pivo
