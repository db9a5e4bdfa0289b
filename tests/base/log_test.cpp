// PELMORA_LOG's syntax: one level for all, or category=level pairs; anything
// else is refused (and the default, warnings only, holds).
#include "base/log.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LogFilterTest, ReadsLevelsForAllOrByCategory) {
    using C = LogCategory;
    using L = LogLevel;
    const struct {
        const char* text;
        bool taken;
        C category;
        L level;
        bool passes;
    } cases[] = {
        {"", true, C::Device, L::Info, false},
        {"", true, C::Window, L::Warning, true},
        {"debug", true, C::Bus, L::Debug, true},
        {"info", true, C::Files, L::Debug, false},
        {"device=debug,bus=info", true, C::Device, L::Debug, true},
        {"device=debug,bus=info", true, C::Bus, L::Debug, false},
        {"device=debug,bus=info", true, C::Bus, L::Info, true},
        {"device=debug,bus=info", true, C::Files, L::Info, false},
        {"device=loud", false, C::Device, L::Debug, false},
        {"device", false, C::Device, L::Debug, false},
        {"sound=debug", false, C::Device, L::Debug, false},
    };
    for (const auto& c : cases) {
        const auto filter = LogFilter::parse(c.text);
        ASSERT_EQ(filter.has_value(), c.taken) << c.text;
        if (filter) {
            EXPECT_EQ(filter->passes(c.category, c.level), c.passes)
                << c.text << ' ' << logCategoryName(c.category) << ' ' << logLevelName(c.level);
        }
    }
}

} // namespace
} // namespace pelmora
