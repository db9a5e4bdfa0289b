#pragma once
// The images every skin folder holds. Paths are the skin folder followed by
// one of these names; each name starts with "/".

#include <array>
#include <string_view>

namespace pelmora {

namespace skin_image {
inline constexpr std::string_view kBasicBackground = "/BasicSet2.png";
inline constexpr std::string_view kAdvancedBackground = "/AdvancedSet2.png";
inline constexpr std::string_view kButtonNormal = "/button-normal.png";
inline constexpr std::string_view kButtonOver = "/button-over.png";
inline constexpr std::string_view kCloseNormal = "/button-close-normal.png";
inline constexpr std::string_view kCloseOver = "/button-close-over.png";
inline constexpr std::string_view kMinNormal = "/button-min-normal.png";
inline constexpr std::string_view kMinOver = "/button-min-over.png";
inline constexpr std::string_view kSkinsNormal = "/button-Skins-normal.png";
inline constexpr std::string_view kSkinsOver = "/button-Skins-over.png";
inline constexpr std::string_view kPrePageNormal = "/button-PrePage-normal.png";
inline constexpr std::string_view kPrePageOver = "/button-PrePage-over.png";
inline constexpr std::string_view kNextPageNormal = "/button-NextPage-normal.png";
inline constexpr std::string_view kNextPageOver = "/button-NextPage-over.png";
inline constexpr std::string_view kDropdownNormal = "/DropdownBox-normal.png";
inline constexpr std::string_view kDropdownOver = "/DropdownBox-over.png";
inline constexpr std::string_view kPane = "/Pane.png";
inline constexpr std::string_view kPaneTicked = "/PaneMakingTick.png";
inline constexpr std::string_view kSliderLight = "/slider-light.png";
inline constexpr std::string_view kSliderDark = "/slider-dark.png";
inline constexpr std::string_view kSliderDpiLight = "/slider-DPI-light.png";
inline constexpr std::string_view kSliderDpiDark = "/slider-DPI-dark.png";
inline constexpr std::string_view kSliderRateLight = "/slider-RP-light.png";
inline constexpr std::string_view kSliderRateDark = "/slider-RP-dark.png";
inline constexpr std::string_view kComboKeyBackground = "/combo-key.png";
inline constexpr std::string_view kDelayTimeBackground = "/delay-time.png";
inline constexpr std::string_view kFireKeyBackground = "/fire-key.png";
inline constexpr std::string_view kMacroKeyBackground = "/macro-key.png";
inline constexpr std::string_view kMediaKeyBackground = "/media-key.png";
inline constexpr std::string_view kSingleKeyBackground = "/single-key.png";
inline constexpr std::string_view kWindowsKeyBackground = "/windows-key.png";
inline constexpr std::string_view kSkinsBackground = "/skins.png";
} // namespace skin_image

// Every image a complete skin must hold.
inline constexpr std::array<std::string_view, 32> kSkinImageNames = {
    skin_image::kBasicBackground,
    skin_image::kAdvancedBackground,
    skin_image::kButtonNormal,
    skin_image::kButtonOver,
    skin_image::kCloseNormal,
    skin_image::kCloseOver,
    skin_image::kMinNormal,
    skin_image::kMinOver,
    skin_image::kSkinsNormal,
    skin_image::kSkinsOver,
    skin_image::kPrePageNormal,
    skin_image::kPrePageOver,
    skin_image::kNextPageNormal,
    skin_image::kNextPageOver,
    skin_image::kDropdownNormal,
    skin_image::kDropdownOver,
    skin_image::kPane,
    skin_image::kPaneTicked,
    skin_image::kSliderLight,
    skin_image::kSliderDark,
    skin_image::kSliderDpiLight,
    skin_image::kSliderDpiDark,
    skin_image::kSliderRateLight,
    skin_image::kSliderRateDark,
    skin_image::kComboKeyBackground,
    skin_image::kDelayTimeBackground,
    skin_image::kFireKeyBackground,
    skin_image::kMacroKeyBackground,
    skin_image::kMediaKeyBackground,
    skin_image::kSingleKeyBackground,
    skin_image::kWindowsKeyBackground,
    skin_image::kSkinsBackground,
};

// The skins the program ships; the first is the one a fresh str.ini names.
inline constexpr std::array<std::string_view, 2> kShippedSkins = {"Default", "Ember"};

} // namespace pelmora
