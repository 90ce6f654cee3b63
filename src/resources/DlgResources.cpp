#include "DlgResources.h"

#include "Artwork.h"
#include "BitmapIndex.h"
#include "Cursors.h"

#include <map>
#include <string>
#include <utility>

namespace pivo {
namespace {

const QSize FaceSize(bmp::FaceSize, bmp::FaceSize);
const QSize ArrowSize(bmp::FaceSize, bmp::ArrowHeight);

const QColor Magenta(255, 0, 255);

// Renders each drawing once however many lists show it; the lists then share the pixels.
class Drawings {
public:
    QPixmap face(const char* name) { return drawing(name, FaceSize, Qt::white); }
    QPixmap arrow(const char* name) { return drawing(name, ArrowSize, Qt::white); }
    QPixmap logo() { return drawing("logo", {bmp::LogoWidth, bmp::LogoHeight}, Magenta); }
    QPixmap faceStrip() {
        return drawing("face-strip", {bmp::select::FaceStripWidth, bmp::select::FaceStripFace}, Qt::white);
    }
    QPixmap texture(const char* name) {
        return remembered({name, QSize()}, [&] { return art::texture(QString::fromLatin1(name)); });
    }

private:
    // A drawing may be asked for at more than one size, so the size is part of what is remembered.
    using Key = std::pair<std::string, std::pair<int, int>>;

    QPixmap drawing(const char* name, QSize size, QColor key) {
        return remembered({name, size},
                          [&] { return art::keyed(art::render(QString::fromLatin1(name), size), key); });
    }

    template <typename Make>
    QPixmap remembered(std::pair<const char*, QSize> what, Make make) {
        QPixmap& picture = pictures_[Key{what.first, {what.second.width(), what.second.height()}}];
        if (picture.isNull()) picture = make();
        return picture;
    }

    std::map<Key, QPixmap> pictures_;
};

// A list of `count` blank faces, so that unused positions hold a harmless transparent picture.
BitmapList blanks(Drawings& drawings, int count) { return BitmapList(count, drawings.face("blank")); }

// The four pictures every dialog list begins with.
BitmapList dialogList(Drawings& drawings, int count) {
    BitmapList list = blanks(drawings, count);
    list[bmp::LightStone] = drawings.texture("stone-light");
    list[bmp::DarkStone] = drawings.texture("stone-dark");
    list[bmp::Logo] = drawings.logo();
    return list;
}

// A button's pair: normal, then highlighted.
void putPair(BitmapList& list, int first, const QPixmap& normal) {
    list[first] = normal;
    list[first + 1] = art::lit(normal);
}

// A pair whose highlighted picture shows something more (a lit bulb, sound waves, a tongue).
void putPair(BitmapList& list, int first, const QPixmap& normal, const QPixmap& more) {
    list[first] = normal;
    list[first + 1] = art::lit(more);
}

// A tool-bar button's three faces: normal, highlighted, grey.
void putTriple(BitmapList& list, int first, const QPixmap& normal) {
    putPair(list, first, normal);
    list[first + 2] = art::grey(normal);
}

// The faces the options and statistics dialogs share, from the lips on (language, music, sound,
// background); `first` is where the lips go.
void putOptionFaces(Drawings& drawings, BitmapList& list, int first) {
    putPair(list, first, drawings.face("lips"), drawings.face("lips-tongue"));
    putPair(list, first + 2, drawings.face("clef"), drawings.face("clef-sounding"));
    list[first + 4] = art::grey(list[first + 2]);
    putPair(list, first + 5, drawings.face("speaker"), drawings.face("speaker-sounding"));
    putPair(list, first + 7, drawings.face("swatch"));
}

BitmapList mainList(Drawings& drawings) {
    namespace m = bmp::mainwin;
    BitmapList list = blanks(drawings, m::Count);
    list[m::Background] = drawings.texture("backgrounds");
    putTriple(list, m::NewGame, drawings.face("newgame"));
    putTriple(list, m::Load, drawings.face("load"));
    putTriple(list, m::Tip, drawings.face("tip"));
    list[m::TipLit] = art::lit(drawings.face("tip-lit"));
    putTriple(list, m::Stat, drawings.face("statistics"));
    putTriple(list, m::Select, drawings.face("select"));
    putPair(list, m::UnsolvedUp, drawings.arrow("arrow-red-up"));
    putPair(list, m::UnsolvedDown, drawings.arrow("arrow-red-down"));
    putPair(list, m::Up, drawings.arrow("arrow-green-up"));
    putPair(list, m::Down, drawings.arrow("arrow-green-down"));
    putPair(list, m::Category, drawings.face("category"));
    return list;
}

BitmapList dlgsList(Drawings& drawings) {
    namespace d = bmp::dlgs;
    BitmapList list = dialogList(drawings, d::Count);
    putPair(list, d::Tick, drawings.face("tick"));
    putPair(list, d::Cross, drawings.face("cross"));
    putPair(list, d::GermanFlags, drawings.face("flags-german"));
    putPair(list, d::EnglishFlags, drawings.face("flags-english"));
    return list;
}

BitmapList btnsList(Drawings& drawings) {
    namespace b = bmp::btns;
    BitmapList list = blanks(drawings, b::Count);
    putPair(list, b::Exit, drawings.face("exit"));
    putPair(list, b::Info, drawings.face("info"));
    putPair(list, b::Rules, drawings.face("rules"));
    putPair(list, b::Options, drawings.face("options"));
    return list;
}

// No window shows these; they keep the option faces in the options dialog's order from position 1.
BitmapList optsList(Drawings& drawings) {
    BitmapList list = blanks(drawings, bmp::opts::Count);
    putOptionFaces(drawings, list, 1);
    putPair(list, 10, drawings.face("pattern-window"));
    return list;
}

BitmapList optionList(Drawings& drawings) {
    namespace o = bmp::option;
    BitmapList list = dialogList(drawings, o::Count);
    putPair(list, o::Tick, drawings.face("tick"));
    putPair(list, o::Cross, drawings.face("cross"));
    putOptionFaces(drawings, list, o::Lips);
    putPair(list, o::PatternWindow, drawings.face("pattern-window"));
    return list;
}

BitmapList statList(Drawings& drawings) {
    namespace s = bmp::stat;
    BitmapList list = dialogList(drawings, s::Count);
    putPair(list, s::Tick, drawings.face("tick"));
    putPair(list, s::Cross, drawings.face("cross"));
    putOptionFaces(drawings, list, bmp::option::Lips);
    return list;
}

BitmapList selectList(Drawings& drawings) {
    namespace s = bmp::select;
    BitmapList list = dialogList(drawings, s::Count);
    putPair(list, s::Cross, drawings.face("cross"));
    list[s::FaceStrip] = drawings.faceStrip();
    list[s::SmallArrows] = drawings.arrow("small-arrows");
    putPair(list, s::Category, drawings.face("category"));
    return list;
}

// The icon at its own 32 pixels and at 48 for larger panels, each rendered at its size to stay sharp;
// at 16 the gaps would break up, so smaller ones are scaled down from these.
QIcon windowIcon() {
    QIcon icon;
    for (int side : {32, 48}) icon.addPixmap(art::cutOut(art::render(QStringLiteral("mainicon"), {side, side})));
    return icon;
}

}  // namespace

const TDlgResources& TDlgResources::shared() {
    static const TDlgResources resources;
    return resources;
}

TDlgResources::TDlgResources()
    : turnCursor_(cursors::turn()), moveCursor_(cursors::move()), icon_(windowIcon()) {
    Drawings drawings;
    dlgs_ = dlgsList(drawings);
    btns_ = btnsList(drawings);
    opts_ = optsList(drawings);
    main_ = mainList(drawings);
    option_ = optionList(drawings);
    stat_ = statList(drawings);
    select_ = selectList(drawings);
}

}  // namespace pivo
