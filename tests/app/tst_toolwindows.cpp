#include "app/AppSettings.h"
#include "app/Shell.h"
#include "app/ToolWindowPlaces.h"
#include "editor/windows/MainWindow.h"
#include "tests/support/CurrentFolder.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/ScriptedDialogs.h"

#include <QScreen>
#include <QtTest>

using Place = std::optional<QRect>;
Q_DECLARE_METATYPE(Place)

namespace {

const QRect fullHd(0, 0, 1920, 1040);
const QRect laptop(0, 0, 1366, 728);

} // namespace

// Where the check report and the comparison window open.
class ToolWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstPlaceIsBesideOrOverTheMainWindow_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("place");
        const QSize size(760, 320);
        QTest::newRow("room to the right")
            << QRect(0, 0, 1000, 700) << size << fullHd << QRect(1000, 0, 760, 320);
        QTest::newRow("over it, below the menu bar")
            << fullHd << size << fullHd << QRect(1160, 41, 760, 320);
        QTest::newRow("taller than the room below the menu bar")
            << laptop << QSize(760, 900) << laptop << QRect(606, 41, 760, 687);
        QTest::newRow("main window partly off the screen")
            << QRect(900, 100, 1000, 600) << size << laptop << QRect(606, 141, 760, 320);
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
        QTest::addColumn<Place>("used");
        const QRect second(2000, 50, 760, 320);
        QTest::newRow("on the second screen") << second << Place(second);
        QTest::newRow("that screen gone") << QRect(3300, 50, 760, 320) << Place();
        QTest::newRow("only its foot on a screen") << QRect(100, -300, 760, 320) << Place();
        QTest::newRow("larger than its screen") << QRect(0, 0, 4000, 3000) << Place(fullHd);
    }
    void aKeptPlaceIsUsedWhileItIsOnAScreen()
    {
        QFETCH(QRect, kept);
        QFETCH(Place, used);
        QCOMPARE(placeOnScreens(kept, {fullHd, QRect(1920, 0, 1280, 984)}), used);
    }

    // The settings file may have been edited by hand.
    void aKeptPlaceIsReadOnlyWhenItIsOne_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Place>("read");
        QTest::newRow("place") << QByteArray(" -8, 20 ,760,320") << Place(QRect(-8, 20, 760, 320));
        QTest::newRow("no number") << QByteArray("8,20,760,hoch") << Place();
        QTest::newRow("no size") << QByteArray("8,20,0,320") << Place();
        QTest::newRow("beyond any desktop") << QByteArray("2147483000,20,2147483000,9") << Place();
    }
    void aKeptPlaceIsReadOnlyWhenItIsOne()
    {
        QFETCH(QByteArray, stored);
        QFETCH(Place, read);
        const CurrentFolder folder;
        QFile file(QStringLiteral("Velmor.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ansicht]\r\nBerichtFenster=" + stored + "\r\n");
        file.close();
        QCOMPARE(AppSettings().toolWindowPlace("BerichtFenster"), read);
    }

    void theReportOpensWhereTheUserLeftIt()
    {
        const CurrentFolder folder;
        const DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder.path());
        Platform platform;
        platform.dialogs = std::make_shared<ScriptedDialogs>();
        const auto open = [&skin](Shell &shell) -> QWidget & {
            shell.mainWindow().show();
            shell.mainWindow().load(skin.path());
            shell.mainWindow().checkReport().showForDocument();
            return shell.mainWindow().checkReport();
        };
        {
            Shell shell(platform);
            QWidget &report = open(shell);
            // The rules place the frame, which the window's own size leaves out.
            QVERIFY(report.screen()->availableGeometry().contains(report.frameGeometry()));
            report.move(10, 200);
            report.close();
        }
        Shell shell(platform);
        QCOMPARE(open(shell).pos(), QPoint(10, 200));
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tst_toolwindows.moc"
