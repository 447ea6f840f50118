#include "editor/PageView.h"
#include "platform/Language.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

// What is wrong with the letters of these entries: an entry without one, or two
// entries with the same.
QStringList letterFaults(const QList<QAction *> &entries)
{
    QStringList faults;
    QHash<QKeySequence, QString> taken;
    for (const QAction *entry : entries) {
        if (entry->isSeparator() || !entry->isVisible())
            continue;
        const QKeySequence letter = QKeySequence::mnemonic(entry->text());
        if (letter.isEmpty())
            faults << entry->text() + QStringLiteral(": no letter");
        else if (taken.contains(letter))
            faults << entry->text() + QStringLiteral(" and ") + taken[letter];
        taken.insert(letter, entry->text());
    }
    return faults;
}

// Every menu that the menu bar opens, and those that these open.
QList<QMenu *> menusUnder(const QList<QAction *> &entries)
{
    QList<QMenu *> menus;
    for (const QAction *entry : entries) {
        if (QMenu *menu = entry->menu()) {
            menus << menu;
            menus << menusUnder(menu->actions());
        }
    }
    return menus;
}

} // namespace

// The window without the mouse: Tab reaches the page and walks its elements, every menu
// and entry has a letter of its own, and every command's key reaches it.
class KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    QString skin_;

    MainWindow &form() const { return *probe_->form; }
    PageView *player() const { return probe_->child<PageView>(QStringLiteral("PlayerPageView")); }
    const Selection &selection() const { return form().selection(); }
    int selectedNumber() const
    {
        return selection().kind == Selection::Kind::Element ? selection().element->number : -1;
    }
    void tab(bool forward = true) const
    {
        QTest::keyClick(form().focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    QColor frameColour() const { return player()->viewport()->grab().toImage().pixelColor(0, 0); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        form().show();
        QApplication::setActiveWindow(&form());
        skin_ = probe_->open(folder_->path());
        probe_->child<QTabWidget>(QStringLiteral("Notebook"))
            ->setCurrentIndex(static_cast<int>(Page::Player));
    }

    void cleanup() { applyLanguage(Language::German); }

    void tabReachesThePageWhereTheArrowsMoveTheSelection()
    {
        form().editorDocument().select(Selection::of(*findElement(8)));
        probe_->child(QStringLiteral("edit1"))->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses < 10 && form().focusWidget() != player(); ++presses)
            tab();
        QCOMPARE(form().focusWidget(), player());
        QCOMPARE(frameColour(), player()->palette().color(QPalette::Highlight));

        QTest::keyClick(player(), Qt::Key_Right);
        QCOMPARE(probe_->element(8).geometry.left, SkinFixture::left(8) + 1);
        QCOMPARE(selectedNumber(), 8);
    }

    void tabWalksThePageInTheOutlinesOrderAndThenLeavesIt()
    {
        QList<int> outline;
        const QTreeWidget &tree = *form().outline().tree();
        for (int row = 0; row < tree.topLevelItemCount(); ++row)
            outline << tree.topLevelItem(row)->text(0).toInt();
        player()->setFocus(Qt::TabFocusReason);
        QList<int> walked;
        for (qsizetype step = 0; step < outline.size(); ++step) {
            tab();
            walked << selectedNumber();
        }
        QCOMPARE(walked, outline);
        QCOMPARE(form().focusWidget(), player());

        tab();
        QCOMPARE(form().focusWidget(), form().outline().filter());
        QCOMPARE(selectedNumber(), outline.back());
        QVERIFY(frameColour() != player()->palette().color(QPalette::Highlight));
        tab(false);
        tab(false);
        QCOMPARE(selectedNumber(), outline[outline.size() - 2]);

        form().editorDocument().select(Selection::of(*findElement(outline.front())));
        tab(false);
        QVERIFY(form().focusWidget() != player());
        QCOMPARE(selectedNumber(), outline.front());
    }

    void tabPassesThePageOnWhileTheStatesAreShown()
    {
        form().commands().StatePreview->setChecked(true);
        player()->setFocus(Qt::TabFocusReason);
        tab();
        QCOMPARE(form().focusWidget(), form().outline().filter());
        QVERIFY(selection().kind == Selection::Kind::None);
    }

    // The English menu bar is checked as well; the entries follow once the catalogue
    // gives them letters.
    void everyMenuAndEveryEntryHasALetterOfItsOwn()
    {
        form().showRecentSkins({skin_});
        const QList<QAction *> bar = form().menuBar()->actions();
        QCOMPARE(letterFaults(bar), QStringList());
        for (const QMenu *menu : menusUnder(bar))
            QVERIFY2(letterFaults(menu->actions()).isEmpty(),
                     qPrintable(letterFaults(menu->actions()).join(QLatin1Char('\n'))));
        applyLanguage(Language::English);
        QCOMPARE(letterFaults(bar), QStringList());
    }

    // The keys the page answers itself would never arrive while a command took them.
    void noTwoCommandsNorThePageShareAKey()
    {
        for (Arrangement arrangement : allArrangements)
            QVERIFY(!form().commands().arrangeAction(arrangement)->shortcut().isEmpty());
        QHash<QKeySequence, QString> taken;
        for (const Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            for (const Qt::KeyboardModifiers held :
                 {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                  Qt::KeyboardModifiers(Qt::ControlModifier),
                  Qt::ControlModifier | Qt::ShiftModifier})
                taken.insert(QKeySequence(held | arrow), QStringLiteral("page"));
        }
        taken.insert(QKeySequence(Qt::Key_Escape), QStringLiteral("page"));
        for (const QAction *command : form().findChildren<QAction *>()) {
            for (const QKeySequence &key : command->shortcuts()) {
                QVERIFY2(!taken.contains(key),
                         qPrintable(key.toString() + QLatin1Char(' ') + command->objectName() +
                                    QLatin1Char(' ') + taken.value(key)));
                taken.insert(key, command->objectName());
            }
        }
    }

    void quitKeyClosesTheWindow()
    {
        QSignalSpy closing(&form(), &MainWindow::closing);
        QTest::keyClick(&form(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(closing.count(), 1);
        QVERIFY(!form().isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
