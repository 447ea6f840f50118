#pragma once

#include <QString>

// What no file system takes: a path of more than this many bytes (UTF-8), or a part of
// it longer than a name may be. A name beyond them is refused before any search.
inline constexpr qsizetype maxPathBytes = 4096;
inline constexpr qsizetype maxNameBytes = 255;

// Whether the path could name a file at all; "/" and "\" both separate its parts.
bool fitsFileSystems(const QString &path);

// A name as a message shows it: control characters written out ("\n", "\x1b"), so
// that no name can break a line of output or steer a terminal, and a long name cut
// in the middle with "…".
QString shownName(const QString &name);

// Only the control characters written out, for a whole line of output whose names
// were shortened already.
QString withoutControls(const QString &text);

// A path as the command line prints it: with the platform's own separators, so that
// Windows shows "skins\blau.lkv" whichever way the user typed it.
QString shownPath(const QString &path);
