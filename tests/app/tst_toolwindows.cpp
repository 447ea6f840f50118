#include "app/AppSettings.h"
#include "app/Shell.h"
#include "app/ToolWindowPlaces.h"
#include "editor/MainWindow.h"
#include "tests/support/CurrentFolder.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/ScriptedDialogs.h"

#include <QMenuBar>
#include <QScreen>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<QRect>)

namespace {

const QRect fullHd(0, 0, 1920, 1040);
const QRect laptop(0, 0, 1366, 728);

} // namespace

// The check report and the comparison window: where they open, and that they open again
// where the user left them.
class ToolWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstPlaceIsBesideOrOverTheMainWindow_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("place");
        const QSize report(760, 320);
        QTest::newRow("room to the right")
            << QRect(0, 0, 1000, 700) << report << fullHd << QRect(1000, 0, 760, 320);
        QTest::newRow("no room: over it, below the menu bar")
            << fullHd << report << fullHd << QRect(1160, 41, 760, 320);
        QTest::newRow("taller than the room below the menu bar")
            << laptop << QSize(760, 900) << laptop << QRect(606, 41, 760, 687);
        QTest::newRow("main window partly off the screen")
            << QRect(900, 100, 1000, 600) << report << laptop << QRect(606, 141, 760, 320);
    }
    void theFirstPlaceIsBesideOrOverTheMainWindow()
    {
        QFETCH(QRect, main);
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        QFETCH(QRect, place);
        QCOMPARE(firstToolWindowPlace(main, main.top() + 40, size, area), place);
    }

    void aKeptPlaceIsUsedWhileItIsOnAScreen_data()
    {
        QTest::addColumn<QRect>("kept");
        QTest::addColumn<std::optional<QRect>>("used");
        const QRect second(2000, 50, 760, 320);
        QTest::newRow("on the second screen") << second << std::optional(second);
        QTest::newRow("that screen gone") << QRect(3300, 50, 760, 320) << std::optional<QRect>();
        QTest::newRow("only its foot on a screen")
            << QRect(100, -300, 760, 320) << std::optional<QRect>();
        QTest::newRow("larger than its screen") << QRect(0, 0, 4000, 3000) << std::optional(fullHd);
    }
    void aKeptPlaceIsUsedWhileItIsOnAScreen()
    {
        QFETCH(QRect, kept);
        QFETCH(std::optional<QRect>, used);
        QCOMPARE(placeOnScreens(kept, {fullHd, QRect(1920, 0, 1280, 984)}), used);
    }

    // The settings file may have been edited by hand, or by another version.
    void aKeptPlaceIsReadOnlyWhenItIsOne_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<std::optional<QRect>>("read");
        QTest::newRow("place") << QByteArray(" -8, 20 ,760,320")
                               << std::optional(QRect(-8, 20, 760, 320));
        QTest::newRow("three numbers") << QByteArray("8,20,760") << std::optional<QRect>();
        QTest::newRow("no number") << QByteArray("8,20,760,hoch") << std::optional<QRect>();
        QTest::newRow("no size") << QByteArray("8,20,0,320") << std::optional<QRect>();
        QTest::newRow("far beyond any desktop")
            << QByteArray("2147483000,20,2147483000,320") << std::optional<QRect>();
    }
    void aKeptPlaceIsReadOnlyWhenItIsOne()
    {
        QFETCH(QByteArray, stored);
        QFETCH(std::optional<QRect>, read);
        const CurrentFolder folder;
        QFile file(QStringLiteral("Velmor.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ansicht]\r\nBerichtFenster=" + stored + "\r\n");
        file.close();
        QCOMPARE(AppSettings().windowPlace("BerichtFenster"), read);
    }

    void theReportOpensWhereTheUserLeftIt()
    {
        const CurrentFolder folder;
        const DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        const auto open = [&skin](Shell &shell) -> QWidget & {
            shell.form1().show();
            shell.form1().load(skin.path());
            shell.form1().checkReport().showForDocument();
            return shell.form1().checkReport();
        };
        Platform platform;
        platform.dialogs = std::make_shared<ScriptedDialogs>();
        const QPoint left(10, 200);
        {
            Shell shell(platform);
            QWidget &report = open(shell);
            const QWidget *menu = shell.form1().menuBar();
            const int menuBottom = menu->mapToGlobal(QPoint(0, menu->height())).y();
            QVERIFY(report.frameGeometry().top() >= menuBottom);
            QVERIFY(report.screen()->availableGeometry().contains(report.frameGeometry()));
            report.move(left);
            report.close();
        }
        Shell shell(platform);
        QCOMPARE(open(shell).pos(), left);
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tst_toolwindows.moc"
