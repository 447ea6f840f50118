#include "editor/document/EditorDocument.h"
#include "editor/windows/SkinCheckReport.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/HostileFiles.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QColor chosenColour(200, 40, 90);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class BitmapRepairTest : public QObject {
    Q_OBJECT

    QTreeWidget *problems() const { return probe_->child<QTreeWidget>("ProblemList"); }
    QPushButton *replaceButton() const { return probe_->child<QPushButton>("ReplaceBitmap"); }
    QString inSkin(const QString &name) const
    {
        return QDir(skin_->folder()).filePath(QString(name).replace('\\', '/'));
    }
    QTreeWidgetItem *rowNaming(const QString &name) const
    {
        const QString file = QFileInfo(QString(name).replace('\\', '/')).fileName();
        for (int i = 0; i < problems()->topLevelItemCount(); ++i) {
            if (problems()->topLevelItem(i)->text(0).contains(file))
                return problems()->topLevelItem(i);
        }
        return nullptr;
    }
    void replace(const QString &name) const
    {
        problems()->setCurrentItem(rowNaming(name));
        replaceButton()->click();
    }
    QColor shownColour(const QString &name) const
    {
        return probe_->view(qPrintable(name))->pixmap().toImage().pixelColor(0, 0);
    }
    QString offer() const
    {
        return probe_->offerPicture(picks_.path(), "neu.bmp", {48, 40}, chosenColour);
    }
    void checkWithPlaySelected() const
    {
        probe_->form->editorDocument().select(Selection::of(*findElement(29)));
        probe_->command("SkinCheck")->trigger();
    }
    void openAndCheck() const
    {
        probe_->form->load(skin_->path());
        checkWithPlaySelected();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        skin_ = std::make_unique<DemoSkinCopy>("sonnengelb-15", folder_->filePath("skin"));
    }

    void aSkinWhoseLoadStoppedOpensOnceTheBitmapIsReplaced()
    {
        QFile::remove(inSkin("btn_play_up.bmp"));
        probe_->form->load(skin_->path());
        offer();
        replace("btn_play_up.bmp");
        QVERIFY(probe_->command("SkinCheck")->isEnabled());
        QCOMPARE(problems()->topLevelItemCount(), 0);
        QCOMPARE(shownColour("Image29p"), chosenColour);
    }

    void aBitmapOfTheOpenSkinShowsAtOnceWhenReplaced_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("there"); // what stands under the name once the skin is open
        const auto row = [](const char *title, const char *state, const char *name,
                            const char *there) { QTest::newRow(title) << state << name << there; };
        row("missing", "do", "btn_play_do.bmp", "");
        row("in folders yet to make", "do", "neu\\tief\\knopf.bmp", "");
        row("no bitmap", "up", "btn_play_up.bmp", "garbage");
        row("a pipe", "do", "btn_play_do.bmp", "pipe");
    }
    void aBitmapOfTheOpenSkinShowsAtOnceWhenReplaced()
    {
        QFETCH(QString, state);
        QFETCH(QString, name);
        QFETCH(QString, there);
        skin_->setKey("btn_play", "bitmap_" + state, name);
        QFile::remove(inSkin("btn_play_do.bmp"));
        probe_->form->load(skin_->path());
        if (there == "pipe" && !makeFifo(inSkin(name)))
            QSKIP("no named pipes here");
        if (there == "garbage")
            skin_->writeFile(name, QByteArray(3000, 'x'));
        checkWithPlaySelected();
        const QString chosen = offer();
        {
            const Watchdog watchdog(std::chrono::seconds(10), "replacing a pipe");
            replace(name);
        }
        QCOMPARE(shownColour("Image01" + state), chosenColour);
        QCOMPARE(contents(inSkin(name)), contents(chosen));
        QVERIFY(!rowNaming(name));
        QVERIFY(!probe_->saveEnabled());
    }

    // Nothing is written, and the problem stays listed.
    void aRefusedReplacementLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("why");
        const auto row = [](const char *title, const QString &name, const char *chosen,
                            const char *why) { QTest::newRow(title) << name << chosen << why; };
        row("parent folder", "..\\fremd.bmp", "", "außerhalb");
        row("in and out again", "neu\\..\\..\\fremd.bmp", "", "außerhalb");
        row("complete path", picks_.filePath("fremd.bmp"), "", "außerhalb");
        row("through a link", "bilder\\fremd.bmp", "", "außerhalb");
        row("chosen file of other bytes", "btn_play_do.bmp", "kaputt.bmp", "keine Bitmap");
        row("chosen file of other format", "btn_play_do.bmp", "bild.png", "keine Bitmap");
    }
    void aRefusedReplacementLeavesEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, chosen);
        QFETCH(QString, why);
        QFile::link(picks_.path(), inSkin("bilder"));
        QFile::remove(inSkin("btn_play_do.bmp"));
        skin_->setKey("btn_play", "bitmap_do", name);
        openAndCheck();
        if (!chosen.isEmpty()) {
            QImage(4, 4, QImage::Format_RGB32).save(picks_.filePath(chosen), "PNG");
            probe_->dialogs->answerOpenPicture(picks_.filePath(chosen));
        }
        replace(name);
        // A place outside is refused before the user chooses a file for it.
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::OpenPicture), chosen.isEmpty() ? 0 : 1);
        QVERIFY(probe_->dialogs->texts(ScriptedDialogs::Error).last().contains(why));
        QVERIFY(!QFileInfo::exists(inSkin("btn_play_do.bmp")));
        QVERIFY(!QFileInfo::exists(folder_->filePath("fremd.bmp")));
        QVERIFY(!QFileInfo::exists(picks_.filePath("fremd.bmp")));
        QVERIFY(rowNaming(name));
    }

    void replacingIsOfferedOnlyForABitmapThatIsMissingOrBroken()
    {
        QFile::remove(inSkin("btn_play_do.bmp"));
        skin_->setKey("btn_schedule_delete", "size", "50,20");
        openAndCheck();
        QCOMPARE(problems()->topLevelItemCount(), 2);
        QTreeWidgetItem *missing = rowNaming("btn_play_do.bmp");
        QTreeWidgetItem *other = problems()->itemBelow(missing) ? problems()->itemBelow(missing)
                                                                : problems()->itemAbove(missing);
        QVERIFY(!replaceButton()->isEnabled());
        problems()->setCurrentItem(other);
        QVERIFY(!replaceButton()->isEnabled() && !probe_->form->checkReport().menuFor(other));
        problems()->setCurrentItem(missing);
        QVERIFY(replaceButton()->isEnabled());

        // The context menu does what the button does.
        offer();
        probe_->form->checkReport().menuFor(missing)->actions().value(0)->trigger();
        QCOMPARE(problems()->topLevelItemCount(), 1);
    }

private:
    QTemporaryDir picks_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    std::unique_ptr<DemoSkinCopy> skin_;
};

QTEST_MAIN(BitmapRepairTest)
#include "tst_bitmaprepair.moc"
