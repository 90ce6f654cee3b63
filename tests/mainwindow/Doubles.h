#pragma once

#include "mainwindow/GameWindows.h"
#include "model/Language.h"
#include "media/Music.h"
#include "help/RulesHelp.h"
#include "media/SoundEffects.h"

#include <QPoint>
#include <QString>

#include <deque>
#include <string>
#include <vector>

namespace pivo::testing {

/// Hears the sound effects the game plays.
class RecordingSound : public SoundEffects {
public:
    void playSoundEffect(int effect) override { played.push_back(effect); }
    std::vector<int> played;
};

class RecordingMusic : public Music {
public:
    void startMusicAtStartup() override { ++starts; }
    void musicKeepAlive() override { ++keepAlives; }
    void toggleMusic() override { ++musicToggles; }
    void toggleSound() override { ++soundToggles; }
    bool musicAvailable() const override { return false; }
    std::string currentMusicName() const override { return {}; }
    int starts = 0;
    int keepAlives = 0;
    int musicToggles = 0;
    int soundToggles = 0;
};

class RecordingHelp : public RulesHelp {
public:
    void open(int context) override { opened.push_back(context); }
    void quit() override { ++quits; }
    std::vector<int> opened;
    int quits = 0;
};

/// A message the player was shown, and whether it asked (two buttons) or told (one).
struct ShownMessage {
    MessageKind kind = MessageKind::Notice;
    QString text;
};

/// Stands in for the dialogs and the pattern window: records what the player was shown and answers
/// from a script (Yes to every question unless told otherwise).
class ScriptedWindows : public GameWindows {
public:
    void setMainWindow(QWidget* window) override { mainWindow = window; }
    DialogAnswer showStockMessage(MessageKind kind) override { return answer(kind, {}); }
    DialogAnswer showTextMessage(MessageKind kind, const QString& text) override { return answer(kind, text); }
    void chooseLanguage() override;
    bool askGameName(std::string& name) override;
    bool pickGame(std::string& name) override;
    void showStatistics() override { ++statisticsShown; }
    std::optional<int> selectTangram(const SelectEffects&) override { return std::nullopt; }
    void showOptions(const OptionEffects&) override {}
    void showAbout() override {}
    void showPatternWindow(bool shown) override { patternShown = shown; }
    void refreshPatternWindow() override { ++patternRefreshes; }
    QPoint patternWindowPosition() const override { return patternPosition; }

    /// The kinds of every message shown, in order.
    std::vector<MessageKind> kinds() const;

    QWidget* mainWindow = nullptr;
    std::vector<ShownMessage> messages;
    std::deque<DialogAnswer> answers;
    Language languageChoice = Language::English;
    int languageQuestions = 0;
    /// The main window's caption while the language question was open.
    QString captionWhileLanguageAsked;
    std::deque<std::string> gameNames;
    std::deque<std::string> pickedGames;
    int gameNameQuestions = 0;
    int statisticsShown = 0;
    bool patternShown = false;
    int patternRefreshes = 0;
    QPoint patternPosition{640, 120};
    /// The language as the language dialog sets it.
    Language* language = nullptr;

private:
    DialogAnswer answer(MessageKind kind, const QString& text);
};

}  // namespace pivo::testing
