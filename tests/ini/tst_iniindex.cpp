// The INI classes find keys through an index; these tests hold it to the plain line
// scan it replaced, on random texts and random edit sequences.
#include "ini/IniLine.h"
#include "ini/PairReader.h"
#include "ini/SkinWriter.h"

#include <QtTest>

#include <optional>
#include <random>

namespace {

// The line scan as the classes did it before they had an index, kept as the measure.
std::optional<std::size_t> scanFind(const std::vector<std::string> &lines, std::string_view section,
                                    std::string_view ident)
{
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IniLine line = IniLine::classify(lines[i]);
        if (line.kind == IniLine::Header)
            inSection = line.matches(section);
        else if (line.kind == IniLine::Key && inSection && line.matches(ident))
            return i;
    }
    return std::nullopt;
}

void scanPut(std::vector<std::string> &lines, std::string_view section, std::string_view ident,
             std::string_view valuePart)
{
    const std::string newLine = std::string(ident) + "=" + std::string(valuePart);
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IniLine line = IniLine::classify(lines[i]);
        if (line.kind == IniLine::Header) {
            if (line.matches(section)) {
                inSection = true;
            } else if (inSection) {
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), newLine);
                return;
            }
        } else if (line.kind == IniLine::Key && inSection && line.matchesForWriting(ident)) {
            lines[i] = std::string(line.writtenKey()) + "=" + std::string(valuePart);
            return;
        }
    }
    if (!inSection)
        lines.push_back(std::string("[").append(trimControl(section)).append("]"));
    lines.push_back(newLine);
}

// A writer whose line scan the test can call; it never writes its file.
class Probe : public SkinWriter {
public:
    explicit Probe(std::vector<std::string> lines)
        : SkinWriter("/velmor-no-such-folder/probe.ini", std::move(lines))
    {}
    ~Probe() override { DiscardChanges(); }
    using IniText::FindKeyLine;
};

// Names in several spellings, so that case folding, blanks inside names, umlauts and
// names with "]" or "=" all meet the index.
const std::vector<std::string> sectionNames{"A",  "a",   "B",    "btn_play", "BTN_Play",
                                            "",   "A B", "\xc4", "\xe4",     "a]b",
                                            " A", "neu", "[x",   "x=y"};
const std::vector<std::string> keyNames{"k",   "K",    "position", "Position", "size", "",
                                        "x y", "\xe4", " k",       "[k",       "k=v",  "// k"};

QByteArray shown(std::optional<std::size_t> line)
{
    return line ? "line " + QByteArray::number(*line) : QByteArray("none");
}

// The index's answer next to the scan's, for the failure message.
QByteArray findMismatch(const Probe &ini, const std::vector<std::string> &expected,
                        std::string_view section, std::string_view ident)
{
    const std::optional<std::size_t> found = ini.FindKeyLine(section, ident);
    const std::optional<std::size_t> scanned = scanFind(expected, section, ident);
    if (found == scanned)
        return {};
    return "[" + QByteArray(section.data(), qsizetype(section.size())) + "] " +
           QByteArray(ident.data(), qsizetype(ident.size())) + ": index " + shown(found) +
           ", scan " + shown(scanned);
}

class RandomText {
public:
    explicit RandomText(unsigned seed) : random_(seed) {}

    std::size_t below(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    const std::string &pick(const std::vector<std::string> &from)
    {
        return from[below(from.size())];
    }

    std::string line()
    {
        // Control bytes that some rules count as blanks and others do not.
        static const std::vector<std::string> pads{"", " ", "\t", "  \t", "\x01", "\x1a", "\v"};
        const std::string &pad = pick(pads);
        switch (below(8)) {
        case 0:
            return pick(pads);
        case 1: {
            // Headers with blanks inside the brackets, text behind them, or no "]".
            static const std::vector<std::string> tails{"]", " ]", "] ; note", "", "]]"};
            return pad + "[" + pick(pads) + pick(sectionNames) + pick(tails) + pad;
        }
        case 2:
            return pad + "// " + pick(keyNames) + "=comment";
        case 3:
            return pad + pick(keyNames);
        default:
            return pad + pick(keyNames) + pick(pads) + "=" + pick(pads) + "12, 40, 0, 0" + pad;
        }
    }

    std::vector<std::string> text()
    {
        std::vector<std::string> lines(below(30));
        for (std::string &entry : lines)
            entry = line();
        return lines;
    }

private:
    std::mt19937 random_;
};

} // namespace

class IniIndexTest : public QObject {
    Q_OBJECT

private slots:
    // Every edit and every lookup agrees with the plain scan, also after Lines was
    // changed from outside the class.
    void indexAgreesWithLineScan()
    {
        for (unsigned seed = 1; seed <= 400; ++seed) {
            RandomText random(seed);
            std::vector<std::string> expected = random.text();
            Probe ini(expected);
            for (int step = 0; step < 60; ++step) {
                const std::string &section = random.pick(sectionNames);
                const std::string &ident = random.pick(keyNames);
                const QByteArray where = QByteArray("seed ") + QByteArray::number(seed) +
                                         ", step " + QByteArray::number(step);
                switch (random.below(10)) {
                case 0:
                case 1:
                case 2: {
                    const QByteArray mismatch = findMismatch(ini, expected, section, ident);
                    QVERIFY2(mismatch.isEmpty(), (where + ": " + mismatch).constData());
                    continue;
                }
                case 3:
                    ini.PutValue(section, ident, "v" + std::to_string(step));
                    scanPut(expected, section, ident, "v" + std::to_string(step));
                    break;
                case 4:
                    ini.PutPair(section, ident, "1", "2");
                    scanPut(expected, section, ident, "1,2");
                    break;
                case 5:
                    ini.PutPairZeros(section, ident, "3", "-4");
                    scanPut(expected, section, ident, "3,-4, 0, 0");
                    break;
                case 6:
                    // A caller adds a line: the index sees the length change.
                    expected.push_back(random.line());
                    ini.Lines.push_back(expected.back());
                    break;
                case 7: {
                    if (expected.empty())
                        continue;
                    // A caller rewrites a line in place and says so.
                    const std::size_t at = random.below(expected.size());
                    expected[at] = random.line();
                    ini.Lines[at] = expected[at];
                    ini.LinesChanged();
                    break;
                }
                case 8:
                    expected = random.text();
                    ini.ReplaceLines(expected);
                    break;
                default: {
                    // A key just written is looked up at once.
                    ini.PutValue(section, ident, "again");
                    scanPut(expected, section, ident, "again");
                    const QByteArray mismatch = findMismatch(ini, expected, section, ident);
                    QVERIFY2(mismatch.isEmpty(), (where + ": " + mismatch).constData());
                    break;
                }
                }
                QVERIFY2(ini.Lines == expected, where.constData());
            }
        }
    }

    // A save writes hundreds of keys into a text of many sections; the lines it adds
    // in the middle move every section below, and each must still be found there.
    void keysAddedInTheMiddleKeepLaterSectionsInPlace()
    {
        std::vector<std::string> expected;
        for (int section = 0; section < 200; ++section) {
            expected.push_back("[s" + std::to_string(section) + "]");
            expected.push_back("a=" + std::to_string(section));
        }
        Probe ini(expected);
        for (int round = 0; round < 3; ++round) {
            for (int section = 199; section >= 0; section -= 7) {
                const std::string name = "S" + std::to_string(section);
                const std::string key = "k" + std::to_string(round);
                ini.PutValue(name, key, "1");
                scanPut(expected, name, key, "1");
                const QByteArray mismatch = findMismatch(ini, expected, "s199", "A");
                QVERIFY2(mismatch.isEmpty(), mismatch.constData());
            }
        }
        QVERIFY(ini.Lines == expected);
        for (int section = 0; section < 200; ++section) {
            for (const char *key : {"a", "k0", "k2", "b"}) {
                const std::string name = "s" + std::to_string(section);
                const QByteArray mismatch = findMismatch(ini, expected, name, key);
                QVERIFY2(mismatch.isEmpty(), mismatch.constData());
            }
        }
    }

    // A key line that only a leading control byte keeps from being a header turns
    // into one when the writer drops the byte; the lines below then belong to it.
    void rewrittenKeyLineThatBecomesAHeader()
    {
        std::vector<std::string> expected{"[s]", "\x01[k=5", "other=1", "[t]", "t=1"};
        Probe ini(expected);
        QVERIFY(ini.FindKeyLine("s", "other"));
        for (const char *key : {"[k", "other", "[k", "t"}) {
            ini.PutValue("s", key, "7");
            scanPut(expected, "s", key, "7");
            QVERIFY(ini.Lines == expected);
            for (const char *ident : {"[k", "other", "t"}) {
                const QByteArray mismatch = findMismatch(ini, expected, "s", ident);
                QVERIFY2(mismatch.isEmpty(), mismatch.constData());
            }
        }
    }

    // A reader follows a text moved into Lines, also one of the same length, and lines
    // rewritten in place once it is told.
    void pairReaderFollowsTextsPutIntoLines()
    {
        PairReader reader("/velmor-no-such-folder/reader.ini", {"[A]", "size=1,2"});
        QCOMPARE(reader.ReadSecondInt("a", "SIZE", 0), 2);
        reader.Lines = {"[B]", "size=3,4", "[A]", "size=5,6"};
        QCOMPARE(reader.ReadSecondInt("a", "SIZE", 0), 6);
        reader.Lines = std::vector<std::string>{"[A]", "size=3,4", "[B]", "size=5,6"};
        QCOMPARE(reader.ReadSecondInt("a", "SIZE", 0), 4);
        reader.Lines[1] = "size=7,8";
        reader.Lines[0] = "[C]";
        reader.LinesChanged();
        QCOMPARE(reader.ReadSecondInt("a", "SIZE", 0), 0);
        QCOMPARE(reader.ReadSecondInt("c", "SIZE", 0), 8);
    }
};

QTEST_APPLESS_MAIN(IniIndexTest)
#include "tst_iniindex.moc"
