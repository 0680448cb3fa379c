#pragma once

#include "engine/Raamwerk.h"
#include "engine/Records.h"
#include "model/Controle.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kx {

struct TConstructie;

// Up to this many combinations of hinge places the student's list holds every one of them, as
// many as a student pages through; beyond it the list holds the independent mechanisms.
inline constexpr std::uint64_t GrootsteAantalCombinaties = 5000;

// The mechanisms of a checked structure: every combination of n + 1 of the m hinge places (of all
// m when n + 1 exceeds m),
// each built as a replacement structure. Reads the structure, never changes it.
class TEnumeratie {
public:
    explicit TEnumeratie(const TConstructie& constructie);

    const TOnbepaaldheid& Telling() const { return telling_; }
    std::int32_t Onbepaaldheid() const { return n_; }
    std::int32_t AantalPlaatsen() const { return m_; }
    std::int32_t AantalCombinaties() const { return aantal_; }
    // Too many combinations to list: the independent mechanisms are listed instead.
    bool Onafhankelijk() const { return onafhankelijk_; }
    // Node index of every hinge place, increasing.
    const std::vector<std::int32_t>& Plaatsen() const { return plaatsen_; }

    // Calls f with every row in turn, in enumeration order: position j holds the node of place
    // m-1-j when it is chosen, else -1 (a node with several places appears once per place).
    void VoorElkeCombinatie(const std::function<void(const std::vector<std::int32_t>&)>& f) const;

    // Replacement structure of row rij, built in v: hinges at the chosen places, rigid parts
    // merged, clamped parts removed and idle loads dropped.
    void Bouw(TVConstructie& v, const std::vector<std::int32_t>& rij) const;

    // The kinematics of the drawn frame.
    const TRaamwerk& Raamwerk() const { return raamwerk_; }
    // Whether the mechanisms are built as replacement structures along the chain of parts;
    // otherwise each is built from the frame's kinematics (BouwMechanisme).
    bool Keten() const { return keten_; }

private:
    static TVConstructie MaakSjabloon(const TConstructie& constructie);

    const TConstructie& constructie_;
    TRaamwerk raamwerk_;
    TOnbepaaldheid telling_;
    std::int32_t n_ = 0;
    std::int32_t m_ = 0;
    std::int32_t k_ = 0;
    std::int32_t aantal_ = 0;
    bool keten_ = true;
    bool onafhankelijk_ = false;
    std::vector<std::int32_t> plaatsen_;
    // Filling, coupling the loads and placing the hinges give the same structure for every
    // combination except for the hinges at the places: every combination starts from a copy.
    TVConstructie sjabloon_;
};

// m over k, exactly; the largest 64-bit value when it does not fit.
std::uint64_t Binomiaal(int m, int k);

// The places of a row, ascending, as indices into the frame's Plaatsen.
std::vector<int> PlaatsIndices(const std::vector<std::int32_t>& rij);

// Whether every node joins at most two bars, or one bar and a support, and no bar carries a
// distributed load: then the graphical method of rotation centres along the chain of parts
// applies.
bool IsKeten(const TConstructie& constructie);

// Node numbers, 0-based and ascending, of the places chosen in a row, into knopen.
void GekozenPlaatsen(const std::vector<std::int32_t>& rij, std::vector<std::int32_t>& knopen);

} // namespace kx
