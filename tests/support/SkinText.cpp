#include "tests/support/SkinText.h"

#include "skin/Catalogue.h"

namespace {

constexpr std::string_view keyLine = "position=1,2, 0, 0\r\n";

std::string build(bool version15, std::string_view omit, std::string_view headerOnly)
{
    std::string text = "PP_LKV = Test\r\n";
    const auto append = [&](std::string_view section) {
        if (section == omit)
            return;
        text += "[" + std::string(section) + "]\r\n";
        if (section != headerOnly)
            text += keyLine;
    };
    for (std::string_view section : requiredSections)
        append(section);
    if (version15) {
        for (std::string_view section : version15Sections)
            append(section);
    }
    return text;
}

} // namespace

std::string skinText(bool version15)
{
    return build(version15, {}, {});
}

std::string skinTextWithout(std::string_view section, bool version15)
{
    return build(version15, section, {});
}

std::string skinTextWithHeaderOnly(std::string_view section, bool version15)
{
    return build(version15, {}, section);
}

std::string withBody(std::string text, std::string_view section, std::string_view body)
{
    const std::string header = "[" + std::string(section) + "]\r\n";
    const std::size_t at = text.find(header + std::string(keyLine));
    if (at == std::string::npos)
        return text;
    return text.replace(at, header.size() + keyLine.size(), header + std::string(body));
}
