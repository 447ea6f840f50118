// The floor under the editor's figures: what opening and saving a skin cost with none
// of our code in the way, on the same skins and under the same names as
// velmor_bench_editor, so that each figure there stands beside its floor here
// (openSkin beside openSkinFloor, saveAfterDrag beside saveAfterDragFloor). Our code
// only builds the padded skins before the clock starts.
#include "bench/PaddedSkin.h"
#include "bench/Runs.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <benchmark/benchmark.h>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

// The write floor is spelled in POSIX calls, the way the disk sees a save on Linux;
// elsewhere only the open floor is built.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::string_view trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

bool namesPicture(std::string_view key)
{
    constexpr std::string_view prefix = "bitmap";
    if (key.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(key[i])) != prefix[i])
            return false;
    }
    return true;
}

// One look at the folder, so that the names of the padding's unknown elements, which
// the editor never looks for, cost no failed open each.
std::set<std::string> filesIn(const fs::path &folder)
{
    std::set<std::string> files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder))
        files.insert(entry.path().lexically_relative(folder).generic_string());
    return files;
}

// Every distinct value of a key beginning with "bitmap" that names one of the files,
// with "\" read as "/": the least a loader must find out of the text before it can show
// a picture.
std::set<std::string> pictureNames(std::string_view text, const std::set<std::string> &files)
{
    std::set<std::string> names;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || !namesPicture(trimmed(line.substr(0, equals))))
            continue;
        std::string name(trimmed(line.substr(equals + 1)));
        for (char &c : name)
            c = c == '\\' ? '/' : c;
        if (files.contains(name))
            names.insert(std::move(name));
    }
    return names;
}

// The skin's bytes read, its picture names found, and every picture it names that is
// there decoded once.
void openSkinFloor(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    const fs::path folder = fs::path(skin.path()).parent_path();
    std::size_t decoded = 0;
    for (auto _ : state) {
        const std::string text = fileBytes(skin.path());
        decoded = 0;
        for (const std::string &name : pictureNames(text, filesIn(folder))) {
            QImageReader reader(QString::fromStdString((folder / name).string()), "bmp");
            const QImage picture = reader.read();
            if (picture.isNull()) {
                state.SkipWithError(qPrintable(reader.errorString()));
                return;
            }
            ++decoded;
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
    if (decoded == 0)
        state.SkipWithError("the skin names no picture that is there");
    state.counters["lines"] = static_cast<double>(skin.lines().size());
    state.counters["pictures"] = static_cast<double>(decoded);
}
BENCHMARK(openSkinFloor)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

#ifndef _WIN32
bool writeAll(int handle, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(handle, bytes.data(), bytes.size());
        if (written < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The steps of a safe replacement and nothing else: a temporary file beside the target,
// written and synced, renamed over the target, the folder synced so that the rename
// itself is on disk. Unbuffered writes need no flush of their own.
bool replaceSafely(const fs::path &target, std::string_view bytes)
{
    const fs::path temporary = fs::path(target).concat(".floor.tmp");
    const int handle = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (handle < 0)
        return false;
    bool ok = writeAll(handle, bytes);
    ok = ::fsync(handle) == 0 && ok;
    ok = ::close(handle) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return false;
    ok = ::fsync(folder) == 0;
    return ::close(folder) == 0 && ok;
}

// One write of the skin's text in place of the file, as every save ends.
void saveAfterDragFloor(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    const std::string text = fileBytes(skin.path());
    for (auto _ : state) {
        if (!replaceSafely(skin.path(), text)) {
            state.SkipWithError("the skin could not be written");
            break;
        }
    }
    state.counters["lines"] = static_cast<double>(skin.lines().size());
}
BENCHMARK(saveAfterDragFloor)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
