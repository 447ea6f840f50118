#include "editor/document/EditorDocument.h"
#include "platform/SkinChecker.h"
#include "platform/SkinPackage.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"

#include <QTest>

#include <zip.h>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString askReplace =
    QStringLiteral("Im Skin-Ordner gibt es schon eine Datei btn_exit_do.bmp. Ersetzen?");

} // namespace

// A bitmap chosen from another folder comes into the skin's folder with the save.
class WholeSkinsTest : public QObject {
    Q_OBJECT

    QString inSkin(const QString &name) const { return QDir(skinFolder_->path()).filePath(name); }
    // Chooses a red bitmap of that name from another folder for element 09's do state.
    QString chooseFromElsewhere(const QString &name) const
    {
        probe_->press(probe_->view("Image09p"));
        const QString picture = probe_->offerPicture(elsewhere_->path(), name, {28, 28}, Qt::red);
        EditorProbe::doubleClick(probe_->view("Image01do"));
        return picture;
    }
    QString savedDoName() const
    {
        return QString::fromLatin1(bytesOf(skin_->path()))
            .split(QLatin1Char('\n'))
            .filter(QStringLiteral("bitmap_do"))
            .join(QLatin1Char('\n'));
    }

private slots:
    void init()
    {
        skinFolder_ = std::make_unique<QTemporaryDir>();
        elsewhere_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        skin_ = std::make_unique<DemoSkinCopy>(QStringLiteral("nachtblau-14"), skinFolder_->path());
        probe_->form->load(skin_->path());
    }

    void aBitmapFromElsewhereIsCopiedBySaveAndFoundAgain()
    {
        const QString picture = chooseFromElsewhere(QStringLiteral("neu.bmp"));
        QVERIFY(!QFile::exists(inSkin("neu.bmp"))); // nothing before the save
        probe_->command("FileSave1")->trigger();
        QCOMPARE(bytesOf(inSkin("neu.bmp")), bytesOf(picture));
        QCOMPARE(QString::fromStdString(probe_->element(9).statePath(StateBitmap::Do)),
                 inSkin("neu.bmp"));

        probe_->form->load(skin_->path());
        QCOMPARE(QString::fromStdString(probe_->element(9).statePath(StateBitmap::Do)),
                 inSkin("neu.bmp"));
        QCOMPARE(checkSkinFile(skin_->path()).count(Severity::Error), 0);
    }

    void aNameTakenInTheFolderIsAskedAbout_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("named");
        QTest::newRow("Ja replaces it") << true << "btn_exit_do.bmp";
        QTest::newRow("Nein keeps both") << false << "btn_exit_do_2.bmp";
    }

    void aNameTakenInTheFolderIsAskedAbout()
    {
        QFETCH(bool, replace);
        QFETCH(QString, named);
        const QByteArray before = bytesOf(inSkin("btn_exit_do.bmp"));
        const QString picture = chooseFromElsewhere(QStringLiteral("btn_exit_do.bmp"));
        probe_->dialogs->answerYesNo(replace);
        probe_->command("FileSave1")->trigger();
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::YesNo), QStringList{askReplace});
        QCOMPARE(bytesOf(inSkin(named)), bytesOf(picture));
        QVERIFY(savedDoName().contains(named));
        if (!replace)
            QCOMPARE(bytesOf(inSkin("btn_exit_do.bmp")), before);
    }

    void theSameBytesAreNeitherCopiedNorAskedAbout()
    {
        QFile::copy(inSkin("btn_exit_up.bmp"),
                    QDir(elsewhere_->path()).filePath("btn_exit_up.bmp"));
        probe_->press(probe_->view("Image09p"));
        probe_->dialogs->answerOpenPicture(QDir(elsewhere_->path()).filePath("btn_exit_up.bmp"));
        EditorProbe::doubleClick(probe_->view("Image01do"));
        probe_->command("FileSave1")->trigger();
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 0);
        QVERIFY(savedDoName().contains(QStringLiteral("btn_exit_up.bmp")));
        QCOMPARE(QDir(skinFolder_->path()).entryList({"btn_exit_up*"}).size(), 1);
    }

    void aCopyThatFailsStopsTheSaveBeforeTheSkinIsWritten()
    {
        const QByteArray before = bytesOf(skin_->path());
        chooseFromElsewhere(QStringLiteral("neu.bmp"));
        // A folder in the way of the copy: it cannot be replaced by a file.
        QVERIFY(QDir(skinFolder_->path()).mkdir(QStringLiteral("neu.bmp")));
        probe_->dialogs->answerYesNo(true);
        probe_->command("FileSave1")->trigger();
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::Error),
                 QStringList{QStringLiteral(
                                 "Die Datei %1 konnte nicht gespeichert werden. Dort steht keine "
                                 "gewöhnliche Datei, sondern ein Ordner, ein "
                                 "Gerät oder eine Pipe; Velmor ersetzt nur "
                                 "gewöhnliche Dateien.")
                                 .arg(QDir::toNativeSeparators(inSkin("neu.bmp")))});
        QCOMPARE(bytesOf(skin_->path()), before);
        QVERIFY(probe_->saveEnabled());
    }

    void saveAsIntoAnotherFolderReportsWhatIsMissing()
    {
        QFile::remove(inSkin("btn_stop_da.bmp"));
        const QString copy = QDir(elsewhere_->path()).filePath("copy.lkv");
        probe_->dialogs->answerSaveSkinAs(copy);
        probe_->command("FileSaveAs1")->trigger();
        QVERIFY(QFile::exists(copy));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 1);
        QVERIFY(probe_->dialogs->texts(ScriptedDialogs::Message)[0].contains("btn_stop_da.bmp"));
        const QStringList codes = [&] {
            QStringList found;
            for (const SkinProblem &problem : checkSkinFile(copy).problems)
                found << QString::fromLatin1(codeName(problem.code));
            return found;
        }();
        QCOMPARE(codes, QStringList{"missing-file"});
    }

    void aTemplateGivesASkinOfItsOwnThatChecksClean_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("1.4") << "Orvana one 1.4";
        QTest::newRow("1.5") << "Orvana one 1.5";
    }

    void aTemplateGivesASkinOfItsOwnThatChecksClean()
    {
        QFETCH(QString, version);
        probe_->form->setTemplateFolder(DemoSkinCopy::demoFolder({}));
        const QString path = QDir(elsewhere_->path()).filePath("mein.lkv");
        probe_->dialogs->answerChooseItem(version);
        probe_->dialogs->answerSaveSkinAs(path);
        probe_->command("FileNewFromTemplate")->trigger();
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), path);
        QCOMPARE(QString::fromStdString(probe_->form->document().targetVersion), version);
        const SkinReport report = checkSkinFile(path);
        QCOMPARE(report.problems.size(), std::size_t{0});
        QCOMPARE(QString::fromStdString(report.version), version);
        QVERIFY(QDir(elsewhere_->path()).entryList({"*.bmp"}).size() > 150);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
    }

    void aSkinTravelsAsZipWithItsUnsavedWork()
    {
        probe_->press(probe_->view("Image09p"));
        document().nudge(0, 1, 0, 0);
        const QString zip = QDir(elsewhere_->path()).filePath("reise.zip");
        probe_->dialogs->answerYesNo(true);
        probe_->dialogs->answerChooseFile(zip);
        probe_->command("FileExportZip")->trigger();
        QVERIFY(QFile::exists(zip));

        // Opened again elsewhere, it is the skin with the edit, in a folder of its own.
        const QString unpacked = QDir(elsewhere_->path()).filePath("reise");
        probe_->dialogs->answerChooseFile(unpacked);
        probe_->form->openPackage(zip);
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath),
                 QDir(unpacked).filePath("nachtblau.lkv"));
        QCOMPARE(probe_->element(9).geometry.top, 9);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
    }

    void aPackageWithSeveralSkinsLetsTheUserChoose()
    {
        QFile::copy(skin_->path(), inSkin("zweites.lkv"));
        const QString zip = QDir(elsewhere_->path()).filePath("zwei.zip");
        QVERIFY(packSkin(skin_->path(), zip).ok());
        // The second skin names the same bitmaps; a package made by hand holds both.
        zip_t *archive = zip_open(QFile::encodeName(zip).constData(), 0, nullptr);
        zip_file_add(archive, "zweites.lkv",
                     zip_source_file(archive, QFile::encodeName(inSkin("zweites.lkv")), 0, -1), 0);
        QCOMPARE(zip_close(archive), 0);

        const QString unpacked = QDir(elsewhere_->path()).filePath("zwei");
        probe_->dialogs->answerChooseFile(unpacked);
        probe_->dialogs->answerChooseItem(QStringLiteral("zweites.lkv"));
        probe_->form->openPackage(zip);
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath),
                 QDir(unpacked).filePath("zweites.lkv"));
    }

private:
    EditorDocument &document() const { return probe_->form->editorDocument(); }

    std::unique_ptr<QTemporaryDir> skinFolder_;
    std::unique_ptr<QTemporaryDir> elsewhere_;
    std::unique_ptr<EditorProbe> probe_;
    std::unique_ptr<DemoSkinCopy> skin_;
};

QTEST_MAIN(WholeSkinsTest)
#include "tst_wholeskins.moc"
