// Editing operations of the structure: two-phase mouse operations, menu operations, rescaling and
// normalisation.
#include "model/Bewerkingen.h"
#include "model/Bevraging.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kx {

namespace {
// The slot a new entry takes (EersteVrije...); the table grows by one default slot when that is
// its length. Taken before any reference into the table is held, since growing moves the slots.
template <typename Slot> Slot& NieuwSlot(std::vector<Slot>& tabel, std::int32_t slot) {
    if (static_cast<std::size_t>(slot) == tabel.size()) {
        tabel.emplace_back();
    }
    return tabel[static_cast<std::size_t>(slot)];
}

void ZetKnoop(TConstructie& c, std::int32_t slot, double x, double y) {
    auto& knoop = NieuwSlot(c.Knopen, slot);
    knoop.X = x;
    knoop.Y = y;
    knoop.Oplegging = GeenOplegging;
    knoop.Vrijheid = VasteVerbinding;
    knoop.Moment = 0.0;
    knoop.Bestaat = true;
}

std::int32_t MaakKnoop(TConstructie& c, double x, double y) {
    const std::int32_t slot = EersteVrijeKnoop(c);
    ZetKnoop(c, slot, x, y);
    return slot;
}

// The first end at the release: the node pressed, or one made now at the press point where the
// press found none; -1 when there is no free end to start from.
std::int32_t StaafBegin(TConstructie& c, const TSelectie& sel) {
    if (sel.NieuwStaafBegin) {
        return HeeftVrijeKnoop(c) ? MaakKnoop(c, sel.NieuwStaafBegin->x, sel.NieuwStaafBegin->y)
                                  : -1;
    }
    const bool vrij = IsSlot(c.Knopen, sel.StaafBegin) && IsVrijUiteinde(c, sel.StaafBegin);
    return vrij ? sel.StaafBegin : -1;
}

std::int32_t DeelStaaf(TConstructie& c, const TSelectie& sel, double x, double y) {
    if (!IsSlot(c.Staven, sel.GevondenStaaf) || !c.Staven[sel.GevondenStaaf].Bestaat ||
        StavenVol(c) || !HeeftVrijeKnoop(c)) {
        return -1;
    }
    const std::int32_t n = MaakKnoop(c, x, y);
    auto& nieuw = NieuwSlot(c.Staven, EersteVrijeStaaf(c));
    auto& gedeeld = c.Staven[sel.GevondenStaaf];
    nieuw.Knoop0 = gedeeld.Knoop0;
    nieuw.Knoop1 = n;
    nieuw.Mp = gedeeld.Mp;
    nieuw.Bestaat = true;
    gedeeld.Knoop0 = n;
    return n;
}
} // namespace

std::string VoegStaafToe(TConstructie& c, TSelectie& sel, int fase, double x, double y,
                         const Teksten& teksten) {
    sel.GevondenKnoop = ZoekKnoop(c, x, y);
    if (fase == 0) {
        sel.StaafBegin = sel.GevondenKnoop;
        sel.NieuwStaafBegin.reset();
        if (sel.GevondenKnoop == -1 && HeeftVrijeKnoop(c)) {
            sel.NieuwStaafBegin = TPunt{x, y};
        }
        return {};
    }

    if (!IsVrijUiteinde(c, sel.GevondenKnoop)) {
        return {};
    }
    if (StavenVol(c)) {
        return std::to_string(MaxSlots) + " " + teksten[TekstMaxStaven];
    }
    const std::int32_t knoop0 = StaafBegin(c, sel);
    if (knoop0 == -1) {
        return {};
    }
    sel.GevondenKnoop = ZoekKnoop(c, x, y);
    std::int32_t knoop1 = sel.GevondenKnoop;
    if (knoop1 == -1) {
        if (!HeeftVrijeKnoop(c)) {
            return {};
        }
        knoop1 = MaakKnoop(c, x, y);
    }
    // A release on the press point makes no bar; a node made there goes at the normalisation.
    if (knoop1 != knoop0) {
        auto& staaf = NieuwSlot(c.Staven, EersteVrijeStaaf(c));
        staaf.Knoop0 = knoop0;
        staaf.Knoop1 = knoop1;
        staaf.Bestaat = true;
    }
    return {};
}

void WisStaaf(TConstructie& c, const TSelectie& sel) {
    if (!IsSlot(c.Staven, sel.GevondenStaaf)) {
        return;
    }
    auto& staaf = c.Staven[sel.GevondenStaaf];
    staaf.Bestaat = false;
    staaf.Mp = StandaardMp;
    staaf.Knoop0 = 0;
    staaf.Knoop1 = 0;
}

void VerplaatsKnoop(TConstructie& c, TSelectie& sel, int fase, double x, double y) {
    if (fase == 0) {
        sel.SleepKnoop = KnoopBestaat(c, sel.GevondenKnoop) ? sel.GevondenKnoop : -1;
        return;
    }
    const std::int32_t sleep = sel.SleepKnoop;
    sel.SleepKnoop = -1;
    if (!KnoopBestaat(c, sleep)) {
        return;
    }
    auto& gesleept = c.Knopen[sleep];
    if (sel.GevondenKnoop == -1) {
        gesleept.X = x;
        gesleept.Y = y;
        return;
    }
    const std::int32_t ander = sel.GevondenKnoop;
    // Merging the two ends of one bar would leave a bar from a node to itself.
    if (ander == sleep || !KnoopBestaat(c, ander) || !IsVrijUiteinde(c, ander) ||
        !IsVrijUiteinde(c, sleep) || VerbindtStaaf(c, sleep, ander)) {
        return;
    }
    const auto& andereKnoop = c.Knopen[ander];
    gesleept.Vrijheid = std::max(gesleept.Vrijheid, andereKnoop.Vrijheid);
    if (std::abs(andereKnoop.Oplegging) > std::abs(gesleept.Oplegging)) {
        gesleept.Oplegging = andereKnoop.Oplegging;
    }
    gesleept.X = x;
    gesleept.Y = y;
    for (auto& staaf : c.Staven) {
        if (staaf.Knoop0 == ander) {
            staaf.Knoop0 = sleep;
        }
        if (staaf.Knoop1 == ander) {
            staaf.Knoop1 = sleep;
        }
    }
    sel.GevondenKnoop = ander;
    WisKnoop(c, sel);
    sel.GevondenKnoop = sleep;
}

void WisKnoop(TConstructie& c, const TSelectie& sel) {
    if (!IsSlot(c.Knopen, sel.GevondenKnoop)) {
        return;
    }
    auto& knoop = c.Knopen[sel.GevondenKnoop];
    knoop.Oplegging = GeenOplegging;
    knoop.Bestaat = false;
    knoop.Vrijheid = VasteVerbinding;
    knoop.X = 0.0;
    knoop.Y = 0.0;
}

std::string VoegBelastingToe(TConstructie& c, TSelectie& sel, int fase, double x, double y,
                             const Teksten& teksten) {
    if (fase == 0) {
        if (!BelastingenVol(c)) {
            sel.BelastingSlot = EersteVrijeBelasting(c);
            sel.BelastingStaart = {x, y};
        }
        return {};
    }
    if (sel.GevondenStaaf == -1 && sel.GevondenKnoop == -1) {
        return {};
    }
    if (BelastingenVol(c)) {
        return std::to_string(MaxSlots) + " " + teksten[TekstMaxBelastingen];
    }
    if (StavenVol(c) && sel.GevondenKnoop == -1) {
        return teksten[TekstStaafVerdeeld];
    }
    // The press took the slot a new load takes; it still is that one.
    if (sel.BelastingSlot != EersteVrijeBelasting(c)) {
        return {};
    }
    std::int32_t knoop = sel.GevondenKnoop;
    if (!KnoopBestaat(c, knoop)) {
        knoop = DeelStaaf(c, sel, x, y);
        if (knoop == -1) {
            return {};
        }
    }
    auto& belasting = NieuwSlot(c.Belastingen, sel.BelastingSlot);
    belasting.Fx = (x - sel.BelastingStaart.x) / c.Schaal;
    belasting.Fy = (y - sel.BelastingStaart.y) / c.Schaal;
    belasting.Knoop = knoop;
    belasting.Bestaat = true;
    return {};
}

void WisBelasting(TConstructie& c, const TSelectie& sel) {
    if (!IsSlot(c.Belastingen, sel.GevondenBelasting)) {
        return;
    }
    auto& belasting = c.Belastingen[sel.GevondenBelasting];
    belasting.Bestaat = false;
    belasting.Fx = 0.0;
    belasting.Fy = 0.0;
    belasting.Knoop = 0;
}

void ZetOplegging(TConstructie& c, const TSelectie& sel, std::int32_t code) {
    if (!KnoopBestaat(c, sel.GevondenKnoop)) {
        return;
    }
    auto& knoop = c.Knopen[sel.GevondenKnoop];
    if (code == GeenOplegging) {
        knoop.Oplegging = GeenOplegging;
        knoop.Vrijheid = VasteVerbinding;
        return;
    }
    if (code != RolHorizontaal && code != RolVerticaal && code != Scharnierend &&
        code != Inklemming) {
        return;
    }
    if (IsVrijUiteinde(c, sel.GevondenKnoop) || knoop.Oplegging != GeenOplegging) {
        knoop.Oplegging = code;
        knoop.Vrijheid = code == Inklemming ? VasteVerbinding : ScharnierendeVerbinding;
    }
}

void ZetVerbinding(TConstructie& c, const TSelectie& sel, std::int32_t code) {
    if (!KnoopBestaat(c, sel.GevondenKnoop) ||
        (code != ScharnierendeVerbinding && code != VasteVerbinding)) {
        return;
    }
    auto& knoop = c.Knopen[sel.GevondenKnoop];
    if (knoop.Oplegging == GeenOplegging) {
        knoop.Vrijheid = code;
    }
}

void ZetMp(TConstructie& c, const TSelectie& sel, double waarde) {
    if (IsSlot(c.Staven, sel.GevondenStaaf)) {
        c.Staven[sel.GevondenStaaf].Mp = waarde;
    }
}

namespace {
// Coordinates drawn on the grid are multiples of a quarter cell; keeping them exact after a
// rescale by an odd ratio lets the snapped mouse position find the node again.
double HerschaalCoordinaat(double waarde, double oud, double nieuw) {
    const double hokjes = waarde / oud;
    const double kwarten = std::round(hokjes * 4.0) / 4.0;
    const double exact = std::fabs(hokjes - kwarten) < 1e-9 ? kwarten : hokjes;
    return exact * nieuw;
}
} // namespace

void HerschaalKnopen(TConstructie& c, std::int32_t nieuweSchaal) {
    if (nieuweSchaal < 1 || nieuweSchaal == c.Schaal) {
        return;
    }
    const double oud = c.Schaal;
    for (auto& knoop : c.Knopen) {
        knoop.X = HerschaalCoordinaat(knoop.X, oud, nieuweSchaal);
        knoop.Y = HerschaalCoordinaat(knoop.Y, oud, nieuweSchaal);
    }
    c.Schaal = nieuweSchaal;
}

bool Normaliseer(TConstructie& c) {
    bool veranderd = false;
    const auto verbindingen = Verbindingen(c);
    for (std::size_t i = 0; i < verbindingen.size(); ++i) {
        auto& knoop = c.Knopen[i];
        if (verbindingen[i] == 0) {
            veranderd = veranderd || knoop.Bestaat;
            knoop.Oplegging = GeenOplegging;
            knoop.Bestaat = false;
            knoop.Vrijheid = VasteVerbinding;
        }
    }
    for (auto& staaf : c.Staven) {
        if (staaf.Bestaat && (!KnoopBestaat(c, staaf.Knoop0) || !KnoopBestaat(c, staaf.Knoop1))) {
            staaf.Bestaat = false;
            veranderd = true;
        }
    }
    for (auto& belasting : c.Belastingen) {
        if (belasting.Bestaat && !KnoopBestaat(c, belasting.Knoop)) {
            belasting.Bestaat = false;
            veranderd = true;
        }
    }
    return veranderd;
}

void NormaliseerVolledig(TConstructie& c) {
    while (Normaliseer(c)) {
    }
}

TConstructie Voorbeeld() {
    TConstructie c;
    struct Knoop {
        double x, y;
        std::int32_t oplegging, vrijheid;
    };
    constexpr Knoop knopen[] = {
        {2, 3, GeenOplegging, VasteVerbinding}, {2, 6, Scharnierend, ScharnierendeVerbinding},
        {8, 3, GeenOplegging, VasteVerbinding}, {8, 9, Scharnierend, ScharnierendeVerbinding},
        {5, 3, GeenOplegging, VasteVerbinding},
    };
    for (std::int32_t i = 0; i < 5; ++i) {
        ZetKnoop(c, i, knopen[i].x, knopen[i].y);
        c.Knopen[i].Oplegging = knopen[i].oplegging;
        c.Knopen[i].Vrijheid = knopen[i].vrijheid;
    }
    constexpr std::int32_t staven[][2] = {{0, 1}, {4, 2}, {2, 3}, {0, 4}};
    for (std::int32_t i = 0; i < 4; ++i) {
        auto& staaf = c.Staven[i];
        staaf.Knoop0 = staven[i][0];
        staaf.Knoop1 = staven[i][1];
        staaf.Mp = StandaardMp;
        staaf.Bestaat = true;
    }
    auto& belasting = c.Belastingen[0];
    belasting.Knoop = 4;
    belasting.Fx = 0.0;
    belasting.Fy = 1.0;
    belasting.Bestaat = true;
    return c;
}

} // namespace kx
