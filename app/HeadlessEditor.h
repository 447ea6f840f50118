#pragma once

#include <QString>

class QTextStream;

// The editor's own work without a window and without a user: every question is
// answered as by one who cancels.

// Writes the skin's four pages as PNG pictures into the folder, each file replaced
// whole or not at all. A package (".zip") is unpacked into a temporary folder first and
// its one skin exported. A skin that does not load writes nothing; its problem goes to
// `err` and the status is 1.
int runExport(const QString &folder, const QString &skin, QTextStream &err);

// Makes a new skin at the path from the template of the player version ("1.4" or
// "1.5"), its bitmaps beside it; the status is 1 when that failed, with the reason on
// `err`.
int runNewSkin(const QString &version, const QString &path, QTextStream &err);
