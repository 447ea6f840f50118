#include "ini/MyIniFile.h"

#include "ini/IniLine.h"

TIniFile9::TIniFile9(std::string fileName) : IniText(std::move(fileName)) {}

std::string TIniFile9::ReadValue(std::string_view section, std::string_view ident,
                                 std::string_view fallback) const
{
    std::optional<std::size_t> found = FindKeyLine(section, ident);
    if (!found)
        return std::string(fallback);
    return std::string(IniLine::classify(Lines[*found]).valueText());
}

void TIniFile9::PutValue(std::string_view section, std::string_view ident, std::string_view value)
{
    PutLine(section, ident, value);
}

void TIniFile9::WriteValue(std::string_view section, std::string_view ident, std::string_view value)
{
    PutValue(section, ident, value);
    UpdateFile();
}
