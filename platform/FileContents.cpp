#include "platform/FileContents.h"

#include <QFile>

std::optional<QByteArray> fileContents(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    return file.readAll();
}
