// Editing operations of the structure: two-phase mouse operations, menu operations, rescaling and
// normalisation.
#include "model/Bewerkingen.h"
#include "model/Bevraging.h"
#include "model/Controle.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

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

template <typename Tabel> std::int32_t AantalInGebruik(const Tabel& tabel) {
    return static_cast<std::int32_t>(
        std::count_if(tabel.begin(), tabel.end(), [](const auto& slot) { return slot.Bestaat; }));
}

// Whether n more nodes and b more bars fit in their tables.
bool PastErBij(const TConstructie& c, std::int32_t n, std::int32_t b) {
    return AantalInGebruik(c.Knopen) + n <= MaxSlots && AantalInGebruik(c.Staven) + b <= MaxSlots;
}

// The bar on which p lies strictly between its ends, or -1.
std::int32_t StaafDoor(const TConstructie& c, TPunt p) {
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(c.Staven.size()); ++i) {
        const auto punt = PuntOpStaaf(c, i, p, 0.0);
        if (punt && punt->x == p.x && punt->y == p.y) {
            return i;
        }
    }
    return -1;
}

// Splits the bar on which p lies at p: a new rigid node there, and the bar's part from its first
// end to p in a new slot with the same Mp. PastErBij(c, 1, 1) must hold.
std::int32_t DeelStaafOp(TConstructie& c, TPunt p) {
    const std::int32_t staaf = StaafDoor(c, p);
    if (staaf == -1) {
        return -1;
    }
    const std::int32_t n = MaakKnoop(c, p.x, p.y);
    const std::int32_t deel = EersteVrijeStaaf(c);
    auto& nieuw = NieuwSlot(c.Staven, deel);
    auto& gedeeld = c.Staven[staaf];
    nieuw.Knoop0 = gedeeld.Knoop0;
    nieuw.Knoop1 = n;
    nieuw.Mp = gedeeld.Mp;
    nieuw.Bestaat = true;
    gedeeld.Knoop0 = n;
    // A load per metre of bar length is the same on both parts.
    if (const std::int32_t q = VerdeeldeBelastingOp(c, staaf); q != -1) {
        const TConstructieVerdeeldeBelasting last = c.VerdeeldeBelastingen[q];
        ZetVerdeeldeBelasting(c, deel, last.Qx, last.Qy);
    }
    return n;
}

// Whether a bar from a to b would run along part of a bar that exists: two bars on one line
// that share more than a point.
bool Overlapt(const TConstructie& c, TPunt a, TPunt b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengte2 = dx * dx + dy * dy;
    const auto langs = [&](TPunt p) { return ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengte2; };
    const auto opDeLijn = [&](TPunt p) {
        return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) <= 1e-9 * lengte2;
    };
    return std::any_of(c.Staven.begin(), c.Staven.end(), [&](const TConstructieStaaf& s) {
        if (!s.Bestaat || !KnoopBestaat(c, s.Knoop0) || !KnoopBestaat(c, s.Knoop1)) {
            return false;
        }
        const TPunt p = Positie(c, s.Knoop0);
        const TPunt q = Positie(c, s.Knoop1);
        if (!opDeLijn(p) || !opDeLijn(q)) {
            return false;
        }
        const double van = std::max(0.0, std::min(langs(p), langs(q)));
        const double tot = std::min(1.0, std::max(langs(p), langs(q)));
        return tot - van > 1e-9;
    });
}

// Where a bar end pressed or released at (x, y) goes: the node found there, else a grid point on
// the bar found there, else (x, y) itself; none on a bar without a grid point near.
struct TStaafeind {
    std::int32_t Knoop = -1;
    std::optional<TPunt> Punt;
    bool OpStaaf = false;
};

std::optional<TStaafeind> Staafeind(const TConstructie& c, const TSelectie& sel, double x,
                                    double y) {
    const std::int32_t knoop = ZoekKnoop(c, x, y);
    if (knoop != -1) {
        return TStaafeind{knoop, std::nullopt, false};
    }
    if (sel.GevondenStaaf == -1) {
        return TStaafeind{-1, TPunt{x, y}, false};
    }
    const auto punt = PuntOpStaaf(c, sel.GevondenStaaf, {x, y}, sel.Rasterstap);
    if (!punt) {
        return std::nullopt;
    }
    return TStaafeind{-1, punt, true};
}

// The node of a bar end, made now where it is a point: on a bar by splitting it.
std::int32_t MaakStaafeind(TConstructie& c, const TStaafeind& eind) {
    if (eind.Knoop != -1) {
        return eind.Knoop;
    }
    return eind.OpStaaf ? DeelStaafOp(c, *eind.Punt) : MaakKnoop(c, eind.Punt->x, eind.Punt->y);
}

TPunt PlaatsVan(const TConstructie& c, const TStaafeind& eind) {
    return eind.Knoop != -1 ? Positie(c, eind.Knoop) : *eind.Punt;
}

std::int32_t NieuweKnopen(const TStaafeind& eind) {
    return eind.Knoop == -1 ? 1 : 0;
}
std::int32_t NieuweStaven(const TStaafeind& eind) {
    return eind.OpStaaf ? 1 : 0;
}
} // namespace

std::string VoegStaafToe(TConstructie& c, TSelectie& sel, int fase, double x, double y,
                         const Teksten& teksten) {
    if (fase == 0) {
        sel.GevondenKnoop = ZoekKnoop(c, x, y);
        const auto begin = Staafeind(c, sel, x, y);
        sel.StaafBegin = begin ? begin->Knoop : -1;
        sel.NieuwStaafBegin = begin ? begin->Punt : std::nullopt;
        sel.StaafBeginOpStaaf = begin && begin->OpStaaf ? sel.GevondenStaaf : -1;
        return {};
    }
    if (StavenVol(c)) {
        return std::to_string(MaxSlots) + " " + teksten[TekstMaxStaven];
    }
    sel.GevondenKnoop = ZoekKnoop(c, x, y);
    const auto eind = Staafeind(c, sel, x, y);
    const bool beginBestaat = KnoopBestaat(c, sel.StaafBegin);
    if (!eind || (!beginBestaat && !sel.NieuwStaafBegin)) {
        return {};
    }
    const TStaafeind begin{beginBestaat ? sel.StaafBegin : -1,
                           beginBestaat ? std::nullopt : sel.NieuwStaafBegin,
                           !beginBestaat && sel.StaafBeginOpStaaf != -1};
    const TPunt van = PlaatsVan(c, begin);
    const TPunt naar = PlaatsVan(c, *eind);
    // A release on the press point makes no bar, nor does one along a bar that is there.
    if ((van.x == naar.x && van.y == naar.y) || Overlapt(c, van, naar) ||
        !PastErBij(c, NieuweKnopen(begin) + NieuweKnopen(*eind),
                   1 + NieuweStaven(begin) + NieuweStaven(*eind))) {
        return {};
    }
    const std::int32_t knoop0 = MaakStaafeind(c, begin);
    const std::int32_t knoop1 = MaakStaafeind(c, *eind);
    if (knoop0 == -1 || knoop1 == -1) {
        return {};
    }
    auto& staaf = NieuwSlot(c.Staven, EersteVrijeStaaf(c));
    staaf.Knoop0 = knoop0;
    staaf.Knoop1 = knoop1;
    staaf.Bestaat = true;
    sel.GevondenKnoop = knoop1;
    return {};
}

void WisStaaf(TConstructie& c, const TSelectie& sel) {
    if (!IsSlot(c.Staven, sel.GevondenStaaf)) {
        return;
    }
    // Its distributed load goes with it, before a new bar could take the slot.
    TSelectie last;
    last.GevondenVerdeeldeBelasting = VerdeeldeBelastingOp(c, sel.GevondenStaaf);
    WisVerdeeldeBelasting(c, last);
    auto& staaf = c.Staven[sel.GevondenStaaf];
    staaf.Bestaat = false;
    staaf.Mp = StandaardMp;
    staaf.Knoop0 = 0;
    staaf.Knoop1 = 0;
}

namespace {
// Whether some node is joined by a bar to both a and b: merging them would double that bar.
bool HebbenGemeenschappelijkeBuur(const TConstructie& c, std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> buren;
    for (const auto& staaf : c.Staven) {
        if (staaf.Bestaat && (staaf.Knoop0 == a || staaf.Knoop1 == a)) {
            buren.push_back(staaf.Knoop0 == a ? staaf.Knoop1 : staaf.Knoop0);
        }
    }
    return std::any_of(buren.begin(), buren.end(),
                       [&](std::int32_t buur) { return VerbindtStaaf(c, buur, b); });
}

bool RaaktStaaf(const TConstructie& c, std::int32_t staaf, std::int32_t knoop) {
    return IsSlot(c.Staven, staaf) &&
           (c.Staven[staaf].Knoop0 == knoop || c.Staven[staaf].Knoop1 == knoop);
}

// Joins node ander into node sleep at (x, y): sleep takes the stronger support and connection
// and every bar of ander; ander goes, with the loads on it.
void VoegKnopenSamen(TConstructie& c, std::int32_t sleep, std::int32_t ander, double x, double y) {
    auto& gesleept = c.Knopen[sleep];
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
    TSelectie weg;
    weg.GevondenKnoop = ander;
    WisKnoop(c, weg);
}
} // namespace

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
    std::int32_t ander = sel.GevondenKnoop;
    if (ander == -1 && sel.GevondenStaaf != -1 && !RaaktStaaf(c, sel.GevondenStaaf, sleep)) {
        // Dropped on a bar: joined to it at a grid point on it, or not moved at all.
        const auto punt = PuntOpStaaf(c, sel.GevondenStaaf, {x, y}, sel.Rasterstap);
        if (!punt || !PastErBij(c, 1, 1)) {
            return;
        }
        const TConstructieStaaf& staaf = c.Staven[sel.GevondenStaaf];
        if (VerbindtStaaf(c, sleep, staaf.Knoop0) || VerbindtStaaf(c, sleep, staaf.Knoop1)) {
            return;
        }
        ander = DeelStaafOp(c, *punt);
        x = punt->x;
        y = punt->y;
    }
    if (ander == -1) {
        c.Knopen[sleep].X = x;
        c.Knopen[sleep].Y = y;
        return;
    }
    // Merging the two ends of one bar would leave a bar from a node to itself.
    if (ander == sleep || !KnoopBestaat(c, ander) || VerbindtStaaf(c, sleep, ander) ||
        HebbenGemeenschappelijkeBuur(c, sleep, ander)) {
        return;
    }
    VoegKnopenSamen(c, sleep, ander, x, y);
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
        const auto punt = PuntOpStaaf(c, sel.GevondenStaaf, {x, y}, sel.Rasterstap);
        if (!punt || !PastErBij(c, 1, 1)) {
            return {};
        }
        knoop = DeelStaafOp(c, *punt);
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

void VoegVerdeeldeBelastingToe(TConstructie& c, TSelectie& sel, int fase, double x, double y) {
    if (fase == 0) {
        sel.BelastingStaart = {x, y};
        return;
    }
    ZetVerdeeldeBelasting(c, sel.GevondenStaaf, (x - sel.BelastingStaart.x) / c.Schaal,
                          (y - sel.BelastingStaart.y) / c.Schaal);
}

bool ZetVerdeeldeBelasting(TConstructie& c, std::int32_t staaf, double qx, double qy) {
    if (!StaafBestaat(c, staaf) || !GeldigeVerdeeldeBelasting(qx, qy)) {
        return false;
    }
    std::int32_t slot = VerdeeldeBelastingOp(c, staaf);
    if (slot == -1) {
        if (VerdeeldeBelastingenVol(c)) {
            return false;
        }
        slot = EersteVrijeVerdeeldeBelasting(c);
    }
    auto& last = NieuwSlot(c.VerdeeldeBelastingen, slot);
    last = {staaf, qx, qy, true};
    return true;
}

void WisVerdeeldeBelasting(TConstructie& c, const TSelectie& sel) {
    if (IsSlot(c.VerdeeldeBelastingen, sel.GevondenVerdeeldeBelasting)) {
        c.VerdeeldeBelastingen[sel.GevondenVerdeeldeBelasting] = {};
    }
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
    knoop.Oplegging = code;
    // Where bars meet the support leaves their joint as it is: a continuous beam stays
    // continuous over an inner support.
    if (AantalStaven(c, sel.GevondenKnoop) <= 1) {
        knoop.Vrijheid = code == Inklemming ? VasteVerbinding : ScharnierendeVerbinding;
    }
}

void ZetVerbinding(TConstructie& c, const TSelectie& sel, std::int32_t code) {
    if (!KnoopBestaat(c, sel.GevondenKnoop) ||
        (code != ScharnierendeVerbinding && code != VasteVerbinding)) {
        return;
    }
    c.Knopen[sel.GevondenKnoop].Vrijheid = code;
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
    for (auto& last : c.VerdeeldeBelastingen) {
        if (last.Bestaat && !StaafBestaat(c, last.Staaf)) {
            last.Bestaat = false;
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
