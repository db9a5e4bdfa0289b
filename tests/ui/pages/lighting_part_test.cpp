// The lighting controls of the basic page: swatches and the colour chooser,
// the three boxes with their status texts and lists.
#include "page_host/page_window.h"
#include "settings/factory_settings.h"
#include "settings/lighting_settings.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_state.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace pelmora {
namespace {

namespace L = layout;

QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

enum Box { Mode = 0, Parameter = 1, Effect = 2 };

class LightingPartTest : public ::testing::Test {
protected:
    LightingPartTest() : window(settings) {
        skinState().setSkin(QString(PELMORA_BIN_DIR) + "/Skins", "Default");
        skinState().setLanguage("");
        settings.lightMode = 0;
        settings.lightLevel1 = 3;
        settings.lightLevel2 = 1;
        settings.lightLevel3 = 5;
        settings.lightColourMode1 = 0;
        settings.lightColourMode2 = 0;
        settings.lightColourMode3 = 2;
        frame().dialogs().chooseColour = [this](QWidget&, const QColor& initial) {
            ++chooserRuns;
            chooserInitial = initial;
            return chooserAnswer;
        };
    }
    ~LightingPartTest() override { skinState().setSkin(QString(), QString()); }

    LightingPart& part() { return window.lightingPart(); }
    PageFrame& frame() { return window.frame(); }
    // A click on the window, as the user makes it.
    void click(int box) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, centre(L::kLightingBoxes[box]));
    }
    QString status(int box) { return part().statusText(box); }
    // Chooses a row of an open list the way the user does: a click on it.
    void choose(DropDownList& list, int row) {
        ASSERT_TRUE(list.isOpen());
        QListWidget* widget = list.list();
        ASSERT_NE(widget, nullptr);
        widget->scrollToItem(widget->item(row));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                          widget->visualItemRect(widget->item(row)).center());
    }

    SettingsBlock settings = factorySettings();
    PageWindow window;
    int chooserRuns = 0;
    std::optional<QColor> chooserAnswer;
    QColor chooserInitial;
};

TEST_F(LightingPartTest, ModeOffShowsTheMousesOwnAndItsParameterListIsNeonChangingOnlyTheText) {
    window.start();
    EXPECT_EQ(status(Mode), "Mouse's own"); // Apply leaves the mouse's lighting
    EXPECT_EQ(part().statusLabel(Mode)->geometry(),
              toQRect(L::lightingStatus(L::kLightingBoxes[Mode])));
    EXPECT_EQ(status(Parameter), "");
    EXPECT_EQ(status(Effect), "");

    click(Parameter);
    ASSERT_TRUE(part().parameterList().isOpen());
    EXPECT_EQ(part().parameterList().items().size(), 30);
    EXPECT_EQ(part().parameterList().listRect(), (Rect{767, 377, 851, 577}));
    const SettingsBlock before = settings;
    choose(part().parameterList(), 3);
    EXPECT_FALSE(part().parameterList().isOpen());
    EXPECT_EQ(status(Parameter), "2S");
    EXPECT_EQ(settings, before);
}

TEST_F(LightingPartTest, NeonFillsAllThreeAndRespirationAfterItKeepsTheNeonEffect) {
    window.start();
    click(Mode);
    ASSERT_TRUE(part().modeList().isOpen());
    EXPECT_EQ(part().modeList().items(), (QStringList{"Standard", "Respiration", "Neon"}));
    choose(part().modeList(), 2);
    EXPECT_EQ(settings.lightMode, 3);
    EXPECT_EQ(status(Mode), "Neon");
    EXPECT_EQ(status(Parameter), "3S");
    EXPECT_EQ(status(Effect), "RGB Flash");

    click(Mode);
    choose(part().modeList(), 1);
    EXPECT_EQ(settings.lightMode, 2);
    EXPECT_EQ(status(Mode), "Respiration");
    EXPECT_EQ(status(Parameter), "7S");
    EXPECT_EQ(status(Effect), "RGB Effect");
    EXPECT_EQ(settings.lightColourMode3, 2);

    // A second click on the mode box closes its list.
    click(Mode);
    click(Mode);
    EXPECT_FALSE(part().modeList().isOpen());
}

TEST_F(LightingPartTest, ParameterListsFollowTheModeAndStoreItsLevel) {
    settings.lightMode = 1;
    settings.lightLevel1 = 10; // beyond the list: an empty text
    window.start();
    EXPECT_EQ(status(Parameter), "");
    EXPECT_EQ(status(Effect), "Non-Disolay");
    click(Parameter);
    EXPECT_EQ(part().parameterList().items().size(), 10);
    EXPECT_EQ(part().parameterList().listRect().bottom, 547);
    choose(part().parameterList(), 9);
    EXPECT_EQ(settings.lightLevel1, 9);
    EXPECT_EQ(status(Parameter), "100%");

    settings.lightMode = 2;
    click(Parameter);
    EXPECT_EQ(part().parameterList().items().size(), 5);
    EXPECT_EQ(part().parameterList().listRect().bottom, 467);
    click(Parameter);
    EXPECT_FALSE(part().parameterList().isOpen());
}

TEST_F(LightingPartTest, NeonParametersScrollWithTheWheel) {
    settings.lightMode = 3;
    window.show();
    window.start();
    click(Parameter);
    QListWidget* list = part().parameterList().list();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const int top = list->verticalScrollBar()->value();
    const QPoint at = list->viewport()->rect().center();
    QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->viewport(), &wheel);
    EXPECT_GT(list->verticalScrollBar()->value(), top);
}

TEST_F(LightingPartTest, EffectBoxInModesOneAndTwoShowsRgbEffectAndTheSecondClickOnlyClears) {
    settings.lightMode = 1;
    window.start();
    EXPECT_EQ(status(Effect), "Non-Disolay");
    click(Effect);
    EXPECT_EQ(status(Effect), "RGB Effect");
    EXPECT_FALSE(part().effectList().isOpen());
    EXPECT_EQ(settings.lightColourMode1, 0);

    // Switch to Neon by the mode list: the click on the mode box also clears
    // the effect box's flag, so the next effect click opens its list.
    click(Mode);
    choose(part().modeList(), 2);
    click(Effect);
    ASSERT_TRUE(part().effectList().isOpen());
    EXPECT_EQ(part().effectList().items(), (QStringList{"RGB Flash", "RGB Fixed On"}));
    choose(part().effectList(), 1);
    EXPECT_EQ(settings.lightColourMode3, 3);
    EXPECT_EQ(status(Effect), "RGB Fixed On");
    // Too long for the room left of the arrow: elided there, whole as tool tip.
    const QLabel* label = part().statusLabel(Effect);
    EXPECT_EQ(label->geometry(), toQRect(L::lightingStatus(L::kLightingBoxes[Effect])));
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_EQ(label->toolTip(), "RGB Fixed On");

    // Mode 2: first click sets the flag, the second only clears it.
    click(Mode);
    choose(part().modeList(), 1);
    click(Effect);
    click(Effect);
    EXPECT_FALSE(part().effectList().isOpen());
    EXPECT_EQ(status(Effect), "RGB Effect");
}

TEST_F(LightingPartTest, EffectBoxInModeThreeTogglesItsList) {
    settings.lightMode = 3;
    window.start();
    click(Effect);
    EXPECT_TRUE(part().effectList().isOpen());
    click(Effect);
    EXPECT_FALSE(part().effectList().isOpen());
    click(Effect);
    EXPECT_TRUE(part().effectList().isOpen());
    // Any other press on the page closes it.
    frame().leftButtonDown({600, 450});
    EXPECT_FALSE(part().effectList().isOpen());
    EXPECT_EQ(settings.lightColourMode3, 2);
}

TEST_F(LightingPartTest, SwatchesShowTheirColourAndTheChooserStoresOnlyWhatIsChosen) {
    settings.dpiColour = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}}};
    settings.dpiStageOn = {1, 1, 0, 1};
    window.start();
    for (int s = 0; s < 4; ++s) {
        ASSERT_NE(part().swatch(s), nullptr);
        EXPECT_EQ(part().swatch(s)->geometry(), toQRect(L::dpiSwatch(s)));
        const auto& rgb = settings.dpiColour[static_cast<std::size_t>(s)];
        EXPECT_EQ(part().swatch(s)->palette().color(QPalette::Window),
                  QColor(rgb[0], rgb[1], rgb[2]));
    }

    // Cancelled: nothing changes.
    frame().leftButtonDown(centre(L::dpiSwatch(0)));
    EXPECT_EQ(chooserRuns, 1);
    EXPECT_EQ(chooserInitial, QColor(255, 0, 0));
    EXPECT_EQ(settings.dpiColour[0], (std::array<std::uint8_t, 3>{255, 0, 0}));
    EXPECT_EQ(part().swatch(0)->palette().color(QPalette::Window), QColor(255, 0, 0));

    chooserAnswer = QColor(1, 2, 3);
    frame().leftButtonDown(centre(L::dpiSwatch(3)));
    EXPECT_EQ(settings.dpiColour[3], (std::array<std::uint8_t, 3>{1, 2, 3}));
    EXPECT_EQ(part().swatch(3)->palette().color(QPalette::Window), QColor(1, 2, 3));

    // A disabled stage's swatch ignores clicks.
    frame().leftButtonDown(centre(L::dpiSwatch(2)));
    EXPECT_EQ(chooserRuns, 2);
    EXPECT_EQ(settings.dpiColour[2], (std::array<std::uint8_t, 3>{0, 0, 255}));
}

TEST_F(LightingPartTest, LeavingThePageClosesTheListsAndRemovesTheChildWindows) {
    window.start();
    click(Mode);
    QPointer<QWidget> swatch = part().swatch(0);
    frame().drawAdvancedPage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(part().modeList().isOpen());
    EXPECT_TRUE(swatch.isNull());
    frame().drawBasicPage();
    EXPECT_EQ(status(Mode), "Mouse's own"); // Apply leaves the mouse's lighting
    ASSERT_NE(part().swatch(0), nullptr);
}

TEST(LightingTextsFit, EveryStatusAndListTextFitsItsBoxInEveryLanguage) {
    // A status text may cover its box's arrow when it must.
    const int status = L::kLightingBoxes[0].width();
    const int list = L::kLightingEffectList.width() - 2 * DropDownList::kBorder - 4;
    for (const char* code : {"EN", "CHS", "CHT", "TUR"}) {
        const QFontMetrics metrics(textFont(code));
        const Language language = languageFromCode(code);
        std::vector<TextId> ids(kLightModeListTexts.begin(), kLightModeListTexts.end());
        ids.insert(ids.end(), kLightEffectListTexts.begin(), kLightEffectListTexts.end());
        for (std::uint8_t v = 0; v < 4; ++v) {
            ids.push_back(*lightModeText(v));
            ids.push_back(*lightEffectText(v));
        }
        for (TextId id : ids) {
            const auto t = text(id, language);
            const QString shown = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
            EXPECT_LE(metrics.horizontalAdvance(shown), std::min(status, list))
                << code << " \"" << shown.toStdString() << "\"";
        }
    }
}

} // namespace
} // namespace pelmora
