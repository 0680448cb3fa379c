#include "engine/MechanismeOpgaven.h"

#include "engine/Analyse.h"

namespace kx {

TMechanismeOpgave Opgave(const TMechanisme& mechanisme) {
    return {std::vector<int>(mechanisme.Scharnieren.begin(), mechanisme.Scharnieren.end()),
            mechanisme.Vgl.Bezwijklast};
}

std::vector<TMechanismeOpgave> MechanismeOpgaven(const TAnalyse& analyse) {
    std::vector<TMechanismeOpgave> opgaven;
    opgaven.reserve(analyse.Mechanismen.size());
    for (const auto& mechanisme : analyse.Mechanismen) {
        opgaven.push_back(Opgave(mechanisme));
    }
    return opgaven;
}

} // namespace kx
