#include "editor/controls/SkinTextView.h"
#include "editor/windows/MainWindow.h"
#include "skin/SkinFormat.h"
#include "tests/editor/Shown.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString notASkin = QStringLiteral(
    "Diese LKV Skin-Datei ist entweder defekt oder noch nicht in dem Velmor enthalten. Es wäre "
    "gut wenn du dies per E-mail mir mitteilst und schreibst von welchen Player diese ist. Dann "
    "kann ich viel schneller neue Versionen einprogrammieren.");

} // namespace

class LoadingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> form_;

    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = form_->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QAction *command(const char *name) const { return child<QAction>(name); }
    Shown view(const char *name) const { return findShown(*form_, QString::fromLatin1(name)); }
    bool shown(const char *name) const { return !view(name)->isHidden(); }

    QString skin(SkinFixture fixture, const QString &name = QStringLiteral("skin.lkv"))
    {
        return fixture.write(folder_->path(), name);
    }
    std::string folder() const { return folder_->path().toStdString() + "/"; }

    // The commands a skin enables or disables; the language and view entries are always
    // there.
    QStringList enabledCommands() const
    {
        QStringList names;
        for (QAction *action : form_->findChildren<QAction *>()) {
            if (action->isEnabled() && !action->objectName().isEmpty() &&
                action->objectName() != QLatin1String("EditNameButton") &&
                !action->objectName().startsWith(QLatin1String("Language")) &&
                !action->objectName().startsWith(QLatin1String("View")) &&
                !action->objectName().startsWith(QLatin1String("Snap")) &&
                !action->objectName().startsWith(QLatin1String("_q_")))
                names << action->objectName();
        }
        names.sort();
        return names;
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        dialogs_ = std::make_shared<ScriptedDialogs>();
        form_ = std::make_unique<MainWindow>(dialogs_);
    }

    void startsWithoutSkin()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor"));
        QCOMPARE(enabledCommands(), (QStringList{"FileExit1", "FileNewFromTemplate", "FileOpen1",
                                                 "FileOpenPackage", "Info", "Update"}));
        QVERIFY(!shown("Notebook"));
        QVERIFY(!shown("Image05p"));
        QVERIFY(!shown("Image01up"));
        for (const char *field : {"grossX", "grossY", "PositionX", "PositionY", "edit1"})
            QVERIFY(!child(field)->isEnabled());
        QVERIFY(!view("Transparent1").widget()->isEnabled());
        QCOMPARE(command("FileOpen1")->toolTip(), QStringLiteral("Öffnen"));
        QCOMPARE(child<QTabWidget>("Notebook")->currentIndex(), 2);
    }

    void openCommandLoadsTheChosenFile()
    {
        dialogs_->answerOpenSkin(skin(SkinFixture(false)));
        command("FileOpen1")->trigger();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor (Orvana one 1.4 - Skin)"));
        dialogs_->answerOpenSkin(QString());
        command("FileOpen1")->trigger();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor (Orvana one 1.4 - Skin)"));
        QCOMPARE(dialogs_->count(ScriptedDialogs::Message), 0);
    }

    void loadedSkinEnablesEditing()
    {
        form_->load(skin(SkinFixture(false)));
        QCOMPARE(
            enabledCommands(),
            (QStringList{"EditName", "EditSelectAll", "FileCompare", "FileExit1", "FileExportZip",
                         "FileNewFromTemplate", "FileOpen1", "FileOpenPackage", "FileSaveAs1",
                         "Info", "SkinCheck", "StatePreview", "Update"}));
        QVERIFY(shown("Notebook"));
        for (const char *field : {"grossX", "grossY", "PositionX", "PositionY", "edit1"})
            QVERIFY(child(field)->isEnabled());
        QVERIFY(child<QLineEdit>("edit1")->isReadOnly());
        QVERIFY(view("Transparent1").widget()->isEnabled());
        QVERIFY(shown("Image01up") && shown("Image01da"));
        QVERIFY(dialogs_->calls().isEmpty());
    }

    void elementsStandAtTheirPlaceWithTheirUpBitmap()
    {
        form_->load(skin(SkinFixture(false)));
        for (const char *name : {"Image09p", "Image09s", "Image09d"}) {
            const Shown shown = view(name);
            QCOMPARE(shown->geometry(), QRect(SkinFixture::left(9), SkinFixture::top(9),
                                              SkinFixture::width(9), SkinFixture::height(9)));
            QCOMPARE(shown->pixmap().size(), shown->size());
            QVERIFY(!shown->isHidden());
        }
        QCOMPARE(view("Image25s")->text(), QStringLiteral("Sender"));
        QCOMPARE(view("Image26s")->pos(), QPoint(SkinFixture::left(26), 126));
        const SkinElement &exit = form_->document().element(*findElement(9));
        QCOMPARE(exit.geometry.left, SkinFixture::left(9));
        QCOMPARE(exit.statePath(StateBitmap::Mo), folder() + "e09_mo.bmp");
        QVERIFY(exit.statePath(StateBitmap::Da).empty());
        QCOMPARE(form_->document().element(*findElement(13)).statePath(StateBitmap::Da),
                 folder() + "e13_da.bmp");
    }

    void version15ShowsItsExtraViews()
    {
        form_->load(skin(SkinFixture(true)));
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor (Orvana one 1.5 - Skin)"));
        for (const char *name : {"Image131p", "Image131s", "Image131d", "Image132d", "Image14s",
                                 "Image29s", "Image30s"})
            QVERIFY2(shown(name), name);
        QCOMPARE(view("Image131s")->geometry(),
                 QRect(SkinFixture::left(131), SkinFixture::top(131), SkinFixture::width(131),
                       SkinFixture::height(131)));
        // Width from "size_g", height from the second number of "size_m".
        for (const char *list : {"ListSchedule", "ListDescription"})
            QCOMPARE(view(list)->geometry(), QRect(490, 45, 260, 180));
        QCOMPARE(view("ListPlayer")->geometry(), QRect(490, 45, 260, 60));
        QCOMPARE(view("ListPlayer1")->height(), 60);
    }

    void version14AfterA15SkinHidesThe15Views()
    {
        form_->load(skin(SkinFixture(true), QStringLiteral("new.lkv")));
        form_->load(skin(SkinFixture(false)));
        QCOMPARE(form_->document().targetVersion, std::string(version14));
        for (const char *name :
             {"Image131p", "Image131s", "Image132p", "Image14s", "Image29s", "Image30s"})
            QVERIFY2(!shown(name), name);
        QVERIFY(shown("Image14p") && shown("Image30p") && shown("Image30d"));
        QCOMPARE(view("ListSchedule")->geometry(), QRect(490, 45, 250, 180));
    }

    void wizardWithoutPlaylistStays14()
    {
        SkinFixture fixture(true);
        fixture.clear("btn_playlistdown");
        form_->load(skin(fixture));
        QCOMPARE(form_->document().targetVersion, std::string(version14));
        QVERIFY(!shown("Image131p"));
    }

    void elementSixteenIsNeverShown()
    {
        form_->load(skin(SkinFixture(false)));
        QVERIFY(!shown("Image16p"));
        QCOMPARE(view("Image16p")->pos(), QPoint(SkinFixture::left(16), 116));
        QCOMPARE(form_->document().element(*findElement(16)).statePath(StateBitmap::Da),
                 folder() + "e16_da.bmp");
    }

    void positionWithoutZerosHasTopZero()
    {
        SkinFixture fixture(false);
        fixture.set("btn_play", "position", "10, 20");
        form_->load(skin(fixture));
        QCOMPARE(view("Image29p")->pos(), QPoint(10, 0));
    }

    void missingStateNameIsNoErrorUntilUsed()
    {
        SkinFixture fixture(false);
        fixture.remove("btn_exit", "bitmap_do");
        form_->load(skin(fixture));
        QVERIFY(dialogs_->calls().isEmpty());
        QCOMPARE(form_->document().element(*findElement(9)).statePath(StateBitmap::Do),
                 folder() + "0");
    }

    void missingUpBitmapStopsTheLoadAtItsElement()
    {
        SkinFixture fixture(false);
        fixture.remove("btn_exit", "bitmap_up");
        form_->load(skin(fixture));
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Error),
                 QStringList{"Unbekannte Bilddateierweiterung (.)"});
        QCOMPARE(dialogs_->count(ScriptedDialogs::Message), 0);
        for (const char *name : {"Image05p", "Image07s", "Image08d"})
            QVERIFY2(shown(name), name);
        for (const char *name : {"Image09p", "Image10p", "Image51d", "Image01up"})
            QVERIFY2(!shown(name), name);
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor"));
        QVERIFY(shown("Notebook") && child("grossX")->isEnabled());
        QVERIFY(!command("FileSaveAs1")->isEnabled());
        QVERIFY(!command("EditName")->isEnabled());
        QCOMPARE(form_->document().targetVersion, std::string(version14));
    }

    void brokenBitmapReportsTheLoadersText()
    {
        SkinFixture fixture(false);
        const QString path = skin(fixture);
        QFile::remove(folder_->filePath(QStringLiteral("g18.bmp")));
        QFile broken(folder_->filePath(QStringLiteral("g0.bmp")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("no bitmap");
        broken.close();
        form_->load(path);
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Error), QStringList{"Bitmap ist ungültig"});
        QVERIFY(!shown("ImageS") && !shown("ListPlayer"));
    }

    void trackListsShowTheirOwnBitmaps()
    {
        form_->load(skin(SkinFixture(false)));
        const auto picture = [this](const char *name) {
            return view(name)->pixmap().toImage().pixel(0, 0);
        };
        QVERIFY(picture("Listheader2") != picture("Listheader3h"));
        QVERIFY(picture("List2") != picture("List3h"));
        QCOMPARE(form_->document().graphicPaths[static_cast<int>(Graphic::DescriptionTile)],
                 std::string("g20.bmp"));
        QCOMPARE(view("ImageS")->size(), QSize(30, 12));
    }

    void fileThatIsNoSkinKeepsThePreviousSkin()
    {
        const QString good = skin(SkinFixture(true));
        form_->load(good);
        SkinFixture broken(false);
        broken.clear("btn_zoom_in");
        const QString bad = skin(broken, QStringLiteral("bad.lkv"));
        form_->load(bad);
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Message), QStringList{notASkin});
        QCOMPARE(enabledCommands(),
                 (QStringList{"EditName", "FileExit1", "FileNewFromTemplate", "FileOpen1",
                              "FileOpenPackage", "Info", "Update"}));
        QVERIFY(!shown("Notebook") && !shown("Image05p") && !shown("ListPlayer"));
        QVERIFY(!child("grossX")->isEnabled());
        QCOMPARE(form_->windowTitle(), QStringLiteral("Velmor (Orvana one 1.5 - Skin)"));
        QCOMPARE(form_->document().skinPath, good.toStdString());
        QCOMPARE(form_->document().targetVersion, std::string(version15));
    }

    void emptyAndMissingFilesAreNoSkins()
    {
        QFile empty(folder_->filePath(QStringLiteral("empty.lkv")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        form_->load(empty.fileName());
        form_->load(folder_->filePath(QStringLiteral("missing.lkv")));
        form_->load(folder_->path());
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Message),
                 (QStringList{notASkin, notASkin, notASkin}));
        QVERIFY(form_->document().skinPath.empty());
        QVERIFY(command("EditName")->isEnabled());
    }

    void openedTextIsKeptLineByLine()
    {
        const QString path = skin(SkinFixture(false));
        form_->load(path);
        QCOMPARE(form_->document().openedText.front(), std::string("PP_LKV = Fixture"));
        QVERIFY(child<SkinTextView>("Memo1")->skinText().startsWith(
            QStringLiteral("PP_LKV = Fixture\n[dlg_main]")));
        QCOMPARE(form_->document().skinFolder, folder());
    }

    void listPanelsStayAboveElementViews()
    {
        SkinFixture fixture(false);
        fixture.set("btn_export", "position", "95, 50, 0, 0");
        form_->load(skin(fixture));
        QList<QGraphicsItem *> order;
        const auto *scene = static_cast<PageScene *>(view("Image17p").item()->scene());
        for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
            if (item->isVisible() && !item->parentItem() && !scene->isOverlay(item))
                order << item;
        }
        QVERIFY(order.indexOf(view("ListPlayer").item()) > order.indexOf(view("Image17p").item()));
        QCOMPARE(order.indexOf(view("ImageP").item()), 0);
    }
};

QTEST_MAIN(LoadingTest)
#include "tst_loading.moc"
