#include "ModalTest.h"

#include "resources/DialogChrome.h"
#include "model/Preferences.h"
#include "dialogs/YesNoDlg.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using namespace pivo;

namespace {

class YesNoDlgTest : public ModalTest {
protected:
    Preferences preferences;
    TYesNoDlg dlg{preferences, nullptr};

    struct Seen {
        QString text;
        bool noButton = false;
    };

    // Opens a stock kind, notes what it shows, and answers with a key.
    DialogAnswer stockWithKey(MessageKind kind, int key, Seen* seen = nullptr) {
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
    preferences.language = Language::German;
    stockWithKey(MessageKind::Solved, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Hurra, geschafft!"));
    stockWithKey(MessageKind::Quit, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Willst Du wirklich schon aufhören?"));
    stockWithKey(MessageKind::GiveUp, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Willst Du die Partie wirklich aufgeben?"));
    preferences.language = Language::English;
    stockWithKey(MessageKind::Solved, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Hurrah, you did it!"));
    stockWithKey(MessageKind::Quit, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Do you really want to go?"));
    preferences.language = Language::NotChosen;
    stockWithKey(MessageKind::GiveUp, Qt::Key_Return, &seen);
    EXPECT_EQ(seen.text, QStringLiteral("Do you really want to give up the game?"));
}

// The solved cheer shows the tick alone; the quit and give-up questions ask with the cross beside it.
TEST_F(YesNoDlgTest, StockKindsChooseTheirButtons) {
    Seen seen;
    stockWithKey(MessageKind::Quit, Qt::Key_N, &seen);
    EXPECT_TRUE(seen.noButton);
    stockWithKey(MessageKind::Solved, Qt::Key_N, &seen);
    EXPECT_FALSE(seen.noButton);
    stockWithKey(MessageKind::GiveUp, Qt::Key_N, &seen);
    EXPECT_TRUE(seen.noButton);
}

// Enter, J and Y (either case, either language) answer Yes; Esc and N answer No, also with one button.
TEST_F(YesNoDlgTest, KeysAnswer) {
    for (Language lang : {Language::English, Language::German}) {
        preferences.language = lang;
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_J, Qt::Key_Y})
            for (MessageKind kind : {MessageKind::Solved, MessageKind::Quit})
                EXPECT_EQ(stockWithKey(kind, key), DialogAnswer::Yes) << "key " << key << " kind " << static_cast<int>(kind);
        for (int key : {Qt::Key_Escape, Qt::Key_N})
            for (MessageKind kind : {MessageKind::Solved, MessageKind::Quit})
                EXPECT_EQ(stockWithKey(kind, key), DialogAnswer::No) << "key " << key << " kind " << static_cast<int>(kind);
    }
    // Lower case letters arrive with their text; they act like the capitals.
    whenOpen([this] { QTest::keyClick(&dlg, 'j'); });
    EXPECT_EQ(dlg.ShowStockMessage(MessageKind::Quit), DialogAnswer::Yes);
    whenOpen([this] { QTest::keyClick(&dlg, 'n'); });
    EXPECT_EQ(dlg.ShowStockMessage(MessageKind::Quit), DialogAnswer::No);
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
    EXPECT_EQ(dlg.ShowStockMessage(MessageKind::Quit), DialogAnswer::Yes);
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
        return dlg.ShowStockMessage(MessageKind::GiveUp);
    };
    EXPECT_EQ(clickButton(true), DialogAnswer::Yes);
    EXPECT_EQ(clickButton(false), DialogAnswer::No);
}

// The caller's text shows for kinds 10 and 11; a notice after a question has one button again.
TEST_F(YesNoDlgTest, TextKindsAndTheirButtons) {
    Seen seen;
    const auto textWithKey = [&](MessageKind kind, const QString& text) {
        whenOpen([&] {
            seen = {dlg.messageText(), dlg.noButtonShown()};
            QTest::keyClick(&dlg, Qt::Key_Return);
        });
        return dlg.ShowTextMessage(kind, text);
    };
    EXPECT_EQ(textWithKey(MessageKind::Question, QStringLiteral("Overwrite game summer?")), DialogAnswer::Yes);
    EXPECT_EQ(seen.text, QStringLiteral("Overwrite game summer?"));
    EXPECT_TRUE(seen.noButton);
    textWithKey(MessageKind::Notice, QStringLiteral("No unsolved tangram left."));
    EXPECT_EQ(seen.text, QStringLiteral("No unsolved tangram left."));
    EXPECT_FALSE(seen.noButton);
    // A stock kind afterwards shows its own text, not the caller's.
    stockWithKey(MessageKind::Solved, Qt::Key_Return, &seen);
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
        dlg.ShowTextMessage(MessageKind::Notice, text);
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
    TYesNoDlg over(preferences, &main);
    QPoint seenAt;
    whenOpen([&] {
        seenAt = over.pos();
        QTest::keyClick(&over, Qt::Key_Return);
    });
    over.ShowStockMessage(MessageKind::Solved);
    EXPECT_EQ(over.size(), QSize(319, 158));
    EXPECT_TRUE(over.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(seenAt, dialogPosition(main.frameGeometry(), main.height(), over.size()));
}
