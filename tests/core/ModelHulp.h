#pragma once

#include "model/ManipuleerConstructie.h"
#include "text/Teksten.h"

#include <string>

namespace kx::test {

// A structure with its text table, driven the way the editor drives it: the hit test at the
// mouse position runs before each press and release.
class Tekenaar {
public:
    Tekenaar() : c(teksten) {}

    Teksten teksten;
    TManipuleerConstructie c;
    TSelectie sel;

    void Wijs(double x, double y) {
        sel.GevondenKnoop = c.ZoekKnoop(x, y);
        sel.GevondenStaaf = -1;
        sel.GevondenBelasting = -1;
    }
    std::string Staaf(double x0, double y0, double x1, double y1) {
        c.VoegStaafToe(sel, 0, x0, y0);
        auto melding = c.VoegStaafToe(sel, 1, x1, y1);
        c.Normaliseer();
        return melding;
    }
    void Verplaats(double x0, double y0, double x1, double y1) {
        Wijs(x0, y0);
        c.VerplaatsKnoop(sel, 0, x0, y0);
        Wijs(x1, y1);
        c.VerplaatsKnoop(sel, 1, x1, y1);
        c.Normaliseer();
    }
    // A load from tail (x0, y0) to head (x1, y1); staaf is the bar under the head, or -1.
    std::string Belasting(double x0, double y0, double x1, double y1, int staaf = -1) {
        c.VoegBelastingToe(sel, 0, x0, y0);
        Wijs(x1, y1);
        sel.GevondenStaaf = staaf;
        auto melding = c.VoegBelastingToe(sel, 1, x1, y1);
        c.Normaliseer();
        return melding;
    }
    void Oplegging(double x, double y, int code) {
        Wijs(x, y);
        c.ZetOplegging(sel, code);
    }
    int AantalStaven() const { return Tel(c.Constructie.Staven); }
    int AantalKnopen() const { return Tel(c.Constructie.Knopen); }
    int AantalBelastingen() const { return Tel(c.Constructie.Belastingen); }

private:
    template <typename T> static int Tel(const T& tabel) {
        int n = 0;
        for (const auto& item : tabel) {
            n += item.Bestaat ? 1 : 0;
        }
        return n;
    }
};

} // namespace kx::test
