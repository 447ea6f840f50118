#include "ini/TextRules.h"

#include <algorithm>
#include <limits>

namespace {

bool isControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string_view trimControl(std::string_view text)
{
    while (!text.empty() && isControlOrBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControlOrBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text)
{
    constexpr std::string_view blanks = "\t\n\v\f\r\x1a ";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::string_view> sectionHeaderName(std::string_view line)
{
    const std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::string_view inner = trimmed.substr(1);
    return trimBlanks(inner.substr(0, inner.find(']')));
}

std::string singleLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string asciiUpper(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), upperAscii);
    return upper;
}

bool namesMatch(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upperAscii(x) == upperAscii(y);
           });
}

std::optional<std::int32_t> parseInt32(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Accumulate towards the negative side, which holds one more value than the positive.
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}
