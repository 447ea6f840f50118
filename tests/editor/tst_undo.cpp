#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QImage>
#include <QLineEdit>
#include <QtTest>

namespace {

using Probe = EditorProbe;

} // namespace

// Undo, redo and the arrow keys, on the document and through the window.
class UndoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    EditorDocument &document() const { return probe_->form->editorDocument(); }
    QUndoStack &history() const { return document().history(); }
    Shown view(const char *name) const { return probe_->view(name); }
    QList<int> fields() const { return probe_->fields(); }
    static QList<int> fieldsOf(const QRect &rect)
    {
        return {rect.x(), rect.y(), rect.width(), rect.height()};
    }
    void key(const char *page, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(probe_->child(QString::fromLatin1(page)), static_cast<Qt::Key>(key),
                        modifiers);
    }
    QString offer(const QString &name, QSize size) const
    {
        return probe_->offerPicture(folder_->path(), name, size);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        probe_->open(folder_->path());
    }

    void dragIsOneStepUndoneOnEveryViewAndInTheFields()
    {
        const Shown dragged = view("Image07s");
        Probe::press(dragged);
        // The view follows the pointer, which stays where it took hold: ten moves of one.
        for (int move = 0; move < 10; ++move)
            Probe::mouse(dragged, QEvent::MouseMove, {3, 2 + move % 2});
        Probe::mouse(dragged, QEvent::MouseButtonRelease, {3, 2});
        QCOMPARE(history().count(), 1);
        QCOMPARE(probe_->command("EditUndo")->text(), QStringLiteral("&Rückgängig: Verschieben"));

        probe_->command("EditUndo")->trigger();
        const QRect place = SkinFixture::place(7);
        for (const char *name : {"Image07p", "Image07s", "Image07d"})
            QCOMPARE(view(name)->geometry(), place);
        QCOMPARE(fields(), fieldsOf(place));
        QVERIFY(!probe_->due(7));
        QVERIFY(!probe_->saveEnabled());
        QCOMPARE(probe_->command("EditUndo")->text(), QStringLiteral("&Rückgängig"));
        QVERIFY(!probe_->command("EditUndo")->isEnabled());

        probe_->command("EditRedo")->trigger();
        QCOMPARE(view("Image07d")->geometry(), place.translated(10, 5));
        QCOMPARE(fields(), fieldsOf(place.translated(10, 5)));
        QVERIFY(probe_->due(7));
        QVERIFY(probe_->saveEnabled());
    }

    // The field's own text undo must not answer these keys: it would undo the typing
    // and make that an edit of its own.
    void undoAndRedoKeysActOnTheHistoryWhileAFieldHasTheFocus()
    {
        QApplication::setActiveWindow(probe_->form.get());
        Probe::click(view("Image08p"));
        const QRect place = SkinFixture::place(8);
        auto *width = probe_->field("grossX");
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("120"));
        QCOMPARE(history().count(), 1);
        QCOMPARE(probe_->placeOf(8).width(), 120);

        QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(history().count(), 1);
        QCOMPARE(history().index(), 0);
        QCOMPARE(probe_->placeOf(8), place);
        QCOMPARE(width->value(), place.width());
        QTest::keyClick(width, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(history().index(), 1);
        QCOMPARE(probe_->placeOf(8).width(), 120);
        QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(width, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(history().count(), 1);
        QCOMPARE(history().index(), 1);
        QCOMPARE(width->value(), 120);
        QCOMPARE(history().undoText(), QStringLiteral("Größe ändern"));
    }

    void arrowKeysMoveAndResizeWithinTheFieldRange()
    {
        Probe::click(view("Image05d"));
        QCOMPARE(probe_->form->focusWidget(), probe_->child("DescriptionPageView"));
        const QRect place = SkinFixture::place(5);
        key("DescriptionPageView", Qt::Key_Left);
        key("DescriptionPageView", Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(probe_->placeOf(5), place.translated(-1, -10));
        QCOMPARE(view("Image05p")->geometry(), place.translated(-1, -10));
        QCOMPARE(fields(), fieldsOf(place.translated(-1, -10)));
        QVERIFY(probe_->due(5));

        document().editEdge(Edge::Width, 995);
        for (int press = 0; press < 3; ++press)
            key("DescriptionPageView", Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(probe_->placeOf(5).width(), 1000);
        document().editEdge(Edge::Height, 3);
        key("DescriptionPageView", Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(probe_->placeOf(5).height(), 0);
        const int steps = history().count();
        key("DescriptionPageView", Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(history().count(), steps);
    }

    void pageBackgroundOnlyResizesAndMarksNothing()
    {
        Probe::click(view("ImageS"));
        const Rect before = document().background(Page::Schedule);
        key("SchedulePageView", Qt::Key_Right);
        QCOMPARE(document().background(Page::Schedule), before);
        key("SchedulePageView", Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view("ImageS")->width(), before.width + 1);
        QCOMPARE(probe_->field("grossX")->value(), before.width + 1);
        QVERIFY(!probe_->saveEnabled());
        history().undo();
        QCOMPARE(view("ImageS")->width(), before.width);
    }

    void trackListsMovedByKeysCarryThePlayerList()
    {
        Probe::click(view("ListSchedule"));
        key("SchedulePageView", Qt::Key_Down, Qt::ShiftModifier);
        for (const char *name : {"ListPlayer", "ListSchedule", "ListDescription"})
            QCOMPARE(view(name)->pos(), QPoint(490, 55));
        QVERIFY(probe_->saveEnabled());
        history().undo();
        QCOMPARE(view("ListPlayer")->pos(), QPoint(490, 45));
        QVERIFY(!probe_->saveEnabled());
    }

    void chosenUpBitmapIsUndoneWithItsSizeAndPreview()
    {
        Probe::click(view("Image29p"));
        const QString path = offer(QStringLiteral("Neu.bmp"), {41, 17});
        Probe::doubleClick(probe_->child(QStringLiteral("Image01up")));
        QCOMPARE(view("Image29s")->size(), QSize(41, 17));
        history().undo();
        const QRect place = SkinFixture::place(29);
        for (const char *name : {"Image29p", "Image29s", "Image29d"}) {
            QCOMPARE(view(name)->geometry(), place);
            QCOMPARE(probe_->view(name)->pixmap().size(), place.size());
        }
        QCOMPARE(probe_->view("Image01up")->pixmap().size(), place.size());
        QCOMPARE(fields(), fieldsOf(place));
        QVERIFY(probe_->element(29).statePath(StateBitmap::Up) != path.toStdString());
        QVERIFY(!probe_->saveEnabled());
        history().redo();
        QCOMPARE(probe_->element(29).statePath(StateBitmap::Up), path.toStdString());
        QCOMPARE(view("Image29d")->size(), QSize(41, 17));
    }

    void chosenGraphicIsUndoneAndNoLongerAsksOnClose()
    {
        const std::string before =
            probe_->form->document().graphicPaths[static_cast<int>(Graphic::ScheduleBackground)];
        offer(QStringLiteral("Hinten.bmp"), {30, 30});
        Probe::doubleClick(view("ImageS"));
        QVERIFY(document().hasUnsavedChanges());
        QCOMPARE(probe_->command("EditUndo")->text(), QStringLiteral("&Rückgängig: Grafik wählen"));
        history().undo();
        QCOMPARE(
            probe_->form->document().graphicPaths[static_cast<int>(Graphic::ScheduleBackground)],
            before);
        QVERIFY(!document().hasUnsavedChanges());
        probe_->form->close();
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 0);
    }

    void failedOrCancelledChoicesAndUnchangedValuesAreNoSteps()
    {
        Probe::click(view("Image14p"));
        Probe::doubleClick(probe_->child(QStringLiteral("Image01do"))); // cancelled
        const QString broken = folder_->filePath(QStringLiteral("kaputt.bmp"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no bitmap");
        file.close();
        probe_->dialogs->answerOpenPicture(broken);
        Probe::doubleClick(probe_->child(QStringLiteral("Image01mo")));
        probe_->dialogs->answerOpenPicture(broken);
        Probe::doubleClick(view("ImageD"));
        document().editEdge(Edge::Left, SkinFixture::left(14));
        QCOMPARE(history().count(), 0);
        QVERIFY(!probe_->saveEnabled());
    }

    void loadStartsAnEmptyHistory()
    {
        Probe::drag(view("Image09p"), {4, 0});
        probe_->open(folder_->path());
        QCOMPARE(history().count(), 0);
        QVERIFY(!probe_->command("EditUndo")->isEnabled());
        QVERIFY(!probe_->saveEnabled());
    }
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
