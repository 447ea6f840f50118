#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// A copy of a skin folder in a temporary folder, its skin file grown to a given number
// of lines by sections the editor does not know, the way skins for later players carry
// elements of their own. The padding is spread evenly between the known sections, so
// that every key the editor reads or writes has thousands of lines above it.
class PaddedSkin {
public:
    // lines 0 keeps the skin as it is; otherwise at least that many lines.
    PaddedSkin(const std::filesystem::path &skinFile, std::size_t lines);
    ~PaddedSkin();
    PaddedSkin(const PaddedSkin &) = delete;
    PaddedSkin &operator=(const PaddedSkin &) = delete;

    const std::string &path() const { return path_; }
    const std::vector<std::string> &lines() const { return lines_; }

private:
    void write() const;

    std::filesystem::path folder_;
    std::string path_;
    std::vector<std::string> lines_;
};
