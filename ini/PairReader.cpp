#include "ini/PairReader.h"

#include "ini/TextRules.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The text from start up to end, or nothing when the end lies before the start or is
// missing. A missing "=" or "," counts as standing just before the line, so a line
// without "," yields everything from its beginning.
std::string_view cutBetween(std::string_view trimmed, std::size_t startMark, std::size_t end)
{
    std::size_t start = startMark == npos ? 0 : startMark + 1;
    if (end == npos || end < start)
        return {};
    return trimControl(trimmed.substr(start, end - start));
}

} // namespace

PairReader::PairReader(std::string fileName) : IniText(std::move(fileName)) {}

PairReader::PairReader(std::string fileName, std::vector<std::string> lines)
    : IniText(std::move(fileName), std::move(lines))
{}

std::optional<std::string_view> PairReader::valueText(std::string_view section,
                                                      std::string_view ident, Cut cut) const
{
    std::optional<std::size_t> found = FindKeyLine(section, ident);
    if (!found)
        return std::nullopt;
    const std::string_view t = trimControl(Lines[*found]);
    const std::size_t comma = t.find(',');
    switch (cut) {
    case Cut::First:
        return cutBetween(t, t.find('='), comma);
    case Cut::Second:
        return cutBetween(t, comma, t.size());
    case Cut::SecondBeforeComment:
        return cutBetween(t, comma, t.find("//"));
    case Cut::SecondBeforeZeros:
        return cutBetween(t, comma, t.find(", 0, 0"));
    }
    return std::nullopt;
}

std::string PairReader::readText(std::string_view section, std::string_view ident,
                                 std::string_view fallback, Cut cut) const
{
    return std::string(valueText(section, ident, cut).value_or(fallback));
}

std::int32_t PairReader::readInt(std::string_view section, std::string_view ident,
                                 std::int32_t fallback, Cut cut) const
{
    std::optional<std::string_view> text = valueText(section, ident, cut);
    if (!text)
        return fallback;
    return parseInt32(*text).value_or(fallback);
}

std::string PairReader::ReadFirst(std::string_view section, std::string_view ident,
                                  std::string_view fallback) const
{
    return readText(section, ident, fallback, Cut::First);
}

std::string PairReader::ReadSecond(std::string_view section, std::string_view ident,
                                   std::string_view fallback) const
{
    return readText(section, ident, fallback, Cut::Second);
}

std::string PairReader::ReadSecondBeforeComment(std::string_view section, std::string_view ident,
                                                std::string_view fallback) const
{
    return readText(section, ident, fallback, Cut::SecondBeforeComment);
}

std::string PairReader::ReadSecondBeforeZeros(std::string_view section, std::string_view ident,
                                              std::string_view fallback) const
{
    return readText(section, ident, fallback, Cut::SecondBeforeZeros);
}

std::int32_t PairReader::ReadFirstInt(std::string_view section, std::string_view ident,
                                      std::int32_t fallback) const
{
    return readInt(section, ident, fallback, Cut::First);
}

std::int32_t PairReader::ReadSecondInt(std::string_view section, std::string_view ident,
                                       std::int32_t fallback) const
{
    return readInt(section, ident, fallback, Cut::Second);
}

std::int32_t PairReader::ReadSecondIntBeforeComment(std::string_view section,
                                                    std::string_view ident,
                                                    std::int32_t fallback) const
{
    return readInt(section, ident, fallback, Cut::SecondBeforeComment);
}

std::int32_t PairReader::ReadSecondIntBeforeZeros(std::string_view section, std::string_view ident,
                                                  std::int32_t fallback) const
{
    return readInt(section, ident, fallback, Cut::SecondBeforeZeros);
}
