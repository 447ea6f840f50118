#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/Shell.h"
#include "app/SkinNameDialog.h"
#include "editor/windows/MainWindow.h"
#include "tests/support/CurrentFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"
#include "update/VersionChecker.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CurrentFolder> folder_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    Platform platform_;
    std::unique_ptr<Shell> shell_;

    QAction *command(const char *name) const
    {
        return shell_->mainWindow().findChild<QAction *>(QString::fromLatin1(name));
    }
    QByteArray settingsFile() const
    {
        QFile file(QStringLiteral("Velmor.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeSettingsFile(const QByteArray &text) const
    {
        QFile file(QStringLiteral("Velmor.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void activate(QWidget *window) const { QApplication::setActiveWindow(window); }
    QString news() const { return shell_->versionChecker().newsText->toPlainText(); }
    QString server() const { return shell_->versionChecker().serverChoice->currentText(); }
    QString openSkin()
    {
        const QString path = SkinFixture(true).write(folder_->path());
        shell_->mainWindow().load(path);
        return path;
    }
    // Answers the skin-name dialog once it is up, as a user would.
    void nameSkin(const QString &typed, bool ok)
    {
        SkinNameDialog &dialog = shell_->skinNameDialog();
        QTimer::singleShot(0, &dialog, [&dialog, typed, ok] {
            if (!typed.isNull())
                dialog.nameField->setText(typed);
            (ok ? dialog.okButton : dialog.cancelButton)->click();
        });
        command("EditName")->trigger();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<CurrentFolder>();
        dialogs_ = std::make_shared<ScriptedDialogs>();
        platform_.dialogs = dialogs_;
        platform_.openUrl = [](const QUrl &) {};
        platform_.server1 = QUrl(QStringLiteral("http://127.0.0.1:9/one/"));
        platform_.server2 = QUrl(QStringLiteral("http://127.0.0.1:9/two/"));
        shell_ = std::make_unique<Shell>(platform_);
        shell_->mainWindow().show();
    }
    void cleanup()
    {
        shell_.reset();
        folder_.reset();
    }

    void windowsAreMadeWithTheirCaptions()
    {
        QCOMPARE(shell_->aboutDialog().windowTitle(), QStringLiteral("Informationen"));
        QCOMPARE(shell_->skinNameDialog().windowTitle(), QStringLiteral("Skinname"));
        QCOMPARE(shell_->versionChecker().windowTitle(), QStringLiteral("Velmor Versions-Checker"));
        QVERIFY(!shell_->skinNameDialog().okButton->isEnabled());
        QVERIFY(!command("DateiNeu")->isEnabled());
        for (QWidget *dialog : std::initializer_list<QWidget *>{
                 &shell_->aboutDialog(), &shell_->skinNameDialog(), &shell_->versionChecker()})
            QVERIFY(dialog->isHidden());
    }

    void firstStartWritesTheDefaultsAtClose()
    {
        activate(&shell_->mainWindow());
        QCOMPARE(server(), QStringLiteral("Server 1"));
        QCOMPARE(news(), QStringLiteral("Keine News vorhanden"));
        QVERIFY(shell_->versionChecker()
                    .findChild<QPushButton *>(QStringLiteral("ButtonStart"))
                    ->isEnabled());
        shell_->mainWindow().close();
        QCOMPARE(settingsFile(),
                 QByteArray("[Update]\r\nNews=Keine News vorhanden\r\nServer=Server 1\r\n"));
        QCOMPARE(dialogs_->calls().size(), 0);
    }

    void newsThatSaysNothingKeepsTheStoredNews_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString();
        QTest::newRow("none found") << QStringLiteral("Keine News gefunden");
    }
    void newsThatSaysNothingKeepsTheStoredNews()
    {
        QFETCH(QString, shown);
        writeSettingsFile("[Update]\r\nNews=Alt\r\nServer=Server 2\r\n");
        activate(&shell_->mainWindow());
        QCOMPARE(server(), QStringLiteral("Server 2"));
        shell_->versionChecker().newsText->setPlainText(shown);
        shell_->mainWindow().close();
        QCOMPARE(settingsFile(), QByteArray("[Update]\r\nNews=Alt\r\nServer=Server 2\r\n"));
    }

    void settingsFileThatCannotBeUsedIsPassedOverSilently()
    {
        QVERIFY(QDir().mkdir(QStringLiteral("Velmor.ini")));
        activate(&shell_->mainWindow());
        QCOMPARE(news(), QStringLiteral("Keine News vorhanden"));
        shell_->mainWindow().close();
        QVERIFY(QFileInfo(QStringLiteral("Velmor.ini")).isDir());
        QCOMPARE(dialogs_->calls().size(), 0);
    }

    void readOnlySettingsFileIsStillWritten()
    {
        writeSettingsFile("[Update]\r\nServer=Server 2\r\n");
        QFile::setPermissions(QStringLiteral("Velmor.ini"), QFile::ReadOwner | QFile::ReadOther);
        activate(&shell_->mainWindow());
        shell_->versionChecker().newsText->setPlainText(QStringLiteral("Neu"));
        shell_->mainWindow().close();
        QCOMPARE(settingsFile(), QByteArray("[Update]\r\nServer=Server 2\r\nNews=Neu\r\n"));
    }

    void multiLineNewsComesBackWhole()
    {
        activate(&shell_->mainWindow());
        const QString text = QStringLiteral("Neu:\nÄnderungen in C:\\Skins\\n\r\nEnde");
        shell_->versionChecker().newsText->setPlainText(text);
        shell_->mainWindow().close();
        QVERIFY(
            settingsFile().contains("News=Neu:\\n\xC4nderungen in C:\\\\Skins\\\\n\\nEnde\r\n"));
        QCOMPARE(AppSettings().news(), QStringLiteral("Neu:\nÄnderungen in C:\\Skins\\n\nEnde"));
        QCOMPARE(decodeNews(QStringLiteral("a\\tb\\")), QStringLiteral("a\\tb\\"));
    }

    void settingsAreReadAgainOnlyAfterAWindowOfTheProgram()
    {
        activate(&shell_->mainWindow());
        writeSettingsFile("[Update]\r\nNews=Eins\r\n");
        activate(nullptr);
        activate(&shell_->mainWindow());
        QCOMPARE(news(), QStringLiteral("Keine News vorhanden"));
        activate(&shell_->aboutDialog());
        activate(&shell_->mainWindow());
        QCOMPARE(news(), QStringLiteral("Eins"));
    }

    // Each writer of the settings file reads it afresh and changes only its own keys, so
    // what another part of the program, or another running copy, wrote after this
    // window read the file survives the close.
    void closingKeepsWhatOthersWroteSinceTheWindowReadTheFile()
    {
        activate(&shell_->mainWindow());
        command("LanguageEnglish")->trigger();
        const QString opened = QFileInfo(openSkin()).absoluteFilePath();
        const QString fromOtherCopy = QDir(folder_->path()).filePath("andere.lkv");
        AppSettings().writeRecentSkins({fromOtherCopy, opened});
        shell_->versionChecker().serverChoice->setCurrentText(QStringLiteral("Server 2"));
        shell_->mainWindow().close();
        applyLanguage(Language::German);
        const AppSettings settings;
        QCOMPARE(settings.language(), Language::English);
        QCOMPARE(settings.recentSkins(), (QStringList{fromOtherCopy, opened}));
        QCOMPARE(settings.server(), QStringLiteral("Server 2"));
    }

    // The zoom is kept when it changes and comes back with the next start; a kept value
    // that is no zoom the pages know is pulled into their range.
    void zoomIsKeptAndComesBack_data()
    {
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<int>("shown");
        QTest::newRow("a step") << QByteArray("[Ansicht]\r\nZoom=400\r\n") << 400;
        QTest::newRow("too large") << QByteArray("[Ansicht]\r\nZoom=5000\r\n") << 800;
        QTest::newRow("no number") << QByteArray("[Ansicht]\r\nZoom=gross\r\n") << 100;
        QTest::newRow("none") << QByteArray() << 100;
    }
    void zoomIsKeptAndComesBack()
    {
        QFETCH(QByteArray, kept);
        QFETCH(int, shown);
        writeSettingsFile(kept);
        Shell started(platform_);
        QCOMPARE(started.mainWindow().zoom().percent(), shown);
        QCOMPARE(started.mainWindow().findChild<QLabel *>(QStringLiteral("ZoomLevel"))->text(),
                 QStringLiteral("%1 %").arg(shown));
        started.mainWindow().findChild<QAction *>(QStringLiteral("ViewZoomOut"))->trigger();
        QCOMPARE(AppSettings().zoom(), started.mainWindow().zoom().percent());
        QVERIFY(AppSettings().zoom() < shown);
    }

    // Snapping is kept the moment it is switched; a kept grid step that no grid can
    // have falls back to 8.
    void snappingIsKeptAndComesBack()
    {
        writeSettingsFile("[Ansicht]\r\nRaster=0\r\n");
        {
            Shell started(platform_);
            const WindowActions &commands = started.mainWindow().commands();
            QVERIFY(commands.snapToElements->isChecked());
            QVERIFY(!commands.snapToGrid->isChecked());
            QCOMPARE(commands.snapToGrid->data().toInt(), 8);
            commands.snapToElements->setChecked(false);
            commands.snapToGrid->setChecked(true);
        }
        QVERIFY(settingsFile().contains("Einrasten=0\r\n"));
        QVERIFY(settingsFile().contains("RasterEinrasten=1\r\n"));
        writeSettingsFile("[Ansicht]\r\nEinrasten=0\r\nRasterEinrasten=1\r\nRaster=16\r\n");
        Shell again(platform_);
        QVERIFY(!again.mainWindow().commands().snapToElements->isChecked());
        QVERIFY(again.mainWindow().commands().snapToGrid->isChecked());
        QCOMPARE(again.mainWindow().commands().snapToGrid->data().toInt(), 16);
    }

    // Only a layout the user changed is written, and the next start shows it.
    void aClosedOutlineStaysClosed()
    {
        activate(&shell_->mainWindow());
        QVERIFY(shell_->mainWindow().outline().isVisibleTo(&shell_->mainWindow()));
        shell_->mainWindow().outline().toggleViewAction()->trigger();
        shell_->mainWindow().close();
        QVERIFY(settingsFile().contains("Fenster="));
        Shell again(platform_);
        QVERIFY(!again.mainWindow().outline().isVisibleTo(&again.mainWindow()));
        writeSettingsFile("[Ansicht]\r\nFenster=kein Layout\r\n");
        Shell garbled(platform_);
        QVERIFY(garbled.mainWindow().outline().isVisibleTo(&garbled.mainWindow()));
    }

    // The first start fills the screen; a size the user gave comes back at the next.
    void theWindowOpensAsLargeAsItWasClosed()
    {
        QVERIFY(shell_->mainWindow().isMaximized());
        activate(&shell_->mainWindow());
        shell_->mainWindow().showNormal();
        shell_->mainWindow().resize(1100, 640);
        shell_->mainWindow().close();
        QVERIFY(settingsFile().contains("Fensterplatz="));
        Shell again(platform_);
        QVERIFY(!again.mainWindow().isMaximized());
        QCOMPARE(again.mainWindow().size(), QSize(1100, 640));
    }

    void aWindowThatNeverReadTheSettingsWritesNoneOfThem()
    {
        writeSettingsFile("[Update]\r\nServer=Server 2\r\nNews=Alt\r\n");
        Shell unseen(platform_);
        unseen.mainWindow().close();
        QCOMPARE(settingsFile(), QByteArray("[Update]\r\nServer=Server 2\r\nNews=Alt\r\n"));
    }

    void aCancelledCloseWritesNoSettings()
    {
        activate(&shell_->mainWindow());
        openSkin();
        nameSkin(QStringLiteral("Abend"), true);
        shell_->versionChecker().serverChoice->setCurrentText(QStringLiteral("Server 2"));
        dialogs_->answerCancel();
        QVERIFY(!shell_->mainWindow().close());
        QVERIFY(shell_->mainWindow().isVisible());
        QVERIFY(!settingsFile().contains("Server="));
        QVERIFY(command("FileSave1")->isEnabled());
    }

    void closingWithChangesSavesOnYes()
    {
        const QString skin = openSkin();
        nameSkin(QStringLiteral("Abend"), true);
        dialogs_->answerYesNo(true);
        shell_->mainWindow().close();
        QCOMPARE(dialogs_->calls().size(), 1);
        QCOMPARE(dialogs_->calls().first().title, QStringLiteral("Bestätigung"));
        QCOMPARE(dialogs_->calls().first().text,
                 QStringLiteral("Das Skin wurde geändert. Speichern ?"));
        QFile saved(skin);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), QByteArray("PP_LKV = Abend\r\n"));
        QVERIFY(settingsFile().contains("Server=Server 1"));
    }

    void closingWithChangesAndNoLeavesTheSkin()
    {
        const QString skin = openSkin();
        nameSkin(QStringLiteral("Abend"), true);
        dialogs_->answerYesNo(false);
        shell_->mainWindow().close();
        QFile saved(skin);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), QByteArray("PP_LKV = Fixture\r\n"));
    }

    void skinNameDialogKeepsItsTextAndItsConfirmation()
    {
        openSkin();
        SkinNameDialog &dialog = shell_->skinNameDialog();
        nameSkin(QStringLiteral(" "), false);
        QVERIFY(!command("FileSave1")->isEnabled());
        QVERIFY(dialog.okButton->isEnabled());
        dialog.nameField->clear();
        QVERIFY(!dialog.okButton->isEnabled());

        nameSkin(QStringLiteral(" Grün "), true);
        QVERIFY(command("FileSave1")->isEnabled());
        QCOMPARE(shell_->mainWindow().document().skinName, std::string(" Grün "));
        command("FileSave1")->trigger();
        QVERIFY(!command("FileSave1")->isEnabled());

        openSkin();
        nameSkin(QStringLiteral("Verworfen"), false);
        QCOMPARE(dialog.nameField->text(), QStringLiteral("Verworfen"));
        QVERIFY(command("FileSave1")->isEnabled());
        QCOMPARE(shell_->mainWindow().document().skinName, std::string(" Grün "));
    }

    void skinNameDialogIgnoresEnterAndEscape()
    {
        SkinNameDialog &dialog = shell_->skinNameDialog();
        dialog.show();
        dialog.nameField->setText(QStringLiteral("x"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.nameConfirmed());
        dialog.hide();
    }

    void aboutBoxShowsTheVersion()
    {
        QStringList texts;
        for (const QLabel *label : shell_->aboutDialog().findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Velmor")));
        QVERIFY(texts.contains(QStringLiteral("Version: 1.1.0.0")));
        QVERIFY(texts.contains(QStringLiteral("Diese Version ist für folgende Programme:\nAlle 1.4 "
                                              "und 1.5 Versionen von dem Orvana one-Player.")));
        QVERIFY(shell_->aboutDialog()
                    .findChild<QPushButton *>(QStringLiteral("OKButton"))
                    ->isDefault());
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
