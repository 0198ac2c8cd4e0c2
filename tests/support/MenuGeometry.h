#pragma once

// How FLTK 1.3 lays out a menu bar and its drop-down lists, for the display tests that click on
// them where a person would. The one place that knows it: an FLTK that lays menus out otherwise is
// mended here.

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace menu_geometry {

// The bar's first item starts this far in; each item is as wide as its label (glyph and text)
// plus this padding, half on each side, so two items' labels stand at least the padding apart.
constexpr int kBarFirstItemX = 6;
constexpr int kBarItemPadding = 16;
// A drop-down list's rows are as tall as its tallest entry plus this much.
constexpr int kListRowPadding = 4;

struct Point {
    int x, y;
};

// The centre of the bar's item `index`, in the coordinates of the window the bar stands in.
inline Point BarItemCentre(const Fl_Menu_Bar& bar, std::size_t index) {
    int x = bar.x() + kBarFirstItemX;
    const Fl_Menu_Item* m = bar.menu();
    for (std::size_t i = 0; i < index; ++i, m = m->next()) x += m->measure(nullptr, &bar) + kBarItemPadding;
    const int w = m->measure(nullptr, &bar) + kBarItemPadding;
    return {x + w / 2, bar.y() + bar.h() / 2};
}

// The middle of row `index` of an open drop-down list of `entries`, 40 pixels in from its left
// edge, in the list's coordinates: the rows lie under a border of equal width at the top and at
// the bottom.
inline Point ListRowCentre(const Fl_Window& list, const Fl_Menu_Bar& bar, const std::vector<const Fl_Menu_Item*>& entries,
                           std::size_t index) {
    int row = 0;
    for (const Fl_Menu_Item* m : entries) {
        int h = 0;
        m->measure(&h, &bar);
        row = std::max(row, h + kListRowPadding);
    }
    const int n = static_cast<int>(entries.size());
    const int border = (list.h() - (row * n - kListRowPadding) - 3) / 2;
    return {40, border + 1 + static_cast<int>(index) * row + (row - kListRowPadding) / 2};
}

}  // namespace menu_geometry
