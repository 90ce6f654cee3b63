#pragma once

// Positions in the picture lists. Code names every picture it uses here, so the lists can be redrawn
// or reordered in one place.

namespace pivo::bmp {

/// The first four pictures of every dialog list.
inline constexpr int Blank = 0;
inline constexpr int LightStone = 1;
inline constexpr int DarkStone = 2;
inline constexpr int Logo = 3;

/// Sizes shared by the lists.
inline constexpr int FaceSize = 50;
inline constexpr int ArrowHeight = 25;
inline constexpr int StoneWidth = 160;
inline constexpr int StoneHeight = 120;
inline constexpr int LogoWidth = 100;
inline constexpr int LogoHeight = 75;

/// The main window's list: the background styles and the tool-bar faces. Each style is a picture of two
/// tiles side by side, the window's and the tool bar's; only the style shown is ever made.
namespace mainwin {
inline constexpr int Count = 31;
inline constexpr int Background = 0;
inline constexpr int BackgroundStyles = 6;
inline constexpr int BackgroundWidth = 200;
inline constexpr int BackgroundTile = 100;
inline constexpr int NewGame = 6, NewGameLit = 7, NewGameGrey = 8;
inline constexpr int Load = 9, LoadLit = 10, LoadGrey = 11;
inline constexpr int Tip = 12, TipLit = 13, TipGrey = 14;
inline constexpr int Stat = 15, StatLit = 16, StatGrey = 17;
inline constexpr int Select = 18, SelectLit = 19, SelectGrey = 20;
inline constexpr int UnsolvedUp = 21, UnsolvedUpLit = 22;
inline constexpr int UnsolvedDown = 23, UnsolvedDownLit = 24;
inline constexpr int Up = 25, UpLit = 26;
inline constexpr int Down = 27, DownLit = 28;
inline constexpr int Category = 29, CategoryLit = 30;
}  // namespace mainwin

/// The shared dialog list of the message, language, save and load dialogs.
namespace dlgs {
inline constexpr int Count = 28;
inline constexpr int Tick = 5, TickLit = 6;
inline constexpr int Cross = 7, CrossLit = 8;
inline constexpr int GermanFlags = 21, GermanFlagsLit = 22;
inline constexpr int EnglishFlags = 23, EnglishFlagsLit = 24;
}  // namespace dlgs

/// Faces of the right-hand tool-bar buttons.
namespace btns {
inline constexpr int Count = 9;
inline constexpr int Exit = 1, ExitLit = 2;
inline constexpr int Info = 3, InfoLit = 4;
inline constexpr int Rules = 5, RulesLit = 6;
inline constexpr int Options = 7, OptionsLit = 8;
}  // namespace btns

/// Option faces kept for the artwork; no window shows them.
namespace opts {
inline constexpr int Count = 14;
}  // namespace opts

/// The options dialog's list.
namespace option {
inline constexpr int Count = 19;
inline constexpr int Tick = 4, TickLit = 5;
inline constexpr int Cross = 6, CrossLit = 7;
inline constexpr int Lips = 8, LipsTongue = 9;
inline constexpr int Clef = 10, ClefSounding = 11, ClefGrey = 12;
inline constexpr int Speaker = 13, SpeakerSounding = 14;
inline constexpr int Swatch = 15, SwatchLit = 16;
inline constexpr int PatternWindow = 17, PatternWindowLit = 18;
}  // namespace option

/// The statistics dialog's list; 8..16 repeat the options dialog's pictures.
namespace stat {
inline constexpr int Count = 17;
inline constexpr int Tick = 4, TickLit = 5;
inline constexpr int Cross = 6, CrossLit = 7;
}  // namespace stat

/// The selection dialog's list.
namespace select {
inline constexpr int Count = 11;
inline constexpr int Cross = 4, CrossLit = 5;
inline constexpr int FaceStrip = 6;
inline constexpr int FaceStripWidth = 120;
inline constexpr int FaceStripFace = 15;
inline constexpr int SmallArrows = 7;
inline constexpr int Category = 8, CategoryLit = 9;
}  // namespace select

}  // namespace pivo::bmp
