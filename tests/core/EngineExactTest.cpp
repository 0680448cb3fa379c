#include "EngineHulp.h"
#include "Referentie.h"
#include "model/Bestand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// Hand-worked answers in units of the virtual rotation: every part (by its end names) turns
// rotatie, every load point moves (dx, dy). For a mechanism whose loads do no work the direction
// is free: then only sizes are compared.
struct VerwachtDeel {
    const char* naam;
    double rotatie;
};
struct Verwacht {
    double fp;
    std::vector<VerwachtDeel> delen;
    std::vector<std::array<double, 2>> lasten;
};
struct Frame {
    const char* naam;
    std::function<void(Opstelling&)> bouw;
    std::vector<Verwacht> mechanismen;
    int maatgevend;
};

std::function<void(Opstelling&)> Bestand(const std::string& naam) {
    return [naam](Opstelling& o) {
        ASSERT_EQ(LaadConstructie(o.c, std::string(KX_FIXTURES) + "/" + naam, o.teksten), "");
    };
}

void VergelijkExact(double verwacht, double waarde, bool richtingVrij, const std::string& wat) {
    if (IsOneindigeLast(verwacht)) {
        EXPECT_EQ(waarde, verwacht) << wat;
        return;
    }
    const double v = richtingVrij ? std::fabs(waarde) : waarde;
    EXPECT_NEAR(v, verwacht, 1e-9 * std::max(1.0, std::fabs(verwacht))) << wat;
}

const std::vector<Frame>& Frames() {
    constexpr double inf = OneindigeLast;
    const double d = (6.0 + std::sqrt(2.0)) / 3.0;
    static const std::vector<Frame> frames{
        {"voorbeeld",
         Voorbeeld,
         {{175.0 / 3, {{"EC", 1}, {"CD", -0.5}, {"BE", -1}}, {{3, -3}}},
          {250.0 / 3, {{"AB", 2}, {"ED", 1}, {"AE", -1}}, {{-6, -3}}},
          {inf, {{"AB", 2}, {"CD", 1}, {"AC", 0}}, {{6, 0}}}},
         0},
        {"ingeklemd portaal, alleen H: Fp = 4 Mp / (H h)",
         Bestand("portaal-ingeklemd-h.kx"),
         {{50, {{"AB", -1}, {"BC", 0}, {"CD", -1}}, {{4, 0}}}},
         0},
        {"ingeklemd portaal met H en V: gecombineerd mechanisme",
         Bestand("portaal-ingeklemd-hv.kx"),
         {{200.0 / 3, {{"BE", -1}, {"EC", 1}, {"CD", 0}}, {{0, -3}}},
          {300.0 / 7, {{"AE", -1}, {"EC", 1}, {"CD", -1}}, {{4, 0}, {4, -3}}},
          {300, {{"AB", -1}, {"BE", 1}, {"ED", -1}}, {{4, 0}, {4, 3}}},
          {200.0 / 3, {{"AB", 0}, {"BE", -1}, {"EC", 1}}, {{0, 0}, {0, -3}}},
          {50, {{"AB", -1}, {"BC", 0}, {"CD", -1}}, {{4, 0}, {4, 0}}}},
         1},
        {"scharnierend portaal met H en V: zijdelings mechanisme",
         Bestand("portaal-scharnierend-hv.kx"),
         {{200.0 / 7, {{"AE", -1}, {"EC", 1}, {"CD", -1}}, {{4, 0}, {4, -3}}},
          {200, {{"AB", -1}, {"BE", 1}, {"ED", -1}}, {{4, 0}, {4, 3}}},
          {25, {{"AB", -1}, {"BC", 0}, {"CD", -1}}, {{4, 0}, {4, 0}}}},
         2},
        {"spant",
         Bestand("spant.kx"),
         {{62.5, {{"AC", -0.5}, {"CD", 0.5}, {"DE", -1}}, {{3, -2}}},
          {inf, {{"AB", 1}, {"BD", 0}, {"DE", 1}}, {{4, 0}}},
          {62.5, {{"AB", 1}, {"BC", -0.5}, {"CE", 0.5}}, {{-3, -2}}}},
         0},
        // D lies on the line through A and C and the pendulum at D stands vertical: the centre of
        // C-D is D, through which the chain of mechanism 2 enters it. d is the pendulum's length.
        {"schoor naar een rol: de keten komt een deel binnen door zijn centrum",
         Bestand("schoor.kx"),
         {{50, {{"BC", -d / 3}, {"CD", -d}, {"DE", 1}}, {{0, -d}}},
          {50, {{"AC", -1.0 / 3}, {"CD", -1}, {"DE", 0}}, {{-1, -1}}},
          {inf, {{"AB", d / 3}, {"BD", 0}, {"DE", 1}}, {{d, 0}}}},
         0},
        {"schoorligger op schaal 2: Fp = 6 Mp / L",
         [](Opstelling& o) {
             SchoorLigger(o);
             HerschaalKnopen(o.c, 2);
         },
         {{25, {{"AB", -1}, {"BC", 1}, {"CD", 0}}, {{0, -6}}}},
         0},
    };
    return frames;
}

TEST(EngineExact, HandberekendeFramesTotOpAfronding) {
    for (const Frame& frame : Frames()) {
        SCOPED_TRACE(frame.naam);
        Opstelling o;
        frame.bouw(o);
        ASSERT_EQ(o.Analyseer(), "");
        ASSERT_EQ(o.a.Mechanismen.size(), frame.mechanismen.size());
        EXPECT_EQ(o.a.MaatgevendMechanisme, frame.maatgevend);
        for (std::size_t i = 0; i < frame.mechanismen.size(); ++i) {
            SCOPED_TRACE("mechanisme " + std::to_string(i + 1));
            const Verwacht& v = frame.mechanismen[i];
            const TMechanisme& m = o.a.Mechanismen[i];
            const bool vrij = IsOneindigeLast(v.fp);
            VergelijkExact(v.fp, m.Vgl.Bezwijklast, false, "Fp");
            ASSERT_EQ(m.avStaven.size(), v.delen.size());
            for (const VerwachtDeel& deel : v.delen) {
                const auto gevonden =
                    std::find_if(m.avStaven.begin(), m.avStaven.end(), [&](const TStaaf& s) {
                        return s.Knopen[0].Naam + s.Knopen[1].Naam == deel.naam;
                    });
                ASSERT_NE(gevonden, m.avStaven.end()) << deel.naam;
                VergelijkExact(deel.rotatie, gevonden->gamma / VirtueleRotatie, vrij, deel.naam);
            }
            ASSERT_EQ(m.avBelastingen.size(), v.lasten.size());
            for (std::size_t j = 0; j < v.lasten.size(); ++j) {
                const double schaal = Vergroting * VirtueleRotatie;
                VergelijkExact(v.lasten[j][0], m.avBelastingen[j].dx / schaal, vrij, "dx");
                VergelijkExact(v.lasten[j][1], m.avBelastingen[j].dy / schaal, vrij, "dy");
            }
            Referentie(m).Vergelijk();
            for (const auto& tekst : m.Vgl.Regel1) {
                EXPECT_EQ(tekst.find('e'), std::string::npos) << "geen exponent: " << tekst;
            }
        }
    }
}

// The places that rotate, and a mechanism that only repeats an earlier one.
TEST(EngineExact, DraaiendeScharnierenEnHerhaaldeMechanismen) {
    Opstelling o;
    Bestand("portaal-ingeklemd-hv.kx")(o);
    ASSERT_EQ(o.Analyseer(), "");
    const auto& m = o.a.Mechanismen;
    using Knopen = std::vector<std::int32_t>;
    // Mechanism 1 also chose D, mechanism 4 also A; neither turns: both are the beam mechanism.
    EXPECT_EQ(m[0].Scharnieren, (Knopen{1, 2, 3, 4}));
    EXPECT_EQ(m[0].DraaiendeScharnieren, (Knopen{1, 2, 4}));
    EXPECT_EQ(m[3].Scharnieren, (Knopen{0, 1, 2, 4}));
    EXPECT_EQ(m[3].DraaiendeScharnieren, (Knopen{1, 2, 4}));
    EXPECT_EQ(m[4].DraaiendeScharnieren, (Knopen{0, 1, 2, 3}));
    const std::vector<int> gelijk{-1, -1, -1, 0, -1};
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].GelijkAan, gelijk[i]) << i;
    }
    // The place that does not rotate has no moment, so it is not drawn as a plastic hinge.
    for (const auto& deel : m[0].avStaven) {
        for (const auto& k : deel.Knopen) {
            EXPECT_EQ(k.M != 0.0, k.Index != 3 && k.Stijf) << k.Naam;
        }
    }
}

// Rotating hinges are told apart by their place, also beyond the first 32 places: at a joint two
// places share a node.
TEST(EngineExact, HerhalingHerkendAanDePlaatsenOokVoorbijDeEerste32) {
    TGelijkeMechanismen gelijk;
    const std::vector<std::vector<int>> draaiend{{0, 5}, {5, 32}, {5, 32}, {0, 5, 64}, {0, 5}, {}};
    const std::vector<std::int32_t> verwacht{-1, -1, 1, -1, 0, -1};
    for (std::size_t i = 0; i < draaiend.size(); ++i) {
        TMechanisme m;
        m.DraaiendePlaatsen = draaiend[i];
        gelijk.Markeer(m, static_cast<std::int32_t>(i));
        EXPECT_EQ(m.GelijkAan, verwacht[i]) << i;
    }
}

TEST(EngineExact, TermenMetDeArmVanDeVerschuiving) {
    Opstelling o;
    Bestand("portaal-ingeklemd-h.kx")(o);
    ASSERT_EQ(o.Analyseer(), "");
    const auto& vgl = o.a.Mechanismen[0].Vgl;
    std::vector<std::string> termen;
    for (std::size_t q = 1; q + 1 < vgl.Regel1.size(); ++q) {
        if (vgl.Factoren[q] != 0.0) {
            termen.push_back(vgl.Regel1[q]);
        }
    }
    const std::string scharnier = "- 50 ¬× 1 ¬× ¬d¬q ";
    // The beam translates: its load reads as load times displacement per rotation.
    EXPECT_EQ(termen, (std::vector<std::string>{scharnier, scharnier, scharnier, scharnier,
                                                "+ 1 F ¬× 4 ¬× ¬d¬q "}));
}

} // namespace
} // namespace kx::test
