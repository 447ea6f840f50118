// Packing a skin whose bitmap names lead anywhere: in other cases, through "./", "..",
// backslashes, links inside and outside its folder, to two files that differ only in
// case. What the pack writes, the unpack must take back whole: the skin byte for byte,
// and every name the skin gives leading to the same bytes as before. What it refuses, it
// says why and writes nothing.

#include "fuzz/FuzzSupport.h"
#include "platform/FileContents.h"
#include "platform/PictureLoader.h"
#include "platform/SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <map>
#include <optional>

namespace {

// The files the skin's folder may hold; the fuzzer decides which are there.
const std::vector<std::string> &fileNames()
{
    static const std::vector<std::string> names{"bg.bmp",    "BG.bmp",    "Sub/x.bmp",
                                                "sub/y.bmp", "sub/Z.BMP", "deep/er/w.bmp"};
    return names;
}

// How a name may start before it reaches a file: most lead back into the folder, some
// out of it or through a link.
const std::vector<std::string> &detours()
{
    static const std::vector<std::string> starts{
        "./",       "sub/../",        "SUB/../",  "empty/../",    "Empty\\..\\",
        "link/../", "deep/er/../../", "../skin/", "out/../skin/", "sub/./"};
    return starts;
}

// Files a name may end at, besides those the folder may hold.
const std::vector<std::string> &ends()
{
    static const std::vector<std::string> names{"alias.bmp", "outside.bmp", "out/outside.bmp",
                                                "link/y.bmp", "LINK/Y.BMP"};
    return names;
}

const QByteArray &templateSkin()
{
    static const QByteArray text = [] {
        QFile file(QStringLiteral(VELMOR_SOURCE_DIR "/examples/nachtblau-14/nachtblau.lkv"));
        require(file.open(QIODevice::ReadOnly), "the demo skin cannot be read");
        return file.readAll();
    }();
    return text;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    require(file.open(QIODevice::WriteOnly), "a file of the skin cannot be written");
    file.write(bytes);
}

std::string nameFrom(FuzzedDataProvider &input)
{
    std::string name = input.ConsumeBool() ? std::string() : pick(input, detours());
    name += input.ConsumeBool() ? pick(input, fileNames()) : pick(input, ends());
    // Skins come from file systems that ignore case, and from Windows.
    for (char &c : name) {
        if (c == '/' && input.ConsumeProbability<float>() < 0.3f)
            c = '\\';
        else if (std::isalpha(static_cast<unsigned char>(c)) &&
                 input.ConsumeProbability<float>() < 0.1f)
            c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c)
                                                                              : std::toupper(c));
    }
    return name;
}

// The demo skin with every bitmap key naming "base.bmp", which is always there, but for a
// few that name what the input says; those names.
QByteArray skinText(FuzzedDataProvider &input, std::vector<std::string> &names)
{
    QList<QByteArray> lines = templateSkin().split('\n');
    std::vector<qsizetype> bitmapLines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("bitmap") && lines[i].contains('='))
            bitmapLines.push_back(i);
    }
    std::map<qsizetype, std::string> renamed;
    const int count = input.ConsumeIntegralInRange(1, 8);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, bitmapLines.size() - 1);
        renamed[bitmapLines[at]] = nameFrom(input);
    }
    for (const qsizetype at : bitmapLines) {
        const auto name = renamed.find(at);
        const std::string value = name == renamed.end() ? "base.bmp" : name->second;
        if (name != renamed.end())
            names.push_back(value);
        QByteArray &line = lines[at];
        line = line.left(line.indexOf('=') + 1) + ' ' + QByteArray::fromStdString(value) + '\r';
    }
    return lines.join('\n');
}

void makeFolder(FuzzedDataProvider &input, const QString &base, const QString &folder)
{
    for (const std::string &name : fileNames()) {
        if (input.ConsumeProbability<float>() < 0.8f)
            writeFile(folder + '/' + QString::fromStdString(name),
                      QByteArray::fromStdString(name + input.ConsumeRandomLengthString(16)));
    }
    writeFile(folder + QStringLiteral("/base.bmp"), "base");
    QDir(folder).mkdir(QStringLiteral("empty"));
    writeFile(base + QStringLiteral("/outside/outside.bmp"), "outside");
    if (input.ConsumeBool())
        QFile::link(base + QStringLiteral("/outside"), folder + QStringLiteral("/out"));
    if (input.ConsumeBool())
        QFile::link(folder + QStringLiteral("/sub"), folder + QStringLiteral("/link"));
    if (input.ConsumeBool())
        QFile::link(folder + QStringLiteral("/bg.bmp"), folder + QStringLiteral("/alias.bmp"));
    if (input.ConsumeBool())
        QFile::link(base + QStringLiteral("/outside/outside.bmp"),
                    folder + QStringLiteral("/outside.bmp"));
}

std::optional<QByteArray> bytesBehind(const std::string &name, const QString &folder)
{
    return fileContents(resolvePicturePath(QString::fromStdString(name), folder));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static ScratchFolder scratch;
    const QString base = QString::fromStdString(scratch.file("run"));
    QDir(base).removeRecursively();
    const QString folder = base + QStringLiteral("/skin");
    QDir().mkpath(folder);

    FuzzedDataProvider input(data, size);
    makeFolder(input, base, folder);
    std::vector<std::string> names;
    const QString skin = folder + QStringLiteral("/skin.lkv");
    writeFile(skin, skinText(input, names));

    const QString zip = base + QStringLiteral("/skin.zip");
    const PackageResult packed = packSkin(skin, zip);
    if (!packed.ok()) {
        require(!QFileInfo::exists(zip), "a refused pack wrote its package");
        return 0;
    }
    const QString unpacked = base + QStringLiteral("/unpacked");
    const PackageResult result = unpackSkin(zip, unpacked);
    require(result.ok(), "the unpack refuses what the pack wrote");
    require(result.skins == QStringList{QStringLiteral("skin.lkv")}, "the skin went astray");
    require(fileContents(unpacked + QStringLiteral("/skin.lkv")) == fileContents(skin),
            "the skin came back changed");
    for (const std::string &name : names) {
        const std::optional<QByteArray> before = bytesBehind(name, folder);
        require(before.has_value(), "a name that leads nowhere was packed");
        require(bytesBehind(name, unpacked) == before, "a name leads elsewhere after the unpack");
    }
    return 0;
}
