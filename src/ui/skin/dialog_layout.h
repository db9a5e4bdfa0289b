#pragma once
// Layout shared by the modal dialogs, in client pixels: the three buttons of
// every dialog and the fields of each one. Dialogs test their areas with
// these numbers and the skin generator paints their backgrounds from them.

#include "ui/skin/rect.h"

namespace pelmora::dialog_layout {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 290;

inline constexpr Rect kCloseButton{352, 6, 370, 24};
// The title in the bar, and the panel the fields sit on.
inline constexpr Rect kTitleText{22, 0, 340, 30};
inline constexpr int kPanelLeft = 12;
inline constexpr int kPanelRight = kWidth - 12;
// The combo key dialog's hint, right of its fields, and under it how to end
// the key dialogs without a mouse.
inline constexpr Rect kComboHint{160, 106, 370, 146};
inline constexpr Rect kComboHoldKeysHint{160, 150, 370, 190};
inline constexpr Rect kOkButton{166, 253, 271, 274};
inline constexpr Rect kCancelButton{270, 253, 375, 274};

// Single key and delay dialogs: one centred field.
inline constexpr Rect kSingleKeyPrompt{23, 108, 201, 124};
inline constexpr Rect kCenteredField{74, 129, 150, 143};
inline constexpr Rect kSingleHoldKeysHint{23, 152, 370, 188};
inline constexpr Rect kDelayPrompt{14, 89, 210, 109};
inline constexpr Rect kDelayRange{14, 109, 210, 129};

// The key dialogs' note on keys the desktop may keep, above OK and Cancel.
inline constexpr Rect kDesktopKeysNote{22, 196, 380, 240};

// Combo key and fire key dialogs: a drop-down header and two fields.
inline constexpr Rect kUpperHeader{50, 70, 132, 84};
inline constexpr Rect kUpperDisplay{50, 70, 116, 84};
inline constexpr Rect kFirstField{50, 120, 131, 134};
inline constexpr Rect kSecondField{50, 170, 131, 184};
inline constexpr Rect kComboModifierList{50, 86, 132, 226};
inline constexpr Rect kFireKeyList{50, 86, 132, 256};
inline constexpr Rect kFireSpeedCaption{10, 100, 171, 120};
inline constexpr Rect kFireTimesCaption{10, 150, 171, 170};

// Multimedia, launch, macro key and skins dialogs: one drop-down.
inline constexpr Rect kChoiceHeader{43, 129, 151, 143};
inline constexpr Rect kChoiceDisplay{43, 129, 135, 143};
inline constexpr Rect kMacroLoopTick1{220, 78, 236, 94};
inline constexpr Rect kMacroLoopTick2{220, 128, 236, 144};
inline constexpr Rect kMacroLoopTick3{220, 178, 236, 194};
inline constexpr Rect kSkinColourBox{42, 94, 151, 110};
inline constexpr Rect kSkinHeader{42, 128, 151, 142};

// Header band above a field or drop-down, where a dialog's picture carries
// its caption.
constexpr Rect captionAbove(const Rect& r, int widen = 30) {
    return {r.left - widen, r.top - 20, r.right + widen, r.top - 2};
}

} // namespace pelmora::dialog_layout
