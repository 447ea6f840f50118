#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// One translator for the program's lifetime, so that switching back and forth never
// loads the catalogue twice.
QTranslator &englishTranslator()
{
    static const std::unique_ptr<QTranslator> translator = [] {
        auto loaded = std::make_unique<QTranslator>();
        // The catalogue is compiled in; a build without it would show German.
        (void)loaded->load(QStringLiteral(":/i18n/velmor_en.qm"));
        return loaded;
    }();
    return *translator;
}

// Qt's own texts in its dialogs ("Abbrechen", the columns of the file dialog) come
// from Qt's German catalogue: the one a Windows or installed program brings beside
// itself, else the system's. Without one they stay English.
QTranslator &qtGermanTranslator()
{
    static const std::unique_ptr<QTranslator> translator = [] {
        auto loaded = std::make_unique<QTranslator>();
        const QStringList folders{
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
        // windeployqt merges Qt's catalogues into one named "qt".
        for (const QString &folder : folders) {
            for (const QString &name : {QStringLiteral("qtbase_de"), QStringLiteral("qt_de")}) {
                if (loaded->load(name, folder))
                    return loaded;
            }
        }
        return loaded;
    }();
    return *translator;
}

// None until the first choice: Qt's catalogue is installed then, even for German.
std::optional<Language> installed;

} // namespace

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

std::optional<Language> languageOfCode(const QString &code)
{
    if (code == QLatin1String("de"))
        return Language::German;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

// Qt's texts are English of themselves, so English takes only the program's catalogue.
void applyLanguage(Language language)
{
    if (language == installed)
        return;
    if (language == Language::English) {
        QCoreApplication::removeTranslator(&qtGermanTranslator());
        QCoreApplication::installTranslator(&englishTranslator());
    } else {
        QCoreApplication::removeTranslator(&englishTranslator());
        QCoreApplication::installTranslator(&qtGermanTranslator());
    }
    installed = language;
    // Qt posts the change to every window; delivered now, the switch is over when this
    // returns, and nothing shows a mix of both languages in between.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language currentLanguage()
{
    return installed.value_or(Language::German);
}
