#include "skin/Arrangement.h"
#include "skin/Snapping.h"

#include <QtTest>

#include <algorithm>
#include <numeric>
#include <vector>

Q_DECLARE_METATYPE(Arrangement)

namespace {

std::vector<Rect> rectsOf(const QList<QRect> &list)
{
    std::vector<Rect> rects;
    for (const QRect &r : list)
        rects.push_back({r.x(), r.y(), r.width(), r.height()});
    return rects;
}

QRect qRect(const Rect &r)
{
    return {r.left, r.top, r.width, r.height};
}

bool horizontal(Arrangement a)
{
    return a == Arrangement::AlignLeft || a == Arrangement::AlignHCenter ||
           a == Arrangement::AlignRight || a == Arrangement::DistributeHorizontally ||
           a == Arrangement::SameWidth;
}

// Start and length along the arrangement's axis, and the same across it.
std::pair<std::int64_t, std::int64_t> along(const Rect &r, bool x)
{
    return x ? std::pair<std::int64_t, std::int64_t>{r.left, r.width}
             : std::pair<std::int64_t, std::int64_t>{r.top, r.height};
}

// The gaps between neighbours, the neighbours taken in the order they stood before.
std::vector<std::int64_t> gapsOf(const std::vector<Rect> &before, const std::vector<Rect> &after,
                                 bool x)
{
    std::vector<std::size_t> order(before.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return along(before[a], x).first < along(before[b], x).first;
    });
    std::vector<std::int64_t> gaps;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        const auto [start, length] = along(after[order[i]], x);
        gaps.push_back(along(after[order[i + 1]], x).first - (start + length));
    }
    return gaps;
}

std::optional<double> guide(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

} // namespace

// Aligning, distributing and snapping decide where elements land; each is checked by
// what the user asked for (edges meet, gaps are equal, the nearest line wins) rather
// than by the arithmetic behind it.
class ArrangementTest : public QObject {
    Q_OBJECT

private slots:
    void alignAndSameSizeFollowTheKey_data()
    {
        QTest::addColumn<Arrangement>("arrangement");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<int>("key");

        const QList<QRect> odd{{10, 5, 21, 8}, {-40, 30, 10, 9}, {100, -3, 15, 4}};
        const QList<QRect> negative{{-310, -205, 33, 17}, {-40, -30, 6, 9}, {-1000, -3, 15, 4}};
        const std::array<const char *, allArrangements.size()> names{
            "left", "h-centre", "right", "top", "v-centre", "bottom", "", "", "width", "height"};
        for (Arrangement a : allArrangements) {
            if (leastCount(a) != 2)
                continue;
            const QByteArray name(names[static_cast<std::size_t>(a)]);
            QTest::newRow(name + " odd sizes") << a << odd << 0;
            QTest::newRow(name + " negative, key last") << a << negative << 2;
            QTest::newRow(name + " key in the middle") << a << odd << 1;
        }
    }
    void alignAndSameSizeFollowTheKey()
    {
        QFETCH(Arrangement, arrangement);
        QFETCH(QList<QRect>, rects);
        QFETCH(int, key);
        const std::vector<Rect> before = rectsOf(rects);
        const std::vector<Rect> after = arranged(arrangement, before, std::size_t(key));
        QCOMPARE(after.size(), before.size());
        const bool x = horizontal(arrangement);
        const Rect &k = before[std::size_t(key)];
        const auto [keyStart, keyLength] = along(k, x);
        QCOMPARE(qRect(after[std::size_t(key)]), qRect(k));
        for (std::size_t i = 0; i < after.size(); ++i) {
            const auto [start, length] = along(after[i], x);
            const auto [oldStart, oldLength] = along(before[i], x);
            // Nothing across the axis changes.
            QCOMPARE(along(after[i], !x), along(before[i], !x));
            switch (arrangement) {
            case Arrangement::AlignLeft:
            case Arrangement::AlignTop:
                QCOMPARE(start, keyStart);
                QCOMPARE(length, oldLength);
                break;
            case Arrangement::AlignRight:
            case Arrangement::AlignBottom:
                QCOMPARE(start + length, keyStart + keyLength);
                QCOMPARE(length, oldLength);
                break;
            case Arrangement::AlignHCenter:
            case Arrangement::AlignVCenter:
                // Odd differences leave half a pixel, no more.
                QVERIFY(std::abs((2 * start + length) - (2 * keyStart + keyLength)) <= 1);
                QCOMPARE(length, oldLength);
                break;
            default:
                QCOMPARE(length, keyLength);
                QCOMPARE(start, oldStart);
            }
        }
    }

    // Half a pixel is rounded the same way on either side of zero, so a group that
    // is centred far left of the page ends up as it would elsewhere.
    void centringRoundsAlikeAtNegativePlaces()
    {
        for (Arrangement a : {Arrangement::AlignHCenter, Arrangement::AlignVCenter}) {
            const std::vector<Rect> here{{10, 10, 21, 21}, {40, 40, 10, 10}};
            std::vector<Rect> far = here;
            for (Rect &r : far) {
                r.left -= 1001;
                r.top -= 1001;
            }
            const std::vector<Rect> a1 = arranged(a, here);
            const std::vector<Rect> a2 = arranged(a, far);
            QCOMPARE(qRect(a2[1]), qRect(a1[1]).translated(-1001, -1001));
        }
    }

    void distributeKeepsTheOuterTwoAndEqualGaps_data()
    {
        QTest::addColumn<Arrangement>("arrangement");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<QList<int>>("outer"); // indices that must not move

        QTest::newRow("even room, unsorted")
            << Arrangement::DistributeHorizontally
            << QList<QRect>{{100, 0, 10, 5}, {0, 7, 10, 5}, {37, 3, 10, 5}} << QList<int>{0, 1};
        QTest::newRow("room that does not divide")
            << Arrangement::DistributeHorizontally
            << QList<QRect>{{230, 0, 22, 5}, {100, 0, 20, 5}, {300, 0, 23, 5}, {160, 0, 21, 5}}
            << QList<int>{1, 2};
        QTest::newRow("overlapping")
            << Arrangement::DistributeHorizontally
            << QList<QRect>{{0, 0, 50, 5}, {20, 0, 50, 5}, {3, 0, 50, 5}} << QList<int>{0, 1};
        QTest::newRow("vertical, negative") << Arrangement::DistributeVertically
                                            << QList<QRect>{{0, -500, 5, 13},
                                                            {9, -20, 5, 7},
                                                            {4, -480, 5, 30},
                                                            {1, -300, 5, 2},
                                                            {2, -90, 5, 11}}
                                            << QList<int>{0, 1};
    }
    void distributeKeepsTheOuterTwoAndEqualGaps()
    {
        QFETCH(Arrangement, arrangement);
        QFETCH(QList<QRect>, rects);
        QFETCH(QList<int>, outer);
        const std::vector<Rect> before = rectsOf(rects);
        const std::vector<Rect> after = arranged(arrangement, before);
        const bool x = horizontal(arrangement);
        for (int index : outer)
            QCOMPARE(qRect(after[std::size_t(index)]), rects[index]);
        for (std::size_t i = 0; i < after.size(); ++i) {
            QCOMPARE(along(after[i], !x), along(before[i], !x));
            QCOMPARE(along(after[i], x).second, along(before[i], x).second);
        }
        const std::vector<std::int64_t> gaps = gapsOf(before, after, x);
        const auto [least, most] = std::minmax_element(gaps.begin(), gaps.end());
        QVERIFY2(
            *most - *least <= 1,
            qPrintable(QStringLiteral("gaps %1 to %2").arg(qint64(*least)).arg(qint64(*most))));
    }

    void tooFewLeaveEverythingAsItWas()
    {
        const std::vector<Rect> one{{5, 6, 7, 8}};
        const std::vector<Rect> two{{5, 6, 7, 8}, {50, 60, 70, 80}};
        for (Arrangement a : allArrangements) {
            QCOMPARE(arranged(a, one), one);
            if (leastCount(a) > 2)
                QCOMPARE(arranged(a, two), two);
        }
        QCOMPARE(leastCount(Arrangement::DistributeVertically), std::size_t{3});
        QCOMPARE(leastCount(Arrangement::SameHeight), std::size_t{2});
    }

    void snapMovesToTheNearestLineInReach_data()
    {
        QTest::addColumn<QRect>("moving");
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QList<double>>("ys");
        QTest::addColumn<double>("reach");
        QTest::addColumn<int>("grid");
        QTest::addColumn<QPoint>("shift");
        QTest::addColumn<QVariant>("guideX");
        QTest::addColumn<QVariant>("guideY");

        // Left 100, centre 120, right 140; top 50, middle 55, bottom 60.
        const QRect wide(100, 50, 40, 10);
        const QVariant none;
        QTest::newRow("nearest of two edges")
            << wide << QList<double>{104, 142} << QList<double>{} << 6.0 << 0 << QPoint(2, 0)
            << QVariant(142.0) << none;
        QTest::newRow("exactly at reach") << wide << QList<double>{106} << QList<double>{} << 6.0
                                          << 0 << QPoint(6, 0) << QVariant(106.0) << none;
        QTest::newRow("just beyond reach") << wide << QList<double>{106.5, 93} << QList<double>{}
                                           << 6.0 << 0 << QPoint() << none << none;
        QTest::newRow("centre") << wide << QList<double>{117, 90} << QList<double>{} << 6.0 << 0
                                << QPoint(-3, 0) << QVariant(117.0) << none;
        QTest::newRow("odd centre to a half line")
            << QRect(100, 50, 21, 10) << QList<double>{112.5} << QList<double>{} << 6.0 << 0
            << QPoint(2, 0) << QVariant(112.5) << none;
        QTest::newRow("each axis on its own") << wide << QList<double>{300} << QList<double>{52, 64}
                                              << 6.0 << 0 << QPoint(0, 2) << none << QVariant(52.0);
        QTest::newRow("wider reach when zoomed out")
            << wide << QList<double>{89} << QList<double>{} << 12.0 << 0 << QPoint(-11, 0)
            << QVariant(89.0) << none;
        QTest::newRow("grid up") << QRect(13, 21, 10, 10) << QList<double>{} << QList<double>{}
                                 << 6.0 << 8 << QPoint(3, 3) << none << none;
        QTest::newRow("grid down") << QRect(11, 18, 10, 10) << QList<double>{} << QList<double>{}
                                   << 6.0 << 8 << QPoint(-3, -2) << none << none;
        QTest::newRow("line beats grid")
            << QRect(13, 21, 10, 10) << QList<double>{14} << QList<double>{} << 6.0 << 8
            << QPoint(1, 3) << QVariant(14.0) << none;
        QTest::newRow("grid at negative places")
            << QRect(-13, -11, 10, 10) << QList<double>{} << QList<double>{} << 6.0 << 8
            << QPoint(-3, 3) << none << none;
        QTest::newRow("lines at negative places")
            << QRect(-47, -30, 10, 10) << QList<double>{-50} << QList<double>{-18} << 6.0 << 0
            << QPoint(-3, 2) << QVariant(-50.0) << QVariant(-18.0);
        QTest::newRow("nothing to snap to")
            << wide << QList<double>{} << QList<double>{} << 6.0 << 0 << QPoint() << none << none;
    }
    void snapMovesToTheNearestLineInReach()
    {
        QFETCH(QRect, moving);
        QFETCH(QList<double>, xs);
        QFETCH(QList<double>, ys);
        QFETCH(double, reach);
        QFETCH(int, grid);
        QFETCH(QPoint, shift);
        QFETCH(QVariant, guideX);
        QFETCH(QVariant, guideY);
        SnapLines lines;
        lines.xs.assign(xs.begin(), xs.end());
        lines.ys.assign(ys.begin(), ys.end());
        const Snap snap = snapped(rectsOf({moving}).front(), lines, {reach, grid});
        QCOMPARE(QPoint(int(snap.dx), int(snap.dy)), shift);
        QCOMPARE(snap.guideX, guide(guideX));
        QCOMPARE(snap.guideY, guide(guideY));
    }

    // An element of odd width has its centre between two pixels; a neighbour snaps to
    // that centre with its own centre when its width is odd too.
    void linesOfAnElementIncludeItsCentre()
    {
        SnapLines lines;
        lines.addEdgesOf({10, 20, 31, 7});
        const Snap centred = snapped({22, 200, 11, 10}, lines, {3, 0});
        QCOMPARE(centred.dx, std::int64_t{-2});
        QCOMPARE(centred.guideX, std::optional<double>(25.5));
        const Snap below = snapped({200, 28, 10, 10}, lines, {3, 0});
        QCOMPARE(below.dy, std::int64_t{-1});
        QCOMPARE(below.guideY, std::optional<double>(27.0));
    }
};

QTEST_GUILESS_MAIN(ArrangementTest)
#include "tst_arrangement.moc"
