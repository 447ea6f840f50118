#include "platform/Templates.h"

#include "skin/SkinFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString defaultTemplateFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &candidate :
         {QStringLiteral("templates"), QStringLiteral("../share/velmor/templates")}) {
        if (program.exists(candidate))
            return QDir::cleanPath(program.filePath(candidate));
    }
    return {};
}

QString templateSkin(const QString &folder, std::string_view version)
{
    if (folder.isEmpty())
        return {};
    const QString skin = version == version15 ? QStringLiteral("sonnengelb-15/sonnengelb.lkv")
                                              : QStringLiteral("nachtblau-14/nachtblau.lkv");
    const QString path = QDir(folder).filePath(skin);
    return QFileInfo::exists(path) ? path : QString();
}
