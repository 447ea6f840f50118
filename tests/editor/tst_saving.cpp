#include "platform/SkinChecker.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QFile>
#include <QtTest>

namespace {

using Probe = EditorProbe;

} // namespace

class SavingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    QString skinPath_;

    Shown view(const char *name) const { return probe_->view(name); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        skinPath_ = probe_->open(folder_->path());
    }

    void draggedAndRetypedButtonIsWhereItWasLeftAfterReopening()
    {
        const QByteArrayList before = linesOf(skinPath_);
        Probe::drag(view("Image29s"), {10, 5});
        probe_->field("grossX")->selectAll();
        QTest::keyClicks(probe_->field("grossX"), QStringLiteral("40"));
        probe_->save();
        QVERIFY(!probe_->saveEnabled());
        QVERIFY(!probe_->due(29));

        const QByteArrayList after = linesOf(skinPath_);
        const int left = SkinFixture::left(29) + 10;
        const int top = SkinFixture::top(29) + 5;
        const QByteArrayList play = sectionOf(after, "btn_play");
        QVERIFY(
            play.contains(QStringLiteral("position=%1,%2, 0, 0\r").arg(left).arg(top).toLatin1()));
        QVERIFY(
            play.contains(QStringLiteral("size=40,%1\r").arg(SkinFixture::height(29)).toLatin1()));
        QVERIFY(play.contains("bitmap_up=e29_up.bmp\r"));
        QVERIFY(play.contains("font_color_up=0\r"));
        for (const char *untouched : {"btn_stop", "btn_schedule", "btn_wizard", "c_combo_streams"})
            QCOMPARE(sectionOf(after, untouched), sectionOf(before, untouched));
        QCOMPARE(after.first(), before.first());

        EditorProbe reopened;
        reopened.form->load(skinPath_);
        for (const char *name : {"Image29p", "Image29s", "Image29d"})
            QCOMPARE(reopened.view(name)->geometry(),
                     QRect(left, top, 40, SkinFixture::height(29)));
        QCOMPARE(reopened.view("Image30p")->geometry(),
                 QRect(SkinFixture::left(30), SkinFixture::top(30), SkinFixture::width(30),
                       SkinFixture::height(30)));
    }

    void fieldSetByTheProgramMarksNothing()
    {
        Probe::click(view("Image05p"));
        probe_->field("PositionX")->setValue(333);
        Probe::drag(view("ListPlayer"), {1, 1}, {0, 0});
        probe_->save();
        QVERIFY(!sectionOf(linesOf(skinPath_), "btn_schedule").join().contains("333"));
    }

    void saveAsWritesTheChosenFileWithEveryBitmapItNames()
    {
        const QString copy = folder_->filePath(QStringLiteral("other/copy.lkv"));
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("other")));
        probe_->saveAs(copy);
        QCOMPARE(probe_->dialogs->calls().last().folder + QStringLiteral("skin.lkv"), skinPath_);
        QVERIFY(QFile::exists(copy));
        QVERIFY(QFile::exists(folder_->filePath(QStringLiteral("other/e05_up.bmp"))));
        QVERIFY(QFile::exists(folder_->filePath(QStringLiteral("other/g0.bmp"))));
        QCOMPARE(QString::fromStdString(probe_->form->document().skinPath), copy);
        const SkinReport report = checkSkinFile(copy);
        QCOMPARE(report.count(Severity::Error), 0);
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Message), 0);

        // The copy is the skin now: a later save goes there.
        Probe::drag(view("Image05p"), {1, 1});
        probe_->save();
        QVERIFY(sectionOf(linesOf(copy), "btn_schedule").contains("bitmap_up=e05_up.bmp\r"));
    }

    void failedWriteIsReportedAndLosesNothing()
    {
        Probe::drag(view("Image05p"), {3, 0});
        const QString nowhere = folder_->filePath(QStringLiteral("gone/skin.lkv"));
        probe_->saveAs(nowhere);
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::Error),
                 QStringList{
                     QStringLiteral("Die Datei %1 konnte nicht gespeichert werden. Den Ordner %2 "
                                    "gibt es nicht.")
                         .arg(QDir::toNativeSeparators(nowhere),
                              QDir::toNativeSeparators(QFileInfo(nowhere).absolutePath()))});
        QVERIFY(probe_->saveEnabled());
        QVERIFY(probe_->due(5));

        probe_->saveAs(skinPath_);
        QVERIFY(!probe_->saveEnabled());
        QVERIFY(sectionOf(linesOf(skinPath_), "btn_schedule")
                    .contains(QStringLiteral("position=%1,%2, 0, 0\r")
                                  .arg(SkinFixture::left(5) + 3)
                                  .arg(SkinFixture::top(5))
                                  .toLatin1()));
    }

    // Save As makes a new file: a link chosen as its name is refused, never written through.
    void saveAsOntoALinkIsRefused()
    {
        const QString aside = folder_->filePath(QStringLiteral("aside.lkv"));
        const QString link = folder_->filePath(QStringLiteral("link.lkv"));
        QFile file(aside);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        // Windows' QFile::link makes a shortcut, which is a plain file.
        if (!QFile::link(aside, link) || !QFileInfo(link).isSymbolicLink())
            QSKIP("this file system has no symbolic links");
        Probe::drag(view("Image05p"), {3, 0});
        probe_->saveAs(link);
        const QStringList errors = probe_->dialogs->texts(ScriptedDialogs::Error);
        QVERIFY2(errors.size() == 1 && errors.front().contains(QStringLiteral("Verknüpfung")),
                 qPrintable(errors.join('\n')));
        QCOMPARE(linesOf(aside), QByteArrayList{"old"});
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(probe_->saveEnabled());
    }

    void listDragReachesTheMainDialogGeometry()
    {
        Probe::drag(view("ListSchedule"), {-40, 5}, {1, 1});
        probe_->save();
        const QByteArrayList main = sectionOf(linesOf(skinPath_), "dlg_main");
        QVERIFY(main.contains("position_m=590,100 // anfangsposition von body unten\r"));
        QVERIFY(main.contains("position_g=140,50  // anfangspos von body oben\r"));
        QVERIFY(main.contains("size_m=310,180\r"));
        QVERIFY(main.contains("size_g=260,240\r"));

        EditorProbe reopened;
        reopened.form->load(skinPath_);
        QCOMPARE(reopened.view("ListDescription")->geometry(), QRect(450, 50, 260, 180));
    }
};

QTEST_MAIN(SavingTest)
#include "tst_saving.moc"
