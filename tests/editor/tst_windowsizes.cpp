#include "editor/controls/ElementOutline.h"
#include "editor/controls/PageView.h"
#include "editor/controls/StartPanel.h"
#include "tests/editor/EditorProbe.h"

#include <QDockWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

// The window on the screens people have: the layout the skin author knows at the
// default size, every control within reach on a small screen, and what a large window
// gains going to the page.
class WindowSizesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    QWidget *client() const { return probe_->form->centralWidget(); }
    QTabWidget *notebook() const { return probe_->child<QTabWidget>(QStringLiteral("Notebook")); }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    QRect inClient(QWidget *control) const
    {
        return QRect(control->mapTo(client(), QPoint(0, 0)), control->size());
    }
    void showAt(QSize size) const
    {
        probe_->form->resize(size);
        probe_->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(probe_->form.get()));
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
    }
    void cleanup()
    {
        probe_.reset();
        folder_.reset();
    }

    void theDefaultSizeShowsTheDrawnLayout()
    {
        probe_->open(folder_->path());
        probe_->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(probe_->form.get()));
        QCOMPARE(client()->size(), QSize(1024, 666));
        QCOMPARE(inClient(notebook()), QRect(0, 147, 1001, 505));
        QCOMPARE(inClient(probe_->field("grossX")).topLeft(), QPoint(632, 67));
        QCOMPARE(inClient(probe_->field("PositionY")).topLeft(), QPoint(704, 107));
        QCOMPARE(inClient(probe_->child(QStringLiteral("GroupBox1"))), QRect(8, 11, 473, 129));
    }

    void aSmallScreenKeepsEveryControlWithinReach_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1024 x 600") << QSize(1024, 600);
        QTest::newRow("1366 x 768 at 125 %") << QSize(1093, 614);
    }
    void aSmallScreenKeepsEveryControlWithinReach()
    {
        QFETCH(QSize, size);
        probe_->open(folder_->path());
        showAt(size);
        QCOMPARE(probe_->form->size(), size);
        notebook()->setCurrentWidget(player()->parentWidget());
        probe_->form->zoom().setPercent(200);
        QVERIFY(player()->isVisible() && player()->height() > 100);
        QVERIFY(player()->verticalScrollBar()->maximum() > 0);
        QVERIFY(player()->horizontalScrollBar()->maximum() > 0);
        // Scrolled to either end, the panel shows each control whole.
        auto *panel = probe_->child<QScrollArea>(QStringLiteral("EditingPanelArea"));
        for (const char *name :
             {"GroupBox1", "grossX", "grossY", "PositionX", "PositionY", "edit1"}) {
            QWidget *control = probe_->child(QString::fromLatin1(name));
            QScrollBar *sideways = panel->horizontalScrollBar();
            sideways->setValue(std::string_view(name) == "GroupBox1" ? 0 : sideways->maximum());
            const QRect shown(control->mapTo(panel->viewport(), QPoint(0, 0)), control->size());
            QVERIFY2(panel->viewport()->rect().contains(shown), name);
        }
        // The keyboard brings a control it reaches into sight.
        panel->horizontalScrollBar()->setValue(0);
        QSpinBox *right = probe_->field("grossY");
        QVERIFY(QTest::qWaitForWindowActive(probe_->form.get()));
        right->setFocus(Qt::TabFocusReason);
        QVERIFY(panel->viewport()->rect().contains(right->mapTo(panel->viewport(), QPoint(0, 0))));
    }

    void aLargeWindowGivesItsRoomToThePage()
    {
        probe_->open(folder_->path());
        probe_->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(probe_->form.get()));
        const QSize before = probe_->form->size();
        const int dockWidth = probe_->form->outline().width();
        const QSize pages = notebook()->size();
        showAt(QSize(1600, 981));
        QCOMPARE(probe_->form->outline().width(), dockWidth);
        QCOMPARE(notebook()->size(), pages + (QSize(1600, 981) - before));
        QCOMPARE(inClient(probe_->field("grossX")).topLeft(), QPoint(632, 67));
    }

    void theOutlineNarrowsClosesAndComesBack()
    {
        showAt(QSize(1024, 600));
        ElementOutline &outline = probe_->form->outline();
        QVERIFY(outline.minimumSizeHint().width() <= 200);
        QAction *shown = probe_->command("ViewElementOutline");
        shown->trigger();
        QVERIFY(outline.isHidden());
        shown->trigger();
        QVERIFY(outline.isVisible());
    }

    // Without a skin the window says what to do; the ways it names work.
    void withoutASkinTheWindowShowsTheWaysToOne()
    {
        probe_->form->showRecentSkins({QDir(folder_->path()).filePath("zuletzt.lkv")});
        showAt(QSize(1024, 600));
        auto *start = probe_->child<StartPanel>(QStringLiteral("StartPanel"));
        QVERIFY(start->isVisible());
        const QList<QPushButton *> buttons = start->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        buttons.front()->click();
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::OpenSkin), 1);
        const QString skin = SkinFixture(true).write(folder_->path());
        QVERIFY(QFile::rename(skin, QDir(folder_->path()).filePath("zuletzt.lkv")));
        buttons.back()->click();
        QCOMPARE(QFileInfo(QString::fromStdString(probe_->form->document().skinPath)).fileName(),
                 QStringLiteral("zuletzt.lkv"));
        QVERIFY(start->isHidden());
    }
};

QTEST_MAIN(WindowSizesTest)
#include "tst_windowsizes.moc"
