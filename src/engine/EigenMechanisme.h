#pragma once

#include "engine/Evenwicht.h"
#include "engine/Krachtsverdeling.h"
#include "engine/Raamwerk.h"
#include "engine/Records.h"
#include "engine/Scharniertermen.h"
#include "model/Constructie.h"

#include <string>
#include <vector>

namespace kx {

class Teksten;

// How the Fp of a mechanism stands to the collapse load of the static theorem.
enum class TOordeel { Bezwijklast, TeHoog, GeenArbeid };

// Fp against the collapse load: loads within GelijkeLasten of each other are equal, and an Fp
// below the collapse load can only be its rounding. An infinite Fp: the loads do no work.
TOordeel VergelijkMetBezwijklast(double fp, double bezwijklast);

// A choice of hinge places kept by node and bar, so that it outlasts a new analysis of the frame.
// A place matches one of the frame's at the same node and bar, or at the same node where the
// frame holds one place there (its bar follows the smaller Mp).
bool ZelfdePlaats(const std::vector<TScharnierplaats>& alle, const TScharnierplaats& plaats,
                  const TScharnierplaats& gekozen);
// The indices into alle of the chosen places, ascending; those alle does not hold are left out.
std::vector<int> IndicesVan(const std::vector<TScharnierplaats>& alle,
                            const std::vector<TScharnierplaats>& gekozen);
// Adds the place to the choice, or takes it out when it is chosen already.
void WisselPlaats(const std::vector<TScharnierplaats>& alle, std::vector<TScharnierplaats>& gekozen,
                  const TScharnierplaats& plaats);

// A mechanism the student guessed: hinge places chosen by hand and what they give.
struct TEigenMechanisme {
    // Indices into the frame's places, ascending, each once.
    std::vector<int> Plaatsen;
    // The number of independent motions in which only these places turn; 0 when the frame
    // cannot move with them, and then nothing below is filled.
    int AantalBewegingen = 0;
    // The least of those motions as an analysis record, magnified for drawing, with its printed
    // terms; the internal work once per hinge.
    TMechanisme Mechanisme;
    std::vector<TScharnierterm> Termen;
    double Bezwijklast = OneindigeLast;
    TOordeel Oordeel = TOordeel::GeenArbeid;
    // The forces at Fp, with Mp in the hinges that turn; Bestaat is false when there are none.
    TKrachtsverdeling Momentenlijn;

    bool Beweegt() const { return AantalBewegingen > 0; }
};

// The frame of one analysis against which guesses are weighed: its kinematics, its equilibrium
// and its collapse load by the static theorem, each worked out once.
class TEigenAnalyse {
public:
    // The structure must have passed the check before an analysis.
    TEigenAnalyse(const TConstructie& constructie, const Teksten& teksten, char decimaalteken);

    const TConstructie& Constructie() const { return constructie_; }
    const std::vector<TScharnierplaats>& Plaatsen() const { return raamwerk_.Plaatsen(); }
    int Onbepaaldheid() const { return n_; }
    double WareBezwijklast() const { return waar_; }

    // The mechanism of the chosen places, in any order; repeats and unknown indices are left out.
    TEigenMechanisme Bereken(std::vector<int> plaatsen) const;

    // Whether the choice lets the frame move, and if not why; how many motions it allows and
    // which chosen hinges the drawn motion leaves still.
    std::string Beweeglijkheid(const TEigenMechanisme& eigen) const;
    // Fp against the collapse load, for a choice that moves.
    std::string Vergelijking(const TEigenMechanisme& eigen) const;
    // "knoop 3", or "knoop 3 (staaf 2)" where the node holds a place per bar end.
    std::string PlaatsNaam(int plaats) const;
    // Whether the node of place p holds more than one place.
    bool PlaatsPerStaafeind(int plaats) const;

private:
    std::string Getal(double v) const;

    TConstructie constructie_;
    TRaamwerk raamwerk_;
    TEvenwicht evenwicht_;
    double waar_;
    int n_;
    const Teksten* teksten_;
    char decimaalteken_;
};

} // namespace kx
