#pragma once
// Replacing a file as a whole: the new content is written to a temporary file
// in the same folder, flushed, and renamed over the old one.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace pelmora {

// Returns false with `error` (and the errno in `errorCode`) when anything
// fails; the old file is then untouched. An existing file's permissions are
// kept, a file without write permission is not replaced, and a symbolic link
// stays: the file it points to is replaced. A file that already holds
// exactly `content` is only flushed, not replaced.
bool replaceFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> content,
                           std::string& error, int* errorCode = nullptr);

// Reads a whole regular file; false with `error` when it is no regular file
// or cannot be opened or read. Never waits for a pipe's writer.
bool readWholeFile(const std::filesystem::path& file, std::string& content, std::string& error,
                   int* errorCode = nullptr);

} // namespace pelmora
