#include "skin/SkinLines.h"

#include "ini/TextRules.h"

SkinLines::SkinLines(const std::vector<std::string> &lines)
{
    Section *collecting = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = trimBlanks(lines[i]);
        if (line.empty())
            continue;
        if (const std::optional<std::string_view> name = sectionHeaderName(line)) {
            const auto [found, isNew] = byUpperName_.try_emplace(asciiUpper(*name));
            headers_.push_back({std::string(*name), number, isNew});
            collecting = isNew ? &found->second : nullptr;
            if (isNew)
                collecting->line = number;
            continue;
        }
        // A line without "=" stands for a key as well: the reader stops at it.
        if (collecting)
            collecting->keys.push_back(
                {asciiUpper(trimBlanks(line.substr(0, line.find('=')))), number});
    }
}

int SkinLines::sectionLine(std::string_view section) const
{
    const auto found = byUpperName_.find(asciiUpper(section));
    return found == byUpperName_.end() ? 0 : found->second.line;
}

int SkinLines::keyLine(std::string_view section, std::string_view key) const
{
    const auto found = byUpperName_.find(asciiUpper(section));
    if (found == byUpperName_.end())
        return 0;
    const std::string wanted = asciiUpper(key);
    for (const Key &candidate : found->second.keys) {
        if (candidate.upperName == wanted)
            return candidate.line;
    }
    return 0;
}
