#include "platform/DifferenceText.h"

#include "platform/FileNames.h"
#include "platform/ProblemText.h"

#include <QCoreApplication>

namespace {

// A name from the skin or the disk, which may hold anything.
QString name(std::string_view utf8)
{
    return shownName(fileNameFromBytes(utf8));
}

QString place(const Rect &rect)
{
    return QStringLiteral("%1, %2").arg(rect.left).arg(rect.top);
}

QString size(const Rect &rect)
{
    return QStringLiteral("%1 × %2").arg(rect.width).arg(rect.height);
}

QString bitmapMessage(const SkinDifference &difference)
{
    const QString subject = keyName(difference.element, difference.section, difference.key);
    const QString now = quotedName(difference.newText);
    const QString old = quotedName(difference.oldText);
    switch (difference.kind) {
    case DifferenceKind::GraphicFile:
    case DifferenceKind::StateFile:
        return QCoreApplication::translate("DifferenceText", "%1: nennt %2 statt %3.")
            .arg(subject, now, old);
    case DifferenceKind::GraphicPixels:
    case DifferenceKind::StatePixels:
        return QCoreApplication::translate("DifferenceText", "%1: andere Pixel in %2.")
            .arg(subject, now);
    case DifferenceKind::MissingInA:
        return QCoreApplication::translate("DifferenceText", "%1: Die Datei %2 fehlt in A.")
            .arg(subject, old);
    case DifferenceKind::MissingInB:
        return QCoreApplication::translate("DifferenceText", "%1: Die Datei %2 fehlt in B.")
            .arg(subject, now);
    default:
        return QCoreApplication::translate("DifferenceText",
                                           "%1: nennt %2 statt %3, mit anderen Pixeln.")
            .arg(subject, now, old);
    }
}

} // namespace

QString differenceMessage(const SkinDifference &difference)
{
    switch (difference.kind) {
    case DifferenceKind::Version:
        return QCoreApplication::translate("DifferenceText", "Die Version ist %1 statt %2.")
            .arg(name(difference.newText), name(difference.oldText));
    case DifferenceKind::Name:
        return QCoreApplication::translate("DifferenceText", "Der Skin-Name ist %1 statt %2.")
            .arg(quotedName(difference.newText), quotedName(difference.oldText));
    case DifferenceKind::SectionOnlyInA:
        return QCoreApplication::translate("DifferenceText", "Der Abschnitt [%1] steht nur in A.")
            .arg(name(difference.section));
    case DifferenceKind::SectionOnlyInB:
        return QCoreApplication::translate("DifferenceText", "Der Abschnitt [%1] steht nur in B.")
            .arg(name(difference.section));
    case DifferenceKind::Moved:
        return QCoreApplication::translate("DifferenceText", "%1 ist verschoben: von %2 nach %3.")
            .arg(elementName(*difference.element), place(difference.oldPlace),
                 place(difference.newPlace));
    case DifferenceKind::Resized:
        return QCoreApplication::translate("DifferenceText",
                                           "%1 hat eine andere Größe: %2 statt %3.")
            .arg(elementName(*difference.element), size(difference.newPlace),
                 size(difference.oldPlace));
    default:
        return bitmapMessage(difference);
    }
}
