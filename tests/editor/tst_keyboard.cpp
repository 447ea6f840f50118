#include "editor/controls/PageView.h"
#include "platform/Language.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The entries without a letter, and those whose letter an entry above took already.
QStringList letterFaults(const QList<QAction *> &entries)
{
    QStringList faults;
    QSet<QKeySequence> taken;
    for (const QAction *entry : entries) {
        const QKeySequence letter = QKeySequence::mnemonic(entry->text());
        if (!entry->isSeparator() && (letter.isEmpty() || taken.contains(letter)))
            faults << entry->text();
        taken.insert(letter);
    }
    return faults;
}

} // namespace

// The window without the mouse: Tab reaches the page and walks its elements, every menu
// and entry has a letter of its own, and every command's key reaches it.
class KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;

    MainWindow &form() const { return *probe_->form; }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    int selected() const
    {
        const Selection &key = form().selection();
        return key.kind == Selection::Kind::Element ? key.element->number : -1;
    }
    void tab(bool forward = true) const
    {
        QTest::keyClick(form().focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    bool framed() const
    {
        return player()->viewport()->grab().toImage().pixelColor(0, 0) ==
               player()->palette().color(QPalette::Highlight);
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        form().show();
        QApplication::setActiveWindow(&form());
        form().showRecentSkins({probe_->open(folder_->path())});
        form().pages().notebook->setCurrentIndex(static_cast<int>(Page::Player));
    }

    void cleanup() { applyLanguage(Language::German); }

    void tabReachesThePageWhereTheArrowsMoveTheSelection()
    {
        form().editorDocument().select(Selection::of(*findElement(8)));
        probe_->child(QStringLiteral("edit1"))->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 10 && form().focusWidget() != player(); ++presses)
            tab();
        QCOMPARE(form().focusWidget(), player());
        QVERIFY(framed());
        QTest::keyClick(player(), Qt::Key_Right);
        QCOMPARE(probe_->element(8).geometry.left, SkinFixture::left(8) + 1);
    }

    // Past either end Tab leaves the page, also while the states are shown.
    void tabWalksThePageInTheOutlinesOrderAndThenLeavesIt()
    {
        QList<int> outline;
        for (int row = 0; row < form().outline().tree()->topLevelItemCount(); ++row)
            outline << form().outline().tree()->topLevelItem(row)->text(0).toInt();
        player()->setFocus(Qt::TabFocusReason);
        QList<int> walked;
        while (walked.size() < outline.size() && form().focusWidget() == player()) {
            tab();
            walked << selected();
        }
        QCOMPARE(walked, outline);
        tab();
        QCOMPARE(form().focusWidget(), form().outline().filter());
        QVERIFY(!framed());
        tab(false);
        tab(false);
        QCOMPARE(selected(), outline[outline.size() - 2]);

        form().editorDocument().select(Selection::of(*findElement(outline.front())));
        tab(false);
        QVERIFY(form().focusWidget() != player());
        form().commands().statePreview->setChecked(true);
        player()->setFocus(Qt::TabFocusReason);
        tab();
        QCOMPARE(form().focusWidget(), form().outline().filter());
        QCOMPARE(selected(), outline.front());
    }

    void everyMenuAndEveryEntryHasALetterOfItsOwn()
    {
        const QList<QAction *> bar = form().menuBar()->actions();
        QList<QMenu *> menus;
        for (const QAction *title : bar)
            menus << title->menu() << title->menu()->findChildren<QMenu *>();
        for (const Language language : {Language::German, Language::English}) {
            applyLanguage(language);
            QCOMPARE(letterFaults(bar), QStringList());
            for (const QMenu *menu : menus)
                QCOMPARE(letterFaults(menu->actions()), QStringList());
        }
        applyLanguage(Language::German);
    }

    // Nor do the arrow keys and Escape, which the page must receive.
    void noTwoCommandsShareAKey()
    {
        using Held = Qt::KeyboardModifiers;
        QSet<QKeySequence> taken{QKeySequence(Qt::Key_Escape)};
        for (const Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            for (const Held held : {Held(), Held(Qt::ShiftModifier), Held(Qt::ControlModifier),
                                    Qt::ControlModifier | Qt::ShiftModifier})
                taken << QKeySequence(held | arrow);
        }
        for (Arrangement arrangement : allArrangements)
            QVERIFY(!form().commands().arrangeAction(arrangement)->shortcut().isEmpty());
        for (const QAction *command : form().findChildren<QAction *>()) {
            for (const QKeySequence &key : command->shortcuts()) {
                QVERIFY2(!taken.contains(key), qPrintable(key.toString()));
                taken << key;
            }
        }
    }

    // Pressed with several selected, it opens where the key element stands.
    void menuKeyOpensTheKeyElementsMenu()
    {
        form().editorDocument().selectElements({findElement(8), findElement(10)});
        QRect opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget *menu = QApplication::activePopupWidget()) {
                opened = menu->geometry();
                menu->close();
            }
        });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, {1, 1}, player()->mapToGlobal(QPoint()));
        QApplication::sendEvent(player()->viewport(), &key);
        const QPointF centre = SkinFixture::place(8).toRectF().center();
        const QPoint at = player()->viewport()->mapToGlobal(player()->mapFromScene(centre));
        QCOMPARE(opened.left(), at.x());
        QVERIFY(opened.top() == at.y() || opened.bottom() + 1 == at.y());
        QCOMPARE(form().editorDocument().selectedItems().size(), std::size_t{2});
    }

    void quitKeyClosesTheWindow()
    {
        QSignalSpy closing(&form(), &MainWindow::closing);
        QTest::keyClick(&form(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(closing.count(), 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
