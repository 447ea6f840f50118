#include "ini/IniLine.h"

IniLine IniLine::classify(std::string_view text)
{
    IniLine line;
    line.trimmed = trimControl(text);
    if (line.trimmed.empty())
        return line;
    // Headers are told by the profile functions' rules, so that a key goes into the
    // section the player reads it from: a header without "]" still opens a section,
    // and a "[" behind a control byte opens none.
    if (const std::optional<std::string_view> header = sectionHeaderName(text)) {
        line.kind = Header;
        line.name = *header;
        return line;
    }
    line.kind = Key;
    const std::size_t equals = line.trimmed.find('=');
    line.hasEquals = equals != std::string_view::npos;
    if (line.hasEquals)
        line.name = trimControl(line.trimmed.substr(0, equals));
    return line;
}

std::string_view IniLine::valueText() const
{
    std::size_t equals = trimmed.find('=');
    return equals == std::string_view::npos ? std::string_view{}
                                            : trimControl(trimmed.substr(equals + 1));
}
