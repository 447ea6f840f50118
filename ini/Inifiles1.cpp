#include "ini/Inifiles1.h"

namespace {

std::string pairText(std::string_view a, std::string_view b)
{
    return std::string(a) + "," + std::string(b);
}

} // namespace

TIniFile1::TIniFile1(std::string fileName) : IniText(std::move(fileName)) {}

TIniFile1::TIniFile1(std::string fileName, std::vector<std::string> lines)
    : IniText(std::move(fileName), std::move(lines))
{}

void TIniFile1::PutValue(std::string_view section, std::string_view ident, std::string_view value)
{
    PutLine(section, ident, value);
}

void TIniFile1::PutPair(std::string_view section, std::string_view ident, std::string_view a,
                        std::string_view b)
{
    PutLine(section, ident, pairText(a, b));
}

void TIniFile1::PutPairZeros(std::string_view section, std::string_view ident, std::string_view a,
                             std::string_view b)
{
    PutLine(section, ident, pairText(a, b) + ", 0, 0");
}

void TIniFile1::WriteValue(std::string_view section, std::string_view ident, std::string_view value)
{
    PutValue(section, ident, value);
    UpdateFile();
}

void TIniFile1::WriteValuePair(std::string_view section, std::string_view ident, std::string_view a,
                               std::string_view b)
{
    PutPair(section, ident, a, b);
    UpdateFile();
}

void TIniFile1::WriteInteger(std::string_view section, std::string_view ident, std::int32_t n)
{
    WriteValue(section, ident, std::to_string(n));
}

void TIniFile1::WriteIntPair(std::string_view section, std::string_view ident, std::int32_t x,
                             std::int32_t y)
{
    WriteValuePair(section, ident, std::to_string(x), std::to_string(y));
}

void TIniFile1::WriteIntPairZeros(std::string_view section, std::string_view ident, std::int32_t x,
                                  std::int32_t y)
{
    PutPairZeros(section, ident, std::to_string(x), std::to_string(y));
    UpdateFile();
}
