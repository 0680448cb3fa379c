#include "TekenHulp.h"

#include "drawing/HoeBezwijkenView.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/WanneerBezwijkenView.h"
#include "model/ManipuleerConstructie.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kx {
namespace {

using test::TitelOnder;
using test::VulAnalyse;
using test::WitVlak;

TEST(Pagina, VijfMechanismenTweeKolommen) {
    const TPagina eerste = BepaalPagina(0, -1, 2, 5);
    EXPECT_EQ(eerste.Eerste, 0);
    EXPECT_EQ(eerste.Laatste, 3);
    // The last page is filled up from before.
    const TPagina volgende = BepaalPagina(4, -1, 2, 5);
    EXPECT_EQ(volgende.Eerste, 1);
    EXPECT_EQ(volgende.Laatste, 4);
    const TPagina vorige = BepaalPagina(-1, 0, 2, 5);
    EXPECT_EQ(vorige.Eerste, 0);
    EXPECT_EQ(vorige.Laatste, 3);
    const TPagina maatgevend = BepaalPagina(3, -1, 2, 5);
    EXPECT_EQ(maatgevend.Eerste, 1);
    EXPECT_EQ(maatgevend.Laatste, 4);
    const TPagina leeg = BepaalPagina(0, -1, 2, 0);
    EXPECT_EQ(leeg.Eerste, 0);
    EXPECT_EQ(leeg.Laatste, -1);
}

TEST(Pagina, KolommenNaarBreedte) {
    EXPECT_EQ(Kolommen(400), 1);
    EXPECT_EQ(Kolommen(401), 2);
    EXPECT_EQ(Kolommen(600), 2);
    EXPECT_EQ(Kolommen(601), 3);
    EXPECT_EQ(Kolommen(800), 3);
    EXPECT_EQ(Kolommen(801), 4);
}

class ViewTest : public ::testing::Test {
protected:
    Teksten teksten;
    TManipuleerConstructie constructie{teksten};
    TAnalyse analyse{teksten};
    TWeergaveOpties opties;
    Klikgebieden klik;
    TViewContext ctx{analyse, constructie, opties, teksten};

    void SetUp() override {
        constructie.MaakLeeg();
        constructie.VulVoorbeeld();
        VulAnalyse(analyse, 5);
    }

    // Draws the mechanism view at the given width; returns the area it reports.
    TRechthoek Hoe(int breedte, int eerste, int& laatste) {
        QImage beeld = WitVlak(breedte, 3000);
        QPainter p(&beeld);
        TRechthoek gebied{0, 0, static_cast<double>(breedte), 3000};
        TekenHoeBezwijken(p, gebied, eerste, laatste, klik, ctx);
        return gebied;
    }
    std::vector<int> Doelen(int van, int tot) const {
        std::vector<int> doelen;
        for (int i = van; i <= tot; ++i) {
            doelen.push_back(klik[static_cast<std::size_t>(i)].Doel);
        }
        return doelen;
    }
};

TEST_F(ViewTest, BladerenDoorVijfMechanismen) {
    int laatste = -1;
    Hoe(500, 0, laatste);
    EXPECT_EQ(laatste, 3);
    EXPECT_EQ(Doelen(0, 3), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(klik[KlikVorige].Doel, GeenDoel);
    EXPECT_EQ(klik[KlikVolgende].Doel, 4);

    laatste = -1;
    Hoe(500, klik[KlikVolgende].Doel, laatste);
    EXPECT_EQ(laatste, 4);
    EXPECT_EQ(Doelen(0, 3), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(klik[KlikVorige].Doel, 0);
    EXPECT_EQ(klik[KlikVolgende].Doel, GeenDoel);

    laatste = klik[KlikVorige].Doel;
    Hoe(500, -1, laatste);
    EXPECT_EQ(laatste, 3);
    EXPECT_EQ(Doelen(0, 3), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ViewTest, CellenVolgenDeKolomBreedte) {
    int laatste = -1;
    Hoe(500, 0, laatste);
    // Two columns: cell width trunc((500 - 3 * 40) / 2) = 190, 40 pixels apart.
    EXPECT_DOUBLE_EQ(klik[0].Left, 40);
    EXPECT_DOUBLE_EQ(klik[0].Right, 230);
    EXPECT_DOUBLE_EQ(klik[1].Left, 270);
    EXPECT_DOUBLE_EQ(klik[1].Right, 460);
    // The next row starts a gap below the tallest cell of the row (caption room excluded).
    const double rij = std::trunc(klik[0].Bottom - 20 - klik[0].Top);
    EXPECT_DOUBLE_EQ(klik[2].Top, klik[0].Top + rij + 40);
    EXPECT_DOUBLE_EQ(klik[0].Top, klik[1].Top);

    Hoe(400, 0, laatste);
    EXPECT_EQ(Doelen(0, 1), (std::vector<int>{0, GeenDoel}));
    Hoe(800, 0, laatste);
    EXPECT_EQ(Doelen(0, 8),
              (std::vector<int>{0, 1, 2, 3, 4, GeenDoel, GeenDoel, GeenDoel, GeenDoel}));
    VulAnalyse(analyse, 16);
    Hoe(801, 0, laatste);
    EXPECT_EQ(laatste, 15);
    EXPECT_EQ(klik[15].Doel, 15);
}

TEST_F(ViewTest, MechanismeZonderSectiesToontAlleenDeTitel) {
    opties[woStatOnbep] = false;
    opties[woMogBezwMech] = false;
    int laatste = -1;
    const TRechthoek gebied = Hoe(500, 0, laatste);
    EXPECT_EQ(Doelen(0, 17), std::vector<int>(18, GeenDoel));
    EXPECT_DOUBLE_EQ(gebied.Bottom, TitelOnder(teksten[159], 500) + 50);
}

TEST_F(ViewTest, UitlegMaaktDeMechanismeViewLanger) {
    int laatste = -1;
    const double met = Hoe(500, 0, laatste).Bottom;
    opties[woUitlegStatOnbep] = false;
    opties[woUitlegMogBezwMech] = false;
    const double zonder = Hoe(500, 0, laatste).Bottom;
    EXPECT_GT(met, zonder + 100);
}

TEST_F(ViewTest, PlastischScharnierIsGeelInDeCel) {
    QImage beeld = WitVlak(500, 3000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 500, 3000};
    int laatste = -1;
    TekenHoeBezwijken(p, gebied, 0, laatste, klik, ctx);
    p.end();
    const TCelAfbeelding cel = MaakCel(analyse.Mechanismen[0], constructie.Constructie,
                                       klik[0].Left, klik[0].Top, klik[0].Right, false);
    // Hinge C of the first mechanism, displaced to (8.45, -3).
    const TPunt c = cel.Scherm(TPunt{8.45, -3});
    EXPECT_EQ(beeld.pixelColor(Pixel(c.x), Pixel(c.y)), QColor(255, 255, 0));
}

TEST_F(ViewTest, ArbeidsviewZonderSectiesToontAlleenDeTitel) {
    for (int i = woVirtArbVgl; i <= woUitlegBezwijklast; ++i) {
        opties[i] = false;
    }
    QImage beeld = WitVlak(600, 2000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 600, 2000};
    klik[KlikArbeid].Doel = 7;
    TekenWanneerBezwijken(p, gebied, 0, klik, ctx);
    EXPECT_EQ(klik[KlikArbeid].Doel, -1);
    EXPECT_DOUBLE_EQ(gebied.Bottom, TitelOnder(teksten[140], 600) + 50);
}

TEST_F(ViewTest, ArbeidsviewBuitenDeResultatenToontAlleenDeTitel) {
    QImage beeld = WitVlak(600, 2000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 600, 2000};
    TekenWanneerBezwijken(p, gebied, 5, klik, ctx);
    EXPECT_DOUBLE_EQ(gebied.Bottom, TitelOnder(teksten[140], 600) + 50);
}

TEST_F(ViewTest, ArbeidsviewMetRotatiecentrumInHetOneindige) {
    TMechanisme& m = analyse.Mechanismen[1];
    m.avStaven[1].RC = {Oneindig, Oneindig};
    m.Vgl.Bezwijklast = Oneindig;
    QImage beeld = WitVlak(600, 3000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 600, 3000};
    TekenWanneerBezwijken(p, gebied, 1, klik, ctx);
    EXPECT_TRUE(std::isfinite(gebied.Bottom));
    EXPECT_LT(gebied.Bottom, 3000);
    EXPECT_GT(gebied.Bottom, 600);
}

TEST_F(ViewTest, KrachtsverdelingHoogte) {
    QImage beeld = WitVlak(500, 1000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 500, 1000};
    TekenKrachtsverdeling(p, gebied, opties, teksten);
    const double metBeide = gebied.Bottom;

    opties[woUitlegMomentenlijn] = false;
    opties[woUitlegOplegreacties] = false;
    TekenKrachtsverdeling(p, gebied, opties, teksten);
    EXPECT_DOUBLE_EQ(gebied.Bottom, metBeide);

    opties[woMomentenlijn] = false;
    opties[woOplegreacties] = false;
    TekenKrachtsverdeling(p, gebied, opties, teksten);
    EXPECT_DOUBLE_EQ(gebied.Bottom, TitelOnder(teksten[177], 500) + 50);
    EXPECT_GT(metBeide, gebied.Bottom + 60);
}

TEST(Klikgebieden, GrenzenTellenMeeEnInactiefTeltNiet) {
    Klikgebieden klik;
    klik[3] = {{10, 10, 20, 20}, 7};
    klik[KlikVorige] = {{0, 0, 100, 100}, GeenDoel};
    EXPECT_EQ(ZoekKlikgebied(klik, 20, 20), 3);
    EXPECT_EQ(ZoekKlikgebied(klik, 20.5, 20), -1);
    klik[KlikArbeid] = {{0, 0, 100, 100}, 1};
    EXPECT_EQ(ZoekKlikgebied(klik, 50, 50), -1);
}

} // namespace
} // namespace kx
