#include "ini/ProfileReader.h"

#include "ini/FileBytes.h"
#include "ini/TextRules.h"

namespace {

// One pair of quotes around the whole value goes, as the profile functions drop it.
std::string_view unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileReader::ProfileReader(std::string_view text)
{
    std::optional<std::size_t> current;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        addLine(text.substr(start, end - start), current);
        start = end + 1;
    }
}

ProfileReader ProfileReader::fromFile(const std::string &path)
{
    return ProfileReader(readFileBytes(path).value_or(std::string{}));
}

void ProfileReader::addLine(std::string_view line, std::optional<std::size_t> &current)
{
    const std::string_view trimmed = trimBlanks(line);
    if (trimmed.empty())
        return;
    if (const std::optional<std::string_view> header = sectionHeaderName(trimmed)) {
        std::string name = asciiUpper(*header);
        // Only the first section of a name counts; later ones are never searched.
        const bool firstOfName = byUpperName_.try_emplace(std::move(name), sections_.size()).second;
        current = firstOfName ? std::optional(sections_.size()) : std::nullopt;
        if (firstOfName)
            sections_.emplace_back();
        return;
    }
    if (!current)
        return;
    Section &entries = sections_[*current];
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        entries.push_back({asciiUpper(trimmed), std::nullopt});
        return;
    }
    entries.push_back({asciiUpper(trimBlanks(trimmed.substr(0, equals))),
                       std::string(unquote(trimBlanks(trimmed.substr(equals + 1))))});
}

const ProfileReader::Section *ProfileReader::find(std::string_view section) const
{
    auto found = byUpperName_.find(asciiUpper(section));
    return found == byUpperName_.end() ? nullptr : &sections_[found->second];
}

bool ProfileReader::hasSection(std::string_view section) const
{
    const Section *entries = find(section);
    if (!entries)
        return false;
    for (const Entry &entry : *entries) {
        if (entry.value && !entry.upperName.empty() && entry.upperName.front() != ';')
            return true;
    }
    return false;
}

std::string ProfileReader::readString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const
{
    const Section *entries = find(section);
    if (!entries)
        return std::string(fallback);
    const std::string wanted = asciiUpper(key);
    for (const Entry &entry : *entries) {
        if (entry.upperName == wanted)
            return entry.value ? *entry.value : std::string(fallback);
    }
    return std::string(fallback);
}
