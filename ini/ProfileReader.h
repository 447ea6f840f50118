#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reads single values and tests sections the way the Windows profile functions do,
// so skins made for the player read the same here. The text is parsed once.
class ProfileReader {
public:
    explicit ProfileReader(std::string_view text);
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
    using Section = std::vector<Entry>;

    const Section *find(std::string_view section) const;
    void addLine(std::string_view line, std::optional<std::size_t> &current);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> byUpperName_;
};
