#include "engine/AlgemeenMechanisme.h"

#include "engine/Mechanisme.h"
#include "model/Knoopbetekenis.h"

#include <algorithm>
#include <cmath>
#include <string>

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
    const double factor = rotatie > 0.0 ? VirtueleRotatie / rotatie
                          : d.size() > 0 && d.cwiseAbs().maxCoeff() > 0.0
                              ? VirtueleRotatie / d.cwiseAbs().maxCoeff()
                              : 0.0;
    d *= raamwerk.Arbeid(d) < 0.0 ? -factor : factor;
    return d;
}

void ZetBeweging(TStaaf& deel, double rotatie, const TRaamwerk& raamwerk,
                 const Eigen::VectorXd& d) {
    deel.gamma = rotatie;
    for (TKnoop& eind : deel.Knopen) {
        eind.dx = raamwerk.U(d, eind.Index);
        eind.dy = raamwerk.V(d, eind.Index);
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

} // namespace

void BouwMechanisme(const TConstructie& constructie, const TRaamwerk& raamwerk,
                    const std::vector<int>& plaatsen, TMechanisme& mechanisme) {
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

    mechanisme.avStaven.clear();
    mechanisme.avBelastingen.clear();
    std::vector<int> deelVanStaaf(constructie.Staven.size(), -1);
    for (std::size_t s = 0; s < constructie.Staven.size(); ++s) {
        const auto& staaf = constructie.Staven[s];
        if (!staaf.Bestaat) {
            continue;
        }
        TStaaf& deel = mechanisme.avStaven.emplace_back();
        deel.Knopen = {Eind(constructie, staaf.Knoop0, staaf.Mp),
                       Eind(constructie, staaf.Knoop1, staaf.Mp)};
        deel.VStaaf = static_cast<std::int32_t>(s);
        double gamma = raamwerk.Gamma(d, static_cast<std::int32_t>(s));
        if (std::fabs(gamma) <= RotatieRuis * VirtueleRotatie) {
            gamma = 0.0;
        }
        ZetBeweging(deel, gamma, raamwerk, d);
        deelVanStaaf[s] = static_cast<int>(mechanisme.avStaven.size()) - 1;
    }

    // Plastic moments at the places that turn, sign(theta) Mp: with theta = phi - gamma the
    // term M gamma and its balance -M phi at the joint dissipate Mp |theta|.
    const auto& alle = raamwerk.Plaatsen();
    std::vector<double> balans(constructie.Knopen.size(), 0.0);
    std::vector<int> draaiend;
    for (const int p : plaatsen) {
        const double theta = raamwerk.Rotatie(d, p);
        if (std::fabs(theta) <= RotatieRuis * grootste || grootste == 0.0) {
            continue;
        }
        const auto& plaats = alle[static_cast<std::size_t>(p)];
        TStaaf& deel = mechanisme.avStaven[static_cast<std::size_t>(
            deelVanStaaf[static_cast<std::size_t>(plaats.Staaf)])];
        TKnoop& eind = deel.Knopen[deel.Knopen[0].Index == plaats.Knoop ? 0 : 1];
        eind.Stijf = true;
        eind.M = (theta > 0.0 ? 1.0 : -1.0) * plaats.Mp;
        draaiend.push_back(p);
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
