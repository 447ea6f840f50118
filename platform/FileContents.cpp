#include "platform/FileContents.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

namespace {

// The status of the file a path leads to, for names Qt cannot spell and for a link
// that leads round in a circle, which Qt only calls missing.
ReadFailure systemFailure(const QString &path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(systemPath(path), error);
    if (error == std::errc::too_many_symbolic_link_levels)
        return ReadFailure::LinkLoop;
    if (!std::filesystem::exists(status))
        return ReadFailure::Missing;
    return std::filesystem::is_regular_file(status) ? ReadFailure::None : ReadFailure::NotAFile;
}

ReadFailure qtFailure(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.isSymLink() ? systemFailure(path) : ReadFailure::Missing;
    return info.isFile() ? ReadFailure::None : ReadFailure::NotAFile;
}

// Qt would open the name with its bytes replaced; the C library takes them as they are.
bool openByBytes(QFile &file)
{
    std::FILE *handle = std::fopen(fileNameBytes(file.fileName()).constData(), "rb");
    return handle && file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

} // namespace

ReadFailure openRegularFile(QFile &file)
{
    const bool foreign = holdsForeignBytes(file.fileName());
    const ReadFailure found = foreign ? systemFailure(file.fileName()) : qtFailure(file.fileName());
    if (found != ReadFailure::None)
        return found;
    if (!(foreign ? openByBytes(file) : file.open(QIODevice::ReadOnly)))
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
    case ReadFailure::LinkLoop:
        return QCoreApplication::translate(
            "FileContents", "sie ist ein symbolischer Link, der im Kreis auf sich selbst führt");
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
