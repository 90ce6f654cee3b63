#include "Game.h"
#include "mainwindow/TMainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pivo::Game game(pivo::Game::programFolder(), pivo::Settings::openUserStore());
    if (!game.start()) return 1;
    game.mainForm().show();
    return app.exec();
}
