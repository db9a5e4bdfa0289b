// The tray item's menu as hosts read it over D-Bus.
#include "app/dbus_menu.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(DBusMenuTest, LayoutHasTheHostsSignatureAndAClickRunsTheItemLater) {
    DBusMenu menu;
    int exits = 0;
    menu.setEntries({{QStringLiteral("Exit"), [&exits] { ++exits; }}});
    menu.setLabel(0, QStringLiteral("Çıkış"));

    for (const auto& [type, signature] :
         {std::pair{QMetaType::fromType<DBusMenuLayout>(), "(ia{sv}av)"},
          {QMetaType::fromType<QList<DBusMenuItem>>(), "a(ia{sv})"},
          {QMetaType::fromType<QList<DBusMenuEvent>>(), "a(isvu)"}}) {
        EXPECT_STREQ(QDBusMetaType::typeToSignature(type), signature) << type.name();
    }
    const DBusMenuLayout root = menu.layout();
    ASSERT_EQ(root.children.size(), 1);
    const auto item = root.children[0].value<DBusMenuLayout>();
    EXPECT_EQ(item.id, 1);
    EXPECT_EQ(item.properties.value("label").toString(), QStringLiteral("Çıkış"));

    EXPECT_FALSE(menu.trigger(2));
    EXPECT_TRUE(menu.trigger(1));
    EXPECT_EQ(exits, 0); // the host's call is answered first
    QTRY_COMPARE_WITH_TIMEOUT(exits, 1, 1000);
}

} // namespace
} // namespace pelmora
