#pragma once

#include "platform/SkinChecker.h"

#include <QStringList>

#include <cstdint>

class QTextStream;

enum class ReportFormat : std::uint8_t { Text, Json, Sarif };

// Checks the skins, several at once, and prints their problems in the order of the
// arguments: one line each in the form compilers use, one JSON document, or one SARIF
// log. The status is 1 when any skin has an error, else 0.
int runCheck(const QStringList &skins, ReportFormat format, CheckScope scope, QTextStream &out);

// Prints the report's errors, warnings left out, in the compilers' form; false when
// it has none.
bool printErrors(const SkinReport &report, QTextStream &out);
