#include "Settings.h"

#include "model/Catalogue.h"

#include <QDir>
#include <QSettings>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace pivo {
namespace {

constexpr const char* Section = "common/";

QString keyOf(const char* key) { return QString::fromLatin1(Section) + QString::fromLatin1(key); }

}  // namespace

Settings::Settings(QSettings& store) : store_(store) {}

std::unique_ptr<QSettings> Settings::openUserStore() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\Brambleworks\\Pivolet\\V3",
                                       QSettings::NativeFormat);
#else
    // QStandardPaths falls back to ~/.config when XDG_CONFIG_HOME is unset or not absolute.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(config + "/Brambleworks/Pivolet/V3.ini", QSettings::IniFormat);
#endif
}

std::string Settings::userGamesFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(data + "/Brambleworks/Pivolet/games/").toStdString();
}

QString Settings::readText(const char* key) const { return store_.value(keyOf(key)).toString(); }

int Settings::readInt(const char* key, int fallback) const {
    bool ok = false;
    const int value = readText(key).toInt(&ok);
    return ok ? value : fallback;
}

bool Settings::readBool(const char* key, bool fallback) const { return readInt(key, fallback ? 1 : 0) != 0; }

void Settings::writeText(const char* key, const QString& value) { store_.setValue(keyOf(key), value); }

void Settings::writeInt(const char* key, int value) { writeText(key, QString::number(value)); }

void Settings::readStartValues(Preferences& preferences) const {
    preferences.editorMode = readBool("editor", false);
    preferences.language = static_cast<Language>(readInt("tongue", static_cast<int>(DefaultLanguage)));
    preferences.sound = readBool("sound", true);
    preferences.background = readInt("back", DefaultBackground);
    preferences.music = readBool("music", true);
}

int Settings::group() const { return std::clamp(readInt("group", 0), 0, CategoryTotal - 1); }

int Settings::level(int tangramCount) const {
    const int level = std::min(readInt("level", 1), tangramCount);
    return std::max(level, 1);
}

std::string Settings::game() const { return readText("game").toStdString(); }

int Settings::patternMode() const { return readInt("patmode", DefaultPatternMode); }

QPoint Settings::patternPosition() const {
    return {readInt("pleft", DefaultPatternPosition.x()), readInt("ptop", DefaultPatternPosition.y())};
}

QByteArray Settings::mainWindowPlacement() const {
    return QByteArray::fromBase64(readText("MainForm").toLatin1());
}

void Settings::writeClose(const Preferences& preferences, Position position, const std::string& gameName,
                          std::optional<QSize> normalSize) {
    writeInt("sound", preferences.sound ? 1 : 0);
    if (normalSize) {
        writeInt("wid", normalSize->width());
        writeInt("hig", normalSize->height());
    }
    writeInt("level", position.tangram);
    writeInt("group", position.category);
    writeInt("tongue", static_cast<int>(preferences.language));
    writeInt("back", preferences.background);
    writeInt("music", preferences.music ? 1 : 0);
    writeText("game", QString::fromStdString(gameName));
    writeInt("patmode", preferences.patternMode);
    store_.sync();
}

void Settings::writePatternPosition(QPoint position) {
    writeInt("pleft", position.x());
    writeInt("ptop", position.y());
    store_.sync();
}

void Settings::writeMainWindowPlacement(const QByteArray& placement) {
    writeText("MainForm", QString::fromLatin1(placement.toBase64()));
    store_.sync();
}

}  // namespace pivo
