#include "WindowPlacement.h"

#include "resources/ScreenFit.h"

#include <QDataStream>

namespace pivo {

namespace {

// Qt's layout of saveGeometry(): a magic number and a version, then the frame and normal rectangles,
// screen, maximised and full-screen flags, from version 2 the screen's width and from version 3 the
// window's rectangle.
constexpr quint32 PlacementMagic = 0x1D9D0CB;
constexpr quint16 NewestVersion = 3;
constexpr int LargestFrame = 200;

bool plausible(const QMargins& frame) {
    for (int side : {frame.left(), frame.top(), frame.right(), frame.bottom()})
        if (side < 0 || side > LargestFrame) return false;
    return true;
}

}  // namespace

std::optional<WindowPlacement> readWindowPlacement(const QByteArray& saved) {
    QDataStream in(saved);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    in >> magic >> major >> minor;
    if (magic != PlacementMagic || major < 1 || major > NewestVersion) return std::nullopt;
    QRect frame;
    QRect normal;
    qint32 screenNumber = 0;
    quint8 maximised = 0;
    quint8 fullScreen = 0;
    qint32 screenWidth = 0;
    in >> frame >> normal >> screenNumber >> maximised >> fullScreen;
    if (major > 1) in >> screenWidth;
    // Before version 3 the window's own rectangle is not kept; the normal one stands for it when the
    // window was not maximised.
    QRect window = normal;
    if (major > 2) in >> window;
    if (in.status() != QDataStream::Ok || !normal.isValid()) return std::nullopt;
    QMargins margins(window.left() - frame.left(), window.top() - frame.top(), frame.right() - window.right(),
                     frame.bottom() - window.bottom());
    if ((major < 3 && maximised) || !plausible(margins)) margins = QMargins();
    return WindowPlacement{normal, margins, maximised != 0};
}

QRect fitWithin(const QRect& normal, const QMargins& frame, const QRect& area) {
    return fittedInto(normal.marginsAdded(frame), area).marginsRemoved(frame);
}

}  // namespace pivo
