#include "platform/MadeFolders.h"

#include <QDir>
#include <QFileInfo>

bool MadeFolders::make(const QString &path)
{
    QStringList missing;
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir()) {
        // A file, or a link that leads nowhere, stands where a folder would go.
        if (QFileInfo(folder).exists() || QFileInfo(folder).isSymLink())
            return false;
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return false;
        folder = parent;
    }
    for (const QString &next : missing) {
        if (!QDir().mkdir(next))
            return false;
        made_ << next;
    }
    return true;
}

void MadeFolders::removeAll()
{
    while (!made_.isEmpty())
        QDir().rmdir(made_.takeLast());
}
