#include "platform/FileWrites.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

QString shownFolderOf(const QString &path)
{
    return shownName(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

QString refusalReason(WriteRefusal refusal)
{
    switch (refusal) {
    case WriteRefusal::Link:
        return QCoreApplication::translate(
            "FileWrites",
            "Dort steht eine Verknüpfung; Velmor schreibt nie durch eine Verknüpfung.");
    case WriteRefusal::NotAPlainFile:
        return QCoreApplication::translate(
            "FileWrites",
            "Dort steht keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine "
            "Pipe; Velmor ersetzt nur gewöhnliche Dateien.");
    case WriteRefusal::Exists:
        return QCoreApplication::translate("FileWrites",
                                           "Die Datei gibt es schon; --force ersetzt sie.");
    }
    return {};
}

bool isDiskFull(std::error_code error)
{
    if (error.default_error_condition() == std::errc::no_space_on_device)
        return true;
#ifdef EDQUOT
    return error.category() == std::generic_category() && error.value() == EDQUOT;
#else
    return false;
#endif
}

QString systemReason(const QString &path, std::error_code error)
{
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::permission_denied ||
        condition == std::errc::operation_not_permitted) {
        const QFileInfo file(path);
        return file.exists() && !file.isWritable()
                   ? QCoreApplication::translate("FileWrites", "Die Datei ist schreibgeschützt.")
                   : QCoreApplication::translate("FileWrites",
                                                 "Der Ordner %1 ist schreibgeschützt.")
                         .arg(shownFolderOf(path));
    }
    if (condition == std::errc::read_only_file_system)
        return QCoreApplication::translate("FileWrites", "Der Datenträger ist schreibgeschützt.");
    if (isDiskFull(error))
        return QCoreApplication::translate("FileWrites",
                                           "Auf dem Datenträger ist kein Platz mehr.");
    if (condition == std::errc::is_a_directory)
        return QCoreApplication::translate("FileWrites", "Dort steht ein Ordner.");
    if (condition == std::errc::no_such_file_or_directory)
        return QCoreApplication::translate("FileWrites", "Den Ordner %1 gibt es nicht.")
            .arg(shownFolderOf(path));
    if (condition == std::errc::not_a_directory)
        return QCoreApplication::translate("FileWrites", "Ein Teil des Pfads ist kein Ordner.");
    if (condition == std::errc::too_many_symbolic_link_levels)
        return QCoreApplication::translate("FileWrites",
                                           "Der Pfad führt über Verknüpfungen im Kreis.");
    if (condition == std::errc::filename_too_long)
        return QCoreApplication::translate("FileWrites", "Der Pfad ist zu lang.");
    return QCoreApplication::translate("FileWrites", "Das System meldet: %1")
        .arg(QString::fromLocal8Bit(error.message()));
}

} // namespace

QString writeFailureText(const QString &path, std::error_code error)
{
    const QString reason = error.category() == writeRefusalCategory()
                               ? refusalReason(static_cast<WriteRefusal>(error.value()))
                               : systemReason(path, error);
    return QCoreApplication::translate("FileWrites",
                                       "Die Datei %1 konnte nicht gespeichert werden.")
               .arg(shownName(QDir::toNativeSeparators(path))) +
           QLatin1Char(' ') + reason;
}

QString refusedTarget(const QString &path, ReplaceRules rules)
{
    if (const std::error_code refused = refusalOf(path.toStdString(), rules))
        return writeFailureText(path, refused);
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return writeFailureText(path, std::make_error_code(std::errc::no_such_file_or_directory));
    return {};
}

ReplaceRules newFileRules(bool mayReplace)
{
    ReplaceRules rules;
    rules.followLink = false;
    rules.mayReplace = mayReplace;
    return rules;
}

QString writeNewFile(const QString &path, const QByteArray &bytes, bool mayReplace)
{
    const std::error_code failed = replaceFileAtomically(
        path.toStdString(), std::string_view(bytes.data(), bytes.size()), newFileRules(mayReplace));
    return failed ? writeFailureText(path, failed) : QString();
}
