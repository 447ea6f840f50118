#include "ini/IniLine.h"

IniLine IniLine::classify(std::string_view text)
{
    IniLine line;
    line.trimmed = trimControl(text);
    if (line.trimmed.empty())
        return line;
    if (line.trimmed.front() == '[') {
        line.kind = Header;
        // A header without "]" names the empty section.
        std::size_t close = line.trimmed.find(']');
        if (close != std::string_view::npos)
            line.name = trimControl(line.trimmed.substr(1, close - 1));
        return line;
    }
    line.kind = Key;
    std::size_t equals = line.trimmed.find('=');
    if (equals != std::string_view::npos)
        line.name = trimControl(line.trimmed.substr(0, equals));
    return line;
}

std::string_view IniLine::valueText() const
{
    std::size_t equals = trimmed.find('=');
    return equals == std::string_view::npos ? std::string_view{}
                                            : trimControl(trimmed.substr(equals + 1));
}
