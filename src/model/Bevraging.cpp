#include "model/Bevraging.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {

bool KnoopBestaat(const TConstructie& c, std::int32_t knoop) {
    return IsSlot(c.Knopen, knoop) && c.Knopen[knoop].Bestaat;
}

bool StaafBestaat(const TConstructie& c, std::int32_t staaf) {
    return IsSlot(c.Staven, staaf) && c.Staven[staaf].Bestaat;
}

std::int32_t AantalVerbindingen(const TConstructie& c, std::int32_t knoop) {
    if (!IsSlot(c.Knopen, knoop)) {
        return 0;
    }
    std::int32_t aantal = c.Knopen[knoop].Oplegging != GeenOplegging ? 1 : 0;
    for (const auto& staaf : c.Staven) {
        if (staaf.Bestaat && (staaf.Knoop0 == knoop || staaf.Knoop1 == knoop)) {
            ++aantal;
        }
    }
    return aantal;
}

std::vector<std::int32_t> Verbindingen(const TConstructie& c) {
    const auto& knopen = c.Knopen;
    std::vector<std::int32_t> aantal(knopen.size());
    for (std::size_t i = 0; i < knopen.size(); ++i) {
        aantal[i] = knopen[i].Oplegging != GeenOplegging ? 1 : 0;
    }
    const auto tel = [&](std::int32_t eind) {
        if (IsSlot(knopen, eind)) {
            ++aantal[static_cast<std::size_t>(eind)];
        }
    };
    for (const auto& staaf : c.Staven) {
        if (staaf.Bestaat) {
            tel(staaf.Knoop0);
            if (staaf.Knoop1 != staaf.Knoop0) {
                tel(staaf.Knoop1);
            }
        }
    }
    return aantal;
}

bool IsVrijUiteinde(const TConstructie& c, std::int32_t knoop) {
    return AantalVerbindingen(c, knoop) < 2;
}

std::int32_t AantalStaven(const TConstructie& c, std::int32_t knoop) {
    const bool heeftOplegging =
        IsSlot(c.Knopen, knoop) && c.Knopen[knoop].Oplegging != GeenOplegging;
    return AantalVerbindingen(c, knoop) - (heeftOplegging ? 1 : 0);
}

bool IsLos(const TConstructie& c, std::int32_t knoop) {
    return AantalVerbindingen(c, knoop) == 0;
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

std::int32_t EersteVrijeKnoop(const TConstructie& c) {
    return EersteVrije(c.Knopen);
}
std::int32_t EersteVrijeStaaf(const TConstructie& c) {
    return EersteVrije(c.Staven);
}
std::int32_t EersteVrijeBelasting(const TConstructie& c) {
    return EersteVrije(c.Belastingen);
}
std::int32_t EersteVrijeVerdeeldeBelasting(const TConstructie& c) {
    return EersteVrije(c.VerdeeldeBelastingen);
}
bool StavenVol(const TConstructie& c) {
    return IsVol(c.Staven);
}
bool BelastingenVol(const TConstructie& c) {
    return IsVol(c.Belastingen);
}
bool VerdeeldeBelastingenVol(const TConstructie& c) {
    return IsVol(c.VerdeeldeBelastingen);
}
bool HeeftVerdeeldeBelasting(const TConstructie& c) {
    return std::any_of(c.VerdeeldeBelastingen.begin(), c.VerdeeldeBelastingen.end(),
                       [](const TConstructieVerdeeldeBelasting& q) { return q.Bestaat; });
}

std::int32_t VerdeeldeBelastingOp(const TConstructie& c, std::int32_t staaf) {
    const auto& tabel = c.VerdeeldeBelastingen;
    const auto gevonden =
        std::find_if(tabel.begin(), tabel.end(), [staaf](const TConstructieVerdeeldeBelasting& q) {
            return q.Bestaat && q.Staaf == staaf;
        });
    return gevonden == tabel.end() ? -1 : static_cast<std::int32_t>(gevonden - tabel.begin());
}

bool HeeftVrijeKnoop(const TConstructie& c) {
    return EersteVrijeKnoop(c) < MaxSlots;
}

bool VerbindtStaaf(const TConstructie& c, std::int32_t a, std::int32_t b) {
    return std::any_of(c.Staven.begin(), c.Staven.end(), [a, b](const TConstructieStaaf& s) {
        return s.Bestaat && ((s.Knoop0 == a && s.Knoop1 == b) || (s.Knoop0 == b && s.Knoop1 == a));
    });
}

std::int32_t ZoekKnoop(const TConstructie& c, double x, double y) {
    const auto& knopen = c.Knopen;
    const auto gevonden = std::find_if(knopen.begin(), knopen.end(), [x, y](const auto& knoop) {
        return knoop.Bestaat && knoop.X == x && knoop.Y == y;
    });
    return gevonden == knopen.end() ? -1 : static_cast<std::int32_t>(gevonden - knopen.begin());
}

TPunt Positie(const TConstructie& c, std::int32_t knoop) {
    return {c.Knopen[knoop].X, c.Knopen[knoop].Y};
}

namespace {
// Relative to the bar's squared length: grid points are exact multiples of the step, so a point
// on the line misses it by rounding only.
constexpr double OpDeLijn = 1e-9;
} // namespace

std::optional<TPunt> PuntOpStaaf(const TConstructie& c, std::int32_t staaf, TPunt p, double stap) {
    if (!IsSlot(c.Staven, staaf) || !c.Staven[staaf].Bestaat ||
        !KnoopBestaat(c, c.Staven[staaf].Knoop0) || !KnoopBestaat(c, c.Staven[staaf].Knoop1)) {
        return std::nullopt;
    }
    const TPunt a = Positie(c, c.Staven[staaf].Knoop0);
    const TPunt b = Positie(c, c.Staven[staaf].Knoop1);
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengte2 = dx * dx + dy * dy;
    std::optional<TPunt> beste;
    double besteAfstand = 0.0;
    for (int i = -1; i <= 1; ++i) {
        for (int j = -1; j <= 1; ++j) {
            const TPunt q{p.x + i * stap, p.y + j * stap};
            const double kruis = (q.x - a.x) * dy - (q.y - a.y) * dx;
            const double langs = ((q.x - a.x) * dx + (q.y - a.y) * dy) / lengte2;
            const bool binnen = langs * std::sqrt(lengte2) > OpDeLijn * stap &&
                                (1.0 - langs) * std::sqrt(lengte2) > OpDeLijn * stap;
            const double afstand = std::hypot(q.x - p.x, q.y - p.y);
            // A node already there is not a point at which to split.
            if (lengte2 > 0.0 && std::fabs(kruis) <= OpDeLijn * lengte2 && binnen &&
                ZoekKnoop(c, q.x, q.y) == -1 && (!beste || afstand < besteAfstand)) {
                beste = q;
                besteAfstand = afstand;
            }
        }
    }
    return beste;
}

std::int32_t BuurKnoop(const TConstructie& c, std::int32_t knoop) {
    for (const auto& staaf : c.Staven) {
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

double Oplegrichting(const TConstructie& c, std::int32_t knoop, std::int32_t soort) {
    const std::int32_t buur = BuurKnoop(c, knoop);
    if (!IsSlot(c.Knopen, buur) || !IsSlot(c.Knopen, knoop)) {
        return 0.0;
    }
    const double a = Richtingshoek(Positie(c, knoop), Positie(c, buur)) / std::numbers::pi;
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
