#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
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

// Replaces the file with the bytes through a temporary file in the same folder, so
// a crash or a full disk leaves either the old or the new text. A symbolic link is
// followed and its target replaced. With makeWritable a read-only file first gets
// its owner's write permission; every other permission bit is kept. False when the
// file could not be replaced.
bool replaceFileAtomically(const std::string &path, std::string_view bytes, bool makeWritable);
