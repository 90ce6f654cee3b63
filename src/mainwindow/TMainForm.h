#pragma once

#include "GameWindows.h"
#include "SaveLoadDialogs.h"
#include "media/FirstFrameWatch.h"
#include "model/Change.h"
#include "model/GameModel.h"
#include "model/Preferences.h"
#include "resources/ImageButton.h"
#include "texts/CommandTexts.h"
#include "texts/EditorTexts.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <string>

namespace pivo {

class BoardBox;
class Music;
class RulesHelp;
class Settings;
class SoundEffects;
class TDlgResources;
class ToolBox;

/// The pattern editor's push buttons on the tool bar, shown only in editor mode.
enum class EditorButton { Add, Save, Delete };

/// What the main window works with; everything lives for the whole run and is owned by the caller.
struct MainFormContext {
    Preferences& preferences;
    GameModel& model;
    Settings& settings;
    GameWindows& windows;
    SoundEffects& sound;
    Music& music;
    RulesHelp& help;
    const TDlgResources& resources;
};

/// The game's main window: the tool bar with every command, and the board on which the tans are laid.
/// Its handlers turn button and mouse events into commands of the game model; what each command
/// changed comes back in one Change, which it shows: board, sounds, cursor, notices, pattern window,
/// caption.
class TMainForm : public QWidget, private ChangeListener {
    Q_OBJECT
public:
    /// Reads the settings, loads the catalogue and the saved game, and sets up the current tangram.
    /// `preferences.programFolder` must be set. When the catalogue cannot be used the player is told
    /// why and started() is false; the window must then not be shown.
    explicit TMainForm(const MainFormContext& context);

    bool started() const { return started_; }
    BoardBox* box() const { return box_; }
    ImageButton* button(ToolButton which) const;
    QPushButton* editorButton(EditorButton which) const;
    /// Shows or hides the pattern window and the silhouette on the board for the pattern mode.
    void applyPatternMode();

    static constexpr int DesignWidth = 909;
    static constexpr int DesignHeight = 576;

public slots:
    void UpdateCaption();
    void UpdateHints();

    void NewgameBtnClick();
    void LoadBtnClick();
    void StatBtnClick();
    void TipBtnClick();
    void CategoryBtnMouseDown(Qt::MouseButton button);
    void UpBtnClick();
    void DnBtnClick();
    void UnsolvedUpBtnClick();
    void UnsolvedDnBtnClick();
    void SelectBtnClick();
    void OptionBtnClick();
    void InfoBtnClick();
    void RulesBtnClick();
    void ExitBtnClick();

    void AddBtnClick();
    void SaveBtnClick();
    void Del_BtnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// The window has no focus chain: Tab lifts the next tan.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormResize();
    void placeWindow();
    void boxMouseDown(Qt::MouseButton button, int x, int y);
    void boxMouseMove(bool leftButtonHeld, int x, int y);
    void Timer1Timer();

    void changed(const Change& change) override;
    bool loadCatalogue();
    void buildToolBar();
    void addButton(ToolButton which, const BitmapList& list, ButtonFaces faces, QPoint at);
    void buildEditorButtons();
    void tellEditOutcome(EditCommand command, EditOutcome outcome);
    /// The pattern mode brought into 0..3, for the places that depend on it.
    int effectivePatternMode() const;

    Preferences& preferences_;
    GameModel& model_;
    Settings& settings_;
    GameWindows& windows_;
    SoundEffects& sound_;
    Music& music_;
    RulesHelp& help_;
    const TDlgResources& resources_;
    SaveLoadDialogs saveLoadDialogs_;

    bool started_ = false;
    bool firstActivation_ = true;
    bool placed_ = false;
    bool firstFramePainted_ = false;
    // The first activation waits for the first frame: what it opens (the language dialog, the pattern
    // window) is made only after that frame.
    FirstFrameWatch firstFrame_{[this] {
        firstFramePainted_ = true;
        FormActivate();
    }};
    QWidget* toolPanel_ = nullptr;
    ToolBox* toolBox_ = nullptr;
    BoardBox* box_ = nullptr;
    std::map<ToolButton, ImageButton*> buttons_;
    std::array<QPushButton*, 3> editorButtons_{};
    QTimer timer1_;
};

}  // namespace pivo
