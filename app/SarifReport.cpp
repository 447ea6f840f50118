#include "app/SarifReport.h"

#include "platform/FileNames.h"
#include "platform/ProblemText.h"
#include "platform/SkinChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

const QString sourceRoot = QStringLiteral("%SRCROOT%");

QString levelOf(ProblemCode code)
{
    return QString::fromLatin1(severityName(severityOf(code)));
}

QJsonObject text(const QString &words)
{
    return {{QStringLiteral("text"), words}};
}

QJsonArray rules()
{
    QJsonArray rules;
    for (std::size_t index = 0; index < problemCodeCount; ++index) {
        const auto code = static_cast<ProblemCode>(index);
        rules.append(QJsonObject{
            {QStringLiteral("id"), QString::fromLatin1(codeName(code))},
            {QStringLiteral("shortDescription"), text(codeSummary(code))},
            {QStringLiteral("defaultConfiguration"),
             QJsonObject{{QStringLiteral("level"), levelOf(code)}}},
        });
    }
    return rules;
}

// A skin below the current folder is named relative to it, so that a viewer finds it
// in the checkout; one elsewhere (another drive) keeps its full file URI.
QJsonObject artifactOf(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString relative = QDir::current().relativeFilePath(absolute);
    // A URI names bytes: a name that is no UTF-8 keeps its own.
    if (QDir::isAbsolutePath(relative) && !holdsForeignBytes(absolute))
        return {{QStringLiteral("uri"),
                 QString::fromLatin1(QUrl::fromLocalFile(absolute).toEncoded())}};
    if (QDir::isAbsolutePath(relative))
        return {{QStringLiteral("uri"),
                 QStringLiteral("file://") +
                     QString::fromLatin1(fileNameBytes(absolute).toPercentEncoding("/"))}};
    return {{QStringLiteral("uri"),
             QString::fromLatin1(fileNameBytes(relative).toPercentEncoding("/"))},
            {QStringLiteral("uriBaseId"), sourceRoot}};
}

QJsonObject resultOf(const SkinProblem &problem, const QJsonObject &artifact)
{
    QJsonObject location{{QStringLiteral("artifactLocation"), artifact}};
    if (problem.line > 0)
        location.insert(QStringLiteral("region"),
                        QJsonObject{{QStringLiteral("startLine"), problem.line}});
    return {
        {QStringLiteral("ruleId"), QString::fromLatin1(codeName(problem.code))},
        {QStringLiteral("ruleIndex"), static_cast<int>(problem.code)},
        {QStringLiteral("level"), levelOf(problem.code)},
        {QStringLiteral("message"), text(problemMessage(problem))},
        {QStringLiteral("locations"),
         QJsonArray{QJsonObject{{QStringLiteral("physicalLocation"), location}}}},
    };
}

QJsonObject driver()
{
    return {
        {QStringLiteral("name"), QCoreApplication::applicationName()},
        {QStringLiteral("version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("rules"), rules()},
    };
}

} // namespace

QByteArray sarifLog(const QList<SkinReport> &reports)
{
    QJsonArray results;
    for (const SkinReport &report : reports) {
        const QJsonObject artifact = artifactOf(report.path);
        for (const SkinProblem &problem : report.problems)
            results.append(resultOf(problem, artifact));
    }
    QString folder = QDir::currentPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString here = QString::fromLatin1(QUrl::fromLocalFile(folder).toEncoded());
    const QJsonObject run{
        {QStringLiteral("tool"), QJsonObject{{QStringLiteral("driver"), driver()}}},
        {QStringLiteral("originalUriBaseIds"),
         QJsonObject{{sourceRoot, QJsonObject{{QStringLiteral("uri"), here}}}}},
        {QStringLiteral("results"), results},
    };
    const QJsonObject log{
        {QStringLiteral("$schema"),
         QStringLiteral("https://json.schemastore.org/sarif-2.1.0.json")},
        {QStringLiteral("version"), QStringLiteral("2.1.0")},
        {QStringLiteral("runs"), QJsonArray{run}},
    };
    return QJsonDocument(log).toJson(QJsonDocument::Indented);
}
