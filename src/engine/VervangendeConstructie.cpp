#include "engine/Analyse.h"
#include "model/ManipuleerConstructie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kx {

namespace {

bool IsKnoopIndex(const TVConstructie& v, std::int32_t knoop) {
    return knoop >= 0 && knoop < static_cast<std::int32_t>(v.Knopen.size());
}

bool EindigtIn(const TVStaaf& staaf, std::int32_t knoop) {
    return staaf.Knoop0 == knoop || staaf.Knoop1 == knoop;
}

bool EindigtStaafIn(const TVConstructie& v, std::int32_t knoop) {
    return std::any_of(v.Staven.begin(), v.Staven.end(), [knoop](const TVStaaf& staaf) {
        return staaf.Bestaat && EindigtIn(staaf, knoop);
    });
}

// A node clamped in a fixed support without a hinge holds its bar to the ground.
bool IsIngeklemd(const TVKnoop& knoop) {
    return knoop.Oplegging == Inklemming && !knoop.Scharnier;
}

// The bars meeting at node v become one part: every bar after the first is re-attached to the
// far end of the first, which carries its loads over and disappears.
void VoegStavenSamenBij(TVConstructie& v, std::int32_t knoop) {
    std::int32_t eerste = -1;
    std::int32_t verreEind = -1;
    for (std::int32_t g = 0; g < static_cast<std::int32_t>(v.Staven.size()); ++g) {
        auto& staaf = v.Staven[g];
        if (!staaf.Bestaat || !EindigtIn(staaf, knoop)) {
            continue;
        }
        if (eerste == -1) {
            eerste = g;
            verreEind = staaf.Knoop0 == knoop ? staaf.Knoop1 : staaf.Knoop0;
            continue;
        }
        (staaf.Knoop0 == knoop ? staaf.Knoop0 : staaf.Knoop1) = verreEind;
        for (auto& belasting : v.Belastingen) {
            if (belasting.Bestaat && belasting.s == eerste) {
                belasting.s = g;
            }
        }
        v.Staven[eerste].Bestaat = false;
    }
}

// Returns whether it removed a bar.
bool SchrapIngeklemdeStavenIn(TVConstructie& v) {
    bool geschrapt = false;
    for (auto& staaf : v.Staven) {
        if (!staaf.Bestaat ||
            !(IsIngeklemd(v.Knopen[staaf.Knoop0]) || IsIngeklemd(v.Knopen[staaf.Knoop1]))) {
            continue;
        }
        staaf.Bestaat = false;
        geschrapt = true;
        // Where a remaining bar meets the removed one, it is held by the ground there.
        for (const std::int32_t p : {staaf.Knoop0, staaf.Knoop1}) {
            if (EindigtStaafIn(v, p)) {
                auto& knoop = v.Knopen[p];
                knoop.Oplegging = knoop.Vrijheid == VasteVerbinding ? Inklemming : Scharnierend;
            }
        }
    }
    return geschrapt;
}

// After a pass that removed nothing no bar touches a clamped node without a hinge, and a merge
// keeps it so (the bars at v move to the far end of a bar that is still there): the next pass
// is only needed after a removal.
void VoegStarreStavenSamenIn(TVConstructie& v, const TManipuleerConstructie& constructie) {
    const auto& bron = constructie.Constructie;
    bool opnieuw = true;
    for (std::int32_t knoop = 0; knoop < static_cast<std::int32_t>(bron.Knopen.size()); ++knoop) {
        if (bron.Knopen[knoop].Bestaat && !v.Knopen[knoop].Scharnier) {
            VoegStavenSamenBij(v, knoop);
        }
        if (opnieuw) {
            opnieuw = SchrapIngeklemdeStavenIn(v);
        }
    }
}

void ControleerBelastingenIn(TVConstructie& v, const TManipuleerConstructie& constructie) {
    for (auto& belasting : v.Belastingen) {
        if (!belasting.Bestaat) {
            continue;
        }
        const bool gedragen = belasting.s >= 0 &&
                              belasting.s < static_cast<std::int32_t>(v.Staven.size()) &&
                              v.Staven[belasting.s].Bestaat;
        const std::int32_t knoop = constructie.ZoekKnoop(belasting.x, belasting.y);
        const bool vrij = IsKnoopIndex(v, knoop) && v.Knopen[knoop].Oplegging == GeenOplegging;
        belasting.Bestaat = gedragen && vrij;
    }
}

} // namespace

void TAnalyse::VulVervangendeConstructie(int c, const TManipuleerConstructie& constructie) {
    const auto& bron = constructie.Constructie;
    auto& v = VMechanismen[c];
    v.Knopen.assign(bron.Knopen.size(), TVKnoop{});
    v.Staven.assign(bron.Staven.size(), TVStaaf{});
    v.Belastingen.assign(bron.Belastingen.size(), TVBelasting{});

    for (std::size_t i = 0; i < bron.Knopen.size(); ++i) {
        const auto& knoop = bron.Knopen[i];
        v.Knopen[i] = {knoop.X, knoop.Y, 0.0, knoop.Oplegging, knoop.Vrijheid, knoop.Bestaat};
    }
    for (std::size_t b = 0; b < bron.Staven.size(); ++b) {
        const auto& staaf = bron.Staven[b];
        auto& vstaaf = v.Staven[b];
        vstaaf.Knoop0 = staaf.Knoop0;
        vstaaf.Knoop1 = staaf.Knoop1;
        vstaaf.Bestaat =
            staaf.Bestaat && IsKnoopIndex(v, staaf.Knoop0) && IsKnoopIndex(v, staaf.Knoop1);
        if (!vstaaf.Bestaat) {
            continue;
        }
        for (const std::int32_t eind : {staaf.Knoop0, staaf.Knoop1}) {
            double& mp = v.Knopen[eind].Mp;
            mp = mp == 0.0 ? staaf.Mp : std::min(mp, staaf.Mp);
        }
    }
    for (std::size_t j = 0; j < bron.Belastingen.size(); ++j) {
        const auto& belasting = bron.Belastingen[j];
        auto& vbelasting = v.Belastingen[j];
        vbelasting.Bestaat = belasting.Bestaat && IsKnoopIndex(v, belasting.Knoop);
        vbelasting.Fx = belasting.Fx;
        vbelasting.Fy = belasting.Fy;
        if (IsKnoopIndex(v, belasting.Knoop)) {
            vbelasting.x = bron.Knopen[belasting.Knoop].X;
            vbelasting.y = bron.Knopen[belasting.Knoop].Y;
        }
    }
}

void TAnalyse::KoppelBelastingen(int c, const TManipuleerConstructie& constructie) {
    const auto& bron = constructie.Constructie;
    auto& v = VMechanismen[c];
    for (std::size_t j = 0; j < v.Belastingen.size(); ++j) {
        auto& belasting = v.Belastingen[j];
        if (!belasting.Bestaat) {
            continue;
        }
        const std::int32_t knoop = bron.Belastingen[j].Knoop;
        for (auto b = static_cast<std::int32_t>(bron.Staven.size()) - 1; b >= 0; --b) {
            const auto& staaf = bron.Staven[b];
            if (staaf.Bestaat && (staaf.Knoop0 == knoop || staaf.Knoop1 == knoop)) {
                belasting.s = b;
                break;
            }
        }
    }
}

void TAnalyse::PlaatsScharnieren(int c, const TManipuleerConstructie& constructie) {
    const auto& bron = constructie.Constructie;
    const auto& rij = Combinaties[c];
    const auto verbindingen = constructie.Verbindingen();
    for (std::int32_t v = 0; v < static_cast<std::int32_t>(bron.Knopen.size()); ++v) {
        const auto& knoop = bron.Knopen[v];
        if (!knoop.Bestaat) {
            continue;
        }
        auto& vknoop = VMechanismen[c].Knopen[v];
        if (knoop.Vrijheid == VasteVerbinding) {
            vknoop.Scharnier = std::find(rij.begin(), rij.end(), v) != rij.end();
            if (verbindingen[v] < 2) {
                vknoop.Vrijheid = ScharnierendeVerbinding;
                vknoop.Scharnier = true;
            }
        }
        if (knoop.Oplegging == RolHorizontaal || knoop.Oplegging == RolVerticaal) {
            VervangRolOplegging(c, v, constructie);
        }
    }
}

void TAnalyse::VervangRolOplegging(int c, int v, const TManipuleerConstructie& constructie) {
    const auto& bron = constructie.Constructie;
    const std::int32_t w = constructie.EersteVrijeKnoop();
    const std::int32_t b = constructie.EersteVrijeStaaf();
    // Without a free node and bar slot for the pendulum the roller stays as it is.
    if (bron.Knopen[w].Bestaat || bron.Staven[b].Bestaat) {
        return;
    }
    auto& vc = VMechanismen[c];
    const std::int32_t code = bron.Knopen[v].Oplegging;
    vc.Knopen[v].Oplegging = GeenOplegging;

    auto& pendel = vc.Knopen[w];
    pendel.Vrijheid = ScharnierendeVerbinding;
    pendel.Oplegging = Scharnierend;
    pendel.Scharnier = true;

    const double d = GemiddeldeStaaflengte(c);
    const double richting = constructie.Oplegrichting(v, code);
    const auto& rol = vc.Knopen[v];
    if (code == RolVerticaal) {
        pendel.y = rol.y;
        pendel.x = richting == 1.0 ? rol.x + d : rol.x - d;
    } else {
        pendel.x = rol.x;
        pendel.y = richting == 0.5 ? rol.y + d : rol.y - d;
    }
    vc.Staven[b] = {v, w, true};
}

double TAnalyse::GemiddeldeStaaflengte(int c) const {
    const auto& v = VMechanismen[c];
    double som = 0.0;
    int aantal = 0;
    for (const auto& staaf : v.Staven) {
        if (!staaf.Bestaat) {
            continue;
        }
        const auto& a = v.Knopen[staaf.Knoop0];
        const auto& b = v.Knopen[staaf.Knoop1];
        som += std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
        ++aantal;
    }
    // No bars, no length: 0 rather than a division by zero.
    return aantal == 0 ? 0.0 : som / aantal;
}

void TAnalyse::VoegStarreStavenSamen(int c, const TManipuleerConstructie& constructie) {
    VoegStarreStavenSamenIn(VMechanismen[c], constructie);
}

bool TAnalyse::SchrapIngeklemdeStaven(int c) {
    return SchrapIngeklemdeStavenIn(VMechanismen[c]);
}

void TAnalyse::ControleerBelastingen(int c, const TManipuleerConstructie& constructie) {
    ControleerBelastingenIn(VMechanismen[c], constructie);
}

TVConstructie TAnalyse::MaakSjabloon(const TManipuleerConstructie& constructie) {
    // The steps work on slot 0, which a caller without an enumeration in progress lacks.
    if (VMechanismen.empty()) {
        VMechanismen.resize(1);
    }
    VulVervangendeConstructie(0, constructie);
    KoppelBelastingen(0, constructie);
    PlaatsScharnieren(0, constructie);
    return VMechanismen[0];
}

void TAnalyse::BouwVervangendeConstructie(TVConstructie& v, int c, const TVConstructie& sjabloon,
                                          const TManipuleerConstructie& constructie) const {
    v = sjabloon;
    const auto& rij = Combinaties[c];
    // Position j of a row belongs to place m-1-j.
    for (int j = 0; j < AantalPlaatsen; ++j) {
        v.Knopen[Plaatsen[AantalPlaatsen - 1 - j]].Scharnier = rij[j] != -1;
    }
    VoegStarreStavenSamenIn(v, constructie);
    ControleerBelastingenIn(v, constructie);
}

} // namespace kx
