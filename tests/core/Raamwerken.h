#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <vector>

namespace kx::test {

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
    int Staaf(int a, int b, double mp = 50.0) {
        Slot(c.Staven, staven_) = {a, b, mp, true};
        return staven_++;
    }
    // A chain of bars through the given nodes.
    void Keten(const std::vector<int>& knopen, double mp = 50.0) {
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

// Textbook frames with their collapse loads worked by hand, Mp = 50 kNm.
struct TLeerboekRaamwerk {
    const char* Naam;
    TConstructie Constructie;
    double Bezwijklast;
};

inline std::vector<TLeerboekRaamwerk> LeerboekRaamwerken() {
    std::vector<TLeerboekRaamwerk> raamwerken;
    {
        // Fixed-ended beam of 6 m, load at mid-span: 8 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Inklemming);
        const int m = b.Knoop(3, 0);
        const int e = b.Knoop(6, 0, Inklemming);
        b.Keten({a, m, e});
        b.Last(m, 0, 1);
        raamwerken.push_back({"ingeklemde balk, midden", b.c, 8 * 50.0 / 6});
    }
    {
        // The same beam of three bars, load at 4 m: 2 Mp L / (a b).
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Inklemming);
        const int p = b.Knoop(2, 0);
        const int q = b.Knoop(4, 0);
        const int e = b.Knoop(6, 0, Inklemming);
        b.Keten({a, p, q, e});
        b.Last(q, 0, 1);
        raamwerken.push_back({"ingeklemde balk, op 4 van 6 m", b.c, 2 * 50.0 * 6 / (4 * 2)});
    }
    {
        // Fixed-ended beam of 6 m, load at 2 m (L/3): 2 Mp L / (a b) = 9 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Inklemming);
        const int p = b.Knoop(2, 0);
        const int e = b.Knoop(6, 0, Inklemming);
        b.Keten({a, p, e});
        b.Last(p, 0, 1);
        raamwerken.push_back({"ingeklemde balk, op L/3", b.c, 9 * 50.0 / 6});
    }
    {
        // Simply supported beam on two pins, 6 m, load at mid-span: 4 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Scharnierend);
        const int m = b.Knoop(3, 0);
        const int e = b.Knoop(6, 0, Scharnierend);
        b.Keten({a, m, e});
        b.Last(m, 0, 1);
        raamwerken.push_back({"balk op twee scharnieren", b.c, 4 * 50.0 / 6});
    }
    {
        // Propped cantilever of 6 m, load at mid-span: 6 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Inklemming);
        const int m = b.Knoop(3, 0);
        const int e = b.Knoop(6, 0, RolHorizontaal);
        b.Keten({a, m, e});
        b.Last(m, 0, 1);
        raamwerken.push_back({"eenzijdig ingeklemde balk", b.c, 6 * 50.0 / 6});
    }
    {
        // Beam with an overhang: pin at 0, roller at 6 where the beam runs on, free end at 8
        // carrying the load: the overhang turns about a hinge over the roller, F 2 = Mp.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Scharnierend);
        const int m = b.Knoop(3, 0);
        const int r = b.Knoop(6, 0, RolHorizontaal);
        const int e = b.Knoop(8, 0);
        b.Verbinding(r, VasteVerbinding);
        b.Keten({a, m, r, e});
        b.Last(e, 0, 1);
        raamwerken.push_back({"balk met overstek", b.c, 50.0 / 2});
    }
    {
        // Continuous beam of two spans of 6 m, pin and rollers, load 1 at each mid-span: each
        // span collapses as a propped cantilever, 6 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Scharnierend);
        const int m1 = b.Knoop(3, 0);
        const int s = b.Knoop(6, 0, RolHorizontaal);
        const int m2 = b.Knoop(9, 0);
        const int e = b.Knoop(12, 0, RolHorizontaal);
        b.Verbinding(s, VasteVerbinding);
        b.Keten({a, m1, s, m2, e});
        b.Last(m1, 0, 1);
        b.Last(m2, 0, 1);
        raamwerken.push_back({"doorgaande balk, twee velden", b.c, 6 * 50.0 / 6});
    }
    {
        // Three spans of 6 m, load 1 at each mid-span: the end spans collapse first, 6 Mp / L
        // (the middle span alone would need 8 Mp / L).
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Scharnierend);
        const int m1 = b.Knoop(3, 0);
        const int s1 = b.Knoop(6, 0, RolHorizontaal);
        const int m2 = b.Knoop(9, 0);
        const int s2 = b.Knoop(12, 0, RolHorizontaal);
        const int m3 = b.Knoop(15, 0);
        const int e = b.Knoop(18, 0, RolHorizontaal);
        b.Verbinding(s1, VasteVerbinding);
        b.Verbinding(s2, VasteVerbinding);
        b.Keten({a, m1, s1, m2, s2, m3, e});
        b.Last(m1, 0, 1);
        b.Last(m2, 0, 1);
        b.Last(m3, 0, 1);
        raamwerken.push_back({"doorgaande balk, drie velden", b.c, 6 * 50.0 / 6});
    }
    {
        // Portal with clamped feet, 4 m high, 6 m wide, F across at the top and F down at
        // mid-span: beam 8 Mp / L = 66.7, sway 4 Mp / h = 50, combined 6 Mp / (h + L/2) = 42.86.
        TRaamwerkBouwer b;
        const int v1 = b.Knoop(0, 4, Inklemming);
        const int t1 = b.Knoop(0, 0);
        const int m = b.Knoop(3, 0);
        const int t2 = b.Knoop(6, 0);
        const int v2 = b.Knoop(6, 4, Inklemming);
        b.Keten({v1, t1, m, t2, v2});
        b.Last(t1, 1, 0);
        b.Last(m, 0, 1);
        raamwerken.push_back({"portaal, ingeklemd", b.c, 6 * 50.0 / 7});
    }
    {
        // The same portal on a clamp whose connection is hinged: a pin. Sway 2 Mp / h = 25,
        // beam 66.7, combined 4 Mp / (h + L/2) = 28.57: sway governs.
        TRaamwerkBouwer b;
        const int v1 = b.Knoop(0, 4, Inklemming);
        const int t1 = b.Knoop(0, 0);
        const int m = b.Knoop(3, 0);
        const int t2 = b.Knoop(6, 0);
        const int v2 = b.Knoop(6, 4, Inklemming);
        b.Verbinding(v1, ScharnierendeVerbinding);
        b.Verbinding(v2, ScharnierendeVerbinding);
        b.Keten({v1, t1, m, t2, v2});
        b.Last(t1, 1, 0);
        b.Last(m, 0, 1);
        raamwerken.push_back({"portaal, inklemmingen scharnierend verbonden", b.c, 2 * 50.0 / 4});
    }
    {
        // A clamp at 0 and a roller with a rigid connection at 4 m, load at mid-span: the roller
        // holds no moment, so this is a propped cantilever, 6 Mp / L.
        TRaamwerkBouwer b;
        const int a = b.Knoop(0, 0, Inklemming);
        const int m = b.Knoop(2, 0);
        const int r = b.Knoop(4, 0, RolHorizontaal);
        b.Verbinding(r, VasteVerbinding);
        b.Keten({a, m, r});
        b.Last(m, 0, 1);
        raamwerken.push_back({"rol met vaste verbinding", b.c, 6 * 50.0 / 4});
    }
    {
        // Two-bay portal, clamped feet, 4 m high, bays of 6 m, F across at the top left and F
        // down at both mid-spans. Beams 4 Mp / 3 = 66.7 each, sway 6 Mp / 4 = 75; sway with both
        // beams turns the feet theta, the mid-spans, the left beam's end at the middle joint and
        // the right top 2 theta: 11 Mp theta = F (4 + 3 + 3) theta, 55.
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
        b.Staaf(t2, v2);
        b.Last(t1, 1, 0);
        b.Last(m1, 0, 1);
        b.Last(m2, 0, 1);
        raamwerken.push_back({"portaal met twee velden", b.c, 11 * 50.0 / 10});
    }
    {
        // The same two-bay portal with a weak middle column (Mp 10) and only the left beam
        // loaded: the beam turns at its own end of the middle joint, not at the column's, which
        // would take the column and the right beam along (10 + 50 > 50): 4 Mp / 3.
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
        b.Staaf(t2, v2, 10.0);
        b.Last(m1, 0, 1);
        raamwerken.push_back({"portaal met twee velden, slappe middenkolom", b.c, 4 * 50.0 / 3});
    }
    return raamwerken;
}

} // namespace kx::test
