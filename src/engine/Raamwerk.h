#pragma once

#include "model/Constructie.h"
#include "model/Knoopbetekenis.h"

#include <Eigen/Dense>
#include <Eigen/SparseCore>

#include <cstdint>
#include <utility>
#include <vector>

namespace kx {

// A first-order motion of the frame: a displacement and, where moments act, a rotation of every
// node, with every bar straight and of its own length and every support holding.
struct TBeweging {
    // The least load at which the motion's hinges dissipate what the loads do: infinite when the
    // loads do no work on any motion of these hinges.
    double Bezwijklast = 0.0;
    // Scaled so that the hinges dissipate 1 kNm rad; zero when the loads do no work.
    Eigen::VectorXd d;
    // The rotation of every place of the frame (0 where no hinge may turn), in the same scale.
    std::vector<double> Rotaties;
    // The places that turn, ascending.
    std::vector<int> Draaiend;
};

// The span of a bar that carries a distributed load, split at its hinge place into two
// segments that turn on their own (ThetaA from Knoop0, ThetaB towards Knoop1). They stay joined
// unless the span place turns; the place's rotation is ThetaA - ThetaB.
struct TVeld {
    std::int32_t Staaf = -1;
    int Plaats = -1;      // index into the frame's places
    double Positie = 0.5; // the hinge's share of the bar length from Knoop0, in [0, 1]
    double Qx = 0.0;      // load per metre, y up
    double Qy = 0.0;
    int ThetaA = -1; // columns of the segments' rotations
    int ThetaB = -1;
    int Rij = -1; // the row that joins the segments to the bar's ends
};

// The kinematics of any frame drawn: the compatibility equations of bars, nodes and supports,
// with every combination of hinge places given one meaning. A node's displacement is (u, v)
// with y pointing up; a node where moments act has a rotation of its own, and a bar end there
// turns with it unless a hinge place lets it turn on its own. A bar with a distributed load
// turns as two segments joined at its span place; the load's work on them is exact, the
// displacement being linear along each segment.
class TRaamwerk {
public:
    explicit TRaamwerk(const TConstructie& constructie);

    const std::vector<TVeld>& Velden() const { return velden_; }
    // The span of place p, or -1 for a place at a node.
    int VeldVanPlaats(int p) const;
    // The span of a bar, or -1 for a bar without a distributed load.
    int VeldVanStaaf(std::int32_t staaf) const;
    // Moves the hinge of span v to share s of the bar length from Knoop0 (0 <= s <= 1).
    void ZetPositie(int v, double s);
    // The rotations of the two segments of span v in motion d, and the displacement of its
    // hinge.
    double ThetaA(const Eigen::VectorXd& d, int v) const;
    double ThetaB(const Eigen::VectorXd& d, int v) const;
    std::pair<double, double> VeldVerplaatsing(const Eigen::VectorXd& d, int v) const;
    // The length of a bar of the frame.
    double Lengte(std::int32_t staaf) const;
    // Sets the segments of every span that does not turn to the rotation of its bar: a motion
    // written node by node then holds at the spans too.
    void VolgVelden(Eigen::VectorXd& d) const;

    const std::vector<TScharnierplaats>& Plaatsen() const { return plaatsen_; }
    int AantalVrijheidsgraden() const { return static_cast<int>(aantalVrijheden_); }
    std::int32_t AantalKnopen() const { return static_cast<std::int32_t>(vrijheden_.size()); }

    // Of every motion in which only the given places (indices into Plaatsen) turn, the one with
    // the least dissipation per unit of load work.
    TBeweging KleinsteBeweging(const std::vector<int>& plaatsen) const;
    // The same with every place free: the collapse mechanism, whose load is the collapse load.
    TBeweging Bezwijkmechanisme() const;

    // Some motion in which only the given places turn, for a combination whose loads do no
    // work: the first of a basis of those motions; empty when the places cannot move.
    Eigen::VectorXd EenBeweging(const std::vector<int>& plaatsen) const;
    // A basis of the motions in which only the given places turn, one motion per column.
    Eigen::MatrixXd Bewegingen(const std::vector<int>& plaatsen) const;
    // The motion in which node knoop alone turns by 1, its bars staying put: a joint mechanism
    // when every bar end there is a place.
    Eigen::VectorXd KnoopDraaiing(std::int32_t knoop) const;
    // The rotation of place p in motion d.
    double Rotatie(const Eigen::VectorXd& d, int p) const;
    // Writes a node's displacement or rotation into motion d; a rotation only where the node
    // has one of its own.
    void ZetVerplaatsing(Eigen::VectorXd& d, std::int32_t knoop, double u, double v) const;
    void ZetDraaiing(Eigen::VectorXd& d, std::int32_t knoop, double phi) const;
    // Whether d is a motion in which only the given places turn: every other condition holds
    // within rounding of its size.
    bool IsBeweging(const Eigen::VectorXd& d, const std::vector<int>& plaatsen) const;
    // The places that turn in motion d, ascending.
    std::vector<int> Draaiend(const Eigen::VectorXd& d) const;
    // The largest rotation of a bar or node in motion d.
    double GrootsteRotatie(const Eigen::VectorXd& d) const;
    // Motion d with its translations divided by the frame's size, so that every entry is of the
    // size of a rotation: the measure in which motions are compared.
    Eigen::VectorXd Dimensieloos(const Eigen::VectorXd& d) const;

    // The dimension of the motions with every place free: the number of independent mechanisms.
    int AantalOnafhankelijkeMechanismen() const;
    // A node that moves when no hinge turns (the one that moves most), or -1 when none does.
    std::int32_t BeweeglijkeKnoop() const;

    // A motion's displacement and rotation of a node, and rotation of a bar; 0 for a node or bar
    // that the frame does not hold.
    double U(const Eigen::VectorXd& d, std::int32_t knoop) const;
    double V(const Eigen::VectorXd& d, std::int32_t knoop) const;
    double Phi(const Eigen::VectorXd& d, std::int32_t knoop) const;
    double Gamma(const Eigen::VectorXd& d, std::int32_t staaf) const;
    // The work of the loads at load factor 1 in motion d; none in the empty motion.
    double Arbeid(const Eigen::VectorXd& d) const {
        return d.size() == w_.size() ? w_.dot(d) : 0.0;
    }

private:
    struct TKnoopVrijheden {
        int U = -1;
        int V = -1;
        int Phi = -1;
    };
    struct TStaafGegevens {
        std::int32_t Knoop0 = -1;
        std::int32_t Knoop1 = -1;
        double Lengte = 0.0;
        double Cos = 1.0;
        double Sin = 0.0;
    };

    void NummerVrijheden(const TConstructie& constructie);
    void NummerVelden(const TConstructie& constructie);
    void StelVergelijkingenOp(const TConstructie& constructie);
    // The row that joins span v's segments to its bar's ends at the span's position.
    std::vector<std::pair<int, double>> VeldRij(const TVeld& veld) const;
    // The load vector: the point loads and the spans' loads at their positions.
    void BepaalArbeid();
    void VoegRijToe(const std::vector<std::pair<int, double>>& termen);
    // The rotation equations of bar end e of bar s: phi of its node minus the bar's rotation.
    std::vector<std::pair<int, double>> EindRotatie(std::int32_t s, int e) const;
    // The given rows with translations scaled by the frame's length, so that every column is
    // of the size of a rotation.
    Eigen::SparseMatrix<double> Rijen(const std::vector<int>& welke) const;
    double Schaal(int kolom) const;
    double RijWaarde(int rij, const Eigen::VectorXd& d) const;

    std::vector<TScharnierplaats> plaatsen_;
    std::vector<TKnoopVrijheden> vrijheden_;
    std::vector<TStaafGegevens> staven_;
    Eigen::Index aantalVrijheden_ = 0;
    std::vector<bool> isTranslatie_;
    double lengte_ = 1.0;
    // One row per condition: a fixed part (bar lengths, supports, bar ends without a place)
    // and one row per place, which a chosen hinge frees.
    std::vector<std::vector<std::pair<int, double>>> rijen_;
    std::vector<int> vasteRijen_;
    std::vector<int> plaatsRij_;
    Eigen::VectorXd w_;
    Eigen::VectorXd puntlasten_;
    std::vector<double> mp_;
    std::vector<TVeld> velden_;
    std::vector<int> veldVanStaaf_;
};

} // namespace kx
