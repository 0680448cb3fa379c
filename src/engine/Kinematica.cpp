#include "engine/Kinematica.h"

#include "engine/Analyse.h"

#include <cmath>
#include <numbers>
#include <string>

namespace kx {

namespace {

constexpr double pi = std::numbers::pi;

bool ValtSamen(const TKnoop& a, const TKnoop& b) {
    return Afkappen(a.x - b.x) == 0.0 && Afkappen(a.y - b.y) == 0.0;
}

bool IsOplegging(const TKnoop& knoop) {
    return knoop.Soort < 4;
}

// The line y = a x + q through the two ends of a part; a vertical line gets a = Oneindig.
struct TLijn {
    double a = 0.0;
    double q = 0.0;
};

TLijn LijnDoor(const TStaaf& deel) {
    const TKnoop& k0 = deel.Knopen[0];
    const TKnoop& k1 = deel.Knopen[1];
    const double a = Afkappen(k0.x - k1.x) == 0.0 ? Oneindig : (k1.y - k0.y) / (k1.x - k0.x);
    return {a, k0.y - a * k0.x};
}

// Intersection of the lines through the two neighbours; parallel lines meet in a far point in
// their direction.
TRotatiecentrum Snijpunt(const TStaaf& buur0, const TStaaf& buur1) {
    const TLijn l1 = LijnDoor(buur0);
    const TLijn l2 = LijnDoor(buur1);
    if (Afkappen(l1.a - l2.a) != 0.0) {
        const double x = (l2.q - l1.q) / (l1.a - l2.a);
        return {x, l1.a * x + l1.q};
    }
    const double q = (l1.q + l2.q) / 2.0;
    if (l1.a >= Oneindig) {
        return {(buur0.Knopen[0].x + buur1.Knopen[0].x) / 2.0, Oneindig};
    }
    if (l1.a > -1.0 && l1.a < 1.0) {
        return {Oneindig, l1.a * Oneindig + q};
    }
    return {(Oneindig - q) / l1.a, Oneindig};
}

// For the part's end e and its neighbour there: the length of the neighbour and the angle
// between the part and the neighbour, both seen from the shared node.
struct THoekMetBuur {
    double r = 0.0;
    double A = 0.0;
};

THoekMetBuur HoekMetBuur(const TStaaf& deel, int e, const TStaaf& buur) {
    const TKnoop& gedeeld = deel.Knopen[e];
    const TKnoop& ander = deel.Knopen[1 - e];
    const double phiB = PoolCoordinaten(ander.x - gedeeld.x, ander.y - gedeeld.y).phi;
    const TKnoop& ver = ValtSamen(buur.Knopen[0], gedeeld) ? buur.Knopen[1] : buur.Knopen[0];
    const auto pool = PoolCoordinaten(ver.x - gedeeld.x, ver.y - gedeeld.y);
    return {pool.r, HoekMod2Pi(phiB - pool.phi)};
}

void Verplaats(TKnoop& knoop, const TStaaf& deel, double gamma) {
    const auto d = HaaksRoteren(knoop.x, knoop.y, deel.RC, gamma);
    knoop.dx = d.dx;
    knoop.dy = d.dy;
}

} // namespace

TPoolCoordinaten PoolCoordinaten(double dx, double dy) {
    const double r = std::sqrt(dx * dx + dy * dy);
    const bool nulX = Afkappen(dx) == 0.0;
    double phi = 0.0;
    if (nulX && Afkappen(dy) == 0.0) {
        phi = 0.0;
    } else if (dx > 0.0 && dy >= 0.0) {
        phi = Afkappen(std::atan(dy / dx));
    } else if (nulX && dy > 0.0) {
        phi = pi / 2.0;
    } else if (dx < 0.0 && dy > 0.0) {
        phi = pi - std::atan(std::fabs(dy / dx));
    } else if (dx < 0.0 && dy <= 0.0) {
        phi = pi + std::atan(std::fabs(dy / dx));
    } else if (nulX && dy < 0.0) {
        phi = 3.0 * pi / 2.0;
    } else if (dx > 0.0 && dy < 0.0) {
        phi = 2.0 * pi - std::atan(std::fabs(dy / dx));
    }
    return {r, phi};
}

TVerplaatsing HaaksRoteren(double x, double y, TRotatiecentrum RC, double gamma) {
    const auto pool = PoolCoordinaten(x - RC.x, y - RC.y);
    const double lengte = pool.r * std::tan(gamma);
    return {Afkappen(std::cos(pool.phi + pi / 2.0) * lengte),
            Afkappen(std::sin(pool.phi + pi / 2.0) * lengte)};
}

double HoekMod2Pi(double a) {
    return a - 2.0 * pi * std::floor(a / (2.0 * pi));
}

bool TAnalyse::IsGeldigeStaaf(const TMechanisme& mechanisme, int b) {
    return b >= 0 && b < static_cast<int>(mechanisme.avStaven.size());
}

std::int32_t TAnalyse::BepaalAansluitendeStaaf(const TMechanisme& mechanisme, int b, int e) const {
    const auto& staven = mechanisme.avStaven;
    std::int32_t gevonden = -1;
    if (IsGeldigeStaaf(mechanisme, b)) {
        const TKnoop& punt = staven[b].Knopen[e];
        for (std::int32_t j = 0; j < static_cast<std::int32_t>(staven.size()); ++j) {
            if (j != b &&
                (ValtSamen(staven[j].Knopen[0], punt) || ValtSamen(staven[j].Knopen[1], punt))) {
                gevonden = j;
            }
        }
    }
    if (gevonden == -1) {
        LogFout("00143   BepaalAansluitendeStaaf Staaf[s[x]] --> NIET OK!!!!!!!!!!");
    }
    return gevonden;
}

void TAnalyse::BepaalRotatieCentra(TMechanisme& mechanisme) const {
    auto& staven = mechanisme.avStaven;
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        auto& deel = staven[b];
        if (IsOplegging(deel.Knopen[0])) {
            deel.RC = {deel.Knopen[0].x, deel.Knopen[0].y};
        } else if (IsOplegging(deel.Knopen[1])) {
            deel.RC = {deel.Knopen[1].x, deel.Knopen[1].y};
        } else {
            // Without both neighbours the part has no centre; it keeps (0, 0).
            const std::int32_t c0 = BepaalAansluitendeStaaf(mechanisme, b, 0);
            if (c0 == -1) {
                continue;
            }
            const std::int32_t c1 = BepaalAansluitendeStaaf(mechanisme, b, 1);
            if (c1 == -1) {
                continue;
            }
            deel.RC = Snijpunt(staven[c0], staven[c1]);
        }
    }
}

TEersteStaaf TAnalyse::BepaalEersteStaaf(const TMechanisme& mechanisme) const {
    const auto& staven = mechanisme.avStaven;
    if (staven.size() == 1) {
        return {0, staven[0].Knopen[0].Soort > 3 ? 1 : 0};
    }
    TEersteStaaf keuze{0, 0};
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        const auto& deel = staven[b];
        if (IsOplegging(deel.Knopen[0]) || IsOplegging(deel.Knopen[1])) {
            continue;
        }
        // A part with a missing neighbour has no angle to compare; it is passed over.
        const std::int32_t c0 = BepaalAansluitendeStaaf(mechanisme, b, 0);
        if (c0 == -1) {
            continue;
        }
        const std::int32_t c1 = BepaalAansluitendeStaaf(mechanisme, b, 1);
        if (c1 == -1) {
            continue;
        }
        const auto h0 = HoekMetBuur(deel, 0, staven[c0]);
        const auto h1 = HoekMetBuur(deel, 1, staven[c1]);
        std::int32_t s0 = std::fabs(h0.A - pi) >= std::fabs(h1.A - pi) ? c1 : c0;
        if (Afkappen(h0.A - h1.A) == 0.0) {
            s0 = h0.r >= h1.r ? c1 : c0;
        }
        keuze = {s0, IsOplegging(staven[s0].Knopen[0]) ? 0 : 1};
    }
    return keuze;
}

void TAnalyse::BepaalVervorming(TMechanisme& mechanisme, double gamma0) const {
    auto& staven = mechanisme.avStaven;
    const int aantal = static_cast<int>(staven.size());
    if (aantal > 0) {
        const TEersteStaaf eerste = BepaalEersteStaaf(mechanisme);
        LogStap([&] { return std::string("00141   BepaalEersteStaaf --> OK"); });
        int vorige = eerste.Staaf;
        int e = eerste.Eind;
        auto& deel = staven[vorige];
        deel.gamma = gamma0;
        deel.Knopen[e].dx = 0.0;
        deel.Knopen[e].dy = 0.0;
        e = 1 - e;
        Verplaats(deel.Knopen[e], deel, gamma0);
        LogStap([&] {
            return std::string("00142   HaaksRoteren Staaf[" + std::to_string(vorige) + "] --> OK");
        });
        LogStaaf(mechanisme, vorige);
        for (int t = 1; t < aantal; ++t) {
            // A chain that meets no next part ends there; what it reached keeps its values.
            const std::int32_t volgende = BepaalAansluitendeStaaf(mechanisme, vorige, e);
            if (volgende == -1) {
                break;
            }
            LogStap([&] {
                return std::string("00143   BepaalAansluitendeStaaf Staaf[" +
                                   std::to_string(volgende) + "] --> OK");
            });
            BepaalVervormingStaaf(mechanisme, volgende, vorige, e);
            LogStap([&] {
                return std::string("00144   BepaalVervormingStaaf Staaf[" +
                                   std::to_string(volgende) + "] --> OK");
            });
            LogStaaf(mechanisme, volgende);
            vorige = volgende;
        }
    }
    for (std::size_t j = 0; j < mechanisme.avBelastingen.size(); ++j) {
        auto& belasting = mechanisme.avBelastingen[j];
        const auto naam = [j] {
            return "00145   HaaksRoteren Belasting[" + std::to_string(j) + "]";
        };
        if (!IsGeldigeStaaf(mechanisme, belasting.s)) {
            LogFout(naam() + " --> NIET OK!!!!!!!!!!");
            continue;
        }
        const auto& deel = staven[belasting.s];
        const auto d = HaaksRoteren(belasting.x, belasting.y, deel.RC, deel.gamma);
        belasting.dx = d.dx;
        belasting.dy = d.dy;
        LogStap([&] { return std::string(naam() + " --> OK"); });
    }
}

void TAnalyse::BepaalVervormingStaaf(TMechanisme& mechanisme, int b, int p, int& e) const {
    auto& staven = mechanisme.avStaven;
    auto& deel = staven[b];
    const TKnoop& scharnier = staven[p].Knopen[e];
    const int k = ValtSamen(deel.Knopen[0], scharnier) ? 0 : 1;
    TKnoop& gedeeld = deel.Knopen[k];
    gedeeld.dx = scharnier.dx;
    gedeeld.dy = scharnier.dy;

    const double phi1 =
        PoolCoordinaten(gedeeld.x + gedeeld.dx - deel.RC.x, gedeeld.y + gedeeld.dy - deel.RC.y).phi;
    const double phi0 = PoolCoordinaten(gedeeld.x - deel.RC.x, gedeeld.y - deel.RC.y).phi;
    double gamma = phi1 - phi0;
    if (gamma > pi) {
        gamma -= 2.0 * pi;
    } else if (gamma < -pi) {
        gamma += 2.0 * pi;
    }
    deel.gamma = gamma;

    e = 1 - k;
    Verplaats(deel.Knopen[e], deel, gamma);
}

std::int32_t TAnalyse::BepaalAansluitendeStaaf(int i, int b, int e) const {
    return BepaalAansluitendeStaaf(Mechanismen[i], b, e);
}

void TAnalyse::BepaalRotatieCentra(int i) {
    BepaalRotatieCentra(Mechanismen[i]);
}

TEersteStaaf TAnalyse::BepaalEersteStaaf(int i) const {
    return BepaalEersteStaaf(Mechanismen[i]);
}

void TAnalyse::BepaalVervorming(int i, double gamma0) {
    BepaalVervorming(Mechanismen[i], gamma0);
}

} // namespace kx
