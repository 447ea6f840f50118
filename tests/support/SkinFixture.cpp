#include "tests/support/SkinFixture.h"

#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <algorithm>

namespace {

std::string text(int n)
{
    return std::to_string(n);
}

// Distinct sizes and colours per name, so tests see which bitmap went where.
QImage pictureFor(const std::string &name, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const auto hash = static_cast<unsigned>(std::hash<std::string>{}(name));
    image.fill(QColor::fromRgb(hash & 0xff, (hash >> 8) & 0xff, (hash >> 16) & 0xff));
    return image;
}

} // namespace

SkinFixture::SkinFixture(bool version15)
{
    // The lists stand right of every element, so a user can press each element.
    set("dlg_main", "position_m",
        version15 ? "630,95 // anfangsposition von body unten" : "590, 95");
    set("dlg_main", "position_g", version15 ? "140,50  // anfangspos von body oben" : "100, 50");
    set("dlg_main", "size_m", version15 ? "310,180" : "250,180");
    set("dlg_main", "size_g", version15 ? "260,240" : "251,216");
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const SkinKey where = graphicKey(static_cast<Graphic>(i));
        set(std::string(where.section), std::string(where.key), "g" + text(int(i)) + ".bmp");
    }
    set("player_view", "height", "60");
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.rule == VersionRule::OnlyFor15 && !version15)
            continue;
        const std::string section(entry.section);
        const int n = entry.number;
        set(section, "position", text(left(n)) + ", " + text(top(n)) + ", 0, 0");
        set(section, "size", text(width(n)) + ", " + text(height(n)));
        for (StateBitmap state : allStates) {
            if (entry.hasState(state))
                set(section, std::string(stateKey(state)),
                    "e" + std::string(entry.numberText) + "_" +
                        std::string(stateKey(state)).substr(7) + ".bmp");
        }
    }
    for (std::string_view section : requiredSections)
        keys(std::string(section));
}

SkinFixture::Keys &SkinFixture::keys(const std::string &section)
{
    auto found = std::find_if(sections_.begin(), sections_.end(),
                              [&](const auto &s) { return s.first == section; });
    if (found != sections_.end())
        return found->second;
    return sections_.emplace_back(section, Keys{}).second;
}

void SkinFixture::set(const std::string &section, const std::string &key, const std::string &value)
{
    Keys &entries = keys(section);
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const auto &entry) { return entry.first == key; });
    if (found != entries.end())
        found->second = value;
    else
        entries.emplace_back(key, value);
}

void SkinFixture::remove(const std::string &section, const std::string &key)
{
    std::erase_if(keys(section), [&](const auto &entry) { return entry.first == key; });
}

void SkinFixture::clear(const std::string &section)
{
    keys(section).clear();
}

QString SkinFixture::write(const QString &folder, const QString &fileName)
{
    std::string skin = "PP_LKV = Fixture\r\n";
    for (const auto &[section, entries] : sections_) {
        skin += "[" + section + "]\r\n";
        const CatalogueEntry *entry = findElementBySection(section);
        const QSize size =
            entry ? QSize(width(entry->number), height(entry->number)) : QSize(30, 12);
        for (const auto &[key, value] : entries) {
            skin += key + " = " + value + "\r\n";
            if (value.ends_with(".bmp"))
                pictureFor(value, size)
                    .save(QDir(folder).filePath(QString::fromStdString(value)), "BMP");
        }
    }
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(skin.data(), static_cast<qint64>(skin.size()));
    return path;
}
