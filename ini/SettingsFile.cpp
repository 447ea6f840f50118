#include "ini/SettingsFile.h"

#include "ini/IniLine.h"

SettingsFile::SettingsFile(std::string fileName) : IniText(std::move(fileName)) {}

std::string SettingsFile::ReadValue(std::string_view section, std::string_view ident,
                                    std::string_view fallback) const
{
    std::optional<std::size_t> found = FindKeyLine(section, ident);
    if (!found)
        return std::string(fallback);
    return std::string(IniLine::classify(Lines[*found]).valueText());
}

void SettingsFile::PutValue(std::string_view section, std::string_view ident,
                            std::string_view value)
{
    PutLine(section, ident, value);
}

void SettingsFile::WriteValue(std::string_view section, std::string_view ident,
                              std::string_view value)
{
    PutValue(section, ident, value);
    UpdateFile();
}
