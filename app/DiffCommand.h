#pragma once

class QString;
class QTextStream;

// Compares two skins and prints what differs from A to B: one line each in the form
// compilers use, at B's line, or one JSON document. The status is 0 when nothing
// differs, 1 when something does, and 2 when a file cannot be read or is no skin; the
// JSON document then holds the reason as "error".
int runDiff(const QString &a, const QString &b, bool json, QTextStream &out, QTextStream &err);
