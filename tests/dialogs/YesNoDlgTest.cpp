#include "ModalTest.h"

#include "resources/DialogChrome.h"
#include "model/GameState.h"
#include "dialogs/YesNoDlg.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using namespace pivo;

namespace {

class YesNoDlgTest : public ModalTest {
protected:
    GameState state;
    TYesNoDlg dlg{state, nullptr};

    struct Seen {
        QString text;
        bool noButton = false;
    };

    // Opens a stock kind, notes what it shows, and answers with a key.
    int stockWithKey(int kind, int key, Seen* seen = nullptr) {
        whenOpen([this, key, seen] {
            if (seen) *seen = {dlg.messageText(), dlg.noButtonShown()};
            QTest::keyClick(&dlg, Qt::Key(key));
        });
        return dlg.ShowStockMessage(kind);
    }
};

}  // namespace

// The stock kinds show their texts in the language of the flag; -1 (not chosen) is English.
TEST_F(YesNoDlgTest, StockTextsInBothLanguages) {
    Seen seen;
    state.languageFlag = 1;
    stockWithKey(1, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Hurra, geschafft!"));
    stockWithKey(3, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Willst Du wirklich schon aufhören?"));
    stockWithKey(4, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Willst Du die Partie wirklich aufgeben?"));
    state.languageFlag = 0;
    stockWithKey(1, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Hurrah, you did it!"));
    stockWithKey(3, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Do you really want to go?"));
    state.languageFlag = -1;
    stockWithKey(4, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Do you really want to give up the game?"));
}

// Kind 1 shows the tick alone; kinds 3 and 4 ask with the cross beside it.
TEST_F(YesNoDlgTest, StockKindsChooseTheirButtons) {
    Seen seen;
    stockWithKey(3, Qt::Key_N, &seen);
    EXPECT_TRUE(seen.noButton);
    stockWithKey(1, Qt::Key_N, &seen);
    EXPECT_FALSE(seen.noButton);
    stockWithKey(4, Qt::Key_N, &seen);
    EXPECT_TRUE(seen.noButton);
}

// Enter, J and Y (either case, either language) answer Yes; Esc and N answer No, also with one button.
TEST_F(YesNoDlgTest, KeysAnswer) {
    for (int lang : {0, 1}) {
        state.languageFlag = lang;
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_J, Qt::Key_Y})
            for (int kind : {1, 3}) EXPECT_EQ(stockWithKey(kind, key), ResultYes) << "key " << key << " kind " << kind;
        for (int key : {Qt::Key_Escape, Qt::Key_N})
            for (int kind : {1, 3}) EXPECT_EQ(stockWithKey(kind, key), ResultNo) << "key " << key << " kind " << kind;
    }
    // Lower case letters arrive with their text; they act like the capitals.
    whenOpen([this] { QTest::keyClick(&dlg, 'j'); });
    EXPECT_EQ(dlg.ShowStockMessage(3), ResultYes);
    whenOpen([this] { QTest::keyClick(&dlg, 'n'); });
    EXPECT_EQ(dlg.ShowStockMessage(3), ResultNo);
}

// Other keys leave the question open.
TEST_F(YesNoDlgTest, OtherKeysAreIgnored) {
    bool stillOpen = false;
    whenOpen([this, &stillOpen] {
        QTest::keyClick(&dlg, Qt::Key_A);
        QTest::keyClick(&dlg, Qt::Key_Space);
        QTest::keyClick(&dlg, Qt::Key_1);
        stillOpen = dlg.isVisible();
        QTest::keyClick(&dlg, Qt::Key_Y);
    });
    EXPECT_EQ(dlg.ShowStockMessage(3), ResultYes);
    EXPECT_TRUE(stillOpen);
}

// The tick answers Yes and the cross No.
TEST_F(YesNoDlgTest, ButtonsAnswer) {
    const auto clickButton = [this](bool yes) {
        whenOpen([this, yes] {
            // The two picture buttons sit at (204, 100) and (260, 100).
            QWidget* button = dlg.childAt(yes ? QPoint(285, 125) : QPoint(229, 125));
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        return dlg.ShowStockMessage(4);
    };
    EXPECT_EQ(clickButton(true), ResultYes);
    EXPECT_EQ(clickButton(false), ResultNo);
}

// The caller's text shows for kinds 10 and 11; a notice after a question has one button again.
TEST_F(YesNoDlgTest, TextKindsAndTheirButtons) {
    Seen seen;
    const auto textWithKey = [&](int kind, const QString& text) {
        whenOpen([&] {
            seen = {dlg.messageText(), dlg.noButtonShown()};
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        return dlg.ShowTextMessage(kind, text);
    };
    EXPECT_EQ(textWithKey(11, QStringLiteral("Overwrite game summer?")), ResultYes);
    EXPECT_EQ(seen.text, QStringLiteral("Overwrite game summer?"));
    EXPECT_TRUE(seen.noButton);
    textWithKey(10, QStringLiteral("No unsolved tangram left."));
    EXPECT_EQ(seen.text, QStringLiteral("No unsolved tangram left."));
    EXPECT_FALSE(seen.noButton);
    // A stock kind afterwards shows its own text, not the caller's.
    stockWithKey(1, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Hurrah, you did it!"));
}

// A long text wraps inside the panel; one too long for three lines gets a smaller font, not cut lines.
TEST_F(YesNoDlgTest, LongTextFitsThePanel) {
    const auto fits = [this](const QString& text, int* pixels) {
        bool inside = false;
        whenOpen([&] {
            const QLabel* label = dlg.findChild<QLabel*>();
            *pixels = label->font().pixelSize();
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(QRect(QPoint(), label->size()), Qt::AlignCenter | Qt::TextWordWrap, text);
            inside = needed.height() <= label->height() && label->width() <= 298;
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        dlg.ShowTextMessage(10, text);
        return inside;
    };
    int pixels = 0;
    EXPECT_TRUE(fits(QStringLiteral("Game summer could not be saved!"), &pixels));
    EXPECT_EQ(pixels, 16);
    QString longText;
    for (int i = 0; i < 24; ++i) longText += QStringLiteral("wordy ");
    EXPECT_TRUE(fits(longText, &pixels));
    EXPECT_LT(pixels, 16);
    // The next short message is back at the full size.
    EXPECT_TRUE(fits(QStringLiteral("Hurrah"), &pixels));
    EXPECT_EQ(pixels, 16);
}

// The dialog is borderless, 319 x 158, and placed over a visible main window by the placement rule.
TEST_F(YesNoDlgTest, SitsOverTheMainWindow) {
    QWidget main;
    main.setGeometry(120, 80, 909, 576);
    main.show();
    TYesNoDlg over(state, &main);
    QPoint seenAt;
    whenOpen([&] {
        seenAt = over.pos();
        QTest::keyClick(&over, Qt::Key_Return);
    });
    over.ShowStockMessage(1);
    EXPECT_EQ(over.size(), QSize(319, 158));
    EXPECT_TRUE(over.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(seenAt, dialogPosition(main.frameGeometry(), main.height(), over.size()));
}
