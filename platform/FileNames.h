#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <filesystem>

// What no file system takes: a path of more than this many bytes (UTF-8), or a part of
// it longer than a name may be. A name beyond them is refused before any search.
inline constexpr qsizetype maxPathBytes = 4096;
inline constexpr qsizetype maxNameBytes = 255;

// Whether the path could name a file at all; "/" and "\" both separate its parts.
bool fitsFileSystems(const QString &path);

// A file name as Unix stores it, bytes with no encoding of their own: UTF-8 is decoded,
// and each byte that is no part of it becomes the lone surrogate U+DC80 + (byte - 0x80),
// so that fileNameBytes gives the very bytes back and the file can be opened again.
// (Qt's own decoding would make all of them U+FFFD, a name no file has.)
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameBytes(QStringView name);
// Whether the name holds such a byte, which only the routes below can open.
bool holdsForeignBytes(QStringView name);
// The path for std::filesystem and the C library, and back.
std::filesystem::path systemPath(const QString &path);
QString nameOfSystemPath(const std::filesystem::path &path);
// The program's arguments, its name first, with every byte of a name kept.
QStringList commandLineArguments(int argc, const char *const *argv);

// A name as a message shows it: control characters written out ("\n", "\x1b", "\u0085"),
// so that no name can break a line of output or steer a terminal, a byte that is no
// UTF-8 as "\xff", and a long name cut in the middle with "…". A backslash that would
// read as the start of such an escape is doubled (the four characters "\x01" show as "\\x01");
// any other stays single, so that Windows paths read as they are.
QString shownName(const QString &name);
// The same for a whole path or line of output, never cut.
QString escapedText(QStringView text);

// Only the control characters written out, for a whole line of output whose names
// were shortened already.
QString withoutControls(const QString &text);

// A path as the command line prints it: with the platform's own separators, so that
// Windows shows "skins\blau.lkv" whichever way the user typed it.
QString shownPath(const QString &path);
