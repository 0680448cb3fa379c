#pragma once

#include "model/Constructie.h"
#include "model/Selectie.h"

#include <cstdint>
#include <string>

namespace kx {

class Teksten;

// Editing operations on the items of s; x and y are snapped positions in metres, fase is 0
// (press) or 1 (release). Operations that would show a message return its text from teksten
// instead (empty when there is none); the caller shows it.
std::string VoegStaafToe(TConstructie& c, TSelectie& s, int fase, double x, double y,
                         const Teksten& teksten);
void WisStaaf(TConstructie& c, const TSelectie& s);
void VerplaatsKnoop(TConstructie& c, TSelectie& s, int fase, double x, double y);
void WisKnoop(TConstructie& c, const TSelectie& s);
std::string VoegBelastingToe(TConstructie& c, TSelectie& s, int fase, double x, double y,
                             const Teksten& teksten);
void WisBelasting(TConstructie& c, const TSelectie& s);
// A distributed load on the bar found at the release: the press marks the tail of its arrows, the
// release on the bar their heads, the arrow from press to release being q in grid cells as a
// point load's is F. A bar carries one distributed load; a new one replaces it.
void VoegVerdeeldeBelastingToe(TConstructie& c, TSelectie& s, int fase, double x, double y);
// Places or replaces the distributed load of the bar; refused (false, nothing changes) for a bar
// not in use and for components that GeldigeVerdeeldeBelasting refuses.
bool ZetVerdeeldeBelasting(TConstructie& c, std::int32_t staaf, double qx, double qy);
void WisVerdeeldeBelasting(TConstructie& c, const TSelectie& s);
void ZetOplegging(TConstructie& c, const TSelectie& s, std::int32_t code);
void ZetVerbinding(TConstructie& c, const TSelectie& s, std::int32_t code);
void ZetMp(TConstructie& c, const TSelectie& s, double waarde);
// Keeps every node on the same grid point at the new number of metres per grid cell.
void HerschaalKnopen(TConstructie& c, std::int32_t nieuweSchaal);

// One pass: detached nodes, then bars and loads on missing nodes and distributed loads on
// missing bars. Returns whether it changed
// anything; nodes that lost their last bar in this pass go in the next one.
bool Normaliseer(TConstructie& c);
// Passes until nothing changes, as the editor's repeated redraws would.
void NormaliseerVolledig(TConstructie& c);

// The example portal frame.
TConstructie Voorbeeld();

} // namespace kx
