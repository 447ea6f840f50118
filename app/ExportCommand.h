#pragma once

#include <QString>

class QTextStream;

// Writes the skin's four pages as PNG pictures into the folder, each file replaced
// whole or not at all. A skin that does not load writes nothing; its problem goes to
// `err` and the status is 1.
int runExport(const QString &folder, const QString &skin, QTextStream &err);
