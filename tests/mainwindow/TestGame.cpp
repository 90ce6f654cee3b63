#include "TestGame.h"

#include "mainwindow/BoardBox.h"
#include "resources/DlgResources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMouseEvent>
#include <QTest>

#include <cmath>
#include <numbers>

namespace pivo::testing {

const Placement& convexSquare() {
    static const Placement p{{{60, 35, 2}, {72, 47, 6}, {69, 31, 12}, {51, 40, 14}, {60, 49, 10}, {67, 40, 2},
                              {57, 29, 2}}};
    return p;
}

const Placement& convexTriangle() {
    static const Placement p{{{57, 57, 0}, {73, 57, 4}, {60, 47, 10}, {74, 34, 0}, {74, 46, 12}, {65, 55, 0},
                              {50, 55, 0}}};
    return p;
}

std::vector<std::uint8_t> record(int category, const Placement& placement) {
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(category)};
    for (const TanPlacement& tan : placement) bytes.insert(bytes.end(), {tan.x, tan.y, tan.orientation});
    return bytes;
}

std::vector<std::uint8_t> smallCatalogue() {
    const int categories[] = {0, 1, 0, 1, 2, 0, 3, 4, 5, 6, 7};
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 11; ++i) {
        const auto r = record(categories[i], i % 2 == 0 ? convexSquare() : convexTriangle());
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    return bytes;
}

TestGame::TestGame(bool realDialogs) {
    if (realDialogs) realWindows = std::make_unique<DialogWindows>(preferences);
    folder_ = dir_.path().toStdString() + "/";
    store_ = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
    settings_ = std::make_unique<Settings>(*store_);
    preferences.programFolder = folder_;
    model_ = std::make_unique<GameModel>(catalogue, progress, folder_);
    windows.language = &preferences.language;
    writeCatalogue(smallCatalogue());
}

// The dialogs are children of the main window, so they go first.
TestGame::~TestGame() { realWindows.reset(); }

void TestGame::writeCatalogue(const std::vector<std::uint8_t>& bytes) {
    QFile file(QString::fromStdString(folder_ + "pivo.dat"));
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void TestGame::removeCatalogue() { QFile::remove(QString::fromStdString(folder_ + "pivo.dat")); }

void TestGame::store(const QString& key, const QString& value) {
    store_->setValue("common/" + key, value);
    store_->sync();
}

QString TestGame::stored(const QString& key) const {
    store_->sync();
    return store_->value("common/" + key).toString();
}

bool TestGame::create() {
    form_ = std::make_unique<TMainForm>(MainFormContext{preferences, *model_, *settings_, windowsInUse(), sound,
                                                        music, help, TDlgResources::shared()});
    if (form_->started() && realWindows) realWindows->createAfterFirstFrame(*model_, settings_->patternPosition());
    return form_->started();
}

void TestGame::start() {
    create();
    form_->show();
    // The first activation runs from the event loop once the window is shown.
    if (QTest::qWaitForWindowExposed(form_.get())) QApplication::processEvents();
}

GameWindows& TestGame::windowsInUse() {
    if (realWindows) return *realWindows;
    return windows;
}

bool TestGame::close() { return form_->close(); }

void TestGame::restart() {
    const bool realDialogs = realWindows != nullptr;
    realWindows.reset();
    form_.reset();
    preferences = Preferences{};
    preferences.programFolder = folder_;
    catalogue = Catalogue{};
    progress = Progress{};
    model_ = std::make_unique<GameModel>(catalogue, progress, folder_);
    sound = RecordingSound{};
    music = RecordingMusic{};
    help = RecordingHelp{};
    windows = ScriptedWindows{};
    windows.language = &preferences.language;
    if (realDialogs) realWindows = std::make_unique<DialogWindows>(preferences);
    settings_.reset();
    store_ = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
    settings_ = std::make_unique<Settings>(*store_);
    start();
}

void TestGame::press(Qt::MouseButton button, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonPress, at, form_->box()->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(form_->box(), &event);
}

void TestGame::dragTo(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, form_->box()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(form_->box(), &event);
}

void TestGame::hover(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, at, form_->box()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(form_->box(), &event);
}

void TestGame::release(QPoint at) {
    QMouseEvent event(QEvent::MouseButtonRelease, at, form_->box()->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form_->box(), &event);
}

void TestGame::click(Qt::MouseButton button, QPoint at) {
    press(button, at);
    release(at);
}

QPoint TestGame::pixelIn(int tan, TanPlacement at, GrabZone zone) {
    const QRect area = tanPolygonAt(tan, at, unit()).boundingRect();
    // Search from the middle outwards so that the pixel lies well inside its zone.
    const QPoint middle = area.center();
    for (int r = 0; r <= area.width() + area.height(); ++r)
        for (int dx = -r; dx <= r; ++dx)
            for (int dy : {r - std::abs(dx), std::abs(dx) - r}) {
                const QPoint p = middle + QPoint(dx, dy);
                if (hitTest(tan, at, unit(), p.x(), p.y()) == zone) return p;
            }
    return {-1, -1};
}

QPoint TestGame::emptyPixel() {
    for (int y = 2; y < BoardHeight; y += 3)
        for (int x = 2; x < BoardWidth; x += 3) {
            // Clear of every tan by a few pixels, so that no edge drawn around a tan reaches it.
            const QPoint p(x * unit(), y * unit());
            bool free = true;
            for (int tan = 1; tan <= TanCount; ++tan)
                for (QPoint d : {QPoint(0, 0), QPoint(-3, -3), QPoint(3, -3), QPoint(-3, 3), QPoint(3, 3)})
                    free = free && hitTest(tan, board().tans()[tan - 1], unit(), p.x() + d.x(), p.y() + d.y()) ==
                                       GrabZone::Outside;
            if (free) return p;
        }
    return {-1, -1};
}

void TestGame::lay(int tan, TanPlacement target) {
    const TanPlacement from = board().tans()[tan - 1];
    const QPoint grab = pixelIn(tan, from, GrabZone::Move);
    press(Qt::LeftButton, grab);  // lifts the tan, or grabs it again when it is lifted already
    dragTo(grab + QPoint(target.x - from.x, target.y - from.y) * unit());
    release(grab);
    if (board().tans()[tan - 1].orientation / 16 != target.orientation / 16) click(Qt::RightButton, grab);
    const TanPlacement placed = board().tans()[tan - 1];
    if (placed.orientation != target.orientation) {
        // Turning: the tan's step follows the mouse's angle around its reference point, clockwise.
        const QPoint turnGrab = pixelIn(tan, placed, GrabZone::Turn);
        press(Qt::LeftButton, turnGrab);
        const QPoint ref(placed.x * unit(), placed.y * unit());
        const int grabStep = roundHalfEven(mouseAngle(turnGrab.x() - ref.x(), turnGrab.y() - ref.y()) * 8 /
                                           std::numbers::pi);
        const int step = grabStep + placed.orientation % 16 - target.orientation % 16;
        const double angle = step * std::numbers::pi / 8;
        const double radius = 8.0 * unit();
        dragTo(ref + QPoint(static_cast<int>(std::lround(radius * std::cos(angle))),
                            static_cast<int>(std::lround(-radius * std::sin(angle)))));
        release(turnGrab);
    }
    click(Qt::LeftButton, emptyPixel());
}

QImage TestGame::screen() { return form_->box()->grab().toImage(); }

bool TestGame::outlineVisible() {
    // Yellow laid in XOR over the silver board.
    const QColor outlineOverSilver(192 ^ 255, 192 ^ 255, 192 ^ 0);
    const QImage shot = screen();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == outlineOverSilver) return true;
    return false;
}

QColor TestGame::colourOfTan(int tan) {
    // The mean of a convex polygon's corners lies inside it, away from its edges.
    const QPolygon polygon = tanPolygonAt(tan, board().tans()[tan - 1], unit());
    QPoint sum;
    for (const QPoint& corner : polygon) sum += corner;
    return screen().pixelColor(sum / polygon.size());
}

}  // namespace pivo::testing
