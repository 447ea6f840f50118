#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Where a skin's text holds its sections and keys, as 1-based line numbers of the
// lines an editor shows. It finds what the profile reader finds: the first section of
// a name and, inside it, the first line of a key.
class SkinLines {
public:
    explicit SkinLines(const std::vector<std::string> &lines);

    struct Header {
        std::string name; // as written, without brackets and blanks
        int line = 0;
        bool firstOfItsName = true;
    };
    // Every section header of the text, in its order.
    const std::vector<Header> &headers() const { return headers_; }

    // The header line of the section's first occurrence; 0 when there is none.
    int sectionLine(std::string_view section) const;
    // The line of the key in the section's first occurrence; 0 when there is none.
    int keyLine(std::string_view section, std::string_view key) const;

private:
    struct Key {
        std::string upperName;
        int line = 0;
    };
    struct Section {
        int line = 0;
        std::vector<Key> keys;
    };

    std::vector<Header> headers_;
    std::unordered_map<std::string, Section> byUpperName_;
};
