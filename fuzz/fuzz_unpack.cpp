// Unpacking arbitrary bytes as a skin package. Whatever the package holds, nothing may
// be written outside the target folder; a refused package leaves nothing behind, and
// an accepted one holds a skin.

#include "fuzz/FuzzSupport.h"
#include "platform/SkinPackage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

QStringList everythingUnder(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static ScratchFolder scratch;
    const QString base = QString::fromStdString(scratch.file("run"));
    QDir(base).removeRecursively();
    QDir().mkpath(base);
    const QString zip = base + QStringLiteral("/package.zip");
    QFile file(zip);
    require(file.open(QIODevice::WriteOnly), "the package cannot be written");
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();

    const QString target = base + QStringLiteral("/target");
    const PackageResult result = unpackSkin(zip, target);
    for (const QString &path : everythingUnder(base)) {
        require(path == zip || path == target || path.startsWith(target + QLatin1Char('/')),
                "something was written outside the target folder");
        require(!QFileInfo(path).isSymLink(), "a link was unpacked");
    }
    if (result.ok())
        require(!result.skins.isEmpty(), "an accepted package without a skin");
    else
        require(!QFileInfo::exists(target), "a refused package left its folder");
    return 0;
}
