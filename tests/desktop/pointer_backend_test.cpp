// The choice of the desktop's pointer settings from the session.
#include "desktop/pointer_backend.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

PointerBackend choose(std::string_view desktop, std::string_view override = {},
                      bool schema = true) {
    std::string note;
    return choosePointerBackend(desktop, override, schema, note);
}

TEST(PointerBackendChoice, FollowsTheCurrentDesktop) {
    EXPECT_EQ(choose("KDE"), PointerBackend::Kde);
    EXPECT_EQ(choose("KDE", {}, false), PointerBackend::Kde);
    EXPECT_EQ(choose("GNOME"), PointerBackend::Gnome);
    EXPECT_EQ(choose("ubuntu:GNOME"), PointerBackend::Gnome);
    EXPECT_EQ(choose("Budgie:GNOME"), PointerBackend::Gnome);
    EXPECT_EQ(choose("Pantheon"), PointerBackend::Gnome);
    EXPECT_EQ(choose("Unity"), PointerBackend::Gnome);
    // Any other session with the schema installed.
    EXPECT_EQ(choose("SomethingNew"), PointerBackend::Gnome);
    // Without the schema, a bare X server, desktops with their own settings.
    EXPECT_EQ(choose("GNOME", {}, false), PointerBackend::None);
    EXPECT_EQ(choose(""), PointerBackend::None);
    EXPECT_EQ(choose("XFCE"), PointerBackend::None);
    EXPECT_EQ(choose("X-Cinnamon"), PointerBackend::None);
}

TEST(PointerBackendChoice, TheOverrideWinsWhenItCanBeFollowed) {
    EXPECT_EQ(choose("GNOME", "kde"), PointerBackend::Kde);
    EXPECT_EQ(choose("KDE", "none"), PointerBackend::None);
    EXPECT_EQ(choose("", "gnome"), PointerBackend::Gnome);
    std::string note;
    EXPECT_EQ(choosePointerBackend("", "gnome", false, note), PointerBackend::None);
    EXPECT_NE(note.find("schema"), std::string::npos);
    note.clear();
    EXPECT_EQ(choosePointerBackend("KDE", "windows", true, note), PointerBackend::Kde);
    EXPECT_NE(note.find("ignored"), std::string::npos);
}

TEST(PointerBackendChoice, NoneIsBuiltWhenNothingFits) {
    PointerEnvironment env;
    env.currentDesktop = "KDE";
    env.backendOverride = "none";
    std::string note;
    const auto settings = makePointerSettings(env, note);
    EXPECT_EQ(settings->name(), "none");
    for (PointerSetting s : kPointerSettings) {
        EXPECT_FALSE(settings->has(s));
    }
}

} // namespace
} // namespace pelmora
