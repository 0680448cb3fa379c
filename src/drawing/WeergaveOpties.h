#pragma once

#include <array>

namespace kx {

// Positions in TWeergaveOpties, one per check box of the side panel.
enum TWeergaveOptie : int {
    woTekenKnopen = 0,
    woTekenStaven = 1,
    woTekenBelastingen = 2,
    woTekenGrid = 3,
    woTekenAssenstelsel = 4,
    woStatOnbep = 5,
    woUitlegStatOnbep = 6,
    woMogBezwMech = 7,
    woUitlegMogBezwMech = 8,
    woVirtArbVgl = 9,
    woUitlegVirtArbVgl = 10,
    woBezwijklast = 11,
    woUitlegBezwijklast = 12,
    woMomentenlijn = 13,
    woUitlegMomentenlijn = 14,
    woOplegreacties = 15,
    woUitlegOplegreacties = 16,
    woMechanismeTabel = 17,
};

// What the analysis windows show: eighteen flags addressed by number, all on at start-up.
struct TWeergaveOpties {
    static constexpr int Aantal = 18;

    std::array<bool, Aantal> Vlaggen = [] {
        std::array<bool, Aantal> alle{};
        alle.fill(true);
        return alle;
    }();

    bool operator[](int i) const { return Vlaggen.at(static_cast<std::size_t>(i)); }
    bool& operator[](int i) { return Vlaggen.at(static_cast<std::size_t>(i)); }

    bool operator==(const TWeergaveOpties&) const = default;
};

} // namespace kx
