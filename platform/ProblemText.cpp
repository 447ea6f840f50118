#include "platform/ProblemText.h"

#include "platform/FileNames.h"
#include "platform/PictureLoader.h"

#include <QCoreApplication>

namespace {

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// A name from the skin or the disk, which may hold anything, bytes that are no UTF-8
// included.
QString name(std::string_view bytes)
{
    return shownName(fileNameFromBytes(bytes));
}

QString pixels(PixelSize size)
{
    return QStringLiteral("%1 × %2").arg(size.width).arg(size.height);
}

QString subjectOf(const SkinProblem &problem)
{
    return keyName(problem.element, problem.section, problem.key);
}

QString sectionMessage(const SkinProblem &problem)
{
    const QString section = name(problem.section);
    switch (problem.code) {
    case ProblemCode::BadPackage:
        return text(problem.detail);
    case ProblemCode::UnreadableSkin:
        if (!problem.detail.empty())
            return QCoreApplication::translate("ProblemText",
                                               "Die Datei kann nicht gelesen werden: %1.")
                .arg(text(problem.detail));
        return QCoreApplication::translate("ProblemText", "Die Datei kann nicht gelesen werden.");
    case ProblemCode::NotASkin:
        return QCoreApplication::translate(
            "ProblemText", "Die Datei ist kein Skin: Abschnitte, die der Player braucht, "
                           "fehlen oder sind leer.");
    case ProblemCode::MissingSection:
        return problem.line == 0
                   ? QCoreApplication::translate("ProblemText", "Der Abschnitt [%1] fehlt.")
                         .arg(section)
                   : QCoreApplication::translate("ProblemText",
                                                 "Der Abschnitt [%1] enthält keinen Schlüssel.")
                         .arg(section);
    case ProblemCode::SectionTypo:
        return QCoreApplication::translate(
                   "ProblemText", "Der Abschnitt [%1] ist unbekannt; gemeint ist wohl [%2].")
            .arg(section, text(problem.detail));
    case ProblemCode::DuplicateSection:
        return QCoreApplication::translate(
                   "ProblemText", "Der Abschnitt [%1] steht ein weiteres Mal in der Datei; der "
                                  "Player liest nur den ersten.")
            .arg(section);
    default:
        return {};
    }
}

QString bitmapMessage(const SkinProblem &problem)
{
    const QString subject = subjectOf(problem);
    const QString file = quotedName(problem.file);
    switch (problem.code) {
    case ProblemCode::MissingKey:
        return QCoreApplication::translate(
                   "ProblemText", "%1: Der Schlüssel fehlt; gelesen wird der Dateiname „0“.")
            .arg(subject);
    case ProblemCode::MissingFile:
        if (!problem.detail.empty())
            return QCoreApplication::translate("ProblemText", "%1: Die Datei %2 gibt es nicht: %3.")
                .arg(subject, file, text(problem.detail));
        return QCoreApplication::translate("ProblemText", "%1: Die Datei %2 gibt es nicht.")
            .arg(subject, file);
    case ProblemCode::UnreadableFile:
        if (!problem.detail.empty())
            return QCoreApplication::translate("ProblemText",
                                               "%1: Die Datei %2 kann nicht geöffnet werden: %3.")
                .arg(subject, file, text(problem.detail));
        return QCoreApplication::translate("ProblemText",
                                           "%1: Die Datei %2 kann nicht geöffnet werden.")
            .arg(subject, file);
    case ProblemCode::UnknownExtension:
        return QCoreApplication::translate(
                   "ProblemText", "%1: %2 hat eine unbekannte Bilddateierweiterung (.%3); erwartet "
                                  "wird .bmp.")
            .arg(subject, file, name(problem.detail));
    case ProblemCode::InvalidBitmap:
        if (!problem.detail.empty())
            return QCoreApplication::translate("ProblemText",
                                               "%1: %2 ist keine gültige Bitmap: %3.")
                .arg(subject, file, text(problem.detail));
        return QCoreApplication::translate("ProblemText", "%1: %2 ist keine gültige Bitmap.")
            .arg(subject, file);
    case ProblemCode::BitmapTooLarge:
        return QCoreApplication::translate(
                   "ProblemText", "%1: %2 ist zu groß (%3 Pixel, erlaubt sind höchstens %4 × %4).")
            .arg(subject, file, pixels(problem.size), QString::number(maxPictureSide));
    case ProblemCode::CaseMismatch:
        return QCoreApplication::translate(
                   "ProblemText", "%1: %2 gibt es nur als %3; wo Groß- und Kleinschreibung zählen, "
                                  "fehlt die Datei.")
            .arg(subject, file, quotedName(problem.detail));
    case ProblemCode::StateSizeDiffers:
        return QCoreApplication::translate("ProblemText",
                                           "%1: %2 ist %3 Pixel groß, die Bitmap von bitmap_up %4.")
            .arg(subject, file, pixels(problem.size), pixels(problem.expected));
    case ProblemCode::SameStateBitmap:
        return QCoreApplication::translate(
                   "ProblemText", "%1: %2 zeigt dieselben Pixel wie die Bitmap von bitmap_up; im "
                                  "Player wirkt das Element, als reagiere es nicht.")
            .arg(subject, file);
    default:
        return {};
    }
}

QString layoutMessage(const SkinProblem &problem)
{
    const QString element = elementName(*problem.element);
    const QString page = problem.page ? pageName(*problem.page) : QString();
    switch (problem.code) {
    case ProblemCode::BitmapSizeDiffers:
        return QCoreApplication::translate("ProblemText",
                                           "%1: Die Bitmap %2 ist %3 Pixel groß, das Element %4.")
            .arg(element, quotedName(problem.file), pixels(problem.size), pixels(problem.expected));
    case ProblemCode::OutsidePage:
        return QCoreApplication::translate(
                   "ProblemText",
                   "%1 liegt nicht ganz auf dem Hintergrund der Seite „%2“ (%3 Pixel).")
            .arg(element, page, pixels(problem.size));
    case ProblemCode::CoveredByList:
        return QCoreApplication::translate("ProblemText",
                                           "%1 liegt teilweise unter der Liste der Seite „%2“.")
            .arg(element, page);
    case ProblemCode::Overlap:
        return QCoreApplication::translate("ProblemText",
                                           "%1 und %2 überlappen sich auf der Seite „%3“.")
            .arg(element, elementName(*problem.otherElement), page);
    default:
        return {};
    }
}

} // namespace

QString problemMessage(const SkinProblem &problem)
{
    switch (problem.code) {
    case ProblemCode::BadPackage:
    case ProblemCode::UnreadableSkin:
    case ProblemCode::NotASkin:
    case ProblemCode::MissingSection:
    case ProblemCode::SectionTypo:
    case ProblemCode::DuplicateSection:
        return sectionMessage(problem);
    case ProblemCode::BitmapSizeDiffers:
    case ProblemCode::OutsidePage:
    case ProblemCode::CoveredByList:
    case ProblemCode::Overlap:
        return layoutMessage(problem);
    case ProblemCode::UnusedBitmap:
        return QCoreApplication::translate(
                   "ProblemText", "Die Bitmap %1 liegt beim Skin, aber kein Schlüssel nennt sie.")
            .arg(quotedName(problem.file));
    default:
        return bitmapMessage(problem);
    }
}

namespace {

const char *summaryOf(ProblemCode code)
{
    switch (code) {
    case ProblemCode::BadPackage:
        return QT_TRANSLATE_NOOP("ProblemCode", "Das Skin-Paket kann nicht gelesen werden.");
    case ProblemCode::UnreadableSkin:
        return QT_TRANSLATE_NOOP("ProblemCode", "Die Skin-Datei kann nicht gelesen werden.");
    case ProblemCode::NotASkin:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Abschnitte, die der Player braucht, fehlen oder sind leer.");
    case ProblemCode::MissingSection:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Ein Abschnitt, den der Player braucht, fehlt oder ist leer.");
    case ProblemCode::SectionTypo:
        return QT_TRANSLATE_NOOP(
            "ProblemCode",
            "Ein unbekannter Abschnitt ist einen Tippfehler von einem fehlenden entfernt.");
    case ProblemCode::DuplicateSection:
        return QT_TRANSLATE_NOOP(
            "ProblemCode",
            "Ein Abschnitt steht zweimal in der Datei; der Player liest nur den ersten.");
    case ProblemCode::MissingKey:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Ein Bitmap-Schlüssel fehlt; gelesen wird der Dateiname „0“.");
    case ProblemCode::MissingFile:
        return QT_TRANSLATE_NOOP("ProblemCode", "Die genannte Bitmap gibt es nicht.");
    case ProblemCode::UnreadableFile:
        return QT_TRANSLATE_NOOP("ProblemCode", "Die genannte Bitmap kann nicht geöffnet werden.");
    case ProblemCode::UnknownExtension:
        return QT_TRANSLATE_NOOP("ProblemCode", "Der Dateiname endet nicht auf .bmp.");
    case ProblemCode::InvalidBitmap:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Die Datei ist keine Bitmap, die sich lesen lässt.");
    case ProblemCode::BitmapTooLarge:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Die Bitmap ist breiter oder höher als 8192 Pixel.");
    case ProblemCode::CaseMismatch:
        return QT_TRANSLATE_NOOP(
            "ProblemCode",
            "Die Bitmap findet sich nur ohne Rücksicht auf Groß- und Kleinschreibung.");
    case ProblemCode::StateSizeDiffers:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Eine Zustands-Bitmap ist nicht so groß wie die von bitmap_up.");
    case ProblemCode::BitmapSizeDiffers:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Die Bitmap von bitmap_up ist nicht so groß wie ihr Element.");
    case ProblemCode::OutsidePage:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Das Element liegt nicht ganz auf dem Hintergrund seiner Seite.");
    case ProblemCode::CoveredByList:
        return QT_TRANSLATE_NOOP("ProblemCode",
                                 "Die Liste der Seite verdeckt einen Teil des Elements.");
    case ProblemCode::Overlap:
        return QT_TRANSLATE_NOOP("ProblemCode", "Zwei Elemente überlappen sich auf einer Seite.");
    case ProblemCode::SameStateBitmap:
        return QT_TRANSLATE_NOOP(
            "ProblemCode", "Eine Zustands-Bitmap zeigt dieselben Pixel wie die von bitmap_up.");
    case ProblemCode::UnusedBitmap:
        return QT_TRANSLATE_NOOP("ProblemCode", "Eine Bitmap beim Skin, die kein Schlüssel nennt.");
    }
    return "";
}

} // namespace

QString codeSummary(ProblemCode code)
{
    return QCoreApplication::translate("ProblemCode", summaryOf(code));
}

QString quotedName(std::string_view utf8)
{
    return QCoreApplication::translate("ProblemText", "„%1“").arg(name(utf8));
}

QString keyName(const CatalogueEntry *element, std::string_view section, std::string_view key)
{
    if (element)
        return QStringLiteral("%1, %2").arg(elementName(*element), name(key));
    return QStringLiteral("[%1] %2").arg(name(section), name(key));
}

QString pageName(Page page)
{
    switch (page) {
    case Page::Player:
        return QStringLiteral("Player");
    case Page::Schedule:
        return QStringLiteral("Schedule");
    case Page::Description:
        break;
    }
    return QStringLiteral("Description");
}

QString elementName(const CatalogueEntry &entry)
{
    return QCoreApplication::translate("ProblemText", "Element %1 (%2)")
        .arg(QLatin1String(entry.numberText), QLatin1String(entry.section));
}
