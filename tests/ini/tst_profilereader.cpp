#include "ini/FileBytes.h"
#include "ini/ProfileReader.h"
#include "ini/SkinWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

std::string_view sv(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::vector<std::string> toLines(const QByteArrayList &lines)
{
    std::vector<std::string> result;
    for (const QByteArray &line : lines)
        result.push_back(line.toStdString());
    return result;
}

const QByteArrayList probedSections{"A", "a", "B", "C", ""};
const QByteArrayList probedKeys{"k", "K", "j", ""};

// Everything a reader answers about the given sections, asked in that order, so that
// two readers compare in one go.
QByteArrayList answersOf(const ProfileReader &reader, const QByteArrayList &sections)
{
    QByteArrayList answers;
    for (const QByteArray &section : sections) {
        answers << section + (reader.hasSection(sv(section)) ? " exists" : " absent");
        for (const QByteArray &key : probedKeys)
            answers << section + "/" + key + "=" +
                           QByteArray::fromStdString(reader.readString(sv(section), sv(key), "?"));
    }
    return answers;
}

} // namespace

class ProfileReaderTest : public QObject {
    Q_OBJECT

private slots:
    void valueOrDefault_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QByteArray &text, const QByteArray &section,
                            const QByteArray &key, const QByteArray &expected) {
            QTest::newRow(name) << text << section << key << expected;
        };
        row("CR, LF and CR LF end lines", "[A]\r\nk=1\rj=2\nm=3", "A", "j", "2");
        row("all blanks trimmed", "\x1a\t[A]\v\f\n\f k \t\x1a= \v\"v\"\f\x1a", "A", "k", "v");
        row("other control bytes kept", "[A]\nk\x01=1", "A", "k", "dflt");
        row("text after bracket ignored", "[A] x]\nk=1", "A", "k", "1");
        row("header without bracket", "[A b  \nk=1", "A b", "k", "1");
        row("line without equals", "[A]\nk\n", "A", "k", "dflt");
        row("empty value", "[A]\nk=", "A", "k", "");
        row("later equals kept", "[A]\nk=a=b", "A", "k", "a=b");
        row("key above first header", "k=1\n[A]\nj=2", "A", "k", "dflt");
        row("later section of same name ignored", "[A]\nk=1\n[B]\n[a]\nj=3", "A", "j", "dflt");
        row("first matching key wins", "[A]\nk=1\nK=2", "A", "k", "1");
        row("ASCII letters folded", "[btn_Play]\nPosition=1", "BTN_PLAY", "position", "1");
        row("umlauts not folded", "[A]\n\xe4=1", "A", "\xc4", "dflt");
        row("double quotes dropped", "[A]\nk= \"a b\" ", "A", "k", "a b");
        row("single quotes dropped", "[A]\nk='x'", "A", "k", "x");
        row("empty quotes", "[A]\nk=\"\"", "A", "k", "");
        row("lone quote stays", "[A]\nk=\"", "A", "k", "\"");
        row("mismatched quotes stay", "[A]\nk=\"x'", "A", "k", "\"x'");
        row("one pair dropped", "[A]\nk=\"\"x\"\"", "A", "k", "\"x\"");
    }

    void valueOrDefault()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        const ProfileReader reader(sv(text));
        QCOMPARE(QByteArray::fromStdString(reader.readString(sv(section), sv(key), "dflt")),
                 expected);
    }

    void sectionExistsOnlyWithARealKey_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("exists");
        QTest::newRow("key line") << QByteArray("[A]\nk=1") << true;
        QTest::newRow("empty value") << QByteArray("[a]\nk=") << true;
        QTest::newRow("comment then key") << QByteArray("[A]\n;x=1\nk=2") << true;
        QTest::newRow("header only") << QByteArray("[A]") << false;
        QTest::newRow("blank lines") << QByteArray("[A]\r\n\r\n \t\r\n[B]\nk=1") << false;
        QTest::newRow("comment-like keys") << QByteArray("[A]\n;x=1\n  ; y = 2") << false;
        QTest::newRow("empty key") << QByteArray("[A]\n = 1") << false;
        QTest::newRow("no equals") << QByteArray("[A]\nk") << false;
        QTest::newRow("only later occurrence has key")
            << QByteArray("[A]\n[B]\nx=1\n[A]\nk=1") << false;
        QTest::newRow("absent") << QByteArray("[B]\nk=1") << false;
    }

    void sectionExistsOnlyWithARealKey()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, exists);
        QCOMPARE(ProfileReader(sv(text)).hasSection("A"), exists);
    }

    // The save writes through the skin writer, the player reads through the profile
    // functions: a key put into a section must be what the player then reads there.
    void keyPutByTheWriterIsWhatThePlayerReads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("plain section") << QByteArray("[A]\r\nk=1\r\n[B]\r\nk=2");
        QTest::newRow("blanks around header") << QByteArray("\x1a\t[ a ]\f\r\nk=1");
        QTest::newRow("header without bracket") << QByteArray("[A\r\nk=1\r\n[B]\r\nk=2");
        QTest::newRow("header without bracket, last") << QByteArray("[B]\r\nk=0\r\n[A  \r\nk=1");
        QTest::newRow("control byte before bracket")
            << QByteArray("[B]\r\n\x01[A]\r\nk=1\r\n[A]\r\nk=2");
        QTest::newRow("control byte inside brackets") << QByteArray("[\001A]\r\nk=1\r\n[A]\r\nk=2");
    }

    void keyPutByTheWriterIsWhatThePlayerReads()
    {
        QFETCH(QByteArray, text);
        SkinWriter writer({}, splitLines(sv(text)));
        writer.PutValue("A", "k", "new");
        writer.PutValue("A", "n", "added");
        writer.DiscardChanges();
        const ProfileReader player(joinLines(writer.Lines));
        QCOMPARE(player.readString("A", "k", "dflt"), std::string("new"));
        QCOMPARE(player.readString("A", "n", "dflt"), std::string("added"));
    }

    // The save hands its document's lines over as they are; they must read as the text
    // it would otherwise have joined them to, line breaks inside a line included.
    void linesReadLikeTheirJoinedText_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("valueOfK");
        QTest::newRow("plain lines")
            << QByteArrayList{"[A]", "k=1", "[B]", "j=2"} << QByteArray("1");
        QTest::newRow("CR ends lines inside a line")
            << QByteArrayList{"[A]\rk=1\rj=2"} << QByteArray("1");
        QTest::newRow("CR LF inside a line")
            << QByteArrayList{"[B]\r\nk=0\r\n[A]\r\nk=1"} << QByteArray("1");
        QTest::newRow("LF inside a line") << QByteArrayList{"[A]\nk=2", "j=3"} << QByteArray("2");
        QTest::newRow("CR cuts key from value")
            << QByteArrayList{"[A]", "k\r=1", "j=2"} << QByteArray("?");
        QTest::newRow("header behind a CR")
            << QByteArrayList{"[B]", "x=1\r[A]", "k=4"} << QByteArray("4");
        QTest::newRow("bracketless header before a CR")
            << QByteArrayList{"k=0\r[A", "k=8"} << QByteArray("8");
        QTest::newRow("duplicate sections")
            << QByteArrayList{"[A]", "k=1", "[B]", "k=2", "[a]", "k=3", "j=4"} << QByteArray("1");
        QTest::newRow("blanks and controls before bracket")
            << QByteArrayList{"\x1a\t [A]\f", "k=5", "\x01[B]", "j=6"} << QByteArray("5");
        QTest::newRow("keys before any section")
            << QByteArrayList{"k=0", "[A]", "j=1"} << QByteArray("?");
        QTest::newRow("empty lines and lone breaks")
            << QByteArrayList{"", "\r", "[A]", "\r\n", "", "\n\r", " k = 7 ", ""}
            << QByteArray("7");
        QTest::newRow("nothing") << QByteArrayList{} << QByteArray("?");
    }

    void linesReadLikeTheirJoinedText()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, valueOfK);
        const ProfileReader fromLines(toLines(lines));
        const ProfileReader fromText(joinLines(toLines(lines)));
        QCOMPARE(answersOf(fromLines, probedSections), answersOf(fromText, probedSections));
        QCOMPARE(QByteArray::fromStdString(fromLines.readString("A", "k", "?")), valueOfK);
    }

    // Sections are parsed when first asked for: what was asked before must not matter,
    // nor must asking twice.
    void answersDoNotDependOnTheOrderOfQuestions()
    {
        const QByteArray text = "k=0\r\n[C]\r\nk=3\r\n[A]\r\n;k=x\r\nk=1\r\nj\r\n"
                                "[B]\rk=2\r[a]\nk=9\n[C]\nj=4\n[]\nk=5";
        QByteArrayList order{"", "A", "B", "C", "D"};
        // Each section asked of a reader that has parsed nothing else yet.
        QHash<QByteArray, QByteArrayList> alone;
        for (const QByteArray &section : order)
            alone[section] = answersOf(ProfileReader(sv(text)), {section});
        QCOMPARE(alone["A"], (QByteArrayList{"A exists", "A/k=1", "A/K=1", "A/j=?", "A/=?"}));
        QCOMPARE(alone["C"], (QByteArrayList{"C exists", "C/k=3", "C/K=3", "C/j=?", "C/=?"}));
        QCOMPARE(alone[""].at(1), "/k=5");
        QCOMPARE(alone["D"].at(0), "D absent");
        do {
            const ProfileReader reader(sv(text));
            for (int round = 0; round < 2; ++round) {
                for (const QByteArray &section : order)
                    QCOMPARE(answersOf(reader, {section}), alone[section]);
            }
        } while (std::next_permutation(order.begin(), order.end()));
    }

    // A thousand later occurrences sit among the first ones; none may lend its value.
    void manySectionsEachKeepTheirOwnKeys()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < 3000; ++i) {
            lines.push_back(" [s" + std::to_string(i % 2000) + "]");
            lines.push_back("v=" + std::to_string(i));
            lines.push_back("");
        }
        const ProfileReader fromLines(lines);
        const ProfileReader fromText(joinLines(lines));
        for (int i = 1999; i >= 0; i -= 7) {
            const std::string section = "S" + std::to_string(i);
            QCOMPARE(fromLines.readString(section, "v", "?"), std::to_string(i));
            QCOMPARE(fromText.readString(section, "V", "?"), std::to_string(i));
        }
    }

    // The save reads its carried-over keys from these sections alone: a later occurrence
    // of a name, in any case, lends nothing, and the answers are the whole text's.
    void firstSectionsTextReadsLikeTheWholeText()
    {
        const std::vector<std::string> lines{"k=0",  "[C]", "k=3", "\x01[A]", "k=7", " [A] ",
                                             ";k=x", "k=1", "[b]", "k=2",     "[a]", "k=9",
                                             "[B]",  "j=4", "[c]", "j=7"};
        const SkinWriter text({}, lines);
        const ProfileReader some(text.FirstSectionsText({"a", "B", "missing"}));
        const ProfileReader whole(lines);
        QCOMPARE(answersOf(some, {"A", "a", "B"}), answersOf(whole, {"A", "a", "B"}));
        QVERIFY(!some.hasSection("C") && !some.hasSection("missing"));
    }

    // The save changes its lines right after reading them; fromFile moves its reader out.
    void answersOutliveTheCallersText()
    {
        std::vector<std::string> lines{"[A]", "k=1"};
        std::string text = joinLines(lines);
        const ProfileReader fromLines(lines);
        ProfileReader fromText(text);
        for (std::string *bytes : {&lines[0], &lines[1], &text})
            std::fill(bytes->begin(), bytes->end(), 'x');
        const ProfileReader moved(std::move(fromText));
        QCOMPARE(fromLines.readString("A", "k", ""), "1");
        QCOMPARE(moved.readString("A", "k", ""), "1");
    }

    void fromFileReadsBytesAndMissingFileIsEmpty()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath("skin.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PP_LKV = x\r\n[btn_play]\r\nbitmap_up = Sch\xf6n.bmp\r\n");
        file.close();

        const ProfileReader present = ProfileReader::fromFile(file.fileName().toStdString());
        QVERIFY(present.hasSection("btn_play"));
        QCOMPARE(present.readString("btn_play", "bitmap_up", ""), std::string("Sch\xf6n.bmp"));

        const ProfileReader missing = ProfileReader::fromFile(dir.filePath("no.ini").toStdString());
        QVERIFY(!missing.hasSection("btn_play"));
        QCOMPARE(missing.readString("btn_play", "bitmap_up", "dflt"), std::string("dflt"));
    }
};

QTEST_APPLESS_MAIN(ProfileReaderTest)
#include "tst_profilereader.moc"
