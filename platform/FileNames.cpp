#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringView>

namespace {

// A name longer than this is shown by its start and end; both usually tell it apart
// (a folder at the start, the file at the end).
constexpr qsizetype shownHead = 60;
constexpr qsizetype shownTail = 40;

bool isControl(QChar c)
{
    // The line and paragraph separators end lines in some tools as well.
    return c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029);
}

// A byte of a name that is no UTF-8, kept by fileNameFromBytes.
constexpr char16_t firstForeignByte = 0xdc80;
constexpr char16_t lastForeignByte = 0xdcff;

bool isForeignByte(QStringView text, qsizetype at)
{
    const char16_t c = text.at(at).unicode();
    return c >= firstForeignByte && c <= lastForeignByte &&
           (at == 0 || !text.at(at - 1).isHighSurrogate());
}

// What is written out: controls, bytes that are no text, and (where a backslash can be
// part of a name) a backslash that would otherwise read as the start of such an escape.
bool needsEscape(QStringView text, qsizetype at)
{
    const QChar c = text.at(at);
    if (isControl(c) || isForeignByte(text, at))
        return true;
#ifdef Q_OS_WIN
    // There "\\" separates folders, and no name holds a control: it starts no escape, and
    // paths read as Windows writes them.
    return false;
#endif
    if (c != QLatin1Char('\\') || at + 1 == text.size())
        return false;
    const QChar next = text.at(at + 1);
    return QStringView(u"\\nrtxu").contains(next) || isControl(next) || isForeignByte(text, at + 1);
}

QString escaped(QChar c)
{
    switch (c.unicode()) {
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    case '\\':
        return QStringLiteral("\\\\");
    default:
        break;
    }
    // "\xHH" stands for one byte: a control of ASCII or a byte that is no UTF-8, never
    // a character of Latin-1 that UTF-8 writes with two.
    if (c.unicode() >= firstForeignByte && c.unicode() <= lastForeignByte)
        return QStringLiteral("\\x%1").arg(c.unicode() - 0xdc00, 2, 16, QLatin1Char('0'));
    return c.unicode() < 0x80 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                              : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
}

// How many bytes from `at` make one well-formed UTF-8 character; 0 when the byte there
// starts none (a stray continuation, an overlong form, a surrogate, beyond U+10FFFF).
qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80; // the range of the second byte, which rules out the rest
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf)
            return 0;
    }
    return length;
}

// Never between the two halves of a character outside the basic plane.
qsizetype headEnd(const QString &text, qsizetype at)
{
    return at > 0 && text.at(at - 1).isHighSurrogate() ? at - 1 : at;
}

qsizetype tailStart(const QString &text, qsizetype at)
{
    return at < text.size() && text.at(at).isLowSurrogate() ? at + 1 : at;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0; // of the well-formed bytes not yet decoded
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = utf8SequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(runStart, at - runStart));
        name += QChar(char16_t(0xdc00 + static_cast<unsigned char>(bytes.at(at))));
        runStart = ++at;
    }
    name += QString::fromUtf8(bytes.sliced(runStart));
    return name;
}

QByteArray fileNameBytes(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isForeignByte(name, i))
            continue;
        bytes += name.sliced(runStart, i - runStart).toUtf8();
        bytes += char(name.at(i).unicode() - 0xdc00);
        runStart = i + 1;
    }
    bytes += name.sliced(runStart).toUtf8();
    return bytes;
}

bool holdsForeignBytes(QStringView name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (isForeignByte(name, i))
            return true;
    }
    return false;
}

std::filesystem::path systemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(fileNameBytes(path).toStdString());
#endif
}

QString nameOfSystemPath(const std::filesystem::path &path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return fileNameFromBytes(QByteArrayView(path.native().data(), qsizetype(path.native().size())));
#endif
}

QStringList commandLineArguments(int argc, const char *const *argv)
{
#ifdef Q_OS_WIN
    // Windows hands the line over as UTF-16, which the application object reads.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromBytes(QByteArrayView(argv[i]));
    return arguments;
#endif
}

bool fitsFileSystems(const QString &path)
{
    // Every character takes at least one byte, most file names one each: counting
    // characters first spares the encoding of the usual name.
    if (path.size() > maxPathBytes)
        return false;
    const QByteArray bytes = path.toUtf8();
    if (bytes.size() > maxPathBytes)
        return false;
    qsizetype part = 0;
    for (const char byte : bytes) {
        part = byte == '/' || byte == '\\' ? 0 : part + 1;
        if (part > maxNameBytes)
            return false;
    }
    return true;
}

QString withoutControls(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c))
            shown += escaped(c);
        else
            shown += c;
    }
    return shown;
}

QString escapedText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (needsEscape(text, i))
            shown += escaped(text.at(i));
        else
            shown += text.at(i);
    }
    return shown;
}

QString shownName(const QString &name)
{
    if (name.size() <= shownHead + shownTail + 1)
        return escapedText(name);
    const QString head = name.left(headEnd(name, shownHead));
    const QString tail = name.mid(tailStart(name, name.size() - shownTail));
    return escapedText(head) + QChar(0x2026) + escapedText(tail);
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
