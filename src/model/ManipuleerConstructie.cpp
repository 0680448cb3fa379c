#include "model/ManipuleerConstructie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {

TManipuleerConstructie::TManipuleerConstructie(const Teksten& teksten) : teksten_(&teksten) {
    MaakLeeg();
}

void TManipuleerConstructie::MaakLeeg() {
    Schaal = 1;
    Constructie = TConstructie{};
}

bool TManipuleerConstructie::KnoopBestaat(std::int32_t knoop) const {
    return IsSlot(Constructie.Knopen, knoop) && Constructie.Knopen[knoop].Bestaat;
}

std::int32_t TManipuleerConstructie::AantalVerbindingen(std::int32_t knoop) const {
    if (!IsSlot(Constructie.Knopen, knoop)) {
        return 0;
    }
    std::int32_t aantal = Constructie.Knopen[knoop].Oplegging != GeenOplegging ? 1 : 0;
    for (const auto& staaf : Constructie.Staven) {
        if (staaf.Bestaat && (staaf.Knoop0 == knoop || staaf.Knoop1 == knoop)) {
            ++aantal;
        }
    }
    return aantal;
}

std::vector<std::int32_t> TManipuleerConstructie::Verbindingen() const {
    const auto& knopen = Constructie.Knopen;
    std::vector<std::int32_t> aantal(knopen.size());
    for (std::size_t i = 0; i < knopen.size(); ++i) {
        aantal[i] = knopen[i].Oplegging != GeenOplegging ? 1 : 0;
    }
    const auto tel = [&](std::int32_t eind) {
        if (IsSlot(knopen, eind)) {
            ++aantal[static_cast<std::size_t>(eind)];
        }
    };
    for (const auto& staaf : Constructie.Staven) {
        if (staaf.Bestaat) {
            tel(staaf.Knoop0);
            if (staaf.Knoop1 != staaf.Knoop0) {
                tel(staaf.Knoop1);
            }
        }
    }
    return aantal;
}

bool TManipuleerConstructie::IsVrijUiteinde(std::int32_t knoop) const {
    return AantalVerbindingen(knoop) < 2;
}

bool TManipuleerConstructie::IsLos(std::int32_t knoop) const {
    return AantalVerbindingen(knoop) == 0;
}

namespace {
template <typename Tabel> std::int32_t EersteVrije(const Tabel& tabel) {
    const auto vrij =
        std::find_if(tabel.begin(), tabel.end(), [](const auto& slot) { return !slot.Bestaat; });
    return static_cast<std::int32_t>(vrij - tabel.begin());
}

template <typename Tabel> bool IsVol(const Tabel& tabel) {
    return std::count_if(tabel.begin(), tabel.end(),
                         [](const auto& slot) { return slot.Bestaat; }) >= MaxSlots;
}
} // namespace

std::int32_t TManipuleerConstructie::EersteVrijeKnoop() const {
    return EersteVrije(Constructie.Knopen);
}
std::int32_t TManipuleerConstructie::EersteVrijeStaaf() const {
    return EersteVrije(Constructie.Staven);
}
std::int32_t TManipuleerConstructie::EersteVrijeBelasting() const {
    return EersteVrije(Constructie.Belastingen);
}
bool TManipuleerConstructie::StavenVol() const {
    return IsVol(Constructie.Staven);
}
bool TManipuleerConstructie::BelastingenVol() const {
    return IsVol(Constructie.Belastingen);
}

std::int32_t TManipuleerConstructie::ZoekKnoop(double x, double y) const {
    const auto& knopen = Constructie.Knopen;
    const auto gevonden = std::find_if(knopen.begin(), knopen.end(), [x, y](const auto& knoop) {
        return knoop.Bestaat && knoop.X == x && knoop.Y == y;
    });
    return gevonden == knopen.end() ? -1 : static_cast<std::int32_t>(gevonden - knopen.begin());
}

TPunt TManipuleerConstructie::Positie(std::int32_t knoop) const {
    return {Constructie.Knopen[knoop].X, Constructie.Knopen[knoop].Y};
}

std::int32_t TManipuleerConstructie::BuurKnoop(std::int32_t knoop) const {
    for (const auto& staaf : Constructie.Staven) {
        if (!staaf.Bestaat) {
            continue;
        }
        if (staaf.Knoop0 == knoop) {
            return staaf.Knoop1;
        }
        if (staaf.Knoop1 == knoop) {
            return staaf.Knoop0;
        }
    }
    return -1;
}

double Richtingshoek(TPunt van, TPunt naar) {
    constexpr double pi = std::numbers::pi;
    const double dx = naar.x - van.x;
    const double dy = naar.y - van.y;
    if (dx == 0.0) {
        return dy > 0.0 ? 3.0 * pi / 2.0 : pi / 2.0;
    }
    const double a = std::atan(std::fabs(dy / dx));
    if (dx > 0.0) {
        return dy > 0.0 ? 2.0 * pi - a : a;
    }
    return dy > 0.0 ? pi + a : pi - a;
}

double TManipuleerConstructie::Oplegrichting(std::int32_t knoop, std::int32_t soort) const {
    const std::int32_t buur = BuurKnoop(knoop);
    if (!IsSlot(Constructie.Knopen, buur) || !IsSlot(Constructie.Knopen, knoop)) {
        return 0.0;
    }
    const double a = Richtingshoek(Positie(knoop), Positie(buur)) / std::numbers::pi;
    switch (soort) {
    case RolVerticaal:
        return (a >= 0.5 && a < 1.5) ? 1.0 : 0.0;
    case RolHorizontaal:
        return a < 1.0 ? 0.5 : -0.5;
    case Scharnierend:
    case Inklemming:
        if (a < 0.25) {
            return 0.0;
        }
        if (a < 0.75) {
            return 0.5;
        }
        if (a < 1.25) {
            return 1.0;
        }
        return a < 1.75 ? 1.5 : 0.0;
    default:
        return 0.0;
    }
}

} // namespace kx
