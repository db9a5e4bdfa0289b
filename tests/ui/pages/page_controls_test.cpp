// The window's controls for screen readers and the keyboard: the basic
// page's accessible tree in reading order, the keys, the accessible actions
// and the dialogs that take every key.
#include "page_host/page_window.h"
#include "settings/dpi_rate_settings.h"
#include "settings/factory_settings.h"
#include "ui/keys/single_dialog.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skins_dialog.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <vector>

namespace pelmora {
namespace {

QString line(QAccessibleInterface* c) {
    const QAccessible::State s = c->state();
    QString out =
        QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(c->role())) +
        " | " + c->text(QAccessible::Name) + " |";
    // What a screen reader reads as the value: a box's text, a slider's number.
    if (c->textInterface() != nullptr && c->role() != QAccessible::Heading) {
        out += " " + c->textInterface()->text(0, -1) + " |";
    }
    if (c->valueInterface() != nullptr) {
        out += " " + c->text(QAccessible::Value) + " (" +
               c->valueInterface()->currentValue().toString() + " of " +
               c->valueInterface()->maximumValue().toString() + ") |";
    }
    for (const auto& [on, word] :
         {std::pair{s.checked, "checked"}, std::pair{s.selected, "selected"},
          std::pair{s.disabled, "disabled"}, std::pair{s.focused, "focused"}}) {
        out += on ? QString(" ") + word : QString();
    }
    return out;
}

class PageControlsTest : public ::testing::Test {
protected:
    PageControlsTest() : window(settings) {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        window.start();
        window.show();
        QCoreApplication::processEvents();
    }
    ~PageControlsTest() override { skinState().setSkin(QString(), QString()); }

    QAccessibleInterface* root() { return QAccessible::queryAccessibleInterface(&window); }
    QAccessibleInterface* named(const QString& name) {
        for (int i = 0; i < root()->childCount(); ++i) {
            if (root()->child(i)->text(QAccessible::Name) == name) {
                return root()->child(i);
            }
        }
        ADD_FAILURE() << "no control " << name.toStdString();
        return root();
    }
    void keys(const std::vector<std::pair<int, Qt::KeyboardModifiers>>& presses) {
        for (const auto& [key, modifiers] : presses) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
            QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        }
        QCoreApplication::processEvents();
    }

    SettingsBlock settings = factorySettings();
    PageWindow window;
};

TEST_F(PageControlsTest, BasicPageReadsInReadingOrder) {
    // Printed one control a line, as a screen reader walks it: the title
    // bar, the tabs, the key settings, report rate, each DPI stage's column,
    // the lighting boxes, the buttons at the bottom; with their values, as a
    // stage that is off reads.
    settings.dpiStageOn[3] = 0;
    QStringList tree;
    for (int i = 0; i < root()->childCount(); ++i) {
        tree << line(root()->child(i));
    }
    std::cout << tree.join('\n').toStdString() << '\n';
    EXPECT_EQ(tree.join('\n').toStdString(), R"(Button | Skins |
Button | Minimise |
Button | Close |
PageTab | Basic Settings | selected
PageTab | Advanced Settings |
Heading | Basic Settings |
ComboBox | Button 1 | Left Click |
ComboBox | Button 2 | Right Click |
ComboBox | Button 3 | Mid Click |
ComboBox | Button 4 | Forward |
ComboBox | Button 5 | Backward |
ComboBox | Button 6 | DPI Loop |
RadioButton | Mode A | checked
RadioButton | Mode B |
Button | Default |
Slider | Report Rate Setting | 1000 reports per second (1000 of 1000) |
Slider | DPI stage 1: 500 DPI | 500 DPI (500 of 4000) |
Button | DPI stage 1 colour: red #ff0000 |
CheckBox | DPI stage 1 | checked
Slider | DPI stage 2: 1000 DPI | 1000 DPI (1000 of 4000) |
Button | DPI stage 2 colour: green #00ff00 |
CheckBox | DPI stage 2 | checked
Slider | DPI stage 3: 1500 DPI | 1500 DPI (1500 of 4000) |
Button | DPI stage 3 colour: blue #0000ff |
CheckBox | DPI stage 3 | checked
Slider | DPI stage 4: off |  (0 of 4000) |
Button | DPI stage 4 colour: yellow #ffff00 | disabled
CheckBox | DPI stage 4 |
ComboBox | Mode | Mouse's own |
ComboBox | Parameter |  |
ComboBox | Effect |  |
Button | OK |
Button | Apply |
Button | Cancel |
Link | www.pelmora.org |)");
}

TEST_F(PageControlsTest, KeysMoveTheFocusAndWorkTheFocusedControl) {
    const auto k = [](int key, int times = 1, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return std::vector<std::pair<int, Qt::KeyboardModifiers>>(static_cast<std::size_t>(times),
                                                                  {key, m});
    };
    const auto join =
        [](std::initializer_list<std::vector<std::pair<int, Qt::KeyboardModifiers>>> parts) {
            std::vector<std::pair<int, Qt::KeyboardModifiers>> all;
            for (const auto& part : parts) {
                all.insert(all.end(), part.begin(), part.end());
            }
            return all;
        };
    const auto expanded = [this](const char* name) { return named(name)->state().expanded; };
    const int level = dpiLitCells(settings, 0, 0);
    struct Case {
        const char* what;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        std::function<bool()> holds;
    };
    const std::vector<Case> cases = {
        {"Space opens a focused box's list", join({k(Qt::Key_Tab, 7), k(Qt::Key_Space)}),
         [&] { return expanded("Button 2"); }},
        {"Escape closes only the open list",
         join({k(Qt::Key_Tab, 7), k(Qt::Key_Space), k(Qt::Key_Escape)}),
         [&] { return !expanded("Button 2") && window.isVisible(); }},
        {"Ctrl+Tab switches the page", k(Qt::Key_Tab, 1, Qt::ControlModifier),
         [this] { return window.frame().page() == PageFrame::AdvancedPage; }},
        {"Ctrl+PageDown and Ctrl+PageUp switch back and forth",
         join({k(Qt::Key_PageDown, 1, Qt::ControlModifier),
               k(Qt::Key_PageUp, 1, Qt::ControlModifier)}),
         [this] { return window.frame().page() == PageFrame::BasicPage; }},
        {"Left moves down the report-rate steps", join({k(Qt::Key_Tab, 15), k(Qt::Key_Left)}),
         [this] { return litRateStep(settings.reportInterval) == 2; }},
        {"Up lights one more cell of a stage", join({k(Qt::Key_Tab, 16), k(Qt::Key_Up)}),
         [&] { return dpiLitCells(settings, 0, 0) == level + 1; }},
        {"Space toggles a tick box", join({k(Qt::Key_Tab, 18), k(Qt::Key_Space)}),
         [this] { return settings.dpiStageOn[0] == 0; }},
        {"Shift+Tab goes backwards from the end", join({k(Qt::Key_Backtab, 3), k(Qt::Key_Space)}),
         [this] { return named("Mode A")->state().checked && window.isVisible(); }},
    };
    for (const Case& c : cases) {
        settings = factorySettings();
        window.frame().redrawCurrentPage();
        window.frame().drawBasicPage();
        window.frame().controls().setFocused(std::nullopt, false);
        window.show();
        keys(c.keys);
        EXPECT_TRUE(c.holds()) << c.what;
        keys(k(Qt::Key_Escape)); // closes what is open
    }
}

TEST_F(PageControlsTest, AccessibleActionsDoWhatAClickDoes) {
    struct Case {
        const char* control;
        std::function<void(QAccessibleInterface*)> act;
        std::function<bool()> holds;
    };
    const auto action = [](const QString& name) {
        return [name](QAccessibleInterface* c) { c->actionInterface()->doAction(name); };
    };
    const std::vector<Case> cases = {
        {"DPI stage 2", action(QAccessibleActionInterface::toggleAction()),
         [this] { return settings.dpiStageOn[1] == 0; }},
        {"Report Rate Setting",
         [](QAccessibleInterface* c) { c->valueInterface()->setCurrentValue(1); },
         [this] { return litRateStep(settings.reportInterval) == 0; }},
        {"Mode B", action(QAccessibleActionInterface::pressAction()),
         [this] { return settings.keyMode == 1; }},
        {"Advanced Settings", action(QAccessibleActionInterface::pressAction()),
         [this] { return window.frame().page() == PageFrame::AdvancedPage; }},
    };
    for (const Case& c : cases) {
        c.act(named(c.control));
        QCoreApplication::processEvents();
        EXPECT_TRUE(c.holds()) << c.control;
    }
}

TEST(DialogControlsTest, TabMovesTheFocusExceptInDialogsThatCaptureKeys) {
    skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
    CSkinsDialog skins({}, dialogMessageBoxes());
    CSingleDialog single;
    for (CSkinnedDialog* dialog :
         {static_cast<CSkinnedDialog*>(&skins), static_cast<CSkinnedDialog*>(&single)}) {
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_Tab);
        EXPECT_EQ(dialog->controls().focused().has_value(), dialog == &skins);
        dialog->hide();
    }
    skinState().setSkin(QString(), QString());
}

} // namespace
} // namespace pelmora
