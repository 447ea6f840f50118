#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The floor under the editor's figures: what opening and saving a skin cost with none of
// our code in the way, spelled with Qt and the standard library alone, so that
// velmor_bench_floor can time it by itself and velmor_bench_bars beside the editor.

std::string fileBytes(const std::string &path);

// The skin's bytes read, its picture names found and every picture it names that is
// there decoded once: the number decoded, or nothing (with the reason) when one fails.
std::optional<std::size_t> readAndDecode(const std::filesystem::path &skinFile,
                                         std::string *error = nullptr);

#ifndef _WIN32
// One write in place of the file with the steps of a safe replacement: a temporary file
// beside the target, written and synced, renamed over the target, the folder synced so
// that the rename itself is on disk.
bool replaceSafely(const std::filesystem::path &target, std::string_view bytes);
#endif
