#include "ini/SkinWriter.h"

namespace {

std::string pairText(std::string_view a, std::string_view b)
{
    return std::string(a) + "," + std::string(b);
}

} // namespace

SkinWriter::SkinWriter(std::string fileName) : IniText(std::move(fileName)) {}

SkinWriter::SkinWriter(std::string fileName, std::vector<std::string> lines)
    : IniText(std::move(fileName), std::move(lines))
{}

void SkinWriter::PutValue(std::string_view section, std::string_view ident, std::string_view value)
{
    PutLine(section, ident, value);
}

void SkinWriter::PutPair(std::string_view section, std::string_view ident, std::string_view a,
                         std::string_view b)
{
    PutLine(section, ident, pairText(a, b));
}

void SkinWriter::PutPairZeros(std::string_view section, std::string_view ident, std::string_view a,
                              std::string_view b)
{
    PutLine(section, ident, pairText(a, b) + ", 0, 0");
}

void SkinWriter::WriteValue(std::string_view section, std::string_view ident,
                            std::string_view value)
{
    PutValue(section, ident, value);
    UpdateFile();
}

void SkinWriter::WriteValuePair(std::string_view section, std::string_view ident,
                                std::string_view a, std::string_view b)
{
    PutPair(section, ident, a, b);
    UpdateFile();
}

void SkinWriter::WriteInteger(std::string_view section, std::string_view ident, std::int32_t n)
{
    WriteValue(section, ident, std::to_string(n));
}

void SkinWriter::WriteIntPair(std::string_view section, std::string_view ident, std::int32_t x,
                              std::int32_t y)
{
    WriteValuePair(section, ident, std::to_string(x), std::to_string(y));
}

void SkinWriter::WriteIntPairZeros(std::string_view section, std::string_view ident, std::int32_t x,
                                   std::int32_t y)
{
    PutPairZeros(section, ident, std::to_string(x), std::to_string(y));
    UpdateFile();
}
