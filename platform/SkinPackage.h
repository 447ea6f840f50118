#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// A skin passed on as one ZIP file: the skin file and exactly the bitmaps it names.

struct PackageResult {
    QString error;     // for the message box, in the user's language; empty on success
    QStringList skins; // unpacking: the skin files in the package, as relative paths
    bool ok() const { return error.isEmpty(); }
};

// Writes the skin file as it is on disk and every bitmap it names into a new ZIP that
// replaces `zipPath` whole. Each file goes in once, under the name it has in the skin's
// folder (a name in another case or with "./" leads to the same entry), so that the
// unpack takes the package back. A named bitmap that is missing, is no regular file,
// lies outside the skin's folder (by its path or through a link), or two files whose
// names differ only in case stop it, as does a target that is one of the package's files.
// The target is looked at before any work: a link or what is no plain file there, a
// folder that is not there, or an existing file without `mayReplace` refuse the pack.
PackageResult packSkin(const QString &skinPath, const QString &zipPath, bool mayReplace = true);

// Unpacks a package into `folder`, which must be new or empty. A package that could
// write outside the folder, or is no honest package (links, names given twice, names no
// file system takes, more than 10 000 entries or 256 MiB, encrypted, packed by a method
// Velmor lacks, damaged), is refused; nothing it held is left behind then, not even the
// folders made for it. Into a kept folder each file is on disk whole before the next is
// written; a temporary folder, which goes with the process, is spared that wait.
enum class UnpackTarget : std::uint8_t { Kept, Temporary };
PackageResult unpackSkin(const QString &zipPath, const QString &folder,
                         UnpackTarget into = UnpackTarget::Kept);

inline constexpr int maxPackageEntries = 10000;
inline constexpr qint64 maxPackageBytes = qint64{256} << 20;
