#include "Hulp.h"
#include "Opname.h"
#include "Raamwerken.h"
#include "drawing/Afbeelding.h"
#include "drawing/HoeBezwijkenView.h"
#include "drawing/Knoopstand.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/LabelPlaatser.h"
#include "drawing/Maatvoering.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/StructuurTekening.h"
#include "drawing/Symbolen.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>

#include <cmath>
#include <numbers>
#include <tuple>

namespace kx {
namespace {

using test::Inkt;
using test::RandInkt;
using test::TitelOnder;
using test::TOpname;
using test::WitVlak;

using std::numbers::pi;

// Within rounding, with the point shown on failure.
::testing::AssertionResult Op(TPunt p, double x, double y) {
    if (std::abs(p.x - x) < 1e-9 && std::abs(p.y - y) < 1e-9) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << '(' << p.x << ", " << p.y << ')';
}

// A snap step of grid / fijnheid pixels, rounded to the nearest step; fineness 3 counts as four
// steps a cell; a grid of 0 must not divide by zero, no step is less than a pixel. Metres become
// pixels by truncation toward zero, and no value makes an undefined pixel.
TEST(Afbeelding, SnappenEnAfkappen) {
    struct Geval {
        int pixel, grid, fijnheid;
        double schaal, verwacht;
    };
    for (const Geval g :
         {Geval{29, 40, 2, 1, 0.5}, Geval{30, 40, 2, 1, 1.0}, Geval{19, 40, 1, 1, 0.0},
          Geval{20, 40, 1, 1, 1.0}, Geval{4, 40, 3, 1, 0.0}, Geval{5, 40, 3, 1, 0.25},
          Geval{34, 40, 3, 2, 1.5}, Geval{7, 0, 2, 1, 3.5}}) {
        EXPECT_DOUBLE_EQ(PixelNaarX(g.pixel, g.grid, g.fijnheid, g.schaal), g.verwacht)
            << g.pixel << ' ' << g.grid << ' ' << g.fijnheid;
    }
    EXPECT_DOUBLE_EQ(PixelNaarY(29, 40, 2, 4), 2.0);
    EXPECT_DOUBLE_EQ(PixelNaarY(30, 40, 2, 4), 4.0);
    EXPECT_EQ(SnapStap(2, 3), 1);
    EXPECT_EQ(StructuurNaarPixel(2.5, 40, 1), 100);
    EXPECT_EQ(StructuurNaarPixel(0.99, 40, 3), 13);
    EXPECT_EQ(StructuurNaarPixel(-0.99, 40, 3), -13);
    EXPECT_EQ(Pixel(1e30), Pixel(2e30));
    EXPECT_EQ(Pixel(std::nan("")), 0);
    // A positive angle turns clockwise on the screen.
    EXPECT_TRUE(Op(DraaiPunt({10, 0}, {0, 0}, pi / 2.0), 0, 10));
    EXPECT_TRUE(Op(DraaiPunt({6, 5}, {5, 5}, pi), 4, 5));
}

// A cell of the given width whose height PasHoogteAan sets from the bounds.
TRechthoek Cel(const TGrenzen& g, double links, double boven, double breedte) {
    TRechthoek cel{links, boven, links + breedte, boven};
    PasHoogteAan(g, cel);
    return cel;
}

// A cell has the proportions of the world with 10% margin on every side, y up; a box without
// width or height gets a minimum instead of a division by zero.
TEST(Afbeelding, CelEnGrenzenVanDeWereld) {
    const TGrenzen g{0, 0, 10, 5};
    const TRechthoek cel = Cel(g, 0, 0, 120);
    EXPECT_DOUBLE_EQ(cel.Bottom, 60.0);
    EXPECT_TRUE(Op(NaarScherm({0, 0}, g, cel), 10, 55));
    EXPECT_TRUE(Op(NaarScherm({10, 5}, g, cel), 110, 5));

    // All points on the vertical line x = 3, 4 m high: the width becomes 2 m around x = 3.
    const TGrenzen lijn{3, 0, 3, 4};
    const TRechthoek smal = Cel(lijn, 0, 0, 120);
    EXPECT_DOUBLE_EQ(smal.Bottom, 240.0);
    const TPunt p = NaarScherm({3, 0}, lijn, smal);
    EXPECT_DOUBLE_EQ(p.x, 60.0);
    EXPECT_TRUE(std::isfinite(p.y));
    const TGrenzen punt{1, 1, 1, 1};
    const TRechthoek vierkant = Cel(punt, 10, 20, 120);
    EXPECT_DOUBLE_EQ(vierkant.Bottom, 140.0);
    EXPECT_TRUE(Op(NaarScherm({1, 1}, punt, vierkant), 70, 80));
    const TGrenzen schaalbaar = Schaalbaar({0, 2, 6, 2});
    EXPECT_DOUBLE_EQ(schaalbaar.ymin, 0.5);
    EXPECT_DOUBLE_EQ(schaalbaar.ymax, 3.5);

    // The bounds of a mechanism hold its rotation centres only when near.
    TStaaf deel;
    deel.Knopen[1].x = 4;
    deel.Knopen[1].dy = -1;
    deel.RC = {0, 5};
    TStaaf ver = deel;
    ver.RC = {20, 0};
    TStaaf oneindig = deel;
    oneindig.RC = {Oneindig, -Oneindig};
    TMechanisme m;
    m.avStaven = {deel, ver, oneindig};
    TConstructie c;
    c.Knopen[3].Bestaat = true;
    c.Knopen[3].X = 1;
    c.Knopen[3].Y = 2; // y down in the structure: -2 in the analysis frame
    const auto waarden = [](const TGrenzen& g) {
        return std::vector{g.xmin, g.ymin, g.xmax, g.ymax};
    };
    EXPECT_EQ(waarden(BepaalGrenzen(m, c, false)), (std::vector<double>{0, -2, 4, 0}));
    EXPECT_EQ(waarden(BepaalGrenzen(m, c, true)), (std::vector<double>{0, -2, 4, 5}));
    // A mechanism without parts starts from the structure's nodes.
    EXPECT_EQ(waarden(BepaalGrenzen(TMechanisme{}, c, true)), (std::vector<double>{1, -2, 1, -2}));
}

class Structuur : public ::testing::Test {
protected:
    Teksten teksten;
    TConstructie c;
    TSelectie gevonden;
    QImage beeld = WitVlak(300, 300);

    void SetUp() override { c = TConstructie{}; }
    void Knoop(int i, double x, double y, std::int32_t oplegging = GeenOplegging) {
        c.Knopen[static_cast<std::size_t>(i)] = {
            .X = x,
            .Y = y,
            .Oplegging = oplegging,
            .Bestaat = true,
            .Vrijheid = oplegging == Scharnierend ? ScharnierendeVerbinding : VasteVerbinding};
    }
    void Staaf(int i, int van, int naar, double mp = 50.0) {
        c.Staven[static_cast<std::size_t>(i)] = {
            .Knoop0 = van, .Knoop1 = naar, .Mp = mp, .Bestaat = true};
    }
    // At zoom 40, fineness 2 and scale 1.
    void Teken() {
        beeld.fill(Qt::white);
        QPainter p(&beeld);
        TekenConstructie(p, c, gevonden, {40, 2, 1}, beeld.size());
    }
    // Black pixels only: the grid is green and the node fill red.
    int Zwart(const QRect& r) const { return Inkt(beeld, r, Qt::black); }
};

// Bars of Mp 0, 50 and 1000 at y = 1, 3 and 5 m: the rows of each away from its nodes. The
// bar under the mouse is blue instead of black.
TEST_F(Structuur, StaafDikteInPixelsEnGevondenStaafBlauw) {
    const double mp[] = {0, 50, 1000};
    for (int i = 0; i < 3; ++i) {
        Knoop(2 * i, 1, 1 + 2 * i);
        Knoop(2 * i + 1, 6, 1 + 2 * i);
        Staaf(i, 2 * i, 2 * i + 1, mp[i]);
    }
    gevonden.GevondenStaaf = 1;
    Teken();
    EXPECT_EQ(Zwart(QRect(150, 20, 1, 40)), 1);
    EXPECT_EQ(Inkt(beeld, QRect(150, 100, 1, 40), QColor(0, 0, 255)), 2);
    EXPECT_EQ(Zwart(QRect(150, 180, 1, 40)), 6);
}

// Symbols lie on the side away from the bar: a pinned support under a column at (80, 120) has
// its base 11 pixels below the node and nothing beside it; a clamp left of a beam at (80, 80)
// is hatched on the left only; a load of zero at (80, 80) is only an arrow head, its tip on the
// node and widening downward.
TEST_F(Structuur, SymbolenAanDeKantVanDeStaaf) {
    Knoop(0, 2, 1);
    Knoop(1, 2, 3, Scharnierend);
    Staaf(0, 0, 1);
    Teken();
    EXPECT_GT(Zwart(QRect(70, 129, 21, 5)), 10);
    EXPECT_EQ(Zwart(QRect(60, 110, 15, 16)), 0);
    EXPECT_EQ(Zwart(QRect(86, 110, 15, 16)), 0);

    c = TConstructie{};
    Knoop(0, 2, 2, Inklemming);
    Knoop(1, 5, 2);
    Staaf(0, 0, 1);
    Teken();
    EXPECT_GT(Zwart(QRect(75, 70, 5, 21)), 4);
    EXPECT_EQ(Zwart(QRect(60, 65, 14, 31)), 0);

    Knoop(0, 2, 2);
    c.Staven[0].Mp = 0;
    c.Belastingen[0] = {.Knoop = 0, .Bestaat = true};
    Teken();
    const auto rood = [&](int y) { return Inkt(beeld, QRect(65, y, 31, 1), QColor(255, 0, 0)); };
    EXPECT_EQ(rood(70), 0);
    EXPECT_EQ(rood(76), 0);
    EXPECT_GT(rood(92), rood(86));
    EXPECT_GT(rood(86), 0);
}

// A support lies on paper as it does under a real frame, whatever the slope of its bars: a pin
// or horizontal roller below (above only under a bar hanging down), a vertical roller on the side
// without bars, a clamp opposite the bars, below where they balance.
TEST(Knoopstand, OpleggingRechtopAanDeKantZonderStaaf) {
    const double rechts = 0.0;
    const double boven = pi / 2.0;
    const double links = pi;
    const double onder = 3.0 * pi / 2.0;
    struct Geval {
        const char* naam;
        std::int32_t oplegging;
        std::vector<double> staven;
        double zijde;
    };
    for (const Geval& g : std::vector<Geval>{
             {"scharnier onder een kolom", Scharnierend, {boven}, OplegOnder},
             {"rol aan het rechtereinde", RolHorizontaal, {links}, OplegOnder},
             {"rol aan het linkereinde", RolHorizontaal, {rechts}, OplegOnder},
             {"rol onder een tussenknoop", RolHorizontaal, {rechts, links}, OplegOnder},
             {"scharnier onder een schuine staaf", Scharnierend, {pi / 6.0}, OplegOnder},
             {"scharnier onder een dalende staaf",
              Scharnierend,
              {-pi / 4.0 + 2.0 * pi},
              OplegOnder},
             {"scharnier boven een hangende staaf", Scharnierend, {onder}, OplegBoven},
             {"scharnier in een doorgaande kolom", Scharnierend, {boven, onder}, OplegLinks},
             {"wandrol rechts van de balk", RolVerticaal, {links}, OplegRechts},
             {"wandrol links van de balk", RolVerticaal, {rechts}, OplegLinks},
             {"losse wandrol", RolVerticaal, {}, OplegRechts},
             {"inklemming onder een kolom", Inklemming, {boven}, OplegOnder},
             {"balk links in de muur", Inklemming, {rechts}, OplegLinks},
             {"balk rechts in de muur", Inklemming, {links}, OplegRechts},
             {"schuine balk in de muur", Inklemming, {pi / 6.0}, OplegLinks},
             {"steile kolom", Inklemming, {pi / 3.0}, OplegOnder},
             {"inklemming in een doorgaande balk", Inklemming, {rechts, links}, OplegOnder},
             {"ingeklemde hoek", Inklemming, {boven, rechts}, OplegOnder},
             {"inklemming aan het plafond", Inklemming, {onder}, OplegBoven},
         }) {
        EXPECT_DOUBLE_EQ(Opleghoek(g.oplegging, g.staven), g.zijde) << g.naam;
    }

    // The directions at each node of a T and of a bar of no length.
    test::TRaamwerkBouwer b;
    const int l = b.Knoop(0, 0);
    const int m = b.Knoop(4, 0);
    const int r = b.Knoop(8, 0);
    const int o = b.Knoop(4, 3);
    const int dubbel = b.Knoop(4, 3);
    b.Keten({l, m, r});
    b.Staaf(m, o);
    b.Staaf(o, dubbel);
    const auto richtingen = StaafRichtingen(b.c);
    EXPECT_EQ(richtingen[static_cast<std::size_t>(m)], (std::vector<double>{links, rechts, onder}));
    EXPECT_EQ(richtingen[static_cast<std::size_t>(l)], (std::vector<double>{rechts}));
    EXPECT_EQ(richtingen[static_cast<std::size_t>(o)], (std::vector<double>{boven}));
    EXPECT_TRUE(richtingen[static_cast<std::size_t>(dubbel)].empty());
}

// A T of bars with Mp 50 meeting at (120, 120): rigid, a black dot covers the joint off the
// bars; hinged, no dot but a red-filled hinge circle on each bar 7 pixels from the joint, where
// the rigid joint shows only its black bars.
TEST_F(Structuur, KnooppuntStipOfScharnierPerStaaf) {
    Knoop(0, 1, 3, Scharnierend);
    Knoop(1, 3, 3);
    Knoop(2, 5, 3, RolHorizontaal);
    Knoop(3, 3, 5, Inklemming);
    Staaf(0, 0, 1);
    Staaf(1, 1, 2);
    Staaf(2, 1, 3);
    const QColor rood(255, 0, 0);
    const std::vector<QRect> scharnieren{QRect(126, 118, 2, 2), QRect(112, 118, 2, 2),
                                         QRect(119, 126, 2, 2)};
    // Three corners of the dot between the bars.
    const std::vector<QRect> stip{QRect(121, 121, 2, 2), QRect(118, 121, 1, 2),
                                  QRect(121, 118, 2, 1)};
    Teken();
    for (const QRect& r : stip) {
        EXPECT_EQ(Zwart(r), r.width() * r.height());
    }
    for (const QRect& r : scharnieren) {
        EXPECT_EQ(Inkt(beeld, r, rood), 0);
        EXPECT_GT(Zwart(r), 0);
    }

    c.Knopen[1].Vrijheid = ScharnierendeVerbinding;
    Teken();
    for (const QRect& r : stip) {
        EXPECT_EQ(Zwart(r), 0);
    }
    for (const QRect& r : scharnieren) {
        EXPECT_EQ(Inkt(beeld, r, rood), 4);
    }
}

// A beam from (40, 120) to (200, 120) on a pin and a roller, and a support at its middle node
// where the beam runs on: every support lies below its node, none above or beside the beam.
TEST_F(Structuur, OpleggingenRechtopOnderDeBalk) {
    for (const std::int32_t midden : {Scharnierend, RolHorizontaal, Inklemming}) {
        SetUp();
        Knoop(0, 1, 3, Scharnierend);
        Knoop(1, 3, 3, midden);
        c.Knopen[1].Vrijheid = VasteVerbinding;
        Knoop(2, 5, 3, RolHorizontaal);
        Staaf(0, 0, 1);
        Staaf(1, 1, 2);
        Teken();
        for (const int x : {40, 120, 200}) {
            EXPECT_GT(Zwart(QRect(x - 10, 124, 21, 14)), 4) << midden << ' ' << x;
            EXPECT_EQ(Zwart(QRect(x - 15, 100, 31, 15)), 0) << midden << ' ' << x;
        }
        // The roller's wheels, red, lie below its base.
        EXPECT_GT(Inkt(beeld, QRect(188, 131, 25, 8), QColor(255, 0, 0)), 4) << midden;
    }
}

// The structure behind a mechanism, light grey: a rigid joint of three bars is a grey dot, a
// hinged one a circle on each bar with white inside, where the rigid joint shows its grey bar.
TEST(MechanismeTekening, KnooppuntInDeSchets) {
    test::TRaamwerkBouwer b;
    const int l = b.Knoop(0, 0, Scharnierend);
    const int m = b.Knoop(4, 0);
    const int r = b.Knoop(8, 0, RolHorizontaal);
    const int o = b.Knoop(4, 4, Inklemming);
    b.Keten({l, m, r});
    b.Staaf(m, o);
    const QColor grijs(224, 224, 224);
    QImage beeld = WitVlak(300, 300);
    const TCelAfbeelding cel = MaakCel(TMechanisme{}, b.c, 20, 20, 280, false);
    const TPunt p = cel.Scherm(TPunt{4, 0});
    const int x = Pixel(p.x);
    const int y = Pixel(p.y);
    const auto teken = [&] {
        beeld.fill(Qt::white);
        QPainter painter(&beeld);
        TekenSchets(painter, b.c, cel, false);
    };
    teken();
    EXPECT_EQ(beeld.pixelColor(x + 2, y + 2), grijs);
    EXPECT_EQ(beeld.pixelColor(x + 7, y), grijs);
    EXPECT_EQ(beeld.pixelColor(x, y + 7), grijs);

    b.Verbinding(m, ScharnierendeVerbinding);
    teken();
    EXPECT_EQ(beeld.pixelColor(x + 2, y + 2), QColor(Qt::white));
    for (const auto& [dx, dy] : {std::pair{7, 0}, {-7, 0}, {0, 7}}) {
        EXPECT_EQ(beeld.pixelColor(x + dx, y + dy), QColor(Qt::white)) << dx << ' ' << dy;
        EXPECT_GT(Inkt(beeld, QRect(x + dx - 3, y + dy - 3, 7, 7), grijs), 8) << dx << ' ' << dy;
    }
}

// Three parts of a mechanism meeting at a rigid joint: a black dot on the joint, and the plastic
// hinge of the one end that turns on its own part, 7 pixels from the joint, not on the joint.
TEST(MechanismeTekening, PlastischScharnierOpZijnStaafBijEenKnooppunt) {
    TMechanisme m;
    for (const auto& [x, y] : {std::pair{-4.0, 0.0}, {4.0, 0.0}, {0.0, -4.0}}) {
        TStaaf deel;
        deel.Knopen[0].Soort = KnoopVrijStijf;
        deel.Knopen[1].Soort = KnoopIngeklemd;
        deel.Knopen[1].x = x;
        deel.Knopen[1].y = y;
        m.avStaven.push_back(deel);
    }
    m.avStaven[1].Knopen[0].Stijf = true;
    m.avStaven[1].Knopen[0].M = 50.0;
    QImage beeld = WitVlak(300, 300);
    const TCelAfbeelding cel = MaakCel(m, TConstructie{}, 20, 20, 280, false);
    {
        QPainter p(&beeld);
        TekenEindSymbolen(p, m, cel, Qt::black, true);
        TekenPlastischeScharnieren(p, m, cel);
    }
    const TPunt knoop = cel.Scherm(TPunt{0, 0});
    const int x = Pixel(knoop.x);
    const int y = Pixel(knoop.y);
    EXPECT_EQ(beeld.pixelColor(x, y), QColor(Qt::black));
    EXPECT_EQ(beeld.pixelColor(x + 7, y), QColor(255, 255, 0));
    EXPECT_EQ(Inkt(beeld, QRect(x - 9, y - 3, 5, 7), QColor(255, 255, 0)), 0);
}

// Large and flat frames each drawn into a cell 240 pixels wide: no symbol or sketched load
// reaches outside the cell, and no cell is higher than one and a half times its width.
TEST(MechanismeTekening, GrootRaamwerkBinnenZijnCel) {
    const auto leerboek = test::LeerboekRaamwerken();
    for (const auto& [naam, constructie] :
         {std::pair<std::string, TConstructie>{"doorgaande balk", leerboek[7].Constructie},
          {"gebouw 6 x 3", test::Gebouw(6, 3)},
          {"gebouw 20 x 5", test::Gebouw(20, 5)},
          {"gebouw 10 x 3, 100 staven", test::Gebouw(10, 3)}}) {
        QImage beeld = WitVlak(400, 500);
        const TCelAfbeelding cel = MaakCel(TMechanisme{}, constructie, 80, 60, 320, false);
        {
            QPainter painter(&beeld);
            TekenSchets(painter, constructie, cel, true);
        }
        const QRect binnen(QPoint(Pixel(cel.Cel.Left), Pixel(cel.Cel.Top)),
                           QPoint(Pixel(cel.Cel.Right), Pixel(cel.Cel.Bottom)));
        EXPECT_LE(binnen.height(), 361) << naam;
        EXPECT_GT(Inkt(beeld, binnen), 200) << naam;
        EXPECT_EQ(Inkt(beeld, beeld.rect()), Inkt(beeld, binnen)) << naam;
    }
}

// A load arrow pointing right has its head on the point and its shaft on the side of the force;
// a roller at angle pi has its ground line right of the node; the grid has thin lines per snap
// step and thick cell borders.
TEST(Symbolen, PijlRolEnGrid) {
    QImage beeld = WitVlak(200, 200);
    QPainter p(&beeld);
    TekenBelasting(p, Qt::black, Qt::black, 1.0, Opmaak(opLabel), "", {100, 100}, 0.0, 50.0);
    EXPECT_GT(Inkt(beeld, QRect(50, 99, 40, 3)), 30);
    EXPECT_EQ(Inkt(beeld, QRect(102, 90, 50, 20)), 0);
    EXPECT_GT(Inkt(beeld, QRect(85, 95, 14, 11)), 20);

    beeld.fill(Qt::white);
    TekenRolscharnier(p, Qt::black, Qt::white, 1.0, Opmaak(opTekening), "", {100, 100}, pi);
    EXPECT_GT(Inkt(beeld, QRect(115, 88, 3, 25)), 15);
    EXPECT_EQ(Inkt(beeld, QRect(70, 85, 25, 30)), 0);

    beeld.fill(Qt::white);
    TekenGrid(p, 200, 200, 40, 3);
    p.end();
    const QColor groen(192, 220, 192);
    EXPECT_EQ(beeld.pixelColor(10, 5), groen);
    EXPECT_EQ(Inkt(beeld, QRect(8, 5, 5, 1), groen), 1);
    EXPECT_EQ(beeld.pixelColor(15, 5), QColor(Qt::white));
    EXPECT_EQ(Inkt(beeld, QRect(37, 5, 7, 1), groen), 2);
}

// A moment turns the way it is drawn: the arrowhead, a filled triangle, sits at the end of the
// arc it turns to and points along it. The half circle of a moment arrow at the left end of a bar
// along the x axis is symmetric about the bar, its head below it when it turns anticlockwise on the
// screen and above it otherwise; the three-quarter circle of a support moment, open on the right
// for an anticlockwise moment and at the top for a clockwise one, has its head at the lower right
// or the upper left.
TEST(Symbolen, MomentpijlEnMomentboogDraaienZoalsGetekend) {
    QImage beeld = WitVlak(400, 200);
    const auto teken = [&](const std::function<void(QPainter&)>& wat) {
        beeld.fill(Qt::white);
        QPainter p(&beeld);
        wat(p);
    };
    const auto helft = [&](const QRect& a, const QRect& b) {
        return Inkt(beeld, a) - Inkt(beeld, b);
    };
    const QRect boven(0, 0, 400, 100);
    const QRect onder(0, 101, 400, 99);
    for (const bool linksom : {true, false}) {
        SCOPED_TRACE(linksom ? "linksom" : "rechtsom");
        teken([&](QPainter& p) {
            TLabelPlaatser labels({0, 0, 400, 200});
            TekenMomentpijl(p, Qt::black, Opmaak(opLabel), {100, 100}, {300, 100}, linksom,
                            {200, 100}, "", labels);
        });
        EXPECT_GT(Inkt(beeld, boven), 20);
        EXPECT_GT(linksom ? helft(onder, boven) : helft(boven, onder), 30);
        // The head points along the arc: nothing reaches beyond the arc's ends.
        EXPECT_EQ(Inkt(beeld, QRect(164, 0, 236, 200)), 0);

        teken([&](QPainter& p) { TekenMomentboog(p, Qt::black, {200, 100}, 16.0, linksom); });
        EXPECT_GT(Inkt(beeld, boven), 15);
        // Nothing lies in the opening beyond the head.
        EXPECT_EQ(Inkt(beeld, linksom ? QRect(214, 95, 8, 10) : QRect(194, 78, 12, 7)), 0);
        if (linksom) {
            EXPECT_GT(helft(onder, boven), 10);
            EXPECT_GT(Inkt(beeld, QRect(208, 108, 10, 10)), Inkt(beeld, QRect(208, 82, 10, 10)));
        } else {
            EXPECT_GT(helft(QRect(0, 0, 200, 200), QRect(201, 0, 199, 200)), 10);
            EXPECT_GT(Inkt(beeld, QRect(182, 82, 10, 10)), Inkt(beeld, QRect(208, 108, 10, 10)));
        }
    }
}

class Tekst : public ::testing::Test {
protected:
    QImage beeld = WitVlak(600, 300);
    QPainter p{&beeld};
    TOpmaak uitleg = Opmaak(opUitleg);
    int h = RegelHoogte(p, uitleg);

    double Alinea(double links, double rechts, const std::string& tekst) {
        TRechthoek r{links, 10, rechts, 10};
        TekenAlinea(p, r, tekst, Qt::black, uitleg);
        return r.Bottom;
    }
    double Onder(int regels) const {
        return 10 + uitleg.Tekst.Boven + regels * h + uitleg.Tekst.Onder;
    }
};

// A line break ends a line, also an empty one; a closing separator adds nothing. Words wrap
// onto the next line; a word too wide for the line is not broken.
TEST_F(Tekst, RegelsTellenMetMarges) {
    ASSERT_GT(h, 10);
    for (const auto& [tekst, regels] :
         {std::pair{"Een korte zin.", 1}, {"a\r\n\r\nb", 3}, {"abc ", 1}, {"abc\r\n", 2}}) {
        EXPECT_DOUBLE_EQ(Alinea(0, 600, tekst), Onder(regels)) << tekst;
    }
    const int woord = QFontMetrics(Lettertype(uitleg.Tekst), &beeld).horizontalAdvance("mmmm");
    const double rechts = uitleg.Tekst.Links + 1.5 * woord + uitleg.Tekst.Rechts;
    EXPECT_DOUBLE_EQ(Alinea(0, rechts, "mmmm mmmm mmmm"), Onder(3));

    beeld.fill(Qt::white);
    EXPECT_DOUBLE_EQ(Alinea(100, 140, "Onoverzienbaarheid"), Onder(1));
    EXPECT_GT(RandInkt(beeld, QRect(0, 10, 600, 40), true), 200);
}

// Centred on the width drawn; left-aligned the start is cut to whole pixels; right-aligned the
// line ends at the anchor. Each gives back where it ended.
TEST_F(Tekst, RegelsLinksMiddenEnRechts) {
    const TOpmaak link = Opmaak(opLink);
    const std::string vorige = "¬\u00DC Vorige";
    const int breedte = RegelBreedte(p, link, vorige);
    TPunt eind;
    TekenRegel(p, {300, 100}, eind, Qt::black, link, vorige, uitMidden);
    const int begin = static_cast<int>(300 - breedte / 2.0);
    EXPECT_DOUBLE_EQ(eind.x, begin + breedte);
    const QRect midden(0, 100, 600, h + 4);
    EXPECT_GE(RandInkt(beeld, midden, false), begin);
    EXPECT_LE(RandInkt(beeld, midden, false), begin + 3);
    EXPECT_LE(RandInkt(beeld, midden, true), begin + breedte);
    EXPECT_GE(RandInkt(beeld, midden, true), begin + breedte - 4);

    TekenRegel(p, {20.7, 50}, eind, Qt::black, uitleg, "¬dA = ", uitLinks);
    EXPECT_DOUBLE_EQ(eind.x, 20 + RegelBreedte(p, uitleg, "¬dA = "));
    EXPECT_DOUBLE_EQ(eind.y, 50);

    TekenRegel(p, {300, 200}, eind, Qt::black, uitleg, "0,5 ¬d¬q", uitRechts);
    EXPECT_DOUBLE_EQ(eind.x, 300);
    const QRect rechts(0, 200, 600, h);
    EXPECT_LE(RandInkt(beeld, rechts, true), 300);
    EXPECT_GE(RandInkt(beeld, rechts, true), 290);
    EXPECT_GE(RandInkt(beeld, rechts, false), 300 - RegelBreedte(p, uitleg, "0,5 ¬d¬q"));
}

// A taken place, whether marked or taken by an earlier label, passes the label on to the next.
// A label whose places are all taken moves away from what it labels until it is clear: one
// written rightward moves right, a centred one up or down; one outside the area moves in.
TEST(LabelPlaatser, VrijePlekOfWegschuiven) {
    QImage beeld = WitVlak(200, 100);
    QPainter p(&beeld);
    const TOpmaak opmaak = Opmaak(opLabel);
    TLabelPlaatser labels({0, 0, 200, 100});
    labels.Bezet({0, 0, 100, 50});
    labels.Plaats(p, Qt::black, opmaak, "50 kNm", {{{10, 10}, uitLinks}, {{110, 60}, uitLinks}});
    labels.Plaats(p, Qt::black, opmaak, "1 F", {{{110, 10}, uitLinks}});
    labels.Plaats(p, Qt::black, opmaak, "2 F", {{{110, 10}, uitLinks}, {{10, 60}, uitLinks}});
    EXPECT_EQ(Inkt(beeld, QRect(0, 0, 100, 50)), 0);
    EXPECT_GT(Inkt(beeld, QRect(110, 60, 90, 40)), 0);
    EXPECT_GT(Inkt(beeld, QRect(10, 60, 60, 20)), 0);

    beeld.fill(Qt::white);
    TLabelPlaatser schuif({0, 0, 200, 100});
    schuif.Bezet({95, 0, 125, 40});
    schuif.Plaats(p, Qt::black, opmaak, "1 F", {{{105, 10}, uitLinks}});
    schuif.Bezet({0, 60, 90, 75});
    schuif.Plaats(p, Qt::black, opmaak, "2", {{{40, 62}, uitMidden}});
    EXPECT_EQ(Inkt(beeld, QRect(95, 0, 30, 40)), 0);
    EXPECT_GT(Inkt(beeld, QRect(125, 10, 40, 20)), 0);
    EXPECT_EQ(Inkt(beeld, QRect(0, 60, 90, 15)), 0);
    EXPECT_GT(Inkt(beeld, QRect(30, 40, 20, 60)), 0);

    beeld.fill(Qt::white);
    TLabelPlaatser rand({0, 0, 200, 100});
    rand.Plaats(p, Qt::black, opmaak, "3 m", {{{0, 40}, uitRechts}});
    p.end();
    EXPECT_GT(Inkt(beeld, QRect(0, 40, 40, 20)), 0);

    // The same dimension, either way round, is labelled once.
    EXPECT_TRUE(labels.NieuweMaat({10, 10}, {10, 50}, "3 m"));
    EXPECT_FALSE(labels.NieuweMaat({10.2, 50}, {10, 10}, "3 m"));
    EXPECT_TRUE(labels.NieuweMaat({10, 10}, {10, 50}, "4 m"));
}

// A label that may be left out is drawn only where a place is clear: with every place and
// everything within its reach taken it draws nothing and takes nothing; with one place clear it
// is drawn there.
TEST(LabelPlaatser, AlleenVrijWeglatenAlsAllesBezetIs) {
    QImage beeld = WitVlak(200, 100);
    QPainter p(&beeld);
    const TOpmaak opmaak = Opmaak(opLabel);
    TLabelPlaatser vol({0, 0, 200, 100});
    vol.Bezet({0, 0, 200, 100});
    EXPECT_FALSE(vol.PlaatsAlsVrij(p, Qt::black, opmaak, "50 kNm", {{{60, 40}, uitLinks}}));
    EXPECT_EQ(Inkt(beeld, QRect(0, 0, 200, 100)), 0);

    TLabelPlaatser half({0, 0, 200, 100});
    half.Bezet({0, 0, 100, 100});
    EXPECT_TRUE(half.PlaatsAlsVrij(p, Qt::black, opmaak, "50 kNm",
                                   {{{10, 40}, uitLinks}, {{120, 40}, uitLinks}}));
    p.end();
    EXPECT_EQ(Inkt(beeld, QRect(0, 0, 100, 100)), 0);
    EXPECT_GT(Inkt(beeld, QRect(120, 40, 80, 20)), 0);
    // The label drawn takes its box: the same label there again goes elsewhere or not at all.
    QImage tweede = WitVlak(200, 100);
    QPainter q(&tweede);
    half.PlaatsAlsVrij(q, Qt::black, opmaak, "50 kNm", {{{120, 40}, uitLinks}});
    q.end();
    EXPECT_EQ(Inkt(tweede, QRect(120, 45, 60, 8)), 0);
}

TEST(Pagina, KolommenNaarBreedte) {
    for (const auto& [breedte, kolommen] :
         {std::pair{400, 1}, {401, 2}, {600, 2}, {601, 3}, {800, 3}, {801, 4}}) {
        EXPECT_EQ(Kolommen(breedte), kolommen) << breedte;
    }
}

// The three views of the example, each drawn from the top of a 600 pixels wide image.
class View : public ::testing::Test {
protected:
    Teksten teksten;
    TConstructie constructie;
    TAnalyse analyse{teksten};
    TWeergaveOpties opties;
    Klikgebieden klik;
    TViewContext ctx{analyse, constructie, opties, teksten};
    TKrachtenanalyse krachten;
    QImage beeld = WitVlak(600, 3000);
    const TRechthoek gebied{0, 0, 600, 3000};

    void SetUp() override {
        constructie = kx::Voorbeeld();
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        ASSERT_GT(analyse.AantalMechanismen, 0);
        krachten.Bereken(constructie, MechanismeOpgaven(analyse), analyse.MaatgevendMechanisme);
    }
    // Each returns the height used.
    double Teken(const std::function<void(QPainter&, TRechthoek&)>& view) {
        beeld.fill(Qt::white);
        QPainter p(&beeld);
        TRechthoek r = gebied;
        view(p, r);
        return r.Bottom;
    }
    double Hoe() {
        return Teken([&](QPainter& p, TRechthoek& r) { TekenHoeBezwijken(p, r, 0, klik, ctx); });
    }
    double Arbeid(int m) {
        return Teken(
            [&](QPainter& p, TRechthoek& r) { TekenWanneerBezwijken(p, r, m, klik, ctx); });
    }
    double Krachten(int m) {
        return Teken([&](QPainter& p, TRechthoek& r) {
            TekenKrachtsverdeling(p, r, m, {krachten, opties, teksten, ','});
        });
    }
};

// With every section off, or for an index outside the results, a view shows its title only
// (the force view its headings) and leaves no clickable region behind.
TEST_F(View, ZonderSectiesAlleenDeTitel) {
    const double arbeid = TitelOnder(teksten[140], 600) + 50;
    const double krachtsverdeling = TitelOnder(teksten[177], 600) + 50;
    EXPECT_DOUBLE_EQ(Arbeid(analyse.AantalMechanismen), arbeid);
    const double metBeide = Krachten(0);
    const double buiten = Krachten(analyse.AantalMechanismen);
    EXPECT_GT(buiten, krachtsverdeling + 60);
    EXPECT_LT(buiten, metBeide - 300);

    for (int i = 0; i < TWeergaveOpties::Aantal; ++i) {
        opties[i] = false;
    }
    EXPECT_DOUBLE_EQ(Hoe(), TitelOnder(teksten[159], 600) + 50);
    for (int i = 0; i <= KlikVolgende; ++i) {
        EXPECT_EQ(klik[static_cast<std::size_t>(i)].Doel, GeenDoel) << i;
    }
    klik[KlikArbeid].Doel = 7;
    EXPECT_DOUBLE_EQ(Arbeid(0), arbeid);
    EXPECT_EQ(klik[KlikArbeid].Doel, -1);
    EXPECT_DOUBLE_EQ(Krachten(0), krachtsverdeling);
}

// Hinges are drawn yellow where the mechanism moved them to.
TEST_F(View, PlastischScharnierIsGeelInDeCel) {
    Hoe();
    const TMechanisme& m = analyse.Mechanismen[0];
    const TCelAfbeelding cel =
        MaakCel(m, constructie, klik[0].Left, klik[0].Top, klik[0].Right, false);
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

    // A rotation centre at infinity leaves a finite view.
    analyse.Mechanismen[0].avStaven.back().RC = {Oneindig, Oneindig};
    analyse.Mechanismen[0].Vgl.Bezwijklast = OneindigeLast;
    const double onder = Arbeid(0);
    EXPECT_TRUE(std::isfinite(onder));
    EXPECT_LT(onder, 3000);
    EXPECT_GT(onder, 600);
}

// The flat cells of a continuous beam keep their supports above their captions: between a cell's
// bottom and the caption's line there is only the caption's blue.
TEST_F(View, SymbolenBovenHetOnderschrift) {
    constructie = test::LeerboekRaamwerken()[7].Constructie;
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    Hoe();
    const int h = RegelHoogte(QPainter(&beeld), Opmaak(opLink));
    int cellen = 0;
    for (int i = 0; i < 16; ++i) {
        const TKlikgebied& g = klik[static_cast<std::size_t>(i)];
        if (g.Doel < 0) {
            continue;
        }
        ++cellen;
        const int onder = Pixel(g.Bottom - 20.0);
        int grijs = 0;
        for (int y = onder; y < onder + h; ++y) {
            for (int x = Pixel(g.Left); x < Pixel(g.Right); ++x) {
                const QColor p = beeld.pixelColor(x, y);
                grijs += p != QColor(Qt::white) && p.red() == p.blue() ? 1 : 0;
            }
        }
        EXPECT_EQ(grijs, 0) << i;
        EXPECT_GT(Inkt(beeld, QRect(Pixel(g.Left), Pixel(g.Top), Pixel(g.Right - g.Left),
                                    onder - Pixel(g.Top))),
                  100)
            << i;
    }
    EXPECT_EQ(cellen, 4);
}

// The moment line of the two-bay portal: every moment area is painted before any value is
// written beside one, so no later area covers a value at a joint; the values come after them.
TEST_F(View, MomentwaardenNaDeMomentvlakken) {
    constructie = test::LeerboekRaamwerken()[11].Constructie;
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    krachten.Bereken(constructie, MechanismeOpgaven(analyse), analyse.MaatgevendMechanisme);
    opties[woOplegreacties] = false;
    TOpname opname;
    {
        QPainter p(&opname);
        TRechthoek r = gebied;
        TekenKrachtsverdeling(p, r, analyse.MaatgevendMechanisme, {krachten, opties, teksten, ','});
    }
    // One area per bar, and no text between the first and the last.
    const std::string s = opname.Volgorde();
    const auto eerste = s.find('v');
    const auto laatste = s.rfind('v');
    ASSERT_NE(eerste, std::string::npos);
    EXPECT_EQ(std::count(s.begin(), s.end(), 'v'), 7) << s;
    EXPECT_EQ(s.substr(eerste, laatste - eerste).find('t'), std::string::npos) << s;
    EXPECT_GE(std::count(s.begin() + static_cast<std::ptrdiff_t>(laatste), s.end(), 't'), 12) << s;
}

// A load of 2 F has an arrow of 100 pixels, longer than the room above the drawing: the drawing
// moves down so that the title and the heading stay as they are drawn alone.
TEST_F(View, LangeLastpijlBlijftOnderDeKop) {
    constructie.Belastingen[0].Fy = 2;
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    QImage alleenKop = WitVlak(600, 3000);
    QPainter p(&alleenKop);
    const double kop =
        TekenBlok(p, gebied, TekenBlok(p, gebied, 0, teksten[140], opTitel, Qt::black),
                  teksten[141], opKop, Qt::black);
    p.end();
    const QRect band(0, 0, 600, static_cast<int>(kop) + 5);
    for (int mechanisme = 0; mechanisme < analyse.AantalMechanismen; ++mechanisme) {
        Arbeid(mechanisme);
        EXPECT_EQ(beeld.copy(band), alleenKop.copy(band)) << mechanisme;
    }
}

// The virtual work view of a building of six storeys, fitted to a window's height: the moment
// values ("50 kNm") written beside the arrows keep clear of each other and of every other label
// of the drawing, however crowded its lowest storeys are.
TEST_F(View, MomentwaardenBlijvenVrijInEenDrukkeTekening) {
    constructie = test::Gebouw(6, 3);
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    opties = TWeergaveOpties{};
    for (int i = 0; i < TWeergaveOpties::Aantal; ++i) {
        opties[i] = i == woVirtArbVgl;
    }
    TOpname opname(1200);
    {
        QPainter p(&opname);
        TRechthoek r{0, 0, 1200, 3000};
        TekenWanneerBezwijken(p, r, analyse.MaatgevendMechanisme, klik,
                              {analyse, constructie, opties, teksten, 700.0});
    }
    // Text is painted word by word: pieces drawn one after another on one baseline, each
    // starting where the one before ends, make one label.
    std::vector<TOpname::TVorm> stukken;
    for (const auto& stuk : opname.Vormen) {
        if (stuk.Soort != 't') {
            continue;
        }
        if (!stukken.empty() && std::fabs(stuk.Vak.bottom() - stukken.back().Vak.bottom()) < 1.0 &&
            stuk.Vak.left() >= stukken.back().Vak.right() - 1.0 &&
            stuk.Vak.left() - stukken.back().Vak.right() < 4.0) {
            stukken.back().Tekst += stuk.Tekst;
            stukken.back().Vak = stukken.back().Vak.united(stuk.Vak);
        } else {
            stukken.push_back(stuk);
        }
    }
    int momenten = 0;
    for (std::size_t i = 0; i < stukken.size(); ++i) {
        if (!stukken[i].Tekst.endsWith("kNm")) {
            continue;
        }
        ++momenten;
        for (std::size_t j = 0; j < stukken.size(); ++j) {
            if (j != i) {
                EXPECT_FALSE(stukken[i].Vak.adjusted(1, 1, -1, -1).intersects(stukken[j].Vak))
                    << stukken[i].Tekst.toStdString() << " over " << stukken[j].Tekst.toStdString()
                    << " at " << stukken[i].Vak.x() << "," << stukken[i].Vak.y();
            }
        }
    }
    EXPECT_GT(momenten, 4);
}

} // namespace
} // namespace kx
