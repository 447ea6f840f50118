#pragma once

#include "skin/SkinCheck.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

// What makes two paths one file: on Windows a name in any case opens the file, so the
// skin's spelling and the listing's are the same file there.
QString fileKey(const QString &path);

// The files the uses lead to, as fileKey() gives them.
QSet<QString> namedFiles(const std::vector<BitmapUse> &uses, const QString &folder);

// The bitmaps beside skins that no skin of their folder names. Each folder's skins are
// read once, however many of them are checked: with one read per checked skin, a folder
// of a hundred skins was read ten thousand times. Safe to ask from several threads.
class FolderBitmaps {
public:
    struct Bitmap {
        QString fileName;
        QString key; // fileKey() of its path
    };

    // The plain bitmap files of the folder ("" for the current one) that none of its
    // plain skin files names, in the order of their names.
    QList<Bitmap> unnamed(const QString &folder);

private:
    struct Folder {
        std::once_flag read;
        QList<Bitmap> unnamed;
    };

    std::mutex mutex_;
    QHash<QString, std::shared_ptr<Folder>> folders_;
};
