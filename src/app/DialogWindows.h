#pragma once

#include "mainwindow/GameWindows.h"
#include "media/FirstFrameWatch.h"
#include "model/GameModel.h"
#include "model/Preferences.h"

#include <memory>

namespace pivo {

class TAboutDlg;
class TLoadGameDlg;
class TOptionDlg;
class TPatForm;
class TSaveGameDlg;
class TSelectDlg;
class TStatDlg;
class TTongueDlg;
class TYesNoDlg;

/// The game's real dialogs and pattern window behind the main window's GameWindows. The message
/// dialog is made on first use, because the main window may have to tell something while it is still
/// being created; the others are made in their turn by createWindows(), or after the main window's first
/// frame (createAfterFirstFrame), so that they do not delay it.
class DialogWindows : public GameWindows {
public:
    explicit DialogWindows(Preferences& preferences);
    ~DialogWindows() override;

    /// Creates the windows that follow the main window, in the game's order.
    void createWindows(const GameModel& model, QPoint patternPosition);
    /// The same, once the first frame is on the screen; whatever asks for a window before then (a
    /// tool-bar button pressed during the start) has them all made at that moment, in the same order.
    void createAfterFirstFrame(const GameModel& model, QPoint patternPosition);

    /// The pattern window, once created.
    TPatForm* patternWindow() const { return patForm_.get(); }

    void setMainWindow(QWidget* mainWindow) override;
    DialogAnswer showStockMessage(MessageKind kind) override;
    DialogAnswer showTextMessage(MessageKind kind, const QString& text) override;
    void chooseLanguage() override;
    bool askGameName(std::string& name) override;
    bool pickGame(std::string& name) override;
    void showStatistics() override;
    std::optional<int> selectTangram(const SelectEffects& effects) override;
    void showOptions(const OptionEffects& effects) override;
    void showAbout() override;
    void showPatternWindow(bool shown) override;
    void refreshPatternWindow() override;
    QPoint patternWindowPosition() const override;

private:
    TYesNoDlg& messageDialog();
    // Makes the windows now if they wait for the first frame.
    void makeWaitingWindows();

    Preferences& preferences_;
    QWidget* mainWindow_ = nullptr;
    std::unique_ptr<TPatForm> patForm_;
    std::unique_ptr<TYesNoDlg> yesNoDlg_;
    std::unique_ptr<TOptionDlg> optionDlg_;
    std::unique_ptr<TTongueDlg> tongueDlg_;
    std::unique_ptr<TStatDlg> statDlg_;
    std::unique_ptr<TSelectDlg> selectDlg_;
    std::unique_ptr<TSaveGameDlg> saveGameDlg_;
    std::unique_ptr<TLoadGameDlg> loadGameDlg_;
    std::unique_ptr<TAboutDlg> aboutDlg_;
    const GameModel* waitingModel_ = nullptr;
    QPoint waitingPatternPosition_;
    FirstFrameWatch firstFrame_{[this] { makeWaitingWindows(); }};
};

}  // namespace pivo
