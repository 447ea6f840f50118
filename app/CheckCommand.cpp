#include "app/CheckCommand.h"

#include "app/JsonText.h"
#include "app/SarifReport.h"
#include "platform/FileNames.h"
#include "platform/FolderBitmaps.h"
#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"
#include "platform/TempWorkFolder.h"
#include "platform/UnpackedPackage.h"

#include <QTextStream>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace {

QString severityWord(ProblemCode code)
{
    return QString::fromLatin1(severityName(severityOf(code)));
}

// One line per problem, whatever the names in it hold: a line break in a name would
// forge a problem of its own for the scripts that read the lines.
void printProblem(const QString &path, const SkinProblem &problem, QTextStream &out)
{
    out << escapedText(shownPath(path));
    if (problem.line > 0)
        out << ':' << problem.line;
    out << ": " << severityWord(problem.code) << ": " << withoutControls(problemMessage(problem))
        << " [" << QLatin1String(codeName(problem.code)) << "]\n";
}

QString jsonProblem(const SkinProblem &problem)
{
    const QStringList fields{
        QStringLiteral("\"severity\": ") + jsonText(severityWord(problem.code)),
        QStringLiteral("\"code\": ") + jsonText(QString::fromLatin1(codeName(problem.code))),
        QStringLiteral("\"message\": ") + jsonText(problemMessage(problem)),
        QStringLiteral("\"line\": ") + jsonNumber(problem.line),
        QStringLiteral("\"section\": ") + jsonText(problem.section),
        QStringLiteral("\"key\": ") + jsonText(problem.key),
        QStringLiteral("\"element\": ") + jsonNumber(problem.element ? problem.element->number : 0),
        QStringLiteral("\"page\": ") +
            (problem.page ? jsonText(pageName(*problem.page)) : QStringLiteral("null")),
        QStringLiteral("\"file\": ") + jsonText(problem.file),
    };
    return QStringLiteral("{") + fields.join(QStringLiteral(", ")) + QStringLiteral("}");
}

QString jsonReport(const SkinReport &report)
{
    QStringList problems;
    for (const SkinProblem &problem : report.problems)
        problems << QStringLiteral("        ") + jsonProblem(problem);
    const QString list = problems.isEmpty()
                             ? QStringLiteral("[]")
                             : QStringLiteral("[\n") + problems.join(QStringLiteral(",\n")) +
                                   QStringLiteral("\n      ]");
    // Concatenated, not filled in with arg(): a path may itself hold "%1".
    return QStringLiteral("    {\"path\": ") + jsonText(shownPath(report.path)) +
           QStringLiteral(", \"version\": ") + jsonText(report.version) +
           QStringLiteral(", \"errors\": ") + QString::number(report.count(Severity::Error)) +
           QStringLiteral(", \"warnings\": ") + QString::number(report.count(Severity::Warning)) +
           QStringLiteral(",\n      \"problems\": ") + list + QStringLiteral("}");
}

void printJson(const QList<SkinReport> &reports, QTextStream &out)
{
    QStringList skins;
    for (const SkinReport &report : reports)
        skins << jsonReport(report);
    out << "{\"skins\": [\n" << skins.join(QStringLiteral(",\n")) << "\n]}\n";
}

} // namespace

int runCheck(const QStringList &skins, ReportFormat format, CheckScope scope, QTextStream &out)
{
    // Packages are unpacked into temporary folders, which an interrupted check must not
    // leave behind.
    removeTempWorkFoldersOnSignals();
    FolderBitmaps folders;
    // A package holds skins of its own, each with a report.
    const QList<std::vector<SkinReport>> checked =
        QtConcurrent::blockingMapped(skins, [scope, &folders](const QString &path) {
            return isPackagePath(path)
                       ? checkSkinPackage(path, scope)
                       : std::vector<SkinReport>{checkSkinFile(path, scope, folders)};
        });
    QList<SkinReport> reports;
    for (const std::vector<SkinReport> &some : checked)
        reports.append(QList<SkinReport>(some.begin(), some.end()));
    switch (format) {
    case ReportFormat::Json:
        printJson(reports, out);
        break;
    case ReportFormat::Sarif:
        out << QString::fromUtf8(sarifLog(reports));
        break;
    case ReportFormat::Text:
        for (const SkinReport &report : reports) {
            for (const SkinProblem &problem : report.problems)
                printProblem(report.path, problem, out);
        }
        break;
    }
    const bool anyError = std::any_of(reports.begin(), reports.end(), [](const SkinReport &r) {
        return r.count(Severity::Error) > 0;
    });
    return anyError ? 1 : 0;
}

bool printErrors(const SkinReport &report, QTextStream &out)
{
    bool printed = false;
    for (const SkinProblem &problem : report.problems) {
        if (severityOf(problem.code) == Severity::Error) {
            printProblem(report.path, problem, out);
            printed = true;
        }
    }
    return printed;
}
