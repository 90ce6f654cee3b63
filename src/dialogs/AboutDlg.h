#pragma once

#include <QDialog>

namespace pivo {

/// The small about window of the information button: the logo, "Pivolet" and "Version  V3.1" in the
/// dialogs' stone panels. The tick, Enter or Esc closes it.
class TAboutDlg : public QDialog {
public:
    explicit TAboutDlg(QWidget* mainWindow);

    void showAbout();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* mainWindow_;
};

}  // namespace pivo
