#include "engine/MechanismeOpgaven.h"

#include "engine/Analyse.h"

namespace kx {

TMechanismeOpgave Opgave(const TMechanisme& mechanisme,
                         const std::vector<TScharnierplaats>& plaatsen) {
    TMechanismeOpgave opgave{
        std::vector<int>(mechanisme.Scharnieren.begin(), mechanisme.Scharnieren.end()),
        mechanisme.Vgl.Bezwijklast,
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
