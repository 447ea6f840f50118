#include "app/AppSettings.h"
#include "app/Shell.h"
#include "editor/windows/MainWindow.h"
#include "tests/support/CurrentFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

// The skins opened last, in the "Datei" menu and in Velmor.ini.
class RecentSkinsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentFolder> folder_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Shell> shell_;

    void startShell()
    {
        Platform platform;
        platform.dialogs = dialogs_;
        platform.openUrl = [](const QUrl &) {};
        shell_ = std::make_unique<Shell>(platform);
    }
    QString skin(const QString &name) const
    {
        const QString skinFolder = QDir(folder_->path()).filePath(name);
        QDir().mkpath(skinFolder);
        return SkinFixture(false).write(skinFolder, name + QStringLiteral(".lkv"));
    }
    QMenu *menu() const
    {
        return shell_->mainWindow().findChild<QMenu *>(QStringLiteral("RecentSkins"));
    }
    QStringList entries() const
    {
        QStringList texts;
        for (QAction *action : menu()->actions())
            texts << action->text();
        return texts;
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<CurrentFolder>();
        dialogs_ = std::make_shared<ScriptedDialogs>();
        startShell();
    }
    void cleanup()
    {
        shell_.reset();
        folder_.reset();
    }

    void theListKeepsTheLastEightNewestFirst()
    {
        QCOMPARE(entries(), QStringList{"(leer)"});
        QVERIFY(!menu()->actions().front()->isEnabled());
        QStringList paths;
        for (int i = 0; i < 9; ++i) {
            paths << skin(QStringLiteral("s%1").arg(i));
            shell_->mainWindow().load(paths.back());
        }
        shell_->mainWindow().load(paths[3]); // opened again: first, and not twice
        QCOMPARE(entries(), (QStringList{"&1 s3.lkv", "&2 s8.lkv", "&3 s7.lkv", "&4 s6.lkv",
                                         "&5 s5.lkv", "&6 s4.lkv", "&7 s2.lkv", "&8 s1.lkv"}));
        QCOMPARE(menu()->actions().front()->toolTip(),
                 QDir::toNativeSeparators(QFileInfo(paths[3]).absolutePath()));

        // Written at once, and read back by the next start.
        shell_.reset();
        startShell();
        QCOMPARE(entries().size(), 8);
        QCOMPARE(AppSettings().recentSkins().front(), QFileInfo(paths[3]).absoluteFilePath());
    }

    // Kept once the window shows the skin, not only when the program ends: a copy of the
    // program started now lists it too.
    void anOpenedSkinIsKeptOnceTheWindowShowsIt()
    {
        const QString path = skin(QStringLiteral("shown"));
        shell_->mainWindow().show();
        shell_->mainWindow().load(path);
        QTRY_COMPARE(AppSettings().recentSkins().value(0), QFileInfo(path).absoluteFilePath());
    }

    void aSkinThatDoesNotOpenIsNotListed()
    {
        SkinFixture broken(false);
        broken.clear("btn_exit");
        shell_->mainWindow().load(broken.write(folder_->path(), QStringLiteral("broken.lkv")));
        QCOMPARE(entries(), QStringList{"(leer)"});
    }

    void choosingOneOpensItAndAGoneOneIsRemoved()
    {
        const QString first = skin(QStringLiteral("first"));
        const QString second = skin(QStringLiteral("second"));
        shell_->mainWindow().load(first);
        shell_->mainWindow().load(second);
        menu()->actions()[1]->trigger();
        QCOMPARE(QString::fromStdString(shell_->mainWindow().document().skinPath),
                 QFileInfo(first).absoluteFilePath());
        QCOMPARE(entries().front(), QStringLiteral("&1 first.lkv"));

        QFile::remove(second);
        menu()->actions()[1]->trigger();
        QCOMPARE(dialogs_->count(ScriptedDialogs::Message), 1);
        QCOMPARE(entries(), QStringList{"&1 first.lkv"});
        QCOMPARE(AppSettings().recentSkins().size(), 1);
    }
};

QTEST_MAIN(RecentSkinsTest)
#include "tst_recentskins.moc"
