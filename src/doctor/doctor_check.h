#pragma once
// One line of `pelmora-cli doctor`: what was looked at, the verdict, what was
// found and, for a problem, the exact thing to do about it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class Verdict : std::uint8_t { Ok, Warn, Fail };

inline constexpr std::array<std::string_view, 3> kVerdictWords{"ok", "warn", "FAIL"};

inline std::string_view verdictWord(Verdict verdict) {
    return kVerdictWords[static_cast<std::size_t>(verdict)];
}

struct DoctorCheck {
    std::string topic; // "mouse", "access", "descriptor", ...
    Verdict verdict = Verdict::Ok;
    std::string found;
    std::string fix; // empty when nothing is to be done
};

using DoctorChecks = std::vector<DoctorCheck>;

inline bool anyFailed(const DoctorChecks& checks) {
    for (const DoctorCheck& check : checks) {
        if (check.verdict == Verdict::Fail) {
            return true;
        }
    }
    return false;
}

} // namespace pelmora
