#include "help/HelpContexts.h"
#include "help/THookHelpSystem.h"
#include "tests/model/TempFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pivo {
namespace {

namespace fs = std::filesystem;

QString readPage(const char* name) {
    QFile file(QStringLiteral(PIVO_RULES_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpTest : public ::testing::Test {
protected:
    // A program folder whose name has blanks and a Latin-1 byte, which is no UTF-8.
    HelpTest() : folder(scratch.path() / "pivo caf\xe9") {
        fs::create_directories(folder);
        for (const char* name : {"rules-de.html", "rules-en.html"})
            fs::copy_file(fs::path(PIVO_RULES_DIR) / name, folder / name);
    }

    std::string programFolder() const { return folder.string() + "/"; }

    scratch::TempFolder scratch;
    fs::path folder;
    std::vector<std::string> messages;
    THookHelpSystem::ShowMessage recordMessage = [this](const std::string& text) { messages.push_back(text); };
};

// German rules only for German; English for English, for "not chosen yet" and for any other stored value.
TEST(RulesContext, LanguageFlagChoosesTheContext) {
    EXPECT_EQ(help::rulesContext(Language::German), help::GermanRules);
    EXPECT_EQ(help::rulesContext(Language::English), help::EnglishRules);
    EXPECT_EQ(help::rulesContext(Language::NotChosen), help::EnglishRules);
    EXPECT_EQ(help::rulesContext(static_cast<Language>(5)), help::EnglishRules);
}

// Context 1 opens the German rules and context 2 the English ones, from a folder whose name has blanks
// and bytes that are not UTF-8, and each page's link leads to the other.
TEST_F(HelpTest, ContextsOpenTheirLanguage) {
    THookHelpSystem help(programFolder(), recordMessage);
    help.open(help::GermanRules);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->windowTitle(), "Pivolet V3.1 – Spielregeln");
    EXPECT_TRUE(help.window()->toPlainText().contains("Tipps und Punkte"));

    help.open(help::EnglishRules);
    EXPECT_EQ(help.window()->windowTitle(), "Pivolet V3.1 – Rules of the game");
    EXPECT_EQ(help.window()->source().fileName(), "rules-en.html");
    help.window()->setSource(help.window()->source().resolved(QUrl("rules-de.html")));
    EXPECT_EQ(help.window()->windowTitle(), "Pivolet V3.1 – Spielregeln");
    EXPECT_TRUE(messages.empty());
}

// The help window is independent of the game window, reused by a second press and closed at quit.
TEST_F(HelpTest, OneWindowReusedAndClosedAtQuit) {
    THookHelpSystem help(programFolder(), recordMessage);
    EXPECT_EQ(help.window(), nullptr) << "nothing is made before the first press";
    help.open(help::EnglishRules);
    HelpWindow* first = help.window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parent(), nullptr);
    EXPECT_FALSE(first->isModal());

    first->close();
    help.open(help::EnglishRules);
    EXPECT_EQ(help.window(), first);
    EXPECT_TRUE(first->isVisible()) << "a second press shows the same window again";

    help.HelpHook(THookHelpSystem::HelpContextPopup, help::GermanRules);
    EXPECT_EQ(help.window(), first);
    EXPECT_EQ(first->windowTitle(), "Pivolet V3.1 – Spielregeln");

    help.quit();
    EXPECT_FALSE(first->isVisible());
    help.quit();
    EXPECT_TRUE(messages.empty());
}

// A missing help file is reported in the page's language and opens no empty window.
TEST_F(HelpTest, MissingFileIsReportedInsteadOfAnEmptyWindow) {
    fs::remove(folder / "rules-de.html");
    fs::remove(folder / "rules-en.html");
    THookHelpSystem help(programFolder(), recordMessage);
    help.open(help::GermanRules);
    help.open(help::EnglishRules);
    help.open(7);
    EXPECT_EQ(help.window(), nullptr);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Die Hilfedatei " + programFolder() + "rules-de.html wurde nicht gefunden.");
    EXPECT_EQ(messages[1], "Can't find the help file " + programFolder() + "rules-en.html.");
    EXPECT_EQ(messages[2], "There is no help for topic 7.");
}

// Both languages tell the same rules: the same sections, and each page links to the other.
TEST(RulesPages, GermanAndEnglishMatch) {
    const QString german = readPage("rules-de.html");
    const QString english = readPage("rules-en.html");
    ASSERT_FALSE(german.isEmpty());
    ASSERT_FALSE(english.isEmpty());
    const QRegularExpression section("<h2>");
    EXPECT_EQ(german.count(section), english.count(section));
    EXPECT_GE(english.count(section), 7);
    EXPECT_TRUE(german.contains("href=\"rules-en.html\""));
    EXPECT_TRUE(english.contains("href=\"rules-de.html\""));
    for (const char* word : {"Parallelogram", "Tipp", "Punkte", "Kategorie", "speichern"})
        EXPECT_TRUE(german.contains(word)) << word;
    for (const char* word : {"parallelogram", "tip", "points", "categor", "save"})
        EXPECT_TRUE(english.contains(word)) << word;
}

}  // namespace
}  // namespace pivo
