#include "ini/FileBytes.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"
#include "skin/SkinSave.h"
#include "tests/support/SkinText.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A 1.5 skin, padded with an unknown section to about `lines` lines, whose element
// btn_play has been moved to `left`.
SkinDocument movedSkin(const QString &path, int left, int lines = 0)
{
    std::string text = skinText(true);
    text += "[padding]\r\n";
    for (int i = 0; i < lines; ++i)
        text += "key" + std::to_string(i) + "=a value of ordinary length\r\n";
    SkinDocument document;
    document.targetVersion = version15;
    document.skinPath = path.toStdString();
    document.textPath = document.skinPath; // as if opened from there
    document.openedText = splitLines(text);
    SkinElement &play = document.element(*findElement(29));
    play.geometry = {left, 40, 75, 23};
    return document;
}

// The save of movedSkin(): btn_play's section is due.
bool saveMoved(SkinDocument &document)
{
    return saveSkin(document, SaveDue().add(*findElement(29)));
}

#ifdef Q_OS_LINUX
// What a save of movedSkin() writes, made in a file of its own.
QByteArray savedText(const QString &folder, int left, int lines)
{
    const QString path = folder + QStringLiteral("/expected-%1.lkv").arg(left);
    SkinDocument document = movedSkin(path, left, lines);
    return saveMoved(document) ? readBytes(path) : QByteArray();
}
#endif

} // namespace

// The save against disks that refuse it: afterwards the file holds the old text or
// the new one, whole, and a failure is reported to the caller.
class SaveFaultsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    QString path(const QString &name) const { return folder_.filePath(name); }

private slots:
    void readOnlySkinIsReplacedAndKeepsItsOtherPermissions()
    {
        const QString skin = path(QStringLiteral("readonly.lkv"));
        writeBytes(skin, "old");
        QFile::setPermissions(skin, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        SkinDocument document = movedSkin(skin, 12);
        QVERIFY(saveMoved(document));
        QVERIFY(readBytes(skin).contains("position=12,40, 0, 0"));
        QCOMPARE(QFile::permissions(skin) & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadUser | QFile::WriteUser |
                                                        QFile::ReadGroup | QFile::ReadOther);
    }

    void skinBehindASymbolicLinkIsReplacedThroughIt()
    {
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("real")));
        const QString target = path(QStringLiteral("real/skin.lkv"));
        const QString link = path(QStringLiteral("link.lkv"));
        writeBytes(target, "old");
        if (!QFile::link(target, link))
            QSKIP("this file system has no symbolic links");
        SkinDocument document = movedSkin(link, 13);
        QVERIFY(saveMoved(document));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(readBytes(target).contains("position=13,40, 0, 0"));
    }

    void readOnlyFolderFailsAndKeepsTheFile()
    {
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("locked")));
        const QString skin = path(QStringLiteral("locked/skin.lkv"));
        writeBytes(skin, "old");
        QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(path(QStringLiteral("locked/probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(path(QStringLiteral("locked")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("the folder stays writable for this user (root)");
        }
        SkinDocument document = movedSkin(skin, 14);
        const std::vector<std::string> opened = document.openedText;
        QVERIFY(!saveMoved(document));
        QCOMPARE(readBytes(skin), QByteArray("old"));
        QCOMPARE(document.openedText.lines(), opened);
        QFile::setPermissions(path(QStringLiteral("locked")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void fullDiskFailsAndKeepsTheFile()
    {
#ifdef Q_OS_LINUX
        // A file-size limit stands in for a full disk: the write stops part way.
        const QString skin = path(QStringLiteral("full.lkv"));
        writeBytes(skin, "old");
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            SkinDocument document = movedSkin(skin, 15, 2000);
            _exit(saveMoved(document) ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the save must report the failure");
        QCOMPARE(readBytes(skin), QByteArray("old"));
        const QStringList leftovers =
            QDir(folder_.path()).entryList({QStringLiteral("full.lkv.*")}, QDir::Files);
        QCOMPARE(leftovers, QStringList());
#else
        QSKIP("needs fork and file-size limits");
#endif
    }

    void killedSaveLeavesOneWholeText()
    {
#ifdef Q_OS_LINUX
        constexpr int lines = 20000;
        const QString skin = path(QStringLiteral("killed.lkv"));
        const QByteArray first = savedText(folder_.path(), 1, lines);
        const QByteArray second = savedText(folder_.path(), 2, lines);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        writeBytes(skin, first);
        QRandomGenerator random(11);
        for (int round = 0; round < 12; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                for (int left = 1;; left = 3 - left) {
                    SkinDocument document = movedSkin(skin, left, lines);
                    saveMoved(document);
                }
            }
            QThread::usleep(random.bounded(2000, 40000));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            const QByteArray onDisk = readBytes(skin);
            QVERIFY2(onDisk == first || onDisk == second, "a save cut short left a mixed file");
        }
#else
        QSKIP("needs fork and kill");
#endif
    }
};

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
