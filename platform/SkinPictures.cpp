#include "platform/SkinPictures.h"

#include "platform/FileNames.h"
#include "skin/SkinLoad.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <future>
#include <thread>
#include <utility>

namespace {

constexpr qint64 mebibyte = 1 << 20;
constexpr qint64 bytesPerPixel = 4; // every picture is shown with 32-bit pixels
constexpr int namedAtMost = 5;

struct Wanted {
    QString name;
    QSize kept;            // empty: the whole picture
    QSize declared;        // by the file's header
    qint64 fullBytes = 0;  // the picture decoded whole
    qint64 shownBytes = 0; // what is kept of it
};

// Of several uses the larger part counts; a use that shows all of it keeps all of it.
QSize united(QSize a, QSize b)
{
    return a.isEmpty() || b.isEmpty() ? QSize() : a.expandedTo(b);
}

void measure(Wanted &wanted, const QString &folder)
{
    wanted.declared = declaredPictureSize(wanted.name, folder);
    // A picture that does not decode holds nothing.
    if (wanted.declared.isEmpty())
        return;
    const QSize shown =
        wanted.kept.isEmpty() ? wanted.declared : wanted.declared.boundedTo(wanted.kept);
    wanted.fullBytes = qint64{wanted.declared.width()} * wanted.declared.height() * bytesPerPixel;
    wanted.shownBytes = qint64{shown.width()} * shown.height() * bytesPerPixel;
}

QString mebibytes(qint64 bytes)
{
    return QString::number((bytes + mebibyte - 1) / mebibyte);
}

// The largest pictures by name, for the user to know which to make smaller.
QString overBudgetMessage(std::vector<Wanted> wanted, qint64 total)
{
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const Wanted &a, const Wanted &b) { return a.shownBytes > b.shownBytes; });
    QStringList files;
    for (std::size_t i = 0; i < wanted.size() && files.size() < namedAtMost; ++i)
        files << QCoreApplication::translate("SkinPictures", "„%1“ (%2 MiB)")
                     .arg(shownName(wanted[i].name), mebibytes(wanted[i].shownBytes));
    const auto more = static_cast<int>(wanted.size()) - namedAtMost;
    if (more > 0)
        files << QCoreApplication::translate("SkinPictures", "%n weitere", nullptr, more);
    return QCoreApplication::translate(
               "SkinPictures",
               "Die Bilder des Skins brauchen %1 MiB Speicher, mehr als die %2 MiB, die Velmor "
               "für die Bilder eines Skins bereithält. Die größten sind: %3.")
        .arg(mebibytes(total), QString::number(pictureBudgetMiB), files.join(QStringLiteral(", ")));
}

// The bitmaps are files of their own: a second thread takes every other one, which
// nearly halves the wait of an open on a machine with two cores.
template <typename Each> void everyOneOnTwoThreads(std::size_t count, bool twoAllowed, Each each)
{
    const auto every = [count, &each](std::size_t first, std::size_t stride) {
        for (std::size_t i = first; i < count; i += stride)
            each(i);
    };
    if (twoAllowed && std::thread::hardware_concurrency() > 1 && count > 1) {
        std::future<void> second = std::async(std::launch::async, every, 1, 2);
        every(0, 2);
        second.get();
    } else {
        every(0, 1);
    }
}

} // namespace

DecodedPictures decodePictures(const LoadedSkin &skin, const ShownPart &shown)
{
    const QString folder = QString::fromStdString(skin.document.skinFolder);
    QHash<QString, std::size_t> indexOf;
    std::vector<Wanted> wanted;
    for (const NamedPicture &picture : skin.pictures) {
        const QString name = QString::fromStdString(picture.name);
        const QSize kept = shown ? shown(picture) : QSize();
        const auto found = indexOf.constFind(name);
        if (found == indexOf.cend()) {
            indexOf.insert(name, wanted.size());
            wanted.push_back({name, kept, {}, 0, 0});
        } else {
            wanted[*found].kept = united(wanted[*found].kept, kept);
        }
    }
    everyOneOnTwoThreads(wanted.size(), true, [&](std::size_t i) { measure(wanted[i], folder); });
    qint64 shownTotal = 0;
    qint64 fullTotal = 0;
    for (const Wanted &picture : wanted) {
        shownTotal += picture.shownBytes;
        fullTotal += picture.fullBytes;
    }
    if (shownTotal > pictureBudgetMiB * mebibyte)
        return {{}, overBudgetMessage(std::move(wanted), shownTotal)};

    // Pictures that are large whole are decoded one at a time, so that only one of them
    // is ever whole.
    std::vector<LoadedPicture> decoded(wanted.size());
    everyOneOnTwoThreads(
        wanted.size(), fullTotal <= pictureBudgetMiB * mebibyte, [&](std::size_t i) {
            decoded[i] = loadPicture(wanted[i].name, folder, PictureUse::Screen, wanted[i].kept);
        });
    DecodedPictures pictures;
    pictures.pictures.reserve(skin.pictures.size());
    for (const NamedPicture &picture : skin.pictures)
        pictures.pictures.push_back(decoded[indexOf.value(QString::fromStdString(picture.name))]);
    return pictures;
}
