#pragma once

#include <QString>

#include <optional>

// The language of everything the user reads. German is the program's own; English comes
// from a translation compiled into the program. Skin files never depend on it.
enum class Language { German, English };

// "de" and "en", as the command line and the settings file spell them.
QString languageCode(Language language);
std::optional<Language> languageOfCode(const QString &code);

// Installs the language for the whole application: every window receives a
// LanguageChange event and shows its texts anew.
void applyLanguage(Language language);
Language currentLanguage();
