#pragma once

#include "model/Navigation.h"
#include "model/Preferences.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QSettings;

namespace pivo {

/// The game's settings store, section "common": every key, its type, default and clamp in one place.
/// Every value is text: integers in decimal, booleans "0" and "1". A missing value, or a text that is
/// not an integer, reads as the key's default.
class Settings {
public:
    /// Works on `store`, which stays owned by the caller.
    explicit Settings(QSettings& store);

    /// The player's own store: the registry key Software\Brambleworks\Pivolet\V3 on Windows, elsewhere
    /// $XDG_CONFIG_HOME/Brambleworks/Pivolet/V3.ini (~/.config when the variable is unset).
    static std::unique_ptr<QSettings> openUserStore();
    /// The player's own folder for saved games, used where the program folder cannot hold them:
    /// `$XDG_DATA_HOME/Brambleworks/Pivolet/games/` (without the variable, under ~/.local/share).
    static std::string userGamesFolder();

    /// What the main window reads while it is created, before the catalogue: editor, tongue, sound,
    /// back and music.
    void readStartValues(Preferences& preferences) const;
    /// The stored category, clamped to 0..7.
    int group() const;
    /// The stored tangram, brought into 1..tangramCount.
    int level(int tangramCount) const;
    std::string game() const;
    int patternMode() const;
    QPoint patternPosition() const;
    /// The main window's placement as saved by the window; empty when none is stored.
    QByteArray mainWindowPlacement() const;

    /// The close: sound, the window size when it is in its normal state, then level, group, tongue,
    /// back, music, game and patmode.
    void writeClose(const Preferences& preferences, Position position, const std::string& gameName,
                    std::optional<QSize> normalSize);
    void writePatternPosition(QPoint position);
    void writeMainWindowPlacement(const QByteArray& placement);

    static constexpr Language DefaultLanguage = Language::NotChosen;
    static constexpr int DefaultBackground = 0;
    static constexpr int DefaultPatternMode = 2;
    static constexpr QPoint DefaultPatternPosition{500, 50};

private:
    int readInt(const char* key, int fallback) const;
    bool readBool(const char* key, bool fallback) const;
    QString readText(const char* key) const;
    void writeInt(const char* key, int value);
    void writeText(const char* key, const QString& value);

    QSettings& store_;
};

}  // namespace pivo
