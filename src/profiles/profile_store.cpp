#include "profiles/profile_store.h"

#include "base/atomic_file.h"
#include "base/utf_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace pelmora {

namespace {

std::string folded(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

// Every code point encodes back to the bytes it came from.
bool wellFormedUtf8(std::string_view text) {
    std::string again;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = nextCodePoint(text, pos);
        again.clear();
        appendUtf8(again, cp);
        if (again != text.substr(start, pos - start)) {
            return false;
        }
    }
    return true;
}

ProfileStoreError failed(ProfileFailure failure, std::string detail) {
    return {failure, std::move(detail)};
}

std::string describe(const std::filesystem::path& path, const std::error_code& code) {
    return path.string() + ": " + code.message();
}

} // namespace

ProfileNameProblem checkProfileName(std::string_view name) {
    if (name.empty()) {
        return ProfileNameProblem::Empty;
    }
    if (!wellFormedUtf8(name)) {
        return ProfileNameProblem::NotUtf8;
    }
    if (utf8Length(name) > kProfileNameMaxCharacters) {
        return ProfileNameProblem::TooLong;
    }
    if (name.front() == '.') {
        return ProfileNameProblem::LeadingDot;
    }
    for (const char c : name) {
        if (c == '/') {
            return ProfileNameProblem::Slash;
        }
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return ProfileNameProblem::ControlCharacter;
        }
    }
    return ProfileNameProblem::None;
}

bool sameProfileName(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

std::filesystem::path ProfileStore::fileOf(std::string_view name) const {
    return folder_ / (std::string(name) + std::string(kProfileFileExtension));
}

std::vector<std::string> ProfileStore::list(ProfileStoreError& error) const {
    error = {};
    std::vector<std::string> names;
    std::error_code code;
    if (!std::filesystem::exists(folder_, code) && !code) {
        return names;
    }
    std::filesystem::directory_iterator it(folder_, code);
    if (code) {
        error = failed(ProfileFailure::FolderUnusable, describe(folder_, code));
        return names;
    }
    for (const std::filesystem::directory_entry& entry : it) {
        const std::string file = entry.path().filename().string();
        if (file.size() <= kProfileFileExtension.size() || !file.ends_with(kProfileFileExtension) ||
            !entry.is_regular_file(code)) {
            continue;
        }
        std::string name = file.substr(0, file.size() - kProfileFileExtension.size());
        if (checkProfileName(name) == ProfileNameProblem::None) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::pair(folded(a), a) < std::pair(folded(b), b);
    });
    return names;
}

std::optional<std::string> ProfileStore::find(std::string_view name,
                                              ProfileStoreError& error) const {
    for (std::string& stored : list(error)) {
        if (sameProfileName(stored, name)) {
            return std::move(stored);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileStore::existing(std::string_view name,
                                                  ProfileStoreError& error) const {
    std::optional<std::string> stored = find(name, error);
    if (!stored && !error) {
        error = failed(ProfileFailure::NoSuchProfile, fileOf(name).string());
    }
    return stored;
}

std::string ProfileStore::read(std::string_view name, ProfileStoreError& error) const {
    const std::optional<std::string> stored = existing(name, error);
    if (!stored) {
        return {};
    }
    std::string text;
    std::string why;
    if (!readWholeFile(fileOf(*stored), text, why)) {
        error = failed(ProfileFailure::FileFailed, why);
        return {};
    }
    return text;
}

std::string ProfileStore::write(std::string_view name, std::string_view text,
                                ProfileStoreError& error) {
    if (checkProfileName(name) != ProfileNameProblem::None) {
        error = failed(ProfileFailure::BadName, std::string(name));
        return {};
    }
    std::error_code code;
    std::filesystem::create_directories(folder_, code);
    if (code) {
        error = failed(ProfileFailure::FolderUnusable, describe(folder_, code));
        return {};
    }
    const std::optional<std::string> stored = find(name, error);
    if (error) {
        return {};
    }
    const std::string spelling = stored ? *stored : std::string(name);
    std::string why;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!replaceFileAtomically(fileOf(spelling), {bytes, text.size()}, why)) {
        error = failed(ProfileFailure::FileFailed, why);
        return {};
    }
    return spelling;
}

bool ProfileStore::rename(std::string_view from, std::string_view to, ProfileStoreError& error) {
    if (checkProfileName(to) != ProfileNameProblem::None) {
        error = failed(ProfileFailure::BadName, std::string(to));
        return false;
    }
    const std::optional<std::string> source = existing(from, error);
    if (!source) {
        return false;
    }
    const std::optional<std::string> target = find(to, error);
    if (error) {
        return false;
    }
    if (target && !sameProfileName(*target, *source)) {
        error = failed(ProfileFailure::NameTaken, fileOf(*target).string());
        return false;
    }
    std::error_code code;
    std::filesystem::rename(fileOf(*source), fileOf(to), code);
    if (code) {
        error = failed(ProfileFailure::FileFailed, describe(fileOf(*source), code));
        return false;
    }
    return true;
}

bool ProfileStore::remove(std::string_view name, ProfileStoreError& error) {
    const std::optional<std::string> stored = existing(name, error);
    if (!stored) {
        return false;
    }
    std::error_code code;
    std::filesystem::remove(fileOf(*stored), code);
    if (code) {
        error = failed(ProfileFailure::FileFailed, describe(fileOf(*stored), code));
        return false;
    }
    return true;
}

} // namespace pelmora
