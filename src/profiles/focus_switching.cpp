#include "profiles/focus_switching.h"

#include <algorithm>

namespace pelmora {

std::optional<std::string> profileForApplication(const std::vector<ProfileEntry>& profiles,
                                                 const FocusedApplication& application) {
    for (const std::string& id : application.ids) {
        for (const ProfileEntry& profile : profiles) {
            const bool named = std::ranges::any_of(profile.match, [&](const std::string& each) {
                return sameApplicationId(each, id);
            });
            if (profile.problem.empty() && named) {
                return profile.name;
            }
        }
    }
    const auto fallback = std::ranges::find_if(profiles, [](const ProfileEntry& profile) {
        return profile.problem.empty() && sameProfileName(profile.name, kDefaultProfileName);
    });
    if (fallback != profiles.end()) {
        return fallback->name;
    }
    return std::nullopt;
}

void FocusDebounce::focused(FocusedApplication application, Clock::time_point now) {
    pending_ = std::move(application);
    since_ = now;
}

std::optional<FocusDebounce::Clock::time_point> FocusDebounce::due() const {
    if (!pending_) {
        return std::nullopt;
    }
    return since_ + kSettle;
}

std::optional<FocusedApplication> FocusDebounce::settled(Clock::time_point now) {
    if (!pending_ || now < since_ + kSettle) {
        return std::nullopt;
    }
    FocusedApplication application = std::move(*pending_);
    pending_.reset();
    if (last_ && sameApplication(*last_, application)) {
        return std::nullopt;
    }
    last_ = application;
    return application;
}

FocusDecision decideFocusSwitch(const FocusedApplication& application,
                                const FocusContext& context) {
    if (isOwnApplication(application, context.ownPid)) {
        return {};
    }
    const std::optional<std::string> wanted = profileForApplication(context.profiles, application);
    if (!wanted || sameProfileName(*wanted, context.active)) {
        return {};
    }
    return {context.edited ? FocusVerdict::Edited : FocusVerdict::Switch, *wanted};
}

} // namespace pelmora
