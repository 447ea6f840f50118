#include "platform/BitmapCopy.h"

#include "platform/FileContents.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// "name_2.bmp", "name_3.bmp", ...: the first that is free, or holds the same bytes.
QString freeName(const QDir &folder, const QString &fileName, const QByteArray &bytes)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 2;; ++n) {
        const QString candidate = info.completeBaseName() + QStringLiteral("_%1").arg(n) + suffix;
        const std::optional<QByteArray> there = fileContents(folder.filePath(candidate));
        if (!QFileInfo::exists(folder.filePath(candidate)) || there == bytes)
            return candidate;
    }
}

} // namespace

BitmapCopy copyBitmapInto(const QString &source, const QString &folder, const QString &fileName,
                          const AskReplace &replace)
{
    const QDir target(folder);
    BitmapCopy copy{BitmapCopy::Outcome::InPlace, fileName, target.filePath(fileName)};
    const std::optional<QByteArray> bytes = fileContents(source);
    if (!bytes) {
        copy.outcome = BitmapCopy::Outcome::SourceMissing;
        return copy;
    }
    const QFileInfo there(copy.target);
    if (there.exists()) {
        if (there.canonicalFilePath() == QFileInfo(source).canonicalFilePath() ||
            fileContents(copy.target) == bytes)
            return copy;
        if (!replace(fileName)) {
            copy.fileName = freeName(target, fileName, *bytes);
            copy.target = target.filePath(copy.fileName);
            if (fileContents(copy.target) == bytes)
                return copy;
        }
    }
    copy.outcome =
        writeWhole(copy.target, *bytes) ? BitmapCopy::Outcome::Copied : BitmapCopy::Outcome::Failed;
    return copy;
}
