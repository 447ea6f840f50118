#include "platform/SkinPictures.h"

#include "skin/SkinLoad.h"

#include <QHash>

#include <future>
#include <thread>
#include <utility>

// The bitmaps are files of their own: a second thread decodes every other one, which
// nearly halves the wait of an open on a machine with two cores.
std::vector<LoadedPicture> decodePictures(const LoadedSkin &skin)
{
    const QString folder = QString::fromStdString(skin.document.skinFolder);
    QHash<QString, std::size_t> indexOf;
    std::vector<QString> names;
    for (const NamedPicture &picture : skin.pictures) {
        const QString name = QString::fromStdString(picture.name);
        if (!indexOf.contains(name)) {
            indexOf.insert(name, names.size());
            names.push_back(name);
        }
    }
    std::vector<LoadedPicture> decoded(names.size());
    const auto decodeEvery = [&](std::size_t first, std::size_t stride) {
        for (std::size_t i = first; i < names.size(); i += stride)
            decoded[i] = loadPicture(names[i], folder);
    };
    if (std::thread::hardware_concurrency() > 1 && names.size() > 1) {
        std::future<void> second = std::async(std::launch::async, decodeEvery, 1, 2);
        decodeEvery(0, 2);
        second.get();
    } else {
        decodeEvery(0, 1);
    }
    std::vector<LoadedPicture> pictures;
    pictures.reserve(skin.pictures.size());
    for (const NamedPicture &picture : skin.pictures)
        pictures.push_back(decoded[indexOf.value(QString::fromStdString(picture.name))]);
    return pictures;
}
