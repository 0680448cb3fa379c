#pragma once

#include "engine/Analyse.h"
#include "model/ManipuleerConstructie.h"
#include "text/Teksten.h"

#include <string>
#include <utility>
#include <vector>

namespace kx::test {

// A structure with its text table and an analysis of it.
struct Opstelling {
    Teksten teksten;
    TManipuleerConstructie c{teksten};
    TAnalyse a{teksten};

    Opstelling() { c.MaakLeeg(); }

    TConstructie& tabellen() { return c.Constructie; }

    void Knoop(int slot, double x, double y, int oplegging = GeenOplegging,
               int vrijheid = VasteVerbinding) {
        auto& k = c.Constructie.Knopen[slot];
        k.X = x;
        k.Y = y;
        k.Oplegging = oplegging;
        k.Vrijheid = vrijheid;
        k.Bestaat = true;
    }
    void Staaf(int slot, int k0, int k1, double mp = 50.0) {
        c.Constructie.Staven[slot] = {k0, k1, mp, true};
    }
    void Last(int slot, int knoop, double fx, double fy) {
        c.Constructie.Belastingen[slot] = {knoop, fx, fy, true};
    }

    // The check followed by the whole analysis; returns the check's message.
    std::string Analyseer(TVoortgangsMelder* melder = nullptr) {
        auto melding = c.ControleerConstructie();
        if (melding.empty()) {
            a.BepaalMechanismen(c);
            a.BerekeningDeel2(melder);
        }
        return melding;
    }

    // Conversion and the first pass of mechanism i, as the driver runs them.
    void EerstePas(int i) {
        a.BepaalRotatieCentra(i);
        a.BepaalVervorming(i, VirtueleRotatie);
        a.BepaalPlastischeMomenten(i);
        a.StelArbeidsVergelijkingOp(i);
        a.BepaalBezwijklast(i);
    }
};

// The example portal frame.
inline void Voorbeeld(Opstelling& o) {
    o.c.VulVoorbeeld();
}

// Propped cantilever: fixed at node 0, load 1 down at mid-span node 1, horizontal roller at node
// 2, span 6 m, Mp 50.
inline void SchoorLigger(Opstelling& o, double fy = 1.0) {
    o.Knoop(0, 0, 0, Inklemming, VasteVerbinding);
    o.Knoop(1, 3, 0);
    o.Knoop(2, 6, 0, RolHorizontaal, ScharnierendeVerbinding);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Last(0, 1, 0, fy);
}

// A part between nodes p and q given as (kind, x, y), coordinates y up.
inline TStaaf Deel(int soort0, double x0, double y0, int soort1, double x1, double y1,
                   double mp = 50.0) {
    TStaaf deel;
    deel.Knopen[0].Soort = static_cast<std::uint8_t>(soort0);
    deel.Knopen[0].Stijf = soort0 == 3 || soort0 == 5;
    deel.Knopen[0].x = x0;
    deel.Knopen[0].y = y0;
    deel.Knopen[0].Mp = mp;
    deel.Knopen[1].Soort = static_cast<std::uint8_t>(soort1);
    deel.Knopen[1].Stijf = soort1 == 3 || soort1 == 5;
    deel.Knopen[1].x = x1;
    deel.Knopen[1].y = y1;
    deel.Knopen[1].Mp = mp;
    return deel;
}

// Puts a single hand-made mechanism of these parts into the analysis.
inline void ZetMechanisme(TAnalyse& a, std::vector<TStaaf> delen,
                          std::vector<TBelasting> lasten = {}) {
    TMechanisme m;
    m.avStaven = std::move(delen);
    m.avBelastingen = std::move(lasten);
    m.AantalStaven = static_cast<int>(m.avStaven.size());
    m.AantalBelastingen = static_cast<int>(m.avBelastingen.size());
    a.Mechanismen = {m};
    a.AantalMechanismen = 1;
}

} // namespace kx::test
