#pragma once

#include "app/CheckCommand.h"
#include "platform/Language.h"

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Mode { Window, Help, Version, Check, Diff, ExportPng, NewSkin, Pack, UsageError };

    Mode mode = Mode::Window;
    QStringList skins; // the one skin to open, those to check or export, or the two compared
    QString exportFolder;
    QString packagePath;
    QString newSkinVersion; // "1.4" or "1.5"
    bool force = false;     // an existing file may be replaced by what is written
    ReportFormat format = ReportFormat::Text;
    CheckScope scope = CheckScope::Faults;
    QString error; // what is wrong, with Mode::UsageError

    // The arguments as the application object gives them, the program's name first.
    static CommandLine parse(const QStringList &arguments);
    // Whether the arguments ask for a mode without a window, or are wrong, read before
    // any application object exists, so that such a run never needs a display.
    static bool asksForNoWindow(int argc, const char *const *argv);
    // Whether that mode needs the editor's window (drawn offscreen, never shown).
    static bool asksForEditor(int argc, const char *const *argv);
    static QString helpText();
};

// The language of this run: what --lang asks for, else what the settings hold. It is read
// before the arguments are parsed, so that the parser's own texts speak it too.
Language startLanguage(const QStringList &arguments);

// Runs a mode without a window and returns the process's exit status.
int runCommandLine(int argc, char *argv[]);
