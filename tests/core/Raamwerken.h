#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <vector>

namespace kx::test {

// The plastic moment of the bars built here unless told otherwise (kNm).
inline constexpr double Mp = 50.0;

// Slot i of a table, which grows as the editor's tables do.
template <typename Tabel> auto& Slot(Tabel& tabel, int i) {
    if (static_cast<std::size_t>(i) >= tabel.size()) {
        tabel.resize(static_cast<std::size_t>(i) + 1);
    }
    return tabel[static_cast<std::size_t>(i)];
}

// Builds a frame slot by slot, with coordinates in metres and y pointing down as drawn; every
// node rigid unless a support or a hinge is set.
class TRaamwerkBouwer {
public:
    int Knoop(double x, double y, std::int32_t oplegging = GeenOplegging) {
        auto& k = Slot(c.Knopen, knopen_);
        k = {x, y, oplegging, true, VasteVerbinding, 0.0};
        // A support at the end of a bar, as the editor sets it: hinged except a clamp.
        if (oplegging != GeenOplegging && oplegging != Inklemming) {
            k.Vrijheid = ScharnierendeVerbinding;
        }
        return knopen_++;
    }
    int Staaf(int a, int b, double mp = Mp) {
        Slot(c.Staven, staven_) = {a, b, mp, true};
        return staven_++;
    }
    // A chain of bars through the given nodes.
    void Keten(const std::vector<int>& knopen, double mp = Mp) {
        for (std::size_t i = 1; i < knopen.size(); ++i) {
            Staaf(knopen[i - 1], knopen[i], mp);
        }
    }
    // A load of fx, fy units (y down) at a node.
    void Last(int knoop, double fx, double fy) {
        Slot(c.Belastingen, lasten_++) = {knoop, fx, fy, true};
    }
    void Verbinding(int knoop, std::int32_t code) {
        c.Knopen[static_cast<std::size_t>(knoop)].Vrijheid = code;
    }

    TConstructie c;

private:
    int knopen_ = 0;
    int staven_ = 0;
    int lasten_ = 0;
};

// A building frame of the given storeys (4 m) and bays (6 m) with clamped feet, Mp 50 kNm: at
// every floor F across at the left and F down at every mid-span.
inline TConstructie Gebouw(int verdiepingen, int velden) {
    TRaamwerkBouwer b;
    std::vector<int> onder;
    for (int k = 0; k <= velden; ++k) {
        onder.push_back(b.Knoop(6.0 * k, 0.0, Inklemming));
    }
    for (int v = 1; v <= verdiepingen; ++v) {
        std::vector<int> boven;
        for (int k = 0; k <= velden; ++k) {
            boven.push_back(b.Knoop(6.0 * k, -4.0 * v));
            b.Staaf(onder[static_cast<std::size_t>(k)], boven.back());
        }
        b.Last(boven.front(), 1, 0);
        for (int k = 0; k < velden; ++k) {
            const int midden = b.Knoop(6.0 * k + 3.0, -4.0 * v);
            b.Keten({boven[static_cast<std::size_t>(k)], midden,
                     boven[static_cast<std::size_t>(k) + 1]});
            b.Last(midden, 0, 1);
        }
        onder = boven;
    }
    return b.c;
}

// A straight beam along y = 0 through nodes at (x, support code), a load of 1 down at each node
// of belast. A support inside the beam lets the beam run on rigidly, as a continuous beam does.
inline TConstructie Ligger(const std::vector<std::pair<double, std::int32_t>>& knopen,
                           const std::vector<int>& belast) {
    TRaamwerkBouwer b;
    std::vector<int> keten;
    for (std::size_t i = 0; i < knopen.size(); ++i) {
        keten.push_back(b.Knoop(knopen[i].first, 0, knopen[i].second));
        if (i > 0 && i + 1 < knopen.size()) {
            b.Verbinding(keten.back(), VasteVerbinding);
        }
    }
    b.Keten(keten);
    for (const int k : belast) {
        b.Last(keten[static_cast<std::size_t>(k)], 0, 1);
    }
    return b.c;
}

// A triangle of hinged bars 4 m wide and 2 m high on a pin and a roller, F down at the top: it
// stands, but has no place for a plastic hinge.
inline TConstructie Vakwerk() {
    TRaamwerkBouwer b;
    const int p = b.Knoop(0, 0, Scharnierend);
    const int q = b.Knoop(4, 0, RolHorizontaal);
    const int top = b.Knoop(2, -2);
    b.Verbinding(top, ScharnierendeVerbinding);
    b.Keten({p, q, top, p});
    b.Last(top, 0, 1);
    return b.c;
}

// A portal 4 m high and 6 m wide on clamps with the given connection, F across at the top left
// and F down at mid-span.
inline TConstructie Portaal(std::int32_t voetverbinding) {
    TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 4, Inklemming);
    const int t1 = b.Knoop(0, 0);
    const int m = b.Knoop(3, 0);
    const int t2 = b.Knoop(6, 0);
    const int v2 = b.Knoop(6, 4, Inklemming);
    b.Verbinding(v1, voetverbinding);
    b.Verbinding(v2, voetverbinding);
    b.Keten({v1, t1, m, t2, v2});
    b.Last(t1, 1, 0);
    b.Last(m, 0, 1);
    return b.c;
}

// A portal of two bays of 6 m, 4 m high, on clamped feet, its middle column of Mp mpMidden: F
// down at the left mid-span and, with alleLasten, F across at the top left and F down at the
// right mid-span too.
inline TConstructie TweeveldsPortaal(double mpMidden, bool alleLasten) {
    TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 4, Inklemming);
    const int t1 = b.Knoop(0, 0);
    const int m1 = b.Knoop(3, 0);
    const int t2 = b.Knoop(6, 0);
    const int v2 = b.Knoop(6, 4, Inklemming);
    const int m2 = b.Knoop(9, 0);
    const int t3 = b.Knoop(12, 0);
    const int v3 = b.Knoop(12, 4, Inklemming);
    b.Keten({v1, t1, m1, t2, m2, t3, v3});
    b.Staaf(t2, v2, mpMidden);
    b.Last(m1, 0, 1);
    if (alleLasten) {
        b.Last(t1, 1, 0);
        b.Last(m2, 0, 1);
    }
    return b.c;
}

// A textbook frame with its collapse load worked by hand.
struct TLeerboekRaamwerk {
    const char* Naam;
    TConstructie Constructie;
    double Bezwijklast;
};

// Textbook frames with their collapse loads worked by hand, Mp = 50 kNm.
inline std::vector<TLeerboekRaamwerk> LeerboekRaamwerken() {
    // A clamp at 0 and a roller with a rigid connection at 4 m: the roller holds no moment.
    TConstructie rolVast = Ligger({{0, Inklemming}, {2, GeenOplegging}, {4, RolHorizontaal}}, {1});
    rolVast.Knopen[2].Vrijheid = VasteVerbinding;
    return {
        // Fixed-ended beam of 6 m, load at mid-span: 8 Mp / L.
        {"ingeklemde balk, midden",
         Ligger({{0, Inklemming}, {3, GeenOplegging}, {6, Inklemming}}, {1}), 8 * Mp / 6},
        // The same beam of three bars, load at 4 m: 2 Mp L / (a b).
        {"ingeklemde balk, op 4 van 6 m",
         Ligger({{0, Inklemming}, {2, GeenOplegging}, {4, GeenOplegging}, {6, Inklemming}}, {2}),
         2 * Mp * 6 / (4 * 2)},
        // Fixed-ended beam of 6 m, load at 2 m (L/3): 2 Mp L / (a b) = 9 Mp / L.
        {"ingeklemde balk, op L/3",
         Ligger({{0, Inklemming}, {2, GeenOplegging}, {6, Inklemming}}, {1}), 9 * Mp / 6},
        // Simply supported beam on two pins, 6 m, load at mid-span: 4 Mp / L.
        {"balk op twee scharnieren",
         Ligger({{0, Scharnierend}, {3, GeenOplegging}, {6, Scharnierend}}, {1}), 4 * Mp / 6},
        // Propped cantilever of 6 m, load at mid-span: 6 Mp / L.
        {"eenzijdig ingeklemde balk",
         Ligger({{0, Inklemming}, {3, GeenOplegging}, {6, RolHorizontaal}}, {1}), 6 * Mp / 6},
        // Pin at 0, roller at 6 where the beam runs on, free end at 8 carrying the load: the
        // overhang turns about a hinge over the roller, F 2 = Mp.
        {"balk met overstek",
         Ligger({{0, Scharnierend}, {3, GeenOplegging}, {6, RolHorizontaal}, {8, GeenOplegging}},
                {3}),
         Mp / 2},
        // Two spans of 6 m, load 1 at each mid-span: each span collapses as a propped
        // cantilever, 6 Mp / L.
        {"doorgaande balk, twee velden",
         Ligger({{0, Scharnierend},
                 {3, GeenOplegging},
                 {6, RolHorizontaal},
                 {9, GeenOplegging},
                 {12, RolHorizontaal}},
                {1, 3}),
         6 * Mp / 6},
        // Three spans: the end spans collapse first, 6 Mp / L (the middle one would need 8 Mp / L).
        {"doorgaande balk, drie velden",
         Ligger({{0, Scharnierend},
                 {3, GeenOplegging},
                 {6, RolHorizontaal},
                 {9, GeenOplegging},
                 {12, RolHorizontaal},
                 {15, GeenOplegging},
                 {18, RolHorizontaal}},
                {1, 3, 5}),
         6 * Mp / 6},
        // Clamped feet: beam 8 Mp / L = 66.7, sway 4 Mp / h = 50, combined 6 Mp / (h + L/2).
        {"portaal, ingeklemd", Portaal(VasteVerbinding), 6 * Mp / 7},
        // Clamps with a hinged connection are pins: sway 2 Mp / h = 25 governs (beam 66.7,
        // combined 4 Mp / (h + L/2) = 28.57).
        {"portaal, inklemmingen scharnierend verbonden", Portaal(ScharnierendeVerbinding),
         2 * Mp / 4},
        // The rigidly connected roller makes a propped cantilever, 6 Mp / L.
        {"rol met vaste verbinding", rolVast, 6 * Mp / 4},
        // Beams 4 Mp / 3 = 66.7 each, sway 6 Mp / 4 = 75; sway with both beams turns the feet
        // theta, the mid-spans, the left beam's end at the middle joint and the right top
        // 2 theta: 11 Mp theta = F (4 + 3 + 3) theta, 55.
        {"portaal met twee velden", TweeveldsPortaal(Mp, true), 11 * Mp / 10},
        // A weak middle column (Mp 10) and only the left beam loaded: the beam turns at its own
        // end of the middle joint, not at the column's, which would take the column and the
        // right beam along (10 + 50 > 50): 4 Mp / 3.
        {"portaal met twee velden, slappe middenkolom", TweeveldsPortaal(10.0, false), 4 * Mp / 3},
    };
}

} // namespace kx::test
