#pragma once

#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"

#include <map>
#include <memory>
#include <vector>

namespace kx {

// The force side of one analysis: the structure as analysed, the moment check of every
// mechanism and the static theorem, computed once; the force distribution of a mechanism is
// computed when it is first asked for and kept until the next analysis.
class TKrachtenanalyse {
public:
    void Bereken(const TConstructie& constructie, std::vector<TMechanismeOpgave> mechanismen,
                 int maatgevend);

    bool Berekend() const { return evenwicht_ != nullptr; }
    int AantalMechanismen() const { return static_cast<int>(mechanismen_.size()); }
    const TConstructie& Constructie() const { return constructie_; }
    const TBezwijkcontrole& Controle() const { return controle_; }
    const TMechanismeOpgave& Mechanisme(int i) const;
    // Valid for an index below AantalMechanismen.
    const TKrachtsverdeling& Verdeling(int i) const;

private:
    TConstructie constructie_;
    std::unique_ptr<TEvenwicht> evenwicht_;
    std::vector<TMechanismeOpgave> mechanismen_;
    TBezwijkcontrole controle_;
    mutable std::map<int, TKrachtsverdeling> verdelingen_;
};

} // namespace kx
