#pragma once

#include "model/Catalogue.h"
#include "model/GameState.h"
#include "model/Progress.h"
#include "model/SelectionGrid.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace pivo {

class ImageButton;
class SelectTrack;
class ThumbnailGrid;

/// Picking a tangram of the current category from a scrolling 3 x 3 grid of thumbnails; the
/// category can be changed here too, and that change is in force at once. Its parts carry the object
/// names KatLabel, box, Scroll, List, CatBtn and CancelBtn.
class TSelectDlg : public QDialog {
    Q_OBJECT
public:
    TSelectDlg(GameState& state, const Catalogue& catalogue, const Progress& progress, QWidget* mainWindow);

    /// Opens the dialog modally; true when a tangram was picked (it is then the current one).
    bool selectTangram();

    /// The tangrams the grid shows now, cell by cell.
    const grid::Slots& slotTable() const { return slots_; }

signals:
    /// The category changed and its first tangram is current; the board must follow.
    void categoryChanged();

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
    void categoryChange();
    /// Track range and position for the current tangram.
    void setTrack();
    void refreshGrid();

    GameState& state_;
    const Catalogue& catalogue_;
    const Progress& progress_;
    QWidget* mainWindow_;
    grid::Slots slots_{};
    QLabel* katLabel_;
    ThumbnailGrid* box_;
    SelectTrack* scroll_;
    QListWidget* list_;
    ImageButton* catBtn_;
    ImageButton* cancelBtn_;
};

}  // namespace pivo
