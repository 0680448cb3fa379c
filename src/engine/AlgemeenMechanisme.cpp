#include "engine/AlgemeenMechanisme.h"

#include "engine/Mechanisme.h"
#include "engine/Veldscharnieren.h"
#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace kx {

namespace {

TKnoop Eind(const TConstructie& constructie, std::int32_t n, double mp) {
    const auto& bron = constructie.Knopen[static_cast<std::size_t>(n)];
    TKnoop eind;
    eind.Soort = KnoopSoort(bron.Oplegging, bron.Vrijheid);
    eind.Naam = KnoopNaam(n);
    eind.x = bron.X;
    eind.y = -bron.Y;
    eind.Mp = mp;
    eind.Index = n;
    return eind;
}

// The motion scaled so that the largest rotation of a bar or joint is the virtual rotation (the
// largest displacement the virtual rotation times the frame's size when nothing turns), with the
// loads doing positive work.
Eigen::VectorXd Geschaald(const TConstructie& constructie, const TRaamwerk& raamwerk,
                          Eigen::VectorXd d) {
    double rotatie = 0.0;
    for (std::size_t s = 0; s < constructie.Staven.size(); ++s) {
        if (constructie.Staven[s].Bestaat) {
            rotatie = std::max(rotatie, std::fabs(raamwerk.Gamma(d, static_cast<std::int32_t>(s))));
        }
    }
    for (std::int32_t k = 0; k < raamwerk.AantalKnopen(); ++k) {
        rotatie = std::max(rotatie, std::fabs(raamwerk.Phi(d, k)));
    }
    for (std::size_t v = 0; v < raamwerk.Velden().size(); ++v) {
        rotatie = std::max({rotatie, std::fabs(raamwerk.ThetaA(d, static_cast<int>(v))),
                            std::fabs(raamwerk.ThetaB(d, static_cast<int>(v)))});
    }
    const double factor = rotatie > 0.0 ? VirtueleRotatie / rotatie
                          : d.size() > 0 && d.cwiseAbs().maxCoeff() > 0.0
                              ? VirtueleRotatie / d.cwiseAbs().maxCoeff()
                              : 0.0;
    d *= raamwerk.Arbeid(d) < 0.0 ? -factor : factor;
    return d;
}

// The displacement of a part's end: its node's, or, for the hinge inside a span (no node), the
// hinge's.
std::pair<double, double> Verplaatsing(const TKnoop& eind, const TRaamwerk& raamwerk,
                                       const Eigen::VectorXd& d, int veld) {
    if (eind.Index < 0) {
        return raamwerk.VeldVerplaatsing(d, veld);
    }
    return {raamwerk.U(d, eind.Index), raamwerk.V(d, eind.Index)};
}

void ZetBeweging(TStaaf& deel, double rotatie, const TRaamwerk& raamwerk, const Eigen::VectorXd& d,
                 int veld = -1) {
    deel.gamma = rotatie;
    for (TKnoop& eind : deel.Knopen) {
        std::tie(eind.dx, eind.dy) = Verplaatsing(eind, raamwerk, d, veld);
    }
    const TKnoop& p = deel.Knopen[0];
    deel.RCBekend = true;
    if (rotatie != 0.0) {
        deel.RC = {p.x - p.dy / rotatie, p.y + p.dx / rotatie};
    } else if (p.dx != 0.0 || p.dy != 0.0) {
        deel.RC = std::fabs(p.dx) >= std::fabs(p.dy) ? TRotatiecentrum{p.x, Oneindig}
                                                     : TRotatiecentrum{Oneindig, p.y};
    } else {
        deel.RC = {p.x, p.y};
    }
}

double Afgerond(double rotatie) {
    return std::fabs(rotatie) <= RotatieRuis * VirtueleRotatie ? 0.0 : rotatie;
}

// The name of the hinge inside span v: the letter after those of the frame's nodes.
std::string Veldnaam(const TConstructie& constructie, int v) {
    std::int32_t hoogste = -1;
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        hoogste = constructie.Knopen[k].Bestaat ? static_cast<std::int32_t>(k) : hoogste;
    }
    return KnoopNaam(hoogste + 1 + v);
}

// The parts of one bar: the bar itself, or, where its span hinge turns, the segments on either
// side of the hinge.
struct TStaafdelen {
    int Eerste = -1;
    int Tweede = -1;
};

TStaafdelen BouwDelen(const TConstructie& constructie, const TRaamwerk& raamwerk,
                      const Eigen::VectorXd& d, std::int32_t s, bool gesplitst,
                      TMechanisme& mechanisme) {
    const auto& staaf = constructie.Staven[static_cast<std::size_t>(s)];
    const int v = raamwerk.VeldVanStaaf(s);
    TStaafdelen delen;
    if (!gesplitst) {
        TStaaf& deel = mechanisme.avStaven.emplace_back();
        deel.Knopen = {Eind(constructie, staaf.Knoop0, staaf.Mp),
                       Eind(constructie, staaf.Knoop1, staaf.Mp)};
        deel.VStaaf = s;
        ZetBeweging(deel, Afgerond(raamwerk.Gamma(d, s)), raamwerk, d);
        delen.Eerste = delen.Tweede = static_cast<int>(mechanisme.avStaven.size()) - 1;
        return delen;
    }
    const auto& veld = raamwerk.Velden()[static_cast<std::size_t>(v)];
    const TKnoop begin = Eind(constructie, staaf.Knoop0, staaf.Mp);
    const TKnoop einde = Eind(constructie, staaf.Knoop1, staaf.Mp);
    TKnoop scharnier;
    scharnier.Soort = KnoopVrijStijf;
    scharnier.Naam = Veldnaam(constructie, v);
    scharnier.x = begin.x + veld.Positie * (einde.x - begin.x);
    scharnier.y = begin.y + veld.Positie * (einde.y - begin.y);
    scharnier.Mp = staaf.Mp;
    for (const int helft : {0, 1}) {
        TStaaf& deel = mechanisme.avStaven.emplace_back();
        deel.Knopen = helft == 0 ? TKnoopArray{begin, scharnier} : TKnoopArray{scharnier, einde};
        deel.VStaaf = s;
        const double theta = helft == 0 ? raamwerk.ThetaA(d, v) : raamwerk.ThetaB(d, v);
        ZetBeweging(deel, Afgerond(theta), raamwerk, d, v);
        (helft == 0 ? delen.Eerste : delen.Tweede) =
            static_cast<int>(mechanisme.avStaven.size()) - 1;
    }
    return delen;
}

// The resultant of a distributed load on every part of its bar, at the part's middle.
void VoegVerdeeldeLastenToe(const TConstructie& constructie,
                            const std::vector<TStaafdelen>& deelVanStaaf, TMechanisme& mechanisme) {
    for (const auto& q : constructie.VerdeeldeBelastingen) {
        if (!q.Bestaat || !IsSlot(constructie.Staven, q.Staaf) ||
            deelVanStaaf[static_cast<std::size_t>(q.Staaf)].Eerste < 0) {
            continue;
        }
        const auto& delen = deelVanStaaf[static_cast<std::size_t>(q.Staaf)];
        std::vector<int> dragers{delen.Eerste};
        if (delen.Tweede != delen.Eerste) {
            dragers.push_back(delen.Tweede);
        }
        for (const int t : dragers) {
            const TStaaf& deel = mechanisme.avStaven[static_cast<std::size_t>(t)];
            const double lengte = std::hypot(deel.Knopen[1].x - deel.Knopen[0].x,
                                             deel.Knopen[1].y - deel.Knopen[0].y);
            if (lengte > 0.0) {
                TBelasting& last = mechanisme.avBelastingen.emplace_back();
                last.x = 0.5 * (deel.Knopen[0].x + deel.Knopen[1].x);
                last.y = 0.5 * (deel.Knopen[0].y + deel.Knopen[1].y);
                last.dx = 0.5 * (deel.Knopen[0].dx + deel.Knopen[1].dx);
                last.dy = 0.5 * (deel.Knopen[0].dy + deel.Knopen[1].dy);
                last.Fx = q.Qx * lengte;
                last.Fy = -q.Qy * lengte;
                last.s = t;
                last.Verdeeld = q.Staaf;
                last.Lengte = lengte;
            }
        }
    }
}

} // namespace

void BouwMechanisme(const TConstructie& constructie, const TRaamwerk& raamwerk,
                    const std::vector<int>& plaatsen, TMechanisme& mechanisme) {
    const bool velden = std::any_of(plaatsen.begin(), plaatsen.end(),
                                    [&](int p) { return raamwerk.VeldVanPlaats(p) >= 0; });
    if (velden) {
        TRaamwerk geplaatst = raamwerk;
        const TBeweging beweging = KleinsteBewegingMetVelden(geplaatst, plaatsen);
        BouwMechanisme(constructie, geplaatst,
                       beweging.d.size() > 0 ? beweging.d : geplaatst.EenBeweging(plaatsen),
                       plaatsen, mechanisme);
        return;
    }
    const TBeweging beweging = raamwerk.KleinsteBeweging(plaatsen);
    BouwMechanisme(constructie, raamwerk,
                   beweging.d.size() > 0 ? beweging.d : raamwerk.EenBeweging(plaatsen), plaatsen,
                   mechanisme);
}

void BouwMechanisme(const TConstructie& constructie, const TRaamwerk& raamwerk,
                    const Eigen::VectorXd& beweging, const std::vector<int>& plaatsen,
                    TMechanisme& mechanisme) {
    const Eigen::VectorXd d = Geschaald(constructie, raamwerk, beweging);
    // Rounding of rotations that are zero stays out of the moments' signs.
    double grootste = 0.0;
    for (const int p : plaatsen) {
        grootste = std::max(grootste, std::fabs(raamwerk.Rotatie(d, p)));
    }
    const auto draait = [&](int p) {
        return grootste > 0.0 && std::fabs(raamwerk.Rotatie(d, p)) > RotatieRuis * grootste;
    };
    std::vector<bool> gesplitst(constructie.Staven.size(), false);
    mechanisme.Veldscharnieren.clear();
    for (const int p : plaatsen) {
        const int v = raamwerk.VeldVanPlaats(p);
        if (v >= 0) {
            const auto& veld = raamwerk.Velden()[static_cast<std::size_t>(v)];
            gesplitst[static_cast<std::size_t>(veld.Staaf)] = draait(p);
            mechanisme.Veldscharnieren.push_back({veld.Staaf, p, veld.Positie,
                                                  veld.Positie * raamwerk.Lengte(veld.Staaf),
                                                  draait(p)});
        }
    }

    mechanisme.avStaven.clear();
    mechanisme.avBelastingen.clear();
    std::vector<TStaafdelen> deelVanStaaf(constructie.Staven.size());
    for (std::size_t s = 0; s < constructie.Staven.size(); ++s) {
        if (constructie.Staven[s].Bestaat) {
            deelVanStaaf[s] = BouwDelen(constructie, raamwerk, d, static_cast<std::int32_t>(s),
                                        gesplitst[s], mechanisme);
        }
    }

    // Plastic moments at the places that turn, sign(theta) Mp: with theta = phi - gamma the
    // term M gamma and its balance -M phi at the joint dissipate Mp |theta|. In a span theta is
    // the first segment's rotation less the second's: M on the second segment's end and -M on
    // the first's.
    const auto& alle = raamwerk.Plaatsen();
    std::vector<double> balans(constructie.Knopen.size(), 0.0);
    std::vector<int> draaiend;
    for (const int p : plaatsen) {
        if (!draait(p)) {
            continue;
        }
        const double theta = raamwerk.Rotatie(d, p);
        const auto& plaats = alle[static_cast<std::size_t>(p)];
        const auto& delen = deelVanStaaf[static_cast<std::size_t>(plaats.Staaf)];
        const double m = (theta > 0.0 ? 1.0 : -1.0) * plaats.Mp;
        draaiend.push_back(p);
        if (plaats.Veld) {
            TKnoop& tweede = mechanisme.avStaven[static_cast<std::size_t>(delen.Tweede)].Knopen[0];
            tweede.Stijf = true;
            tweede.M = m;
            mechanisme.avStaven[static_cast<std::size_t>(delen.Eerste)].Knopen[1].M = -m;
            continue;
        }
        TStaaf& eerste = mechanisme.avStaven[static_cast<std::size_t>(delen.Eerste)];
        TStaaf& deel = eerste.Knopen[0].Index == plaats.Knoop
                           ? eerste
                           : mechanisme.avStaven[static_cast<std::size_t>(delen.Tweede)];
        TKnoop& eind = deel.Knopen[deel.Knopen[0].Index == plaats.Knoop ? 0 : 1];
        eind.Stijf = true;
        eind.M = m;
        balans[static_cast<std::size_t>(plaats.Knoop)] -= eind.M;
    }
    for (std::size_t k = 0; k < constructie.Knopen.size(); ++k) {
        if (balans[k] == 0.0 || HoudtRotatieVast(constructie.Knopen[k])) {
            continue;
        }
        const auto knoop = static_cast<std::int32_t>(k);
        // The first bar end that turns with the joint takes the balance; without one the joint
        // is a part of its own.
        bool gezet = false;
        for (TStaaf& deel : mechanisme.avStaven) {
            for (TKnoop& eind : deel.Knopen) {
                if (!gezet && eind.Index == knoop && !eind.Stijf) {
                    eind.M = balans[k];
                    gezet = true;
                }
            }
        }
        if (!gezet) {
            TStaaf& knoopdeel = mechanisme.avStaven.emplace_back();
            knoopdeel.Knopen = {Eind(constructie, knoop, 0.0), Eind(constructie, knoop, 0.0)};
            ZetBeweging(knoopdeel, raamwerk.Phi(d, knoop), raamwerk, d);
            knoopdeel.Knopen[0].M = balans[k];
        }
    }

    for (const auto& bron : constructie.Belastingen) {
        if (!bron.Bestaat) {
            continue;
        }
        TBelasting& last = mechanisme.avBelastingen.emplace_back();
        const auto& knoop = constructie.Knopen[static_cast<std::size_t>(bron.Knoop)];
        last.x = knoop.X;
        last.y = -knoop.Y;
        last.Fx = bron.Fx;
        last.Fy = -bron.Fy;
        last.dx = raamwerk.U(d, bron.Knoop);
        last.dy = raamwerk.V(d, bron.Knoop);
        for (std::size_t t = 0; t < mechanisme.avStaven.size(); ++t) {
            const auto& deel = mechanisme.avStaven[t];
            if (last.s == -1 &&
                (deel.Knopen[0].Index == bron.Knoop || deel.Knopen[1].Index == bron.Knoop)) {
                last.s = static_cast<std::int32_t>(t);
            }
        }
    }
    VoegVerdeeldeLastenToe(constructie, deelVanStaaf, mechanisme);
    mechanisme.AantalStaven = static_cast<std::int32_t>(mechanisme.avStaven.size());
    mechanisme.AantalBelastingen = static_cast<std::int32_t>(mechanisme.avBelastingen.size());
    mechanisme.Vgl = TVgl{};
    mechanisme.DraaiendeScharnieren.clear();
    std::sort(draaiend.begin(), draaiend.end());
    mechanisme.DraaiendePlaatsen = draaiend;
    mechanisme.GelijkAan = -1;
    BepaalFactoren(mechanisme);
    BepaalBezwijklast(mechanisme);
}

} // namespace kx
