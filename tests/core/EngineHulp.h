#pragma once

#include "engine/Analyse.h"
#include "engine/Evenwicht.h"
#include "engine/Krachtsverdeling.h"
#include "engine/Mechanisme.h"
#include "engine/VervangendeConstructie.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace kx::test {

// A structure with its text table and an analysis of it.
struct Opstelling {
    Teksten teksten;
    TConstructie c;
    TAnalyse a{teksten};

    // The connection follows from the support, as the editor sets it.
    void Knoop(int slot, double x, double y, int oplegging = GeenOplegging) {
        const bool scharnierend = oplegging != GeenOplegging && oplegging != Inklemming;
        c.Knopen[slot] = {
            x, y, oplegging, true, scharnierend ? ScharnierendeVerbinding : VasteVerbinding, 0.0};
    }
    void Staaf(int slot, int k0, int k1, double mp = 50.0) { c.Staven[slot] = {k0, k1, mp, true}; }
    void Last(int slot, int knoop, double fx, double fy) {
        c.Belastingen[slot] = {knoop, fx, fy, true};
    }

    // The check followed by the enumeration, or by the whole analysis; returns the check's
    // message.
    std::string Enumereer() {
        NormaliseerVolledig(c);
        auto melding = ControleerConstructie(c, teksten);
        if (melding.empty()) {
            a.BepaalMechanismen(c);
        }
        return melding;
    }
    std::string Analyseer(TVoortgangsMelder* melder = nullptr) {
        auto melding = ControleerVoorAnalyse(c, teksten);
        if (melding.empty()) {
            a.BepaalMechanismen(c);
            a.BerekeningDeel2(melder);
        }
        return melding;
    }
    int AantalCombinaties() const { return static_cast<int>(a.Combinaties.size()); }

    // The replacement structures as analysis records, not yet analysed.
    void Converteer() {
        a.Mechanismen.resize(a.VMechanismen.size());
        a.AantalMechanismen = static_cast<int>(a.VMechanismen.size());
        for (std::size_t i = 0; i < a.VMechanismen.size(); ++i) {
            ConverteerVervangendeConstructie(a.VMechanismen[i], a.Mechanismen[i]);
        }
    }
};

// The example portal frame.
inline void Voorbeeld(Opstelling& o) {
    o.c = kx::Voorbeeld();
}

// A beam of two bars on nodes 0, 1 and 2 at x = 0, midden and eind, with a load fy (down on the
// screen) at node 1.
inline void Ligger(Opstelling& o, double midden, double eind, int oplegging0, int oplegging2,
                   double fy = 1.0) {
    o.Knoop(0, 0, 0, oplegging0);
    o.Knoop(1, midden, 0);
    o.Knoop(2, eind, 0, oplegging2);
    o.Staaf(0, 0, 1);
    o.Staaf(1, 1, 2);
    o.Last(0, 1, 0, fy);
}

// Propped cantilever: fixed at node 0, horizontal roller at node 2, span 6 m, Mp 50.
inline void SchoorLigger(Opstelling& o, double fy = 1.0) {
    Ligger(o, 3, 6, Inklemming, RolHorizontaal, fy);
}

// The internal work of a mechanism: the sum of its equation's bar-end terms.
inline double InterneArbeid(const TMechanisme& m) {
    double som = 0.0;
    for (int q = 1; q <= 2 * m.AantalStaven; ++q) {
        som += m.Vgl.Factoren[static_cast<std::size_t>(q)];
    }
    return som;
}

// A part between nodes p and q given as (kind, x, y), coordinates y up.
inline TStaaf Deel(int soort0, double x0, double y0, int soort1, double x1, double y1,
                   double mp = 50.0) {
    const auto eind = [mp](int soort, double x, double y) {
        return TKnoop{
            static_cast<std::uint8_t>(soort), soort == 3 || soort == 5, "", x, y, 0, 0, 0, mp};
    };
    TStaaf deel;
    deel.Knopen = {eind(soort0, x0, y0), eind(soort1, x1, y1)};
    return deel;
}

// The existing bars of a replacement structure in slot order, as "slot:knoop0-knoop1".
inline std::string Staven(const TVConstructie& v) {
    std::string uit;
    for (std::size_t b = 0; b < v.Staven.size(); ++b) {
        const auto& staaf = v.Staven[b];
        if (staaf.Bestaat) {
            uit += (uit.empty() ? "" : " ") + std::to_string(b) + ":" +
                   std::to_string(staaf.Knoop0) + "-" + std::to_string(staaf.Knoop1);
        }
    }
    return uit;
}

// The parts of a mechanism, each as its two ends: name, kind and a star for a rigid end.
inline std::string Delen(const TMechanisme& m) {
    std::string uit;
    for (const auto& deel : m.avStaven) {
        uit += uit.empty() ? "" : " | ";
        for (int e = 0; e < 2; ++e) {
            const auto& k = deel.Knopen[e];
            uit += (e == 0 ? "" : " ") + k.Naam + std::to_string(k.Soort) + (k.Stijf ? "*" : "");
        }
    }
    return uit;
}

// Puts a single hand-made mechanism of these parts into the analysis.
inline void ZetMechanisme(TAnalyse& a, std::vector<TStaaf> delen) {
    TMechanisme m;
    m.AantalStaven = static_cast<int>(delen.size());
    m.avStaven = std::move(delen);
    a.Mechanismen = {m};
    a.AantalMechanismen = 1;
}

// The largest |M| / Mp of a distribution along every bar, from its end moments and the parabola
// of its distributed load, sampled at stappen + 1 points per bar.
inline double DichtBemonsterdePiek(const TEvenwicht& evenwicht, const TKrachtsverdeling& verdeling,
                                   int stappen = 20000) {
    double piek = 0.0;
    for (std::size_t s = 0; s < evenwicht.Staven.size(); ++s) {
        const auto& staaf = evenwicht.Staven[s];
        const auto& krachten = verdeling.Staven[s];
        EXPECT_EQ(krachten.Slot, staaf.Slot);
        for (int i = 0; i <= stappen; ++i) {
            const double xi = static_cast<double>(i) / stappen;
            const double m = (1.0 - xi) * krachten.M0 + xi * krachten.M1 +
                             0.5 * verdeling.Bezwijklast * staaf.Q * staaf.Lengte * staaf.Lengte *
                                 xi * (1.0 - xi);
            piek = std::max(piek, std::fabs(m) / staaf.Mp);
        }
    }
    return piek;
}

} // namespace kx::test
