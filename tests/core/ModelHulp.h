#pragma once

#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/Teksten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace kx::test {

// A structure with its text table, driven the way the editor drives it: the hit test at the
// mouse position runs before each press and release.
class Tekenaar {
public:
    Teksten teksten;
    TConstructie c;
    TSelectie sel;

    void Wijs(double x, double y) {
        sel.GevondenKnoop = ZoekKnoop(c, x, y);
        sel.GevondenStaaf = -1;
        sel.GevondenBelasting = -1;
    }
    std::string Staaf(double x0, double y0, double x1, double y1) {
        VoegStaafToe(c, sel, 0, x0, y0, teksten);
        auto melding = VoegStaafToe(c, sel, 1, x1, y1, teksten);
        Normaliseer(c);
        return melding;
    }
    void Verplaats(double x0, double y0, double x1, double y1) {
        Wijs(x0, y0);
        VerplaatsKnoop(c, sel, 0, x0, y0);
        Wijs(x1, y1);
        VerplaatsKnoop(c, sel, 1, x1, y1);
        Normaliseer(c);
    }
    // A load from tail (x0, y0) to head (x1, y1); staaf is the bar under the head, or -1.
    std::string Belasting(double x0, double y0, double x1, double y1, int staaf = -1) {
        VoegBelastingToe(c, sel, 0, x0, y0, teksten);
        Wijs(x1, y1);
        sel.GevondenStaaf = staaf;
        auto melding = VoegBelastingToe(c, sel, 1, x1, y1, teksten);
        Normaliseer(c);
        return melding;
    }
    void Oplegging(double x, double y, int code) {
        Wijs(x, y);
        ZetOplegging(c, sel, code);
    }
    int AantalStaven() const { return Tel(c.Staven); }
    int AantalKnopen() const { return Tel(c.Knopen); }
    int AantalBelastingen() const { return Tel(c.Belastingen); }

private:
    template <typename T> static int Tel(const T& tabel) {
        int n = 0;
        for (const auto& item : tabel) {
            n += item.Bestaat ? 1 : 0;
        }
        return n;
    }
};

// Draws random frames through the editing operations, the way a student would with the mouse.
class Student {
public:
    explicit Student(unsigned zaad) : rng_(zaad) {}

    TConstructie Teken() {
        Tekenaar t;
        TekenKetting(t, Getal(1, 7));
        ZetOpleggingen(t);
        for (std::size_t k = 1; k + 1 < punten_.size(); ++k) {
            if (Kans(0.15)) {
                t.Wijs(punten_[k].x, punten_[k].y);
                ZetVerbinding(t.c, t.sel, ScharnierendeVerbinding);
            }
        }
        for (int b = 0; b < AantalStaafSlots; ++b) {
            if (t.c.Staven[b].Bestaat && Kans(0.3)) {
                t.sel.GevondenStaaf = b;
                ZetMp(t.c, t.sel, Getal(20, 100));
            }
        }
        const int lasten = Getal(1, 3);
        for (int j = 0; j < lasten; ++j) {
            if (Kans(0.7)) {
                Pijl(t, punten_[Getal(0, static_cast<int>(punten_.size()) - 1)], -1);
            } else {
                LastOpStaaf(t);
            }
        }
        return t.c;
    }

private:
    int Getal(int laag, int hoog) { return std::uniform_int_distribution<int>(laag, hoog)(rng_); }
    bool Kans(double p) { return std::bernoulli_distribution(p)(rng_); }

    // A chain of bars on grid points, each one to 3 cells long in one of eight directions.
    void TekenKetting(Tekenaar& t, int staven) {
        static constexpr std::array<std::array<int, 2>, 8> richtingen{
            {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
        punten_ = {{static_cast<double>(Getal(0, 6)), static_cast<double>(Getal(0, 6))}};
        for (int b = 0; b < staven; ++b) {
            const TPunt p = punten_.back();
            const auto r = richtingen[Getal(0, 7)];
            const int lengte = Getal(1, 3);
            const TPunt q{p.x + r[0] * lengte, p.y + r[1] * lengte};
            if (std::none_of(punten_.begin(), punten_.end(),
                             [&](TPunt a) { return a.x == q.x && a.y == q.y; })) {
                t.Staaf(p.x, p.y, q.x, q.y);
                punten_.push_back(q);
            }
        }
    }

    void ZetOpleggingen(Tekenaar& t) {
        static constexpr std::array<int, 4> codes{Inklemming, Scharnierend, RolHorizontaal,
                                                  RolVerticaal};
        t.Oplegging(punten_.front().x, punten_.front().y, codes[Getal(0, 3)]);
        if (Kans(0.8)) {
            t.Oplegging(punten_.back().x, punten_.back().y, codes[Getal(0, 3)]);
        }
    }

    // The arrow from a tail a few cells away to its head.
    void Pijl(Tekenaar& t, TPunt kop, int staaf) {
        int fx = 0;
        int fy = 0;
        while (fx == 0 && fy == 0) {
            fx = Getal(-2, 2);
            fy = Getal(-2, 2);
        }
        t.Belasting(kop.x - fx, kop.y - fy, kop.x, kop.y, staaf);
    }

    // A load released on a grid point inside a bar splits that bar there.
    void LastOpStaaf(Tekenaar& t) {
        const int b = Getal(0, AantalStaafSlots - 1);
        const auto& staaf = t.c.Staven[b];
        if (!staaf.Bestaat) {
            return;
        }
        const auto& k0 = t.c.Knopen[staaf.Knoop0];
        const auto& k1 = t.c.Knopen[staaf.Knoop1];
        const int cellen =
            static_cast<int>(std::max(std::fabs(k1.X - k0.X), std::fabs(k1.Y - k0.Y)));
        if (cellen >= 2) {
            const double f = static_cast<double>(Getal(1, cellen - 1)) / cellen;
            Pijl(t, {k0.X + f * (k1.X - k0.X), k0.Y + f * (k1.Y - k0.Y)}, b);
        }
    }

    std::mt19937 rng_;
    std::vector<TPunt> punten_;
};

} // namespace kx::test
