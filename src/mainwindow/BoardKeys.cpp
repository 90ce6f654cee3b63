#include "BoardKeys.h"

#include "model/GameModel.h"

namespace pivo {

bool sendBoardKey(GameModel& model, int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const int step = shift ? 5 : 1;
    if (key >= Qt::Key_1 && key <= Qt::Key_7) {
        model.liftTan(key - Qt::Key_0);
        return true;
    }
    switch (key) {
        case Qt::Key_Tab: model.liftNextTan(!shift); return true;
        case Qt::Key_Backtab: model.liftNextTan(false); return true;
        case Qt::Key_Left: model.moveLiftedTan(-step, 0); return true;
        case Qt::Key_Right: model.moveLiftedTan(step, 0); return true;
        case Qt::Key_Up: model.moveLiftedTan(0, -step); return true;
        case Qt::Key_Down: model.moveLiftedTan(0, step); return true;
        // Turn steps go clockwise; Page Up turns the other way, as the wheel rolled away does.
        case Qt::Key_PageUp: model.turnLiftedTan(-1); return true;
        case Qt::Key_PageDown: model.turnLiftedTan(1); return true;
        case Qt::Key_M: model.mirrorLiftedTan(); return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: model.putDownLiftedTan(Board::Refusal::Sounded); return true;
        case Qt::Key_Escape: model.putDownLiftedTan(Board::Refusal::Quiet); return true;
        default: return false;
    }
}

}  // namespace pivo
