#pragma once
// Fixed layout of the main window's two pages, in client pixels. The pages
// draw and test their controls with these numbers, and the skin generator
// paints the backgrounds' decoration from the very same numbers, so the two
// never drift apart.

#include "ui/skin/rect.h"

#include <array>

namespace pelmora::layout {

inline constexpr int kWindowWidth = 890;
inline constexpr int kWindowHeight = 660;

// --- frame controls, identical on both pages --------------------------------
inline constexpr Rect kSkinsButton{701, 5, 719, 23};
inline constexpr Rect kMinimiseButton{825, 5, 843, 23};
inline constexpr Rect kCloseButton{850, 5, 868, 23};
inline constexpr Rect kBasicTab{20, 58, 60, 98};
inline constexpr Rect kAdvancedTab{70, 58, 110, 98};
inline constexpr Rect kPageTitle{120, 58, 352, 98};
inline constexpr Rect kOkButton{562, 623, 667, 644};
inline constexpr Rect kApplyButton{666, 623, 771, 644};
inline constexpr Rect kCancelButton{770, 623, 875, 644};
inline constexpr Rect kWebLink{273, 627, 449, 647};
// The profile chooser at the right of the page header: its caption, its
// drop-down box and the list under it (as tall as its rows, up to the most).
inline constexpr Rect kProfileCaption{470, 68, 636, 88};
inline constexpr Rect kProfileBox{644, 68, 862, 88};
inline constexpr int kProfileListMostRows = 16;
constexpr Rect profileList(int rows) {
    const int shown = rows < kProfileListMostRows ? rows : kProfileListMostRows;
    // As wide as the caption and the box: a profile's row names the
    // applications it is used for too.
    return {kProfileCaption.left, kProfileBox.bottom + 1, kProfileBox.right,
            kProfileBox.bottom + 3 + 16 * (shown < 1 ? 1 : shown)};
}
// The status shown while OK or Apply sends the settings (left of the web link).
inline constexpr Rect kApplyStatusRect{20, 626, 268, 646};
// The caption under the mouse picture of the basic page.
inline constexpr Rect kMouseCaption{30, 560, 220, 590};

// --- basic page ---------------------------------------------------------------
inline constexpr Rect kKeySettingCaption{259, 160, 364, 181};
inline constexpr Rect kReportRateCaption{504, 161, 609, 182};
inline constexpr Rect kDpiSettingCaption{504, 275, 609, 296};
inline constexpr Rect kDpiEffectCaption{704, 275, 809, 296};

inline constexpr int kKeyBoxCount = 8;      // boxes the settings know
inline constexpr int kShownKeyBoxCount = 6; // boxes the page draws and tests
inline constexpr int kKeyBoxPitch = 23;
// Drop-down box n (1-based) and the key list shown under it.
constexpr Rect keyBox(int n) {
    return Rect{252, 199, 463, 220}.translated(0, kKeyBoxPitch * (n - 1));
}
constexpr Rect keyList(int n) {
    return Rect{252, 221, 463, 491}.translated(0, kKeyBoxPitch * (n - 1));
}
inline constexpr int kKeyBoxNumberWidth = 20;
// The button number in the first 20 pixels of a box; the label in the rest,
// short of the box's chevron.
inline constexpr int kKeyBoxChevronWidth = 22;
constexpr Rect keyBoxNumber(const Rect& box) {
    return {box.left, box.top, box.left + kKeyBoxNumberWidth, box.bottom};
}
constexpr Rect keyBoxLabel(const Rect& box) {
    return {box.left + kKeyBoxNumberWidth, box.top, box.right - kKeyBoxChevronWidth, box.bottom};
}
inline constexpr Rect kModeAButton{253, 518, 358, 539};
inline constexpr Rect kModeBButton{357, 518, 462, 539};
inline constexpr Rect kKeyDefaultButton{307, 549, 412, 570};

inline constexpr std::array<Rect, 4> kReportRateSteps = {
    Rect{542, 204, 612, 215}, Rect{614, 204, 684, 215}, Rect{686, 204, 756, 215},
    Rect{758, 204, 828, 215}};
// Label of a report-rate step: top-centred under it.
constexpr Rect reportRateLabel(const Rect& step) {
    return {step.left, step.bottom + 10, step.right, step.bottom + 30};
}

inline constexpr std::array<int, 4> kDpiColumnLeft = {554, 581, 608, 635};
inline constexpr int kDpiColumnWidth = 16;
inline constexpr int kDpiCellPitch = 18;
inline constexpr int kDpiMaxLevels = 12;
// Level cell k (1-based, 1 = bottom) of DPI column s (0-based).
constexpr Rect dpiLevelCell(int s, int k) {
    const int x = kDpiColumnLeft[s];
    return {x, 500 - kDpiCellPitch * (k - 1), x + kDpiColumnWidth, 516 - kDpiCellPitch * (k - 1)};
}
// Level value label of row k: right-aligned left of column 1, ending 10
// pixels before it. Texts are clipped to their rectangles, so the labels of
// the twelve-level table get the same 50 pixels as those of the eight-level
// tables: "4000" is wider than 30 pixels in the Chinese fonts.
constexpr Rect dpiLevelLabel(int k, int /*levelCount*/) {
    const Rect cell = dpiLevelCell(0, k);
    return {494, cell.top, 544, cell.bottom};
}
constexpr Rect dpiStageTick(int s) {
    return {kDpiColumnLeft[s], 541, kDpiColumnLeft[s] + kDpiColumnWidth, 557};
}
constexpr Rect dpiStageNumber(int s) {
    return {kDpiColumnLeft[s], 562, kDpiColumnLeft[s] + kDpiColumnWidth, 587};
}
constexpr Rect dpiSwatch(int s) {
    return {kDpiColumnLeft[s], 523, kDpiColumnLeft[s] + kDpiColumnWidth, 539};
}
// "Color" and "Select": right-aligned, 60 to 10 pixels left of the first
// swatch and the first stage tick.
inline constexpr Rect kColorLabel{494, 523, 544, 539};
inline constexpr Rect kSelectLabel{494, 541, 544, 557};

inline constexpr std::array<Rect, 3> kLightingBoxes = {
    Rect{767, 330, 851, 344}, Rect{767, 360, 851, 374}, Rect{767, 390, 851, 404}};
// Caption of a lighting box: right-aligned, 70 to 10 pixels left of it.
constexpr Rect lightingCaption(const Rect& box) {
    return {box.left - 70, box.top, box.left - 10, box.bottom};
}
constexpr Rect lightingStatus(const Rect& box) {
    return {box.left, box.top, box.right - 16, box.bottom};
}
inline constexpr Rect kLightingModeList{766, 347, 851, 407};
inline constexpr Rect kLightingEffectList{766, 407, 851, 447};
inline constexpr int kLightingParameterListTop = 377;

// --- advanced page --------------------------------------------------------------
inline constexpr Rect kMouseSpeedCaption{38, 160, 143, 181};
inline constexpr Rect kScrollSpeedCaption{38, 310, 143, 331};
inline constexpr Rect kDoubleClickCaption{38, 460, 143, 481};
inline constexpr Rect kMacroSettingCaption{469, 160, 578, 181};
inline constexpr std::array<Rect, 3> kMacroColumnHeadings = {
    Rect{457, 196, 592, 220}, Rect{591, 196, 726, 220}, Rect{725, 196, 875, 220}};

inline constexpr int kSpeedSteps = 11;
inline constexpr int kSpeedStepWidth = 24;
// First tick of the pointer speed, scrolling and double-click rows.
inline constexpr std::array<Rect, 3> kSpeedRowFirstTick = {
    Rect{52, 200, 76, 211}, Rect{52, 350, 76, 361}, Rect{52, 500, 76, 511}};
constexpr Rect speedTick(int row, int i) {
    return kSpeedRowFirstTick[row].translated(kSpeedStepWidth * (i - 1), 0);
}
constexpr Rect speedTickNumber(const Rect& tick) {
    return {tick.left, tick.bottom + 10, tick.right, tick.bottom + 30};
}

inline constexpr Rect kPrecisionBox{51, 255, 67, 271};
inline constexpr Rect kScrollScreenBox{51, 405, 67, 421};
constexpr Rect tickBoxText(const Rect& box) {
    return {box.right + 10, box.top, 408, box.bottom};
}
inline constexpr Rect kPointerDefaultButton{194, 573, 299, 594};

inline constexpr Rect kNewMacroButton{513, 528, 618, 549};
inline constexpr Rect kDeleteMacroButton{617, 528, 722, 549};
inline constexpr Rect kConfirmMacroButton{721, 528, 826, 549};
inline constexpr Rect kStartRecordButton{735, 229, 764, 258};
inline constexpr Rect kStopRecordButton{735, 265, 764, 294};
// Wide enough for most of a 31-character name.
inline constexpr Rect kMacroNameField{736, 322, 868, 336};
inline constexpr Rect kLoopTimesField{736, 362, 799, 376};
inline constexpr Rect kMacroNameList{462, 220, 591, 512};
inline constexpr Rect kEventList{592, 220, 725, 512};
inline constexpr Rect kMouseEventBox{735, 402, 854, 416};
inline constexpr Rect kMouseEventList{734, 419, 854, 569};
// Labels beside the recording controls (the text right of a button, the
// captions above the fields).
constexpr Rect recordButtonText(const Rect& button) {
    return {button.right + 6, button.top, 875, button.bottom};
}
constexpr Rect fieldCaption(const Rect& field) {
    return {field.left, field.top - 20, 875, field.top - 2};
}

} // namespace pelmora::layout
