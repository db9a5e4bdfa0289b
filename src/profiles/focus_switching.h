#pragma once
// Profiles that follow the focused application: which profile an
// application calls for, the wait until the focus has settled, and whether
// a settled focus switches. The program feeds it focus changes and the time;
// switching itself is the ordinary activation.

#include "desktop/focus/focused_application.h"
#include "profiles/profile_library.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The profile used for every application that no profile names.
inline constexpr std::string_view kDefaultProfileName = "Default";

// The first profile whose match list names the application's first id, else
// its second id, and so on; else "Default" when it exists; else none.
// Damaged profiles are passed over.
std::optional<std::string> profileForApplication(const std::vector<ProfileEntry>& profiles,
                                                 const FocusedApplication& application);

// A focus counts once it has stayed kSettle: while the focus flaps, only the
// last application counts, and the same application settling again (after a
// short visit elsewhere) counts once.
class FocusDebounce {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kSettle{300};

    void focused(FocusedApplication application, Clock::time_point now);
    // When settled() is next to be asked; empty while nothing waits.
    std::optional<Clock::time_point> due() const;
    // The application that has kept the focus for kSettle, once.
    std::optional<FocusedApplication> settled(Clock::time_point now);

private:
    std::optional<FocusedApplication> pending_;
    Clock::time_point since_{};
    std::optional<FocusedApplication> last_; // the last one settled
};

enum class FocusVerdict {
    Stay,   // nothing to do
    Switch, // activate `profile`
    Edited, // `profile` is wanted, but the window holds edits no profile has
};

struct FocusDecision {
    FocusVerdict verdict = FocusVerdict::Stay;
    std::string profile;
    bool operator==(const FocusDecision&) const = default;
};

struct FocusContext {
    std::vector<ProfileEntry> profiles;
    std::string active; // the active profile's name; empty for none
    bool edited = false;
    std::uint32_t ownPid = 0; // Pelmora's own windows never switch
};

FocusDecision decideFocusSwitch(const FocusedApplication& application, const FocusContext& context);

} // namespace pelmora
