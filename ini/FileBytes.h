#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// File access for the INI text classes: whole files as bytes, split into lines,
// and replaced atomically so that no reader ever sees half a file.

// Paths travel through the program as UTF-8 text.
std::filesystem::path pathFromUtf8(std::string_view utf8);

// No file the program reads whole is anywhere near this; a larger one is refused.
inline constexpr std::uintmax_t maxFileBytes = std::uintmax_t{256} << 20;

// The whole file, or nothing when it cannot be read (missing, no access), is no regular
// file (a folder, a device, a pipe) or holds more than `limit` bytes.
std::optional<std::string> readFileBytes(const std::string &path,
                                         std::uintmax_t limit = maxFileBytes);

// CR LF, CR and LF each end a line; a last line without an ending still counts,
// an ending at the very end of the text opens no further line.
std::vector<std::string> splitLines(std::string_view text);

// The lines as the program writes them: each followed by CR LF.
std::string joinLines(const std::vector<std::string> &lines);

// Why a write did not even begin: what stands at the path is not for it to replace.
enum class WriteRefusal {
    Link = 1,      // a symbolic link, and the write may not follow links
    NotAPlainFile, // a device, a pipe, a socket or a folder
    Exists,        // a file, and the write may not replace files
};
const std::error_category &writeRefusalCategory();
std::error_code make_error_code(WriteRefusal refusal);
template <> struct std::is_error_code_enum<WriteRefusal> : std::true_type {};

// What a write may do with what stands at its path. Whatever the rules, only a plain
// file is ever replaced.
struct ReplaceRules {
    // A read-only file first gets its owner's write permission.
    bool makeWritable = false;
    // A symbolic link is followed and its target replaced; without, a link is refused.
    bool followLink = true;
    // Without, an existing file is refused: the write only makes new files.
    bool mayReplace = true;
};

// Why a write by these rules would be refused at the path before it began, or nothing.
std::error_code refusalOf(const std::string &path, ReplaceRules rules);

// Replaces the file with the bytes through a temporary file in the same folder, so
// a crash or a full disk leaves either the old or the new text. Every other permission
// bit of a replaced file is kept. Leftovers of earlier writes that were killed before
// their rename are removed once the file is replaced. The error tells why nothing was
// written: a WriteRefusal, or the system's own reason.
std::error_code replaceFileAtomically(const std::string &path, std::string_view bytes,
                                      ReplaceRules rules);
