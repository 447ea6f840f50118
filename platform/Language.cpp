#include "platform/Language.h"

#include <QCoreApplication>
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

Language installed = Language::German;

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

void applyLanguage(Language language)
{
    if (language == installed)
        return;
    if (language == Language::English)
        QCoreApplication::installTranslator(&englishTranslator());
    else
        QCoreApplication::removeTranslator(&englishTranslator());
    installed = language;
    // Qt posts the change to every window; delivered now, the switch is over when this
    // returns, and nothing shows a mix of both languages in between.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language currentLanguage()
{
    return installed;
}
