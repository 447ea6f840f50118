#include "app/DiffCommand.h"
#include "platform/FileNames.h"
#include "platform/SkinComparison.h"
#include "skin/SkinLoad.h"
#include "tests/support/DemoSkinCopy.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run diff(const QString &a, const QString &b, bool json = false)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runDiff(a, b, json, out, err);
    return run;
}

// The demo skins themselves serve as A; only copies are spoiled.
QString demoSkin(const QString &demo, const QString &file)
{
    return QDir(DemoSkinCopy::demoFolder(demo)).filePath(file);
}

const QString nachtblau = demoSkin(QStringLiteral("nachtblau-14"), QStringLiteral("nachtblau.lkv"));

QByteArray bytesOf(const DemoSkinCopy &skin, const QString &name)
{
    QFile file(QDir(skin.folder()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DiffCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void otherCommentsKeyOrderAndUnknownKeysAreNoDifference()
    {
        DemoSkinCopy b(QStringLiteral("nachtblau-14"), folder_->filePath("b"));
        const int size = b.lineOf("btn_exit", "size");
        b.replaceLine(b.lineOf("btn_exit", "position"), QStringLiteral("size = 28, 28"));
        b.replaceLine(size, QStringLiteral("; moved down\r\nposition = 952, 8, 0, 0\r\nglow = 3"));
        b.appendLines({"// more to come", "[extras]", "bitmap_up = other.bmp"});

        const Run run = diff(nachtblau, b.path());
        QCOMPARE(run.out + run.err, QString());
        QCOMPARE(run.status, 0);
        const Run json = diff(nachtblau, b.path(), true);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8())["differences"].toArray().size(), 0);
        QCOMPARE(json.status, 0);
    }

    void eachDifferenceIsOneLineAtItsLineInB()
    {
        DemoSkinCopy b(QStringLiteral("nachtblau-14"), folder_->filePath("b"));
        const auto at = [&](int line, const QString &message) {
            return QStringLiteral("%1:%2: %3")
                .arg(escapedText(shownPath(b.path())))
                .arg(line)
                .arg(message);
        };
        b.writeBitmap("bg_player.bmp", 8, 8);
        const int moved = b.setKey("btn_exit", "position", "960, 8, 0, 0");
        const int resized = b.setKey("btn_minimize", "size", "30, 28");
        b.writeFile("copy.bmp", bytesOf(b, "btn_skin_mo.bmp"));
        const int renamed = b.setKey("btn_skin", "bitmap_mo", "copy.bmp");
        b.writeBitmap("btn_options_mo.bmp", 28, 28);
        const int other = b.setKey("btn_about", "bitmap_do", "btn_about_up.bmp");

        const Run run = diff(nachtblau, b.path());
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{
                     at(b.lineOf("dlg_main", "bitmap1"),
                        "[dlg_main] bitmap1: andere Pixel in „bg_player.bmp“. [graphic-pixels]"),
                     at(moved, "Element 09 (btn_exit) ist verschoben: von 952, 8 nach 960, 8. "
                               "[moved]"),
                     at(resized, "Element 10 (btn_minimize) hat eine andere Größe: 30 × 28 statt "
                                 "28 × 28. [resized]"),
                     at(renamed, "Element 11 (btn_skin), bitmap_mo: nennt „copy.bmp“ statt "
                                 "„btn_skin_mo.bmp“. [state-file]"),
                     at(b.lineOf("btn_options", "bitmap_mo"),
                        "Element 12 (btn_options), bitmap_mo: andere Pixel in "
                        "„btn_options_mo.bmp“. [state-pixels]"),
                     at(other, "Element 22 (btn_about), bitmap_do: nennt „btn_about_up.bmp“ statt "
                               "„btn_about_do.bmp“, mit anderen Pixeln. [state-file-and-pixels]"),
                 }));
        QCOMPARE(run.status, 1);
    }

    // Without its section an element of 1.5 only is gone, and the skin is one for 1.4.
    void sectionLeftOutOfA15SkinMakesIt14()
    {
        DemoSkinCopy b(QStringLiteral("sonnengelb-15"), folder_->filePath("b"));
        b.replaceLine(b.lineOf("btn_wizard"), QStringLiteral("[btn_wizard_old]"));

        const Run run = diff(demoSkin("sonnengelb-15", "sonnengelb.lkv"), b.path());
        QCOMPARE(run.out.split('\n', Qt::SkipEmptyParts),
                 (QStringList{escapedText(shownPath(b.path())) +
                                  ": Die Version ist Orvana one 1.4 statt Orvana one 1.5. "
                                  "[version]",
                              escapedText(shownPath(b.path())) +
                                  ": Der Abschnitt [btn_wizard] steht nur in A. "
                                  "[section-only-in-a]"}));
        QCOMPARE(run.status, 1);
    }

    void jsonGivesEachDifferenceWithOldAndNew()
    {
        DemoSkinCopy b(QStringLiteral("nachtblau-14"), folder_->filePath("b"));
        const int line = b.setKey("btn_exit", "position", "960, 9, 0, 0");
        b.setKey("btn_exit", "bitmap_do", "btn_exit_up.bmp");

        const Run run = diff(nachtblau, b.path(), true);
        QJsonParseError error;
        const QJsonDocument root = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root["a"].toString() + ' ' + root["b"].toString(),
                 shownPath(nachtblau) + ' ' + shownPath(b.path()));
        const QJsonArray differences = root["differences"].toArray();
        QCOMPARE(differences.size(), 2);
        const QJsonObject moved = differences[0].toObject();
        QCOMPARE(
            QJsonDocument(moved).toJson(QJsonDocument::Compact),
            QStringLiteral("{\"element\":9,\"key\":\"position\",\"kind\":\"moved\",\"line\":%1,"
                           "\"message\":\"%2\",\"new\":{\"height\":28,\"left\":960,\"top\":9,"
                           "\"width\":28},\"old\":{\"height\":28,\"left\":952,\"top\":8,"
                           "\"width\":28},\"section\":\"btn_exit\"}")
                .arg(line)
                .arg("Element 09 (btn_exit) ist verschoben: von 952, 8 nach 960, 9.")
                .toUtf8());
        const QJsonObject renamed = differences[1].toObject();
        QCOMPARE(renamed["old"]["file"].toString() + ' ' + renamed["new"]["file"].toString(),
                 QStringLiteral("btn_exit_do.bmp btn_exit_up.bmp"));
        QCOMPARE(run.status, 1);
    }

    void openSkinIsBWithItsUnsavedPlaces()
    {
        QFile file(nachtblau);
        QVERIFY(file.open(QIODevice::ReadOnly));
        LoadedSkin open = loadSkin(nachtblau.toStdString(), file.readAll().toStdString());
        open.document.element(*findElement(9)).geometry.left += 4;

        const SkinComparison comparison = compareSkins(open.document, nachtblau);
        QCOMPARE(comparison.differences.size(), std::size_t(1));
        QCOMPARE(comparison.differences[0].oldPlace.left + 4,
                 comparison.differences[0].newPlace.left);
        QVERIFY(!compareSkins(open.document, nachtblau + "-gone").ok());
    }

    void fileThatIsNoSkinStopsTheComparisonWithItsReason_data()
    {
        QTest::addColumn<bool>("first");
        QTest::addColumn<QByteArray>("bytes"); // none: the file is missing
        QTest::addColumn<QString>("reason");

        QTest::newRow("A missing") << true << QByteArray() << "kann nicht gelesen werden";
        QTest::newRow("B no skin")
            << false << QByteArray("[dlg_main]\r\nbitmap0=a.bmp\r\n") << "ist kein Skin";
        QTest::newRow("B a package")
            << false << QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0') << "ist ein Skin-Paket";
    }

    void fileThatIsNoSkinStopsTheComparisonWithItsReason()
    {
        QFETCH(bool, first);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        QFile spoilt(folder_->filePath("spoilt.lkv"));
        QVERIFY(bytes.isEmpty() || (spoilt.open(QIODevice::WriteOnly) && spoilt.write(bytes) > 0));
        spoilt.close();
        const QString path = spoilt.fileName();
        const Run run = first ? diff(path, nachtblau, true) : diff(nachtblau, path, true);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("velmor: ") && run.err.contains(reason) &&
                     run.err.contains("spoilt.lkv"),
                 qPrintable(run.err));
        // Scripts read the same answer from the document.
        const QJsonDocument root = QJsonDocument::fromJson(run.out.toUtf8());
        QCOMPARE("velmor: " + root["error"].toString() + '\n', run.err);
        QVERIFY(root["differences"].isNull());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_GUILESS_MAIN(DiffCommandTest)
#include "tst_diffcommand.moc"
