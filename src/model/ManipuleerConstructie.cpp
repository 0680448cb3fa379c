#include "model/ManipuleerConstructie.h"

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
    return knoop >= 0 && knoop < AantalKnoopSlots && Constructie.Knopen[knoop].Bestaat;
}

std::int32_t TManipuleerConstructie::AantalVerbindingen(std::int32_t knoop) const {
    if (knoop < 0 || knoop >= AantalKnoopSlots) {
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

std::array<std::int32_t, AantalKnoopSlots> TManipuleerConstructie::Verbindingen() const {
    std::array<std::int32_t, AantalKnoopSlots> aantal{};
    for (std::int32_t i = 0; i < AantalKnoopSlots; ++i) {
        aantal[i] = Constructie.Knopen[i].Oplegging != GeenOplegging ? 1 : 0;
    }
    const auto tel = [&aantal](std::int32_t eind) {
        if (eind >= 0 && eind < AantalKnoopSlots) {
            ++aantal[eind];
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
    for (std::size_t i = 0; i < tabel.size(); ++i) {
        if (!tabel[i].Bestaat) {
            return static_cast<std::int32_t>(i);
        }
    }
    return 0;
}

template <typename Tabel> bool IsVol(const Tabel& tabel) {
    std::size_t aantal = 0;
    for (const auto& item : tabel) {
        aantal += item.Bestaat ? 1 : 0;
    }
    return aantal >= tabel.size() - 1;
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
    for (std::int32_t i = 0; i < AantalKnoopSlots; ++i) {
        const auto& knoop = Constructie.Knopen[i];
        if (knoop.Bestaat && knoop.X == x && knoop.Y == y) {
            return i;
        }
    }
    return -1;
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
    if (buur < 0 || buur >= AantalKnoopSlots || knoop < 0 || knoop >= AantalKnoopSlots) {
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
