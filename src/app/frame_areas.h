#pragma once
// The click areas of the main window's frame, identical on both pages, in the
// order they are tested. Kept as data so the drawing of the frame can use the
// same rectangles.

#include <array>
#include <optional>

namespace pelmora {

// Client pixels; the left and top edges belong to the rectangle, the right
// and bottom edges do not.
struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
};

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
    ClientRect rect;
};

inline constexpr std::array<FrameArea, 9> kFrameAreas{{
    {FrameAction::Ok, {562, 623, 667, 644}},
    {FrameAction::Apply, {666, 623, 771, 644}},
    {FrameAction::Skins, {701, 5, 719, 23}},
    {FrameAction::Minimise, {825, 5, 843, 23}},
    {FrameAction::Close, {850, 5, 868, 23}},
    {FrameAction::BasicTab, {20, 58, 60, 98}},
    {FrameAction::AdvancedTab, {70, 58, 110, 98}},
    {FrameAction::Cancel, {770, 623, 875, 644}},
    {FrameAction::WebLink, {273, 627, 449, 647}},
}};

// The page title sits beside the tabs.
inline constexpr ClientRect kPageTitleRect{120, 58, 352, 98};

// The first area that contains the point, in table order.
constexpr std::optional<FrameAction> frameActionAt(int x, int y) {
    for (const FrameArea& area : kFrameAreas) {
        if (area.rect.contains(x, y)) {
            return area.action;
        }
    }
    return std::nullopt;
}

constexpr ClientRect frameRect(FrameAction action) {
    for (const FrameArea& area : kFrameAreas) {
        if (area.action == action) {
            return area.rect;
        }
    }
    return {};
}

} // namespace pelmora
