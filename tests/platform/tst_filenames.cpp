#include "platform/FileNames.h"

#include <QTest>

class FileNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyByteOfANameComesBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << QByteArray("blau.lkv");
        QTest::newRow("umlaut") << QByteArray("Kn\xc3\xb6pfe.bmp");
        QTest::newRow("four-byte character") << QByteArray("\xf0\x9f\x8e\xb5.bmp");
        QTest::newRow("Latin-1") << QByteArray("\xff\xfe.lkv");
        QTest::newRow("sequence cut at the end") << QByteArray("a\xc3");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf");
        QTest::newRow("surrogate in UTF-8") << QByteArray("\xed\xa0\x80");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
        QTest::newRow("what the decoding itself uses") << QByteArray("\xed\xb3\xbf");
    }

    void everyByteOfANameComesBack()
    {
        QFETCH(QByteArray, bytes);
        const QString name = fileNameFromBytes(bytes);
        QCOMPARE(fileNameBytes(name), bytes);
        QCOMPARE(holdsForeignBytes(name), !QUtf8StringView(bytes).isValidUtf8());
        if (!holdsForeignBytes(name))
            QCOMPARE(name, QString::fromUtf8(bytes));
    }

    // Each written-out form stands for one thing only, so that a script can read the
    // name back.
    void shownNamesAreUnambiguous_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("control") << QStringLiteral("a\x01"
                                                   "b")
                                 << QStringLiteral("a\\x01b");
#ifdef Q_OS_WIN
        // A backslash is the separator there and no name holds a control.
        QTest::newRow("Windows path")
            << QStringLiteral("C:\\skins\\neu.lkv") << QStringLiteral("C:\\skins\\neu.lkv");
#else
        QTest::newRow("the same written out")
            << QStringLiteral("a\\x01b") << QStringLiteral("a\\\\x01b");
        QTest::newRow("backslash before a break")
            << QStringLiteral("a\\\nb") << QStringLiteral("a\\\\\\nb");
        QTest::newRow("Windows path")
            << QStringLiteral("C:\\skins\\blau.lkv") << QStringLiteral("C:\\skins\\blau.lkv");
#endif
        QTest::newRow("line break") << QStringLiteral("a\nb") << QStringLiteral("a\\nb");
        QTest::newRow("byte that is no UTF-8")
            << fileNameFromBytes("\xff\xfe.lkv") << QStringLiteral("\\xff\\xfe.lkv");
        QTest::newRow("control of Latin-1")
            << QStringLiteral("\u0085") << QStringLiteral("\\u0085");
    }

    void shownNamesAreUnambiguous()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(shownName(name), shown);
    }
};

QTEST_APPLESS_MAIN(FileNamesTest)
#include "tst_filenames.moc"
