// Editing operations of the structure: two-phase mouse operations, menu operations, rescaling and
// normalisation.
#include "model/ManipuleerConstructie.h"
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
} // namespace

bool TManipuleerConstructie::HeeftVrijeKnoop() const {
    return EersteVrijeKnoop() < MaxSlots;
}

void TManipuleerConstructie::ZetKnoop(std::int32_t slot, double x, double y) {
    auto& knoop = NieuwSlot(Constructie.Knopen, slot);
    knoop.X = x;
    knoop.Y = y;
    knoop.Oplegging = GeenOplegging;
    knoop.Vrijheid = VasteVerbinding;
    knoop.Moment = 0.0;
    knoop.Bestaat = true;
}

std::int32_t TManipuleerConstructie::MaakKnoop(double x, double y) {
    const std::int32_t slot = EersteVrijeKnoop();
    ZetKnoop(slot, x, y);
    return slot;
}

// The first end at the release: the node pressed, or one made now at the press point where the
// press found none; -1 when there is no free end to start from.
std::int32_t TManipuleerConstructie::StaafBegin(const TSelectie& sel) {
    if (sel.NieuwStaafBegin) {
        return HeeftVrijeKnoop() ? MaakKnoop(sel.NieuwStaafBegin->x, sel.NieuwStaafBegin->y) : -1;
    }
    const bool vrij = IsSlot(Constructie.Knopen, sel.StaafBegin) && IsVrijUiteinde(sel.StaafBegin);
    return vrij ? sel.StaafBegin : -1;
}

std::string TManipuleerConstructie::VoegStaafToe(TSelectie& sel, int fase, double x, double y) {
    sel.GevondenKnoop = ZoekKnoop(x, y);
    if (fase == 0) {
        sel.StaafBegin = sel.GevondenKnoop;
        sel.NieuwStaafBegin.reset();
        if (sel.GevondenKnoop == -1 && HeeftVrijeKnoop()) {
            sel.NieuwStaafBegin = TPunt{x, y};
        }
        return {};
    }

    if (!IsVrijUiteinde(sel.GevondenKnoop)) {
        return {};
    }
    if (StavenVol()) {
        return std::to_string(MaxSlots) + " " + Tekst()[TekstMaxStaven];
    }
    const std::int32_t knoop0 = StaafBegin(sel);
    if (knoop0 == -1) {
        return {};
    }
    sel.GevondenKnoop = ZoekKnoop(x, y);
    std::int32_t knoop1 = sel.GevondenKnoop;
    if (knoop1 == -1) {
        if (!HeeftVrijeKnoop()) {
            return {};
        }
        knoop1 = MaakKnoop(x, y);
    }
    // A release on the press point makes no bar; a node made there goes at the normalisation.
    if (knoop1 != knoop0) {
        auto& staaf = NieuwSlot(Constructie.Staven, EersteVrijeStaaf());
        staaf.Knoop0 = knoop0;
        staaf.Knoop1 = knoop1;
        staaf.Bestaat = true;
    }
    return {};
}

void TManipuleerConstructie::WisStaaf(const TSelectie& sel) {
    if (!IsSlot(Constructie.Staven, sel.GevondenStaaf)) {
        return;
    }
    auto& staaf = Constructie.Staven[sel.GevondenStaaf];
    staaf.Bestaat = false;
    staaf.Mp = StandaardMp;
    staaf.Knoop0 = 0;
    staaf.Knoop1 = 0;
}

bool TManipuleerConstructie::VerbindtStaaf(std::int32_t a, std::int32_t b) const {
    return std::any_of(
        Constructie.Staven.begin(), Constructie.Staven.end(), [a, b](const TConstructieStaaf& s) {
            return s.Bestaat &&
                   ((s.Knoop0 == a && s.Knoop1 == b) || (s.Knoop0 == b && s.Knoop1 == a));
        });
}

void TManipuleerConstructie::VerplaatsKnoop(TSelectie& sel, int fase, double x, double y) {
    if (fase == 0) {
        sel.SleepKnoop = KnoopBestaat(sel.GevondenKnoop) ? sel.GevondenKnoop : -1;
        return;
    }
    const std::int32_t sleep = sel.SleepKnoop;
    sel.SleepKnoop = -1;
    if (!KnoopBestaat(sleep)) {
        return;
    }
    auto& gesleept = Constructie.Knopen[sleep];
    if (sel.GevondenKnoop == -1) {
        gesleept.X = x;
        gesleept.Y = y;
        return;
    }
    const std::int32_t ander = sel.GevondenKnoop;
    // Merging the two ends of one bar would leave a bar from a node to itself.
    if (ander == sleep || !KnoopBestaat(ander) || !IsVrijUiteinde(ander) ||
        !IsVrijUiteinde(sleep) || VerbindtStaaf(sleep, ander)) {
        return;
    }
    const auto& andereKnoop = Constructie.Knopen[ander];
    gesleept.Vrijheid = std::max(gesleept.Vrijheid, andereKnoop.Vrijheid);
    if (std::abs(andereKnoop.Oplegging) > std::abs(gesleept.Oplegging)) {
        gesleept.Oplegging = andereKnoop.Oplegging;
    }
    gesleept.X = x;
    gesleept.Y = y;
    for (auto& staaf : Constructie.Staven) {
        if (staaf.Knoop0 == ander) {
            staaf.Knoop0 = sleep;
        }
        if (staaf.Knoop1 == ander) {
            staaf.Knoop1 = sleep;
        }
    }
    sel.GevondenKnoop = ander;
    WisKnoop(sel);
    sel.GevondenKnoop = sleep;
}

void TManipuleerConstructie::WisKnoop(const TSelectie& sel) {
    if (!IsSlot(Constructie.Knopen, sel.GevondenKnoop)) {
        return;
    }
    auto& knoop = Constructie.Knopen[sel.GevondenKnoop];
    knoop.Oplegging = GeenOplegging;
    knoop.Bestaat = false;
    knoop.Vrijheid = VasteVerbinding;
    knoop.X = 0.0;
    knoop.Y = 0.0;
}

std::string TManipuleerConstructie::VoegBelastingToe(TSelectie& sel, int fase, double x, double y) {
    if (fase == 0) {
        if (!BelastingenVol()) {
            sel.BelastingSlot = EersteVrijeBelasting();
            sel.BelastingStaart = {x, y};
        }
        return {};
    }
    if (sel.GevondenStaaf == -1 && sel.GevondenKnoop == -1) {
        return {};
    }
    if (BelastingenVol()) {
        return std::to_string(MaxSlots) + " " + Tekst()[TekstMaxBelastingen];
    }
    if (StavenVol() && sel.GevondenKnoop == -1) {
        return Tekst()[TekstStaafVerdeeld];
    }
    // The press took the slot a new load takes; it still is that one.
    if (sel.BelastingSlot != EersteVrijeBelasting()) {
        return {};
    }
    std::int32_t knoop = sel.GevondenKnoop;
    if (!KnoopBestaat(knoop)) {
        knoop = DeelStaaf(sel, x, y);
        if (knoop == -1) {
            return {};
        }
    }
    auto& belasting = NieuwSlot(Constructie.Belastingen, sel.BelastingSlot);
    belasting.Fx = (x - sel.BelastingStaart.x) / Schaal;
    belasting.Fy = (y - sel.BelastingStaart.y) / Schaal;
    belasting.Knoop = knoop;
    belasting.Bestaat = true;
    return {};
}

std::int32_t TManipuleerConstructie::DeelStaaf(const TSelectie& sel, double x, double y) {
    if (!IsSlot(Constructie.Staven, sel.GevondenStaaf) ||
        !Constructie.Staven[sel.GevondenStaaf].Bestaat || StavenVol() || !HeeftVrijeKnoop()) {
        return -1;
    }
    const std::int32_t n = MaakKnoop(x, y);
    auto& nieuw = NieuwSlot(Constructie.Staven, EersteVrijeStaaf());
    auto& gedeeld = Constructie.Staven[sel.GevondenStaaf];
    nieuw.Knoop0 = gedeeld.Knoop0;
    nieuw.Knoop1 = n;
    nieuw.Mp = gedeeld.Mp;
    nieuw.Bestaat = true;
    gedeeld.Knoop0 = n;
    return n;
}

void TManipuleerConstructie::WisBelasting(const TSelectie& sel) {
    if (!IsSlot(Constructie.Belastingen, sel.GevondenBelasting)) {
        return;
    }
    auto& belasting = Constructie.Belastingen[sel.GevondenBelasting];
    belasting.Bestaat = false;
    belasting.Fx = 0.0;
    belasting.Fy = 0.0;
    belasting.Knoop = 0;
}

void TManipuleerConstructie::ZetOplegging(const TSelectie& sel, std::int32_t code) {
    if (!KnoopBestaat(sel.GevondenKnoop)) {
        return;
    }
    auto& knoop = Constructie.Knopen[sel.GevondenKnoop];
    if (code == GeenOplegging) {
        knoop.Oplegging = GeenOplegging;
        knoop.Vrijheid = VasteVerbinding;
        return;
    }
    if (code != RolHorizontaal && code != RolVerticaal && code != Scharnierend &&
        code != Inklemming) {
        return;
    }
    if (IsVrijUiteinde(sel.GevondenKnoop) || knoop.Oplegging != GeenOplegging) {
        knoop.Oplegging = code;
        knoop.Vrijheid = code == Inklemming ? VasteVerbinding : ScharnierendeVerbinding;
    }
}

void TManipuleerConstructie::ZetVerbinding(const TSelectie& sel, std::int32_t code) {
    if (!KnoopBestaat(sel.GevondenKnoop) ||
        (code != ScharnierendeVerbinding && code != VasteVerbinding)) {
        return;
    }
    auto& knoop = Constructie.Knopen[sel.GevondenKnoop];
    if (knoop.Oplegging == GeenOplegging) {
        knoop.Vrijheid = code;
    }
}

void TManipuleerConstructie::ZetMp(const TSelectie& sel, double waarde) {
    if (IsSlot(Constructie.Staven, sel.GevondenStaaf)) {
        Constructie.Staven[sel.GevondenStaaf].Mp = waarde;
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

void TManipuleerConstructie::HerschaalKnopen(std::int32_t nieuweSchaal) {
    if (nieuweSchaal < 1 || nieuweSchaal == Schaal) {
        return;
    }
    const double oud = Schaal;
    for (auto& knoop : Constructie.Knopen) {
        knoop.X = HerschaalCoordinaat(knoop.X, oud, nieuweSchaal);
        knoop.Y = HerschaalCoordinaat(knoop.Y, oud, nieuweSchaal);
    }
    Schaal = nieuweSchaal;
}

bool TManipuleerConstructie::Normaliseer() {
    bool veranderd = false;
    const auto verbindingen = Verbindingen();
    for (std::size_t i = 0; i < verbindingen.size(); ++i) {
        auto& knoop = Constructie.Knopen[i];
        if (verbindingen[i] == 0) {
            veranderd = veranderd || knoop.Bestaat;
            knoop.Oplegging = GeenOplegging;
            knoop.Bestaat = false;
            knoop.Vrijheid = VasteVerbinding;
        }
    }
    for (auto& staaf : Constructie.Staven) {
        if (staaf.Bestaat && (!KnoopBestaat(staaf.Knoop0) || !KnoopBestaat(staaf.Knoop1))) {
            staaf.Bestaat = false;
            veranderd = true;
        }
    }
    for (auto& belasting : Constructie.Belastingen) {
        if (belasting.Bestaat && !KnoopBestaat(belasting.Knoop)) {
            belasting.Bestaat = false;
            veranderd = true;
        }
    }
    return veranderd;
}

void TManipuleerConstructie::NormaliseerVolledig() {
    while (Normaliseer()) {
    }
}

} // namespace kx
