#include "ini/FileBytes.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"
#include "skin/SkinSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <map>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sections the editor does not know, put before every section header but the first:
// the save must neither write into them nor lose its place in the text because of them.
QByteArray amongUnknownSections(const QByteArray &text, const std::vector<std::string> &headers)
{
    std::vector<std::string> lines = splitLines(text.toStdString());
    for (std::size_t h = 1; h < headers.size(); ++h) {
        const auto at = std::find(lines.begin(), lines.end(), headers[h]);
        std::vector<std::string> padding;
        for (int i = 0; i < 40; ++i) {
            const std::string name = "extra_" + std::to_string(h) + "_" + std::to_string(i);
            padding.insert(padding.end(), {"[" + name + "]", "position=1,2, 0, 0", "size=3,4",
                                           "bitmap_up=" + name + ".bmp", ""});
        }
        lines.insert(at, padding.begin(), padding.end());
    }
    return QByteArray::fromStdString(joinLines(lines));
}

QByteArray joined(const std::vector<std::string> &lines)
{
    QByteArray text;
    for (const std::string &line : lines)
        text += QByteArray::fromStdString(line) + "\r\n";
    return text;
}

SkinElement &element(SkinDocument &document, std::string_view section)
{
    return document.element(*findElementBySection(section));
}

// The golden inputs hold only the sections their saves touch, which no skin test
// passes; they are read as skins of their case's version all the same.
SkinDocument openDocument(const std::string &path, std::string_view version)
{
    return loadSkinAs(path, readFileBytes(path).value_or(std::string{}), version).document;
}

struct GoldenCase {
    std::string_view version;
    // Returns the elements the edit made due.
    SaveDue (*edit)(SkinDocument &);
};

// Each folder under golden-save holds input.lkv and expected.lkv; the edit is the
// user's work between opening and saving.
const std::map<QString, GoldenCase> goldenCases{
    {"drag-one-element-14",
     {version14,
      [](SkinDocument &document) {
          document.lists.player = {10, 20, 200, 80};
          document.lists.schedule = {10, 20, 200, 150};
          SkinElement &play = element(document, "btn_play");
          play.geometry = {12, 40, 75, 23};
          play.statePath(StateBitmap::Up) = "C:\\Skins\\Blue\\play.bmp";
          // The 1.4 player has no such element, whatever the editor holds for it.
          element(document, "btn_wizard").geometry = {300, 10, 24, 24};
          return SaveDue()
              .add(*findElementBySection("btn_play"))
              .add(*findElementBySection("btn_wizard"));
      }}},
    {"lists-and-new-elements-15",
     {version15,
      [](SkinDocument &document) {
          document.skinName = "Grün";
          document.lists.player = {48, 64, 233, 120};
          document.lists.schedule = {48, 64, 233, 209};
          document.graphicPath(Graphic::PlayerBackground) = "C:\\Bilder\\Grün.bmp";
          element(document, "btn_wizard").geometry = {300, 10, 24, 24};
          element(document, "c_combo_streams").geometry = {380, 8, 140, 21};
          return SaveDue()
              .add(*findElementBySection("btn_wizard"))
              .add(*findElementBySection("c_combo_streams"));
      }}},
};

} // namespace

class SkinSaveTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    // A document on a small text; the save adds whatever sections it lacks.
    SkinDocument documentWith(const QByteArray &text, std::string_view version = version14)
    {
        SkinDocument document;
        document.targetVersion = version;
        document.skinPath = dir_->filePath("skin.lkv").toStdString();
        document.openedText = splitLines(text.toStdString());
        return document;
    }

    static QByteArrayList linesStartingWith(const SkinDocument &document, const QByteArray &start)
    {
        QByteArrayList found;
        for (const std::string &line : document.openedText) {
            if (line.starts_with(start.toStdString()))
                found << QByteArray::fromStdString(line);
        }
        return found;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void goldenSave_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &[name, unused] : goldenCases)
            QTest::newRow(qPrintable(name)) << name;
    }

    void goldenSave()
    {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(VELMOR_TEST_DATA "/golden-save/") + name;
        const QString file = dir_->filePath("skin.lkv");
        QVERIFY(QFile::copy(folder + "/input.lkv", file));
        SkinDocument document = openDocument(file.toStdString(), goldenCases.at(name).version);
        const SaveDue due = goldenCases.at(name).edit(document);
        QVERIFY(saveSkin(document, due));
        QCOMPARE(readBytes(file), readBytes(folder + "/expected.lkv"));
        QCOMPARE(joined(document.openedText), readBytes(file));
        // The text the save left behind is the file: saved again, nothing moves.
        QVERIFY(saveSkin(document, {}));
        QCOMPARE(readBytes(file), readBytes(folder + "/expected.lkv"));
    }

    void goldenSaveAmongUnknownSections_data() { goldenSave_data(); }

    void goldenSaveAmongUnknownSections()
    {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(VELMOR_TEST_DATA "/golden-save/") + name;
        const QByteArray input = readBytes(folder + "/input.lkv");
        std::vector<std::string> headers;
        for (const std::string &line : splitLines(input.toStdString())) {
            if (line.starts_with("["))
                headers.push_back(line);
        }
        QVERIFY(headers.size() > 2);
        const QString file = dir_->filePath("skin.lkv");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(amongUnknownSections(input, headers));
        out.close();
        SkinDocument document = openDocument(file.toStdString(), goldenCases.at(name).version);
        const SaveDue due = goldenCases.at(name).edit(document);
        QVERIFY(saveSkin(document, due));
        QCOMPARE(readBytes(file),
                 amongUnknownSections(readBytes(folder + "/expected.lkv"), headers));
    }

    void listGeometryStaysInRangeOrIsLeftAlone_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("1.4") << "Orvana one 1.4"
                             << QByteArrayList{"position_m=2147483647,-2147483598",
                                               "position_g=100,50", "size_m=2147483647,-5",
                                               "size_g=2147483647,31"};
        QTest::newRow("1.5") << "Orvana one 1.5"
                             << QByteArrayList{"position_m=2147483647,-2147483598 // "
                                               "anfangsposition von body unten",
                                               "position_g=140,50  // anfangspos von body oben",
                                               "size_m=310,-5", "size_g=2147483647,240"};
        QTest::newRow("another player") << "Orvana one 2.0" << QByteArrayList{};
    }

    void listGeometryStaysInRangeOrIsLeftAlone()
    {
        QFETCH(QString, version);
        QFETCH(QByteArrayList, lines);
        SkinDocument document = documentWith("[dlg_main]\r\n", version.toStdString());
        document.lists.player = {INT_MAX - 5, INT_MIN, 0, 0};
        document.lists.schedule = {0, 0, INT_MAX, -5};
        QVERIFY(saveSkin(document, {}));
        QCOMPARE(linesStartingWith(document, "position_") + linesStartingWith(document, "size_"),
                 lines);
    }

    void skinNameReplacesOnlyASkinHeader_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("top");
        const auto row = [](const char *tag, QByteArray firstLine, QString name, QByteArray top) {
            QTest::newRow(tag) << firstLine << name << top;
        };
        row("replaced", "PP_LKV = Blue", "Night", "PP_LKV = Night\r\n[dlg_main]\r\n");
        row("header in other case", "  pp_lkv=Blue", "Night", "PP_LKV = Night\r\n[dlg_main]\r\n");
        row("no name", "PP_LKV = Blue", "", "PP_LKV = Blue\r\n[dlg_main]\r\n");
        row("above a key line", "author=me", "Night", "PP_LKV = Night\r\nauthor=me\r\n");
        row("code page", "PP_LKV = Blue", "Grün", "PP_LKV = Gr\xfcn\r\n[dlg_main]\r\n");
        row("line breaks", "PP_LKV = Blue", "A\r\nB\rC", "PP_LKV = A  B C\r\n[dlg_main]\r\n");
    }

    void skinNameReplacesOnlyASkinHeader()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(QString, name);
        QFETCH(QByteArray, top);
        SkinDocument document = documentWith(firstLine + "\r\n[dlg_main]\r\n");
        document.skinName = name.toStdString();
        QVERIFY(saveSkin(document, {}));
        QVERIFY2(readBytes(dir_->filePath("skin.lkv")).startsWith(top), top.constData());
    }

    // The second save must start from the first one's text, not from the file as opened.
    void secondSaveKeepsWhatTheFirstWrote()
    {
        SkinDocument document = documentWith("[dlg_main]\r\n");
        document.skinName = "Night";
        element(document, "btn_exit").geometry = {1, 2, 3, 4};
        QVERIFY(saveSkin(document, SaveDue().add(*findElementBySection("btn_exit"))));
        element(document, "btn_exit").geometry = {9, 9, 9, 9};
        QVERIFY(saveSkin(document, SaveDue().add(*findElementBySection("btn_play"))));
        QCOMPARE(linesStartingWith(document, "PP_LKV"), QByteArrayList{"PP_LKV = Night"});
        QCOMPARE(linesStartingWith(document, "position="),
                 QByteArrayList({"position=1,2, 0, 0", "position=0,0, 0, 0"}));
    }

    void failedWriteLeavesTheDocumentAsItWas_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("name goes above") << QByteArray("[dlg_main]\r\nregion0=x\r\n");
        QTest::newRow("name goes over a header")
            << QByteArray("PP_LKV = Day\r\n[dlg_main]\r\nregion0=x\r\n[btn_exit]\r\nsize=1,2\r\n");
    }
    void failedWriteLeavesTheDocumentAsItWas()
    {
        QFETCH(QByteArray, text);
        SkinDocument document = documentWith(text);
        document.skinName = "Night";
        element(document, "btn_exit").geometry = {5, 6, 7, 8};
        const SaveDue due = SaveDue().add(*findElementBySection("btn_exit"));
        SkinDocument first = document;
        first.skinPath = dir_->filePath("first.lkv").toStdString();
        const std::vector<std::string> opened = document.openedText;
        // A folder in the file's place stops every user, root too.
        QVERIFY(QDir(dir_->path()).mkdir("taken.lkv"));
        QStringList targets{dir_->filePath("missing/skin.lkv"), dir_->filePath("taken.lkv")};
        // A read-only folder stops only users who are bound by its permissions.
        const QString locked = dir_->filePath("locked");
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        if (QFile probe(locked + "/probe"); !probe.open(QIODevice::WriteOnly))
            targets << locked + "/skin.lkv";
        for (const QString &target : targets) {
            document.skinPath = target.toStdString();
            QVERIFY(!saveSkin(document, due));
            QCOMPARE(document.openedText.lines(), opened);
            QVERIFY(QFileInfo(target).isDir() || !QFileInfo::exists(target));
        }

        // The same save made again writes what it would have written the first time.
        document.skinPath = dir_->filePath("retried.lkv").toStdString();
        QVERIFY(saveSkin(document, due));
        QVERIFY(saveSkin(first, due));
        QCOMPARE(readBytes(dir_->filePath("retried.lkv")), readBytes(dir_->filePath("first.lkv")));
        QCOMPARE(linesStartingWith(document, "position="), QByteArrayList{"position=5,6, 0, 0"});
    }

    void withoutAnOpenedSkinNothingIsWritten()
    {
        SkinDocument noVersion = documentWith("[dlg_main]\r\n", "");
        const SaveDue every{std::bitset<elementCount>().set()};
        QVERIFY(!saveSkin(noVersion, every));
        SkinDocument noPath = documentWith("[dlg_main]\r\n");
        noPath.skinPath.clear();
        QVERIFY(!saveSkin(noPath, every));
        QVERIFY(QDir(dir_->path()).isEmpty());
    }
};

QTEST_APPLESS_MAIN(SkinSaveTest)
#include "tst_skinsave.moc"
