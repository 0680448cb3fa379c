#pragma once

#include "engine/Raamwerk.h"
#include "model/Constructie.h"

#include <Eigen/Dense>

#include <string>
#include <vector>

namespace kx {

class Teksten;

// An independent mechanism as a textbook names it. Its motion d has its largest rotation 1, and the
// loads do positive work on it where they do any.
struct TOnafhankelijkMechanisme {
    enum TSoort { Balk, Knoop, Zijdelings, Gevel, Overig };
    TSoort Soort = Overig;
    std::string Naam;
    // The motion, and the places that may turn in it (indices into the frame's Plaatsen).
    Eigen::VectorXd d;
    std::vector<int> Plaatsen;
    // The rotation in d of every place of the frame, in units of its largest rotation.
    std::vector<double> Rotaties;
};

// A basis of the frame's mechanisms, as many as it has independent ones: a beam mechanism for
// every loaded node inside a straight member (hinges at its ends and under the load), a joint
// mechanism for every rigid joint of three or more bars, then sway and gable mechanisms of the
// members between their ends, and whatever the kernel still holds.
std::vector<TOnafhankelijkMechanisme> OnafhankelijkeMechanismen(const TConstructie& constructie,
                                                                const TRaamwerk& raamwerk,
                                                                const Teksten& teksten);

// The coefficients of motion d, scaled as the mechanisms of the basis are (largest rotation 1,
// loads doing work in its direction): d = sum of c_i times mechanism i.
Eigen::VectorXd Combinatie(const TRaamwerk& raamwerk,
                           const std::vector<TOnafhankelijkMechanisme>& basis,
                           const Eigen::VectorXd& d);

// The combination as a student writes it: "balk 1 + zijdelingse verplaatsing − gezamenlijk
// scharnier in knoop 4", a factor before a name where it is not 1; empty without coefficients.
std::string CombinatieTekst(const std::vector<TOnafhankelijkMechanisme>& basis,
                            const std::vector<double>& coefficienten, char decimaalteken);

} // namespace kx
