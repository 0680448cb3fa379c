#include "ModelHulp.h"
#include "engine/Analyse.h"
#include "text/TekstNamen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kx::test {
namespace {

TEST(Controle, HetVoorbeeldSlaagtMetZijnTellingen) {
    Tekenaar t;
    t.c = kx::Voorbeeld();
    EXPECT_EQ(ControleerConstructie(t.c, t.teksten), "");
    const auto n = TelOnbepaaldheid(t.c);
    EXPECT_EQ(n.AantalOnbekenden, 26);
    EXPECT_EQ(n.AantalVergelijkingen, 25);
    EXPECT_EQ(n.AantalScharnierplaatsen, 3);
    EXPECT_EQ(n.S(), 1);

    // A vertical roller (code -1) adds one support reaction, not minus one: 26 - 2 + 1.
    t.c.Knopen[3].Oplegging = RolVerticaal;
    EXPECT_EQ(TelOnbepaaldheid(t.c).AantalOnbekenden, 25);
    // A roller or pin with a rigid connection holds no moment: it is no hinge place.
    t.c.Knopen[3].Vrijheid = VasteVerbinding;
    t.c.Knopen[1].Vrijheid = VasteVerbinding;
    EXPECT_EQ(TelOnbepaaldheid(t.c).AantalScharnierplaatsen, 3);
    // A clamp holds its bar's end rigidly, a place; with a hinged connection it is a pin.
    t.c.Knopen[1].Oplegging = Inklemming;
    EXPECT_EQ(TelOnbepaaldheid(t.c).AantalScharnierplaatsen, 4);
    t.c.Knopen[1].Vrijheid = ScharnierendeVerbinding;
    EXPECT_EQ(TelOnbepaaldheid(t.c).AantalScharnierplaatsen, 3);
}

TEST(Controle, AlleenWatNietTeBerekenenIsWordtGeweigerd) {
    Tekenaar leeg;
    EXPECT_EQ(ControleerConstructie(leeg.c, leeg.teksten),
              "Er staan geen krachten op de constructie. ");

    Tekenaar rollen; // a beam on two rollers slides away: every node moves alike, the first one
    rollen.Staaf(0, 0, 2, 0);
    rollen.Staaf(2, 0, 4, 0);
    rollen.Oplegging(0, 0, RolHorizontaal);
    rollen.Oplegging(4, 0, RolHorizontaal);
    rollen.Belasting(2, -1, 2, 0);
    EXPECT_EQ(ControleerConstructie(rollen.c, rollen.teksten), "");
    EXPECT_EQ(ControleerVoorAnalyse(rollen.c, rollen.teksten),
              "De constructie kan al bewegen voordat er een plastisch scharnier optreedt: knoop "
              "nummer 1 beweegt, de constructie heeft geen sterkte. Voeg een oplegging of een "
              "stijve verbinding toe. ");
    ASSERT_EQ(rollen.teksten.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal,
              Teksten::Aantal);
    EXPECT_EQ(ControleerVoorAnalyse(rollen.c, rollen.teksten),
              "The structure can move before any plastic hinge forms: node number 1 moves, the "
              "structure has no strength. Add a support or a rigid connection. ");
}

TEST(Controle, NoemtAlleenDeHoogsteStaafZonderMp) {
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Staaf(4, 0, 6, 0);
    t.Oplegging(0, 0, Inklemming);
    t.Oplegging(6, 0, RolHorizontaal);
    t.Belasting(2, -1, 2, 0);
    for (int staaf : {0, 1}) {
        t.sel.GevondenStaaf = staaf;
        ZetMp(t.c, t.sel, 0);
    }
    EXPECT_EQ(ControleerConstructie(t.c, t.teksten),
              "Er is geen Mp opgegeven voor staaf nummer 2. ");
}

TEST(Controle, EenStabielRaamwerkWordtAanvaardHoeveelOpleggingenHetOokHeeft) {
    // A beam clamped at both ends on a column with a clamped foot, and a lone post on a roller:
    // seven reactions and three supports, far beyond a single chain.
    Tekenaar t;
    t.Staaf(0, 0, 2, 0);
    t.Staaf(2, 0, 4, 0);
    t.Staaf(4, 0, 4, 2);
    t.Oplegging(0, 0, Inklemming);
    t.Oplegging(4, 2, Inklemming);
    t.Belasting(2, -1, 2, 0);
    EXPECT_EQ(ControleerVoorAnalyse(t.c, t.teksten), "");
    // A support on a node without a bar rolls away: it is named.
    auto& los = t.c.Knopen[10];
    los = {9, 9, RolHorizontaal, true, ScharnierendeVerbinding, 0.0};
    EXPECT_EQ(ControleerVoorAnalyse(t.c, t.teksten), VulIn(t.teksten[TekstBeweeglijk], {"11"}));
}

TEST(Controle, VerweesdeKnopenTellenNietMeeNaHetNormaliseren) {
    Tekenaar t;
    t.c = kx::Voorbeeld();
    // A bar to a node that does not exist: it goes, and so does the node it leaves behind.
    auto& staaf = t.c.Staven[5];
    staaf = {6, 7, 50.0, true};
    t.c.Knopen[6] = {12, 3, 0, true, 3, 0};
    const TConstructie ervoor = t.c;
    EXPECT_EQ(ControleerConstructie(t.c, t.teksten), "");
    EXPECT_EQ(t.c, ervoor); // the check itself changes nothing
    EXPECT_EQ(ControleerVoorAnalyse(t.c, t.teksten), "");
    EXPECT_FALSE(t.c.Knopen[6].Bestaat);
    EXPECT_FALSE(t.c.Staven[5].Bestaat);
}

// What the method of this program cannot take: each complaint names its bound.
TEST(Controle, WatDeMethodeNietAankan) {
    struct Geval {
        const char* naam;
        void (*wijzig)(TConstructie&);
        std::string melding;
    };
    const std::vector<Geval> gevallen{
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
        t.c = kx::Voorbeeld();
        geval.wijzig(t.c);
        const std::string melding = ControleerConstructie(t.c, t.teksten);
        EXPECT_NE(melding.find(geval.melding), std::string::npos) << melding;
    }
}

} // namespace
} // namespace kx::test
