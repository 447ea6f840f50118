#pragma once

#include <filesystem>

// A copy of a skin folder whose every bitmap is a run-length encoded 256-colour bitmap of
// 5792 × 5792 pixels: under 300 kB on disk, 32 MiB of pixels decoded, 128 MiB as 32-bit
// colours. Each bitmap has colours of its own, so that no two count as the same picture.
class HugeSkin {
public:
    // Into a temporary folder that goes with the object.
    explicit HugeSkin(const std::filesystem::path &skinFile);
    // Into `folder`, which is kept.
    HugeSkin(const std::filesystem::path &skinFile, const std::filesystem::path &folder);
    ~HugeSkin();
    HugeSkin(const HugeSkin &) = delete;
    HugeSkin &operator=(const HugeSkin &) = delete;

    std::filesystem::path skinPath() const { return folder_ / skinName_; }

private:
    void write(const std::filesystem::path &skinFile);

    std::filesystem::path folder_;
    std::filesystem::path skinName_;
    bool temporary_ = false;
};
