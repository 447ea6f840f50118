#include "ini/FileBytes.h"
#include "ini/Inifiles1.h"
#include "ini/ProfileReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::string_view sv(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
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
        TIniFile1 writer({}, splitLines(sv(text)));
        writer.PutValue("A", "k", "new");
        writer.PutValue("A", "n", "added");
        writer.DiscardChanges();
        const ProfileReader player(joinLines(writer.Lines));
        QCOMPARE(player.readString("A", "k", "dflt"), std::string("new"));
        QCOMPARE(player.readString("A", "n", "dflt"), std::string("added"));
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
