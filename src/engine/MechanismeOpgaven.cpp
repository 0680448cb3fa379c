#include "engine/MechanismeOpgaven.h"

#include "engine/Analyse.h"

#include <algorithm>

namespace kx {

TMechanismeOpgave Opgave(const TMechanisme& mechanisme,
                         const std::vector<TScharnierplaats>& plaatsen) {
    TMechanismeOpgave opgave{
        std::vector<int>(mechanisme.Scharnieren.begin(), mechanisme.Scharnieren.end()),
        mechanisme.Vgl.Bezwijklast,
        {},
        {}};
    if (plaatsen.empty()) {
        return opgave;
    }
    opgave.Plaatsen.clear();
    for (const int p : mechanisme.Plaatsen) {
        const auto& plaats = plaatsen[static_cast<std::size_t>(p)];
        opgave.Plaatsen.push_back(plaats.Knoop);
        opgave.Staven.push_back(plaats.Staaf);
    }
    if (mechanisme.Veldscharnieren.empty()) {
        return opgave;
    }
    for (const int p : mechanisme.Plaatsen) {
        const auto veld =
            std::find_if(mechanisme.Veldscharnieren.begin(), mechanisme.Veldscharnieren.end(),
                         [p](const TVeldscharnier& v) { return v.Plaats == p; });
        opgave.Posities.push_back(veld == mechanisme.Veldscharnieren.end() ? -1.0 : veld->Positie);
    }
    return opgave;
}

std::vector<TMechanismeOpgave> MechanismeOpgaven(const TAnalyse& analyse) {
    std::vector<TMechanismeOpgave> opgaven;
    opgaven.reserve(analyse.Mechanismen.size());
    for (const auto& mechanisme : analyse.Mechanismen) {
        opgaven.push_back(Opgave(mechanisme, analyse.Plaatsen));
    }
    return opgaven;
}

} // namespace kx
