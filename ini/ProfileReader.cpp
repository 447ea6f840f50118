#include "ini/ProfileReader.h"

#include "ini/FileBytes.h"
#include "ini/TextRules.h"

namespace {

// The blanks trimBlanks removes, tested without a search through a set per byte.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

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
    bool collecting = false;
    bodies_.reserve(text.size() + 1);
    scanText(text, collecting);
}

ProfileReader::ProfileReader(const std::vector<std::string> &lines)
{
    bool collecting = false;
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + 1;
    bodies_.reserve(size);
    // joinLines ends every element with a line break, so each one is a text of its own.
    for (const std::string &line : lines)
        scanText(line, collecting);
}

ProfileReader ProfileReader::fromFile(const std::string &path)
{
    return ProfileReader(readFileBytes(path).value_or(std::string{}));
}

// CR, LF and CR LF all end a line. Taking CR LF as two ends puts an empty line between
// them, which reads like no line at all.
void ProfileReader::scanText(std::string_view text, bool &collecting)
{
    const char *start = text.data();
    const char *const end = start + text.size();
    for (const char *at = start; at != end; ++at) {
        if (*at == '\r' || *at == '\n') {
            scanLine({start, static_cast<std::size_t>(at - start)}, collecting);
            start = at + 1;
        }
    }
    if (start != end)
        scanLine({start, static_cast<std::size_t>(end - start)}, collecting);
}

void ProfileReader::scanLine(std::string_view line, bool &collecting)
{
    std::size_t first = 0;
    while (first < line.size() && isBlank(line[first]))
        ++first;
    if (first == line.size())
        return;
    line.remove_prefix(first);
    if (line.front() == '[') {
        // Only the first section of a name counts; later ones are never searched.
        collecting =
            byUpperName_.try_emplace(asciiUpper(*sectionHeaderName(line)), sections_.size()).second;
        if (collecting)
            sections_.emplace_back().begin = bodies_.size();
        return;
    }
    if (collecting)
        bodies_.append(line).push_back('\n');
}

const std::vector<ProfileReader::Entry> &ProfileReader::entriesOf(std::size_t index) const
{
    const Section &section = sections_[index];
    if (section.parsed)
        return section.entries;
    const std::size_t end =
        index + 1 < sections_.size() ? sections_[index + 1].begin : bodies_.size();
    for (std::size_t start = section.begin; start < end;) {
        const std::size_t lineEnd = bodies_.find('\n', start);
        const std::string_view trimmed = trimBlanks({bodies_.data() + start, lineEnd - start});
        start = lineEnd + 1;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            section.entries.push_back({asciiUpper(trimmed), std::nullopt});
            continue;
        }
        section.entries.push_back({asciiUpper(trimBlanks(trimmed.substr(0, equals))),
                                   std::string(unquote(trimBlanks(trimmed.substr(equals + 1))))});
    }
    section.parsed = true;
    return section.entries;
}

const std::vector<ProfileReader::Entry> *ProfileReader::find(std::string_view section) const
{
    auto found = byUpperName_.find(asciiUpper(section));
    return found == byUpperName_.end() ? nullptr : &entriesOf(found->second);
}

bool ProfileReader::hasSection(std::string_view section) const
{
    const std::vector<Entry> *entries = find(section);
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
    const std::vector<Entry> *entries = find(section);
    if (!entries)
        return std::string(fallback);
    const std::string wanted = asciiUpper(key);
    for (const Entry &entry : *entries) {
        if (entry.upperName == wanted)
            return entry.value ? *entry.value : std::string(fallback);
    }
    return std::string(fallback);
}
