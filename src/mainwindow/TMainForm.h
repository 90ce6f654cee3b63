#pragma once

#include "model/Board.h"
#include "model/Catalogue.h"
#include "texts/CommandTexts.h"
#include "texts/EditorTexts.h"
#include "model/GameState.h"
#include "GameWindows.h"
#include "resources/ImageButton.h"
#include "model/Progress.h"
#include "SaveLoadDialogs.h"
#include "model/SavedGames.h"

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
    GameState& state;
    Catalogue& catalogue;
    Progress& progress;
    Settings& settings;
    GameWindows& windows;
    SoundEffects& sound;
    Music& music;
    RulesHelp& help;
    const TDlgResources& resources;
};

/// The game's main window: the tool bar with every command, and the board on which the tans are laid.
/// It turns button and mouse events into calls on the board model and paints what the model reports.
class TMainForm : public QWidget, private BoardListener {
    Q_OBJECT
public:
    /// Reads the settings, loads the catalogue and the saved game, and sets up the current tangram.
    /// `state.programFolder` must be set. When the catalogue cannot be used the player is told why and
    /// started() is false; the window must then not be shown.
    explicit TMainForm(const MainFormContext& context);

    bool started() const { return started_; }
    const Board& board() const { return board_; }
    BoardBox* box() const { return box_; }
    const SavedGames& savedGames() const { return savedGames_; }
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

private:
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormResize();
    void centreOnScreen();
    void boxMouseDown(Qt::MouseButton button, int x, int y);
    void boxMouseMove(bool leftButtonHeld, int x, int y);
    void Timer1Timer();

    void onBoardEvent(const BoardEvent& event) override;
    bool loadCatalogue();
    void buildToolBar();
    void addButton(ToolButton which, const BitmapList& list, ButtonFaces faces, QPoint at);
    void buildEditorButtons();
    std::string dataFile() const;
    void tellEditOutcome(EditCommand command, EditOutcome outcome);
    /// Sets up the current tangram and shows it: board, pattern window, caption.
    void showCurrentTangram();
    void unsolvedStep(bool forward);
    /// The pattern mode brought into 0..3, for the places that depend on it.
    int effectivePatternMode() const;

    GameState& state_;
    Catalogue& catalogue_;
    Progress& progress_;
    Settings& settings_;
    GameWindows& windows_;
    SoundEffects& sound_;
    Music& music_;
    RulesHelp& help_;
    const TDlgResources& resources_;
    SavedGames savedGames_;
    SaveLoadDialogs saveLoadDialogs_;
    Board board_;

    bool started_ = false;
    bool firstActivation_ = true;
    QWidget* toolPanel_ = nullptr;
    ToolBox* toolBox_ = nullptr;
    BoardBox* box_ = nullptr;
    std::map<ToolButton, ImageButton*> buttons_;
    std::array<QPushButton*, 3> editorButtons_{};
    QTimer timer1_;
};

}  // namespace pivo
