#include "ini/FileBytes.h"

#include <algorithm>
#include <cerrno>
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

// Whether the name is one that temporarySibling gives the target.
bool isTemporaryOf(const fs::path::string_type &name, const fs::path::string_type &prefix)
{
    const fs::path::string_type suffix = fs::path(".tmp").native();
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                       name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                       [](auto c) { return c >= '0' && c <= '9'; });
}

// A write killed between its temporary file and the rename leaves the temporary file
// behind; the next write of the same file takes it away.
void removeLeftovers(const fs::path &target)
{
    fs::path::string_type prefix = target.filename().native();
    prefix += fs::path(".velmor-").native();
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (isTemporaryOf(entry->path().filename().native(), prefix) &&
            entry->is_regular_file(ignored) && !entry->is_symlink(ignored))
            fs::remove(entry->path(), ignored);
    }
}

std::error_code lastSystemError()
{
    return {errno, std::generic_category()};
}

std::FILE *openForWriting(const fs::path &path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Writes, flushes and syncs; the rename that follows must not overtake the data. The
// first failure is the reason.
std::error_code writeDurably(const fs::path &path, std::string_view bytes)
{
    std::FILE *file = openForWriting(path);
    if (!file)
        return lastSystemError();
    std::error_code failed;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        failed = lastSystemError();
    if (std::fflush(file) != 0 && !failed)
        failed = lastSystemError();
#ifdef _WIN32
    if (_commit(_fileno(file)) != 0 && !failed)
        failed = lastSystemError();
#else
    if (fsync(fileno(file)) != 0 && !failed)
        failed = lastSystemError();
#endif
    if (std::fclose(file) != 0 && !failed)
        failed = lastSystemError();
    return failed;
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

// The file that the write replaces, or why it may not be replaced.
std::error_code chooseTarget(const fs::path &path, ReplaceRules rules, fs::path &target)
{
    std::error_code error;
    target = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        if (!rules.followLink)
            return WriteRefusal::Link;
        target = resolveTarget(path);
    }
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found)
        return {};
    // A loop of links, or a folder on the way that may not be searched.
    if (error)
        return error;
    if (!fs::is_regular_file(status))
        return WriteRefusal::NotAPlainFile;
    if (!rules.mayReplace)
        return WriteRefusal::Exists;
    return {};
}

class RefusalCategory : public std::error_category {
public:
    const char *name() const noexcept override { return "velmor-write"; }
    std::string message(int refusal) const override
    {
        switch (static_cast<WriteRefusal>(refusal)) {
        case WriteRefusal::Link:
            return "a symbolic link stands where the file would go";
        case WriteRefusal::NotAPlainFile:
            return "no plain file stands where the file would go";
        case WriteRefusal::Exists:
            return "the file exists already";
        }
        return "refused";
    }
};

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

const std::error_category &writeRefusalCategory()
{
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(WriteRefusal refusal)
{
    return {static_cast<int>(refusal), writeRefusalCategory()};
}

std::error_code refusalOf(const std::string &path, ReplaceRules rules)
{
    fs::path target;
    return chooseTarget(pathFromUtf8(path), rules, target);
}

std::error_code replaceFileAtomically(const std::string &path, std::string_view bytes,
                                      ReplaceRules rules)
{
    fs::path target;
    if (const std::error_code refused = chooseTarget(pathFromUtf8(path), rules, target))
        return refused;
    std::error_code error;
    const fs::file_status old = fs::status(target, error);
    const bool existed = fs::exists(old);
    const fs::path temporary = temporarySibling(target);
    if (const std::error_code failed = writeDurably(temporary, bytes)) {
        fs::remove(temporary, error);
        return failed;
    }
    // Only now that the new text is safe: a failed write leaves the file as it was,
    // permissions included. Windows will not replace a read-only file at all.
    if (existed && rules.makeWritable)
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    if (existed) {
        fs::perms kept = old.permissions();
        if (rules.makeWritable)
            kept |= fs::perms::owner_write;
        fs::permissions(temporary, kept, fs::perm_options::replace, error);
    }
    std::error_code renamed;
    fs::rename(temporary, target, renamed);
    if (renamed) {
        // The copy may have taken on the read-only attribute, and Windows deletes no
        // read-only file.
        fs::permissions(temporary, fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove(temporary, error);
        if (existed)
            fs::permissions(target, old.permissions(), fs::perm_options::replace, error);
        return renamed;
    }
    syncFolder(target.parent_path());
    removeLeftovers(target);
    return {};
}
