#pragma once

#include "model/GameModel.h"
#include "model/Preferences.h"
#include "model/SelectionGrid.h"

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;

namespace pivo {

class ImageButton;
class SelectTrack;
class ThumbnailGrid;

/// Picking a tangram of the current category from a scrolling 3 x 3 grid of thumbnails; the
/// category can be changed here too, and that change is in force at once: the dialog asks for it by
/// its signals and shows the category the game model then holds. Its parts carry the object names
/// KatLabel, box, Scroll, List, CatBtn and CancelBtn.
class TSelectDlg : public QDialog {
    Q_OBJECT
public:
    TSelectDlg(const Preferences& preferences, const GameModel& model, QWidget* mainWindow);

    /// Opens the dialog modally; the tangram picked, or none when the dialog was cancelled.
    std::optional<int> selectTangram();

    /// The tangrams the grid shows now, cell by cell.
    const grid::Slots& slotTable() const { return slots_; }

signals:
    /// The category button was pressed with `button`; the category it steps to must become current.
    void categoryButtonPressed(Qt::MouseButton button);
    /// The category was chosen from the list and must become current.
    void categoryChosen(int category);

protected:
    void showEvent(QShowEvent* event) override;
    /// Esc and N cancel, though the track holds the focus.
    void keyPressEvent(QKeyEvent* event) override;
    /// The wheel moves the track wherever the mouse is, as the track holds the focus.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
    void boxMouseDown(QPoint at);
    void CatBtnMouseDown(Qt::MouseButton button);
    void KatLabelClick();
    void ListChange(int row);
    /// Shows the category the game model now holds.
    void categoryChange();
    /// Track range and position for the current tangram.
    void setTrack();
    void refreshGrid();

    const Preferences& preferences_;
    const GameModel& model_;
    QWidget* mainWindow_;
    grid::Slots slots_{};
    int picked_ = grid::NoTangram;
    QLabel* katLabel_;
    ThumbnailGrid* box_;
    SelectTrack* scroll_;
    QListWidget* list_;
    ImageButton* catBtn_;
    ImageButton* cancelBtn_;
};

}  // namespace pivo
