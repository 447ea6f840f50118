#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fuzzer/FuzzedDataProvider.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Shared by the fuzz targets: a broken invariant must stop the run with a message, so
// libFuzzer keeps the input, just as it does for a sanitizer report.
inline void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// One folder per process for the files a target writes, removed when the run ends.
// Memory-backed when the machine has one: the writers sync every file, and a disk
// would slow fuzzing down.
class ScratchFolder {
public:
    ScratchFolder()
    {
#ifdef _WIN32
        // "/dev/shm" would name a folder on the current drive there.
        const std::filesystem::path base = std::filesystem::temp_directory_path();
#else
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error))
            base = std::filesystem::temp_directory_path();
#endif
        path_ = base / ("velmor-fuzz-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    // UTF-8, as the program passes paths: on Windows string() would give the ANSI code
    // page, which breaks on a temp folder under a user name with umlauts.
    std::string file(std::string_view name) const
    {
        const std::u8string utf8 = (path_ / name).u8string();
        return std::string(utf8.begin(), utf8.end());
    }

private:
    std::filesystem::path path_;
};

inline const ScratchFolder &scratchFolder()
{
    static const ScratchFolder folder;
    return folder;
}

// Picks one of the candidates by an index taken from the input; the candidates are
// never empty.
inline const std::string &pick(FuzzedDataProvider &input, const std::vector<std::string> &from)
{
    return from[input.ConsumeIntegral<std::uint16_t>() % from.size()];
}
