#pragma once

#include <QRect>

// Where the letter tiles sit: the 27 tiles of A..Z and the space in five columns of 28
// pixels as ever, and when letters beyond A..Z join them, all in smaller tiles, as large as
// the corner under the used letters still holds them all.
namespace tilegrid {

struct Layout {
    int side = 28;
    int columns = 5;
};

// The corner of the board the grid fills.
constexpr QRect kArea(7, 140, 140, 168);

inline Layout layoutFor(int tiles) {
    for (const int side : {28, 23, 20, 17, 15}) {
        const Layout layout{side, kArea.width() / side};
        if (layout.columns * (kArea.height() / side) >= tiles) {
            return layout;
        }
    }
    return {14, kArea.width() / 14};
}

// The columns of a grid whose tiles have this side.
inline int columnsOf(int side) {
    return side > 0 ? kArea.width() / side : 1;
}

// Tile 1.. of a layout.
inline QRect cell(const Layout& layout, int tile) {
    return {kArea.x() + layout.side * ((tile - 1) % layout.columns),
            kArea.y() + layout.side * ((tile - 1) / layout.columns), layout.side, layout.side};
}

}  // namespace tilegrid
