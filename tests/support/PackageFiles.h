#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <functional>
#include <zip.h>

// Files and packages for the tests of skin packages.

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under the folder, relative to it, sorted.
inline QStringList filesUnder(const QString &folder)
{
    QStringList files;
    const QDir root(folder);
    std::function<void(const QString &)> walk = [&](const QString &path) {
        const QDir dir(path);
        for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                        QDir::Hidden | QDir::System)) {
            if (entry.isDir() && !entry.isSymLink())
                walk(entry.filePath());
            else
                files << root.relativeFilePath(entry.filePath());
        }
    };
    walk(folder);
    files.sort();
    return files;
}

// Every file and folder under the folder, relative to it, sorted: what a refused package
// must not leave.
inline QStringList entriesUnder(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

// Writes a package the way a hostile or careless program might.
class PackageWriter {
public:
    explicit PackageWriter(const QString &path)
    {
        int error = 0;
        archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    }
    zip_int64_t add(const QByteArray &name, const QByteArray &bytes)
    {
        buffers_.append(bytes);
        zip_source_t *source =
            zip_source_buffer(archive_, buffers_.back().constData(), buffers_.back().size(), 0);
        return zip_file_add(archive_, name.constData(), source, ZIP_FL_ENC_UTF_8);
    }
    void makeLink(zip_int64_t index)
    {
        zip_file_set_external_attributes(archive_, index, 0, ZIP_OPSYS_UNIX, 0120777u << 16);
    }
    void encrypt(zip_int64_t index)
    {
        zip_file_set_encryption(archive_, index, ZIP_EM_AES_256, "geheim");
    }
    // Stored as it is, so that its bytes can be found in the package.
    void store(zip_int64_t index) { zip_set_file_compression(archive_, index, ZIP_CM_STORE, 0); }
    bool close() { return zip_close(archive_) == 0; }

private:
    zip_t *archive_ = nullptr;
    QList<QByteArray> buffers_;
};
