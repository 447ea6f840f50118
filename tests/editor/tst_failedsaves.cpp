#include "platform/SkinChecker.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QFile>
#include <QtTest>

namespace {

using Probe = EditorProbe;

// The value of a key as the file holds it, blanks around "=" left out.
QString valueIn(const QString &path, const QString &section, const QString &key)
{
    for (const QByteArray &line : sectionOf(linesOf(path), section.toLatin1())) {
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0 && line.left(equals).trimmed() == key.toLatin1())
            return QString::fromLatin1(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace

// A save that fails leaves everything it would have written due: whatever the user
// does next, the save after it writes the same skin.
class FailedSavesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<EditorProbe> probe_;
    QString skinFolder_;
    QString newFolder_;
    QString elsewhere_;

    EditorDocument &document() const { return probe_->form->editorDocument(); }
    QString inNew(const QString &name) const { return QDir(newFolder_).filePath(name); }
    // A folder where the file should go: no user can replace it by a file, root neither.
    static void block(const QString &path) { QVERIFY(QDir().mkpath(path)); }
    static void unblock(const QString &path) { QVERIFY(QDir(path).removeRecursively()); }
    void open(SkinFixture fixture = SkinFixture(true))
    {
        probe_->form->load(fixture.write(skinFolder_));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
    }
    // Save As into the new folder, stopped by a folder named like the skin file.
    void failSaveAsIntoTheNewFolder()
    {
        block(inNew(QStringLiteral("skin.lkv")));
        probe_->saveAs(inNew(QStringLiteral("skin.lkv")));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        unblock(inNew(QStringLiteral("skin.lkv")));
    }

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        const QDir root(root_->path());
        for (const char *name : {"skin", "skin/sub", "new", "elsewhere"})
            QVERIFY(root.mkpath(QString::fromLatin1(name)));
        skinFolder_ = root.filePath(QStringLiteral("skin"));
        newFolder_ = root.filePath(QStringLiteral("new"));
        elsewhere_ = root.filePath(QStringLiteral("elsewhere"));
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
    }

    void renamedCopyOfAFailedSaveIsStillNamed_data()
    {
        QTest::addColumn<bool>("undoToTheCleanPoint");
        QTest::newRow("an edit, then Save") << false;
        QTest::newRow("undone to the clean point, then Save As") << true;
    }

    // Two bitmaps of one name from two folders: the second copy gets another name,
    // which only the element's own section can tell the player.
    void renamedCopyOfAFailedSaveIsStillNamed()
    {
        QFETCH(bool, undoToTheCleanPoint);
        SkinFixture fixture(true);
        fixture.set("btn_player", "bitmap_up", "sub/e05_up.bmp");
        open(fixture);
        if (undoToTheCleanPoint)
            Probe::drag(probe_->view("Image29p"), {2, 0});
        failSaveAsIntoTheNewFolder();
        QVERIFY(QFile::exists(inNew(QStringLiteral("e05_up_2.bmp"))));
        QVERIFY(probe_->due(7));

        if (undoToTheCleanPoint) {
            document().history().undo();
            QVERIFY(!probe_->saveEnabled());
            probe_->saveAs(inNew(QStringLiteral("skin.lkv")));
        } else {
            Probe::drag(probe_->view("Image29p"), {2, 0});
            probe_->save();
        }
        const QString written = inNew(QStringLiteral("skin.lkv"));
        QCOMPARE(valueIn(written, "btn_player", "bitmap_up"), QStringLiteral("e05_up_2.bmp"));
        QCOMPARE(valueIn(written, "btn_schedule", "bitmap_up"), QStringLiteral("e05_up.bmp"));
        QCOMPARE(checkSkinFile(written).count(Severity::Error), 0);
        // The one question was the first save's; the copies it made are used as they are.
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 1);
        QVERIFY(document().due().elements.none());
        QCOMPARE(QFileInfo(QString::fromStdString(probe_->form->document().skinFolder))
                     .canonicalFilePath(),
                 QFileInfo(newFolder_).canonicalFilePath());
    }

    // The failed copy stopped the gathering half way; the skin is still on its way to
    // the new folder, so the next plain Save brings the rest.
    void saveAfterAFailedCopyBringsEveryBitmap()
    {
        open();
        block(inNew(QStringLiteral("e40_da.bmp")));
        probe_->dialogs->answerYesNo(true);
        probe_->saveAs(inNew(QStringLiteral("skin.lkv")));
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::Error),
                 QStringList{QStringLiteral(
                                 "Die Datei %1 konnte nicht gespeichert werden. Dort steht keine "
                                 "gewöhnliche Datei, sondern ein Ordner, ein "
                                 "Gerät oder eine Pipe; Velmor ersetzt nur "
                                 "gewöhnliche Dateien.")
                                 .arg(QDir::toNativeSeparators(inNew("e40_da.bmp")))});
        QVERIFY(!QFile::exists(inNew(QStringLiteral("e41_up.bmp"))));
        unblock(inNew(QStringLiteral("e40_da.bmp")));

        Probe::drag(probe_->view("Image29p"), {0, 3});
        probe_->save();
        QCOMPARE(checkSkinFile(inNew(QStringLiteral("skin.lkv"))).count(Severity::Error), 0);
        QVERIFY(QFile::exists(inNew(QStringLiteral("e41_up.bmp"))));
    }

    // The name of a bitmap that could not be shown is kept without a step; undoing the
    // edits around it must not take it out of the next save.
    void keptNameOfAnUnloadableBitmapSurvivesAFailedSave()
    {
        open();
        const QString broken = QDir(skinFolder_).filePath(QStringLiteral("kaputt.bmp"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no bitmap");
        file.close();
        Probe::drag(probe_->view("Image05p"), {1, 0});
        probe_->dialogs->answerOpenPicture(broken);
        Probe::doubleClick(probe_->view("Image01up"));
        const QString copy = QDir(skinFolder_).filePath(QStringLiteral("kopie.lkv"));
        block(copy);
        probe_->saveAs(copy);
        unblock(copy);
        document().history().undo();

        probe_->saveAs(copy);
        QCOMPARE(valueIn(copy, "btn_schedule", "bitmap_up"), QStringLiteral("kaputt.bmp"));
        QCOMPARE(valueIn(copy, "btn_schedule", "position"),
                 QStringLiteral("%1,%2, 0, 0").arg(SkinFixture::left(5)).arg(SkinFixture::top(5)));
    }

    void relocatedGraphicOfAFailedSaveIsStillNamed()
    {
        open();
        // Named like the Schedule background, with other bytes: its copy is renamed.
        const QString picture =
            probe_->offerPicture(elsewhere_, QStringLiteral("g0.bmp"), {31, 13}, Qt::red);
        Probe::doubleClick(probe_->view("ImageP"));
        failSaveAsIntoTheNewFolder();

        Probe::drag(probe_->view("Image29p"), {0, 1});
        probe_->save();
        const QString written = inNew(QStringLiteral("skin.lkv"));
        QCOMPARE(valueIn(written, "dlg_main", "bitmap1"), QStringLiteral("g0_2.bmp"));
        QCOMPARE(valueIn(written, "dlg_main", "bitmap0"), QStringLiteral("g0.bmp"));
        QCOMPARE(bytesOf(inNew(QStringLiteral("g0_2.bmp"))), bytesOf(picture));
        // The document names the copy since the first save, which asked the one question.
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 1);
        QVERIFY(!document().hasUnsavedChanges());
    }
};

QTEST_MAIN(FailedSavesTest)
#include "tst_failedsaves.moc"
