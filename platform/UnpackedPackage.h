#pragma once

#include "platform/SkinPackage.h"
#include "platform/TempWorkFolder.h"

#include <QString>
#include <QStringList>

// Whether a path names a skin package rather than a skin file: the program goes by the
// name, as the file dialogs do.
bool isPackagePath(const QString &path);

// A skin package unpacked into a temporary work folder, for work that only reads it; nothing of
// it stays when the object goes.
class UnpackedPackage {
public:
    explicit UnpackedPackage(const QString &zipPath);

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; } // for the user, naming the package
    QStringList skins() const { return skins_; }
    // Where a skin of the package lies now.
    QString filePath(const QString &skin) const;

private:
    TempWorkFolder work_;
    QString folder_;
    QString error_;
    QStringList skins_;
};
