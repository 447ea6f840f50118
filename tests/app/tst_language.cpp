#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/Shell.h"
#include "app/SkinNameDialog.h"
#include "editor/windows/MainWindow.h"
#include "platform/Language.h"
#include "tests/support/CurrentFolder.h"
#include "tests/support/DemoSkinCopy.h"
#include "tests/support/ScriptedDialogs.h"
#include "update/VersionChecker.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Every text a window shows of itself: titles, captions, tooltips and hints of its
// widgets and commands, in a fixed order.
QStringList shownTexts(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        texts << widget->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        else if (const auto *menu = qobject_cast<const QMenu *>(widget))
            texts << menu->title();
        else if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->text() << field->placeholderText();
        else if (const auto *list = qobject_cast<const QTreeWidget *>(widget))
            for (int column = 0; column < list->columnCount(); ++column)
                texts << list->headerItem()->text(column);
        else if (const auto *tabs = qobject_cast<const QTabWidget *>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
    }
    for (const QAction *action : window.findChildren<QAction *>())
        texts << action->text() << action->toolTip() << action->statusTip();
    return texts;
}

struct Placeholders {
    QString source;
    QString translation;
};

// Each message of the catalogue with the placeholders of its source and translation.
QList<Placeholders> catalogueMessages()
{
    QFile file(QStringLiteral(VELMOR_SOURCE_DIR "/translations/velmor_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Placeholders> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            messages.append({xml.readElementText(), {}});
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty())
            messages.back().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return messages;
}

QStringList placeholdersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[0-9n]+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CurrentFolder> folder_;
    std::shared_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Shell> shell_;

    void choose(const char *entry)
    {
        shell_->mainWindow().findChild<QAction *>(QString::fromLatin1(entry))->trigger();
    }
    QList<QWidget *> windows() const
    {
        return {&shell_->mainWindow(), &shell_->aboutDialog(), &shell_->skinNameDialog(),
                &shell_->versionChecker(), &shell_->mainWindow().checkReport()};
    }
    QStringList everyText() const
    {
        QStringList texts;
        for (const QWidget *window : windows())
            texts << shownTexts(*window);
        return texts;
    }

private slots:
    void init()
    {
        // The language a start installs.
        applyLanguage(Language::German);
        folder_ = std::make_unique<CurrentFolder>();
        dialogs_ = std::make_shared<ScriptedDialogs>();
        Platform platform;
        platform.dialogs = dialogs_;
        shell_ = std::make_unique<Shell>(platform);
        shell_->mainWindow().show();
    }
    void cleanup()
    {
        applyLanguage(Language::German);
        shell_.reset();
        folder_.reset();
    }

    void switchingBackShowsEveryGermanTextAsBefore()
    {
        const QStringList german = everyText();
        choose("LanguageEnglish");
        const QStringList english = everyText();
        QCOMPARE(english.size(), german.size());
        // German's own letters left in the English windows are texts nobody translated.
        static const QRegularExpression germanLetters(QStringLiteral("[äöüÄÖÜß]"));
        for (const QString &text : english)
            QVERIFY2(!text.contains(germanLetters), qPrintable(text));
        choose("LanguageGerman");
        QCOMPARE(everyText(), german);
    }

    void theChoiceIsKeptForTheNextStart()
    {
        QCOMPARE(startLanguage({"velmor"}), Language::German);
        choose("LanguageEnglish");
        QVERIFY(shell_->mainWindow().commands().english->isChecked());
        QCOMPARE(AppSettings().language(), Language::English);
        QCOMPARE(startLanguage({"velmor"}), Language::English);
        // One run in German does not change the choice.
        QCOMPARE(startLanguage({"velmor", "--lang", "de"}), Language::German);
        QCOMPARE(AppSettings().language(), Language::English);
    }

    void menusToolBarAndVersionCheckerSpeakEnglish()
    {
        choose("LanguageEnglish");
        const WindowActions &commands = shell_->mainWindow().commands();
        QCOMPARE((QStringList{commands.fileMenu->title(), commands.editMenu->title(),
                              commands.infoMenu->title()}),
                 (QStringList{"&File", "&Edit", "I&nfo"}));
        QCOMPARE(commands.open->toolTip(), QStringLiteral("Open"));
        QCOMPARE(commands.save->toolTip(), QStringLiteral("Save"));
        QCOMPARE(commands.skinNameButton->toolTip(), QStringLiteral("Skin Name"));
        QCOMPARE(shell_->versionChecker().windowTitle(), QStringLiteral("Velmor version checker"));
    }

    void aFailedLoadIsReportedInEnglish()
    {
        choose("LanguageEnglish");
        DemoSkinCopy skin(QStringLiteral("nachtblau-14"), folder_->path());
        skin.writeFile("btn_play_up.bmp", "broken");
        shell_->mainWindow().load(skin.path());
        QCOMPARE(dialogs_->texts(ScriptedDialogs::Error), QStringList{"Bitmap is invalid"});
        QCOMPARE(shell_->mainWindow().checkReport().windowTitle(), QStringLiteral("Check Skin"));
    }

    // Qt's own dialogs and buttons: German from Qt's catalogue, English of themselves.
    void qtsOwnTextsFollowTheLanguage()
    {
        const QAbstractButton *close =
            shell_->mainWindow().checkReport().findChild<QDialogButtonBox *>()->button(
                QDialogButtonBox::Close);
        const auto sizeColumn = [] {
            return QCoreApplication::translate("QFileSystemModel", "Size");
        };
        QCOMPARE((QStringList{close->text(), sizeColumn()}), (QStringList{"Schließen", "Größe"}));
        choose("LanguageEnglish");
        QCOMPARE((QStringList{close->text(), sizeColumn()}), (QStringList{"Close", "Size"}));
    }

    // A translation that drops a placeholder would drop a file name from a message.
    void everyTranslationKeepsItsPlaceholders()
    {
        const QList<Placeholders> messages = catalogueMessages();
        QVERIFY(messages.size() > 100);
        for (const Placeholders &message : messages)
            QVERIFY2(placeholdersOf(message.translation) == placeholdersOf(message.source),
                     qPrintable(message.source));
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
