#pragma once

#include <QString>

class QTextStream;

// The editor's own work without a window and without a user: every question is
// answered as by one who cancels.

// Writes the skin's four pages as PNG pictures into the folder, made when missing; each
// file is written whole or not at all, an existing one only with `mayReplace`. A package (".zip")
// is unpacked into a temporary folder first and its one skin exported. A skin that does not load
// writes nothing; its problem goes to `err` and the status is 1.
int runExport(const QString &folder, const QString &skin, bool mayReplace, QTextStream &err);

// Makes a new skin at the path from the template of the player version ("1.4" or
// "1.5"), its bitmaps beside it, and the folders on the way; an existing skin file is
// replaced only with `mayReplace`. The status is 1 when that failed, with the reason on
// `err`.
int runNewSkin(const QString &version, const QString &path, bool mayReplace, QTextStream &err);
