#include "platform/BitmapCopy.h"

#include "platform/FileContents.h"
#include "platform/FileWrites.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

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
    BitmapCopy copy{BitmapCopy::Outcome::InPlace, fileName, target.filePath(fileName), {}};
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
    copy.failure = writeNewFile(copy.target, *bytes, true);
    copy.outcome =
        copy.failure.isEmpty() ? BitmapCopy::Outcome::Copied : BitmapCopy::Outcome::Failed;
    return copy;
}
