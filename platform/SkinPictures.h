#pragma once

#include "platform/PictureLoader.h"

#include <QHash>
#include <QString>

#include <vector>

struct LoadedSkin;

// The pictures of one skin folder by the names the skin gives them: a skin often names
// one bitmap for several elements, and each name is decoded only once.
class PictureCache {
public:
    explicit PictureCache(QString folder);

    // The picture the name stands for, relative to the folder; the reference holds
    // until the next load.
    const LoadedPicture &load(const QString &name);

private:
    QString folder_;
    QHash<QString, LoadedPicture> pictures_;
};

// Decodes every picture a loaded skin names, relative to its folder, in the order of
// skin.pictures; a name given twice is decoded once.
std::vector<LoadedPicture> decodePictures(const LoadedSkin &skin);
