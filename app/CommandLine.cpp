#include "app/CommandLine.h"

#include "app/AppSettings.h"
#include "app/CheckCommand.h"
#include "app/DiffCommand.h"
#include "app/HeadlessEditor.h"
#include "platform/FileNames.h"
#include "platform/OffscreenScreen.h"
#include "platform/SkinPackage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <VelmorVersion.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// Made at each parse, after the language is chosen, so that --help speaks it.
struct Options {
    QCommandLineOption check{
        QStringLiteral("check"),
        QCoreApplication::translate("CommandLine", "Prüft jedes SKIN und nennt alle Probleme.")};
    QCommandLineOption json{
        QStringLiteral("json"),
        QCoreApplication::translate(
            "CommandLine", "Gibt das Ergebnis von --check oder --diff als JSON aus; bei --check "
                           "kurz für --format json.")};
    QCommandLineOption format{
        QStringLiteral("format"),
        QCoreApplication::translate(
            "CommandLine",
            "Gibt das Ergebnis von --check als FORMAT aus: text (die Vorgabe), json oder sarif."),
        QStringLiteral("FORMAT")};
    QCommandLineOption all{
        QStringLiteral("all"),
        QCoreApplication::translate("CommandLine",
                                    "Nennt bei --check auch Hinweise, etwa Bitmaps beim Skin, die "
                                    "kein Schlüssel nennt.")};
    QCommandLineOption diff{
        QStringLiteral("diff"),
        QCoreApplication::translate("CommandLine",
                                    "Vergleicht zwei SKIN und nennt, was sich für den Editor "
                                    "unterscheidet.")};
    QCommandLineOption exportPng{
        QStringLiteral("export-png"),
        QCoreApplication::translate(
            "CommandLine", "Schreibt die vier Seiten des SKIN als PNG-Bilder in den Ordner DIR."),
        QStringLiteral("DIR")};
    QCommandLineOption newSkin{
        QStringLiteral("new-skin"),
        QCoreApplication::translate("CommandLine",
                                    "Legt SKIN als neues Skin für den Player VERSION (1.4 oder "
                                    "1.5) an, aus der Vorlage."),
        QStringLiteral("VERSION")};
    QCommandLineOption pack{
        QStringLiteral("pack"),
        QCoreApplication::translate(
            "CommandLine", "Packt SKIN mit genau den Bitmaps, die es nennt, in die ZIP-Datei OUT."),
        QStringLiteral("OUT")};
    QCommandLineOption force{QStringLiteral("force"),
                             QCoreApplication::translate(
                                 "CommandLine",
                                 "Lässt --export-png, --new-skin und --pack eine Datei ersetzen, "
                                 "die es schon gibt; Verknüpfungen und andere Dinge als "
                                 "Dateien ersetzt Velmor nie.")};
    QCommandLineOption lang{
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine",
                                    "Zeigt alle Texte dieses Aufrufs in der Sprache LANG (de oder "
                                    "en), ohne die gewählte Sprache zu ändern."),
        QStringLiteral("LANG")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Velmor, der Skin-Editor für Orvana one."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.check, options.json, options.format, options.all, options.diff,
                       options.exportPng, options.newSkin, options.pack, options.force,
                       options.lang});
    parser.addPositionalArgument(
        QStringLiteral("SKIN"),
        QCoreApplication::translate("CommandLine",
                                    "Die Skin-Datei (.lkv); mit --check auch mehrere, mit --diff "
                                    "genau zwei."),
        QStringLiteral("[SKIN...]"));
}

CommandLine usageError(const QString &error)
{
    CommandLine line;
    line.mode = CommandLine::Mode::UsageError;
    line.error = error;
    return line;
}

std::optional<ReportFormat> formatNamed(const QString &name)
{
    if (name == QLatin1String("text"))
        return ReportFormat::Text;
    if (name == QLatin1String("json"))
        return ReportFormat::Json;
    if (name == QLatin1String("sarif"))
        return ReportFormat::Sarif;
    return std::nullopt;
}

// What --format and --json ask for; they may both be given when they agree.
std::optional<ReportFormat> formatOf(const QCommandLineParser &parser, const Options &options)
{
    const bool json = parser.isSet(options.json);
    if (!parser.isSet(options.format))
        return json ? ReportFormat::Json : ReportFormat::Text;
    const std::optional<ReportFormat> format = formatNamed(parser.value(options.format));
    if (json && format != ReportFormat::Json)
        return std::nullopt;
    return format;
}

CommandLine checkModeOf(const QCommandLineParser &parser, const Options &options)
{
    CommandLine line;
    line.skins = parser.positionalArguments();
    const std::optional<ReportFormat> format = formatOf(parser, options);
    if (!format)
        return usageError(QCoreApplication::translate(
            "CommandLine", "--format kennt text, json und sarif; --json steht für json."));
    if (line.skins.isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "--check braucht mindestens ein SKIN."));
    line.format = *format;
    line.scope = parser.isSet(options.all) ? CheckScope::WithNotes : CheckScope::Faults;
    line.mode = CommandLine::Mode::Check;
    return line;
}

CommandLine diffModeOf(const QCommandLineParser &parser, const Options &options)
{
    CommandLine line;
    line.skins = parser.positionalArguments();
    if (line.skins.size() != 2)
        return usageError(
            QCoreApplication::translate("CommandLine", "--diff braucht genau zwei SKIN."));
    line.format = parser.isSet(options.json) ? ReportFormat::Json : ReportFormat::Text;
    line.mode = CommandLine::Mode::Diff;
    return line;
}

CommandLine modeOf(const QCommandLineParser &parser, const Options &options)
{
    CommandLine line;
    line.skins = parser.positionalArguments();
    const bool check = parser.isSet(options.check);
    const bool diff = parser.isSet(options.diff);
    const bool exportPng = parser.isSet(options.exportPng);
    const bool newSkin = parser.isSet(options.newSkin);
    const bool pack = parser.isSet(options.pack);
    if (parser.isSet(options.lang) && !languageOfCode(parser.value(options.lang)))
        return usageError(QCoreApplication::translate("CommandLine", "--lang kennt de und en."));
    if (int(check) + int(diff) + int(exportPng) + int(newSkin) + int(pack) > 1)
        return usageError(QCoreApplication::translate(
            "CommandLine",
            "--check, --diff, --export-png, --new-skin und --pack schließen sich aus."));
    if (parser.isSet(options.json) && !check && !diff)
        return usageError(QCoreApplication::translate(
            "CommandLine", "--json gilt nur zusammen mit --check oder --diff."));
    if ((parser.isSet(options.format) || parser.isSet(options.all)) && !check)
        return usageError(QCoreApplication::translate(
            "CommandLine", "--format und --all gelten nur zusammen mit --check."));
    if (parser.isSet(options.force) && !exportPng && !newSkin && !pack)
        return usageError(QCoreApplication::translate(
            "CommandLine", "--force gilt nur zusammen mit --export-png, --new-skin oder --pack."));
    line.force = parser.isSet(options.force);
    if (check)
        return checkModeOf(parser, options);
    if (diff)
        return diffModeOf(parser, options);
    if (exportPng) {
        if (line.skins.size() != 1)
            return usageError(
                QCoreApplication::translate("CommandLine", "--export-png braucht genau ein SKIN."));
        line.exportFolder = parser.value(options.exportPng);
        line.mode = CommandLine::Mode::ExportPng;
    } else if (newSkin) {
        line.newSkinVersion = parser.value(options.newSkin);
        if (line.newSkinVersion != QLatin1String("1.4") &&
            line.newSkinVersion != QLatin1String("1.5"))
            return usageError(QCoreApplication::translate(
                "CommandLine", "--new-skin kennt die Player 1.4 und 1.5."));
        if (line.skins.size() != 1)
            return usageError(
                QCoreApplication::translate("CommandLine", "--new-skin braucht genau ein SKIN."));
        line.mode = CommandLine::Mode::NewSkin;
    } else if (pack) {
        if (line.skins.size() != 1)
            return usageError(
                QCoreApplication::translate("CommandLine", "--pack braucht genau ein SKIN."));
        line.packagePath = parser.value(options.pack);
        line.mode = CommandLine::Mode::Pack;
    } else if (line.skins.size() > 1) {
        return usageError(
            QCoreApplication::translate("CommandLine", "Es lässt sich nur ein SKIN öffnen."));
    }
    return line;
}

// A report that could not be written is no report: a full disk or a closed pipe must
// not pass for a clean check.
int afterWriting(int status, QTextStream &out, QTextStream &err)
{
    out.flush();
    if (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    err << "velmor: "
        << QCoreApplication::translate("CommandLine",
                                       "Das Ergebnis lässt sich nicht in die Ausgabe schreiben.")
        << '\n';
    return 2;
}

bool isOption(const char *argument, const char *option)
{
    const std::size_t length = std::strlen(option);
    return std::strncmp(argument, option, length) == 0 &&
           (argument[length] == '\0' || argument[length] == '=');
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    CommandLine line;
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        line.mode = Mode::Help;
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.mode = Mode::Version;
        return line;
    }
    return modeOf(parser, options);
}

// A wrong command line is answered in words as well, never by a window: a run without
// a display would otherwise end in the platform plugin before it could say anything.
// The parse needs no application object; its texts are only translated in the run
// that answers.
bool CommandLine::asksForNoWindow(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        for (const char *option :
             {"--check", "--json", "--format", "--all", "--diff", "--export-png", "--new-skin",
              "--pack", "--force", "--help", "--help-all", "--version", "-h", "-?", "-v"}) {
            if (i > 0 && isOption(argv[i], option))
                return true;
        }
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return parse(arguments).mode == Mode::UsageError;
}

bool CommandLine::asksForEditor(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        if (isOption(argv[i], "--export-png") || isOption(argv[i], "--new-skin"))
            return true;
    }
    return false;
}

QString CommandLine::helpText()
{
    QCommandLineParser parser;
    describe(parser, Options());
    return parser.helpText();
}

Language startLanguage(const QStringList &arguments)
{
    const QString option = QStringLiteral("--lang");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == option)
            code = arguments.value(i + 1);
        else if (arguments[i].startsWith(option + QLatin1Char('=')))
            code = arguments[i].mid(option.size() + 1);
        else
            continue;
        // A wrong code is the parser's usage error; until then the texts stay German.
        return languageOfCode(code).value_or(Language::German);
    }
    return AppSettings().language();
}

int runCommandLine(int argc, char *argv[])
{
    // The output belongs to the caller's scripts: Qt's own notes (such as a missing
    // runtime folder) would only get in their way.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // The editor's work needs a GUI application, but never a display.
    std::unique_ptr<QCoreApplication> application;
    if (CommandLine::asksForEditor(argc, argv)) {
        useOffscreenScreen();
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Velmor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velmorVersion));
    // Unix hands names over as bytes: a name that is no UTF-8 must still open.
    const QStringList arguments = commandLineArguments(argc, argv);
    applyLanguage(startLanguage(arguments));
    const CommandLine line = CommandLine::parse(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        out << CommandLine::helpText();
        return 0;
    case CommandLine::Mode::Version:
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return 0;
    case CommandLine::Mode::Check:
        return afterWriting(runCheck(line.skins, line.format, line.scope, out), out, err);
    case CommandLine::Mode::Diff:
        return afterWriting(
            runDiff(line.skins[0], line.skins[1], line.format == ReportFormat::Json, out, err), out,
            err);
    case CommandLine::Mode::ExportPng:
        return runExport(line.exportFolder, line.skins.front(), line.force, err);
    case CommandLine::Mode::NewSkin:
        return runNewSkin(line.newSkinVersion, line.skins.front(), line.force, err);
    case CommandLine::Mode::Pack: {
        const PackageResult packed = packSkin(line.skins.front(), line.packagePath, line.force);
        if (!packed.ok())
            err << packed.error << '\n';
        return packed.ok() ? 0 : 1;
    }
    case CommandLine::Mode::Window:
    case CommandLine::Mode::UsageError:
        break;
    }
    const QString error =
        line.error.isEmpty()
            ? QCoreApplication::translate(
                  "CommandLine", "Ohne Fenster braucht es --check, --diff oder --export-png.")
            : line.error;
    err << "velmor: " << error << '\n'
        << QCoreApplication::translate("CommandLine", "Hilfe gibt velmor --help.") << '\n';
    return 2;
}
