#include "bench/Floor.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cctype>
#include <fstream>
#include <set>

// The write floor is spelled in POSIX calls, the way the disk sees a save on Linux.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

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

} // namespace

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

std::optional<std::size_t> readAndDecode(const fs::path &skinFile, std::string *error)
{
    const fs::path folder = skinFile.parent_path();
    const std::string text = fileBytes(skinFile.string());
    std::size_t decoded = 0;
    for (const std::string &name : pictureNames(text, filesIn(folder))) {
        QImageReader reader(QString::fromStdString((folder / name).string()), "bmp");
        const QImage picture = reader.read();
        if (picture.isNull()) {
            if (error)
                *error = reader.errorString().toStdString();
            return std::nullopt;
        }
        ++decoded;
    }
    return decoded;
}

#ifndef _WIN32
namespace {

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

} // namespace

// Unbuffered writes need no flush of their own.
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
#endif
