#include "engine/Mechanisme.h"
#include "model/Constructie.h"

#include <cstdint>
#include <string>

namespace kx {

namespace {
void VulKnoop(TKnoop& knoop, const TVConstructie& v, std::int32_t n) {
    const TVKnoop& bron = v.Knopen[static_cast<std::size_t>(n)];
    knoop.Soort = KnoopSoort(bron.Oplegging, bron.Vrijheid);
    knoop.Stijf = knoop.Soort == KnoopIngeklemd || knoop.Soort == KnoopVrijStijf;
    knoop.Naam = KnoopNaam(n);
    knoop.x = bron.x;
    knoop.y = -bron.y;
    knoop.Mp = bron.Mp;
    knoop.Index = n;
}

template <typename Tabel> std::size_t AantalBestaand(const Tabel& tabel) {
    std::size_t aantal = 0;
    for (const auto& item : tabel) {
        aantal += item.Bestaat ? 1 : 0;
    }
    return aantal;
}

} // namespace

std::uint8_t KnoopSoort(std::int32_t oplegging, std::int32_t vrijheid) {
    const bool stijf = vrijheid != ScharnierendeVerbinding;
    switch (oplegging) {
    case RolHorizontaal:
        return KnoopRolHorizontaal;
    case RolVerticaal:
        return KnoopRolVerticaal;
    case Scharnierend:
        return KnoopScharnierend;
    case Inklemming:
        return stijf ? KnoopIngeklemd : KnoopScharnierend;
    default:
        return stijf ? KnoopVrijStijf : KnoopVrijScharnierend;
    }
}

std::string KnoopNaam(std::int32_t n) {
    if (n < 26) {
        return std::string(1, static_cast<char>('A' + n));
    }
    if (n < 52) {
        return std::string(1, static_cast<char>('a' + n - 26));
    }
    return std::to_string(n + 1);
}

void ConverteerVervangendeConstructie(const TVConstructie& v, TMechanisme& mechanisme) {
    mechanisme.avStaven.clear();
    mechanisme.avBelastingen.clear();
    mechanisme.avStaven.reserve(AantalBestaand(v.Staven));
    mechanisme.avBelastingen.reserve(AantalBestaand(v.Belastingen));
    for (std::int32_t b = 0; b < static_cast<std::int32_t>(v.Staven.size()); ++b) {
        const auto& staaf = v.Staven[b];
        if (!staaf.Bestaat) {
            continue;
        }
        TStaaf& deel = mechanisme.avStaven.emplace_back();
        VulKnoop(deel.Knopen[0], v, staaf.Knoop0);
        VulKnoop(deel.Knopen[1], v, staaf.Knoop1);
        deel.VStaaf = b;
    }
    for (const auto& belasting : v.Belastingen) {
        if (!belasting.Bestaat) {
            continue;
        }
        TBelasting& last = mechanisme.avBelastingen.emplace_back();
        last.x = belasting.x;
        last.y = -belasting.y;
        last.Fx = belasting.Fx;
        last.Fy = -belasting.Fy;
        for (std::size_t t = 0; t < mechanisme.avStaven.size(); ++t) {
            if (mechanisme.avStaven[t].VStaaf == belasting.s) {
                last.s = static_cast<std::int32_t>(t);
            }
        }
    }
    mechanisme.AantalStaven = static_cast<std::int32_t>(mechanisme.avStaven.size());
    mechanisme.AantalBelastingen = static_cast<std::int32_t>(mechanisme.avBelastingen.size());
    const std::size_t lengte =
        2 * (mechanisme.avStaven.size() + mechanisme.avBelastingen.size() + 1);
    // Emptied in place, so that the strings keep their room for the next mechanism.
    for (auto* regels : {&mechanisme.Vgl.Regel1, &mechanisme.Vgl.Regel2}) {
        regels->resize(lengte);
        for (auto& regel : *regels) {
            regel.clear();
        }
    }
    mechanisme.Vgl.Factoren.assign(lengte, 0.0);
    mechanisme.Vgl.Bezwijklast = 0.0;
    mechanisme.DraaiendeScharnieren.clear();
    mechanisme.GelijkAan = -1;
}

} // namespace kx
