#pragma once

#include "ini/MyIniFile.h"
#include "platform/Language.h"

#include <QString>
#include <QStringList>

// The program's own settings in "Velmor.ini" in the current folder: the download
// server and the news last accepted in the section "Update", the skins opened last in
// "Zuletzt", the language chosen in "Sprache". The file is read when the object is
// made; every write goes to disk at once.
class AppSettings {
public:
    AppSettings();

    QString server() const;
    QString news() const;
    void writeServer(const QString &server);
    void writeNews(const QString &news);

    // Newest first, at most recentSkinCount.
    QStringList recentSkins() const;
    void writeRecentSkins(const QStringList &paths);

    // German unless English was chosen.
    Language language() const;
    void writeLanguage(Language language);

private:
    TIniFile9 file_;
};

inline constexpr int recentSkinCount = 8;

// The list after the skin at the path opened: the path first, no entry twice, at most
// recentSkinCount. A path the settings file cannot spell stays out of it: stored with
// "?" in it, it would lead nowhere.
QStringList withOpenedSkin(QStringList recent, const QString &path);

// A news text is stored on one line: a line break as the two characters "\n", a
// backslash as "\\". Reading turns them back; any other backslash stays as it is.
QString encodeNews(const QString &news);
QString decodeNews(const QString &stored);
