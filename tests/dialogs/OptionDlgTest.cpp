#include "ModalTest.h"

#include "resources/BitmapIndex.h"
#include "resources/DialogChrome.h"
#include "resources/ImageButton.h"
#include "media/Music.h"
#include "dialogs/OptionDlg.h"

#include <QLabel>
#include <QTest>

#include <vector>

using namespace pivo;

namespace {

// The switches as the game's music keeps them: the button steps through the pieces, off between.
class SwitchMusic : public Music {
public:
    explicit SwitchMusic(Preferences& preferences) : preferences_(preferences) {}
    void startMusicAtStartup() override {}
    void musicKeepAlive() override {}
    void toggleMusic() override {
        if (!preferences_.music) piece_ = (piece_ + 1) % pieces.size();
        preferences_.music = !preferences_.music;
    }
    void toggleSound() override { preferences_.sound = !preferences_.sound; }
    bool musicAvailable() const override { return !pieces.empty(); }
    std::string currentMusicName() const override { return pieces.at(piece_); }

    std::vector<std::string> pieces;

private:
    Preferences& preferences_;
    std::size_t piece_ = 0;
};

class OptionDlgTest : public ModalTest {
protected:
    OptionDlgTest() {
        QObject::connect(&dlg, &TOptionDlg::languageChanged, [this] { ++languageChanges; });
        QObject::connect(&dlg, &TOptionDlg::backgroundChanged, [this] { ++backgroundChanges; });
        QObject::connect(&dlg, &TOptionDlg::patternModeChanged, [this] { ++patternChanges; });
    }

    ImageButton* button(const char* name) const { return dlg.findChild<ImageButton*>(QString::fromLatin1(name)); }
    QString label(const char* name) const { return dlg.findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    // Presses `name` `times` times inside one opening; returns the label `shown` after each press.
    std::vector<QString> press(const char* name, int times, const char* shown) {
        std::vector<QString> seen;
        whenOpen([&] {
            for (int i = 0; i < times; ++i) {
                button(name)->click();
                seen.push_back(label(shown));
            }
            dlg.accept();
        });
        dlg.showOptions(music);
        return seen;
    }

    Preferences preferences;
    SwitchMusic music{preferences};
    TOptionDlg dlg{preferences, nullptr};
    int languageChanges = 0;
    int backgroundChanges = 0;
    int patternChanges = 0;
};

}  // namespace

// The language steps -1 -> 0 -> 1, and the dialog's own texts follow at once.
TEST_F(OptionDlgTest, LanguageFromUnchosen) {
    preferences.language = Language::NotChosen;
    EXPECT_EQ(press("TongueBtn", 2, "TongueLabel"),
              (std::vector<QString>{"I speak English.", QStringLiteral("Ich spreche deutsch.")}));
    EXPECT_EQ(preferences.language, Language::German);
    EXPECT_EQ(languageChanges, 2);
    EXPECT_EQ(label("OptLabel"), QStringLiteral("Einstellungen:"));
    EXPECT_EQ(button("TongueBtn")->hint(), QStringLiteral("Sprache ändern"));
    EXPECT_EQ(button("OKBtn")->hint(), QStringLiteral("Zurück zum Spiel"));
    press("TongueBtn", 1, "TongueLabel");
    EXPECT_EQ(preferences.language, Language::English);
    EXPECT_EQ(button("OKBtn")->hint(), QStringLiteral("Back to game"));
}

// Background 5 steps to 0; from 1 four presses read 6 and the fifth 1 again.
TEST_F(OptionDlgTest, BackgroundWraps) {
    preferences.language = Language::English;
    preferences.background = 5;
    EXPECT_EQ(press("BackBtn", 1, "BackLabel"), std::vector<QString>{"Background 1"});
    EXPECT_EQ(preferences.background, 0);
    preferences.language = Language::German;
    preferences.background = 1;
    EXPECT_EQ(press("BackBtn", 5, "BackLabel"),
              (std::vector<QString>{"Hintergrund 3", "Hintergrund 4", "Hintergrund 5", "Hintergrund 6",
                                    "Hintergrund 1"}));
    EXPECT_EQ(backgroundChanges, 6);
}

// Four presses of the pattern button pass through every mode and return to the start.
TEST_F(OptionDlgTest, PatternModeRound) {
    preferences.language = Language::English;
    preferences.patternMode = 2;
    EXPECT_EQ(press("PatBtn", 4, "PatLabel"),
              (std::vector<QString>{"Big pattern window", "Pattern in the game area", "Small pattern window",
                                    "Medium pattern window"}));
    EXPECT_EQ(preferences.patternMode, 2);
    EXPECT_EQ(patternChanges, 4);
}

// Sound flips; music goes off, then on with the next piece; without pieces the button is grey and
// the label says so.
TEST_F(OptionDlgTest, SoundAndMusic) {
    preferences.language = Language::English;
    preferences.sound = true;
    EXPECT_EQ(press("SoundBtn", 2, "SoundLabel"), (std::vector<QString>{"Sound is off.", "Sound is on."}));
    music.pieces = {"evening.mid", "waltz.mid"};
    preferences.music = true;
    EXPECT_EQ(press("MusicBtn", 2, "MusicLabel"), (std::vector<QString>{"Music is off.", "Music: waltz.mid"}));
    EXPECT_TRUE(button("MusicBtn")->isEnabled());

    music.pieces.clear();
    preferences.language = Language::German;
    // Opened once without a press: the opening alone refreshes the texts.
    press("MusicBtn", 0, "MusicLabel");
    EXPECT_EQ(label("MusicLabel"), QStringLiteral("Keine Musikdateien vorhanden."));
    EXPECT_FALSE(button("MusicBtn")->isEnabled());
    EXPECT_EQ(button("MusicBtn")->currentFace(), bmp::option::ClefGrey);
}

// Enter, J and Y (either case) close the dialog; Esc and other keys leave it open.
TEST_F(OptionDlgTest, Keys) {
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int('J'), int('j'), int('Y'), int('y')}) {
        bool closed = false;
        whenOpen([&] {
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                QTest::keyClick(&dlg, Qt::Key(key));
            else
                QTest::keyClick(&dlg, char(key));
            closed = !dlg.isVisible();
            if (!closed) dlg.reject();
        });
        dlg.showOptions(music);
        EXPECT_TRUE(closed) << key;
    }
    bool stillOpen = false;
    whenOpen([&] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QTest::keyClick(&dlg, 'n');
        stillOpen = dlg.isVisible();
        dlg.accept();
    });
    dlg.showOptions(music);
    EXPECT_TRUE(stillOpen);
}

// 497 x 416, borderless, over the main window; the rows where the layout puts them.
TEST_F(OptionDlgTest, LayoutAndPlace) {
    QWidget main;
    main.setGeometry(60, 40, 909, 576);
    main.show();
    TOptionDlg over(preferences, &main);
    QPoint seenAt;
    whenOpen([&] {
        seenAt = over.pos();
        QTest::mouseClick(over.childAt(460, 380), Qt::LeftButton);
    });
    over.showOptions(music);
    EXPECT_FALSE(over.isVisible());
    EXPECT_EQ(over.size(), QSize(497, 416));
    EXPECT_TRUE(over.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(seenAt, dialogPosition(main.frameGeometry(), main.height(), over.size()));
    const auto at = [&](const char* name) { return placeOf(over, name); };
    EXPECT_EQ(at("OKBtn"), QRect(436, 355, 50, 50));
    EXPECT_EQ(at("OptLabel"), QRect(135, 24, 254, 29));
    EXPECT_EQ(at("TongueBtn"), QRect(132, 59, 50, 50));
    EXPECT_EQ(at("MusicLabel"), QRect(192, 188, 289, 18));
    EXPECT_EQ(at("PatBtn"), QRect(132, 283, 50, 50));
    EXPECT_EQ(at("PatLabel"), QRect(195, 296, 286, 18));
    const auto* versionLabel = over.findChild<RaisedLabel*>(QStringLiteral("VersionLabel"));
    ASSERT_NE(versionLabel, nullptr);
    EXPECT_TRUE(versionLabel->raised());
}
