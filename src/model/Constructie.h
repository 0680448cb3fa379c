#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kx {

// Support codes (Oplegging); the absolute value is the number of support reactions.
enum OplegCode : std::int32_t {
    GeenOplegging = 0,
    RolHorizontaal = 1,
    RolVerticaal = -1,
    Scharnierend = 2,
    Inklemming = 3,
};

// Connection codes (Vrijheid): internal force components passed through the node.
enum VerbindingsCode : std::int32_t {
    ScharnierendeVerbinding = 2,
    VasteVerbinding = 3,
};

struct TConstructieKnoop {
    double X = 0.0; // metres
    double Y = 0.0; // metres, growing downward
    std::int32_t Oplegging = GeenOplegging;
    bool Bestaat = false;
    std::int32_t Vrijheid = VasteVerbinding;
    double Moment = 0.0;

    bool operator==(const TConstructieKnoop&) const = default;
};

struct TConstructieStaaf {
    std::int32_t Knoop0 = -1;
    std::int32_t Knoop1 = -1;
    double Mp = 50.0; // kNm
    bool Bestaat = false;

    bool operator==(const TConstructieStaaf&) const = default;
};

// A point load: the arrow ends at Knoop; Fx and Fy are grid cells, y growing downward.
struct TConstructieBelasting {
    std::int32_t Knoop = 0;
    double Fx = 0.0;
    double Fy = 0.0;
    bool Bestaat = false;

    bool operator==(const TConstructieBelasting&) const = default;
};

// A uniform load along a whole bar: Qx and Qy are multiples of F per metre of bar length, y
// growing downward.
struct TConstructieVerdeeldeBelasting {
    std::int32_t Staaf = 0;
    double Qx = 0.0;
    double Qy = 0.0;
    bool Bestaat = false;

    bool operator==(const TConstructieVerdeeldeBelasting&) const = default;
};

// Slots of the empty structure; a table grows by one slot when a new entry finds none free.
inline constexpr int AantalKnoopSlots = 31;
inline constexpr int AantalStaafSlots = 16;
inline constexpr int AantalBelastingSlots = 16;
inline constexpr int AantalVerdeeldeBelastingSlots = 16;
// Most slots of one table: a file's "#" column holds slot numbers of at most three digits.
inline constexpr int MaxSlots = 999;
inline constexpr double StandaardMp = 50.0;
// Metres per grid cell that the editor offers.
inline constexpr int KleinsteSchaal = 1;
inline constexpr int GrootsteSchaal = 25;

// A point in metres, y growing downward.
struct TPunt {
    double x = 0.0;
    double y = 0.0;
};

// A node's place with y growing upward, as the analysis and the drawings work.
inline TPunt Wereld(const TConstructieKnoop& k) {
    return {k.X, -k.Y};
}

// One frame as drawn: its slot tables, whose entries are identified by slot index and never
// moved, and the scale of its grid.
struct TConstructie {
    std::vector<TConstructieKnoop> Knopen = std::vector<TConstructieKnoop>(AantalKnoopSlots);
    std::vector<TConstructieBelasting> Belastingen =
        std::vector<TConstructieBelasting>(AantalBelastingSlots);
    std::vector<TConstructieStaaf> Staven = std::vector<TConstructieStaaf>(AantalStaafSlots);
    std::vector<TConstructieVerdeeldeBelasting> VerdeeldeBelastingen =
        std::vector<TConstructieVerdeeldeBelasting>(AantalVerdeeldeBelastingSlots);
    std::int32_t Schaal = 1; // metres per grid cell

    bool operator==(const TConstructie&) const = default;
};

// Whether index names a slot of the table, in use or free.
template <typename Slot> bool IsSlot(const std::vector<Slot>& tabel, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < tabel.size();
}

// Whether the entries in use are the same; free slots, also those beyond the shorter table, do
// not count.
template <typename Slot>
bool ZelfdeInGebruik(const std::vector<Slot>& a, const std::vector<Slot>& b) {
    const std::size_t lengte = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < lengte; ++i) {
        const Slot* x = i < a.size() && a[i].Bestaat ? &a[i] : nullptr;
        const Slot* y = i < b.size() && b[i].Bestaat ? &b[i] : nullptr;
        if ((x == nullptr) != (y == nullptr) || (x != nullptr && !(*x == *y))) {
            return false;
        }
    }
    return true;
}

// Whether two frames hold the same entries in use at the same scale; what a free slot keeps does
// not count.
inline bool ZelfdeStructuur(const TConstructie& a, const TConstructie& b) {
    return a.Schaal == b.Schaal && ZelfdeInGebruik(a.Knopen, b.Knopen) &&
           ZelfdeInGebruik(a.Staven, b.Staven) && ZelfdeInGebruik(a.Belastingen, b.Belastingen) &&
           ZelfdeInGebruik(a.VerdeeldeBelastingen, b.VerdeeldeBelastingen);
}

} // namespace kx
