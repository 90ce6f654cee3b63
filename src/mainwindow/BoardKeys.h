#pragma once

#include <Qt>

namespace pivo {

class GameModel;

/// Plays the board from the keyboard: sends `model` the command a board key stands for (the digits
/// 1..7, Tab, the arrows, Page Up and Down, M, Space, Enter and Esc) and returns true; any other key,
/// or one held with Ctrl, Alt or Meta, is left to the window and gives false.
bool sendBoardKey(GameModel& model, int key, Qt::KeyboardModifiers modifiers);

}  // namespace pivo
