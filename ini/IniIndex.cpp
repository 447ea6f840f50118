#include "ini/IniIndex.h"

#include "ini/IniLine.h"
#include "ini/TextRules.h"

#include <cstdint>

namespace {

// FNV-1a over the upper-case form, so that names that match hash alike.
std::size_t nameHash(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (char c : name) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        hash = (hash ^ static_cast<unsigned char>(upper)) * 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash);
}

} // namespace

std::size_t NameHash::operator()(std::string_view name) const
{
    return nameHash(name);
}

bool NameEqual::operator()(std::string_view a, std::string_view b) const
{
    return namesMatch(a, b);
}

IniIndex::IniIndex(const std::vector<std::string> &lines)
{
    sectionOf_.push_back(nullptr);
    std::size_t length = 0;
    for (const std::string &text : lines) {
        if (mayBeHeader(text)) {
            const IniLine line = IniLine::classify(text);
            if (line.kind == IniLine::Header) {
                lengths_.push(length);
                openBlock(line.name);
                length = 0;
            }
        }
        ++length;
    }
    lengths_.push(length);
    follow(lines);
}

std::optional<std::size_t> IniIndex::find(const std::vector<std::string> &lines,
                                          std::string_view section, std::string_view ident)
{
    const auto found = sections_.find(section);
    if (found == sections_.end())
        return std::nullopt;
    if (ident.empty())
        return firstWithEmptyKey(found->second, lines);
    const Keys &keys = keysOf(found->second, lines);
    const auto key = keys.find(ident);
    if (key == keys.end() || !key->second.read)
        return std::nullopt;
    return lineAt(*key->second.read);
}

IniIndex::Put IniIndex::put(const std::vector<std::string> &lines, std::string_view section,
                            std::string_view ident)
{
    const auto found = sections_.find(section);
    if (found == sections_.end())
        return {Edit::NewSection, size_, lastBlock()};
    Section &where = found->second;
    Keys &keys = keysOf(where, lines);
    const auto key = keys.find(ident);
    if (key != keys.end() && key->second.written.block < where.runEnd)
        return {Edit::Replace, lineAt(key->second.written), key->second.written.block,
                &key->second};
    const std::size_t end = where.runEnd > lastBlock() ? size_ : lengths_.sumOfFirst(where.runEnd);
    return {Edit::Insert, end, where.runEnd - 1};
}

std::pair<std::size_t, std::size_t> IniIndex::firstBlock(std::string_view section) const
{
    const auto found = sections_.find(section);
    if (found == sections_.end())
        return {0, 0};
    const std::size_t block = found->second.blocks.front();
    return {lengths_.sumOfFirst(block), lengths_.sumOfFirst(block + 1)};
}

bool IniIndex::added(std::size_t block, std::string_view text)
{
    const IniLine line = IniLine::classify(text);
    if (line.kind == IniLine::Header) {
        if (block != lastBlock())
            return false;
        openBlock(line.name);
        lengths_.push(1);
        return true;
    }
    Section *section = sectionOf_[block];
    if (line.kind == IniLine::Key && section && section->keysKnown)
        note(section->keys, line,
             {block, lengths_.sumOfFirst(block + 1) - lengths_.sumOfFirst(block)});
    lengths_.grow(block);
    return true;
}

bool IniIndex::mayBeHeader(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 32)
            return c == '[';
    }
    return false;
}

void IniIndex::openBlock(std::string_view name)
{
    const std::size_t block = sectionOf_.size();
    auto found = sections_.find(name);
    if (found == sections_.end())
        found = sections_.emplace(std::string(name), Section{{}, block + 1, false, {}}).first;
    else if (found->second.runEnd == block)
        ++found->second.runEnd;
    found->second.blocks.push_back(block);
    sectionOf_.push_back(&found->second);
}

void IniIndex::note(Keys &keys, const IniLine &line, Place place)
{
    const auto [key, fresh] =
        keys.try_emplace(std::string(line.writtenKey()), KeyLines{std::nullopt, place});
    if (!fresh && place < key->second.written)
        key->second.written = place;
    if (line.hasEquals && (!key->second.read || place < *key->second.read))
        key->second.read = place;
}

std::optional<std::size_t> IniIndex::firstWithEmptyKey(const Section &section,
                                                       const std::vector<std::string> &lines) const
{
    for (std::size_t block : section.blocks) {
        const std::size_t start = lengths_.sumOfFirst(block);
        const std::size_t end = lengths_.sumOfFirst(block + 1);
        for (std::size_t line = start + 1; line < end; ++line) {
            const IniLine classified = IniLine::classify(lines[line]);
            if (classified.kind == IniLine::Key && classified.name.empty())
                return line;
        }
    }
    return std::nullopt;
}

IniIndex::Keys &IniIndex::keysOf(Section &section, const std::vector<std::string> &lines)
{
    if (section.keysKnown)
        return section.keys;
    for (std::size_t block : section.blocks) {
        const std::size_t start = lengths_.sumOfFirst(block);
        const std::size_t length = lengths_.sumOfFirst(block + 1) - start;
        for (std::size_t offset = 1; offset < length; ++offset) {
            const IniLine line = IniLine::classify(lines[start + offset]);
            if (line.kind == IniLine::Key)
                note(section.keys, line, {block, offset});
        }
    }
    section.keysKnown = true;
    return section.keys;
}
