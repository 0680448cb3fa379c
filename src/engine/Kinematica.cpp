#include "engine/Kinematica.h"

#include "engine/Compatibiliteit.h"
#include "engine/Mechanisme.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kx {

namespace {

using std::numbers::pi;

double Kruis(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The far point in the direction of two parallel neighbours, as y = a x + q lines.
TRotatiecentrum VerPunt(const TStaaf& buur0, const TStaaf& buur1) {
    const auto lijn = [](const TStaaf& deel) {
        const TKnoop& k0 = deel.Knopen[0];
        const TKnoop& k1 = deel.Knopen[1];
        const double a = Afkappen(k0.x - k1.x) == 0.0 ? Oneindig : (k1.y - k0.y) / (k1.x - k0.x);
        return std::pair{a, k0.y - a * k0.x};
    };
    const auto [a1, q1] = lijn(buur0);
    const double q = (q1 + lijn(buur1).second) / 2.0;
    if (a1 >= Oneindig) {
        return {(buur0.Knopen[0].x + buur1.Knopen[0].x) / 2.0, Oneindig};
    }
    if (a1 > -1.0 && a1 < 1.0) {
        return {Oneindig, a1 * Oneindig + q};
    }
    return {(Oneindig - q) / a1, Oneindig};
}

// Crossing of the lines through the two neighbours, exact for any slope.
TRotatiecentrum Snijpunt(const TStaaf& buur0, const TStaaf& buur1) {
    const TKnoop& p = buur0.Knopen[0];
    const TKnoop& q = buur1.Knopen[0];
    const double d1x = buur0.Knopen[1].x - p.x;
    const double d1y = buur0.Knopen[1].y - p.y;
    const double d2x = buur1.Knopen[1].x - q.x;
    const double d2y = buur1.Knopen[1].y - q.y;
    const double kruis = Kruis(d1x, d1y, d2x, d2y);
    if (std::fabs(kruis) <= RotatieRuis * std::hypot(d1x, d1y) * std::hypot(d2x, d2y)) {
        return VerPunt(buur0, buur1);
    }
    const double t = Kruis(q.x - p.x, q.y - p.y, d2x, d2y) / kruis;
    return {p.x + t * d1x, p.y + t * d1y};
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

// The part moves rigidly: punt moves by d and the part turns gamma.
void ZetBeweging(TStaaf& deel, double px, double py, TVerplaatsing d, double gamma) {
    deel.gamma = gamma;
    for (TKnoop& k : deel.Knopen) {
        k.dx = d.dx - gamma * (k.y - py);
        k.dy = d.dy + gamma * (k.x - px);
    }
}

void DraaiOmCentrum(TStaaf& deel, double gamma) {
    ZetBeweging(deel, deel.RC.x, deel.RC.y, {0.0, 0.0}, gamma);
}

// The chain of the graphical method, carrying exact rotations from part to part.
class TKeten {
public:
    TKeten(TMechanisme& m, double gamma0, double schaal)
        : m_(m), gamma0_(gamma0), schaal_(schaal), gezet_(m.avStaven.size(), false) {}

    // False when it meets a part it cannot fix.
    bool Volg() {
        auto& staven = m_.avStaven;
        const TEersteStaaf eerste = BepaalEersteStaaf(m_);
        TStaaf& begin = staven[static_cast<std::size_t>(eerste.Staaf)];
        if (!begin.RCBekend || !IsEindig(begin.RC)) {
            return false;
        }
        DraaiOmCentrum(begin, gamma0_);
        gezet_[static_cast<std::size_t>(eerste.Staaf)] = true;
        int vorige = eerste.Staaf;
        int e = 1 - eerste.Eind;
        for (std::size_t t = 1; t < staven.size(); ++t) {
            const std::int32_t volgende = BepaalAansluitendeStaaf(m_, vorige, e);
            if (volgende == -1) {
                break;
            }
            const TKnoop& scharnier = staven[static_cast<std::size_t>(vorige)].Knopen[e];
            const int k =
                ValtSamen(staven[static_cast<std::size_t>(volgende)].Knopen[0], scharnier) ? 0 : 1;
            if (!Volg(volgende, k, {scharnier.dx, scharnier.dy})) {
                return false;
            }
            vorige = volgende;
            e = 1 - k;
        }
        return Verenigbaar();
    }

private:
    // Part b entered at its end k, which moves by d.
    bool Volg(int b, int k, TVerplaatsing d) {
        TStaaf& deel = m_.avStaven[static_cast<std::size_t>(b)];
        const TKnoop& h = deel.Knopen[static_cast<std::size_t>(k)];
        gezet_[static_cast<std::size_t>(b)] = true;
        if (deel.RCBekend && !IsEindig(deel.RC)) {
            ZetBeweging(deel, h.x, h.y, d, 0.0);
            return true;
        }
        const double rx = h.x - deel.RC.x;
        const double ry = h.y - deel.RC.y;
        const double r2 = rx * rx + ry * ry;
        if (deel.RCBekend && std::sqrt(r2) > RotatieRuis * schaal_) {
            DraaiOmCentrum(deel, Kruis(rx, ry, d.dx, d.dy) / r2);
            return true;
        }
        // The centre cannot fix the rotation: the other end's known motion does.
        const TKnoop& ander = deel.Knopen[static_cast<std::size_t>(1 - k)];
        TVerplaatsing dAnder;
        if (!BekendeVerplaatsing(b, ander, dAnder)) {
            return false;
        }
        const double ax = ander.x - h.x;
        const double ay = ander.y - h.y;
        const double gamma =
            Kruis(ax, ay, dAnder.dx - d.dx, dAnder.dy - d.dy) / (ax * ax + ay * ay);
        ZetBeweging(deel, h.x, h.y, d, gamma);
        return true;
    }

    bool BekendeVerplaatsing(int b, const TKnoop& punt, TVerplaatsing& d) const {
        if (IsOplegging(punt)) {
            d = {0.0, 0.0};
            return true;
        }
        for (std::size_t c = 0; c < m_.avStaven.size(); ++c) {
            if (static_cast<int>(c) == b || !gezet_[c]) {
                continue;
            }
            for (const TKnoop& k : m_.avStaven[c].Knopen) {
                if (ValtSamen(k, punt)) {
                    d = {k.dx, k.dy};
                    return true;
                }
            }
        }
        return false;
    }

    // Supports hold their ends and coinciding ends move together.
    bool Verenigbaar() const {
        const double grens = RotatieRuis * std::fabs(gamma0_) * schaal_;
        const double grens2 = grens * grens;
        const auto groot = [grens2](double dx, double dy) { return dx * dx + dy * dy > grens2; };
        const auto& staven = m_.avStaven;
        for (std::size_t b = 0; b < staven.size(); ++b) {
            for (const TKnoop& k : staven[b].Knopen) {
                if (IsOplegging(k) && groot(k.dx, k.dy)) {
                    return false;
                }
                for (std::size_t c = b + 1; c < staven.size(); ++c) {
                    for (const TKnoop& l : staven[c].Knopen) {
                        if (ValtSamen(k, l) && groot(k.dx - l.dx, k.dy - l.dy)) {
                            return false;
                        }
                    }
                }
            }
        }
        return true;
    }

    TMechanisme& m_;
    double gamma0_;
    double schaal_;
    std::vector<bool> gezet_;
};

// The parts move as given; the centres follow from the motion.
void PasBewegingToe(TMechanisme& m, const std::vector<TStarreBeweging>& bewegingen, double gamma0,
                    double schaal) {
    const double drempel = RotatieRuis * std::fabs(gamma0);
    for (std::size_t b = 0; b < m.avStaven.size(); ++b) {
        TStaaf& deel = m.avStaven[b];
        const TStarreBeweging beweging = bewegingen.empty() ? TStarreBeweging{} : bewegingen[b];
        const TKnoop& p0 = deel.Knopen[0];
        const double x0 = p0.x;
        const double y0 = p0.y;
        ZetBeweging(deel, x0, y0, {beweging.u, beweging.v}, beweging.omega);
        if (std::fabs(beweging.omega) > drempel) {
            deel.RC = {x0 - beweging.v / beweging.omega, y0 + beweging.u / beweging.omega};
            deel.RCBekend = true;
        } else if (std::hypot(beweging.u, beweging.v) > drempel * schaal) {
            // A translation: the centre lies at infinity across the motion.
            deel.RC = std::fabs(beweging.u) >= std::fabs(beweging.v)
                          ? TRotatiecentrum{x0, Oneindig}
                          : TRotatiecentrum{Oneindig, y0};
            deel.RCBekend = true;
        }
    }
}

// The motion of the compatibility equations.
void LosGeheelOp(TMechanisme& m, double gamma0, double schaal) {
    PasBewegingToe(m, LosCompatibiliteitOp(m, BepaalEersteStaaf(m).Staaf, gamma0).Beweging, gamma0,
                   schaal);
}

// Every load moves with its part.
void VerplaatsBelastingen(TMechanisme& mechanisme) {
    for (TBelasting& last : mechanisme.avBelastingen) {
        // A load without a part does not move.
        if (!IsGeldigeStaaf(mechanisme, last.s)) {
            last.dx = last.dy = 0.0;
            continue;
        }
        const TStaaf& deel = mechanisme.avStaven[static_cast<std::size_t>(last.s)];
        const TKnoop& p0 = deel.Knopen[0];
        last.dx = p0.dx - deel.gamma * (last.y - p0.y);
        last.dy = p0.dy + deel.gamma * (last.x - p0.x);
    }
}

// The motion scaled so that the first part turns gamma0, or, when it does not turn, so that the
// largest rotation is gamma0 (the largest displacement gamma0 times the length when none turns).
std::vector<TStarreBeweging> Geschaald(const TMechanisme& m, std::vector<TStarreBeweging> beweging,
                                       double gamma0, double schaal) {
    const auto eerste = static_cast<std::size_t>(BepaalEersteStaaf(m).Staaf);
    double grootsteRotatie = 0.0;
    double grootsteVerplaatsing = 0.0;
    for (const auto& b : beweging) {
        grootsteRotatie = std::max(grootsteRotatie, std::fabs(b.omega));
        grootsteVerplaatsing = std::max(grootsteVerplaatsing, std::hypot(b.u, b.v));
    }
    double factor = 0.0;
    if (eerste < beweging.size() &&
        std::fabs(beweging[eerste].omega) > RotatieRuis * grootsteRotatie &&
        grootsteRotatie > 0.0) {
        factor = gamma0 / beweging[eerste].omega;
    } else if (grootsteRotatie > 0.0) {
        factor = std::fabs(gamma0) / grootsteRotatie;
    } else if (grootsteVerplaatsing > 0.0) {
        factor = std::fabs(gamma0) * schaal / grootsteVerplaatsing;
    }
    for (auto& b : beweging) {
        b = {b.u * factor, b.v * factor, b.omega * factor};
    }
    return beweging;
}

// Rotations and displacements that are rounding noise become exactly 0.
void RondAf(TMechanisme& m, double gamma0, double schaal) {
    const double hoek = RotatieRuis * std::fabs(gamma0);
    const double lengte = hoek * schaal;
    const auto rond = [](double& v, double grens) {
        if (std::fabs(v) <= grens) {
            v = 0.0;
        }
    };
    for (TStaaf& deel : m.avStaven) {
        rond(deel.gamma, hoek);
        for (TKnoop& k : deel.Knopen) {
            rond(k.dx, lengte);
            rond(k.dy, lengte);
        }
    }
    for (TBelasting& last : m.avBelastingen) {
        rond(last.dx, lengte);
        rond(last.dy, lengte);
    }
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
    return {-gamma * (y - RC.y), gamma * (x - RC.x)};
}

double HoekMod2Pi(double a) {
    return a - 2.0 * pi * std::floor(a / (2.0 * pi));
}

std::int32_t BepaalAansluitendeStaaf(const TMechanisme& mechanisme, int b, int e) {
    const auto& staven = mechanisme.avStaven;
    std::int32_t gevonden = -1;
    if (IsGeldigeStaaf(mechanisme, b)) {
        const TKnoop& punt = staven[static_cast<std::size_t>(b)].Knopen[e];
        for (std::int32_t j = 0; j < static_cast<std::int32_t>(staven.size()); ++j) {
            const auto& ander = staven[static_cast<std::size_t>(j)];
            if (j != b && (ValtSamen(ander.Knopen[0], punt) || ValtSamen(ander.Knopen[1], punt))) {
                gevonden = j;
            }
        }
    }
    return gevonden;
}

void BepaalRotatieCentra(TMechanisme& mechanisme) {
    auto& staven = mechanisme.avStaven;
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        auto& deel = staven[static_cast<std::size_t>(b)];
        deel.RCBekend = true;
        if (IsOplegging(deel.Knopen[0])) {
            deel.RC = {deel.Knopen[0].x, deel.Knopen[0].y};
        } else if (IsOplegging(deel.Knopen[1])) {
            deel.RC = {deel.Knopen[1].x, deel.Knopen[1].y};
        } else {
            // Without both neighbours the part has no centre; it keeps its value.
            const std::int32_t c0 = BepaalAansluitendeStaaf(mechanisme, b, 0);
            const std::int32_t c1 = c0 == -1 ? -1 : BepaalAansluitendeStaaf(mechanisme, b, 1);
            deel.RCBekend = c1 != -1;
            if (deel.RCBekend) {
                deel.RC = Snijpunt(staven[static_cast<std::size_t>(c0)],
                                   staven[static_cast<std::size_t>(c1)]);
            }
        }
    }
}

TEersteStaaf BepaalEersteStaaf(const TMechanisme& mechanisme) {
    const auto& staven = mechanisme.avStaven;
    if (staven.size() == 1) {
        return {0, IsOplegging(staven[0].Knopen[0]) ? 0 : 1};
    }
    TEersteStaaf keuze{0, 0};
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        const auto& deel = staven[static_cast<std::size_t>(b)];
        if (IsOplegging(deel.Knopen[0]) || IsOplegging(deel.Knopen[1])) {
            continue;
        }
        // A part with a missing neighbour has no angle to compare; it is passed over.
        const std::int32_t c0 = BepaalAansluitendeStaaf(mechanisme, b, 0);
        const std::int32_t c1 = c0 == -1 ? -1 : BepaalAansluitendeStaaf(mechanisme, b, 1);
        if (c1 == -1) {
            continue;
        }
        const auto h0 = HoekMetBuur(deel, 0, staven[static_cast<std::size_t>(c0)]);
        const auto h1 = HoekMetBuur(deel, 1, staven[static_cast<std::size_t>(c1)]);
        std::int32_t s0 = std::fabs(h0.A - pi) >= std::fabs(h1.A - pi) ? c1 : c0;
        if (Afkappen(h0.A - h1.A) == 0.0) {
            s0 = h0.r >= h1.r ? c1 : c0;
        }
        keuze = {s0, IsOplegging(staven[static_cast<std::size_t>(s0)].Knopen[0]) ? 0 : 1};
    }
    return keuze;
}

void BepaalVervorming(TMechanisme& mechanisme, double gamma0) {
    for (TStaaf& deel : mechanisme.avStaven) {
        ZetBeweging(deel, 0.0, 0.0, {0.0, 0.0}, 0.0);
    }
    const double schaal = Lengteschaal(mechanisme);
    if (!mechanisme.avStaven.empty() && !TKeten(mechanisme, gamma0, schaal).Volg()) {
        LosGeheelOp(mechanisme, gamma0, schaal);
    }
    VerplaatsBelastingen(mechanisme);
    RondAf(mechanisme, gamma0, schaal);
}

void ZetVervorming(TMechanisme& mechanisme, const std::vector<TStarreBeweging>& beweging,
                   double gamma0) {
    const double schaal = Lengteschaal(mechanisme);
    PasBewegingToe(mechanisme, Geschaald(mechanisme, beweging, gamma0, schaal), gamma0, schaal);
    VerplaatsBelastingen(mechanisme);
    RondAf(mechanisme, gamma0, schaal);
}

void KeerVervormingOm(TMechanisme& mechanisme) {
    // + 0.0 keeps a zero from turning into -0.
    const auto keer = [](double& v) { v = -v + 0.0; };
    for (TStaaf& deel : mechanisme.avStaven) {
        keer(deel.gamma);
        for (TKnoop& k : deel.Knopen) {
            keer(k.dx);
            keer(k.dy);
        }
    }
    for (TBelasting& last : mechanisme.avBelastingen) {
        keer(last.dx);
        keer(last.dy);
    }
}

} // namespace kx
