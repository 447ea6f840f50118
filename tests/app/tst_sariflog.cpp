#include "tests/support/DemoSkinCopy.h"
#include "tests/support/JsonSchemaSubset.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
};

// The program as a script in a checkout starts it: no display, in the given folder.
Run velmor(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(VELMOR_EXECUTABLE), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput()};
}

QJsonObject schema()
{
    QFile file(QStringLiteral(VELMOR_TEST_DATA "/sarif-2.1.0-subset.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The value at a JSON pointer of plain keys and indexes ("/runs/0/tool").
QJsonValue at(const QJsonValue &root, const QString &pointer)
{
    QJsonValue node = root;
    for (const QString &step : pointer.split('/', Qt::SkipEmptyParts))
        node = node.isArray() ? node.toArray().at(step.toInt()) : node.toObject().value(step);
    return node;
}

// The document with the value at the pointer replaced, added, or (undefined) removed.
QJsonValue changed(const QJsonValue &node, QStringList steps, const QJsonValue &to)
{
    if (steps.isEmpty())
        return to;
    const QString step = steps.takeFirst();
    const bool last = steps.isEmpty();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        const int index = step.toInt();
        if (last && to.isUndefined())
            array.removeAt(index);
        else if (index == array.size())
            array.append(changed(QJsonValue(), steps, to));
        else
            array[index] = changed(array.at(index), steps, to);
        return array;
    }
    QJsonObject object = node.toObject();
    if (last && to.isUndefined())
        object.remove(step);
    else
        object[step] = changed(object.value(step), steps, to);
    return object;
}

// "path:line: severity: message [code]", the line left out where there is none.
struct TextProblem {
    QString path;
    int line = 0;
    QString severity;
    QString message;
    QString code;
};

QList<TextProblem> textProblems(const QByteArray &out)
{
    static const QRegularExpression form(
        QStringLiteral("^(.+?\\.lkv)(?::(\\d+))?: (error|warning|note): (.*) \\[([a-z-]+)\\]$"));
    QList<TextProblem> problems;
    for (const QString &line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = form.match(line);
        if (!match.hasMatch())
            return {};
        problems.append({match.captured(1), match.captured(2).toInt(), match.captured(3),
                         match.captured(4), match.captured(5)});
    }
    return problems;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

// The SARIF log of a check, read as a code-scanning service reads it: against the
// format's rules, and by following its indexes and file references.
class SarifLogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    // The current folder of the check, as a checkout's top; its "#" would cut a file URI
    // short if left unescaped.
    QString work_;
    std::unique_ptr<DemoSkinCopy> inside_;  // below it, in a folder with a space and umlauts
    std::unique_ptr<DemoSkinCopy> outside_; // beside it
    Run sarif_;
    Run text_;
    QJsonObject log_;

    QJsonArray results() const { return at(log_, "/runs/0/results").toArray(); }
    QJsonArray rules() const { return at(log_, "/runs/0/tool/driver/rules").toArray(); }

private slots:
    void initTestCase()
    {
        work_ = QDir(root_.path()).filePath("Checkout #1 ß");
        inside_ =
            std::make_unique<DemoSkinCopy>("sonnengelb-15", QDir(work_).filePath("Mein Skin äöü"));
        inside_->writeFile("btn_about_up.bmp", "no bitmap");
        QFile::remove(QDir(inside_->folder()).filePath("btn_stop_mo.bmp"));
        QFile::copy(QDir(inside_->folder()).filePath("btn_stop_up.bmp"),
                    QDir(inside_->folder()).filePath("btn_stop_mo.bmp"));
        inside_->writeBitmap("Extra.BMP", 4, 4);
        outside_ = std::make_unique<DemoSkinCopy>("nachtblau-14",
                                                  QDir(root_.path()).filePath("elsewhere"));
        outside_->setKey("btn_exit", "size", "40,20");

        const QStringList skins{inside_->path(), outside_->path()};
        sarif_ = velmor(QStringList{"--check", "--format", "sarif", "--all"} + skins, work_);
        text_ = velmor(QStringList{"--check", "--format", "text", "--all"} + skins, work_);
        QJsonParseError error;
        log_ = QJsonDocument::fromJson(sarif_.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(sarif_.status, 1);
        QCOMPARE(text_.status, sarif_.status);
        QVERIFY(!schema().isEmpty());
    }

    void theLogMeetsTheFormat()
    {
        const QStringList faults = schemaFaults(log_, schema());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QSet<QString> levels;
        for (const QJsonValue &result : results())
            levels.insert(result["level"].toString());
        QCOMPARE(levels, (QSet<QString>{"error", "warning", "note"}));
    }

    void eachResultLeadsToItsRule()
    {
        QSet<QString> ids;
        for (const QJsonValue &rule : rules())
            ids.insert(rule["id"].toString());
        QCOMPARE(ids.size(), rules().size());
        QVERIFY(ids.contains("same-state-bitmap") && ids.contains("unused-bitmap"));
        for (const QJsonValue &result : results()) {
            const QJsonObject rule = rules().at(result["ruleIndex"].toInt(-1)).toObject();
            QCOMPARE(rule["id"].toString(), result["ruleId"].toString());
            QCOMPARE(result["level"].toString(), rule["defaultConfiguration"]["level"].toString());
        }
    }

    void everyUriIsRelativeAndLeadsToItsSkin()
    {
        const QString base = at(log_, "/runs/0/originalUriBaseIds/%SRCROOT%/uri").toString();
        QVERIFY2(base.startsWith("file:///") && base.endsWith('/'), qPrintable(base));
        QCOMPARE(canonical(QUrl(base).toLocalFile()), canonical(work_));

        static const QRegularExpression encoded(
            QStringLiteral("^([A-Za-z0-9._~/-]|%[0-9A-F]{2})+$"));
        QSet<QString> skins;
        for (const QJsonValue &result : results()) {
            const QJsonObject artifact =
                result["locations"][0]["physicalLocation"]["artifactLocation"].toObject();
            const QString uri = artifact["uri"].toString();
            QVERIFY2(encoded.match(uri).hasMatch(), qPrintable(uri));
            QVERIFY2(!uri.startsWith('/') && QUrl(uri).isRelative(), qPrintable(uri));
            QCOMPARE(artifact["uriBaseId"].toString(), QStringLiteral("%SRCROOT%"));
            skins.insert(canonical(QUrl(base).resolved(QUrl(uri)).toLocalFile()));
        }
        QCOMPARE(skins, (QSet<QString>{canonical(inside_->path()), canonical(outside_->path())}));
        QVERIFY2(sarif_.out.contains("\"Mein%20Skin%20%C3%A4%C3%B6%C3%BC/sonnengelb.lkv\""),
                 sarif_.out.constData());
    }

    // An empty list says the check ran and found nothing; a missing one, that it never ran.
    void aCleanSkinGivesAnEmptyResultList()
    {
        const QString demo = DemoSkinCopy::demoFolder("nachtblau-14");
        const Run run = velmor({"--check", "--format", "sarif", "--all", "nachtblau.lkv"}, demo);
        QCOMPARE(run.status, 0);
        const QJsonObject log = QJsonDocument::fromJson(run.out).object();
        QVERIFY2(schemaFaults(log, schema()).isEmpty(), run.out.constData());
        QCOMPARE(at(log, "/runs/0/results").toArray().size(), 0);
    }

    // A viewer shows the same problem at the same line as the compilers' form does.
    void resultsFollowTheTextReport()
    {
        const QList<TextProblem> problems = textProblems(text_.out);
        QVERIFY2(!problems.isEmpty(), text_.out.constData());
        QCOMPARE(results().size(), problems.size());
        const QString base = at(log_, "/runs/0/originalUriBaseIds/%SRCROOT%/uri").toString();
        for (qsizetype i = 0; i < problems.size(); ++i) {
            const QJsonObject result = results().at(i).toObject();
            const QJsonObject location = result["locations"][0]["physicalLocation"].toObject();
            QCOMPARE(result["ruleId"].toString(), problems[i].code);
            QCOMPARE(result["level"].toString(), problems[i].severity);
            QCOMPARE(result["message"]["text"].toString(), problems[i].message);
            QCOMPARE(location["region"]["startLine"].toInt(), problems[i].line);
            QCOMPARE(location.contains("region"), problems[i].line > 0);
            const QString uri = location["artifactLocation"]["uri"].toString();
            QCOMPARE(canonical(QUrl(base).resolved(QUrl(uri)).toLocalFile()),
                     canonical(problems[i].path));
        }
        const auto code = [&problems](const QString &name) {
            return std::count_if(problems.begin(), problems.end(),
                                 [&name](const TextProblem &p) { return p.code == name; });
        };
        QCOMPARE(code("same-state-bitmap"), 1);
        QCOMPARE(code("unused-bitmap"), 1);
        QCOMPARE(code("invalid-bitmap"), 1);
    }

    // The judge must fail what the format forbids, or every test above passes unread.
    void theSchemaJudgeRejectsBrokenLogs_data()
    {
        QTest::addColumn<QString>("pointer");
        QTest::addColumn<QJsonValue>("value"); // undefined: the member is removed
        QTest::addColumn<QString>("faultAt");

        const QString result = QStringLiteral("/runs/0/results/0");
        QTest::newRow("no version") << "/version" << QJsonValue(QJsonValue::Undefined) << "/:";
        QTest::newRow("other version") << "/version" << QJsonValue("2.0.0") << "/version:";
        QTest::newRow("two runs") << "/runs/1" << QJsonValue(QJsonObject()) << "/runs:";
        QTest::newRow("nameless tool")
            << "/runs/0/tool/driver/name" << QJsonValue("") << "/runs/0/tool/driver/name:";
        QTest::newRow("rule without id")
            << "/runs/0/tool/driver/rules/0/id" << QJsonValue(QJsonValue::Undefined)
            << "/runs/0/tool/driver/rules/0:";
        QTest::newRow("unknown level")
            << result + "/level" << QJsonValue("fatal") << result + "/level:";
        QTest::newRow("negative rule index")
            << result + "/ruleIndex" << QJsonValue(-1) << result + "/ruleIndex:";
        QTest::newRow("fractional rule index")
            << result + "/ruleIndex" << QJsonValue(1.5) << result + "/ruleIndex:";
        QTest::newRow("message without text")
            << result + "/message/text" << QJsonValue(QJsonValue::Undefined)
            << result + "/message:";
        QTest::newRow("line zero")
            << result + "/locations/0/physicalLocation/region/startLine" << QJsonValue(0)
            << result + "/locations/0/physicalLocation/region/startLine:";
        QTest::newRow("misspelt member")
            << result + "/locations/0/physicalLocation/region/startline" << QJsonValue(3)
            << result + "/locations/0/physicalLocation/region/startline:";
        QTest::newRow("uri as a number")
            << result + "/locations/0/physicalLocation/artifactLocation/uri" << QJsonValue(7)
            << result + "/locations/0/physicalLocation/artifactLocation/uri:";
    }

    void theSchemaJudgeRejectsBrokenLogs()
    {
        QFETCH(QString, pointer);
        QFETCH(QJsonValue, value);
        QFETCH(QString, faultAt);
        QVERIFY(at(log_, pointer.section('/', 0, -2)).isObject() ||
                at(log_, pointer.section('/', 0, -2)).isArray());
        const QJsonValue broken = changed(log_, pointer.split('/', Qt::SkipEmptyParts), value);
        const QStringList faults = schemaFaults(broken, schema());
        QVERIFY2(!faults.isEmpty(), qPrintable(pointer));
        QVERIFY2(faults.first().startsWith(faultAt + ' '), qPrintable(faults.join('\n')));
    }

    void aSchemaWordTheJudgeCannotReadIsAFault()
    {
        QJsonObject strict = schema();
        strict["pattern"] = QStringLiteral("^never$");
        QCOMPARE(schemaFaults(log_, strict).size(), 1);
        QVERIFY(schemaFaults(log_, schema()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(SarifLogTest)
#include "tst_sariflog.moc"
