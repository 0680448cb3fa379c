#pragma once

#include <array>
#include <cstdint>

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

inline constexpr int AantalKnoopSlots = 31;
inline constexpr int AantalStaafSlots = 16;
inline constexpr int AantalBelastingSlots = 16;
inline constexpr double StandaardMp = 50.0;

// The slot tables of one frame. Entries are identified by slot index and never moved.
struct TConstructie {
    std::array<TConstructieKnoop, AantalKnoopSlots> Knopen{};
    std::array<TConstructieBelasting, AantalBelastingSlots> Belastingen{};
    std::array<TConstructieStaaf, AantalStaafSlots> Staven{};

    bool operator==(const TConstructie&) const = default;
};

template <typename Slot, std::size_t N>
bool ZelfdeInGebruik(const std::array<Slot, N>& a, const std::array<Slot, N>& b) {
    for (std::size_t i = 0; i < N; ++i) {
        if (a[i].Bestaat != b[i].Bestaat || (a[i].Bestaat && !(a[i] == b[i]))) {
            return false;
        }
    }
    return true;
}

// Whether two frames hold the same entries in use; what a free slot keeps does not count.
inline bool ZelfdeStructuur(const TConstructie& a, const TConstructie& b) {
    return ZelfdeInGebruik(a.Knopen, b.Knopen) && ZelfdeInGebruik(a.Staven, b.Staven) &&
           ZelfdeInGebruik(a.Belastingen, b.Belastingen);
}

} // namespace kx
