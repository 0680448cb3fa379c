#include "TekenHulp.h"

#include "drawing/HoeBezwijkenView.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/Analyse.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"
#include "model/ManipuleerConstructie.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kx {
namespace {

using test::TitelOnder;
using test::WitVlak;

TEST(Pagina, VijfMechanismenTweeKolommen) {
    struct Geval {
        int eerste, laatste, aantal;
        int verwachtEerste, verwachtLaatste;
    };
    // -1 is derived from the other end; the last page is filled up from before.
    for (const Geval g : {Geval{0, -1, 5, 0, 3}, Geval{4, -1, 5, 1, 4}, Geval{-1, 0, 5, 0, 3},
                          Geval{3, -1, 5, 1, 4}, Geval{0, -1, 0, 0, -1}}) {
        const TPagina pagina = BepaalPagina(g.eerste, g.laatste, 2, g.aantal);
        EXPECT_EQ(pagina.Eerste, g.verwachtEerste) << g.eerste << ' ' << g.laatste;
        EXPECT_EQ(pagina.Laatste, g.verwachtLaatste) << g.eerste << ' ' << g.laatste;
    }
}

TEST(Pagina, KolommenNaarBreedte) {
    for (const auto& [breedte, kolommen] :
         {std::pair{400, 1}, {401, 2}, {600, 2}, {601, 3}, {800, 3}, {801, 4}}) {
        EXPECT_EQ(Kolommen(breedte), kolommen) << breedte;
    }
}

class ViewTest : public ::testing::Test {
protected:
    Teksten teksten;
    TManipuleerConstructie constructie{teksten};
    TAnalyse analyse{teksten};
    TWeergaveOpties opties;
    Klikgebieden klik;
    TViewContext ctx{analyse, constructie, opties, teksten};
    TKrachtenanalyse krachten;
    QImage beeld = WitVlak(600, 3000);

    void SetUp() override {
        constructie.VulVoorbeeld();
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        ASSERT_GT(analyse.AantalMechanismen, 0);
        krachten.Bereken(constructie.Constructie, MechanismeOpgaven(analyse),
                         analyse.MaatgevendMechanisme);
    }

    // Each draws its view from the top of a 600 pixels wide image and returns the height used.
    double Hoe() {
        QPainter p(&beeld);
        TRechthoek gebied{0, 0, 600, 3000};
        TekenHoeBezwijken(p, gebied, 0, -1, klik, ctx);
        return gebied.Bottom;
    }
    double Arbeid(int mechanisme) {
        QPainter p(&beeld);
        TRechthoek gebied{0, 0, 600, 3000};
        TekenWanneerBezwijken(p, gebied, mechanisme, klik, ctx);
        return gebied.Bottom;
    }
    double Krachten(int mechanisme) {
        beeld.fill(Qt::white);
        QPainter p(&beeld);
        TRechthoek gebied{0, 0, 600, 3000};
        TekenKrachtsverdeling(p, gebied, mechanisme, {krachten, opties, teksten, ','});
        return gebied.Bottom;
    }
    int Pixels(QColor kleur) const { return test::Inkt(beeld, beeld.rect(), kleur); }
};

TEST_F(ViewTest, MechanismeZonderSectiesToontAlleenDeTitel) {
    opties[woStatOnbep] = false;
    opties[woMogBezwMech] = false;
    EXPECT_DOUBLE_EQ(Hoe(), TitelOnder(teksten[159], 600) + 50);
    for (int i = 0; i <= KlikVolgende; ++i) {
        EXPECT_EQ(klik[static_cast<std::size_t>(i)].Doel, GeenDoel) << i;
    }
}

// Hinges are drawn where the mechanism moved them to.
TEST_F(ViewTest, PlastischScharnierIsGeelInDeCel) {
    Hoe();
    const TMechanisme& m = analyse.Mechanismen[0];
    const TCelAfbeelding cel =
        MaakCel(m, constructie.Constructie, klik[0].Left, klik[0].Top, klik[0].Right, false);
    int scharnieren = 0;
    for (const TStaaf& deel : m.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            if (eind.Stijf) {
                const TPunt p = cel.Scherm(TPunt{eind.x + eind.dx, eind.y + eind.dy});
                EXPECT_EQ(beeld.pixelColor(Pixel(p.x), Pixel(p.y)), QColor(255, 255, 0));
                ++scharnieren;
            }
        }
    }
    EXPECT_GT(scharnieren, 0);
}

// With every section off, and for an index outside the results.
TEST_F(ViewTest, ArbeidsviewToontSomsAlleenDeTitel) {
    const double titel = TitelOnder(teksten[140], 600) + 50;
    EXPECT_DOUBLE_EQ(Arbeid(analyse.AantalMechanismen), titel);
    for (int i = woVirtArbVgl; i <= woUitlegBezwijklast; ++i) {
        opties[i] = false;
    }
    klik[KlikArbeid].Doel = 7;
    EXPECT_DOUBLE_EQ(Arbeid(0), titel);
    EXPECT_EQ(klik[KlikArbeid].Doel, -1);
}

TEST_F(ViewTest, ArbeidsviewMetRotatiecentrumInHetOneindige) {
    TMechanisme& m = analyse.Mechanismen[0];
    m.avStaven.back().RC = {Oneindig, Oneindig};
    m.Vgl.Bezwijklast = Oneindig;
    const double onder = Arbeid(0);
    EXPECT_TRUE(std::isfinite(onder));
    EXPECT_LT(onder, 3000);
    EXPECT_GT(onder, 600);
}

// A load of 2 F has an arrow of 100 pixels, longer than the room above the drawing: the drawing
// moves down so that the title and the heading stay as they are drawn alone.
TEST_F(ViewTest, LangeLastpijlBlijftOnderDeKop) {
    constructie.Constructie.Belastingen[0].Fy = 2;
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    for (int mechanisme = 0; mechanisme < analyse.AantalMechanismen; ++mechanisme) {
        beeld.fill(Qt::white);
        Arbeid(mechanisme);
        QImage alleenKop = WitVlak(600, 3000);
        QPainter p(&alleenKop);
        const TRechthoek gebied{0, 0, 600, 3000};
        const double kop =
            TekenBlok(p, gebied, TekenBlok(p, gebied, 0, teksten[140], opTitel, Qt::black),
                      teksten[141], opKop, Qt::black);
        p.end();
        const QRect band(0, 0, 600, static_cast<int>(kop) + 5);
        EXPECT_EQ(beeld.copy(band), alleenKop.copy(band)) << mechanisme;
    }
}

// The governing mechanism of the example stays within Mp: no red, its hinges yellow; the second
// mechanism overloads the right corner twice, which is marked red.
TEST_F(ViewTest, MomentenlijnMetToetsInKleur) {
    const int maatgevend = analyse.MaatgevendMechanisme;
    const double hoogte = Krachten(maatgevend);
    EXPECT_LT(hoogte, 3000);
    // Red only in the rims of the two hinges.
    const int rims = Pixels(KleurRood);
    EXPECT_LT(rims, 60);
    EXPECT_GT(Pixels(KleurGeel), 10);
    const int vlak = Pixels(KleurLichtgrijs);
    EXPECT_GT(vlak, 500);
    Krachten(maatgevend == 0 ? 1 : 0);
    EXPECT_GT(Pixels(KleurRood), rims + 200);
    // Mechanism 3 moves the beam sideways only: no work, no moment line, only the sentence
    // (whose smoothed letters hold a few pixels of the same grey).
    EXPECT_LT(Krachten(2), hoogte - 300);
    EXPECT_LT(Pixels(KleurLichtgrijs), vlak / 4);
}

TEST_F(ViewTest, KrachtsverdelingSectiesEnUitleg) {
    const double titel = TitelOnder(teksten[177], 600) + 50;
    const double metBeide = Krachten(0);
    // Outside the results: the headings and explanations without drawings.
    const double buiten = Krachten(analyse.AantalMechanismen);
    EXPECT_GT(buiten, titel + 60);
    EXPECT_LT(buiten, metBeide - 300);
    opties[woUitlegMomentenlijn] = false;
    const double zonderUitleg = Krachten(0);
    EXPECT_LT(zonderUitleg, metBeide - 30);
    opties[woUitlegOplegreacties] = false;
    EXPECT_LT(Krachten(0), zonderUitleg - 30);
    opties[woMomentenlijn] = false;
    opties[woOplegreacties] = false;
    EXPECT_DOUBLE_EQ(Krachten(0), titel);
}

} // namespace
} // namespace kx
