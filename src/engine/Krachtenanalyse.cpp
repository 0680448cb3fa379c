#include "engine/Krachtenanalyse.h"

namespace kx {

void TKrachtenanalyse::Bereken(const TConstructie& constructie,
                               std::vector<TMechanismeOpgave> mechanismen, int maatgevend) {
    constructie_ = constructie;
    evenwicht_ = std::make_unique<TEvenwicht>(constructie);
    mechanismen_ = std::move(mechanismen);
    controle_ = ControleerMechanismen(*evenwicht_, mechanismen_, maatgevend);
    verdelingen_.clear();
}

const TMechanismeOpgave& TKrachtenanalyse::Mechanisme(int i) const {
    return mechanismen_.at(static_cast<std::size_t>(i));
}

const TKrachtsverdeling& TKrachtenanalyse::Verdeling(int i) const {
    const auto gevonden = verdelingen_.find(i);
    if (gevonden != verdelingen_.end()) {
        return gevonden->second;
    }
    const auto& mechanisme = Mechanisme(i);
    return verdelingen_
        .emplace(i, BepaalKrachtsverdeling(*evenwicht_, mechanisme.Plaatsen, mechanisme.Bezwijklast,
                                           mechanisme.Staven, GrootsteDichteProgramma,
                                           mechanisme.Posities))
        .first->second;
}

} // namespace kx
