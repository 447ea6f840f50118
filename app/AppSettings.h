#pragma once

#include "platform/Language.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// The program's own settings in "Velmor.ini" in the current folder: the download
// server and the news last accepted in the section "Update", the skins opened last in
// "Zuletzt", the language chosen in "Sprache", the zoom, snapping, docks and tool windows in
// "Ansicht". Nothing is kept in memory: every read reads the file, and every write reads it afresh
// and changes only its own keys in the same step, so that no part of the program, and no other
// running copy, has its changes put back by an old copy.
class AppSettings {
public:
    QString server() const;
    QString news() const;
    // The version checker's two settings, written in one step; news stay as they are
    // when none are given.
    void writeUpdate(const QString &server, const std::optional<QString> &news);

    // Newest first, at most recentSkinCount.
    QStringList recentSkins() const;
    void writeRecentSkins(const QStringList &paths);

    // The zoom of the pages in percent, 100 unless another was kept.
    int zoom() const;
    void writeZoom(int percent);

    // Snapping while dragging: to the elements (on unless switched off), to the grid (off
    // unless switched on) with the grid's step, 8 unless another was kept (1 to 1000).
    bool snapToElements() const;
    bool snapToGrid() const;
    int gridStep() const;
    void writeSnapping(bool toElements, bool toGrid);
    // The main window's docks and bars as QMainWindow::saveState() gives them; empty
    // when none were kept.
    QByteArray windowLayout() const;
    void writeWindowLayout(const QByteArray &layout);
    // Where the main window stood and how large it was, as QWidget::saveGeometry() gives
    // it; empty when none was kept.
    QByteArray windowPlace() const;
    void writeWindowPlace(const QByteArray &place);

    // Where the user left a tool window: its frame's top left corner and its size, under
    // the key. None when none was kept, or when what was kept is no place on a desktop.
    std::optional<QRect> toolWindowPlace(const char *key) const;
    void writeToolWindowPlace(const char *key, const QRect &place);

    // German unless English was chosen.
    Language language() const;
    void writeLanguage(Language language);
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
