#pragma once

#include <array>
#include <cstdint>

namespace kx {

// A rectangle in pixels, kept in doubles; drawing truncates toward zero only at the last moment.
struct TRechthoek {
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;

    // Bounds included.
    bool Bevat(double x, double y) const {
        return Left <= x && x <= Right && Top <= y && y <= Bottom;
    }
};

// The area a window hands to its view: (0, 0, width, height) in; the view sets Right and Bottom to
// the size its picture needs.
using Weergavegebied = TRechthoek;

inline constexpr std::int32_t GeenDoel = -999;

// A clickable region; a negative Doel marks it inactive.
struct TKlikgebied : TRechthoek {
    std::int32_t Doel = GeenDoel;
};

// 0-15 mechanism cells, 16 previous page, 17 next page (mechanism view); 18 virtual work view;
// 19 first page, 20 last page and from 21 on the page numbers to jump to (mechanism view).
inline constexpr int KlikVorige = 16;
inline constexpr int KlikVolgende = 17;
inline constexpr int KlikArbeid = 18;
inline constexpr int KlikEerste = 19;
inline constexpr int KlikLaatste = 20;
inline constexpr int KlikPaginaNummer = 21;
inline constexpr int AantalPaginaNummers = 7;

using Klikgebieden = std::array<TKlikgebied, KlikPaginaNummer + AantalPaginaNummers>;

// Whether region i belongs to the mechanism view: every one but the virtual work view's.
inline constexpr bool IsMechanismeGebied(int i) {
    return i != KlikArbeid;
}

// Index of the first active region of the mechanism view that contains the point, or -1.
inline int ZoekKlikgebied(const Klikgebieden& gebieden, double x, double y) {
    for (int i = 0; i < static_cast<int>(gebieden.size()); ++i) {
        const TKlikgebied& g = gebieden[static_cast<std::size_t>(i)];
        if (IsMechanismeGebied(i) && g.Doel >= 0 && g.Bevat(x, y)) {
            return i;
        }
    }
    return -1;
}

} // namespace kx
