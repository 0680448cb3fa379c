#include "engine/VervangendeConstructie.h"

#include "engine/Enumeratie.h"
#include "model/Bevraging.h"
#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kx {

namespace {

bool IsKnoopIndex(const TVConstructie& v, std::int32_t knoop) {
    return knoop >= 0 && knoop < static_cast<std::int32_t>(v.Knopen.size());
}

bool EindigtIn(const TVStaaf& staaf, std::int32_t knoop) {
    return staaf.Knoop0 == knoop || staaf.Knoop1 == knoop;
}

// A node clamped in a fixed support without a hinge holds its bar to the ground.
bool IsIngeklemd(const TVKnoop& knoop) {
    return knoop.Oplegging == Inklemming && !knoop.Scharnier;
}

// The existing bars at every node, lowest slot first, kept up to date while bars are merged and
// removed, so that neither needs to scan every bar for every node.
class TAansluitingen {
public:
    explicit TAansluitingen(const TVConstructie& v) : staven_(v.Knopen.size()) {
        for (std::size_t b = 0; b < v.Staven.size(); ++b) {
            if (v.Staven[b].Bestaat) {
                Voeg(v.Staven[b].Knoop0, b);
                Voeg(v.Staven[b].Knoop1, b);
            }
        }
    }

    const std::vector<std::size_t>& Bij(std::int32_t knoop) const { return staven_[knoop]; }

    // Bar b, now ending as staaf does, has left node van.
    void Verplaats(std::size_t b, const TVStaaf& staaf, std::int32_t van) {
        if (!EindigtIn(staaf, van)) {
            Haal(van, b);
        }
        Voeg(staaf.Knoop0, b);
        Voeg(staaf.Knoop1, b);
    }

    void Verwijder(std::size_t b, const TVStaaf& staaf) {
        Haal(staaf.Knoop0, b);
        Haal(staaf.Knoop1, b);
    }

private:
    void Voeg(std::int32_t knoop, std::size_t b) {
        auto& staven = staven_[knoop];
        const auto plaats = std::lower_bound(staven.begin(), staven.end(), b);
        if (plaats == staven.end() || *plaats != b) {
            staven.insert(plaats, b);
        }
    }

    void Haal(std::int32_t knoop, std::size_t b) {
        auto& staven = staven_[knoop];
        const auto plaats = std::lower_bound(staven.begin(), staven.end(), b);
        if (plaats != staven.end() && *plaats == b) {
            staven.erase(plaats);
        }
    }

    std::vector<std::vector<std::size_t>> staven_;
};

// The bars meeting at node v become one part: every bar after the first is re-attached to the
// far end of the first, which carries its loads over and disappears.
void VoegStavenSamenBij(TVConstructie& v, std::int32_t knoop, TAansluitingen& aansluitingen) {
    // A copy: the merges below change the bars at the node.
    const std::vector<std::size_t> staven = aansluitingen.Bij(knoop);
    if (staven.empty()) {
        return;
    }
    const std::size_t eerste = staven.front();
    const TVStaaf& f = v.Staven[eerste];
    const std::int32_t verreEind = f.Knoop0 == knoop ? f.Knoop1 : f.Knoop0;
    if (staven.size() > 1) {
        // The loads of the first bar go to the next one; later bars find none left.
        const auto g = static_cast<std::int32_t>(staven[1]);
        for (auto& belasting : v.Belastingen) {
            if (belasting.Bestaat && belasting.s == static_cast<std::int32_t>(eerste)) {
                belasting.s = g;
            }
        }
    }
    for (std::size_t i = 1; i < staven.size(); ++i) {
        const std::size_t g = staven[i];
        auto& staaf = v.Staven[g];
        (staaf.Knoop0 == knoop ? staaf.Knoop0 : staaf.Knoop1) = verreEind;
        aansluitingen.Verplaats(g, staaf, knoop);
        if (v.Staven[eerste].Bestaat) {
            v.Staven[eerste].Bestaat = false;
            aansluitingen.Verwijder(eerste, f);
        }
    }
}

// Returns whether it removed a bar.
bool SchrapIngeklemdeStaven(TVConstructie& v, TAansluitingen& aansluitingen) {
    bool geschrapt = false;
    for (std::size_t b = 0; b < v.Staven.size(); ++b) {
        auto& staaf = v.Staven[b];
        if (!staaf.Bestaat ||
            !(IsIngeklemd(v.Knopen[staaf.Knoop0]) || IsIngeklemd(v.Knopen[staaf.Knoop1]))) {
            continue;
        }
        staaf.Bestaat = false;
        aansluitingen.Verwijder(b, staaf);
        geschrapt = true;
        // Where a remaining bar meets the removed one, it is held by the ground there.
        for (const std::int32_t p : {staaf.Knoop0, staaf.Knoop1}) {
            if (!aansluitingen.Bij(p).empty()) {
                auto& knoop = v.Knopen[p];
                knoop.Oplegging = knoop.Vrijheid == VasteVerbinding ? Inklemming : Scharnierend;
            }
        }
    }
    return geschrapt;
}

} // namespace

// After a pass that removed nothing no bar touches a clamped node without a hinge, and a merge
// keeps it so (the bars at v move to the far end of a bar that is still there): the next pass
// is only needed after a removal.
void VoegStarreStavenSamen(TVConstructie& v, const TConstructie& constructie) {
    const auto& bron = constructie;
    TAansluitingen aansluitingen(v);
    bool opnieuw = true;
    for (std::int32_t knoop = 0; knoop < static_cast<std::int32_t>(bron.Knopen.size()); ++knoop) {
        if (bron.Knopen[knoop].Bestaat && !v.Knopen[knoop].Scharnier) {
            VoegStavenSamenBij(v, knoop, aansluitingen);
        }
        if (opnieuw) {
            opnieuw = SchrapIngeklemdeStaven(v, aansluitingen);
        }
    }
}

void ControleerBelastingen(TVConstructie& v, const TConstructie& constructie) {
    for (auto& belasting : v.Belastingen) {
        if (!belasting.Bestaat) {
            continue;
        }
        const bool gedragen = belasting.s >= 0 &&
                              belasting.s < static_cast<std::int32_t>(v.Staven.size()) &&
                              v.Staven[belasting.s].Bestaat;
        const std::int32_t knoop = ZoekKnoop(constructie, belasting.x, belasting.y);
        const bool vrij = IsKnoopIndex(v, knoop) && v.Knopen[knoop].Oplegging == GeenOplegging;
        belasting.Bestaat = gedragen && vrij;
    }
}

void VulVervangendeConstructie(TVConstructie& v, const TConstructie& constructie) {
    const auto& bron = constructie;
    v.Knopen.assign(bron.Knopen.size(), TVKnoop{});
    v.Staven.assign(bron.Staven.size(), TVStaaf{});
    v.Belastingen.assign(bron.Belastingen.size(), TVBelasting{});

    for (std::size_t i = 0; i < bron.Knopen.size(); ++i) {
        const auto& knoop = bron.Knopen[i];
        // A clamp with a hinged connection holds its bars as a pin does.
        const std::int32_t oplegging =
            knoop.Oplegging == Inklemming && !IsStijf(knoop) ? Scharnierend : knoop.Oplegging;
        v.Knopen[i] = {knoop.X, knoop.Y, 0.0, oplegging, knoop.Vrijheid, knoop.Bestaat};
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

void KoppelBelastingen(TVConstructie& v, const TConstructie& constructie) {
    const auto& bron = constructie;
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

double GemiddeldeStaaflengte(const TVConstructie& v) {
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

namespace {
// The lowest node slot that neither the drawn structure nor an earlier pendulum uses; a slot
// added at the end when every one is in use, as a drawn table may be full.
std::int32_t VrijePendelknoop(TVConstructie& vc, const TConstructie& bron) {
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(vc.Knopen.size()); ++k) {
        if (!(IsSlot(bron.Knopen, k) && bron.Knopen[k].Bestaat) &&
            std::none_of(vc.Staven.begin(), vc.Staven.end(),
                         [k](const TVStaaf& s) { return s.Bestaat && EindigtIn(s, k); })) {
            return k;
        }
    }
    vc.Knopen.emplace_back();
    return static_cast<std::int32_t>(vc.Knopen.size()) - 1;
}

// The lowest bar slot that neither the drawn structure nor an earlier pendulum uses; a slot
// added at the end when every one is in use.
std::int32_t VrijePendelstaaf(TVConstructie& vc, const TConstructie& bron) {
    for (std::int32_t b = 0; b < static_cast<std::int32_t>(vc.Staven.size()); ++b) {
        if (!(IsSlot(bron.Staven, b) && bron.Staven[b].Bestaat) && !vc.Staven[b].Bestaat) {
            return b;
        }
    }
    vc.Staven.emplace_back();
    return static_cast<std::int32_t>(vc.Staven.size()) - 1;
}
} // namespace

// The free slots are looked for in the replacement structure, so that a second roller does not
// take over the first one's pendulum.
void VervangRolOplegging(TVConstructie& vc, int v, const TConstructie& constructie) {
    const auto& bron = constructie;
    const std::int32_t w = VrijePendelknoop(vc, bron);
    const std::int32_t b = VrijePendelstaaf(vc, bron);
    const std::int32_t code = bron.Knopen[v].Oplegging;
    vc.Knopen[v].Oplegging = GeenOplegging;

    auto& pendel = vc.Knopen[w];
    pendel.Vrijheid = ScharnierendeVerbinding;
    pendel.Oplegging = Scharnierend;
    pendel.Scharnier = true;

    const double d = GemiddeldeStaaflengte(vc);
    const double richting = Oplegrichting(constructie, v, code);
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

void PlaatsScharnieren(TVConstructie& vc, const std::vector<std::int32_t>& rij,
                       const TConstructie& constructie) {
    const auto& bron = constructie;
    std::vector<bool> isPlaats(bron.Knopen.size(), false);
    for (const auto& plaats : Scharnierplaatsen(bron)) {
        isPlaats[static_cast<std::size_t>(plaats.Knoop)] = true;
    }
    for (std::int32_t v = 0; v < static_cast<std::int32_t>(bron.Knopen.size()); ++v) {
        const auto& knoop = bron.Knopen[v];
        if (!knoop.Bestaat) {
            continue;
        }
        auto& vknoop = vc.Knopen[v];
        if (isPlaats[static_cast<std::size_t>(v)]) {
            vknoop.Scharnier = std::find(rij.begin(), rij.end(), v) != rij.end();
        } else if (IsStijf(knoop)) {
            // A rigid end that no moment can reach (a free end, a roller or pin at the end of a
            // bar) turns freely.
            vknoop.Vrijheid = ScharnierendeVerbinding;
            vknoop.Scharnier = true;
        }
        if (knoop.Oplegging == RolHorizontaal || knoop.Oplegging == RolVerticaal) {
            VervangRolOplegging(vc, v, constructie);
        }
    }
}

TVConstructie TEnumeratie::MaakSjabloon(const TConstructie& constructie) {
    TVConstructie sjabloon;
    VulVervangendeConstructie(sjabloon, constructie);
    KoppelBelastingen(sjabloon, constructie);
    PlaatsScharnieren(sjabloon, {}, constructie);
    return sjabloon;
}

void TEnumeratie::Bouw(TVConstructie& v, const std::vector<std::int32_t>& rij) const {
    v = sjabloon_;
    // Position j of a row belongs to place m-1-j.
    for (int j = 0; j < m_; ++j) {
        v.Knopen[static_cast<std::size_t>(plaatsen_[static_cast<std::size_t>(m_ - 1 - j)])]
            .Scharnier = rij[static_cast<std::size_t>(j)] != -1;
    }
    VoegStarreStavenSamen(v, constructie_);
    ControleerBelastingen(v, constructie_);
}

} // namespace kx
