#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(std::string)

// The demo skins are committed output of tools/make_demo_skins.cpp. These checks
// make sure the files in the repository are what a user opening them needs: a skin
// of the right player version whose every picture loads and fits its element.

namespace {

// An element page of the editor's notebook, without the tabs.
const QRect pageArea(0, 0, 993, 477);

std::string sv(std::string_view text)
{
    return std::string(text);
}

QString qs(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool elementExists(const CatalogueEntry &entry, bool is15)
{
    return entry.rule != VersionRule::OnlyFor15 || is15;
}

bool viewShown(const CatalogueEntry &entry, Page page, bool is15)
{
    if (!entry.hasView(page) || !elementExists(entry, is15))
        return false;
    if (entry.rule == VersionRule::NeverShown)
        return false;
    return !(entry.rule == VersionRule::ScheduleViewFor15 && page == Page::Schedule && !is15);
}

// The list panels as the loader places them: one rectangle for Schedule and
// Description; the Player list takes its height from the player view.
QRect listPanel(const ProfileReader &skin, const PairReader &pairs, bool is15, Page page)
{
    const IntPair m = is15 ? readCommentedPair(pairs, "dlg_main", "position_m")
                           : readPair(pairs, "dlg_main", "position_m");
    const IntPair g = is15 ? readCommentedPair(pairs, "dlg_main", "position_g")
                           : readPair(pairs, "dlg_main", "position_g");
    const IntPair size = readPair(pairs, "dlg_main", "size_m");
    const int width = is15 ? readPair(pairs, "dlg_main", "size_g").x : size.x;
    const int height = page == Page::Player ? readInteger(skin, "player_view", "height") : size.y;
    return QRect(m.x - g.x, m.y - g.y, width, height);
}

} // namespace

class DemoSkinsTest : public QObject {
    Q_OBJECT

    QString path_;
    QString folder_;
    bool is15_ = false;

    QString bitmapPath(const std::string &name) const
    {
        return QDir(folder_).filePath(QString::fromStdString(name));
    }

private slots:
    // Every test runs once for each demo skin.
    void initTestCase_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<std::string>("version");
        QTest::newRow("nachtblau") << "nachtblau-14/nachtblau.lkv" << sv(version14);
        QTest::newRow("sonnengelb") << "sonnengelb-15/sonnengelb.lkv" << sv(version15);
    }

    void init()
    {
        QFETCH_GLOBAL(QString, file);
        QFETCH_GLOBAL(std::string, version);
        // The test data folder is this test's own; the demos are at the top.
        path_ = QDir(QStringLiteral(VELMOR_TEST_DATA "/../../examples")).filePath(file);
        folder_ = QFileInfo(path_).path();
        is15_ = version == version15;
        QVERIFY2(QFileInfo::exists(path_), qPrintable(path_));
    }

    void isSkinOfItsVersion()
    {
        QFETCH_GLOBAL(std::string, version);
        QCOMPARE(targetVersionOf(ProfileReader::fromFile(path_.toStdString())), version);
    }

    // A checkout that turned the line ends into LF would still load here but no
    // longer be the Windows file the player expects.
    void isWindowsTextWithHeader()
    {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("PP_LKV = "));
        QVERIFY(text.endsWith("\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QCOMPARE(text.count('\r'), text.count("\r\n"));
    }

    void everyNamedBitmapLoads()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        std::vector<std::pair<std::string_view, std::string_view>> keys;
        for (std::size_t g = 0; g < graphicCount; ++g) {
            const SkinKey key = graphicKey(static_cast<Graphic>(g));
            keys.emplace_back(key.section, key.key);
        }
        for (const CatalogueEntry &entry : catalogue()) {
            if (!elementExists(entry, is15_))
                continue;
            for (StateBitmap state : allStates) {
                if (entry.hasState(state))
                    keys.emplace_back(entry.section, stateKey(state));
            }
        }
        for (const auto &[section, key] : keys) {
            const std::string name = readFileName(skin, section, key);
            const QString where = qs(section) + " " + qs(key) + " " + QString::fromStdString(name);
            // The exact name: skins travel to case-sensitive file systems too.
            QVERIFY2(QFileInfo::exists(bitmapPath(name)), qPrintable(where));
            QImage image;
            QVERIFY2(image.load(bitmapPath(name), "BMP"), qPrintable(where));
        }
    }

    // Views draw their bitmap unscaled in a view of the element's size, so a state
    // bitmap of another size would be cut off or leave a gap when it is shown.
    void stateBitmapsHaveTheElementSize()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        const PairReader pairs(path_.toStdString());
        for (const CatalogueEntry &entry : catalogue()) {
            if (!elementExists(entry, is15_) || entry.states == StateSet::None)
                continue;
            const IntPair size = readPair(pairs, entry.section, "size");
            QVERIFY2(size.x > 0 && size.y > 0, entry.section.data());
            for (StateBitmap state : allStates) {
                if (!entry.hasState(state))
                    continue;
                const QImage image(bitmapPath(readFileName(skin, entry.section, stateKey(state))));
                QVERIFY2(image.size() == QSize(size.x, size.y),
                         qPrintable(qs(entry.section) + " " + qs(stateKey(state))));
            }
        }
    }

    // Pressing, hovering and disabling must show: no two states of an element may
    // share one picture.
    void statesLookDifferent()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        for (const CatalogueEntry &entry : catalogue()) {
            if (!elementExists(entry, is15_))
                continue;
            std::vector<QImage> images;
            for (StateBitmap state : allStates) {
                if (entry.hasState(state))
                    images.emplace_back(
                        bitmapPath(readFileName(skin, entry.section, stateKey(state))));
            }
            for (std::size_t i = 0; i < images.size(); ++i) {
                for (std::size_t j = i + 1; j < images.size(); ++j)
                    QVERIFY2(images[i] != images[j], entry.section.data());
            }
        }
    }

    // The list panel lies above the element views, so an element it overlaps would
    // be hidden; two views on top of each other could not both be pressed.
    void shownViewsKeepClearOfEachOther()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        const PairReader pairs(path_.toStdString());
        for (Page page : allPages) {
            std::vector<std::pair<QString, QRect>> items{
                {QStringLiteral("list panel"), listPanel(skin, pairs, is15_, page)}};
            for (const CatalogueEntry &entry : catalogue()) {
                if (!viewShown(entry, page, is15_))
                    continue;
                const IntPair at = readPosition(pairs, entry.section, "position");
                const IntPair size = readPair(pairs, entry.section, "size");
                items.emplace_back(qs(entry.section), QRect(at.x, at.y, size.x, size.y));
            }
            for (std::size_t i = 0; i < items.size(); ++i) {
                QVERIFY2(pageArea.contains(items[i].second), qPrintable(items[i].first));
                for (std::size_t j = i + 1; j < items.size(); ++j) {
                    QVERIFY2(!items[i].second.intersects(items[j].second),
                             qPrintable(items[i].first + " / " + items[j].first));
                }
            }
        }
    }

    // The list geometry is stored as a save writes it, so opening and saving a demo
    // skin leaves the lists where they are.
    void listGeometryIsWhatSavingWrites()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        const PairReader pairs(path_.toStdString());
        const QRect list = listPanel(skin, pairs, is15_, Page::Schedule);
        if (!is15_) {
            QCOMPARE(readPair(pairs, "dlg_main", "position_g"), (IntPair{100, 50}));
            QCOMPARE(readPair(pairs, "dlg_main", "size_g"),
                     (IntPair{list.width() + 1, list.height() + 36}));
            return;
        }
        QFile file(path_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArrayList lines = file.readAll().split('\n');
        const auto has = [&](const QString &line) {
            return lines.contains(line.toLatin1() + "\r");
        };
        QVERIFY(has(QStringLiteral("position_m=%1,%2 // anfangsposition von body unten")
                        .arg(list.left() + 140)
                        .arg(list.top() + 50)));
        QVERIFY(has(QStringLiteral("position_g=140,50  // anfangspos von body oben")));
        QVERIFY(has(QStringLiteral("size_m=310,%1").arg(list.height())));
        QVERIFY(has(QStringLiteral("size_g=%1,240").arg(list.width())));
    }

    // The editor and the player key the marker's transparency on its bottom-left
    // pixel; the skin's own transparent colour should be that colour.
    void curposKeysItsTransparentColour()
    {
        const ProfileReader skin = ProfileReader::fromFile(path_.toStdString());
        const QImage marker(bitmapPath(readFileName(skin, "player_view", "bitmap_curpos")));
        QVERIFY(!marker.isNull());
        const QRgb corner = marker.pixel(0, marker.height() - 1);
        const int colourRef = qRed(corner) | qGreen(corner) << 8 | qBlue(corner) << 16;
        QCOMPARE(readInteger(skin, "player_view", "color_transparent"), colourRef);
    }
};

QTEST_GUILESS_MAIN(DemoSkinsTest)
#include "tst_demoskins.moc"
