#include "platform/UnpackedPackage.h"

#include <QDir>

bool isPackagePath(const QString &path)
{
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

UnpackedPackage::UnpackedPackage(const QString &zipPath)
{
    if (!work_.isValid()) {
        error_ = work_.error();
        return;
    }
    folder_ = work_.filePath(QStringLiteral("package"));
    const TempWorkWriting writing;
    const PackageResult result = unpackSkin(zipPath, folder_, UnpackTarget::Temporary);
    error_ = result.error;
    skins_ = result.skins;
}

QString UnpackedPackage::filePath(const QString &skin) const
{
    return QDir(folder_).filePath(skin);
}
