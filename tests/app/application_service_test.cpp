#include "app/application_service.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// A token from any caller on the bus reaches the environment only when it
// looks like a token, and never stays there after the activation.
TEST(ApplicationServiceTest, ActivationTokensAreCheckedAndNeverKept) {
    const struct {
        QString token;
        bool usable;
    } cases[] = {
        {"gnome-shell/Terminal/1234-0-host_TIME5678", true},
        {QString(256, 'a'), true},
        {QString(257, 'a'), false},
        {"", false},
        {"two words", false},
        {"LD_PRELOAD=/tmp/x.so", false},
        {"line\nbreak", false},
        {QString::fromUtf8("t\xc3\xb6ken"), false},
    };
    for (const auto& c : cases) {
        qunsetenv("XDG_ACTIVATION_TOKEN");
        QByteArray seen = "none";
        ApplicationService service(QDBusConnection(QStringLiteral("none")),
                                   [&seen] { seen = qgetenv("XDG_ACTIVATION_TOKEN"); });
        service.activate({{QStringLiteral("activation-token"), c.token}});
        EXPECT_EQ(seen, c.usable ? c.token.toLatin1() : QByteArray()) << c.token.toStdString();
        EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
    }
}

} // namespace
} // namespace pelmora
