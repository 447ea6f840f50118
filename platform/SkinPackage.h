#pragma once

#include <QString>
#include <QStringList>

// A skin passed on as one ZIP file: the skin file and exactly the bitmaps it names.

struct PackageResult {
    QString error;     // for the message box, in the user's language; empty on success
    QStringList skins; // unpacking: the skin files in the package, as relative paths
    bool ok() const { return error.isEmpty(); }
};

// Writes the skin file as it is on disk and every bitmap it names, each once and under
// the name the skin uses, into a new ZIP that replaces `zipPath` whole. A named bitmap
// that is missing, or one named by a complete path, stops it.
PackageResult packSkin(const QString &skinPath, const QString &zipPath);

// Unpacks a package into `folder`, which must be new or empty. A package that could
// write outside the folder, or is no honest package (links, names given twice, more
// than 10 000 entries or 256 MiB, encrypted, damaged), is refused; nothing it held is
// left behind then.
PackageResult unpackSkin(const QString &zipPath, const QString &folder);

inline constexpr int maxPackageEntries = 10000;
inline constexpr qint64 maxPackageBytes = qint64{256} << 20;
