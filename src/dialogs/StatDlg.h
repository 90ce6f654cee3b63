#pragma once

#include "model/GameModel.h"
#include "model/Preferences.h"
#include "model/Statistics.h"

#include <QDialog>

class QLabel;

namespace pivo {

class Gauge;
class TipLevelBar;

/// How far the player has got in the current category: finished tangrams, help needed, tangrams
/// dropped and points, as sentences, two gauges and a bar of the tip levels. Everything is counted
/// afresh at each opening; the dialog changes nothing. Its parts carry the object names TitleLabel,
/// CatLabel, L1, G1, L2, pieBox, L3 and G2.
class TStatDlg : public QDialog {
    Q_OBJECT
public:
    TStatDlg(const Preferences& preferences, const GameModel& model, QWidget* mainWindow);

    /// Opens the dialog modally; returns when it is closed.
    void showStatistics();

    const CategoryStatistics& statistics() const { return stats_; }

protected:
    void showEvent(QShowEvent* event) override;
    /// Enter, J and Y close the dialog; Esc and every other key do nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();

    const Preferences& preferences_;
    const GameModel& model_;
    QWidget* mainWindow_;
    CategoryStatistics stats_;
    QLabel* titleLabel_;
    QLabel* catLabel_;
    QLabel* l1_;
    Gauge* g1_;
    QLabel* l2_;
    TipLevelBar* pieBox_;
    QLabel* l3_;
    Gauge* g2_;
};

}  // namespace pivo
