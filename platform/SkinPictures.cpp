#include "platform/SkinPictures.h"

#include "skin/SkinLoad.h"

#include <utility>

PictureCache::PictureCache(QString folder) : folder_(std::move(folder)) {}

const LoadedPicture &PictureCache::load(const QString &name)
{
    auto found = pictures_.find(name);
    if (found == pictures_.end())
        found = pictures_.insert(name, loadPicture(name, folder_));
    return *found;
}

std::vector<LoadedPicture> decodePictures(const LoadedSkin &skin)
{
    PictureCache cache(QString::fromStdString(skin.document.skinFolder));
    std::vector<LoadedPicture> pictures;
    pictures.reserve(skin.pictures.size());
    for (const NamedPicture &picture : skin.pictures)
        pictures.push_back(cache.load(QString::fromStdString(picture.name)));
    return pictures;
}
