#include "DlgResources.h"

#include "BitmapIndex.h"
#include "Cursors.h"
#include "Faces.h"

namespace pivo {
namespace {

using faces::Look;

const QSize FaceSize(bmp::FaceSize, bmp::FaceSize);
const QSize ArrowSize(bmp::FaceSize, bmp::ArrowHeight);

const QColor Green(0, 150, 0);
const QColor Red(200, 0, 0);

// A list of `count` blank faces, so that unused positions hold a harmless transparent picture.
BitmapList blanks(int count) { return BitmapList(count, faces::blank()); }

// The four pictures every dialog list begins with.
BitmapList dialogList(int count) {
    BitmapList list = blanks(count);
    list[bmp::LightStone] = faces::stone(190, 1);
    list[bmp::DarkStone] = faces::stone(100, 2);
    list[bmp::Logo] = faces::logo();
    return list;
}

// A dialog button's pair: normal, then highlighted.
void putPair(BitmapList& list, int first, QColor colour, const faces::Symbol& symbol) {
    list[first] = faces::face(FaceSize, colour, Look::Normal, symbol);
    list[first + 1] = faces::face(FaceSize, colour, Look::Lit, symbol);
}

// A tool-bar button's three faces: normal, highlighted, grey.
void putTriple(BitmapList& list, int first, QColor colour, const faces::Symbol& symbol) {
    putPair(list, first, colour, symbol);
    list[first + 2] = faces::face(FaceSize, colour, Look::Grey, symbol);
}

void putArrow(BitmapList& list, int first, QColor colour, bool up) {
    list[first] = faces::face(ArrowSize, colour, Look::Normal, faces::arrow(up));
    list[first + 1] = faces::face(ArrowSize, colour, Look::Lit, faces::arrow(up));
}

const QColor ClefColour(0, 90, 160);

// The faces the options and statistics dialogs share, from the lips on (language, music, sound,
// background); `first` is where the lips go.
void putOptionFaces(BitmapList& list, int first) {
    list[first] = faces::face(FaceSize, Red, Look::Normal, faces::lips(false));
    list[first + 1] = faces::face(FaceSize, Red, Look::Normal, faces::lips(true));
    list[first + 2] = faces::letterFace(FaceSize, ClefColour, Look::Normal, QStringLiteral("♪"));
    list[first + 3] = faces::letterFace(FaceSize, ClefColour, Look::Lit, QStringLiteral("♫"));
    list[first + 4] = faces::letterFace(FaceSize, ClefColour, Look::Grey, QStringLiteral("♪"));
    list[first + 5] = faces::face(FaceSize, QColor(90, 90, 90), Look::Normal, faces::speaker(false));
    list[first + 6] = faces::face(FaceSize, QColor(90, 90, 90), Look::Lit, faces::speaker(true));
    putPair(list, first + 7, QColor(130, 80, 30), faces::swatch());
}

BitmapList mainList() {
    namespace m = bmp::mainwin;
    BitmapList list = blanks(m::Count);
    list[m::Background] = faces::backgroundSheet();
    putTriple(list, m::NewGame, QColor(120, 0, 140), faces::sunburst());
    putTriple(list, m::Load, QColor(0, 60, 170), faces::diskette());
    putTriple(list, m::Tip, QColor(220, 110, 0), faces::bulb(false));
    list[m::TipLit] = faces::face(FaceSize, QColor(220, 110, 0), Look::Lit, faces::bulb(true));
    putTriple(list, m::Stat, QColor(0, 130, 130), faces::barChart());
    putTriple(list, m::Select, QColor(130, 80, 30), faces::cards());
    putArrow(list, m::UnsolvedUp, Red, true);
    putArrow(list, m::UnsolvedDown, Red, false);
    putArrow(list, m::Up, Green, true);
    putArrow(list, m::Down, Green, false);
    putPair(list, m::Category, QColor(170, 170, 170), faces::tangramSquare());
    return list;
}

BitmapList dlgsList() {
    namespace d = bmp::dlgs;
    BitmapList list = dialogList(d::Count);
    putPair(list, d::Tick, Green, faces::tick());
    putPair(list, d::Cross, Red, faces::cross());
    list[d::GermanFlags] = faces::flags(true, Look::Normal);
    list[d::GermanFlagsLit] = faces::flags(true, Look::Lit);
    list[d::EnglishFlags] = faces::flags(false, Look::Normal);
    list[d::EnglishFlagsLit] = faces::flags(false, Look::Lit);
    return list;
}

BitmapList btnsList() {
    namespace b = bmp::btns;
    BitmapList list = blanks(b::Count);
    putPair(list, b::Exit, QColor(120, 0, 0), faces::door());
    list[b::Info] = faces::letterFace(FaceSize, QColor(0, 60, 170), Look::Normal, QStringLiteral("i"));
    list[b::InfoLit] = faces::letterFace(FaceSize, QColor(0, 60, 170), Look::Lit, QStringLiteral("i"));
    list[b::Rules] = faces::letterFace(FaceSize, Green, Look::Normal, QStringLiteral("?"));
    list[b::RulesLit] = faces::letterFace(FaceSize, Green, Look::Lit, QStringLiteral("?"));
    putPair(list, b::Options, QColor(90, 90, 90), faces::tools());
    return list;
}

// No window shows these; they keep the option faces in the options dialog's order from position 1.
BitmapList optsList() {
    BitmapList list = blanks(bmp::opts::Count);
    putOptionFaces(list, 1);
    putPair(list, 10, QColor(60, 60, 140), faces::smallWindow());
    return list;
}

BitmapList optionList() {
    namespace o = bmp::option;
    BitmapList list = dialogList(o::Count);
    putPair(list, o::Tick, Green, faces::tick());
    putPair(list, o::Cross, Red, faces::cross());
    putOptionFaces(list, o::Lips);
    putPair(list, o::PatternWindow, QColor(60, 60, 140), faces::smallWindow());
    return list;
}

BitmapList statList() {
    namespace s = bmp::stat;
    BitmapList list = dialogList(s::Count);
    putPair(list, s::Tick, Green, faces::tick());
    putPair(list, s::Cross, Red, faces::cross());
    putOptionFaces(list, bmp::option::Lips);
    return list;
}

BitmapList selectList() {
    namespace s = bmp::select;
    BitmapList list = dialogList(s::Count);
    putPair(list, s::Cross, Red, faces::cross());
    list[s::FaceStrip] = faces::faceStrip();
    list[s::SmallArrows] = faces::smallArrows();
    putPair(list, s::Category, QColor(170, 170, 170), faces::tangramSquare());
    return list;
}

}  // namespace

const TDlgResources& TDlgResources::shared() {
    static const TDlgResources resources;
    return resources;
}

TDlgResources::TDlgResources()
    : dlgs_(dlgsList()),
      btns_(btnsList()),
      opts_(optsList()),
      main_(mainList()),
      option_(optionList()),
      stat_(statList()),
      select_(selectList()),
      turnCursor_(cursors::turn()),
      moveCursor_(cursors::move()),
      icon_(faces::tangramIcon(32)) {}

}  // namespace pivo
