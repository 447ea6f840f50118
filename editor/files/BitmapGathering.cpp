#include "editor/files/BitmapGathering.h"

#include "editor/document/EditorDocument.h"
#include "platform/PictureLoader.h"
#include "skin/SkinFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

class Gatherer {
public:
    Gatherer(EditorDocument &document, const QString &folder, const AskReplace &replace)
        : document_(document), folder_(QDir::cleanPath(folder)),
          canonicalFolder_(QFileInfo(folder_).canonicalFilePath()), replace_(replace),
          oldFolder_(QString::fromStdString(document.skin().skinFolder))
    {}

    // Where the document names the bitmap from now on: its copy in the folder, or ""
    // when the name stays as it is (the file is beside the skin already, or missing);
    // nothing when the gathering has to stop.
    std::optional<QString> bring(const std::string &name, const QString &relativeTo)
    {
        const QString source =
            QFileInfo(resolvePicturePath(QString::fromStdString(name), relativeTo))
                .absoluteFilePath();
        // A bitmap beside the skin stays as it is, even when the skin spells its name
        // in another case.
        if (QFileInfo(source).exists() && QFileInfo(source).canonicalPath() == canonicalFolder_)
            return QString();
        const QString fileName = QString::fromStdString(bareFileName(name));
        const QString key = source + QLatin1Char('\n') + fileName;
        auto done = copies_.constFind(key);
        if (done == copies_.constEnd())
            done = copies_.insert(key, copyBitmapInto(source, folder_, fileName, replace_));
        switch (done->outcome) {
        case BitmapCopy::Outcome::InPlace:
        case BitmapCopy::Outcome::Copied:
            return QFileInfo(done->target) == QFileInfo(source) ? QString() : done->target;
        case BitmapCopy::Outcome::SourceMissing:
            if (!result.missing.contains(QString::fromStdString(name)))
                result.missing << QString::fromStdString(name);
            return QString();
        case BitmapCopy::Outcome::Failed:
            break;
        }
        result.ok = false;
        result.failure = done->failure;
        return std::nullopt;
    }

    bool graphics()
    {
        for (std::size_t g = 0; g < graphicCount; ++g) {
            const std::string name = document_.skin().graphicPaths[g];
            const std::optional<QString> copy = bring(name, oldFolder_);
            if (!copy)
                return false;
            if (!copy->isEmpty())
                document_.outsideChanges().graphicGathered(static_cast<Graphic>(g),
                                                           copy->toStdString());
        }
        return true;
    }

    bool states(const SkinElement &element)
    {
        const CatalogueEntry &entry = *element.entry;
        for (StateBitmap state : allStates) {
            if (!entry.hasState(state))
                continue;
            const std::string path = element.statePath(state);
            const std::optional<QString> copy = bring(path, {});
            if (!copy)
                return false;
            if (copy->isEmpty())
                continue;
            // The file names it by the new name only once its keys are written.
            const bool renamed =
                QFileInfo(*copy).fileName() != QString::fromStdString(namedInFile(path));
            document_.outsideChanges().stateBitmapGathered(entry, state, copy->toStdString(),
                                                           renamed);
        }
        return true;
    }

    Gathering result;

private:
    // A state path is the old folder joined with the name the file gives.
    std::string namedInFile(const std::string &path) const
    {
        const std::string folder = oldFolder_.toStdString();
        return path.starts_with(folder) ? path.substr(folder.size()) : path;
    }

    EditorDocument &document_;
    QString folder_;
    QString canonicalFolder_;
    const AskReplace &replace_;
    QString oldFolder_;
    QHash<QString, BitmapCopy> copies_;
};

} // namespace

Gathering gatherBitmaps(EditorDocument &document, const QString &folder, bool everyBitmap,
                        const AskReplace &replace)
{
    Gatherer gatherer(document, folder, replace);
    if (!gatherer.graphics())
        return gatherer.result;
    const SkinDocument &skin = document.skin();
    const SaveDue due = document.due();
    for (const SkinElement &element : skin.elements) {
        const bool written = everyBitmap || due.has(*element.entry);
        if (written && existsIn(*element.entry, skin.targetVersion) && !gatherer.states(element))
            break;
    }
    return gatherer.result;
}
