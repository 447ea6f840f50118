#pragma once

#include <QByteArray>
#include <QList>

struct SkinReport;

// The check's reports as one SARIF 2.1.0 log, for code-scanning services and viewers:
// one run whose rules are the problem codes, each problem a result at its skin's line.
// Skins are named relative to the current folder, as a checkout's files are.
QByteArray sarifLog(const QList<SkinReport> &reports);
