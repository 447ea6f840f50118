#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/Windows1252.h"
#include "skin/Catalogue.h"
#include "skin/SkinFormat.h"
#include "tests/support/SkinText.h"

#include <QtTest>

#include <fstream>

Q_DECLARE_METATYPE(std::string)

namespace {

std::string withSection(std::string text, std::string_view section, std::string_view body)
{
    return text + "[" + std::string(section) + "]\r\n" + std::string(body) + "\r\n";
}

} // namespace

class SkinFormatTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    // The pair reader works on files; each case gets its own.
    std::string writeSkin(const std::string &text)
    {
        static int counter = 0;
        const std::string path =
            folder_.filePath(QStringLiteral("skin%1.lkv").arg(++counter)).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

private slots:
    void completeSkinIsFor14()
    {
        QCOMPARE(targetVersionOf(ProfileReader(skinText())), std::string(version14));
    }

    void bothNewSectionsMakeA15Skin()
    {
        QCOMPARE(targetVersionOf(ProfileReader(skinText(true))), std::string(version15));
    }

    void oneNewSectionAloneStays14()
    {
        const std::string wizardOnly = withSection(skinText(), "btn_wizard", "size=1,2");
        QCOMPARE(targetVersionOf(ProfileReader(wizardOnly)), std::string(version14));
        const std::string emptyPlaylist = skinTextWithHeaderOnly("btn_playlistdown", true);
        QCOMPARE(targetVersionOf(ProfileReader(emptyPlaylist)), std::string(version14));
    }

    void anyMissingOrEmptyRequiredSectionIsNoSkin()
    {
        for (std::string_view section : requiredSections) {
            QVERIFY2(targetVersionOf(ProfileReader(skinTextWithout(section))).empty(),
                     section.data());
            QVERIFY2(targetVersionOf(ProfileReader(skinTextWithHeaderOnly(section))).empty(),
                     section.data());
        }
    }

    void sectionWithOnlyBlankLinesIsNoSkin()
    {
        std::string text = skinTextWithout("btn_exit");
        text += "[btn_exit]\r\n\r\n   \r\n";
        QVERIFY(targetVersionOf(ProfileReader(text)).empty());
    }

    void emptyAndForeignTextsAreNoSkins()
    {
        QVERIFY(targetVersionOf(ProfileReader("")).empty());
        QVERIFY(targetVersionOf(ProfileReader("\x89PNG\r\n\x1a\n\0\0")).empty());
        QVERIFY(targetVersionOf(ProfileReader::fromFile("/no/such/skin.lkv")).empty());
    }

    void numbersOfKeyLines_data()
    {
        QTest::addColumn<std::string>("line");
        QTest::addColumn<int>("pairX");
        QTest::addColumn<int>("pairY");
        QTest::addColumn<int>("positionY");
        QTest::addColumn<int>("commentedY");

        QTest::newRow("position with zeros")
            << std::string("position = 12, 40, 0, 0") << 12 << 0 << 40 << 0;
        QTest::newRow("position without zeros")
            << std::string("position = 12, 40") << 12 << 40 << 0 << 0;
        QTest::newRow("written position")
            << std::string("position=12,40, 0, 0") << 12 << 0 << 40 << 0;
        QTest::newRow("pair") << std::string("size = 75, 23") << 75 << 23 << 0 << 0;
        QTest::newRow("single number") << std::string("size = 75") << 0 << 0 << 0 << 0;
        QTest::newRow("pair with comment")
            << std::string("size = 75, 23 // x") << 75 << 0 << 0 << 23;
        QTest::newRow("commented pair")
            << std::string("size=230,95 // anfangsposition von body unten") << 230 << 0 << 0 << 95;
        QTest::newRow("negative") << std::string("size=-5,-7") << -5 << -7 << 0 << 0;
        QTest::newRow("beyond 32 bits")
            << std::string("size=2147483648,-2147483648") << 0 << -2147483647 - 1 << 0 << 0;
        QTest::newRow("indented with tabs")
            << std::string("\t  size = 75, 23") << 75 << 23 << 0 << 0;
        QTest::newRow("letters") << std::string("size=7a,b") << 0 << 0 << 0 << 0;
    }

    void numbersOfKeyLines()
    {
        QFETCH(std::string, line);
        QFETCH(int, pairX);
        QFETCH(int, pairY);
        QFETCH(int, positionY);
        QFETCH(int, commentedY);
        const std::string key =
            line.substr(line.find_first_not_of(" \t"), 4) == "posi" ? "position" : "size";
        PairReader skin(writeSkin("[Btn_Play]\r\n" + line + "\r\n"));
        QCOMPARE(readPair(skin, "btn_play", key), (IntPair{pairX, pairY}));
        QCOMPARE(readPosition(skin, "BTN_PLAY", key).y, positionY);
        QCOMPARE(readCommentedPair(skin, "btn_play", key).y, commentedY);
    }

    void missingKeysReadAsZero()
    {
        PairReader skin(writeSkin("[btn_play]\r\n"));
        QCOMPARE(readPosition(skin, "btn_play", "position"), (IntPair{0, 0}));
        const ProfileReader profile("[player_view]\r\nheight=x\r\n");
        QCOMPARE(readInteger(profile, "player_view", "height"), 0);
        QCOMPARE(readInteger(profile, "player_view", "missing"), 0);
        QCOMPARE(readFileName(profile, "player_view", "bitmap_left"), std::string("0"));
    }

    void singleValuesComeThroughTheProfileRules()
    {
        const ProfileReader profile("[player_view]\r\n"
                                    "height = '120'\r\n"
                                    "bitmap_left =  \"left piece.bmp\"  \r\n"
                                    "color_axis = 255 // blau\r\n");
        QCOMPARE(readInteger(profile, "player_view", "height"), 120);
        QCOMPARE(readFileName(profile, "PLAYER_VIEW", "Bitmap_Left"),
                 std::string("left piece.bmp"));
        QCOMPARE(readCopiedText(profile, "player_view", "color_axis", ""),
                 std::string("255 // blau"));
        QCOMPARE(readCopiedText(profile, "player_view", "font_axis", "0"), std::string("0"));
    }

    void bareFileNames_data()
    {
        QTest::addColumn<std::string>("path");
        QTest::addColumn<std::string>("bare");
        QTest::newRow("windows path")
            << std::string("C:\\Skins\\Blue\\play.bmp") << std::string("play.bmp");
        QTest::newRow("drive only") << std::string("C:play.bmp") << std::string("play.bmp");
        QTest::newRow("unix path")
            << std::string("/home/a/skins/play.bmp") << std::string("play.bmp");
        QTest::newRow("bare") << std::string("play.bmp") << std::string("play.bmp");
        QTest::newRow("empty") << std::string() << std::string();
        QTest::newRow("folder") << std::string("C:\\Skins\\") << std::string();
    }

    void bareFileNames()
    {
        QFETCH(std::string, path);
        QFETCH(std::string, bare);
        QCOMPARE(bareFileName(path), bare);
    }

    void windows1252KeepsEveryByte()
    {
        std::string bytes;
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
        QCOMPARE(encodeWindows1252(decodeWindows1252(bytes)), bytes);
        QCOMPARE(decodeWindows1252("Gr\xf6\xdf\x65 \x80"), std::string("Größe €"));
    }

    void windows1252WritesQuestionMarksForForeignCharacters()
    {
        QCOMPARE(encodeWindows1252("Über Ω 日本 €"), std::string("\xdc\x62\x65r ? ?? \x80"));
        QCOMPARE(encodeWindows1252("a\xff\xc3"), std::string("a??"));
    }
};

QTEST_APPLESS_MAIN(SkinFormatTest)
#include "tst_skinformat.moc"
