#include "editor/controls/PageView.h"
#include "editor/scene/PictureItem.h"
#include "editor/windows/MainWindow.h"
#include "tests/editor/EditorProbe.h"
#include "tests/support/DemoSkinCopy.h"

#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// The window on a screen scaled as Windows laptops are (150 %, or the scale the run
// is given): the skin's pixels are pixel art and stay sharp at every zoom, the program's
// own glyphs are drawn for the screen, not blown up, and no text is cut off.
class ScaledScreenTest : public QObject {
    Q_OBJECT

private slots:
    void skinPixelsStaySharpAtEveryZoom_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::newRow("100 %") << 100;
        QTest::newRow("150 %") << 150;
        QTest::newRow("300 %") << 300;
    }
    void skinPixelsStaySharpAtEveryZoom()
    {
        QFETCH(int, zoom);
        QTemporaryDir folder;
        const DemoSkinCopy demo(QStringLiteral("sonnengelb-15"), folder.path());
        EditorProbe probe;
        probe.form->resize(1600, 1000);
        probe.form->show();
        probe.form->load(demo.path());
        probe.form->zoom().setPercent(zoom);
        QCoreApplication::processEvents();

        auto *picture = qobject_cast<PictureItem *>(probe.view("Image09p").item());
        auto *view = probe.child<PageView>(QStringLiteral("PlayerPageView"));
        const QImage skinPixels = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < skinPixels.height(); ++y)
            for (int x = 0; x < skinPixels.width(); ++x)
                colours.insert(skinPixels.pixel(x, y));

        view->ensureVisible(picture);
        const QPixmap screen = view->viewport()->grab();
        const qreal scale = screen.devicePixelRatio();
        QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        const QImage shown = screen.toImage().convertToFormat(QImage::Format_RGB32);
        const QRect logical = view->mapFromScene(picture->sceneBoundingRect()).boundingRect();
        // The element's own device pixels, short of the edges the rounding may share.
        const QRect device(
            QPoint(qCeil(logical.left() * scale) + 2, qCeil(logical.top() * scale) + 2),
            QPoint(qFloor(logical.right() * scale) - 2, qFloor(logical.bottom() * scale) - 2));
        QVERIFY(device.width() > 10 && device.height() > 10);
        QVERIFY(shown.rect().contains(device));
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x)
                QVERIFY2(colours.contains(shown.pixel(x, y)),
                         qPrintable(QStringLiteral("a blended pixel at %1,%2").arg(x).arg(y)));
    }

    // On a laptop's room: every caption whole, and four digits in every number field.
    void noTextIsCutOff()
    {
        QTemporaryDir folder;
        const DemoSkinCopy demo(QStringLiteral("sonnengelb-15"), folder.path());
        EditorProbe probe;
        probe.form->resize(1024, 600);
        probe.form->show();
        probe.form->load(demo.path());
        QCoreApplication::processEvents();
        for (const QLabel *label : probe.form->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->wordWrap() || !label->pixmap().isNull())
                continue;
            const QString text = label->text().remove(QLatin1Char('&'));
            QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(),
                     qPrintable(text));
        }
        for (const QSpinBox *field : probe.form->findChildren<QSpinBox *>()) {
            const QLineEdit *text = field->findChild<QLineEdit *>();
            QVERIFY2(text->fontMetrics().horizontalAdvance(QStringLiteral("1000")) <=
                         text->contentsRect().width(),
                     qPrintable(field->objectName()));
        }
    }

    void zoomGlyphsHaveTheScreensOwnPixels()
    {
        EditorProbe probe;
        const QIcon glyph = probe.command("ViewZoomIn")->icon();
        QCOMPARE(glyph.pixmap(QSize(16, 16), 1.5).size(), QSize(24, 24));
        QCOMPARE(glyph.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    }
};

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    ScaledScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledscreen.moc"
