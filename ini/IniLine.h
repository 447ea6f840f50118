#pragma once

#include "ini/TextRules.h"

#include <string_view>

// How the INI text classes see one line: blank, a section header with its name, or
// a key line with its key. Comments are key lines whose key never matches.
struct IniLine {
    enum Kind { Blank, Header, Key };

    Kind kind = Blank;
    std::string_view name; // section name of a header, key of a key line
    std::string_view trimmed;
    bool hasEquals = false;

    static IniLine classify(std::string_view text);
    bool matches(std::string_view wanted) const { return namesMatch(name, wanted); }
    // The key a writer takes a key line for. Readers give a line without "=" the empty
    // key, but the player stops at it when its text is the key it looks for and reads
    // no value; a writer that looked past it would save a value the player never sees.
    std::string_view writtenKey() const { return hasEquals ? name : trimmed; }
    bool matchesForWriting(std::string_view wanted) const
    {
        return namesMatch(writtenKey(), wanted);
    }
    // The trimmed text after the first "=", empty when there is none.
    std::string_view valueText() const;
};
