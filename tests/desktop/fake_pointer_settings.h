#pragma once
// A desktop for tests: has the settings it is told, answers reads with set
// values, records every write and fails the settings it is told to fail.

#include "desktop/pointer_settings.h"

#include <set>
#include <vector>

namespace pelmora::test {

class FakePointerSettings final : public PointerSettings {
public:
    explicit FakePointerSettings(std::set<PointerSetting> settings) : has_(std::move(settings)) {}

    std::string_view name() const override { return "fake"; }
    bool has(PointerSetting setting) const override { return has_.count(setting) != 0; }
    PointerValues read(PointerReport& report) override {
        ++reads;
        for (PointerSetting s : failReads) {
            report.failures.push_back({s, "refused"});
        }
        return values;
    }
    void write(const PointerValues& v, PointerReport& report) override {
        writes.push_back(v);
        for (PointerSetting s : failWrites) {
            report.failures.push_back({s, "refused"});
        }
    }

    PointerValues values;
    std::vector<PointerSetting> failReads;
    std::vector<PointerSetting> failWrites;
    std::vector<PointerValues> writes;
    int reads = 0;

private:
    std::set<PointerSetting> has_;
};

inline std::set<PointerSetting> allPointerSettings() {
    return {kPointerSettings.begin(), kPointerSettings.end()};
}

} // namespace pelmora::test
