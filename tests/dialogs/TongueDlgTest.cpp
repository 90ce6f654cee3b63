#include "ModalTest.h"

#include "model/Preferences.h"
#include "resources/ImageButton.h"
#include "dialogs/TongueDlg.h"

#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace pivo;

namespace {

class TongueDlgTest : public ModalTest {
protected:
    Preferences preferences;
    TTongueDlg dlg{preferences};
};

}  // namespace

// The German flags choose German, the English flags English.
TEST_F(TongueDlgTest, FlagsChooseTheLanguage) {
    whenOpen([this] { QTest::mouseClick(dlg.germanButton(), Qt::LeftButton); });
    dlg.exec();
    EXPECT_EQ(preferences.language, Language::German);
    whenOpen([this] { QTest::mouseClick(dlg.englishButton(), Qt::LeftButton); });
    dlg.exec();
    EXPECT_EQ(preferences.language, Language::English);
}

// Keys do nothing: the dialog waits for a flag.
TEST_F(TongueDlgTest, KeysDoNotClose) {
    bool stillOpen = false;
    whenOpen([&] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QTest::keyClick(&dlg, Qt::Key_Return);
        stillOpen = dlg.isVisible();
        QTest::mouseClick(dlg.englishButton(), Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(preferences.language, Language::English);
}

// Both labels speak their own language, and the dialog sits in the middle of the screen.
TEST_F(TongueDlgTest, LayoutAndPlace) {
    QStringList labels;
    QPoint seenAt;
    whenOpen([&] {
        for (const QLabel* label : dlg.findChildren<QLabel*>()) labels << label->text();
        seenAt = dlg.pos();
        QTest::mouseClick(dlg.germanButton(), Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_TRUE(labels.contains(QStringLiteral("Ich spreche deutsch")));
    EXPECT_TRUE(labels.contains(QStringLiteral("I speak English")));
    EXPECT_EQ(dlg.size(), QSize(408, 162));
    const QRect screen = dlg.screen()->geometry();
    EXPECT_EQ(seenAt, QPoint(screen.x() + (screen.width() - 408) / 2, screen.y() + (screen.height() - 162) / 2));
    // The flag buttons sit at (16, 15) and (16, 71) of the inner panel at (108, 12).
    EXPECT_EQ(dlg.germanButton()->mapTo(&dlg, QPoint()), QPoint(124, 27));
    EXPECT_EQ(dlg.englishButton()->mapTo(&dlg, QPoint()), QPoint(124, 83));
}
