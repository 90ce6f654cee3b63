// Saved games: the save and load flows with what they ask and tell, names that cannot be file names,
// failed writes, and the games folder.

#include "model/GameFolders.h"
#include "model/SavedGames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFiles.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace fs = std::filesystem;
using namespace pivo;
using namespace pivo::scratch;

namespace {

// Plays the player: answers the save dialog and the overwrite question as told, and records every
// question (the name it asks about) and every failure told ("save failed: name", "load failed: name").
class ScriptedDialogs : public GameDialogs {
public:
    /// The name typed into the save dialog; none stands for Cancel.
    std::optional<std::string> nameAnswer;
    bool overwriteAnswer = false;

    std::vector<std::string> namesShown;
    std::vector<std::string> questions;
    std::vector<std::string> notices;

    bool askGameName(std::string& name) override {
        namesShown.push_back(name);
        if (nameAnswer) name = *nameAnswer;
        return nameAnswer.has_value();
    }
    bool askOverwrite(const std::string& name) override {
        questions.push_back(name);
        return overwriteAnswer;
    }
    void tellSaveFailed(const std::string& name) override { notices.push_back("save failed: " + name); }
    void tellLoadFailed(const std::string& name) override { notices.push_back("load failed: " + name); }
};

// Every file and folder below `root` with its content, to see that nothing changed.
std::map<fs::path, Bytes> snapshot(const fs::path& root) {
    std::map<fs::path, Bytes> files;
    for (const auto& item : fs::recursive_directory_iterator(root))
        files[item.path()] = item.is_regular_file() ? readBytes(item.path()) : Bytes{};
    return files;
}

class SavedGamesFlow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fs::create_directory(folder.path() / "games")); }
    fs::path gameFile(const std::string& name) const { return folder.path() / "games" / (name + ".pvg"); }
    void modify() {
        progress.assign(countingBytes(StatusTableSize));
        progress.gameModified = true;
    }

    TempFolder folder;
    SavedGames games{folder.path().string() + "/"};
    Progress progress;
    ScriptedDialogs dialogs;
};

TEST_F(SavedGamesFlow, SaveWritesAll3000BytesUnderTheNameGiven) {
    // A modified game is named in the save dialog and written whole; then it counts as saved.
    modify();
    progress.gameName = "Alt";
    dialogs.nameAnswer = "Sonntag";

    games.saveCurrentGame(progress, dialogs);

    EXPECT_EQ(dialogs.namesShown, std::vector<std::string>{"Alt"});
    EXPECT_EQ(readBytes(gameFile("Sonntag")), countingBytes(StatusTableSize));
    EXPECT_EQ(progress.gameName, "Sonntag");
    EXPECT_FALSE(progress.gameModified);
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.notices.empty());
    EXPECT_EQ(games.list(), std::vector<std::string>{"Sonntag"});
}

TEST_F(SavedGamesFlow, UnmodifiedGameIsNotOffered) {
    // Without a change since the last save, load or new game nothing is asked or written.
    games.saveCurrentGame(progress, dialogs);
    EXPECT_TRUE(dialogs.namesShown.empty());
    EXPECT_TRUE(fs::is_empty(folder.path() / "games"));
}

TEST_F(SavedGamesFlow, EmptyNameOrCancelDropsTheOfferForGood) {
    // An empty name or Cancel writes nothing and clears the change, so closing right after asks nothing.
    modify();
    dialogs.nameAnswer = "";
    games.saveCurrentGame(progress, dialogs);
    EXPECT_FALSE(progress.gameModified);
    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.namesShown.size(), 1u);

    modify();
    progress.gameName = "Alt";
    dialogs.nameAnswer.reset();
    games.saveCurrentGame(progress, dialogs);
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(progress.gameName, "Alt");
    EXPECT_TRUE(fs::is_empty(folder.path() / "games"));
    EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(SavedGamesFlow, NoToOverwriteKeepsTheOldFileAndTheChangePending) {
    // Answering No writes nothing and keeps the game modified, so the player is asked again later.
    writeBytes(gameFile("Sonntag"), {1, 2, 3});
    modify();
    dialogs.nameAnswer = "Sonntag";

    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Sonntag"});
    EXPECT_EQ(readBytes(gameFile("Sonntag")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(progress.gameModified);
    EXPECT_EQ(progress.gameName, "Sonntag");

    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.namesShown, (std::vector<std::string>{"", "Sonntag"}));
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Sonntag", "Sonntag"}));
    EXPECT_TRUE(progress.gameModified);
}

TEST_F(SavedGamesFlow, YesToOverwriteReplacesTheFile) {
    // Yes writes the new progress over the old game.
    writeBytes(gameFile("Sonntag"), Bytes(StatusTableSize + 10, 15));
    modify();
    dialogs.nameAnswer = "Sonntag";
    dialogs.overwriteAnswer = true;

    games.saveCurrentGame(progress, dialogs);

    EXPECT_EQ(readBytes(gameFile("Sonntag")), countingBytes(StatusTableSize));
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(snapshot(folder.path()).size(), 2u);
}

TEST_F(SavedGamesFlow, SaveWithoutGamesFolderIsReportedAndStaysPending) {
    // A games folder that cannot be made (a file in its way, a read-only medium) gives the save error;
    // the progress stays modified.
    fs::remove(folder.path() / "games");
    writeBytes(folder.path() / "games", {});
    modify();
    dialogs.nameAnswer = "Sonntag";

    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"save failed: Sonntag"});
    EXPECT_TRUE(progress.gameModified);
    EXPECT_EQ(snapshot(folder.path()).size(), 1u);

    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.notices.size(), 2u) << "asked and told again";
}

TEST_F(SavedGamesFlow, FailedOverwriteKeepsTheOldGameWhole) {
    // A write that fails half-way (a full drive) leaves the game on disk as it was and no stray file.
    const Bytes old(StatusTableSize, 9);
    writeBytes(gameFile("Sonntag"), old);
    modify();
    dialogs.nameAnswer = "Sonntag";
    dialogs.overwriteAnswer = true;
    {
        const FileSizeLimit driveFull(1000);
        games.saveCurrentGame(progress, dialogs);
    }
    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"save failed: Sonntag"});
    EXPECT_TRUE(progress.gameModified);
    EXPECT_EQ(readBytes(gameFile("Sonntag")), old);
    EXPECT_EQ(snapshot(folder.path()).size(), 2u);
}

TEST_F(SavedGamesFlow, FolderStandingWhereTheGameShouldBeFailsTheSave) {
    // A folder named like the game is neither replaced nor entered.
    fs::create_directory(gameFile("Sonntag"));
    writeBytes(gameFile("Sonntag") / "inside", {4});
    modify();
    dialogs.nameAnswer = "Sonntag";
    dialogs.overwriteAnswer = true;
    const auto before = snapshot(folder.path());

    games.saveCurrentGame(progress, dialogs);

    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"save failed: Sonntag"});
    EXPECT_TRUE(progress.gameModified);
    EXPECT_EQ(snapshot(folder.path()), before);
}

TEST_F(SavedGamesFlow, LoadTakesTheFileAsItIs) {
    // A short file fills the first positions and clears the rest; a long one gives its first 3000 bytes;
    // any byte value is taken unchanged; the name is left to the caller.
    progress.assign(Bytes(StatusTableSize, 11));
    progress.gameName = "Kurz";
    progress.gameModified = true;
    const Bytes ten{0xff, 0x07, 0x10, 8, 15, 0, 1, 2, 3, 0x80};
    writeBytes(gameFile("Kurz"), ten);

    ASSERT_TRUE(games.loadGame("Kurz", progress, dialogs));
    Bytes expected = ten;
    expected.resize(StatusTableSize);
    EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), expected);
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(progress.gameName, "Kurz");

    writeBytes(gameFile("Lang"), countingBytes(3500));
    ASSERT_TRUE(games.loadGame("Lang", progress, dialogs));
    EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), countingBytes(StatusTableSize));

    writeBytes(gameFile("Leer"), {});
    ASSERT_TRUE(games.loadGame("Leer", progress, dialogs));
    EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), Bytes(StatusTableSize, 0));
    EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(SavedGamesFlow, LoadOfAMissingGameFailsAndKeepsTheTable) {
    // The load error is shown, the name forgotten, the progress table left as it was.
    modify();
    progress.gameName = "Fehlt";

    EXPECT_FALSE(games.loadGame("Fehlt", progress, dialogs));
    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"load failed: Fehlt"});
    EXPECT_TRUE(progress.gameName.empty());
    EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), countingBytes(StatusTableSize));

    fs::create_directory(gameFile("Ordner"));
    EXPECT_FALSE(games.loadGame("Ordner", progress, dialogs));
    EXPECT_EQ(dialogs.notices.back(), "load failed: Ordner");
}

TEST_F(SavedGamesFlow, NamesThatAreNoFileNamesFailAndTouchNothing) {
    // ".", "..", path separators, NUL and control characters: save and load fail with their messages even
    // where a file of that path exists, and nothing in or outside the games folder is read or written.
    const std::vector<std::string> names{".", "..", "a/b", "a\\b", "../outside", "/tmp/x", "tab\tname",
                                         "line\nbreak", "\x01", "del\x7f", std::string("nul\0../outside", 14)};
    writeBytes(folder.path() / "outside.pvg", {1, 1, 1});
    writeBytes(gameFile(".."), {2});
    writeBytes(gameFile("."), {3});
    fs::create_directory(folder.path() / "games" / "a");
    writeBytes(gameFile("a/b"), {4});
    writeBytes(folder.path() / "games" / "nul", {5});
    const auto before = snapshot(folder.path());

    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ScriptedDialogs player;
        modify();
        progress.gameName = "Alt";
        EXPECT_FALSE(games.loadGame(name, progress, player));
        EXPECT_EQ(player.notices, std::vector<std::string>{"load failed: " + name});
        EXPECT_TRUE(progress.gameName.empty());
        EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), countingBytes(StatusTableSize));

        player.notices.clear();
        player.nameAnswer = name;
        player.overwriteAnswer = true;
        games.saveCurrentGame(progress, player);
        EXPECT_EQ(player.notices, std::vector<std::string>{"save failed: " + name});
        EXPECT_TRUE(progress.gameModified);
        EXPECT_FALSE(games.exists(name));
    }
    EXPECT_EQ(snapshot(folder.path()), before);
}

TEST_F(SavedGamesFlow, NameTooLongForTheFileSystemFailsWithTheMessages) {
    // A name the file system cannot store is a failed save and a failed load, never a reported success.
    const std::string name(300, 'x');
    modify();
    dialogs.nameAnswer = name;
    games.saveCurrentGame(progress, dialogs);
    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"save failed: " + name});
    EXPECT_TRUE(progress.gameModified);

    EXPECT_FALSE(games.loadGame(name, progress, dialogs));
    EXPECT_EQ(dialogs.notices.back(), "load failed: " + name);
    EXPECT_TRUE(fs::is_empty(folder.path() / "games"));
}

TEST_F(SavedGamesFlow, UnusualButHarmlessNamesWork) {
    // Spaces, umlauts, dots inside or three dots in a row are file names like any other.
    for (const std::string name : {"Spiel 1", "Ärger", "a.b", "...", "-x", ".pvg"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(isValidGameName(name));
        modify();
        dialogs.nameAnswer = name;
        games.saveCurrentGame(progress, dialogs);
        EXPECT_FALSE(progress.gameModified);
        progress.clear();
        EXPECT_TRUE(games.loadGame(name, progress, dialogs));
        EXPECT_EQ(Bytes(progress.bytes().begin(), progress.bytes().end()), countingBytes(StatusTableSize));
    }
    EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(SavedGamesFlow, NewGameLeavesTheSavedFileOnDisk) {
    // The reset clears memory and forgets the name; the game saved before stays as it was.
    modify();
    dialogs.nameAnswer = "Sonntag";
    games.saveCurrentGame(progress, dialogs);

    progress.resetForNewGame(StatusTableSize);

    EXPECT_EQ(readBytes(gameFile("Sonntag")), countingBytes(StatusTableSize));
    EXPECT_TRUE(progress.gameName.empty());
    EXPECT_EQ(progress.status(1).value, 0);
}

TEST_F(SavedGamesFlow, ReopenLoadsTheNamedGameOrForgetsAMissingOneSilently) {
    // At start the table is cleared; a game that exists is loaded under its name, a missing or unusable
    // name is forgotten without a message.
    writeBytes(gameFile("Sonntag"), {8, 9});
    progress.assign(Bytes(StatusTableSize, 3));
    progress.gameName = "Sonntag";
    games.reopen(progress, dialogs);
    EXPECT_EQ(progress.gameName, "Sonntag");
    EXPECT_EQ(progress.status(2).value, 9);
    EXPECT_EQ(progress.status(3).value, 0);

    for (const std::string name : {"Fehlt", "../Sonntag", ".."}) {
        progress.assign(Bytes(StatusTableSize, 3));
        progress.gameName = name;
        games.reopen(progress, dialogs);
        EXPECT_TRUE(progress.gameName.empty()) << name;
        EXPECT_EQ(progress.status(1).value, 0) << name;
    }
    EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(SavedGamesFlow, ListShowsSavedGamesOnly) {
    // Only regular files ending in .pvg are games, named without the ending.
    writeBytes(gameFile("Eins"), {});
    writeBytes(gameFile("Zwei"), {});
    writeBytes(folder.path() / "games" / "notiz.txt", {});
    writeBytes(folder.path() / "games" / ".pvg", {});
    ASSERT_EQ(::mkfifo(gameFile("Rohr").c_str(), 0600), 0);
    fs::create_directory(gameFile("Ordner"));
    // A name no dialog could accept stays out of the list.
    writeBytes(folder.path() / "games" / "zeile\nzwei.pvg", {});
    auto names = games.list();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Eins", "Zwei"}));
}

// The program folder is the executable's when it holds the catalogue, else the installed data folder
// found from the executable's, so that a moved installation still finds its data.
TEST(GameFolders, ProgramFolderIsWhereTheCatalogueLies) {
    TempFolder root;
    const fs::path bin = root.path() / "bin";
    const fs::path data = root.path() / "share" / "pivolet";
    fs::create_directories(bin);
    fs::create_directories(data);
    const std::string installed = "../share/pivolet";
    EXPECT_EQ(chooseProgramFolder(bin.string() + "/", installed), bin.string() + "/");
    writeBytes(data / "pivo.dat", {});
    EXPECT_EQ(chooseProgramFolder(bin.string() + "/", installed), data.string() + "/");
    writeBytes(bin / "pivo.dat", {});
    EXPECT_EQ(chooseProgramFolder(bin.string() + "/", installed), bin.string() + "/");
}

// Games stay in the program folder's games folder, made there when missing; where no file can be made
// there, they go to the player's own folder, which only the first save makes, parents and all.
TEST(GameFolders, GamesGoWhereAFileCanBeWritten) {
    TempFolder root;
    const std::string user = (root.path() / "home" / "Pivolet" / "games").string() + "/";
    EXPECT_EQ(chooseGamesFolder(root.path().string() + "/", user), (root.path() / "games").string() + "/");
    EXPECT_TRUE(fs::is_directory(root.path() / "games"));

    const fs::path blocked = root.path() / "blocked";
    fs::create_directory(blocked);
    writeBytes(blocked / "games", {});
    EXPECT_EQ(chooseGamesFolder(blocked.string() + "/", user), user);
    EXPECT_EQ(chooseGamesFolder((root.path() / "missing").string() + "/", user), user);
    EXPECT_FALSE(fs::exists(root.path() / "home"));

    Progress progress;
    progress.assign(countingBytes(StatusTableSize));
    progress.gameModified = true;
    ScriptedDialogs dialogs;
    dialogs.nameAnswer = "Abend";
    SavedGames::inFolder(user).saveCurrentGame(progress, dialogs);
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(readBytes(fs::path(user) / "Abend.pvg"), countingBytes(StatusTableSize));
}

}  // namespace
