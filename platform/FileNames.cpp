#include "platform/FileNames.h"

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

QString escaped(QChar c)
{
    switch (c.unicode()) {
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    return c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                               : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
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

QString shownName(const QString &name)
{
    if (name.size() <= shownHead + shownTail + 1)
        return withoutControls(name);
    const QString head = name.left(headEnd(name, shownHead));
    const QString tail = name.mid(tailStart(name, name.size() - shownTail));
    return withoutControls(head) + QChar(0x2026) + withoutControls(tail);
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
