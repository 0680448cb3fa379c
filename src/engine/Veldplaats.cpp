#include "engine/Veldplaats.h"

#include "engine/Getalnotatie.h"
#include "model/Bevraging.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>

namespace kx {

TVeldplaats Veldplaats(const TConstructie& constructie, std::int32_t staaf, double positie) {
    const TConstructieStaaf& s = constructie.Staven[static_cast<std::size_t>(staaf)];
    const TConstructieKnoop& a = constructie.Knopen[static_cast<std::size_t>(s.Knoop0)];
    const TConstructieKnoop& b = constructie.Knopen[static_cast<std::size_t>(s.Knoop1)];
    const double lengte = std::hypot(b.X - a.X, b.Y - a.Y);
    if (positie <= 0.5) {
        return {s.Knoop0, positie * lengte};
    }
    return {s.Knoop1, (1.0 - positie) * lengte};
}

std::string VeldplaatsTekst(const TConstructie& constructie, std::int32_t staaf, double positie,
                            const Teksten& teksten, char decimaalteken) {
    const TVeldplaats plaats = Veldplaats(constructie, staaf, positie);
    return VulIn(
        teksten[TekstVeldscharnierPlaats],
        {AlgemeenGetal(plaats.Afstand, 3, decimaalteken), std::to_string(plaats.Knoop + 1)});
}

std::string VeldscharnierTekst(const TMechanisme& mechanisme, const std::string& naam,
                               const TConstructie& constructie, const Teksten& teksten,
                               char decimaalteken) {
    for (const TStaaf& deel : mechanisme.avStaven) {
        const bool inVeld =
            std::any_of(deel.Knopen.begin(), deel.Knopen.end(),
                        [&](const TKnoop& e) { return e.Index < 0 && e.Naam == naam; });
        if (!inVeld) {
            continue;
        }
        for (const TVeldscharnier& veld : mechanisme.Veldscharnieren) {
            if (veld.Staaf == deel.VStaaf && veld.Draait && StaafBestaat(constructie, veld.Staaf)) {
                return VeldplaatsTekst(constructie, veld.Staaf, veld.Positie, teksten,
                                       decimaalteken);
            }
        }
    }
    return {};
}

} // namespace kx
