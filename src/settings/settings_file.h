#pragma once
// config.bin: one flag byte, then the 1849-byte settings block. No header, no
// checksum. The program never creates it; it is delivered with the program.

#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr std::size_t kSettingsFileSize = 1 + kSettingsBlockSize;
inline constexpr std::string_view kConfigMissingText = "Config file is not exist.";
inline constexpr std::string_view kSaveErrorCaption = "NULL ==fp ";

enum class LoadResult {
    Loaded,     // flag and block filled from the file
    Missing,    // no file: the user was told, settings untouched
    WrongSize,  // not 1850 bytes: ignored without a message
    Unreadable, // exists but cannot be opened or read whole: the user was told
};

enum class SaveResult {
    Saved,
    Missing,     // no file to rewrite: the user was told, nothing created
    WriteFailed, // the user was told; the old file is untouched
};

// Reads the file. Only a complete, correctly sized file changes `settings`
// and `firstRunFlag`; anything else leaves both as they were.
// With a `language` (the window's), a missing file is told in two lines:
// "Config file is not exist.", then its full path and where to restore it
// from, in that language; without one (the command line) in the first line only.
LoadResult loadSettingsFile(const std::filesystem::path& file, SettingsBlock& settings,
                            std::uint8_t& firstRunFlag, MessageSink& messages,
                            std::optional<Language> language = std::nullopt);

// Rewrites an existing file with flag byte 1 and the block. The new content
// goes to a temporary file beside it that then replaces the old one, so a
// crash or a full disk never leaves a half-written file.
// A failed write is told by its error code; with a `language` also by a
// second message naming the file and the reason in that language.
SaveResult saveSettingsFile(const std::filesystem::path& file, const SettingsBlock& settings,
                            MessageSink& messages, std::optional<Language> language = std::nullopt);

// The atomic write itself (any flag byte; creates the file). `error` says
// what failed. Used by saving and by the build's generator of the delivered file.
bool writeSettingsFileAtomically(const std::filesystem::path& file, const SettingsBlock& settings,
                                 std::uint8_t flag, std::string& error, int* errorCode = nullptr);

} // namespace pelmora
