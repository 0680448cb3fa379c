#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kx {

bool KnoopBestaat(const TConstructie& c, std::int32_t knoop);
bool StaafBestaat(const TConstructie& c, std::int32_t staaf);
TPunt Positie(const TConstructie& c, std::int32_t knoop);
// Bars at the node, and one more for a support.
std::int32_t AantalVerbindingen(const TConstructie& c, std::int32_t knoop);
// AantalVerbindingen of every node slot at once.
std::vector<std::int32_t> Verbindingen(const TConstructie& c);
bool IsVrijUiteinde(const TConstructie& c, std::int32_t knoop);
// Bars at the node; a support does not count.
std::int32_t AantalStaven(const TConstructie& c, std::int32_t knoop);
bool IsLos(const TConstructie& c, std::int32_t knoop);
// The slot a new entry takes: the lowest free one, or the table's length when every slot is in
// use and the table grows.
std::int32_t EersteVrijeKnoop(const TConstructie& c);
std::int32_t EersteVrijeStaaf(const TConstructie& c);
std::int32_t EersteVrijeBelasting(const TConstructie& c);
std::int32_t EersteVrijeVerdeeldeBelasting(const TConstructie& c);
// MaxSlots entries in use.
bool StavenVol(const TConstructie& c);
bool BelastingenVol(const TConstructie& c);
bool VerdeeldeBelastingenVol(const TConstructie& c);
// Whether any distributed load is in use.
bool HeeftVerdeeldeBelasting(const TConstructie& c);
// The distributed load in use on the bar, the lowest slot, or -1.
std::int32_t VerdeeldeBelastingOp(const TConstructie& c, std::int32_t staaf);
bool HeeftVrijeKnoop(const TConstructie& c);
// The node at exactly (x, y), or -1.
std::int32_t ZoekKnoop(const TConstructie& c, double x, double y);
// Whether a bar joins a and b.
bool VerbindtStaaf(const TConstructie& c, std::int32_t a, std::int32_t b);
// The grid point strictly inside the bar that lies nearest to the grid point p, among p and its
// eight neighbours at distance stap (metres between grid points); none when no such point lies
// on the bar.
std::optional<TPunt> PuntOpStaaf(const TConstructie& c, std::int32_t staaf, TPunt p, double stap);
// The other end of the first bar at the node, or -1.
std::int32_t BuurKnoop(const TConstructie& c, std::int32_t knoop);

// Direction of the vector from -> to, counter-clockwise as seen on a y-down screen, in [0, 2pi).
double Richtingshoek(TPunt van, TPunt naar);
// Side on which a support lies, as a multiple of pi (0 left, 0.5 below, 1 right, 1.5 above).
double Oplegrichting(const TConstructie& c, std::int32_t knoop, std::int32_t soort);

} // namespace kx
