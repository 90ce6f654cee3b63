// The lightest window Qt Widgets makes, at the size the game's main window opens with at first start and with
// its smallest size: the yardstick the start benchmark holds the game against. It paints nothing of its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(909, 576);
    window.setMinimumSize(650, 480);
    window.show();
    return app.exec();
}
