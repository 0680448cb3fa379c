#include "engine/GetekendMechanisme.h"
#include "model/Bevraging.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kx {

namespace {
// The nodes the parts' ends lie on, with their displacements.
std::vector<std::optional<TPunt>> Eindverplaatsingen(const TMechanisme& m, const TConstructie& c) {
    std::vector<std::optional<TPunt>> bekend(c.Knopen.size());
    for (const TStaaf& deel : m.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            if (!KnoopBestaat(c, eind.Index)) {
                continue;
            }
            const TPunt p = Wereld(c.Knopen[static_cast<std::size_t>(eind.Index)]);
            if (Afkappen(p.x - eind.x) == 0.0 && Afkappen(p.y - eind.y) == 0.0) {
                bekend[static_cast<std::size_t>(eind.Index)] = TPunt{eind.dx, eind.dy};
            }
        }
    }
    return bekend;
}

// The nodes of the structure joined to node k by bars through nodes no part ends on: the rigid
// body k lies inside, with the part ends at its border.
std::vector<std::int32_t> Lichaam(const TConstructie& c, std::int32_t k,
                                  const std::vector<std::optional<TPunt>>& bekend) {
    std::vector<std::int32_t> lichaam{k};
    for (std::size_t i = 0; i < lichaam.size(); ++i) {
        const std::int32_t knoop = lichaam[i];
        if (knoop != k && bekend[static_cast<std::size_t>(knoop)]) {
            continue;
        }
        for (const TConstructieStaaf& s : c.Staven) {
            if (!s.Bestaat || (s.Knoop0 != knoop && s.Knoop1 != knoop)) {
                continue;
            }
            const std::int32_t ander = s.Knoop0 == knoop ? s.Knoop1 : s.Knoop0;
            if (KnoopBestaat(c, ander) && std::ranges::find(lichaam, ander) == lichaam.end()) {
                lichaam.push_back(ander);
            }
        }
    }
    return lichaam;
}

// The displacement of point p moving rigidly with the part: its first-order rotation follows
// from the ends' displacements across the part.
TPunt Meebewogen(const TStaaf& deel, TPunt p) {
    const TKnoop& a = deel.Knopen[0];
    const TKnoop& b = deel.Knopen[1];
    const double lx = b.x - a.x;
    const double ly = b.y - a.y;
    const double lengte2 = lx * lx + ly * ly;
    const double hoek = lengte2 > 0.0 ? (lx * (b.dy - a.dy) - ly * (b.dx - a.dx)) / lengte2 : 0.0;
    return {a.dx - hoek * (p.y - a.y), a.dy + hoek * (p.x - a.x)};
}

// The part both of whose ends lie on nodes of the body.
const TStaaf* DeelVan(const TMechanisme& m, const std::vector<std::int32_t>& lichaam) {
    const auto inLichaam = [&](const TKnoop& eind) {
        return std::ranges::find(lichaam, eind.Index) != lichaam.end();
    };
    const auto deel = std::ranges::find_if(m.avStaven, [&](const TStaaf& d) {
        return inLichaam(d.Knopen[0]) && inLichaam(d.Knopen[1]);
    });
    return deel == m.avStaven.end() ? nullptr : &*deel;
}
} // namespace

std::vector<TPunt> Knoopverplaatsingen(const TMechanisme& mechanisme,
                                       const TConstructie& constructie) {
    const std::vector<std::optional<TPunt>> bekend = Eindverplaatsingen(mechanisme, constructie);
    std::vector<TPunt> verplaatsing(constructie.Knopen.size());
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(constructie.Knopen.size()); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (bekend[i]) {
            verplaatsing[i] = *bekend[i];
        } else if (KnoopBestaat(constructie, k)) {
            if (const TStaaf* deel = DeelVan(mechanisme, Lichaam(constructie, k, bekend))) {
                verplaatsing[i] = Meebewogen(*deel, Wereld(constructie.Knopen[i]));
            }
        }
    }
    return verplaatsing;
}

std::vector<TGetekendeStaaf> GetekendeStaven(const TMechanisme& mechanisme,
                                             const TConstructie& constructie) {
    const std::vector<TPunt> d = Knoopverplaatsingen(mechanisme, constructie);
    std::vector<TGetekendeStaaf> staven;
    for (std::size_t b = 0; b < constructie.Staven.size(); ++b) {
        const TConstructieStaaf& s = constructie.Staven[b];
        if (!s.Bestaat || !KnoopBestaat(constructie, s.Knoop0) ||
            !KnoopBestaat(constructie, s.Knoop1)) {
            continue;
        }
        const TPunt van = Wereld(constructie.Knopen[static_cast<std::size_t>(s.Knoop0)]);
        const TPunt naar = Wereld(constructie.Knopen[static_cast<std::size_t>(s.Knoop1)]);
        const TPunt& dv = d[static_cast<std::size_t>(s.Knoop0)];
        const TPunt& dn = d[static_cast<std::size_t>(s.Knoop1)];
        staven.push_back({static_cast<std::int32_t>(b),
                          van,
                          naar,
                          {van.x + dv.x, van.y + dv.y},
                          {naar.x + dn.x, naar.y + dn.y}});
    }
    return staven;
}

} // namespace kx
