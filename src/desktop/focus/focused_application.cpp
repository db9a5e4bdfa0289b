#include "desktop/focus/focused_application.h"

#include "settings/app_identity.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace pelmora {

namespace {

constexpr std::size_t kIdMaxBytes = 255;
constexpr std::size_t kTitleMaxBytes = 256;
constexpr std::array<std::string_view, 2> kOwnIds{identity::kDesktopEntry, identity::kWindowClass};

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool usableId(std::string_view id) {
    return !id.empty() && id.size() <= kIdMaxBytes &&
           std::none_of(id.begin(), id.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7f;
           });
}

std::string executableNameOf(std::uint32_t pid, const std::filesystem::path& procRoot) {
    if (pid == 0) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path exe =
        std::filesystem::read_symlink(procRoot / std::to_string(pid) / "exe", error);
    if (error) {
        return {};
    }
    // A replaced executable reads "/usr/bin/game (deleted)".
    std::string name = exe.filename().string();
    constexpr std::string_view kDeleted = " (deleted)";
    if (name.ends_with(kDeleted)) {
        name.resize(name.size() - kDeleted.size());
    }
    return name;
}

void cutAtCharacter(std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80) {
        --end;
    }
    text.resize(end);
}

} // namespace

bool sameApplicationId(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

bool sameApplication(const FocusedApplication& a, const FocusedApplication& b) {
    return !a.ids.empty() && !b.ids.empty() && sameApplicationId(a.ids.front(), b.ids.front());
}

FocusedApplication focusedApplication(const std::vector<std::string>& names, std::string title,
                                      std::uint32_t pid, const std::filesystem::path& procRoot) {
    FocusedApplication application;
    application.pid = pid;
    auto keep = [&](const std::string& id) {
        const bool seen = std::ranges::any_of(
            application.ids, [&](const std::string& kept) { return sameApplicationId(kept, id); });
        if (usableId(id) && !seen) {
            application.ids.push_back(id);
        }
    };
    std::ranges::for_each(names, keep);
    keep(executableNameOf(pid, procRoot));
    cutAtCharacter(title, kTitleMaxBytes);
    application.title = std::move(title);
    return application;
}

bool isOwnApplication(const FocusedApplication& application, std::uint32_t ownPid) {
    if (application.pid != 0 && application.pid == ownPid) {
        return true;
    }
    return std::ranges::any_of(application.ids, [](const std::string& id) {
        return std::ranges::any_of(
            kOwnIds, [&](std::string_view own) { return sameApplicationId(id, own); });
    });
}

} // namespace pelmora
