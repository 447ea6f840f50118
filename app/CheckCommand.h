#pragma once

#include <QStringList>

class QTextStream;

// Checks the skins, several at once, and prints their problems in the order of the
// arguments: one line each in the form compilers use, or one JSON document. The
// status is 1 when any skin has an error, else 0.
int runCheck(const QStringList &skins, bool json, QTextStream &out);

struct SkinReport;

// Prints the report's errors, warnings left out, in the compilers' form; false when
// it has none.
bool printErrors(const SkinReport &report, QTextStream &out);
