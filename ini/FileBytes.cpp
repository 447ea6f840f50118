#include "ini/FileBytes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// The file a write must replace: the final target of a symbolic link, else the path.
fs::path resolveTarget(const fs::path &path)
{
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    fs::path target = fs::canonical(path, error);
    if (!error)
        return target;
    // A link to a file not yet there: create that file, keep the link.
    fs::path link = fs::read_symlink(path, error);
    if (error)
        return path;
    return link.is_absolute() ? link : path.parent_path() / link;
}

fs::path temporarySibling(const fs::path &target)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        fs::path candidate = target;
        candidate += ".velmor-" + std::to_string(random() % 1000000000ULL) + ".tmp";
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate;
    }
}

std::FILE *openForWriting(const fs::path &path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Writes, flushes and syncs; the rename that follows must not overtake the data.
bool writeDurably(const fs::path &path, std::string_view bytes)
{
    std::FILE *file = openForWriting(path);
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
#ifdef _WIN32
    ok = _commit(_fileno(file)) == 0 && ok;
#else
    ok = fsync(fileno(file)) == 0 && ok;
#endif
    return std::fclose(file) == 0 && ok;
}

void syncFolder([[maybe_unused]] const fs::path &folder)
{
#ifndef _WIN32
    int handle = open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
#endif
}

} // namespace

fs::path pathFromUtf8(std::string_view utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> readFileBytes(const std::string &path, std::uintmax_t limit)
{
    fs::path file = pathFromUtf8(path);
    std::error_code error;
    // Opening a pipe waits for a writer and a device may never end: only a regular file
    // is opened at all.
    if (!fs::is_regular_file(file, error))
        return std::nullopt;
    const std::uintmax_t claimed = fs::file_size(file, error);
    if (!error && claimed > limit)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // The size is only a claim; what is read counts.
    std::string bytes;
    if (!error)
        bytes.reserve(static_cast<std::size_t>(claimed));
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > limit)
            return std::nullopt;
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::vector<std::string> splitLines(std::string_view text)
{
    // A plain loop: find_first_of calls memchr once per byte for a set of two.
    std::vector<std::string> lines;
    const char *at = text.data();
    const char *const end = at + text.size();
    while (at < end) {
        const char *lineEnd = at;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        lines.emplace_back(at, lineEnd);
        if (lineEnd == end)
            break;
        at = lineEnd + 1;
        if (*lineEnd == '\r' && at < end && *at == '\n')
            ++at;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string> &lines)
{
    std::size_t size = 0;
    for (const std::string &line : lines)
        size += line.size() + 2;
    // Copied straight into place: two appends a line cost more than the bytes do.
    std::string text(size, '\0');
    char *at = text.data();
    for (const std::string &line : lines) {
        at = std::copy(line.begin(), line.end(), at);
        *at++ = '\r';
        *at++ = '\n';
    }
    return text;
}

bool replaceFileAtomically(const std::string &path, std::string_view bytes, bool makeWritable)
{
    const fs::path target = resolveTarget(pathFromUtf8(path));
    std::error_code error;
    const fs::file_status old = fs::status(target, error);
    const bool existed = fs::exists(old);
    const fs::path temporary = temporarySibling(target);
    if (!writeDurably(temporary, bytes)) {
        fs::remove(temporary, error);
        return false;
    }
    // Only now that the new text is safe: a failed write leaves the file as it was,
    // permissions included. Windows will not replace a read-only file at all.
    if (existed && makeWritable)
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    if (existed) {
        fs::perms kept = old.permissions();
        if (makeWritable)
            kept |= fs::perms::owner_write;
        fs::permissions(temporary, kept, fs::perm_options::replace, error);
    }
    fs::rename(temporary, target, error);
    if (error) {
        // The copy may have taken on the read-only attribute, and Windows deletes no
        // read-only file.
        fs::permissions(temporary, fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove(temporary, error);
        if (existed)
            fs::permissions(target, old.permissions(), fs::perm_options::replace, error);
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}
