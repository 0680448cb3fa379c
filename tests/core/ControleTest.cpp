#include "ModelHulp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kx::test {
namespace {

TEST(Controle, HetVoorbeeldSlaagtMetZijnTellingen) {
    Tekenaar t;
    t.c.VulVoorbeeld();
    EXPECT_EQ(t.c.ControleerConstructie(), "");
    const auto& n = t.c.Onbepaaldheid;
    EXPECT_EQ(n.AantalOnbekenden, 26);
    EXPECT_EQ(n.AantalVergelijkingen, 25);
    EXPECT_EQ(n.AantalScharnierplaatsen, 3);
    EXPECT_EQ(n.S(), 1);

    // A vertical roller (code -1) adds one support reaction, not minus one: 26 - 2 + 1.
    t.c.Constructie.Knopen[3].Oplegging = RolVerticaal;
    t.c.BepaalOnbepaaldheid();
    EXPECT_EQ(n.AantalOnbekenden, 25);
}

TEST(Controle, MeldingenInHunVasteVolgorde) {
    Tekenaar leeg;
    EXPECT_EQ(leeg.c.ControleerConstructie(),
              "Deze constructie is niet mogelijk. "
              "Deze constructie heeft niet genoeg plaatsen waar een plastische scharnier op kan "
              "treden. U hebt te weinig oplegreacties. Er zijn te weinig opleggingen. "
              "Er staan geen krachten op de constructie. ");

    Tekenaar rollen; // a beam on two rollers
    rollen.Staaf(0, 0, 2, 0);
    rollen.Staaf(2, 0, 4, 0);
    rollen.Oplegging(0, 0, RolHorizontaal);
    rollen.Oplegging(4, 0, RolHorizontaal);
    rollen.Belasting(2, -1, 2, 0);
    EXPECT_EQ(rollen.c.ControleerConstructie(),
              "Deze constructie is niet mogelijk. U hebt te weinig oplegreacties. "
              "De constructie is 1- voudig kinematisch onbepaald. ");

    ASSERT_EQ(rollen.teksten.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal,
              Teksten::Aantal);
    EXPECT_EQ(rollen.c.ControleerConstructie(),
              "This structure is not possible. You have too few support reactions. "
              "The structure is 1-fold kinematically indeterminate. ");
}

TEST(Controle, NoemtAlleenDeHoogsteStaafZonderMpEnTeltDrieOpleggingen) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Staaf(4, 0, 6, 0);
    t.Oplegging(0, 0, RolHorizontaal);
    t.Oplegging(6, 0, RolHorizontaal);
    t.Belasting(2, -1, 2, 0);
    for (int staaf : {0, 1}) {
        t.sel.GevondenStaaf = staaf;
        t.c.ZetMp(t.sel, 0);
    }
    // A third support on a free node: three supports, four reactions.
    t.Staaf(8, 0, 8, 2);
    t.Oplegging(8, 2, RolVerticaal);
    t.Oplegging(8, 0, RolVerticaal);
    const auto melding = t.c.ControleerConstructie();
    EXPECT_NE(melding.find("Er zijn teveel opleggingen. "), std::string::npos);
    EXPECT_EQ(melding.find("oplegreacties"), std::string::npos);
    EXPECT_NE(melding.find("Er is geen Mp opgegeven voor staaf nummer 2. "), std::string::npos);
    EXPECT_EQ(melding.find("staaf nummer 1."), std::string::npos);
}

TEST(Controle, ZevenOplegreactiesZijnTeveel) {
    Tekenaar t; // a beam clamped at both ends with a roller at mid-span
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Staaf(4, 0, 4, 2);
    t.Oplegging(0, 0, Inklemming);
    t.Oplegging(4, 2, Inklemming);
    t.Staaf(6, 0, 6, 2);
    t.Oplegging(6, 2, RolHorizontaal);
    t.Belasting(2, -1, 2, 0);
    const auto melding = t.c.ControleerConstructie();
    EXPECT_NE(melding.find("U hebt teveel oplegreacties. Er zijn teveel opleggingen. "),
              std::string::npos)
        << melding;
}

TEST(Controle, KnoopMetAlleenEenOpleggingIsEenVrijUiteinde) {
    Tekenaar t; // a cantilever has one free end; a lone support makes it two
    t.Staaf(0, 0, 4, 0);
    t.Oplegging(0, 0, Inklemming);
    t.Belasting(4, -1, 4, 0);
    auto& los = t.c.Constructie.Knopen[10];
    los.Bestaat = true;
    los.Oplegging = RolHorizontaal;
    EXPECT_NE(t.c.ControleerConstructie().find("U hebt teveel vrije uiteinden. "),
              std::string::npos);
}

TEST(Controle, VerweesdeKnopenTellenNietMeeNaHetNormaliseren) {
    Tekenaar t;
    t.c.VulVoorbeeld();
    // A bar to a node that does not exist: it goes, and so does the node it leaves behind.
    auto& staaf = t.c.Constructie.Staven[5];
    staaf = {6, 7, 50.0, true};
    t.c.Constructie.Knopen[6] = {12, 3, 0, true, 3, 0};
    EXPECT_EQ(t.c.ControleerConstructie(), "");
    EXPECT_FALSE(t.c.Constructie.Knopen[6].Bestaat);
}

// What the method of this program cannot take: each complaint names its bound.
TEST(Controle, WatDeMethodeNietAankan) {
    struct Geval {
        const char* naam;
        void (*wijzig)(TConstructie&);
        std::string melding;
    };
    const std::vector<Geval> gevallen{
        {"drie staven in knoop 5",
         [](TConstructie& c) {
             c.Knopen[5] = {5, 0, GeenOplegging, true, VasteVerbinding, 0.0};
             c.Staven[4] = {4, 5, 50.0, true};
         },
         "Er komen drie of meer staven samen in een knoop; dat kan dit programma niet berekenen. "
         "Het gaat om knoop nummer 5. "},
        {"coördinaat te groot", [](TConstructie& c) { c.Knopen[3].Y = 20000; },
         "Een knoop ligt te ver weg: coördinaten mogen hoogstens 10000 m groot zijn. "},
        {"Mp te groot", [](TConstructie& c) { c.Staven[1].Mp = 2e6; },
         "Een Mp moet tussen 0,001 en 1000000 kNm liggen. "},
        {"belasting te klein", [](TConstructie& c) { c.Belastingen[0].Fx = 1e-300; },
         "De componenten van een belasting moeten 0 zijn of tussen 0,001 en 1000000 F liggen. "},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        Tekenaar t;
        t.c.VulVoorbeeld();
        // A fifth bar from node 5 to E makes E join three bars.
        geval.wijzig(t.c.Constructie);
        const std::string melding = t.c.ControleerConstructie();
        EXPECT_NE(melding.find(geval.melding), std::string::npos) << melding;
    }
}

} // namespace
} // namespace kx::test
