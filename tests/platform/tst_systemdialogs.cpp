#include "platform/SystemDialogs.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

// Runs `handle` on the next modal window from inside that window's own event loop;
// `handle` must close it.
void onNextModal(std::function<void(QWidget *)> handle)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        handle(modal);
    });
    timer->start();
}

// Types a file name as the user would; selectFile() leaves a focused name field alone.
// A dialog that refuses the name is closed, so a failure cannot hang the test.
void typeAndAccept(QFileDialog *dialog, const QString &name)
{
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (field) {
        field->clear();
        QTest::keyClicks(field, name);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides it
    }
    if (dialog->isVisible())
        dialog->close();
}

enum Question { Error, Message, Confirm, YesNo };

} // namespace

class SystemDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsFiltersBecomeQtFilters_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("qt");

        QTest::newRow("skin") << "Lakova (*.lkv)|*.lkv"
                              << "Lakova (*.lkv)";
        QTest::newRow("picture") << "Bitmap (*.bmp)|*.bmp"
                                 << "Bitmap (*.bmp)";
        QTest::newRow("text without patterns") << "Bilder|*.bmp"
                                               << "Bilder (*.bmp)";
        QTest::newRow("text shows other patterns") << "Bilder (*.bmp)|*.bmp;*.dib"
                                                   << "Bilder (*.bmp) (*.bmp *.dib)";
        QTest::newRow("two filters") << "Lakova (*.lkv)|*.lkv|Alle (*.*)|*.*"
                                     << "Lakova (*.lkv);;Alle (*.*)";
        QTest::newRow("blanks around patterns") << "Bilder| *.bmp ; *.dib "
                                                << "Bilder (*.bmp *.dib)";
        QTest::newRow("text alone") << "Alle Dateien"
                                    << "Alle Dateien (*)";
        QTest::newRow("empty") << ""
                               << "";
    }

    void windowsFiltersBecomeQtFilters()
    {
        QFETCH(QString, windows);
        QFETCH(QString, qt);
        QCOMPARE(qtFilter(windows), qt);
    }

    void fileDialogsAreSetUpForTheirFiles_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("setup"); // filter, default suffix

        QTest::newRow("open skin")
            << int(Dialogs::FileKind::OpenSkin) << QStringList{"Lakova (*.lkv)", "lkv"};
        QTest::newRow("save skin")
            << int(Dialogs::FileKind::SaveSkin) << QStringList{"Lakova (*.lkv)", "lkv"};
        QTest::newRow("open picture")
            << int(Dialogs::FileKind::OpenPicture) << QStringList{"Bitmap (*.bmp)", ""};
    }

    // The title and the folder are the caller's: they say what the file is for.
    void fileDialogsAreSetUpForTheirFiles()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, setup);

        const QTemporaryDir folder;
        const QString title = QStringLiteral("Skin zum Vergleichen wählen");
        QStringList seen;
        bool seenSave = false;
        onNextModal([&](QWidget *modal) {
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                seen = QStringList{dialog->windowTitle(), dialog->directory().absolutePath(),
                                   dialog->nameFilters().join(";;"), dialog->defaultSuffix()};
                seenSave = dialog->acceptMode() == QFileDialog::AcceptSave;
            }
            modal->close();
        });
        const auto fileKind = static_cast<Dialogs::FileKind>(kind);
        const QString answer = SystemDialogs().askForFile({fileKind, title, folder.path()});

        QCOMPARE(answer, QString());
        QCOMPARE(seen, QStringList({title, QDir(folder.path()).absolutePath()}) + setup);
        QCOMPARE(seenSave, fileKind == Dialogs::FileKind::SaveSkin);
    }

    void saveAsStartsInFolderAndReplacesWithoutAsking_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");

        QTest::newRow("existing skin") << "alt.lkv"
                                       << "alt.lkv";
        QTest::newRow("name without extension") << "neu"
                                                << "neu.lkv";
    }

    void saveAsStartsInFolderAndReplacesWithoutAsking()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);

        QTemporaryDir folder;
        QFile existing(folder.filePath("alt.lkv"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QString startFolder;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            // A question about replacing would block this handler, so only a dialog
            // that will not ask gets the name.
            if (!dialog || !dialog->testOption(QFileDialog::DontConfirmOverwrite)) {
                modal->close();
                return;
            }
            startFolder = dialog->directory().absolutePath();
            typeAndAccept(dialog, typed);
        });

        const QString answer = SystemDialogs().saveSkinAs(folder.path());
        QCOMPARE(startFolder, QDir(folder.path()).absolutePath());
        QCOMPARE(answer, folder.filePath(chosen));
    }

    void boxesSpeakGermanAndReportTheButton_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("press"); // a button's text, or "Esc"
        QTest::addColumn<bool>("answer");

        const QStringList ok{"OK"};
        const QStringList okCancel{"Abbrechen", "OK"};
        const QStringList yesNo{"&Ja", "&Nein"};
        const QString confirm = QStringLiteral("Bestätigung");
        QTest::newRow("error") << int(Error) << "Velmor" << ok << "OK" << true;
        QTest::newRow("message") << int(Message) << "Velmor" << ok << "OK" << true;
        QTest::newRow("confirm, OK") << int(Confirm) << confirm << okCancel << "OK" << true;
        QTest::newRow("confirm, Abbrechen")
            << int(Confirm) << confirm << okCancel << "Abbrechen" << false;
        QTest::newRow("confirm, Esc") << int(Confirm) << confirm << okCancel << "Esc" << false;
        QTest::newRow("yes") << int(YesNo) << "Download" << yesNo << "&Ja" << true;
        QTest::newRow("no") << int(YesNo) << "Download" << yesNo << "&Nein" << false;
        QTest::newRow("yes/no, Esc") << int(YesNo) << "Download" << yesNo << "Esc" << false;
    }

    void boxesSpeakGermanAndReportTheButton()
    {
        QFETCH(int, question);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        QFETCH(QString, press);
        QFETCH(bool, answer);

        // Texts carry file names and server answers, which must never be read as markup.
        const QString text = QStringLiteral("Datei <b>x</b>.bmp kann nicht geöffnet werden");
        QString seenTitle, seenText;
        QStringList seenButtons;
        Qt::TextFormat seenFormat = Qt::AutoText;
        onNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenFormat = box->textFormat();
            for (const QAbstractButton *button : box->buttons())
                seenButtons.append(button->text());
            seenButtons.sort();
            if (press == QLatin1String("Esc"))
                return QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == press)
                    return button->click();
            }
            box->close();
        });

        SystemDialogs dialogs;
        bool result = true;
        if (question == Error)
            dialogs.error(text);
        else if (question == Message)
            dialogs.message(text);
        else if (question == Confirm)
            result = dialogs.confirm(text);
        else
            result = dialogs.yesNo(title, text);

        QCOMPARE(seenTitle, title);
        QCOMPARE(seenText, text);
        QCOMPARE(seenFormat, Qt::PlainText);
        QCOMPARE(seenButtons, buttons);
        QCOMPARE(result, answer);
    }

    // The question before work could be lost: only "Ja" and "Nein" answer it; Escape and
    // the box's close button cancel, like "Abbrechen".
    void theQuestionBeforeLosingWorkCanBeCancelled_data()
    {
        QTest::addColumn<QString>("press"); // a button's text, "Esc" or "close"
        QTest::addColumn<int>("answer");    // 1 yes, 0 no, -1 cancelled
        QTest::newRow("Ja") << "&Ja" << 1;
        QTest::newRow("Nein") << "&Nein" << 0;
        QTest::newRow("Abbrechen") << "Abbrechen" << -1;
        QTest::newRow("Esc") << "Esc" << -1;
        QTest::newRow("close button") << "close" << -1;
    }

    void theQuestionBeforeLosingWorkCanBeCancelled()
    {
        QFETCH(QString, press);
        QFETCH(int, answer);
        QStringList seenButtons;
        QString defaultButton;
        onNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            for (const QAbstractButton *button : box->buttons())
                seenButtons.append(button->text());
            seenButtons.sort();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (press == QLatin1String("Esc"))
                return QTest::keyClick(box, Qt::Key_Escape);
            if (press == QLatin1String("close"))
                return (void)box->close();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == press)
                    return button->click();
            }
            box->close();
        });
        const std::optional<bool> result = SystemDialogs().yesNoCancel(
            QStringLiteral("Bestätigung"), QStringLiteral("Speichern ?"));
        QCOMPARE(seenButtons, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
        QCOMPARE(defaultButton, QStringLiteral("&Ja"));
        QCOMPARE(result ? int(*result) : -1, answer);
    }
};

QTEST_MAIN(SystemDialogsTest)
#include "tst_systemdialogs.moc"
