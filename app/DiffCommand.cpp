#include "app/DiffCommand.h"

#include "app/JsonText.h"
#include "platform/DifferenceText.h"
#include "platform/FileNames.h"
#include "platform/SkinComparison.h"

#include <QStringList>
#include <QTextStream>

namespace {

QString kindWord(DifferenceKind kind)
{
    return QString::fromLatin1(kindName(kind));
}

// One line per difference, whatever the names in it hold: a line break in a name would
// forge a difference of its own for the scripts that read the lines.
void printDifference(const QString &pathB, const SkinDifference &difference, QTextStream &out)
{
    out << escapedText(shownPath(pathB));
    if (difference.line > 0)
        out << ':' << difference.line;
    out << ": " << withoutControls(differenceMessage(difference)) << " ["
        << kindWord(difference.kind) << "]\n";
}

QString jsonRect(const Rect &rect)
{
    return QStringLiteral("{\"left\": %1, \"top\": %2, \"width\": %3, \"height\": %4}")
        .arg(rect.left)
        .arg(rect.top)
        .arg(rect.width)
        .arg(rect.height);
}

// What one side holds of the difference: a place and size, a file, a name or a version.
QString jsonSide(const SkinDifference &difference, const Rect &place, const std::string &text)
{
    switch (difference.kind) {
    case DifferenceKind::SectionOnlyInA:
    case DifferenceKind::SectionOnlyInB:
        return QStringLiteral("null");
    case DifferenceKind::Moved:
    case DifferenceKind::Resized:
        return jsonRect(place);
    case DifferenceKind::Version:
        return QStringLiteral("{\"version\": ") + jsonText(text) + QLatin1Char('}');
    case DifferenceKind::Name:
        return QStringLiteral("{\"name\": ") + jsonText(text) + QLatin1Char('}');
    default:
        return QStringLiteral("{\"file\": ") + jsonText(text) + QLatin1Char('}');
    }
}

QString jsonDifference(const SkinDifference &difference)
{
    const QStringList fields{
        QStringLiteral("\"kind\": ") + jsonText(kindWord(difference.kind)),
        QStringLiteral("\"message\": ") + jsonText(differenceMessage(difference)),
        QStringLiteral("\"element\": ") +
            jsonNumber(difference.element ? difference.element->number : 0),
        QStringLiteral("\"section\": ") + jsonText(difference.section),
        QStringLiteral("\"key\": ") + jsonText(difference.key),
        QStringLiteral("\"old\": ") + jsonSide(difference, difference.oldPlace, difference.oldText),
        QStringLiteral("\"new\": ") + jsonSide(difference, difference.newPlace, difference.newText),
        QStringLiteral("\"line\": ") + jsonNumber(difference.line),
    };
    return QStringLiteral("{") + fields.join(QStringLiteral(", ")) + QStringLiteral("}");
}

QString jsonList(const std::vector<SkinDifference> &differences)
{
    QStringList items;
    for (const SkinDifference &difference : differences)
        items << QStringLiteral("    ") + jsonDifference(difference);
    return items.isEmpty() ? QStringLiteral("[]")
                           : QStringLiteral("[\n") + items.join(QStringLiteral(",\n")) +
                                 QStringLiteral("\n  ]");
}

// A comparison that could not be made still gives a document: the reason, and null
// for the differences, which no script can take for "none".
void printJson(const QString &a, const QString &b, const SkinComparison &comparison,
               QTextStream &out)
{
    // Concatenated, not filled in with arg(): a path may itself hold "%1".
    out << "{\"a\": " << jsonText(shownPath(a)) << ", \"b\": " << jsonText(shownPath(b));
    if (comparison.ok())
        out << ",\n  \"differences\": " << jsonList(comparison.differences) << "}\n";
    else
        out << ",\n  \"error\": " << jsonText(comparison.error) << ",\n  \"differences\": null}\n";
}

} // namespace

int runDiff(const QString &a, const QString &b, bool json, QTextStream &out, QTextStream &err)
{
    const SkinComparison comparison = compareSkinFiles(a, b);
    if (json)
        printJson(a, b, comparison, out);
    if (!comparison.ok()) {
        err << "velmor: " << withoutControls(comparison.error) << '\n';
        return 2;
    }
    if (!json) {
        for (const SkinDifference &difference : comparison.differences)
            printDifference(b, difference, out);
    }
    return comparison.differences.empty() ? 0 : 1;
}
