#include "editor/document/EditorDocument.h"
#include "platform/SkinPackage.h"
#include "skin/SkinFormat.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

namespace {

// A drag of the files from another program that enters the widget and is dropped
// there; whether the widget (or a parent) took the drop.
bool dropFiles(const Shown &target, const QStringList &paths)
{
    QWidget *receiver = target.receiver();
    const QPoint at = target.point({2, 2});
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(receiver, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(receiver, &drop);
    return drop.isAccepted();
}

const QString askSave = QStringLiteral("Das Skin wurde geändert. Speichern ?");

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    EditorDocument &document() const { return probe_->form->editorDocument(); }
    // Moves element 09 a pixel to the right: unsaved work.
    void editSomething() const
    {
        document().select(Selection::of(*findElement(9)));
        document().nudge(1, 0, 0, 0);
    }
    QString otherSkin() const
    {
        otherFolder_ = std::make_unique<QTemporaryDir>();
        DemoSkinCopy other(QStringLiteral("sonnengelb-15"), otherFolder_->path());
        return other.path();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        skin_ = std::make_unique<DemoSkinCopy>(QStringLiteral("nachtblau-14"), folder_->path());
        probe_->form->load(skin_->path());
    }

    void openAsksBeforeUnsavedWorkIsLost_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("Ja saves first") << true;
        QTest::newRow("Nein drops the work") << false;
    }

    void openAsksBeforeUnsavedWorkIsLost()
    {
        QFETCH(bool, save);
        editSomething();
        const QString other = otherSkin();
        probe_->dialogs->answerOpenSkin(other);
        probe_->dialogs->answerYesNo(save);
        probe_->command("FileOpen1")->trigger();
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::YesNo), QStringList{askSave});
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), other);
        QCOMPARE(skin_->lineOf("btn_exit", "position") > 0, true);
        QFile saved(skin_->path());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().contains("position=953,8, 0, 0"), save);
    }

    void aFailedSaveKeepsTheSkinOpen()
    {
        editSomething();
        // Its folder gone, the skin cannot be saved, whoever runs the test.
        QVERIFY(QDir(folder_->path()).removeRecursively());
        probe_->dialogs->answerYesNo(true);
        probe_->form->files().openAfterAsking(otherSkin());
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), skin_->path());
        QVERIFY(document().isChanged());
    }

    void aDroppedSkinOpensAndOtherFilesAreRefused()
    {
        QWidget *client = probe_->form->centralWidget();
        QVERIFY(!dropFiles(client, {QDir(folder_->path()).filePath("bg_player.bmp")}));
        editSomething();
        probe_->dialogs->answerYesNo(false);
        const QString other = otherSkin();
        QVERIFY(
            dropFiles(probe_->view("Image09p"), {QDir(folder_->path()).filePath("x.txt"), other}));
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::YesNo), QStringList{askSave});
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), other);
    }

    void aDroppedPackageIsUnpackedAndOpened()
    {
        const QString zip = QDir(otherFolderPath()).filePath("paket.zip");
        QVERIFY(packSkin(skin_->path(), zip).ok());
        const QString unpacked = QDir(otherFolder_->path()).filePath("entpackt");
        probe_->dialogs->answerChooseFile(unpacked);
        QVERIFY(dropFiles(probe_->form->centralWidget(), {zip}));
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath),
                 QDir(unpacked).filePath("nachtblau.lkv"));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 0);
    }

    // "Abbrechen" (Escape, the box's close button) to the question before unsaved work
    // is dropped: wherever it comes, nothing happens.
    void cancelKeepsTheWorkWhereverTheQuestionComes_data()
    {
        QTest::addColumn<QString>("way");
        for (const char *way : {"close", "open", "recent", "drop", "template", "package", "zip"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }

    void cancelKeepsTheWorkWhereverTheQuestionComes()
    {
        QFETCH(QString, way);
        probe_->form->show();
        editSomething();
        const QByteArray before = bytesOf(skin_->path());
        const QString other = otherSkin();
        const QString target = QDir(otherFolder_->path()).filePath("neu");
        QSignalSpy closing(probe_->form.get(), &MainWindow::closing);
        probe_->dialogs->answerCancel();
        if (way == "close") {
            QVERIFY(!probe_->form->close());
        } else if (way == "open") {
            probe_->dialogs->answerOpenSkin(other);
            probe_->command("FileOpen1")->trigger();
        } else if (way == "recent") {
            probe_->form->showRecentSkins({other});
            probe_->child<QMenu>("RecentSkins")->actions().first()->trigger();
        } else if (way == "drop") {
            QVERIFY(dropFiles(probe_->view("Image09p"), {other}));
        } else if (way == "template") {
            probe_->form->files().setTemplateFolder(
                QFileInfo(DemoSkinCopy::demoFolder(QStringLiteral("sonnengelb-15"))).path());
            probe_->dialogs->answerChooseItem(QStringLiteral("Orvana one 1.5"));
            probe_->dialogs->answerSaveSkinAs(target + ".lkv");
            probe_->command("FileNewFromTemplate")->trigger();
        } else if (way == "package") {
            const QString zip = QDir(otherFolder_->path()).filePath("p.zip");
            QVERIFY(packSkin(other, zip).ok());
            probe_->dialogs->answerChooseFile(zip);
            probe_->dialogs->answerChooseFile(target);
            probe_->command("FileOpenPackage")->trigger();
        } else {
            probe_->command("FileExportZip")->trigger();
        }
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::YesNo), QStringList{askSave});
        QVERIFY(probe_->form->isVisible());
        QCOMPARE(closing.count(), 0);
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), skin_->path());
        QVERIFY(document().isChanged());
        QCOMPARE(document().history().count(), 1);
        QCOMPARE(document().history().index(), 1);
        QCOMPARE(probe_->element(9).geometry.left, 953);
        QCOMPARE(bytesOf(skin_->path()), before);
        QVERIFY(!QFileInfo::exists(target) && !QFileInfo::exists(target + ".lkv"));
        // The export asks for the package's name only after the question.
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::ChooseFile), way == "package" ? 2 : 0);
    }

    void aDroppedBitmapIsChosenLikeThePictureDialogsChoice()
    {
        probe_->press(probe_->view("Image09p"));
        const QString picture =
            probe_->offerPicture(otherFolderPath(), QStringLiteral("neu.bmp"), {28, 28}, Qt::red);
        QVERIFY(dropFiles(probe_->view("Image01do"), {picture}));
        const SkinElement &exit = probe_->element(9);
        QCOMPARE(QString::fromStdString(exit.statePath(StateBitmap::Do)), picture);
        QCOMPARE(document().history().count(), 1);
        QVERIFY(dropFiles(probe_->view("ImageP"), {picture}));
        QCOMPARE(document().graphicPicture(Graphic::PlayerBackground).pixel(1, 1),
                 QColor(Qt::red).rgb());
        QCOMPARE(document().history().count(), 2);
        // With nothing selected the previews have no state to take it.
        document().select({});
        QVERIFY(!dropFiles(probe_->view("Image01do"), {picture}));
    }

    void aBitmapChangedOnDiskIsShownAgain_data()
    {
        QTest::addColumn<bool>("goneFirst");
        QTest::newRow("written over") << false;
        // As by a tool that deletes before it writes, or a copy put back later.
        QTest::newRow("deleted, then written again") << true;
    }

    void aBitmapChangedOnDiskIsShownAgain()
    {
        QFETCH(bool, goneFirst);
        // Selected, so that its state preview must follow the file too.
        document().select(Selection::of(*findElement(9)));
        if (goneFirst) {
            QVERIFY(QFile::remove(QDir(skin_->folder()).filePath("btn_exit_up.bmp")));
            QTest::qWait(500);
        }
        skin_->writeBitmap(QStringLiteral("btn_exit_up.bmp"), 28, 28); // dark cyan
        QTRY_COMPARE(document().upPicture(*findElement(9)).pixel(3, 3), QColor(Qt::darkCyan).rgb());
        QCOMPARE(probe_->view("Image01up")->pixmap().toImage().pixel(3, 3),
                 QColor(Qt::darkCyan).rgb());
        QCOMPARE(document().history().count(), 0);
        QVERIFY(!document().hasUnsavedChanges());
    }

    void aSkinFileChangedOnDiskIsReloadedOnYes()
    {
        probe_->dialogs->answerYesNo(true);
        skin_->setKey("btn_exit", "position", "900,8, 0, 0");
        QTRY_COMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 1);
        QVERIFY(probe_->dialogs->texts(ScriptedDialogs::YesNo)[0].endsWith(
            QStringLiteral("wurde außerhalb von Velmor geändert. Neu laden?")));
        QCOMPARE(probe_->element(9).geometry.left, 900);
    }

    void aSkinFileKeptOnNoIsOnlyOverwrittenAfterAsking()
    {
        editSomething();
        probe_->dialogs->answerYesNo(false);
        skin_->setKey("btn_exit", "position", "900,8, 0, 0");
        QTRY_COMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 1);
        QCOMPARE(probe_->element(9).geometry.left, 953);
        probe_->dialogs->answerYesNo(false);
        probe_->command("FileSave1")->trigger();
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 2);
        QFile file(skin_->path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("position=900,8, 0, 0"));
        QVERIFY(probe_->saveEnabled());
    }

    void aSkinFileThatDisappearsIsReportedOnceAndSaveAsStillWorks()
    {
        QVERIFY(QFile::remove(skin_->path()));
        QTRY_COMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 1);
        QVERIFY(probe_->dialogs->texts(ScriptedDialogs::Message)[0].contains(
            QStringLiteral("gibt es nicht mehr")));
        const QString copy = QDir(otherFolderPath()).filePath("gerettet.lkv");
        probe_->dialogs->answerSaveSkinAs(copy);
        probe_->command("FileSaveAs1")->trigger();
        QVERIFY(QFile::exists(copy));
        QTest::qWait(500);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 1);
    }

    // Each file dialog says what the file is for, and those of an open skin start in its
    // folder, wherever the program was started.
    void fileDialogsNameTheirPurposeAndStartInTheSkinFolder()
    {
        QFile::remove(QDir(folder_->path()).filePath("btn_about_do.bmp"));
        probe_->dialogs->answerChooseItem(QString::fromLatin1(version15));
        probe_->command("FileOpen1")->trigger();
        probe_->command("FileCompare")->trigger();
        probe_->command("FileSaveAs1")->trigger();
        probe_->command("FileNewFromTemplate")->trigger();
        EditorProbe::doubleClick(probe_->view("ImageP"));
        probe_->command("SkinCheck")->trigger();
        QTreeWidget *problems = probe_->form->checkReport().problemList();
        QCOMPARE(problems->topLevelItemCount(), 1);
        problems->setCurrentItem(problems->topLevelItem(0));
        probe_->child<QPushButton>("ReplaceBitmap")->click();

        QSet<QString> titles;
        for (const ScriptedDialogs::Call &call : probe_->dialogs->calls()) {
            if (call.kind == ScriptedDialogs::ChooseItem)
                continue;
            QCOMPARE(QFileInfo(call.folder).canonicalFilePath(),
                     QFileInfo(folder_->path()).canonicalFilePath());
            QVERIFY2(!titles.contains(call.title), qPrintable(call.title));
            titles << call.title;
        }
        QCOMPARE(titles.size(), 6);
    }

private:
    QString otherFolderPath() const
    {
        otherFolder_ = std::make_unique<QTemporaryDir>();
        return otherFolder_->path();
    }

    std::unique_ptr<QTemporaryDir> folder_;
    mutable std::unique_ptr<QTemporaryDir> otherFolder_;
    std::unique_ptr<EditorProbe> probe_;
    std::unique_ptr<DemoSkinCopy> skin_;
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
