#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

struct IniLine;

// Section names and keys compared as the line scan compares them, looked up without
// a copy.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
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

    explicit IniIndex(const std::vector<std::string> &lines);

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
                                    std::string_view ident);

    // The key's first line counts only inside the section's first run of headers of
    // its name; past that run the new line goes before the next header.
    Put put(const std::vector<std::string> &lines, std::string_view section,
            std::string_view ident);

    std::size_t lastBlock() const { return lengths_.count() - 1; }

    // The lines of the first block of the section's name, header first; none when the
    // text has no such section.
    std::pair<std::size_t, std::size_t> firstBlock(std::string_view section) const;

    // The replaced line now holds "=", so readers find it too.
    static void replaced(const Put &put) { put.key->read = put.key->written; }

    // Takes note of a line just put at the end of the block. False when the index
    // cannot follow: a section header inside the text would renumber the blocks.
    bool added(std::size_t block, std::string_view text);

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
    static bool mayBeHeader(std::string_view text);

    std::size_t lineAt(Place place) const
    {
        return lengths_.sumOfFirst(place.block) + place.offset;
    }

    void openBlock(std::string_view name);

    // A key line at place: the first of its key for writers and, with "=", for readers.
    static void note(Keys &keys, const IniLine &line, Place place);

    // Readers give every line without "=" the empty key. Keeping that in the keys would
    // need a fix-up whenever a writer gives such a line its "=", and nobody reads the
    // empty key but the odd hand-made skin, so it is looked up line by line.
    std::optional<std::size_t> firstWithEmptyKey(const Section &section,
                                                 const std::vector<std::string> &lines) const;

    // Every key line of the section's blocks, the first of each name kept.
    Keys &keysOf(Section &section, const std::vector<std::string> &lines);

    // Nodes of an unordered_map stay where they are, so blocks may point at them.
    std::unordered_map<std::string, Section, NameHash, NameEqual> sections_;
    std::vector<Section *> sectionOf_; // by block; none above the first header
    BlockLengths lengths_;
    std::size_t size_ = 0;
    const std::string *data_ = nullptr;
};
