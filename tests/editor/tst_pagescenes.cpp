#include "editor/document/EditorDocument.h"
#include "editor/files/PageLoad.h"
#include "editor/scene/PageExport.h"
#include "editor/scene/PageScenes.h"
#include "editor/scene/SelectionFrame.h"
#include "editor/windows/MainWindow.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SkinFixture.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsView>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Element 51 stands alone, away from the others, so nothing covers its picture.
constexpr QPoint alone{300, 300};

// A bitmap whose every pixel differs from its neighbours, so a shifted or scaled
// drawing cannot match it by chance.
QImage patterned(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 11 % 256, y * 23 % 256, (x * y * 7 + 40) % 256));
    }
    return image;
}

QString writeSkin(const QString &folder, bool version15 = true)
{
    SkinFixture fixture(version15);
    fixture.set("btn_goweb_description", "position",
                std::to_string(alone.x()) + ", " + std::to_string(alone.y()) + ", 0, 0");
    const QString path = fixture.write(folder);
    patterned(SkinFixture::place(51).size())
        .save(QDir(folder).filePath(QStringLiteral("e51_up.bmp")), "BMP");
    return path;
}

// The document and its pages as a command-line export has them: no window at all.
struct Headless {
    Headless() : scenes(document) {}

    LoadOutcome load(const QString &path) { return loadPages(path, document, scenes, dialogs); }
    PageItem *view(int number, Page page) const
    {
        return scenes.views().view(*findElement(number), page);
    }

    ScriptedDialogs dialogs;
    EditorDocument document;
    PageScenes scenes;
};

QRectF rectOf(const Rect &r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

} // namespace

// The pages as scenes built from the document without a window, and their pictures
// against those the editor's own scenes give.
class PageScenesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void scenesLoadWithoutAnyWindow()
    {
        Headless pages;
        QCOMPARE(pages.load(writeSkin(folder_->path())), LoadOutcome::Loaded);
        QCOMPARE(pages.dialogs.calls().size(), 0);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!qobject_cast<MainWindow *>(widget), "a main window was made");
            // A control standing in a scene is drawn there and never shown on screen.
            QVERIFY2(!widget->isVisible() || widget->testAttribute(Qt::WA_DontShowOnScreen),
                     qPrintable(widget->metaObject()->className()));
        }
        for (std::size_t i = 0; i <= PageScenes::playerViewIndex; ++i)
            QVERIFY(pages.scenes.scene(i).views().isEmpty());
    }

    void everyViewStandsWhereTheSkinPlacesItsElement()
    {
        Headless pages;
        pages.load(writeSkin(folder_->path()));
        for (const CatalogueEntry &entry : catalogue()) {
            const QRectF expected = entry.number == 51
                                        ? QRectF(QRect(alone, SkinFixture::place(51).size()))
                                        : QRectF(SkinFixture::place(entry.number));
            for (const PageItem *view : pages.scenes.views().views(entry)) {
                QCOMPARE(view->sceneBoundingRect(), expected);
                QCOMPARE(pages.scenes.views().entryOf(view), &entry);
            }
        }
        // A point where nothing stands, or the background, is no element: an element
        // without a view on some page must not answer for the empty place.
        QVERIFY(!pages.scenes.views().entryOf(nullptr));
        QVERIFY(!pages.scenes.views().entryOf(pages.scenes.background(Page::Player)));
    }

    void viewsShowByPageAndVersion_data()
    {
        QTest::addColumn<bool>("version15");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("shown"); // per page P, S, D: 1 shown, 0 hidden, - no view

        QTest::newRow("every page") << true << 7 << "111";
        QTest::newRow("schedule only") << true << 26 << "-1-";
        QTest::newRow("player and description") << false << 47 << "1-1";
        QTest::newRow("never shown") << true << 16 << "0--";
        QTest::newRow("schedule view in 1.5") << true << 29 << "111";
        QTest::newRow("no schedule view in 1.4") << false << 29 << "101";
        QTest::newRow("1.5 element in 1.5") << true << 131 << "111";
        QTest::newRow("1.5 element in 1.4") << false << 131 << "000";
    }
    void viewsShowByPageAndVersion()
    {
        QFETCH(bool, version15);
        QFETCH(int, number);
        QFETCH(QString, shown);
        Headless pages;
        pages.load(writeSkin(folder_->path(), version15));
        for (Page page : allPages) {
            const QChar expected = shown[static_cast<int>(page)];
            const PageItem *view = pages.view(number, page);
            QCOMPARE(view != nullptr, expected != QLatin1Char('-'));
            if (view)
                QCOMPARE(view->isVisible(), expected == QLatin1Char('1'));
        }
    }

    void documentEditsMoveTheViewsAndUndoMovesThemBack()
    {
        Headless pages;
        pages.load(writeSkin(folder_->path()));
        const CatalogueEntry &entry = *findElement(9);
        pages.document.select(Selection::of(entry));
        pages.document.placeSelection({200, 60, 41, 17}, true);
        for (Page page : allPages)
            QCOMPARE(pages.view(9, page)->sceneBoundingRect(), QRectF(200, 60, 41, 17));

        Rect dragged = pages.document.skin().element(entry).geometry;
        dragged.left += 5;
        dragged.top -= 70;
        pages.document.drag(Selection::of(entry), dragged);
        QCOMPARE(pages.view(9, Page::Description)->sceneBoundingRect(), QRectF(205, -10, 41, 17));
        pages.document.history().undo();
        QCOMPARE(pages.view(9, Page::Schedule)->sceneBoundingRect(), QRectF(200, 60, 41, 17));
        QCOMPARE(pages.view(9, Page::Player)->sceneBoundingRect(),
                 rectOf(pages.document.skin().element(entry).geometry));
    }

    void selectionIsFramedAndMarkedOnItsViewsOnly()
    {
        Headless pages;
        pages.load(writeSkin(folder_->path()));
        const auto frameOf = [&](Page page) -> const SelectionFrame & {
            return pages.scenes.scene(page).selectionFrame();
        };
        const auto selectedOnly = [&](int number) {
            for (Page page : allPages) {
                for (const QGraphicsItem *item : pages.scenes.scene(page).items()) {
                    if (item->isSelected() != (item == pages.view(number, page)))
                        return false;
                }
            }
            return true;
        };
        pages.document.select(Selection::of(*findElement(26)));
        QVERIFY(selectedOnly(26));
        QCOMPARE(frameOf(Page::Schedule).target(), pages.view(26, Page::Schedule));
        QVERIFY(frameOf(Page::Schedule).isVisible());
        QVERIFY(!frameOf(Page::Player).isVisible());
        QVERIFY(!frameOf(Page::Description).isVisible());

        // The frame follows an edit of the selected element.
        pages.document.placeSelection({40, 30, 10, 10}, true);
        QVERIFY(frameOf(Page::Schedule).boundingRect().contains(QRectF(40, 30, 10, 10)));

        pages.document.select(Selection::of(*findElement(7)));
        QVERIFY(selectedOnly(7));
        for (Page page : allPages) {
            QVERIFY(frameOf(page).isVisible());
            QCOMPARE(frameOf(page).target(), pages.view(7, page));
        }

        // A page background is sized by the fields only: its frame has no handles.
        pages.document.select(Selection::backgroundOf(Page::Player));
        QVERIFY(frameOf(Page::Player).isVisible());
        QVERIFY(!frameOf(Page::Schedule).isVisible());
        for (const QGraphicsItem *handle : frameOf(Page::Player).childItems())
            QVERIFY(!handle->isVisible());
    }

    // Elements 26, 27 and 28 stand only on the Schedule page; 28 was added last, so it
    // is on top where they overlap.
    void altClickSelectsTheNextElementBelowRoundAgain_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QList<int>>("selected");

        QTest::newRow("three") << QPoint(323, 310) << QList<int>{28, 27, 26, 28, 27};
        QTest::newRow("two") << QPoint(312, 306) << QList<int>{27, 26, 27};
        QTest::newRow("one") << QPoint(303, 302) << QList<int>{26, 26};
    }
    void altClickSelectsTheNextElementBelowRoundAgain()
    {
        QFETCH(QPoint, at);
        QFETCH(QList<int>, selected);
        SkinFixture fixture(true);
        fixture.set("btn_schedule_create", "position", "300, 300, 0, 0");
        fixture.set("btn_schedule_modify", "position", "310, 304, 0, 0");
        fixture.set("btn_schedule_delete", "position", "320, 308, 0, 0");
        EditorProbe probe;
        probe.form->show();
        probe.open(folder_->path(), fixture);
        probe.child<QTabWidget>(QStringLiteral("Notebook"))->setCurrentIndex(1);
        QCoreApplication::processEvents();
        auto *schedule = probe.child<QGraphicsView>(QStringLiteral("SchedulePageView"));
        const QPoint point = schedule->mapFromScene(QPointF(at));
        const auto altClick = [&](QEvent::Type type, Qt::MouseButtons held) {
            QMouseEvent event(type, point, schedule->viewport()->mapToGlobal(point), Qt::LeftButton,
                              held, Qt::AltModifier);
            QApplication::sendEvent(schedule->viewport(), &event);
        };
        QList<int> numbers;
        for (qsizetype click = 0; click < selected.size(); ++click) {
            altClick(QEvent::MouseButtonPress, Qt::LeftButton);
            altClick(QEvent::MouseButtonRelease, Qt::NoButton);
            const Selection &now = probe.form->selection();
            numbers << (now.kind == Selection::Kind::Element ? now.element->number : 0);
        }
        QCOMPARE(numbers, selected);
        // Selecting so moves nothing.
        QCOMPARE(probe.form->editorDocument().history().count(), 0);
        QCOMPARE(probe.view("Image28s")->pos(), QPoint(320, 308));
    }

    void headlessPicturesEqualTheWindowsPictures()
    {
        const QString path = writeSkin(folder_->path());
        Headless pages;
        pages.load(path);
        EditorProbe probe;
        probe.form->show();
        probe.form->load(path);
        // A selection in the window must not show in its pictures either.
        probe.form->editorDocument().select(Selection::of(*findElement(7)));

        const std::vector<PagePicture> headless = renderPages(pages.scenes);
        const std::vector<PagePicture> shown = renderPages(probe.form->scenes());
        QCOMPARE(headless.size(), std::size_t{4});
        QCOMPARE(shown.size(), headless.size());
        for (std::size_t i = 0; i < headless.size(); ++i) {
            QCOMPARE(headless[i].fileName, shown[i].fileName);
            QVERIFY(!headless[i].image.isNull());
            QCOMPARE(headless[i].image, shown[i].image);
        }
    }

    void elementIsDrawnPixelForPixelFromItsBitmap()
    {
        Headless pages;
        pages.load(writeSkin(folder_->path()));
        const QImage page = renderPages(pages.scenes)[static_cast<int>(Page::Description)].image;
        const QImage bitmap = patterned(SkinFixture::place(51).size());
        const QImage drawn =
            page.copy(QRect(alone, bitmap.size())).convertToFormat(bitmap.format());
        QCOMPARE(drawn, bitmap);
    }

    void pictureReachesAsFarAsWhatThePageShows_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QSize>("size"); // a side of 0 stays as before the move

        const QSize stop = SkinFixture::place(30).size();
        QTest::newRow("moved out") << 30 << QPoint(900, 700) << QSize(900, 700) + stop;
        // Element 16 is never shown, so it does not widen the page.
        QTest::newRow("hidden") << 16 << QPoint(900, 700) << QSize();
        // What stands beyond the largest page is off the page.
        QTest::newRow("far away") << 30 << QPoint(2000000, 30) << QSize();
        QTest::newRow("across the far side")
            << 30 << QPoint(maxSkinSide - 1, 30) << QSize(maxSkinSide, 0);
    }
    void pictureReachesAsFarAsWhatThePageShows()
    {
        QFETCH(int, number);
        QFETCH(QPoint, place);
        QFETCH(QSize, size);
        Headless pages;
        pages.load(writeSkin(folder_->path()));
        const QSize before = renderPages(pages.scenes)[0].image.size();
        const QSize moved = SkinFixture::place(number).size();
        pages.document.select(Selection::of(*findElement(number)));
        pages.document.placeSelection({place.x(), place.y(), moved.width(), moved.height()}, true);
        const QSize after = renderPages(pages.scenes)[0].image.size();
        QCOMPARE(after.width(), size.width() > 0 ? size.width() : before.width());
        QCOMPARE(after.height(), size.height() > 0 ? size.height() : before.height());
    }
};

QTEST_MAIN(PageScenesTest)
#include "tst_pagescenes.moc"
