#pragma once

#include "ini/MyIniFile.h"

#include <QString>

// The program's own settings: the download server and the news last accepted, in
// the section "Update" of "Velmor.ini" in the current folder. The file is read when
// the object is made; every write goes to disk at once.
class AppSettings {
public:
    AppSettings();

    QString server() const;
    QString news() const;
    void writeServer(const QString &server);
    void writeNews(const QString &news);

private:
    TIniFile9 file_;
};

// A news text is stored on one line: a line break as the two characters "\n", a
// backslash as "\\". Reading turns them back; any other backslash stays as it is.
QString encodeNews(const QString &news);
QString decodeNews(const QString &stored);
