#include "app/AppSettings.h"

#include "editor/controls/WindowActions.h"
#include "ini/SettingsFile.h"
#include "ini/TextRules.h"
#include "ini/Windows1252.h"

#include <QFileInfo>

namespace {

constexpr std::string_view section = "Update";
constexpr std::string_view recentSection = "Zuletzt";
constexpr std::string_view languageSection = "Sprache";
constexpr std::string_view viewSection = "Ansicht";

// The settings file is ANSI text like the skins.
QString fromFile(const std::string &bytes)
{
    return QString::fromStdString(decodeWindows1252(bytes));
}

std::string toFile(const QString &text)
{
    return encodeWindows1252(text.toStdString());
}

// The file as it is on disk now.
SettingsFile settingsFile()
{
    return SettingsFile("Velmor.ini");
}

std::optional<int> storedNumber(const char *key, const SettingsFile &file = settingsFile())
{
    bool isNumber = false;
    const int value =
        QString::fromStdString(file.ReadValue(viewSection, key, "")).trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString AppSettings::server() const
{
    return fromFile(settingsFile().ReadValue(section, "Server", "Server 1"));
}

QString AppSettings::news() const
{
    return decodeNews(fromFile(settingsFile().ReadValue(section, "News", "Keine News vorhanden")));
}

void AppSettings::writeUpdate(const QString &server, const std::optional<QString> &news)
{
    SettingsFile file = settingsFile();
    if (news)
        file.PutValue(section, "News", toFile(encodeNews(*news)));
    file.PutValue(section, "Server", singleLine(toFile(server)));
    file.UpdateFile();
}

QStringList AppSettings::recentSkins() const
{
    const SettingsFile file = settingsFile();
    QStringList paths;
    for (int i = 1; i <= recentSkinCount; ++i) {
        const QString path = fromFile(file.ReadValue(recentSection, std::to_string(i), ""));
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

// Every key is written, empty beyond the list, and the file once.
void AppSettings::writeRecentSkins(const QStringList &paths)
{
    SettingsFile file = settingsFile();
    for (int i = 1; i <= recentSkinCount; ++i)
        file.PutValue(recentSection, std::to_string(i),
                      i <= paths.size() ? singleLine(toFile(paths[i - 1])) : std::string());
    file.UpdateFile();
}

// A value that is no number counts as none; the page views pull any number into their range.
int AppSettings::zoom() const
{
    return storedNumber("Zoom").value_or(100);
}

void AppSettings::writeZoom(int percent)
{
    SettingsFile file = settingsFile();
    file.PutValue(viewSection, "Zoom", std::to_string(percent));
    file.UpdateFile();
}

bool AppSettings::snapToElements() const
{
    return storedNumber("Einrasten").value_or(1) != 0;
}

bool AppSettings::snapToGrid() const
{
    return storedNumber("RasterEinrasten").value_or(0) != 0;
}

namespace {

int gridStepIn(const SettingsFile &file)
{
    const int step = storedNumber("Raster", file).value_or(WindowActions::defaultGridStep);
    return step >= 1 && step <= 1000 ? step : WindowActions::defaultGridStep;
}

} // namespace

int AppSettings::gridStep() const
{
    return gridStepIn(settingsFile());
}

// The step is written as well, so that the file shows where it is set.
void AppSettings::writeSnapping(bool toElements, bool toGrid)
{
    SettingsFile file = settingsFile();
    file.PutValue(viewSection, "Einrasten", toElements ? "1" : "0");
    file.PutValue(viewSection, "RasterEinrasten", toGrid ? "1" : "0");
    file.PutValue(viewSection, "Raster", std::to_string(gridStepIn(file)));
    file.UpdateFile();
}

namespace {

QByteArray readBase64(const char *key)
{
    const std::string stored = settingsFile().ReadValue(viewSection, key, "");
    return QByteArray::fromBase64(QByteArray::fromStdString(stored));
}

void writeBase64(const char *key, const QByteArray &bytes)
{
    SettingsFile file = settingsFile();
    file.PutValue(viewSection, key, bytes.toBase64().toStdString());
    file.UpdateFile();
}

} // namespace

QByteArray AppSettings::windowLayout() const
{
    return readBase64("Fenster");
}

void AppSettings::writeWindowLayout(const QByteArray &layout)
{
    writeBase64("Fenster", layout);
}

QByteArray AppSettings::windowPlace() const
{
    return readBase64("Fensterplatz");
}

void AppSettings::writeWindowPlace(const QByteArray &place)
{
    writeBase64("Fensterplatz", place);
}

namespace {

// Far beyond any desktop, near enough to zero that no sum of two overflows.
constexpr int farthestCoordinate = 1 << 16;

} // namespace

// Kept as "left,top,width,height", readable in the file like the other view settings.
std::optional<QRect> AppSettings::toolWindowPlace(const char *key) const
{
    const QStringList numbers =
        QString::fromStdString(settingsFile().ReadValue(viewSection, key, "")).split(u',');
    if (numbers.size() != 4)
        return std::nullopt;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool isNumber = false;
        values[i] = numbers[i].trimmed().toInt(&isNumber);
        if (!isNumber || values[i] < -farthestCoordinate || values[i] > farthestCoordinate)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

void AppSettings::writeToolWindowPlace(const char *key, const QRect &place)
{
    SettingsFile file = settingsFile();
    file.PutValue(viewSection, key,
                  QStringLiteral("%1,%2,%3,%4")
                      .arg(place.left())
                      .arg(place.top())
                      .arg(place.width())
                      .arg(place.height())
                      .toStdString());
    file.UpdateFile();
}

Language AppSettings::language() const
{
    const std::string code = settingsFile().ReadValue(languageSection, "Sprache", "");
    return languageOfCode(QString::fromStdString(code)).value_or(Language::German);
}

void AppSettings::writeLanguage(Language language)
{
    settingsFile().WriteValue(languageSection, "Sprache", languageCode(language).toStdString());
}

QStringList withOpenedSkin(QStringList recent, const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (fromFile(toFile(absolute)) != absolute)
        return recent;
    recent.removeAll(absolute);
    recent.prepend(absolute);
    return recent.mid(0, recentSkinCount);
}

QString encodeNews(const QString &news)
{
    QString normalised = news;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString stored;
    stored.reserve(normalised.size());
    for (QChar c : normalised) {
        if (c == QLatin1Char('\\'))
            stored += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            stored += QStringLiteral("\\n");
        else
            stored += c;
    }
    return stored;
}

QString decodeNews(const QString &stored)
{
    QString news;
    news.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar next = i + 1 < stored.size() ? stored.at(i + 1) : QChar();
        if (stored.at(i) == QLatin1Char('\\') && next == QLatin1Char('n')) {
            news += QLatin1Char('\n');
            ++i;
        } else if (stored.at(i) == QLatin1Char('\\') && next == QLatin1Char('\\')) {
            news += QLatin1Char('\\');
            ++i;
        } else {
            news += stored.at(i);
        }
    }
    return news;
}
