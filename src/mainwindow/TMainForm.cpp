#include "TMainForm.h"

#include "BoardBox.h"
#include "BoardColours.h"
#include "BoardKeys.h"
#include "MouseButtons.h"
#include "OpeningAnimation.h"
#include "Settings.h"
#include "ToolBox.h"
#include "WindowPlacement.h"
#include "help/RulesHelp.h"
#include "media/Music.h"
#include "media/SoundEffects.h"
#include "model/OptionSteps.h"
#include "resources/BitmapIndex.h"
#include "resources/DlgResources.h"
#include "resources/ImageButton.h"
#include "resources/ScreenFit.h"
#include "texts/CommandTexts.h"
#include "texts/Texts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace pivo {
namespace {

constexpr int MinimumWidth = 650;
constexpr int MinimumHeight = 480;

}  // namespace

TMainForm::TMainForm(const MainFormContext& context)
    : preferences_(context.preferences),
      model_(context.model),
      settings_(context.settings),
      windows_(context.windows),
      sound_(context.sound),
      music_(context.music),
      help_(context.help),
      resources_(context.resources),
      saveLoadDialogs_(context.preferences, context.windows) {
    windows_.setMainWindow(this);
    model_.setListener(*this);
    setWindowIcon(resources_.icon());
    // Hints show over the tool bar even while another window of the game has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    new OpeningAnimation(this);
    buildToolBar();
    box_ = new BoardBox(model_.board(), this);
    connect(box_, &BoardBox::mouseDown, this, &TMainForm::boxMouseDown);
    connect(box_, &BoardBox::mouseMove, this, &TMainForm::boxMouseMove);
    connect(box_, &BoardBox::wheelTurn, this, [this](int notches) { model_.turnLiftedTan(notches); });
    timer1_.setInterval(1000);
    connect(&timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    resize(DesignWidth, DesignHeight);
    FormCreate();
}

void TMainForm::FormCreate() {
    firstActivation_ = true;
    settings_.readStartValues(preferences_);
    for (QPushButton* editorButton : editorButtons_) editorButton->setVisible(preferences_.editorMode);
    // An installed game, or one on a read-only medium, keeps the player's games in the player's own folder.
    model_.settleGamesFolder(Settings::userGamesFolder());
    if (!loadCatalogue()) return;
    const Position stored{settings_.group(), settings_.level(model_.catalogue().tangramCount())};
    model_.reopen(settings_.game(), saveLoadDialogs_);
    model_.startAt(stored);
    // The caption is right from the start, also while the language question waits at the first start;
    // the window system would show the executable's name until then.
    UpdateCaption();
    button(ToolButton::Tip)->setEnabled(model_.board().tipEnabled());
    music_.startMusicAtStartup();
    preferences_.patternMode = settings_.patternMode();
    box_->setSilhouetteShown(effectivePatternMode() == 0);
    timer1_.start();
    started_ = true;
}

// The game cannot run without its figures, nor navigate a category that has none: either ends it.
bool TMainForm::loadCatalogue() {
    std::string problem;
    switch (model_.loadCatalogue()) {
        case GameModel::CatalogueLoad::Loaded: return true;
        case GameModel::CatalogueLoad::Missing: problem = texts::missingCatalogue(preferences_.language); break;
        case GameModel::CatalogueLoad::EmptyCategory:
            problem = texts::emptyCategory(preferences_.language, model_.catalogue().emptyCategories().front());
            break;
    }
    windows_.showTextMessage(MessageKind::Notice, QString::fromStdString(problem));
    return false;
}

void TMainForm::buildToolBar() {
    const BitmapList& bmps = resources_.mainBitmaps();
    toolPanel_ = new QWidget(this);
    toolPanel_->setAutoFillBackground(true);
    QPalette palette = toolPanel_->palette();
    palette.setColor(QPalette::Window, colours::ToolBarMaroon);
    toolPanel_->setPalette(palette);
    toolBox_ = new ToolBox(bmps, preferences_.background, toolPanel_);

    namespace m = bmp::mainwin;
    addButton(ToolButton::NewGame, bmps, {m::NewGame, m::NewGameLit, m::NewGame, m::NewGameGrey}, {5, 6});
    addButton(ToolButton::Load, bmps, {m::Load, m::LoadLit, m::Load, m::LoadGrey}, {58, 6});
    addButton(ToolButton::Stat, bmps, {m::Stat, m::StatLit, m::Stat, m::StatGrey}, {111, 6});
    addButton(ToolButton::Tip, bmps, {m::Tip, m::TipLit, m::Tip, m::TipGrey}, {164, 6});
    addButton(ToolButton::Category, bmps, {m::Category, m::CategoryLit, m::Category, m::Category}, {217, 6});
    addButton(ToolButton::Select, bmps, {m::Select, m::SelectLit, m::Select, m::SelectGrey}, {270, 6});
    addButton(ToolButton::Up, bmps, {m::Up, m::UpLit, m::UpLit, m::Up}, {322, 6});
    addButton(ToolButton::Dn, bmps, {m::Down, m::DownLit, m::DownLit, m::Down}, {322, 30});
    addButton(ToolButton::UnsolvedUp, bmps, {m::UnsolvedUp, m::UnsolvedUpLit, m::UnsolvedUpLit, m::UnsolvedUp},
              {375, 6});
    addButton(ToolButton::UnsolvedDn, bmps,
              {m::UnsolvedDown, m::UnsolvedDownLit, m::UnsolvedDownLit, m::UnsolvedDown}, {375, 30});
    // The right-hand buttons get their places from FormResize, at the right end of the bar.
    const BitmapList& btns = resources_.btns();
    namespace b = bmp::btns;
    addButton(ToolButton::Option, btns, {b::Options, b::OptionsLit, b::Options, b::Options}, {0, 6});
    addButton(ToolButton::Info, btns, {b::Info, b::InfoLit, b::Info, b::Info}, {0, 6});
    addButton(ToolButton::Rules, btns, {b::Rules, b::RulesLit, b::Rules, b::Rules}, {0, 6});
    addButton(ToolButton::Exit, btns, {b::Exit, b::ExitLit, b::Exit, b::Exit}, {0, 6});

    connect(button(ToolButton::NewGame), &ImageButton::clicked, this, &TMainForm::NewgameBtnClick);
    connect(button(ToolButton::Load), &ImageButton::clicked, this, &TMainForm::LoadBtnClick);
    connect(button(ToolButton::Stat), &ImageButton::clicked, this, &TMainForm::StatBtnClick);
    connect(button(ToolButton::Tip), &ImageButton::clicked, this, &TMainForm::TipBtnClick);
    connect(button(ToolButton::Category), &ImageButton::mouseDown, this, &TMainForm::CategoryBtnMouseDown);
    connect(button(ToolButton::Up), &ImageButton::clicked, this, &TMainForm::UpBtnClick);
    connect(button(ToolButton::Dn), &ImageButton::clicked, this, &TMainForm::DnBtnClick);
    connect(button(ToolButton::UnsolvedUp), &ImageButton::clicked, this, &TMainForm::UnsolvedUpBtnClick);
    connect(button(ToolButton::UnsolvedDn), &ImageButton::clicked, this, &TMainForm::UnsolvedDnBtnClick);
    connect(button(ToolButton::Select), &ImageButton::clicked, this, &TMainForm::SelectBtnClick);
    connect(button(ToolButton::Option), &ImageButton::clicked, this, &TMainForm::OptionBtnClick);
    connect(button(ToolButton::Info), &ImageButton::clicked, this, &TMainForm::InfoBtnClick);
    connect(button(ToolButton::Rules), &ImageButton::clicked, this, &TMainForm::RulesBtnClick);
    connect(button(ToolButton::Exit), &ImageButton::clicked, this, &TMainForm::ExitBtnClick);
    buildEditorButtons();
}

void TMainForm::addButton(ToolButton which, const BitmapList& list, ButtonFaces faces, QPoint at) {
    auto* button = new ImageButton(list, faces, toolBox_);
    button->move(at);
    buttons_[which] = button;
}

ImageButton* TMainForm::button(ToolButton which) const { return buttons_.at(which); }

int TMainForm::effectivePatternMode() const { return patternModeInForce(preferences_.patternMode); }

void TMainForm::applyPatternMode() {
    box_->setSilhouetteShown(effectivePatternMode() == 0);
    box_->repaintBoard();
    windows_.showPatternWindow(effectivePatternMode() > 0);
}

// The stored placement may come from a larger screen or from one that is gone: a window larger than
// the screen hides its right-hand buttons, and one off every screen cannot be found. It is brought within
// the available area of the screen holding most of it, or of the window's own screen. Without one the
// window opens in the middle of the screen, maximised when its design size does not fit.
void TMainForm::placeWindow() {
    // The frame is drawn only once the window shows: the one stored with the placement stands for it,
    // or else the style's.
    const QMargins styleFrame = styleFrameOf(*this);
    if (const std::optional<WindowPlacement> stored = readWindowPlacement(settings_.mainWindowPlacement())) {
        const QMargins frame = stored->frame.isNull() ? styleFrame : stored->frame;
        const QScreen* holding = screenHolding(stored->normal.marginsAdded(frame));
        setGeometry(fitWithin(stored->normal, frame, (holding ? holding : screen())->availableGeometry()));
        if (stored->maximised) setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QRect available = screen()->availableGeometry();
    move(available.center() - rect().center());
    const QSize outer = size().grownBy(styleFrame);
    if (outer.width() <= available.width() && outer.height() <= available.height()) return;
    setGeometry(fitWithin(geometry(), styleFrame, available));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::showEvent(QShowEvent* event) {
    // Placed before the window reaches the screen, so that it never opens at a stored size it cannot keep.
    if (!placed_) {
        placed_ = true;
        placeWindow();
    }
    QWidget::showEvent(event);
    // Without a window manager a window may never become active; the first frame then stands in for it.
    if (firstActivation_) firstFrame_.arm();
    // The smallest window is an outer size; the frame is known only once the window is shown.
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(MinimumWidth - frame.width(), MinimumHeight - frame.height());
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TMainForm::FormActivate() {
    if (!firstActivation_ || !firstFramePainted_) return;
    firstActivation_ = false;
    if (preferences_.language == Language::NotChosen) windows_.chooseLanguage();
    UpdateHints();
    applyPatternMode();
}

void TMainForm::resizeEvent(QResizeEvent*) { FormResize(); }

void TMainForm::FormResize() {
    const int cw = width();
    const int ch = height();
    const int th = ToolBox::Height;
    toolPanel_->setGeometry(0, 0, cw, th);
    toolBox_->setGeometry(0, 0, cw, th);
    button(ToolButton::Exit)->move(cw - 52, 6);
    button(ToolButton::Rules)->move(cw - 104, 6);
    button(ToolButton::Info)->move(cw - 156, 6);
    button(ToolButton::Option)->move(cw - 208, 6);
    const int unit = std::max(1, std::min(cw / 123, (ch - th) / 83));
    model_.setUnitSize(unit);
    // A new size repaints the board at the new unit.
    box_->setGeometry((cw - unit * 121) / 2, (ch - th - unit * 81) / 2 + th, unit * 121 + 1, unit * 81 + 1);
    update();
}

void TMainForm::paintEvent(QPaintEvent*) {
    constexpr int tile = bmp::mainwin::BackgroundTile;
    QPainter painter(this);
    const QPixmap& style =
        resources_.mainBitmaps().at(bmp::mainwin::Background + backgroundInForce(preferences_.background));
    const QRect source(0, 0, tile, tile);
    for (int i = 0; i <= width() / tile; ++i)
        for (int j = 0; j <= height() / tile; ++j) painter.drawPixmap(QPoint(i * tile, j * tile), style, source);

    // Frames as corner-to-corner boxes whose far corner is excluded.
    const QRect b = box_->geometry();
    const auto frame = [&](int x1, int y1, int x2, int y2) { painter.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3));
    frame(b.left() - 4, b.top() - 4, b.left() + b.width() + 4, b.top() + b.height() + 4);
    painter.setPen(QPen(Qt::black, 1));
    frame(b.left() - 7, b.top() - 7, b.left() + b.width() + 7, b.top() + b.height() + 7);
    frame(b.left() - 1, b.top() - 1, b.left() + b.width() + 1, b.top() + b.height() + 1);
    frame(0, ToolBox::Height, width(), height());
}

void TMainForm::boxMouseDown(Qt::MouseButton button, int x, int y) { model_.mouseDown(mouseButtonOf(button), x, y); }

void TMainForm::boxMouseMove(bool leftButtonHeld, int x, int y) { model_.mouseMove(leftButtonHeld, x, y); }

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (!sendBoardKey(model_, event->key(), event->modifiers())) QWidget::keyPressEvent(event);
}

// The cheer waits for the board to be painted green and the tune to start; the caption and the pattern
// window's title change only once it is closed.
void TMainForm::changed(const Change& change) {
    box_->showChange(change);
    for (SoundEffect effect : change.sounds()) sound_.playSoundEffect(effect);
    if (change.cursor) {
        const BoardCursor cursor = model_.board().cursor();
        const qreal ratio = box_->devicePixelRatioF();
        box_->setCursor(cursor == BoardCursor::Move   ? resources_.moveCursor(ratio)
                        : cursor == BoardCursor::Turn ? resources_.turnCursor(ratio)
                                                      : QCursor(Qt::PointingHandCursor));
    }
    if (change.position) button(ToolButton::Tip)->setEnabled(model_.board().tipEnabled());
    if (change.solved) windows_.showStockMessage(MessageKind::Solved);
    if (change.noneUnfinished)
        windows_.showTextMessage(MessageKind::Notice, QString::fromUtf8(texts::allSolved(preferences_.language)));
    if (change.position || change.progress) {
        windows_.refreshPatternWindow();
        UpdateCaption();
    }
}

void TMainForm::Timer1Timer() { music_.musicKeepAlive(); }

// Progress that the save offer left unsaved (the save failed, or the player would not overwrite)
// keeps the window open, as the question's No does; only a player who gave it up leaves without it.
void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery() || !model_.saveCurrentGame(saveLoadDialogs_)) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormCloseQuery() { return windows_.showStockMessage(MessageKind::Quit) == DialogAnswer::Yes; }

void TMainForm::FormClose() {
    help_.quit();
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    settings_.writeClose(preferences_, model_.position(), model_.progress().gameName,
                         normal ? std::optional<QSize>(frameGeometry().size()) : std::nullopt);
    settings_.writePatternPosition(windows_.patternWindowPosition());
    // The pattern window refuses to close while it is in use, which would keep the game running.
    windows_.showPatternWindow(false);
    settings_.writeMainWindowPlacement(saveGeometry());
    timer1_.stop();
}

}  // namespace pivo
