#include "ModalTest.h"

#include "tests/model/CatalogueFixture.h"
#include "resources/DialogChrome.h"
#include "dialogs/Gauge.h"
#include "dialogs/StatDlg.h"
#include "dialogs/TipLevelBar.h"

#include <QLabel>
#include <QTest>

using namespace pivo;

namespace {

// Category 1 holds four tangrams (entries 2..5); entry 1 belongs to category 0.
class StatDlgTest : public ModalTest {
protected:
    StatDlgTest() {
        fillCatalogue(catalogue, {0, 1, 1, 1, 1});
        model.startAt({1, 2});
    }

    QString label(const char* name) const { return dlg.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    int gauge(const char* name) const { return dlg.findChild<Gauge*>(QString::fromLatin1(name))->percent(); }
    QImage bar() const { return dlg.findChild<TipLevelBar*>(QStringLiteral("pieBox"))->grab().toImage(); }

    // Opens the dialog and closes it at once with Enter; the labels keep what the opening showed.
    void openAndClose() {
        whenOpen([this] { QTest::keyClick(&dlg, Qt::Key_Return); });
        dlg.showStatistics();
    }

    Preferences preferences;
    Catalogue catalogue;
    Progress progress;
    GameModel model{catalogue, progress, "/nonexistent/"};
    TStatDlg dlg{preferences, model, nullptr};
};

}  // namespace

// Every opening counts afresh and fills title, category, sentences and gauges in the language.
TEST_F(StatDlgTest, FillsThePageInBothLanguages) {
    progress.setStatus(1, FinishedFlag);  // another category: not counted
    progress.setStatus(2, FinishedFlag);
    progress.setStatus(3, FinishedFlag | 7);
    progress.setStatus(4, 6);  // tips, not finished
    preferences.language = Language::English;
    openAndClose();
    EXPECT_EQ(label("TitleLabel"), QStringLiteral("Statistics"));
    EXPECT_EQ(label("CatLabel"), QStringLiteral("Category: Animals"));
    EXPECT_EQ(label("L1"), QStringLiteral("Until now 2 out of total 4 Tangrams were solved."));
    EXPECT_EQ(label("L2"), QStringLiteral("For one Tangram you didn't need any help. For no Tangram you needed little, "
                                          "for no Tangram some more and for no Tangram much help. You dropped one Tangram."));
    EXPECT_EQ(label("L3"), QStringLiteral("Until now you've reached 7 out of 28 possible points."));
    EXPECT_EQ(gauge("G1"), 50);
    EXPECT_EQ(gauge("G2"), 25);
    progress.setStatus(4, FinishedFlag | 6);
    progress.setStatus(5, FinishedFlag);
    preferences.language = Language::German;
    openAndClose();
    EXPECT_EQ(label("TitleLabel"), QStringLiteral("Statistik"));
    EXPECT_EQ(label("CatLabel"), QStringLiteral("Kategorie: Tiere"));
    EXPECT_EQ(label("L1"), QStringLiteral("Bisher wurden 4 von insgesamt 4 Tangrams gelöst."));
    EXPECT_EQ(label("L3"), QStringLiteral("Du hast 15 von 28 möglichen Punkten erreicht."));
    EXPECT_EQ(gauge("G1"), 100);
    EXPECT_EQ(gauge("G2"), 53);
}

// The bar: green for no help, red for dropped, in proportion, left to right; empty when nothing is finished.
TEST_F(StatDlgTest, PaintsTheTipLevelBar) {
    openAndClose();
    const QImage empty = bar();
    for (int x = 0; x < empty.width(); x += 10) EXPECT_NE(empty.pixelColor(x, 5), QColor(0, 255, 0)) << x;
    progress.setStatus(2, FinishedFlag);
    progress.setStatus(3, FinishedFlag | 7);
    openAndClose();
    const QImage shot = bar();
    ASSERT_EQ(shot.width(), 393);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(195, 16), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(197, 16), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(392, 0), QColor(255, 0, 0));
    EXPECT_NE(shot.pixelColor(100, 17), QColor(0, 255, 0));
}

// All solved without help: one green bar to the end, rows 0..16; all dropped: one red bar.
TEST_F(StatDlgTest, WholeBarInOneColour) {
    for (int i = 2; i <= 5; ++i) progress.setStatus(i, FinishedFlag);
    openAndClose();
    QImage shot = bar();
    for (int x : {0, 196, 392}) {
        EXPECT_EQ(shot.pixelColor(x, 0), QColor(0, 255, 0)) << x;
        EXPECT_EQ(shot.pixelColor(x, 16), QColor(0, 255, 0)) << x;
        EXPECT_NE(shot.pixelColor(x, 17), QColor(0, 255, 0)) << x;
    }
    EXPECT_EQ(gauge("G2"), 100);
    for (int i = 2; i <= 5; ++i) progress.setStatus(i, FinishedFlag | 7);
    openAndClose();
    shot = bar();
    for (int x : {0, 196, 392}) EXPECT_EQ(shot.pixelColor(x, 8), QColor(255, 0, 0)) << x;
    EXPECT_EQ(gauge("G1"), 100);
    EXPECT_EQ(gauge("G2"), 0);
}

// Enter, J and Y close the page; Esc and other keys leave it open.
TEST_F(StatDlgTest, Keys) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_J, Qt::Key_Y}) {
        bool closed = false;
        whenOpen([&] {
            QTest::keyClick(&dlg, Qt::Key(key));
            closed = !dlg.isVisible();
            if (!closed) dlg.reject();
        });
        dlg.showStatistics();
        EXPECT_TRUE(closed) << "key " << key;
    }
    bool stillOpen = false;
    whenOpen([&] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QTest::keyClick(&dlg, Qt::Key_N);
        stillOpen = dlg.isVisible();
        QTest::keyClick(&dlg, 'y');
    });
    dlg.showStatistics();
    EXPECT_TRUE(stillOpen);
}

// 544 x 416, borderless, placed over a visible main window; the tick closes it.
TEST_F(StatDlgTest, LayoutAndPlace) {
    QWidget main;
    main.setGeometry(60, 40, 909, 576);
    main.show();
    TStatDlg over(preferences, model, &main);
    QPoint seenAt;
    whenOpen([&] {
        seenAt = over.pos();
        QWidget* tick = over.childAt(509, 380);
        ASSERT_NE(tick, nullptr);
        QTest::mouseClick(tick, Qt::LeftButton);
    });
    over.showStatistics();
    EXPECT_EQ(over.size(), QSize(544, 416));
    EXPECT_TRUE(over.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(seenAt, dialogPosition(main.frameGeometry(), main.height(), over.size()));
    const auto at = [&](const char* name) { return placeOf(over, name); };
    EXPECT_EQ(at("L1"), QRect(128, 72, 393, 45));
    EXPECT_EQ(at("G1"), QRect(128, 124, 393, 18));
    EXPECT_EQ(at("pieBox"), QRect(128, 232, 393, 29));
    EXPECT_EQ(at("G2"), QRect(128, 312, 393, 18));
    // Only the program name stands out here; the version line is flat, unlike in the other dialogs.
    const auto* progLabel = over.findChild<RaisedLabel*>(QStringLiteral("ProgLabel"));
    const auto* versionLabel = over.findChild<RaisedLabel*>(QStringLiteral("VersionLabel"));
    ASSERT_NE(progLabel, nullptr);
    ASSERT_NE(versionLabel, nullptr);
    EXPECT_TRUE(progLabel->raised());
    EXPECT_FALSE(versionLabel->raised());
    EXPECT_EQ(versionLabel->text(), QStringLiteral("Version  V3.1"));
}
