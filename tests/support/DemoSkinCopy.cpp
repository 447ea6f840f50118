#include "tests/support/DemoSkinCopy.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

QString keyOf(const QString &line)
{
    return line.section(QLatin1Char('='), 0, 0).trimmed();
}

} // namespace

DemoSkinCopy::DemoSkinCopy(const QString &demo, const QString &folder) : folder_(folder)
{
    QDir().mkpath(folder);
    const QDir from(demoFolder(demo));
    for (const QString &name : from.entryList(QDir::Files)) {
        QFile::copy(from.filePath(name), QDir(folder).filePath(name));
        if (name.endsWith(QLatin1String(".lkv")))
            path_ = QDir(folder).filePath(name);
    }
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        lines_ = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

QString DemoSkinCopy::demoFolder(const QString &demo)
{
    return QStringLiteral(VELMOR_SOURCE_DIR "/examples/") + demo;
}

int DemoSkinCopy::lineOf(const QString &section, const QString &key) const
{
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    const qsizetype start = lines_.indexOf(header);
    if (start < 0)
        return 0;
    if (key.isEmpty())
        return int(start) + 1;
    for (qsizetype i = start + 1; i < lines_.size() && !lines_[i].startsWith(QLatin1Char('['));
         ++i) {
        if (keyOf(lines_[i]) == key)
            return int(i) + 1;
    }
    return 0;
}

int DemoSkinCopy::setKey(const QString &section, const QString &key, const QString &value)
{
    return replaceLine(lineOf(section, key), key + QLatin1Char('=') + value);
}

int DemoSkinCopy::removeKey(const QString &section, const QString &key)
{
    lines_.removeAt(lineOf(section, key) - 1);
    save();
    return lineOf(section);
}

int DemoSkinCopy::replaceLine(int line, const QString &text)
{
    lines_[line - 1] = text;
    save();
    return line;
}

int DemoSkinCopy::appendLines(const QStringList &lines)
{
    const int first = int(lines_.size()) + 1;
    lines_ += lines;
    save();
    return first;
}

void DemoSkinCopy::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(QDir(folder_).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void DemoSkinCopy::writeBitmap(const QString &name, int width, int height) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(QDir(folder_).filePath(name), "BMP");
}

void DemoSkinCopy::save() const
{
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(lines_.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}
