#pragma once

#include "BitmapList.h"

#include <QCursor>
#include <QIcon>

#include <map>

namespace pivo {

/// The game's pictures: every bitmap list, the two board cursors and the window icon. The pictures
/// never change once made, so one shared instance serves every window; it needs a running
/// QGuiApplication. Pictures and cursors are made when first drawn, at the device pixel ratio they are
/// drawn at.
class TDlgResources {
public:
    /// The one instance, built on first use.
    static const TDlgResources& shared();

    /// Shared dialog list (28): textures, logo and the faces of the message, language, save and load dialogs.
    const BitmapList& dlgs() const { return dlgs_; }
    /// Faces of the right-hand tool-bar buttons (9).
    const BitmapList& btns() const { return btns_; }
    /// Option faces (14).
    const BitmapList& opts() const { return opts_; }
    /// The main window's list (31): the six background styles and the tool-bar faces.
    const BitmapList& mainBitmaps() const { return main_; }
    /// The per-dialog lists of the options (19), statistics (17) and selection (11) dialogs.
    const BitmapList& optionBitmaps() const { return option_; }
    const BitmapList& statBitmaps() const { return stat_; }
    const BitmapList& selectBitmaps() const { return select_; }

    /// Board cursor over the part of a lifted tan that turns it (slot 1), for a screen's device pixel ratio.
    const QCursor& turnCursor(qreal ratio = 1.0) const;
    /// Board cursor over the part of a lifted tan that moves it (slot 2).
    const QCursor& moveCursor(qreal ratio = 1.0) const;
    /// The window icon: a black tangram square with thin gaps between its pieces.
    const QIcon& icon() const { return icon_; }

private:
    TDlgResources();
    static const QCursor& cursorAt(std::map<qreal, QCursor>& made, QCursor (*make)(qreal), qreal ratio);

    BitmapList dlgs_;
    BitmapList btns_;
    BitmapList opts_;
    BitmapList main_;
    BitmapList option_;
    BitmapList stat_;
    BitmapList select_;
    mutable std::map<qreal, QCursor> turnCursors_;
    mutable std::map<qreal, QCursor> moveCursors_;
    QIcon icon_;
};

}  // namespace pivo
