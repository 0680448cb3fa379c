#include "EngineHulp.h"
#include "Raamwerken.h"
#include "Referentie.h"
#include "engine/Analyse.h"
#include "engine/EigenMechanisme.h"
#include "engine/GedeeldeCentra.h"
#include "engine/Scharniertermen.h"
#include "model/Bestand.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace kx::test {
namespace {

const TGedeeldCentrum* CentrumBij(const std::vector<TGedeeldCentrum>& centra, double x, double y) {
    for (const auto& c : centra) {
        if (std::fabs(c.RC.x - x) < 1e-9 && std::fabs(c.RC.y - y) < 1e-9) {
            return &c;
        }
    }
    return nullptr;
}

// The numbers of a printed term multiplied, with its sign: "- a F ⋅ b ⋅ c ⋅ δθ" gives -a b c.
double Waarde(const std::string& term) {
    const std::string punt = "¬×";
    double waarde = term.rfind("- ", 0) == 0 ? -1.0 : 1.0;
    std::size_t begin = 2;
    while (begin < term.size()) {
        const std::size_t einde = std::min(term.find(punt, begin), term.size());
        const std::string stuk = term.substr(begin, einde - begin);
        const std::size_t cijfer = stuk.find_first_of("0123456789");
        if (cijfer != std::string::npos) {
            double getal = 0.0;
            const char* eerste = stuk.data() + cijfer;
            const auto [rest, fout] = std::from_chars(eerste, stuk.data() + stuk.size(), getal);
            EXPECT_EQ(fout, std::errc()) << term;
            waarde *= getal;
        }
        begin = einde == term.size() ? einde : einde + punt.size();
    }
    return waarde;
}

// Every load term of the printed equation, read back as numbers, is the work of that load
// component per unit of virtual rotation: the load times its displacement, found from the
// mechanism's own part ends by the reference without centres or lever arms. Horizontal and
// vertical loads, on turning and translating parts, in every mechanism; a distributed load does
// the work of its resultant at the middle of each part it lies on.
TEST(Arbeidsvergelijking, ElkeGeschrevenLastermIsDeArbeidVanDieLast) {
    std::vector<std::pair<std::string, TConstructie>> constructies;
    for (const std::string naam :
         {"voorbeeld.kx", "portaal-ingeklemd-hv.kx", "spant.kx", "portaal-scharnierend-hv.kx",
          "schoor.kx", "schoorligger-verdeeld.kx"}) {
        Teksten teksten;
        TConstructie c;
        ASSERT_EQ(LaadConstructie(c, std::string(KX_FIXTURES) + "/" + naam, teksten), "");
        constructies.emplace_back(naam, c);
    }
    // Sloping q on a beam that translates when the portal sways.
    TConstructie portaal = Portaal(VasteVerbinding);
    portaal.VerdeeldeBelastingen[0] = {1, 0.5, 1.0, true};
    constructies.emplace_back("portaal met q", portaal);

    int horizontaal = 0;
    int verticaal = 0;
    int verdeeld = 0;
    for (const auto& [naam, c] : constructies) {
        SCOPED_TRACE(naam);
        Opstelling o;
        o.c = c;
        ASSERT_EQ(o.Analyseer(), "");
        for (std::size_t i = 0; i < o.a.Mechanismen.size(); ++i) {
            const TMechanisme& m = o.a.Mechanismen[i];
            const Referentie referentie(m);
            const Eigen::VectorXd beweging = referentie.EigenBeweging();
            for (std::size_t j = 0; j < m.avBelastingen.size(); ++j) {
                const TBelasting& last = m.avBelastingen[j];
                if (last.s < 0) {
                    continue;
                }
                const auto d = referentie.Verplaatsing(beweging, static_cast<std::size_t>(last.s),
                                                       last.x, last.y);
                const std::size_t q = 2 * m.avStaven.size() + 2 * j + 1;
                const double fx = last.Fx * d[0] / VirtueleRotatie;
                const double fy = last.Fy * d[1] / VirtueleRotatie;
                // Three significant digits per printed number.
                EXPECT_NEAR(Waarde(m.Vgl.Regel1[q]), fx, 2e-2 * std::fabs(fx) + 1e-9)
                    << "mechanisme " << i + 1 << ": " << m.Vgl.Regel1[q];
                EXPECT_NEAR(Waarde(m.Vgl.Regel1[q + 1]), fy, 2e-2 * std::fabs(fy) + 1e-9)
                    << "mechanisme " << i + 1 << ": " << m.Vgl.Regel1[q + 1];
                horizontaal += std::fabs(fx) > 1e-9 ? 1 : 0;
                verticaal += std::fabs(fy) > 1e-9 ? 1 : 0;
                verdeeld += last.Verdeeld >= 0 && std::fabs(fx) + std::fabs(fy) > 1e-9 ? 1 : 0;
            }
        }
    }
    EXPECT_GE(horizontaal, 5);
    EXPECT_GE(verticaal, 5);
    EXPECT_GE(verdeeld, 5);
}

// In every mechanism of frames with joints, chains and clamps, the hinge terms add up to the
// internal work, each is Mp times its rotation, and no hinge is written twice.
TEST(Scharniertermen, TellenOpTotDeInterneArbeid) {
    Teksten t;
    for (const TConstructie& c :
         {Portaal(VasteVerbinding), TweeveldsPortaal(50.0, true), Gebouw(2, 2)}) {
        TAnalyse analyse(t);
        analyse.BepaalMechanismen(c);
        analyse.BerekeningDeel2();
        ASSERT_GT(analyse.AantalMechanismen, 0);
        for (const TMechanisme& m : analyse.Mechanismen) {
            const auto termen = Scharniertermen(m, t, '.');
            double som = 0.0;
            for (const auto& term : termen) {
                EXPECT_NEAR(term.Arbeid, -term.Mp * term.Rotatie, 1e-12 * Mp);
                EXPECT_EQ(term.Term.substr(0, 2), "- ");
                som += term.Arbeid;
            }
            EXPECT_NEAR(som, InterneArbeid(m), 1e-12 * Mp);
            EXPECT_EQ(termen.size(), m.DraaiendePlaatsen.size());
        }
    }
}

// In the combined mechanism of the two-bay portal the left column turns with the left half of
// the beam about foot A, the middle column with the right beam's first half about foot E: one
// centre each, naming both bars.
TEST(GedeeldeCentra, StarreDelenDelenHunCentrum) {
    Teksten t;
    TAnalyse analyse(t);
    analyse.BepaalMechanismen(TweeveldsPortaal(50.0, true));
    analyse.BerekeningDeel2();
    const auto centra =
        GedeeldeCentra(analyse.Mechanismen[static_cast<std::size_t>(analyse.MaatgevendMechanisme)]);
    const TGedeeldCentrum* a = CentrumBij(centra, 0.0, -4.0);
    const TGedeeldCentrum* e = CentrumBij(centra, 6.0, -4.0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(a->Delen, (std::vector<std::string>{"AB", "BC"}));
    EXPECT_EQ(e->Delen, (std::vector<std::string>{"DF", "DE"}));
    std::size_t delen = 0;
    for (const auto& c : centra) {
        delen += c.Delen.size();
    }
    EXPECT_EQ(delen, 7u);
}

// A beam mechanism of the left bay moves two bars: each turns about its end at a column; the
// bars that stand still have no centre.
TEST(GedeeldeCentra, StilstaandeDelenHebbenGeenCentrum) {
    Teksten t;
    const TEigenAnalyse analyse(TweeveldsPortaal(50.0, true), t, '.');
    std::vector<int> plaatsen;
    for (std::size_t p = 0; p < analyse.Plaatsen().size(); ++p) {
        const auto& plaats = analyse.Plaatsen()[p];
        // Nodes B and C, and the end at D of the beam CD (slot 2).
        if (plaats.Knoop == 1 || plaats.Knoop == 2 || (plaats.Knoop == 3 && plaats.Staaf == 2)) {
            plaatsen.push_back(static_cast<int>(p));
        }
    }
    ASSERT_EQ(plaatsen.size(), 3u);
    const TEigenMechanisme eigen = analyse.Bereken(plaatsen);
    ASSERT_TRUE(eigen.Beweegt());
    EXPECT_NEAR(eigen.Bezwijklast, 4 * Mp / 3, 1e-6);
    const auto centra = GedeeldeCentra(eigen.Mechanisme);
    ASSERT_EQ(centra.size(), 2u);
    ASSERT_NE(CentrumBij(centra, 0.0, 0.0), nullptr);
    ASSERT_NE(CentrumBij(centra, 6.0, 0.0), nullptr);
    EXPECT_EQ(CentrumBij(centra, 0.0, 0.0)->Delen, (std::vector<std::string>{"BC"}));
    EXPECT_EQ(CentrumBij(centra, 6.0, 0.0)->Delen, (std::vector<std::string>{"CD"}));
}

// The middle joint of the two-bay portal turning against its three bars: three hinges at one
// node, told apart by their bar, and the joint as a part of its own turning about itself.
TEST(Scharniertermen, EenKnoopDraaitTegenAlleStaven) {
    Teksten t;
    const TEigenAnalyse analyse(TweeveldsPortaal(50.0, true), t, '.');
    std::vector<int> plaatsen;
    for (std::size_t p = 0; p < analyse.Plaatsen().size(); ++p) {
        if (analyse.Plaatsen()[p].Knoop == 3) {
            plaatsen.push_back(static_cast<int>(p));
        }
    }
    const TEigenMechanisme eigen = analyse.Bereken(plaatsen);
    ASSERT_EQ(eigen.AantalBewegingen, 1);
    EXPECT_TRUE(IsOneindigeLast(eigen.Bezwijklast));
    ASSERT_EQ(eigen.Termen.size(), 3u);
    const std::vector<std::string> onder{"scharnier D (CD)", "scharnier D (DF)",
                                         "scharnier D (DE)"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(eigen.Termen[i].Term, "- 50 ¬× 1 ¬× ¬d¬q ") << i;
        EXPECT_EQ(eigen.Termen[i].Onderschrift, onder[i]);
    }
    const auto centra = GedeeldeCentra(eigen.Mechanisme);
    ASSERT_EQ(centra.size(), 1u);
    EXPECT_EQ(centra[0].Delen, (std::vector<std::string>{"D"}));
    EXPECT_NEAR(centra[0].RC.x, 6.0, 1e-9);
    EXPECT_NEAR(centra[0].RC.y, 0.0, 1e-9);
}

} // namespace
} // namespace kx::test
