#pragma once
// The click areas of the main window's frame, identical on both pages, in the
// order they are tested. Kept as data beside the layout so that the drawing
// of the frame and the click test use the same rectangles.

#include "ui/pages/page_layout.h"
#include "ui/skin/rect.h"

#include <array>
#include <optional>

namespace pelmora {

enum class FrameAction {
    Ok,
    Apply,
    Skins,
    Minimise,
    Close,
    BasicTab,
    AdvancedTab,
    Cancel,
    WebLink,
};

struct FrameArea {
    FrameAction action;
    Rect rect;
};

inline constexpr std::array<FrameArea, 9> kFrameAreas{{
    {FrameAction::Ok, layout::kOkButton},
    {FrameAction::Apply, layout::kApplyButton},
    {FrameAction::Skins, layout::kSkinsButton},
    {FrameAction::Minimise, layout::kMinimiseButton},
    {FrameAction::Close, layout::kCloseButton},
    {FrameAction::BasicTab, layout::kBasicTab},
    {FrameAction::AdvancedTab, layout::kAdvancedTab},
    {FrameAction::Cancel, layout::kCancelButton},
    {FrameAction::WebLink, layout::kWebLink},
}};

// The first area that contains the point, in table order (OK and Apply, and
// Apply and Cancel, share a column of pixels; the earlier one takes it).
constexpr std::optional<FrameAction> frameActionAt(int x, int y) {
    for (const FrameArea& area : kFrameAreas) {
        if (area.rect.contains(x, y)) {
            return area.action;
        }
    }
    return std::nullopt;
}

constexpr Rect frameRect(FrameAction action) {
    for (const FrameArea& area : kFrameAreas) {
        if (area.action == action) {
            return area.rect;
        }
    }
    return {};
}

} // namespace pelmora
