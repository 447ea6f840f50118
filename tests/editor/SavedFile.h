#pragma once

#include <QByteArrayList>
#include <QFile>
#include <QString>

// What a save left on disk, read back as bytes, as lines, or as one section's lines.
inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArrayList linesOf(const QString &path)
{
    const QByteArray bytes = bytesOf(path);
    return bytes.isNull() ? QByteArrayList() : bytes.split('\n');
}

// The lines of one section, header included, up to the next header.
inline QByteArrayList sectionOf(const QByteArrayList &lines, const QByteArray &section)
{
    const QByteArray header = "[" + section + "]";
    QByteArrayList result;
    bool inside = false;
    for (const QByteArray &line : lines) {
        if (line.startsWith('['))
            inside = line.trimmed() == header;
        if (inside)
            result << line;
    }
    return result;
}
