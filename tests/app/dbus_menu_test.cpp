// The tray item's menu as hosts read it over D-Bus.
#include "app/dbus_menu.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QTest>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Toggle = DBusMenu::Toggle;

TEST(DBusMenuTest, NestedLayoutHasTheHostsSignatureAndAClickRunsTheItemLater) {
    DBusMenu menu;
    QStringList clicked;
    const auto click = [&clicked](const char* what) {
        return [&clicked, what] { clicked << QString::fromLatin1(what); };
    };
    // Profiles (1) > Desk (2), Game * (3), separator (4), tick (5); Çıkış (6).
    menu.setEntries({{"Profiles",
                      {},
                      Toggle::None,
                      false,
                      false,
                      {{"Desk", click("Desk"), Toggle::Radio, false, false, {}},
                       {"Game *", click("Game"), Toggle::Radio, true, false, {}},
                       {{}, {}, Toggle::None, false, true, {}},
                       {"Show", click("tick"), Toggle::Check, true, false, {}}}},
                     {QStringLiteral("Çıkış"), click("exit"), Toggle::None, false, false, {}}});

    for (const auto& [type, signature] :
         {std::pair{QMetaType::fromType<DBusMenuLayout>(), "(ia{sv}av)"},
          {QMetaType::fromType<QList<DBusMenuItem>>(), "a(ia{sv})"},
          {QMetaType::fromType<QList<DBusMenuEvent>>(), "a(isvu)"}}) {
        EXPECT_STREQ(QDBusMetaType::typeToSignature(type), signature) << type.name();
    }
    const DBusMenuLayout root = menu.layout();
    ASSERT_EQ(root.children.size(), 2);
    const auto profiles = root.children[0].value<DBusMenuLayout>();
    EXPECT_EQ(profiles.properties.value("children-display").toString(), "submenu");
    ASSERT_EQ(profiles.children.size(), 4);
    struct Row {
        int id;
        const char* label;
        const char* toggleType;
        int toggleState;
        const char* type;
    };
    const Row rows[] = {{2, "Desk", "radio", 0, ""},
                        {3, "Game *", "radio", 1, ""},
                        {4, "", "", -1, "separator"},
                        {5, "Show", "checkmark", 1, ""}};
    for (int i = 0; i < 4; ++i) {
        const auto item = profiles.children[i].value<DBusMenuLayout>();
        const Row& row = rows[i];
        EXPECT_EQ(item.id, row.id);
        EXPECT_EQ(item.properties.value("label").toString(), row.label);
        EXPECT_EQ(item.properties.value("toggle-type").toString(), row.toggleType);
        EXPECT_EQ(item.properties.value("toggle-state", -1).toInt(), row.toggleState);
        EXPECT_EQ(item.properties.value("type").toString(), row.type);
    }
    EXPECT_EQ(root.children[1].value<DBusMenuLayout>().properties.value("label").toString(),
              QStringLiteral("Çıkış"));
    EXPECT_TRUE(menu.layout(0, 1).children[0].value<DBusMenuLayout>().children.isEmpty());

    for (const int id : {0, 1, 4, 7}) {
        EXPECT_FALSE(menu.trigger(id)) << id; // the root, a sub-menu, a separator, unknown
    }
    EXPECT_TRUE(menu.trigger(3));
    EXPECT_TRUE(menu.trigger(6));
    EXPECT_TRUE(clicked.isEmpty()); // the host's call is answered first
    QTRY_COMPARE_WITH_TIMEOUT(clicked, (QStringList{"Game", "exit"}), 1000);
}

} // namespace
} // namespace pelmora
