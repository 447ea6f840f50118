#include "tests/editor/EditorProbe.h"
#include "tests/support/SkinFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

namespace {

using Probe = EditorProbe;

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<EditorProbe> probe_;
    QString skinPath_;

    Shown label(const char *name) const { return probe_->view(name); }
    QString hint() const { return probe_->child<QLineEdit>(QStringLiteral("edit1"))->text(); }
    QList<int> fields() const { return probe_->fields(); }
    QString offer(const QString &name, QSize size, QColor colour = Qt::darkCyan) const
    {
        return probe_->offerPicture(folder_->path(), name, size, colour);
    }
    void open(bool version15) { skinPath_ = probe_->open(folder_->path(), SkinFixture(version15)); }
    int openPictureCalls() const { return probe_->dialogs->count(ScriptedDialogs::OpenPicture); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        probe_ = std::make_unique<EditorProbe>();
        probe_->form->show();
        open(true);
    }

    void newUpBitmapReachesEveryViewAndTheFields()
    {
        Probe::click(label("Image05s"));
        const QString path = offer(QStringLiteral("Neu.bmp"), {41, 17});
        Probe::doubleClick(label("Image01up"));
        QCOMPARE(label("Image01up")->pixmap().size(), QSize(41, 17));
        for (const char *name : {"Image05p", "Image05s", "Image05d"}) {
            QCOMPARE(label(name)->pixmap().size(), QSize(41, 17));
            QCOMPARE(label(name)->geometry(),
                     QRect(SkinFixture::place(5).topLeft(), QSize(41, 17)));
        }
        QCOMPARE(fields(),
                 (QList<int>{SkinFixture::place(5).x(), SkinFixture::place(5).y(), 41, 17}));
        QCOMPARE(hint(), QStringLiteral("Neu.bmp"));
        QCOMPARE(QString::fromStdString(probe_->element(5).statePath(StateBitmap::Up)), path);
        QCOMPARE(probe_->element(5).geometry.width, 41);
        QVERIFY(probe_->due(5));
        QVERIFY(probe_->saveEnabled());
    }

    void newUpBitmapSizesScheduleViewsShownOnlyFor15_data()
    {
        QTest::addColumn<bool>("version15");
        QTest::addColumn<int>("number");
        for (int number : {14, 29, 30}) {
            QTest::addRow("1.5 element %d", number) << true << number;
            QTest::addRow("1.4 element %d", number) << false << number;
        }
    }
    void newUpBitmapSizesScheduleViewsShownOnlyFor15()
    {
        QFETCH(bool, version15);
        QFETCH(int, number);
        open(version15);
        const QString name = QStringLiteral("Image%1").arg(number);
        Probe::click(probe_->view(qPrintable(name + QLatin1Char('p'))));
        offer(QStringLiteral("wide.bmp"), {70, 30});
        Probe::doubleClick(label("Image01up"));
        const Shown schedule = probe_->view(qPrintable(name + QLatin1Char('s')));
        QCOMPARE(schedule->size(), QSize(70, 30));
        QCOMPARE(schedule->pixmap().size(), QSize(70, 30));
        QCOMPARE(schedule->isHidden(), !version15);
    }

    void webButtonsKeepTheirSize_data()
    {
        QTest::addColumn<QString>("view");
        QTest::newRow("player") << QStringLiteral("Image50p");
        QTest::newRow("description") << QStringLiteral("Image51d");
    }
    void webButtonsKeepTheirSize()
    {
        QFETCH(QString, view);
        const Shown target = probe_->view(qPrintable(view));
        const QRect before = target->geometry();
        Probe::click(target);
        const QList<int> shown = fields();
        offer(QStringLiteral("web.bmp"), {90, 90});
        Probe::doubleClick(label("Image01up"));
        QCOMPARE(target->geometry(), before);
        QCOMPARE(target->pixmap().size(), QSize(90, 90));
        QCOMPARE(fields(), shown);
    }

    void bitmapBeyondTheFieldRangeIsCutByTheFields()
    {
        Probe::click(label("Image07p"));
        offer(QStringLiteral("huge.bmp"), {1200, 20});
        Probe::doubleClick(label("Image01up"));
        QCOMPARE(probe_->field("grossX")->value(), 1000);
        for (const char *name : {"Image07p", "Image07s", "Image07d"})
            QCOMPARE(label(name)->width(), 1000);
        QCOMPARE(probe_->element(7).geometry.width, 1000);
    }

    void otherStatesChangeOnlyTheirPreviewYetEnableSave()
    {
        Probe::click(label("Image33p"));
        const QPixmap up = label("Image01up")->pixmap();
        offer(QStringLiteral("aus.bmp"), {12, 34});
        Probe::doubleClick(label("Image01da"));
        QCOMPARE(label("Image01da")->pixmap().size(), QSize(12, 34));
        QCOMPARE(label("Image01up")->pixmap().cacheKey(), up.cacheKey());
        QCOMPARE(label("Image33p")->geometry(), SkinFixture::place(33));
        QCOMPARE(hint(), QStringLiteral("aus.bmp"));
        QVERIFY(probe_->due(33));
        QVERIFY(probe_->saveEnabled());
    }

    void clickShowsTheStatesFileName()
    {
        Probe::click(label("Image40p"));
        Probe::click(label("Image01mo"));
        QCOMPARE(hint(), QStringLiteral("e40_mo.bmp"));
        Probe::click(label("Image01da"));
        QCOMPARE(hint(), QStringLiteral("e40_da.bmp"));
    }

    // The skin opened again, as after a repair or a change elsewhere, shows its files as
    // they are now, in the previews of what stays selected as on the pages.
    void previewsShowTheBitmapsOfTheSkinOpenedAgain()
    {
        Probe::click(label("Image07p"));
        for (const char *name : {"e07_up.bmp", "e07_mo.bmp"})
            offer(QString::fromLatin1(name), SkinFixture::place(7).size(), Qt::red);
        probe_->form->load(skinPath_);
        for (const char *name : {"Image07p", "Image01up", "Image01mo"})
            QCOMPARE(label(name)->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
    }

    void unloadableBitmapKeepsEverythingButThePath()
    {
        Probe::click(label("Image05p"));
        const qint64 preview = label("Image01up")->pixmap().cacheKey();
        const QString broken = folder_->filePath(QStringLiteral("kaputt.bmp"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no bitmap");
        file.close();
        probe_->dialogs->answerOpenPicture(broken);
        Probe::doubleClick(label("Image01up"));
        QCOMPARE(probe_->dialogs->texts(ScriptedDialogs::Error),
                 QStringList{QStringLiteral("Bitmap ist ungültig")});
        QCOMPARE(QString::fromStdString(probe_->element(5).statePath(StateBitmap::Up)), broken);
        QCOMPARE(label("Image05s")->geometry(), SkinFixture::place(5));
        QCOMPARE(label("Image01up")->pixmap().cacheKey(), preview);
        // The first click of the double click showed the old name; it stays.
        QCOMPARE(hint(), QStringLiteral("e05_up.bmp"));
        // No step and no Save of its own, but the kept name is not lost on the next save.
        QVERIFY(!probe_->saveEnabled());
        QCOMPARE(probe_->form->editorDocument().history().count(), 0);
        QVERIFY(probe_->due(5));
    }

    void previewsDoNothingWithoutAnElementThatHasTheState()
    {
        Probe::doubleClick(label("Image01up"));
        Probe::click(label("Image25p"));
        Probe::doubleClick(label("Image01do"));
        Probe::click(probe_->view("ListPlayer"));
        Probe::doubleClick(label("Image01mo"));
        Probe::click(label("Image05p"));
        Probe::doubleClick(label("Image01da"));
        QCOMPARE(openPictureCalls(), 0);
        Probe::click(label("Image01da"));
        QCOMPARE(hint(), QStringLiteral("Wähl Eines der 3 Bilder aus."));
    }

    void replacedMenuPieceShowsInBothPlacesWithoutMarkingTheSkin()
    {
        Probe::click(label("Image09p"));
        offer(QStringLiteral("links.bmp"), {5, 6});
        Probe::doubleClick(label("ImageLeft"));
        QCOMPARE(label("ImageLeft")->pixmap().size(), QSize(5, 6));
        QCOMPARE(label("Image1")->pixmap().size(), QSize(5, 6));
        QCOMPARE(hint(), QStringLiteral("links.bmp"));
        QVERIFY(probe_->form->selection().isElement(*findElement(9)));
        QVERIFY(!probe_->saveEnabled());

        // Save As writes the replacement although Save stayed disabled.
        const QString copy = folder_->filePath(QStringLiteral("kopie.lkv"));
        probe_->dialogs->answerSaveSkinAs(copy);
        probe_->command("FileSaveAs1")->trigger();
        QFile saved(copy);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\r\nbitmap_left=links.bmp\r\n"));
    }

    void replacedGraphicGoesOutWithTheNextSave()
    {
        offer(QStringLiteral("kopf.bmp"), {80, 9});
        Probe::doubleClick(label("Listheader3h"));
        QCOMPARE(label("Listheader3h")->size(), QSize(80, 9));
        Probe::drag(label("Image05p"), {1, 0});
        probe_->command("FileSave1")->trigger();
        QFile saved(skinPath_);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("[description_list]\r\nbitmap_hd=kopf.bmp\r\n"));
    }

    // Save stays disabled for a graphic alone, so closing is the last chance to keep it.
    void closingAsksToSaveAReplacedGraphic()
    {
        offer(QStringLiteral("kopf.bmp"), {80, 9});
        Probe::doubleClick(label("Listheader3h"));
        QVERIFY(!probe_->command("FileSave1")->isEnabled());
        probe_->dialogs->answerYesNo(true);
        probe_->form->close();
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::YesNo), 1);
        QFile saved(skinPath_);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("[description_list]\r\nbitmap_hd=kopf.bmp\r\n"));
    }

    void unloadableGraphicChangesNothing()
    {
        Probe::click(label("ImageCenter"));
        probe_->dialogs->answerOpenPicture(folder_->filePath(QStringLiteral("fehlt.bmp")));
        Probe::doubleClick(label("ImageCenter"));
        QCOMPARE(probe_->dialogs->count(ScriptedDialogs::Error), 1);
        QCOMPARE(hint(), QStringLiteral("g4.bmp"));
        QCOMPARE(probe_->form->document().graphicPaths[static_cast<int>(Graphic::MenuCenter)],
                 std::string("g4.bmp"));
        QCOMPARE(label("Image2")->pixmap().size(), QSize(30, 12));
    }

    void pageBackgroundIsSelectedAndResizedByTheSizeFields()
    {
        Probe::click(label("Image14p"));
        const QList<int> before = fields();
        Probe::click(label("ImageS"));
        QCOMPARE(probe_->form->selection().kind, Selection::Kind::Background);
        QVERIFY(label("Image01da")->isHidden());
        QCOMPARE(fields(), (QList<int>{before[0], before[1], 30, 12}));
        QCOMPARE(hint(), QStringLiteral("Einen von 4 Bilder auswählen."));
        probe_->field("grossX")->setValue(500);
        probe_->field("PositionX")->setValue(7);
        QCOMPARE(label("ImageS")->geometry(), QRect(0, 0, 500, 12));
        QCOMPARE(label("ImageP")->width(), 30);
        QCOMPARE(label("Image14p")->geometry(), SkinFixture::place(14));

        // A larger bitmap shows clipped: the background keeps its size.
        offer(QStringLiteral("gross.bmp"), {900, 700});
        Probe::doubleClick(label("ImageS"));
        QCOMPARE(label("ImageS")->size(), QSize(500, 12));
        QVERIFY(!probe_->saveEnabled());
    }

    void streamClickShowsZerosWithoutCollapsingTheSelection()
    {
        Probe::click(label("Image07p"));
        Probe::click(label("ImageStream"));
        QCOMPARE(hint(), QStringLiteral("g6.bmp"));
        QCOMPARE(fields(), (QList<int>{0, 0, 0, 0}));
        QVERIFY(probe_->field("grossX")->isReadOnly());
        QCOMPARE(label("Image07s")->geometry(), SkinFixture::place(7));
        QCOMPARE(probe_->form->selection().kind, Selection::Kind::None);
    }

    void menuMirrorsPointToThePlayerViewPage()
    {
        Probe::click(label("Image1"));
        QCOMPARE(hint(), QStringLiteral("Änderungen unter Kategorie Player-Sicht"));
    }

    void transparentCurposLeavesOutTheBottomLeftColour()
    {
        auto *transparent = qobject_cast<QCheckBox *>(probe_->view("Transparent1").widget());
        transparent->setChecked(true);
        QImage marker(10, 10, QImage::Format_RGB32);
        marker.fill(Qt::magenta);
        marker.setPixelColor(5, 5, Qt::black);
        const QString path = folder_->filePath(QStringLiteral("marke.bmp"));
        marker.save(path, "BMP");
        probe_->dialogs->answerOpenPicture(path);
        Probe::doubleClick(label("ImageCurpos"));
        const QImage shown = label("ImageCurpos")->pixmap().toImage();
        QCOMPARE(shown.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::black));
        transparent->setChecked(false);
        QCOMPARE(label("ImageCurpos")->pixmap().toImage().pixelColor(0, 0), QColor(Qt::magenta));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
