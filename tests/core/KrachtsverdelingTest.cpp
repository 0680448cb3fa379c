#include "EngineHulp.h"
#include "Raamwerken.h"
#include "Referentie.h"
#include "Toleranties.h"
#include "engine/Bezwijkcontrole.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Bestand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kx::test {
namespace {

const TStaafkrachten& Staaf(const TKrachtsverdeling& v, int slot) {
    for (const auto& s : v.Staven) {
        if (s.Slot == slot) {
            return s;
        }
    }
    throw std::out_of_range("staaf");
}

const TOplegreactie& Reactie(const TKrachtsverdeling& v, int knoop) {
    for (const auto& r : v.Reacties) {
        if (r.Knoop == knoop) {
            return r;
        }
    }
    throw std::out_of_range("oplegging");
}

// The reactions balance the loads at lambda: forces and moments about the origin (y up).
void ControleerTotaalEvenwicht(const TConstructie& c, const TKrachtsverdeling& v) {
    double fx = 0.0;
    double fy = 0.0;
    double m = 0.0;
    for (const auto& r : v.Reacties) {
        const auto& k = c.Knopen[r.Knoop];
        fx += r.Rx;
        fy += r.Ry;
        m += r.M + k.X * r.Ry - (-k.Y) * r.Rx;
    }
    for (const auto& last : c.Belastingen) {
        if (last.Bestaat) {
            const auto& k = c.Knopen[last.Knoop];
            const double px = v.Bezwijklast * last.Fx;
            const double py = -v.Bezwijklast * last.Fy;
            fx += px;
            fy += py;
            m += k.X * py - (-k.Y) * px;
        }
    }
    EXPECT_NEAR(fx, 0.0, Exact);
    EXPECT_NEAR(fy, 0.0, Exact);
    EXPECT_NEAR(m, 0.0, 1e-8);
}

struct Geval {
    std::string Naam;
    void (*Bouw)(Opstelling&);
    std::vector<int> Plaatsen;
    double Bezwijklast;
    double Verhouding;
    bool Eenduidig;
};

// Portal 6 m wide and 4 m high with H 1 at the left corner and V 2 at mid-beam.
void Portaal(Opstelling& o, int voet) {
    o.Knoop(0, 0, 4, voet);
    o.Knoop(1, 0, 0);
    o.Knoop(2, 3, 0);
    o.Knoop(3, 6, 0);
    o.Knoop(4, 6, 4, voet);
    for (int s = 0; s < 4; ++s) {
        o.Staaf(s, s, s + 1);
    }
    o.Last(0, 1, 1, 0);
    o.Last(1, 2, 0, 2);
}
void PortaalScharnierend(Opstelling& o) {
    Portaal(o, Scharnierend);
}
void PortaalIngeklemd(Opstelling& o) {
    Portaal(o, Inklemming);
}
void Schoor(Opstelling& o) {
    SchoorLigger(o);
}
// Mp 100 at the clamp, 50 in the span: 100 theta + 50 * 2 theta = 3 lambda theta.
void OngelijkeMp(Opstelling& o) {
    SchoorLigger(o);
    o.Staaf(0, 0, 1, 100.0);
}

TEST(Krachtsverdeling, HandberekendeMechanismen) {
    // Verhouding 0: the mechanism overloads some place, the peak ratio exceeds 1.
    const std::vector<Geval> gevallen = {
        // Sway and beam together: M at the left corner is 25.
        {"voorbeeld 1", Voorbeeld, {2, 4}, 175.0 / 3.0, 1.0, true},
        // Hinges at the left corner and mid-beam: the right corner carries 100 = 2 Mp.
        {"voorbeeld 2", Voorbeeld, {0, 4}, 250.0 / 3.0, 2.0, true},
        {"schoorligger", Schoor, {0, 1}, 50.0, 1.0, true},
        {"ongelijke Mp", OngelijkeMp, {0, 1}, 200.0 / 3.0, 1.0, true},
        // 4 Mp = lambda (4 + 6).
        {"portaal scharnierend", PortaalScharnierend, {2, 3}, 20.0, 1.0, true},
        // Combined mechanism: 6 Mp = lambda (4 + 6).
        {"portaal ingeklemd", PortaalIngeklemd, {0, 2, 3, 4}, 30.0, 1.0, true},
        // Sway mechanism at 4 Mp / 4 = 50 overloads mid-beam.
        {"portaal ingeklemd, zijdelings", PortaalIngeklemd, {0, 1, 3, 4}, 50.0, 0.0, true},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.Naam);
        Opstelling o;
        geval.Bouw(o);
        const TEvenwicht evenwicht(o.c);
        const auto v = BepaalKrachtsverdeling(evenwicht, geval.Plaatsen, 0.0);
        ASSERT_TRUE(v.Bestaat);
        EXPECT_NEAR(v.Bezwijklast, geval.Bezwijklast, Exact);
        if (geval.Verhouding > 0.0) {
            EXPECT_NEAR(v.Momentverhouding, geval.Verhouding, Exact);
        } else {
            EXPECT_GT(v.Momentverhouding, 1.0 + 1e-3);
        }
        EXPECT_EQ(v.Eenduidig, geval.Eenduidig);
        EXPECT_LT(v.Residu, Exact);
        for (const auto& scharnier : v.Scharnieren) {
            EXPECT_TRUE(scharnier.Draait);
            EXPECT_NEAR(std::fabs(scharnier.M), scharnier.Mp, Exact);
        }
        ControleerTotaalEvenwicht(o.c, v);
    }
}

TEST(Krachtsverdeling, MomentenEnReactiesMetTekens) {
    Opstelling o;
    SchoorLigger(o);
    const auto v = BepaalKrachtsverdeling(TEvenwicht(o.c), {0, 1}, 0.0);
    // Hogging at the clamp, sagging under the load; the roller carries 50 / 3.
    EXPECT_NEAR(Staaf(v, 0).M0, -50.0, Exact);
    EXPECT_NEAR(Staaf(v, 0).M1, 50.0, Exact);
    EXPECT_NEAR(Staaf(v, 1).M0, 50.0, Exact);
    EXPECT_NEAR(Staaf(v, 1).M1, 0.0, Exact);
    EXPECT_NEAR(Staaf(v, 0).V, 100.0 / 3.0, Exact);
    EXPECT_NEAR(Staaf(v, 1).V, -50.0 / 3.0, Exact);
    EXPECT_NEAR(Reactie(v, 0).Ry, 100.0 / 3.0, Exact);
    EXPECT_NEAR(Reactie(v, 0).M, 50.0, Exact);
    EXPECT_NEAR(Reactie(v, 2).Ry, 50.0 / 3.0, Exact);
    EXPECT_NEAR(Reactie(v, 2).Rx, 0.0, Exact);

    Opstelling p;
    Portaal(p, Scharnierend);
    const auto w = BepaalKrachtsverdeling(TEvenwicht(p.c), {2, 3}, 0.0);
    // Right column carries 50 / 4 of the 20 kN sway load; the left corner gets 4 * 7.5.
    EXPECT_NEAR(Reactie(w, 0).Rx, -7.5, Exact);
    EXPECT_NEAR(Reactie(w, 4).Rx, -12.5, Exact);
    EXPECT_NEAR(Reactie(w, 0).Ry, 20.0 / 3.0, Exact);
    EXPECT_NEAR(Reactie(w, 4).Ry, 100.0 / 3.0, Exact);
    EXPECT_NEAR(std::fabs(Staaf(w, 1).M0), 30.0, Exact);
}

// A chain from a clamp at node 0 to a vertical roller at node 7 whose only load acts on the
// clamp: no mechanism moves node 0, so the load never does work.
void KetenMetLastOpInklemming(Opstelling& o) {
    const std::vector<std::array<double, 2>> punten = {{0, 5},  {1, 5},  {1, 6},  {3, 8},
                                                       {3, 11}, {2, 11}, {0, 13}, {0, 11}};
    const std::vector<double> mp = {50, 50, 50, 50, 36, 50, 49};
    for (int k = 0; k < 8; ++k) {
        o.Knoop(k, punten[k][0], punten[k][1],
                k == 0 ? Inklemming : (k == 7 ? RolVerticaal : GeenOplegging));
    }
    for (int s = 0; s < 7; ++s) {
        o.Staaf(s, s, s + 1, mp[static_cast<std::size_t>(s)]);
    }
    o.Last(0, 0, -2, -2);
}

// A straight beam from a clamp at x = 3 via nodes at 5, 6 and 9 to a vertical roller at 12,
// loaded at x = 5 by 2 along the beam and 1 upward. The roller takes only the force along the
// beam, so the vertical load reaches the clamp alone: M there is 2 lambda, Fp = Mp / 2 = 25.
void LiggerMetRolInDeLijn(Opstelling& o) {
    o.Knoop(0, 3, 3, Inklemming);
    o.Knoop(1, 6, 3);
    o.Knoop(2, 9, 3);
    o.Knoop(3, 12, 3, RolVerticaal);
    o.Knoop(4, 5, 3);
    o.Staaf(0, 4, 1);
    o.Staaf(1, 1, 2);
    o.Staaf(2, 2, 3, 70.0);
    o.Staaf(3, 0, 4);
    o.Last(0, 4, 2, -1);
}

TEST(Krachtsverdeling, MechanismeZonderArbeidHeeftGeenVerdeling) {
    Opstelling o;
    Voorbeeld(o);
    const TEvenwicht evenwicht(o.c);
    const auto v = BepaalKrachtsverdeling(evenwicht, {0, 2}, 0.0);
    EXPECT_FALSE(v.Bestaat);
    EXPECT_EQ(v.Bezwijklast, OneindigeLast);
    // Places where no moment can form (pinned feet) make no mechanism at all.
    EXPECT_FALSE(BepaalKrachtsverdeling(evenwicht, {1, 3}, 7.0).Bestaat);

    // Motions left free by self-stress that leaves the hinges alone: the load still does no
    // work, whatever rounding says. In the beam, hinges at 4 and 1 or 2 leave the clamped part
    // up to node 4 on the ground.
    struct Zonder {
        std::string Naam;
        void (*Bouw)(Opstelling&);
        std::vector<std::vector<int>> Plaatsen; // empty: every mechanism of the analysis
    };
    const std::vector<Zonder> gevallen = {
        {"keten", KetenMetLastOpInklemming, {}},
        {"ligger", LiggerMetRolInDeLijn, {{1, 4}, {2, 4}}},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.Naam);
        Opstelling p;
        geval.Bouw(p);
        ASSERT_EQ(p.Analyseer(), "");
        std::vector<std::vector<int>> plaatsen = geval.Plaatsen;
        for (const auto& opgave : MechanismeOpgaven(p.a)) {
            if (geval.Plaatsen.empty()) {
                EXPECT_EQ(opgave.Bezwijklast, OneindigeLast);
                plaatsen.push_back(opgave.Plaatsen);
            }
        }
        const TEvenwicht e(p.c);
        for (const auto& mechanisme : plaatsen) {
            for (const double fp : {0.0, 50.0, OneindigeLast}) {
                const auto w = BepaalKrachtsverdeling(e, mechanisme, fp);
                EXPECT_FALSE(w.Bestaat) << mechanisme[0] << " " << mechanisme[1] << " " << fp;
                EXPECT_EQ(w.Bezwijklast, OneindigeLast);
            }
        }
    }
    Opstelling keten;
    KetenMetLastOpInklemming(keten);
    // Zero moments carry any load factor.
    EXPECT_EQ(BepaalWareBezwijklast(TEvenwicht(keten.c)).Bezwijklast, OneindigeLast);
}

TEST(Krachtsverdeling, LiggerMetRolInDeLijnDraagtAlleenMetDeInklemming) {
    Opstelling o;
    LiggerMetRolInDeLijn(o);
    const TEvenwicht evenwicht(o.c);
    // Given no load, the least dissipating motion turns the clamp hinge alone: 50 = 2 lambda.
    const auto v = BepaalKrachtsverdeling(evenwicht, {0, 4}, 0.0);
    ASSERT_TRUE(v.Bestaat);
    EXPECT_NEAR(v.Bezwijklast, 25.0, Exact);
    EXPECT_NEAR(v.Momentverhouding, 1.0, Exact);
    // The upward load bends the clamped part up: tension below, right of the bar from x = 3.
    EXPECT_NEAR(Staaf(v, 3).M0, 50.0, Exact);
    // Given 50, the clamp carries 100 = 2 Mp; the lower bound is 25 again.
    const auto w = BepaalKrachtsverdeling(evenwicht, {0, 4}, 50.0);
    ASSERT_TRUE(w.Bestaat);
    EXPECT_NEAR(w.Momentverhouding, 2.0, Exact);
    EXPECT_NEAR(w.Ondergrens(), 25.0, Exact);
    EXPECT_NEAR(Reactie(w, 0).Ry, -50.0, Exact);
    EXPECT_NEAR(Reactie(w, 0).M, -100.0, Exact);
    EXPECT_NEAR(Reactie(w, 3).Ry, 0.0, Exact);
    // The 100 along the beam goes to the clamp and the roller in any split.
    EXPECT_NEAR(Reactie(w, 0).Rx + Reactie(w, 3).Rx, -100.0, Exact);
    for (const auto* u : {&v, &w}) {
        EXPECT_LT(u->Residu, Exact);
        ControleerTotaalEvenwicht(o.c, *u);
    }
}

// Beam clamped at both ends, 8 m, central load: four hinges of five places is one too many.
void IngeklemdeLigger(Opstelling& o) {
    for (int k = 0; k < 5; ++k) {
        o.Knoop(k, 2.0 * k, 0, k == 0 || k == 4 ? Inklemming : GeenOplegging);
    }
    for (int s = 0; s < 4; ++s) {
        o.Staaf(s, s, s + 1);
    }
    o.Last(0, 2, 0, 1);
}

TEST(Bezwijkcontrole, StatischeStellingEnBevestiging) {
    struct Verwacht {
        std::string Naam;
        void (*Bouw)(Opstelling&);
        double Waar;
        std::vector<int> Scharnieren;
    };
    const std::vector<Verwacht> gevallen = {
        {"voorbeeld", Voorbeeld, 175.0 / 3.0, {2, 4}},
        {"schoorligger", Schoor, 50.0, {0, 1}},
        {"portaal scharnierend", PortaalScharnierend, 20.0, {2, 3}},
        {"portaal ingeklemd", PortaalIngeklemd, 30.0, {0, 2, 3, 4}},
        // Both take the least of the motions their hinges allow: the governing mechanism meets
        // the static theorem.
        {"ingeklemde ligger", IngeklemdeLigger, 50.0, {0, 2, 4}},
        {"ligger met rol in de lijn", LiggerMetRolInDeLijn, 25.0, {0}},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.Naam);
        Opstelling o;
        geval.Bouw(o);
        ASSERT_EQ(o.Analyseer(), "");
        const TEvenwicht evenwicht(o.c);
        const auto controle =
            ControleerMechanismen(evenwicht, MechanismeOpgaven(o.a), o.a.MaatgevendMechanisme);
        EXPECT_NEAR(controle.Waar.Bezwijklast, geval.Waar, 1e-7);
        EXPECT_EQ(controle.Waar.Scharnieren, geval.Scharnieren);
        EXPECT_TRUE(controle.Bevestigd);
        const auto& maatgevend =
            o.a.Mechanismen[static_cast<std::size_t>(o.a.MaatgevendMechanisme)];
        EXPECT_NEAR(maatgevend.Vgl.Bezwijklast, geval.Waar, 1e-7);
        EXPECT_LT(controle.Waar.Verdeling.Residu, Exact);
        for (int i = 0; i < o.a.AantalMechanismen; ++i) {
            const double verhouding = controle.Momentverhoudingen[static_cast<std::size_t>(i)];
            if (verhouding > 0.0) {
                EXPECT_GE(verhouding, 1.0 - 1e-9) << i;
                EXPECT_LE(controle.Ondergrens(i), geval.Waar + 1e-7) << i;
            }
        }
    }
}

// Between two clamps a beam can carry any axial self-stress, which no moment fixes: the
// distributions leave it out, so a beam loaded across carries no normal force at all.
TEST(Krachtsverdeling, SpanningZonderMomentBlijftBuiten) {
    Opstelling o;
    IngeklemdeLigger(o);
    const TEvenwicht evenwicht(o.c);
    // Hinges at both clamps and under the load: 4 Mp theta = 4 lambda theta.
    const auto v = BepaalKrachtsverdeling(evenwicht, {0, 2, 4}, 0.0);
    ASSERT_TRUE(v.Bestaat);
    EXPECT_NEAR(v.Bezwijklast, 50.0, Exact);
    const auto waar = BepaalWareBezwijklast(evenwicht);
    ASSERT_TRUE(waar.Verdeling.Bestaat);
    for (const auto* u : {&v, &waar.Verdeling}) {
        for (const auto& staaf : u->Staven) {
            EXPECT_NEAR(staaf.N, 0.0, Exact) << staaf.Slot;
        }
        EXPECT_NEAR(Reactie(*u, 0).Rx, 0.0, Exact);
        EXPECT_NEAR(Reactie(*u, 4).Rx, 0.0, Exact);
        EXPECT_NEAR(Reactie(*u, 0).Ry, 25.0, Exact);
    }
}

// Large frames pose the least-peak program on the sparse equilibrium equations. On frames the
// dense program still takes, both give every mechanism the same least peak |M| / Mp, and the
// same moments at its turning hinges, each distribution in balance.
TEST(Krachtsverdeling, IjlEnDichtProgrammaGevenDezelfdeKleinstePiek) {
    for (const auto& [verdiepingen, velden] : {std::pair{2, 2}, std::pair{3, 1}}) {
        SCOPED_TRACE(testing::Message() << verdiepingen << " x " << velden);
        Opstelling o;
        o.c = Gebouw(verdiepingen, velden);
        ASSERT_EQ(o.Analyseer(), "");
        const TEvenwicht evenwicht(o.c);
        int vergeleken = 0;
        for (const auto& m : MechanismeOpgaven(o.a)) {
            if (IsOneindigeLast(m.Bezwijklast)) {
                continue;
            }
            const auto dicht = BepaalKrachtsverdeling(evenwicht, m.Plaatsen, m.Bezwijklast,
                                                      m.Staven, GrootsteDichteProgramma);
            const auto ijl =
                BepaalKrachtsverdeling(evenwicht, m.Plaatsen, m.Bezwijklast, m.Staven, 0);
            ASSERT_EQ(ijl.Bestaat, dicht.Bestaat);
            if (!dicht.Bestaat || dicht.Eenduidig) {
                continue;
            }
            ++vergeleken;
            EXPECT_NEAR(ijl.Momentverhouding, dicht.Momentverhouding,
                        1e-7 * dicht.Momentverhouding);
            EXPECT_EQ(ijl.Bezwijklast, dicht.Bezwijklast);
            ASSERT_EQ(ijl.Scharnieren.size(), dicht.Scharnieren.size());
            for (std::size_t i = 0; i < dicht.Scharnieren.size(); ++i) {
                if (dicht.Scharnieren[i].Draait) {
                    EXPECT_NEAR(ijl.Scharnieren[i].M, dicht.Scharnieren[i].M,
                                1e-7 * dicht.Scharnieren[i].Mp);
                }
            }
        }
        EXPECT_GT(vergeleken, 3);
    }
}

// The least peak |M| / Mp over every distribution in equilibrium at lambda whose turning hinges
// keep their moments, found without a solver: the peak is the largest of the affine functions
// +-(lambda Xb + Nul z)_j / Mp_j, so on the plane the held hinges leave to z (of dimension d)
// its least value lies where d + 1 of them are equal. Every such choice is tried; NaN where d
// exceeds 2.
double KleinstePiekDoorProberen(const TEvenwicht& evenwicht, double lambda,
                                const std::vector<std::pair<int, double>>& vast) {
    const Eigen::MatrixXd& nul = evenwicht.Nul();
    const auto k = nul.cols();
    Eigen::MatrixXd e(static_cast<Eigen::Index>(vast.size()), k);
    Eigen::VectorXd rechts(static_cast<Eigen::Index>(vast.size()));
    for (std::size_t i = 0; i < vast.size(); ++i) {
        const auto r = static_cast<Eigen::Index>(i);
        e.row(r) = nul.row(vast[i].first);
        rechts(r) = vast[i].second - lambda * evenwicht.Xb()(vast[i].first);
    }
    Eigen::VectorXd z0 = Eigen::VectorXd::Zero(k);
    Eigen::MatrixXd vrij = Eigen::MatrixXd::Identity(k, k);
    if (!vast.empty()) {
        Eigen::FullPivLU<Eigen::MatrixXd> lu(e);
        lu.setThreshold(1e-10);
        z0 = lu.solve(rechts);
        vrij =
            lu.dimensionOfKernel() > 0 ? Eigen::MatrixXd(lu.kernel()) : Eigen::MatrixXd::Zero(k, 0);
    }
    const auto d = vrij.cols();
    if (d > 2) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // Per signed moment j: its value a + g . w over the plane z = z0 + vrij w, in units of Mp.
    std::vector<double> a;
    std::vector<Eigen::RowVectorXd> g;
    for (std::size_t j = 0; j < evenwicht.Onbekenden.size(); ++j) {
        const auto& o = evenwicht.Onbekenden[j];
        if (o.Soort != TOnbekende::Moment) {
            continue;
        }
        const auto rij = static_cast<Eigen::Index>(j);
        for (const double teken : {1.0, -1.0}) {
            a.push_back(teken * (lambda * evenwicht.Xb()(rij) + nul.row(rij).dot(z0)) / o.Mp);
            g.push_back(teken * nul.row(rij) * vrij / o.Mp);
        }
    }
    const auto piek = [&](const Eigen::VectorXd& w) {
        double p = 0.0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            p = std::max(p, a[i] + g[i].dot(w));
        }
        return p;
    };
    double kleinste = piek(Eigen::VectorXd::Zero(d));
    // Every choice of d + 1 of the functions equal to the peak t: [g -1] (w, t) = -a.
    VoorElkeKeuze(
        static_cast<int>(a.size()), static_cast<int>(d + 1), [&](const std::vector<int>& keuze) {
            Eigen::MatrixXd m(d + 1, d + 1);
            Eigen::VectorXd b(d + 1);
            for (Eigen::Index r = 0; r <= d; ++r) {
                const auto i = static_cast<std::size_t>(keuze[static_cast<std::size_t>(r)]);
                m.row(r).head(d) = g[i];
                m(r, d) = -1.0;
                b(r) = -a[i];
            }
            Eigen::FullPivLU<Eigen::MatrixXd> lu(m);
            lu.setThreshold(1e-10);
            if (lu.rank() == d + 1) {
                kleinste = std::min(kleinste, piek(lu.solve(b).head(d)));
            }
        });
    return kleinste;
}

// Where equilibrium leaves freedom, the distribution has the least peak |M| / Mp: the peak it
// reports is that of its own moments, and no distribution with the same turning hinges at their
// moments has a lower one, as trying every vertex of the small frames' programs shows. Both the
// dense and the sparse program.
TEST(Krachtsverdeling, KleinstePiekIsDeKleinsteDieErIs) {
    int vergeleken = 0;
    for (const TConstructie& c : {test::Portaal(VasteVerbinding), TweeveldsPortaal(50.0, true),
                                  TweeveldsPortaal(80.0, false)}) {
        Opstelling o;
        o.c = c;
        ASSERT_EQ(o.Analyseer(), "");
        const TEvenwicht evenwicht(o.c);
        const auto opgaven = MechanismeOpgaven(o.a);
        for (std::size_t m = 0; m < opgaven.size(); ++m) {
            SCOPED_TRACE("mechanisme " + std::to_string(m + 1));
            const auto& opgave = opgaven[m];
            for (const Eigen::Index dicht : {GrootsteDichteProgramma, Eigen::Index{0}}) {
                const auto v = BepaalKrachtsverdeling(evenwicht, opgave.Plaatsen,
                                                      opgave.Bezwijklast, opgave.Staven, dicht);
                if (!v.Bestaat || v.Eenduidig) {
                    continue;
                }
                double eigenPiek = 0.0;
                for (const auto& staaf : v.Staven) {
                    const double mp = o.c.Staven[static_cast<std::size_t>(staaf.Slot)].Mp;
                    eigenPiek =
                        std::max({eigenPiek, std::fabs(staaf.M0) / mp, std::fabs(staaf.M1) / mp});
                }
                EXPECT_NEAR(v.Momentverhouding, eigenPiek, 1e-9 * eigenPiek);
                std::vector<std::pair<int, double>> vast;
                for (std::size_t i = 0, h = 0; i < opgave.Plaatsen.size(); ++i) {
                    const int staaf = i < opgave.Staven.size() ? opgave.Staven[i] : -1;
                    const int kolom = evenwicht.ScharnierKolom(opgave.Plaatsen[i], staaf);
                    if (kolom != -1 && v.Scharnieren[h++].Draait) {
                        vast.emplace_back(kolom, v.Scharnieren[h - 1].M);
                    }
                }
                const double kleinste = KleinstePiekDoorProberen(evenwicht, v.Bezwijklast, vast);
                if (std::isnan(kleinste)) {
                    continue;
                }
                ++vergeleken;
                EXPECT_NEAR(v.Momentverhouding, kleinste, 1e-7 * kleinste)
                    << (dicht > 0 ? "dicht" : "ijl");
            }
        }
    }
    EXPECT_GE(vergeleken, 20);
}

// A hinge is marked as turning exactly when the mechanism turns it: in the portal clamped at
// both feet, mechanism 1 also chooses the foot D and mechanism 4 the foot A, which stay put.
TEST(Krachtsverdeling, AlleenDraaiendeScharnierenDraaien) {
    int stil = 0;
    for (const std::string naam : {"portaal-ingeklemd-hv.kx", "voorbeeld.kx", "spant.kx"}) {
        SCOPED_TRACE(naam);
        Opstelling o;
        ASSERT_EQ(LaadConstructie(o.c, std::string(KX_FIXTURES) + "/" + naam, o.teksten), "");
        ASSERT_EQ(o.Analyseer(), "");
        const TEvenwicht evenwicht(o.c);
        const auto opgaven = MechanismeOpgaven(o.a);
        for (std::size_t m = 0; m < opgaven.size(); ++m) {
            SCOPED_TRACE("mechanisme " + std::to_string(m + 1));
            const auto& record = o.a.Mechanismen[m];
            const auto v = BepaalKrachtsverdeling(evenwicht, opgaven[m].Plaatsen,
                                                  opgaven[m].Bezwijklast, opgaven[m].Staven);
            if (!v.Bestaat) {
                continue;
            }
            ASSERT_EQ(v.Scharnieren.size(), record.Plaatsen.size());
            for (std::size_t i = 0; i < record.Plaatsen.size(); ++i) {
                const auto& draaiend = record.DraaiendePlaatsen;
                const bool draait = std::find(draaiend.begin(), draaiend.end(),
                                              record.Plaatsen[i]) != draaiend.end();
                EXPECT_EQ(v.Scharnieren[i].Draait, draait) << "plaats " << record.Plaatsen[i];
                if (draait) {
                    EXPECT_NEAR(std::fabs(v.Scharnieren[i].M), v.Scharnieren[i].Mp, Exact);
                }
                stil += draait ? 0 : 1;
            }
        }
    }
    EXPECT_GE(stil, 2);
}

} // namespace
} // namespace kx::test
