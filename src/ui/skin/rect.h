#pragma once
// A client-area rectangle in pixels. It holds its left and top edges and not
// its right and bottom edges. Plain data, so layout tables and the skin
// generator can share it without any window library.

namespace pelmora {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(int x, int y) const {
        return left <= x && x < right && top <= y && y < bottom;
    }
    constexpr Rect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr bool operator==(const Rect&) const = default;
};

} // namespace pelmora
