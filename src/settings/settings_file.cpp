#include "settings/settings_file.h"

#include "base/atomic_file.h"
#include "settings/shell_messages.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <system_error>

namespace pelmora {

namespace {
void tellMissing(const std::filesystem::path& file, MessageSink& messages,
                 std::optional<Language> language) {
    messages.showMessage(language ? std::string(kConfigMissingText) + '\n' +
                                        configMissingHelp(file, *language)
                                  : std::string(kConfigMissingText),
                         kAppName);
}
} // namespace

LoadResult loadSettingsFile(const std::filesystem::path& file, SettingsBlock& settings,
                            std::uint8_t& firstRunFlag, MessageSink& messages,
                            std::optional<Language> language) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        tellMissing(file, messages, language);
        return LoadResult::Missing;
    }
    auto unreadable = [&](const std::string& error) {
        messages.showMessage("The settings file cannot be read (" + error +
                                 "). The settings start empty.",
                             kAppName);
        return LoadResult::Unreadable;
    };
    if (const auto size = std::filesystem::file_size(file, ec); !ec && size != kSettingsFileSize) {
        return LoadResult::WrongSize;
    }
    // Read it whole first: a file we cannot open or read to its end is never
    // half-applied to the settings.
    std::string content;
    std::string error;
    if (!readWholeFile(file, content, error)) {
        return unreadable(error);
    }
    if (content.size() != kSettingsFileSize) {
        return LoadResult::WrongSize;
    }
    firstRunFlag = static_cast<std::uint8_t>(content[0]);
    std::memcpy(settings.bytes().data(), content.data() + 1, kSettingsBlockSize);
    return LoadResult::Loaded;
}

bool writeSettingsFileAtomically(const std::filesystem::path& file, const SettingsBlock& settings,
                                 std::uint8_t flag, std::string& error, int* errorCode) {
    std::array<std::uint8_t, kSettingsFileSize> content{};
    content[0] = flag;
    std::ranges::copy(settings.bytes(), content.begin() + 1);
    return replaceFileAtomically(file, content, error, errorCode);
}

SaveResult saveSettingsFile(const std::filesystem::path& file, const SettingsBlock& settings,
                            MessageSink& messages, std::optional<Language> language) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        tellMissing(file, messages, language);
        return SaveResult::Missing;
    }
    std::string error;
    int errorCode = 0;
    if (!writeSettingsFileAtomically(file, settings, 1, error, &errorCode)) {
        messages.showMessage("Error Code is: " + std::to_string(errorCode) + " \n",
                             kSaveErrorCaption);
        if (language) {
            messages.showMessage(notSavedText(file, error, *language), kAppName);
        }
        return SaveResult::WriteFailed;
    }
    return SaveResult::Saved;
}

} // namespace pelmora
