#pragma once

// What a person sees of an open popup menu, read from its pixels: its rows of text from the top,
// each black or greyed, and the lines that part them. Nothing here knows FLTK's sizes: the rows and
// lines are found where the pixels differ from the menu's ground.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "XScreen.h"

namespace menu_rows {

struct Row {
    int top = 0, bottom = 0;  // the first and last line of pixels the row's text covers
    bool greyed = false;      // no black pixel in its text
    int CentreY() const { return (top + bottom) / 2; }
    int Height() const { return bottom - top + 1; }
};

struct Menu {
    int width = 0, height = 0;
    std::vector<Row> rows;
    // The rows and parting lines from the top: 'A' a row that can act, 'g' a greyed one, '|' a line.
    std::string shape;
};

inline bool Dark(std::uint32_t c) { return ((c >> 16) & 0xff) < 64 && ((c >> 8) & 0xff) < 64 && (c & 0xff) < 64; }

inline Menu Read(const x_screen::Pixels& p) {
    Menu menu{p.width, p.height, {}, {}};
    if (p.rgb.empty()) return menu;
    // The ground is the colour most pixels have.
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t c : p.rgb) ++counts[c];
    const std::uint32_t ground =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    // The frame: as many columns at each side as the row with the fewest has off the ground.
    int frame = p.width / 2;
    for (int y = 0; y < p.height; ++y) {
        int x = 0;
        while (x < p.width / 2 && p.At(x, y) != ground) ++x;
        frame = std::min(frame, x);
    }
    const int inner = p.width - 2 * frame;
    enum class Kind { Ground, Line, Text };
    auto kindOf = [&](int y) {
        int off = 0;
        for (int x = frame; x < p.width - frame; ++x) off += p.At(x, y) != ground;
        if (off == 0) return Kind::Ground;
        return off * 10 >= inner * 8 ? Kind::Line : Kind::Text;  // a line crosses the menu; text never does
    };
    char last = ' ';
    for (int y = frame; y < p.height - frame; ++y) {
        const Kind kind = kindOf(y);
        if (kind == Kind::Text) {
            if (last != 'T') menu.rows.push_back({y, y, true});
            Row& row = menu.rows.back();
            row.bottom = y;
            for (int x = frame; x < p.width - frame; ++x) row.greyed = row.greyed && !Dark(p.At(x, y));
            last = 'T';
        } else if (kind == Kind::Line) {
            // A line counts between rows only: the frame's edges are not parting lines.
            if (last != 'L' && !menu.rows.empty()) menu.shape += '|';
            last = 'L';
        } else {
            if (last == 'T') menu.shape += menu.rows.back().greyed ? 'g' : 'A';
            last = 'G';
        }
    }
    if (last == 'T') menu.shape += menu.rows.back().greyed ? 'g' : 'A';
    // A line after the last row is the frame's lower edge.
    while (!menu.shape.empty() && menu.shape.back() == '|') menu.shape.pop_back();
    return menu;
}

}  // namespace menu_rows
