#pragma once

#include "engine/Compatibiliteit.h"
#include "engine/Records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

class Teksten;

// The part on which the virtual deformation starts, and its end that stays in place.
struct TEersteStaaf {
    std::int32_t Staaf = 0;
    std::int32_t Eind = 0;
};

// The kind of a part's end at a node with these codes. Only a clamped end and a rigid free node
// carry a plastic moment; a clamp with a hinged connection is a pin, and an unknown support code
// counts as no support.
std::uint8_t KnoopSoort(std::int32_t oplegging, std::int32_t vrijheid);
// A to Z for the first 26 nodes, then a to z, then the node number.
std::string KnoopNaam(std::int32_t n);

// Whether b indexes a part of the mechanism; a load that lies on none has b = -1.
inline bool IsGeldigeStaaf(const TMechanisme& mechanisme, int b) {
    return b >= 0 && b < static_cast<int>(mechanisme.avStaven.size());
}

// The steps of one mechanism, each on the record alone, in the order the driver runs them.

// One replacement structure into an analysis record, reusing the record's arrays; the chosen
// places are left as they were.
void ConverteerVervangendeConstructie(const TVConstructie& v, TMechanisme& mechanisme);

// Index of the part whose end coincides with end e of part b (the last one found), or -1.
std::int32_t BepaalAansluitendeStaaf(const TMechanisme& mechanisme, int b, int e);
TEersteStaaf BepaalEersteStaaf(const TMechanisme& mechanisme);

// The graphical construction: a support end is the centre, otherwise the crossing of the lines
// through both neighbours (parallel lines: a far point, the part translates).
void BepaalRotatieCentra(TMechanisme& mechanisme);

// The first-order virtual deformation with the first part turning gamma0: every part turns an
// exact multiple of gamma0 about its centre or translates. The rotation is carried through the
// hinges along the chain; where the chain cannot fix a part, the compatibility equations of the
// whole mechanism decide, and then the centres follow from the motion.
void BepaalVervorming(TMechanisme& mechanisme, double gamma0);

// The deformation with every part moving as given (one rigid motion per part, at any scale),
// scaled so that the first part turns gamma0, or the largest rotation is gamma0 when the first
// part does not turn; the centres follow from the motion.
void ZetVervorming(TMechanisme& mechanisme, const std::vector<TStarreBeweging>& beweging,
                   double gamma0);

// The same deformation with the opposite rotation: every rotation and displacement changes
// sign. The first-order motion is linear in the rotation, so this equals BepaalVervorming with
// -gamma0 after BepaalVervorming with gamma0.
void KeerVervormingOm(TMechanisme& mechanisme);

// Plastic moments opposing the relative rotation at every rigid end; 0 where nothing rotates.
void BepaalPlastischeMomenten(TMechanisme& mechanisme);
// The value of every equation term.
void BepaalFactoren(TMechanisme& mechanisme);
// -internal / external work, or OneindigeLast when the loads do no work.
void BepaalBezwijklast(TMechanisme& mechanisme);
// The printed term and caption of every equation entry; reads only the results above.
void SchrijfTermen(TMechanisme& mechanisme, const Teksten& teksten, char decimaalteken);
// The chosen places whose plastic moment works, ascending.
void BepaalDraaiendeScharnieren(TMechanisme& mechanisme);
// Multiplies the stored displacements by Vergroting for drawing.
void VergrootVervorming(TMechanisme& mechanisme);

} // namespace kx
