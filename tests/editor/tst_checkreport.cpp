#include "editor/document/EditorDocument.h"
#include "editor/windows/SkinCheckReport.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

class CheckReportTest : public QObject {
    Q_OBJECT

    QString summary() const { return probe_->child<QLabel>("CheckSummary")->text(); }
    QTreeWidget *problems() const { return probe_->child<QTreeWidget>("ProblemList"); }
    QStringList messages() const
    {
        QStringList texts;
        for (int i = 0; i < problems()->topLevelItemCount(); ++i)
            texts << problems()->topLevelItem(i)->text(0);
        return texts;
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        skin_ = std::make_unique<DemoSkinCopy>(QStringLiteral("sonnengelb-15"), folder_->path());
    }

    void theCommandChecksTheOpenSkinAndFollowsItsEdits()
    {
        QAction *check = probe_->command("SkinCheck");
        QVERIFY(!check->isEnabled());
        probe_->form->load(skin_->path());
        QVERIFY(check->isEnabled());
        check->trigger();
        QVERIFY(probe_->form->checkReport().isVisible());
        QCOMPARE(summary(), QStringLiteral("Keine Probleme gefunden."));

        // An unsaved move counts: the skin is checked as the editor holds it.
        EditorDocument &document = probe_->form->editorDocument();
        document.select(Selection::of(*findElement(9)));
        document.editEdge(Edge::Left, 925);
        QTRY_COMPARE(problems()->topLevelItemCount(), 1);
        QVERIFY(messages().value(0).contains(QStringLiteral("Element 10 (btn_minimize)")));
        document.history().undo();
        QTRY_COMPARE(summary(), QStringLiteral("Keine Probleme gefunden."));
    }

    void aDoubleClickSelectsTheElementWithoutMovingIt()
    {
        skin_->setKey("btn_schedule_delete", "size", "50,20");
        probe_->form->load(skin_->path());
        probe_->command("SkinCheck")->trigger();
        QCOMPARE(problems()->topLevelItemCount(), 1);
        const Rect before = probe_->element(28).geometry;
        QTreeWidgetItem *row = problems()->topLevelItem(0);
        const QPoint at = problems()->visualItemRect(row).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            EditorProbe::mouse(problems()->viewport(), type, at);
        QVERIFY(probe_->form->selection().isElement(*findElement(28)));
        QCOMPARE(probe_->child<QTabWidget>("Notebook")->currentWidget()->objectName(),
                 QStringLiteral("TabSchedule"));
        QCOMPARE(probe_->element(28).geometry, before);
        QCOMPARE(probe_->fields(), (QList<int>{before.left, before.top, 50, 20}));
    }

    void aLoadThatStopsAtABitmapReportsEveryProblemOfTheFile()
    {
        skin_->writeFile("bg_schedule.bmp", "broken");
        skin_->writeFile("btn_play_up.bmp", "broken too");
        probe_->form->load(skin_->path());
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        QVERIFY(probe_->form->checkReport().isVisible());
        QCOMPARE(problems()->topLevelItemCount(), 2);
        QVERIFY(messages()[0].contains(QStringLiteral("bg_schedule.bmp")));
        QVERIFY(messages()[1].contains(QStringLiteral("btn_play_up.bmp")));
        QCOMPARE(problems()->topLevelItem(1)->text(2),
                 QString::number(skin_->lineOf("btn_play", "bitmap_up")));
    }

    void closesByItsButtonAndByEscapeInTheList()
    {
        probe_->form->load(skin_->path());
        SkinCheckReport &report = probe_->form->checkReport();
        report.showForDocument();
        report.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
        QVERIFY(!report.isVisible());
        report.showForDocument();
        QTest::keyClick(problems(), Qt::Key_Escape);
        QVERIFY(!report.isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    std::unique_ptr<DemoSkinCopy> skin_;
};

QTEST_MAIN(CheckReportTest)
#include "tst_checkreport.moc"
