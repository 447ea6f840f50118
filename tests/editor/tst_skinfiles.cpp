#include "editor/document/EditorDocument.h"
#include "editor/files/SkinFiles.h"
#include "editor/scene/PageScenes.h"
#include "skin/SkinFormat.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The skin's files with the document and its pages alone, as the command line has them.
class SkinFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aNewSkinFromATemplateNeedsNoWindow_data()
    {
        QTest::addColumn<QString>("templates");
        QTest::newRow("template there") << DemoSkinCopy::demoFolder({});
        QTest::newRow("template missing") << QString();
    }

    void aNewSkinFromATemplateNeedsNoWindow()
    {
        QFETCH(QString, templates);
        ScriptedDialogs dialogs;
        EditorDocument document;
        PageScenes scenes(document);
        SkinFiles files(document, dialogs, [&](const QString &path) {
            return loadPages(path, document, scenes, dialogs);
        });
        files.setTemplateFolder(templates);
        QSignalSpy opened(&files, &SkinFiles::skinOpened);
        const QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("neu.lkv"));

        QCOMPARE(files.createFromTemplate(version14, path), !templates.isEmpty());
        QCOMPARE(QFileInfo::exists(path), !templates.isEmpty());
        QCOMPARE(opened.size(), templates.isEmpty() ? 0 : 1);
        QCOMPARE(dialogs.texts(ScriptedDialogs::Error),
                 templates.isEmpty() ? QStringList{"Die Vorlage für Orvana one 1.4 fehlt."}
                                     : QStringList{});
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<QMainWindow *>(widget), "a main window was made");
    }
};

QTEST_MAIN(SkinFilesTest)
#include "tst_skinfiles.moc"
