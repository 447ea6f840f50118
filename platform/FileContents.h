#pragma once

#include "ini/FileBytes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QFile;

// Why a file could not be read whole.
enum class ReadFailure : std::uint8_t { None, Missing, LinkLoop, NotAFile, TooLarge, Unreadable };

struct FileRead {
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
    bool ok() const { return failure == ReadFailure::None; }
};

// Opens the file for reading when it is a regular file. A folder, a device, a pipe or a
// socket is refused without being opened: opening a pipe waits for a writer, and a
// device may never end.
ReadFailure openRegularFile(QFile &file);

// A whole regular file, read up to `limit` bytes whatever its size claims; a file that
// holds more is refused.
FileRead readWholeFile(const QString &path, qint64 limit = qint64(maxFileBytes));

// The same without the reason: nothing when the file cannot be read or is too large.
std::optional<QByteArray> fileContents(const QString &path, qint64 limit = qint64(maxFileBytes));

// Why, for the user, as the end of a sentence ("sie ist größer als 256 MiB"); empty when
// the system gave no reason.
QString readFailureReason(ReadFailure failure, qint64 limit = qint64(maxFileBytes));
// The whole sentence, naming the file.
QString readFailureText(ReadFailure failure, const QString &path,
                        qint64 limit = qint64(maxFileBytes));
