#pragma once

#include <QString>
#include <QStringList>

// A copy of one of the demo skins, folder and all, whose text and bitmaps a test may
// spoil one at a time. Line numbers are 1-based, as an editor shows them.
class DemoSkinCopy {
public:
    // Copies examples/<demo>/ into the folder; the skin file keeps its name.
    DemoSkinCopy(const QString &demo, const QString &folder);

    QString path() const { return path_; }
    QString folder() const { return folder_; }

    // The line of the key inside the section, or of the section's header for an empty key.
    int lineOf(const QString &section, const QString &key = {}) const;
    // Replaces the key's line by "key=value"; returns its line.
    int setKey(const QString &section, const QString &key, const QString &value);
    // Drops the key's line; returns the line of its section's header.
    int removeKey(const QString &section, const QString &key);
    // Replaces a whole line; returns it.
    int replaceLine(int line, const QString &text);
    // Adds lines at the end; returns the first one's.
    int appendLines(const QStringList &lines);
    // Replaces a bitmap of the folder with other bytes.
    void writeFile(const QString &name, const QByteArray &bytes) const;
    void writeBitmap(const QString &name, int width, int height) const;
    // The demo skins' own folder.
    static QString demoFolder(const QString &demo);

private:
    void save() const;

    QString folder_;
    QString path_;
    QStringList lines_;
};
