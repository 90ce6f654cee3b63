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
const QSize StoneSize(bmp::StoneWidth, bmp::StoneHeight);

const QColor Magenta(255, 0, 255);

// Each drawing and each face made from another exists once however many lists show it; nothing is
// rendered until a window draws it.
class Drawings {
public:
    PicturePtr face(const char* name) { return drawing(name, FaceSize, Qt::white); }
    PicturePtr arrow(const char* name) { return drawing(name, ArrowSize, Qt::white); }
    PicturePtr logo() { return drawing("logo", {bmp::LogoWidth, bmp::LogoHeight}, Magenta); }
    PicturePtr faceStrip() {
        return drawing("face-strip", {bmp::select::FaceStripWidth, bmp::select::FaceStripFace}, Qt::white);
    }
    PicturePtr texture(const char* name, QSize size) {
        PicturePtr& picture = drawings_[key(name, size)];
        if (!picture) picture = Picture::fixed(size, [name] { return art::texture(QString::fromLatin1(name)); });
        return picture;
    }
    // One row of a sheet of textures stacked from the top, each `size` high.
    static PicturePtr textureRow(const char* name, QSize size, int row) {
        return Picture::fixed(size, [name, size, row] {
            return art::texture(QString::fromLatin1(name), QRect(QPoint(0, row * size.height()), size));
        });
    }
    PicturePtr lit(const PicturePtr& face) { return derived(lit_, face, art::lit); }
    PicturePtr grey(const PicturePtr& face) { return derived(grey_, face, art::grey); }

private:
    // A drawing may be asked for at more than one size, so the size is part of what is remembered.
    using Key = std::pair<std::string, std::pair<int, int>>;
    static Key key(const char* name, QSize size) { return {name, {size.width(), size.height()}}; }

    PicturePtr drawing(const char* name, QSize size, QColor transparent) {
        PicturePtr& picture = drawings_[key(name, size)];
        if (!picture)
            picture = std::make_shared<Picture>(size, [name, size, transparent](qreal ratio) {
                return art::keyed(art::render(QString::fromLatin1(name), size, ratio), transparent);
            });
        return picture;
    }

    static PicturePtr derived(std::map<const Picture*, PicturePtr>& made, const PicturePtr& face,
                              QPixmap (*derive)(const QPixmap&)) {
        PicturePtr& picture = made[face.get()];
        if (!picture)
            picture = std::make_shared<Picture>(face->size(),
                                                [face, derive](qreal ratio) { return derive(face->at(ratio)); });
        return picture;
    }

    std::map<Key, PicturePtr> drawings_;
    std::map<const Picture*, PicturePtr> lit_;
    std::map<const Picture*, PicturePtr> grey_;
};

using Pictures = std::vector<PicturePtr>;

// A list of `count` blank faces, so that unused positions hold a harmless transparent picture.
Pictures blanks(Drawings& drawings, int count) { return Pictures(std::size_t(count), drawings.face("blank")); }

// The four pictures every dialog list begins with.
Pictures dialogList(Drawings& drawings, int count) {
    Pictures list = blanks(drawings, count);
    list[bmp::LightStone] = drawings.texture("stone-light", StoneSize);
    list[bmp::DarkStone] = drawings.texture("stone-dark", StoneSize);
    list[bmp::Logo] = drawings.logo();
    return list;
}

// A button's pair: normal, then highlighted.
void putPair(Drawings& drawings, Pictures& list, int first, const PicturePtr& normal) {
    list[first] = normal;
    list[first + 1] = drawings.lit(normal);
}

// A pair whose highlighted picture shows something more (a lit bulb, sound waves, a tongue).
void putPair(Drawings& drawings, Pictures& list, int first, const PicturePtr& normal, const PicturePtr& more) {
    list[first] = normal;
    list[first + 1] = drawings.lit(more);
}

// A tool-bar button's three faces: normal, highlighted, grey.
void putTriple(Drawings& drawings, Pictures& list, int first, const PicturePtr& normal) {
    putPair(drawings, list, first, normal);
    list[first + 2] = drawings.grey(normal);
}

// The faces the options and statistics dialogs share, from the lips on (language, music, sound,
// background); `first` is where the lips go.
void putOptionFaces(Drawings& drawings, Pictures& list, int first) {
    putPair(drawings, list, first, drawings.face("lips"), drawings.face("lips-tongue"));
    putPair(drawings, list, first + 2, drawings.face("clef"), drawings.face("clef-sounding"));
    list[first + 4] = drawings.grey(list[first + 2]);
    putPair(drawings, list, first + 5, drawings.face("speaker"), drawings.face("speaker-sounding"));
    putPair(drawings, list, first + 7, drawings.face("swatch"));
}

BitmapList mainList(Drawings& drawings) {
    namespace m = bmp::mainwin;
    Pictures list = blanks(drawings, m::Count);
    // The styles lie one below the other in one sheet; each is read alone, when it is first shown.
    for (int style = 0; style < m::BackgroundStyles; ++style)
        list[m::Background + style] =
            Drawings::textureRow("backgrounds", {m::BackgroundWidth, m::BackgroundTile}, style);
    putTriple(drawings, list, m::NewGame, drawings.face("newgame"));
    putTriple(drawings, list, m::Load, drawings.face("load"));
    putTriple(drawings, list, m::Tip, drawings.face("tip"));
    list[m::TipLit] = drawings.lit(drawings.face("tip-lit"));
    putTriple(drawings, list, m::Stat, drawings.face("statistics"));
    putTriple(drawings, list, m::Select, drawings.face("select"));
    putPair(drawings, list, m::UnsolvedUp, drawings.arrow("arrow-red-up"));
    putPair(drawings, list, m::UnsolvedDown, drawings.arrow("arrow-red-down"));
    putPair(drawings, list, m::Up, drawings.arrow("arrow-green-up"));
    putPair(drawings, list, m::Down, drawings.arrow("arrow-green-down"));
    putPair(drawings, list, m::Category, drawings.face("category"));
    return BitmapList(std::move(list));
}

BitmapList dlgsList(Drawings& drawings) {
    namespace d = bmp::dlgs;
    Pictures list = dialogList(drawings, d::Count);
    putPair(drawings, list, d::Tick, drawings.face("tick"));
    putPair(drawings, list, d::Cross, drawings.face("cross"));
    putPair(drawings, list, d::GermanFlags, drawings.face("flags-german"));
    putPair(drawings, list, d::EnglishFlags, drawings.face("flags-english"));
    return BitmapList(std::move(list));
}

BitmapList btnsList(Drawings& drawings) {
    namespace b = bmp::btns;
    Pictures list = blanks(drawings, b::Count);
    putPair(drawings, list, b::Exit, drawings.face("exit"));
    putPair(drawings, list, b::Info, drawings.face("info"));
    putPair(drawings, list, b::Rules, drawings.face("rules"));
    putPair(drawings, list, b::Options, drawings.face("options"));
    return BitmapList(std::move(list));
}

// No window shows these; they keep the option faces in the options dialog's order from position 1.
BitmapList optsList(Drawings& drawings) {
    Pictures list = blanks(drawings, bmp::opts::Count);
    putOptionFaces(drawings, list, 1);
    putPair(drawings, list, 10, drawings.face("pattern-window"));
    return BitmapList(std::move(list));
}

BitmapList optionList(Drawings& drawings) {
    namespace o = bmp::option;
    Pictures list = dialogList(drawings, o::Count);
    putPair(drawings, list, o::Tick, drawings.face("tick"));
    putPair(drawings, list, o::Cross, drawings.face("cross"));
    putOptionFaces(drawings, list, o::Lips);
    putPair(drawings, list, o::PatternWindow, drawings.face("pattern-window"));
    return BitmapList(std::move(list));
}

BitmapList statList(Drawings& drawings) {
    namespace s = bmp::stat;
    Pictures list = dialogList(drawings, s::Count);
    putPair(drawings, list, s::Tick, drawings.face("tick"));
    putPair(drawings, list, s::Cross, drawings.face("cross"));
    putOptionFaces(drawings, list, bmp::option::Lips);
    return BitmapList(std::move(list));
}

BitmapList selectList(Drawings& drawings) {
    namespace s = bmp::select;
    Pictures list = dialogList(drawings, s::Count);
    putPair(drawings, list, s::Cross, drawings.face("cross"));
    list[s::FaceStrip] = drawings.faceStrip();
    list[s::SmallArrows] = drawings.arrow("small-arrows");
    putPair(drawings, list, s::Category, drawings.face("category"));
    return BitmapList(std::move(list));
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

TDlgResources::TDlgResources() : icon_(windowIcon()) {
    Drawings drawings;
    dlgs_ = dlgsList(drawings);
    btns_ = btnsList(drawings);
    opts_ = optsList(drawings);
    main_ = mainList(drawings);
    option_ = optionList(drawings);
    stat_ = statList(drawings);
    select_ = selectList(drawings);
}

const QCursor& TDlgResources::turnCursor(qreal ratio) const { return cursorAt(turnCursors_, cursors::turn, ratio); }

const QCursor& TDlgResources::moveCursor(qreal ratio) const { return cursorAt(moveCursors_, cursors::move, ratio); }

const QCursor& TDlgResources::cursorAt(std::map<qreal, QCursor>& made, QCursor (*make)(qreal), qreal ratio) {
    auto found = made.find(ratio);
    if (found == made.end()) found = made.emplace(ratio, make(ratio)).first;
    return found->second;
}

}  // namespace pivo
