#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reads single values and tests sections the way the Windows profile functions do,
// so skins made for the player read the same here.
//
// A skin may hold thousands of sections of which the editor reads a few dozen, so the
// constructors only look for section headers; a section's keys are parsed the first
// time it is asked for, and kept. The reader owns what it reads: it copies the lines
// of every section it can answer from, so the caller's text or lines may change or go
// as soon as a constructor returns. Asking questions fills that cache, so one reader
// must not be shared between threads.
class ProfileReader {
public:
    explicit ProfileReader(std::string_view text);
    // The lines as held by a skin document; reads exactly as their joinLines text would,
    // so a CR or LF inside an element ends a line there as well.
    explicit ProfileReader(const std::vector<std::string> &lines);
    // A file that cannot be read reads as an empty text.
    static ProfileReader fromFile(const std::string &path);

    // The section's first occurrence holds a line "key=..." whose key is not empty
    // and does not begin with ";".
    bool hasSection(std::string_view section) const;

    // The value of the first matching key in the section's first occurrence, or
    // fallback when there is none or the line has no "=".
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;

private:
    struct Entry {
        std::string upperName;
        std::optional<std::string> value; // nothing for a line without "="
    };
    struct Section {
        std::size_t begin = 0; // its lines run from here in bodies_ to the next section's begin
        mutable bool parsed = false;
        mutable std::vector<Entry> entries;
    };

    void scanText(std::string_view text, bool &collecting);
    void scanLine(std::string_view line, bool &collecting);
    const std::vector<Entry> *find(std::string_view section) const;
    const std::vector<Entry> &entriesOf(std::size_t index) const;

    // The non-blank lines of each section's first occurrence, each ended by LF, with
    // blanks in front of them dropped. A later occurrence of a name is never searched,
    // so its lines are not kept.
    std::string bodies_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> byUpperName_;
};
