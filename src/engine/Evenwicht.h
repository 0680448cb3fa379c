#pragma once

#include "model/Constructie.h"

#include <Eigen/Dense>

#include <array>
#include <optional>
#include <vector>

namespace kx {

// One bar as the equilibrium equations see it, in a frame with y pointing up.
struct TEvenwichtStaaf {
    int Slot = -1;
    std::array<int, 2> Knoop{-1, -1};
    double Lengte = 0.0;
    double Cos = 1.0; // unit vector from Knoop[0] to Knoop[1]
    double Sin = 0.0;
    double Mp = 0.0;
    int NormaalKolom = -1;
    // Columns of the end moments; -1 at a hinged end, where the moment is zero.
    std::array<int, 2> MomentKolom{-1, -1};
    // The distributed load across the bar per metre at load factor 1, towards the side that a
    // positive moment puts in tension: the moment line is the line between the end moments plus
    // lambda Q x (L - x) / 2.
    double Q = 0.0;
    bool Belast = false;
};

// The moment of bar staaf at share xi of its length from Knoop0 in distribution x at lambda.
double MomentInStaaf(const TEvenwichtStaaf& staaf, const Eigen::VectorXd& x, double lambda,
                     double xi);
// The share of the length where the moment of a loaded bar peaks inside it, or -1 when it is
// largest at an end.
double Piekpositie(const TEvenwichtStaaf& staaf, const Eigen::VectorXd& x, double lambda);

// The reactions of one support node; a column is -1 where the support gives no such reaction.
struct TEvenwichtOplegging {
    int Knoop = -1;
    int RxKolom = -1;
    int RyKolom = -1;
    int MKolom = -1;
};

// What an unknown is: a bar's normal force, a bar end moment (with the bar's Mp) or a reaction.
struct TOnbekende {
    enum Soort { Normaalkracht, Moment, Reactie } Soort = Normaalkracht;
    int Staaf = -1; // index into Staven
    int Eind = -1;  // 0 or 1 for a moment
    double Mp = 0.0;
};

// The equilibrium equations of a frame loaded at its nodes and along its bars: A x = lambda b, with
// x the bar normal forces (tension positive), the bar end moments and the support reactions, and
// one row per force and moment balance of every node. End moments are sagging positive in the bar's
// own frame: a positive moment puts the right side (walking from Knoop0 to Knoop1) in tension.
// Reactions act on the node: Rx to the right, Ry upward, M anticlockwise. Loads are the drawn
// load components at load factor 1; a bar's distributed load puts half of its resultant on each
// end node, and its moment line gets the parabola of a simple beam (TEvenwichtStaaf::Q).
class TEvenwicht {
public:
    explicit TEvenwicht(const TConstructie& constructie);

    Eigen::MatrixXd A;
    Eigen::VectorXd b;
    // Every distribution in equilibrium is lambda Xb + Nul z + r: Xb carries the loads at load
    // factor 1 (least squares), the orthonormal columns of Nul are the states of self-stress
    // that carry moments, and r is self-stress without any moment (normal forces along a closed
    // line of bars, say). No moment condition fixes r, so the distributions leave it out.
    // Draagt is false when no distribution carries the loads: the frame moves without any
    // plastic hinge.
    // Worked out on first use: a dense decomposition of A, which only the distributions of
    // single mechanisms need.
    const Eigen::VectorXd& Xb() const { return Oplossingsruimte().Xb; }
    const Eigen::MatrixXd& Nul() const { return Oplossingsruimte().Nul; }
    bool Draagt() const { return Oplossingsruimte().Draagt; }
    std::vector<TEvenwichtStaaf> Staven;
    std::vector<TEvenwichtOplegging> Opleggingen;
    std::vector<TOnbekende> Onbekenden;

    int AantalVergelijkingen() const { return static_cast<int>(A.rows()); }
    int AantalOnbekenden() const { return static_cast<int>(A.cols()); }
    // The bar end moment column where a plastic hinge at the node forms: the end of bar staaf,
    // or, for -1, of the bar with the smallest Mp there; -1 when no such bar end carries a moment.
    int ScharnierKolom(int knoop, int staaf = -1) const;
    // The node of a moment column.
    int KnoopVanKolom(int kolom) const;
    bool IsMoment(int kolom) const {
        return Onbekenden[static_cast<std::size_t>(kolom)].Soort == TOnbekende::Moment;
    }

private:
    void NummerOnbekenden(const TConstructie& constructie);
    void VulMatrix(const TConstructie& constructie);
    struct TOplossingsruimte {
        Eigen::VectorXd Xb;
        Eigen::MatrixXd Nul;
        bool Draagt = false;
    };
    const TOplossingsruimte& Oplossingsruimte() const;
    TOplossingsruimte BepaalOplossingsruimte() const;
    void HoudMomentdragendeSpanningen(TOplossingsruimte& ruimte) const;

    mutable std::optional<TOplossingsruimte> oplossingsruimte_;
};

} // namespace kx
