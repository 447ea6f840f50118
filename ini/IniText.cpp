#include "ini/IniText.h"

#include "ini/FileBytes.h"
#include "ini/IniLine.h"

#include <compare>
#include <cstdint>
#include <unordered_map>

namespace {

std::string keyLine(std::string_view key, std::string_view valuePart)
{
    std::string line;
    line.reserve(key.size() + 1 + valuePart.size());
    line.append(key).append("=").append(valuePart);
    return line;
}

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

// Section names and keys compared as the line scan compares them, looked up without
// a copy.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return nameHash(name); }
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return namesMatch(a, b); }
};

// Sums of block lengths (a Fenwick tree): where a block starts, in logarithmic time,
// also after lines went into the blocks above it. Blocks are only ever added at the end.
class BlockLengths {
public:
    void push(std::size_t length)
    {
        const std::size_t i = tree_.size();
        const std::size_t span = i & (~i + 1);
        tree_.push_back(length + sumOfFirst(i - 1) - sumOfFirst(i - span));
    }
    void grow(std::size_t block)
    {
        for (std::size_t i = block + 1; i < tree_.size(); i += i & (~i + 1))
            ++tree_[i];
    }
    std::size_t sumOfFirst(std::size_t count) const
    {
        std::size_t sum = 0;
        for (std::size_t i = count; i > 0; i -= i & (~i + 1))
            sum += tree_[i];
        return sum;
    }
    std::size_t count() const { return tree_.size() - 1; }

private:
    std::vector<std::size_t> tree_{0};
};

} // namespace

// Where the line scan would stop, without the scan. The text is cut into blocks: the
// lines above the first section header, then each header with the lines up to the
// next. A line is named by its block and its place in the block; a new line only ever
// goes at the end of a block, so these places stay valid while the text grows, and
// only the block starts move. The keys of a section are gathered the first time the
// section is asked for, so a skin's many sections that the program never reads cost
// no more than the one look at each line that finds the headers.
class IniIndex {
    struct Place {
        std::size_t block;
        std::size_t offset;
        auto operator<=>(const Place &) const = default;
    };

public:
    // The first line of a key that readers find, and the first that a writer takes
    // for the key, which may be a line without "=" above it.
    struct KeyLines {
        std::optional<Place> read;
        Place written;
    };

    enum class Edit { Replace, Insert, NewSection };
    struct Put {
        Edit edit;
        std::size_t line;        // the line to replace, or where the new line goes
        std::size_t block;       // the block that the new line ends
        KeyLines *key = nullptr; // the key's lines, for a replacement
    };

    explicit IniIndex(const std::vector<std::string> &lines)
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

    // As far as can be told without looking at the lines: the index was built or
    // kept for exactly these.
    bool fits(const std::vector<std::string> &lines) const
    {
        return lines.size() == size_ && lines.data() == data_;
    }
    void follow(const std::vector<std::string> &lines)
    {
        size_ = lines.size();
        data_ = lines.data();
    }

    std::optional<std::size_t> find(const std::vector<std::string> &lines, std::string_view section,
                                    std::string_view ident)
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

    // The key's first line counts only inside the section's first run of headers of
    // its name; past that run the new line goes before the next header.
    Put put(const std::vector<std::string> &lines, std::string_view section, std::string_view ident)
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
        const std::size_t end =
            where.runEnd > lastBlock() ? size_ : lengths_.sumOfFirst(where.runEnd);
        return {Edit::Insert, end, where.runEnd - 1};
    }

    std::size_t lastBlock() const { return lengths_.count() - 1; }

    // The lines of the first block of the section's name, header first; none when the
    // text has no such section.
    std::pair<std::size_t, std::size_t> firstBlock(std::string_view section) const
    {
        const auto found = sections_.find(section);
        if (found == sections_.end())
            return {0, 0};
        const std::size_t block = found->second.blocks.front();
        return {lengths_.sumOfFirst(block), lengths_.sumOfFirst(block + 1)};
    }

    // The replaced line now holds "=", so readers find it too.
    static void replaced(const Put &put) { put.key->read = put.key->written; }

    // Takes note of a line just put at the end of the block. False when the index
    // cannot follow: a section header inside the text would renumber the blocks.
    bool added(std::size_t block, std::string_view text)
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

private:
    using Keys = std::unordered_map<std::string, KeyLines, NameHash, NameEqual>;
    struct Section {
        std::vector<std::size_t> blocks; // every block of this name, top to bottom
        std::size_t runEnd;              // the first block after the first run
        bool keysKnown = false;
        Keys keys; // the first line of each key, once keysKnown
    };

    // Whatever else a header's rules ask, only blanks and control bytes stand before
    // its "["; most lines fail this at their first byte, before any trimming.
    static bool mayBeHeader(std::string_view text)
    {
        for (char c : text) {
            if (static_cast<unsigned char>(c) > 32)
                return c == '[';
        }
        return false;
    }

    std::size_t lineAt(Place place) const
    {
        return lengths_.sumOfFirst(place.block) + place.offset;
    }

    void openBlock(std::string_view name)
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

    // A key line at place: the first of its key for writers and, with "=", for readers.
    static void note(Keys &keys, const IniLine &line, Place place)
    {
        const auto [key, fresh] =
            keys.try_emplace(std::string(line.writtenKey()), KeyLines{std::nullopt, place});
        if (!fresh && place < key->second.written)
            key->second.written = place;
        if (line.hasEquals && (!key->second.read || place < *key->second.read))
            key->second.read = place;
    }

    // Readers give every line without "=" the empty key. Keeping that in the keys would
    // need a fix-up whenever a writer gives such a line its "=", and nobody reads the
    // empty key but the odd hand-made skin, so it is looked up line by line.
    std::optional<std::size_t> firstWithEmptyKey(const Section &section,
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

    // Every key line of the section's blocks, the first of each name kept.
    Keys &keysOf(Section &section, const std::vector<std::string> &lines)
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

    // Nodes of an unordered_map stay where they are, so blocks may point at them.
    std::unordered_map<std::string, Section, NameHash, NameEqual> sections_;
    std::vector<Section *> sectionOf_; // by block; none above the first header
    BlockLengths lengths_;
    std::size_t size_ = 0;
    const std::string *data_ = nullptr;
};

IniText::IniText(std::string fileName) : FileName(std::move(fileName))
{
    if (std::optional<std::string> bytes = readFileBytes(FileName))
        Lines = splitLines(*bytes);
}

IniText::IniText(std::string fileName, std::vector<std::string> lines)
    : FileName(std::move(fileName)), Lines(std::move(lines))
{}

IniText::~IniText()
{
    if (pending_)
        UpdateFile();
}

void IniText::UpdateFile()
{
    ReplaceRules rules;
    rules.makeWritable = ResetAttributes;
    rules.followLink = FollowLink;
    lastWriteError_ = replaceFileAtomically(FileName, joinLines(Lines), rules);
    if (!lastWriteError_)
        pending_ = false;
}

void IniText::ReplaceLines(std::vector<std::string> lines)
{
    Lines = std::move(lines);
    index_.reset();
    pending_ = true;
}

void IniText::LinesChanged()
{
    index_.reset();
}

std::string IniText::FirstSectionsText(const std::vector<std::string_view> &sections) const
{
    const IniIndex &lines = index();
    std::string text;
    for (std::string_view section : sections) {
        const auto [start, end] = lines.firstBlock(section);
        for (std::size_t line = start; line < end; ++line)
            text.append(Lines[line]).append("\r\n");
    }
    return text;
}

void IniText::BeginChanges()
{
    noting_ = true;
    changes_.clear();
}

void IniText::RevertChanges()
{
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (change->before)
            Lines[change->line] = std::move(*change->before);
        else
            Lines.erase(Lines.begin() + static_cast<std::ptrdiff_t>(change->line));
    }
    changes_.clear();
    noting_ = false;
    index_.reset();
    pending_ = false;
}

IniIndex &IniText::index() const
{
    if (!index_ || !index_->fits(Lines))
        index_ = std::make_unique<IniIndex>(Lines);
    return *index_;
}

std::optional<std::size_t> IniText::FindKeyLine(std::string_view section,
                                                std::string_view ident) const
{
    return index().find(Lines, section, ident);
}

void IniText::PutLine(std::string_view section, std::string_view ident, std::string_view valuePart)
{
    pending_ = true;
    IniIndex &lines = index();
    const IniIndex::Put put = lines.put(Lines, section, ident);
    switch (put.edit) {
    case IniIndex::Edit::Replace: {
        // The key keeps its own spelling; indentation and any comment are dropped.
        // The line mostly stays a key line of that key, so the index holds as it is;
        // a key beginning with "[" that only a control byte kept from being a header
        // becomes one, and the blocks below change.
        const IniLine line = IniLine::classify(Lines[put.line]);
        std::string replacement = keyLine(line.writtenKey(), valuePart);
        if (noting_)
            changes_.push_back({put.line, std::move(Lines[put.line])});
        Lines[put.line] = std::move(replacement);
        if (IniLine::classify(Lines[put.line]).kind != IniLine::Key) {
            index_.reset();
            return;
        }
        IniIndex::replaced(put);
        break;
    }
    case IniIndex::Edit::Insert:
        Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(put.line),
                     keyLine(ident, valuePart));
        if (noting_)
            changes_.push_back({put.line, std::nullopt});
        if (!lines.added(put.block, Lines[put.line])) {
            index_.reset();
            return;
        }
        break;
    case IniIndex::Edit::NewSection:
        Lines.push_back(std::string("[").append(trimControl(section)).append("]"));
        lines.added(lines.lastBlock(), Lines.back());
        Lines.push_back(keyLine(ident, valuePart));
        lines.added(lines.lastBlock(), Lines.back());
        if (noting_)
            changes_.insert(changes_.end(),
                            {{Lines.size() - 2, std::nullopt}, {Lines.size() - 1, std::nullopt}});
        break;
    }
    lines.follow(Lines);
}
