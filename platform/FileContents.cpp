#include "platform/FileContents.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

ReadFailure openRegularFile(QFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return ReadFailure::Missing;
    if (!info.isFile())
        return ReadFailure::NotAFile;
    if (!file.open(QIODevice::ReadOnly))
        return ReadFailure::Unreadable;
    // What was looked at may have been swapped for a device since.
    if (file.isSequential()) {
        file.close();
        return ReadFailure::NotAFile;
    }
    return ReadFailure::None;
}

FileRead readWholeFile(const QString &path, qint64 limit)
{
    QFile file(path);
    FileRead read;
    read.failure = openRegularFile(file);
    if (!read.ok())
        return read;
    if (file.size() > limit) {
        read.failure = ReadFailure::TooLarge;
        return read;
    }
    // The size is only a claim: the file may grow while it is read. One byte more than
    // the limit tells a file of exactly the limit from a larger one.
    const qint64 cap = limit < std::numeric_limits<qint64>::max() ? limit + 1 : limit;
    read.bytes.reserve(qsizetype(qMin(file.size() + 1, cap)));
    constexpr qint64 chunk = 64 * 1024;
    for (;;) {
        const qint64 room = qMin(chunk, cap - read.bytes.size());
        if (room <= 0)
            break;
        const qsizetype before = read.bytes.size();
        read.bytes.resize(before + qsizetype(room));
        const qint64 got = file.read(read.bytes.data() + before, room);
        read.bytes.resize(before + qsizetype(qMax<qint64>(got, 0)));
        if (got < 0) {
            read.bytes.clear();
            read.failure = ReadFailure::Unreadable;
            return read;
        }
        if (got == 0)
            break;
    }
    if (read.bytes.size() > limit) {
        read.bytes.clear();
        read.failure = ReadFailure::TooLarge;
    }
    return read;
}

std::optional<QByteArray> fileContents(const QString &path, qint64 limit)
{
    FileRead read = readWholeFile(path, limit);
    if (!read.ok())
        return std::nullopt;
    return std::move(read.bytes);
}

QString readFailureReason(ReadFailure failure, qint64 limit)
{
    switch (failure) {
    case ReadFailure::None:
    case ReadFailure::Unreadable:
        break;
    case ReadFailure::Missing:
        return QCoreApplication::translate("FileContents", "es gibt sie nicht");
    case ReadFailure::NotAFile:
        return QCoreApplication::translate(
            "FileContents", "sie ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder "
                            "eine Pipe");
    case ReadFailure::TooLarge:
        return QCoreApplication::translate("FileContents", "sie ist größer als %1 MiB")
            .arg(qMax<qint64>(limit >> 20, 1));
    }
    return {};
}

QString readFailureText(ReadFailure failure, const QString &path, qint64 limit)
{
    const QString name = shownName(QDir::toNativeSeparators(path));
    const QString reason = readFailureReason(failure, limit);
    if (reason.isEmpty())
        return QCoreApplication::translate("FileContents",
                                           "Die Datei %1 kann nicht gelesen werden.")
            .arg(name);
    return QCoreApplication::translate("FileContents",
                                       "Die Datei %1 kann nicht gelesen werden: %2.")
        .arg(name, reason);
}
