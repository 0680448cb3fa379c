#include "Geanalyseerd.h"
#include "Hulp.h"
#include "Opname.h"
#include "Raamwerken.h"
#include "drawing/Afbeelding.h"
#include "drawing/Blokken.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"

#include <QBuffer>
#include <QSvgGenerator>
#include <QXmlStreamReader>

namespace kx {
namespace {

using test::TGeanalyseerd;

// A picture drawn on a white image of 700 pixels wide without smoothed text, with the blocks
// its view reported.
struct TBeeld {
    QImage Beeld = test::WitVlak(700, 4000);
    std::vector<TBlok> Blokken;
};

TBeeld Teken(const std::function<void(QPainter&, TRechthoek&)>& view) {
    TBeeld beeld;
    const TBlokkenOpname opname(beeld.Beeld);

    QPainter p(&beeld.Beeld);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    TRechthoek gebied{0, 0, 700, 4000};
    view(p, gebied);
    p.end();
    beeld.Blokken = opname.Blokken();
    return beeld;
}

// The boxes of the shapes a view paints (polygons, paths, lines, ellipses; text and rectangles
// left out) with the blocks it reports.
struct TVormen {
    std::vector<QRectF> Vormen;
    std::vector<TBlok> Blokken;
};

TVormen Vormen(const std::function<void(QPainter&, TRechthoek&)>& view) {
    test::TOpname opname(700, 4000);
    TVormen vormen;
    {
        const TBlokkenOpname blokken(opname);
        QPainter p(&opname);
        TRechthoek gebied{0, 0, 700, 4000};
        view(p, gebied);
        p.end();
        vormen.Blokken = blokken.Blokken();
    }
    for (const auto& vorm : opname.Vormen) {
        if (vorm.Soort != 't' && vorm.Soort != 'r') {
            vormen.Vormen.push_back(vorm.Vak);
        }
    }
    return vormen;
}

// Shapes that reach into a line of text or a heading; a level line there is an underline.
int VormenInTekst(const TVormen& v) {
    int aantal = 0;
    for (const TBlok& b : v.Blokken) {
        for (const QRectF& vorm : v.Vormen) {
            if (b.Soort != TBlokSoort::Tekening && vorm.height() > 0.0 &&
                vorm.bottom() > b.Boven + 1.0 && vorm.top() < b.Onder - 1.0) {
                ++aantal;
            }
        }
    }
    return aantal;
}

// A portal of 400 m on columns of 6 m: its moment line keeps its areas within its own picture,
// clear of the lines of text above and below it, and so does the picture of its reactions.
TEST(TekeningInVak, PlatRaamwerkBlijftUitDeTekst) {
    test::TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 6, Inklemming);
    const int t1 = b.Knoop(0, 0);
    const int m = b.Knoop(200, 0);
    const int t2 = b.Knoop(400, 0);
    const int v2 = b.Knoop(400, 6, Inklemming);
    b.Keten({v1, t1, m, t2, v2});
    b.Last(t1, 1, 0);
    b.Last(m, 0, 1);
    const TGeanalyseerd a(b.c);
    const TVormen krachten = Vormen([&](QPainter& p, TRechthoek& r) {
        TekenKrachtsverdeling(p, r, a.analyse.MaatgevendMechanisme, a.KrachtContext());
    });
    ASSERT_GT(krachten.Vormen.size(), 10u);
    EXPECT_EQ(VormenInTekst(krachten), 0);
}

// A mechanism made by hand: one part from (0, 0) to (breedte, 0) turning about a centre.
TMechanisme EenDeel(double breedte, TRotatiecentrum centrum) {
    TMechanisme m;
    TStaaf deel;
    deel.Knopen[0].x = 0.0;
    deel.Knopen[1].x = breedte;
    deel.RC = centrum;
    m.avStaven.push_back(deel);
    return m;
}

// A rotation centre widens the picture when it lies within twice the frame's size of it,
// however large the frame; one farther away, or at infinity, does not.
TEST(TekeningInVak, RotatiecentrumNaarVerhoudingVanHetRaam) {
    const TConstructie leeg;
    const auto hoogte = [&](double breedte, TRotatiecentrum centrum) {
        return BepaalGrenzen(EenDeel(breedte, centrum), leeg, true).ymax;
    };
    EXPECT_EQ(hoogte(40, {0, 30}), 30);
    EXPECT_EQ(hoogte(40, {20, 79}), 79);
    EXPECT_EQ(hoogte(40, {0, 95}), 0);
    EXPECT_EQ(hoogte(2, {0, 8}), 0);
    EXPECT_EQ(hoogte(2, {0, 3}), 3);
    EXPECT_EQ(hoogte(40, {0, Oneindig}), 0);
    EXPECT_EQ(BepaalGrenzen(EenDeel(40, {0, 30}), leeg, false).ymax, 0);
}

// A portal whose right column leans a little: the beam turns about a centre 160 m above the
// frame, far but finite. Its lines end at the picture's box: the title and heading look as they
// do drawn alone.
TEST(TekeningInVak, VerCentrumBlijftInZijnTekening) {
    test::TRaamwerkBouwer b;
    const int v1 = b.Knoop(0, 4, Scharnierend);
    const int t1 = b.Knoop(0, 0);
    const int t2 = b.Knoop(7.8, 0);
    const int v2 = b.Knoop(8, 4, Scharnierend);
    b.Keten({v1, t1, t2, v2});
    b.Last(t1, 1, 0);
    const TGeanalyseerd a(b.c);
    ASSERT_EQ(a.analyse.AantalMechanismen, 1);
    const TMechanisme& m = a.analyse.Mechanismen[0];
    ASSERT_TRUE(std::ranges::any_of(
        m.avStaven, [](const TStaaf& deel) { return IsEindig(deel.RC) && deel.RC.y > 100.0; }));
    const TBeeld alleenKop = Teken([&](QPainter& p, TRechthoek& r) {
        TekenBlok(p, r, TekenBlok(p, r, 0, a.teksten[140], opTitel, Qt::black), a.teksten[141],
                  opKop, Qt::black);
    });
    Klikgebieden klik{};
    const TBeeld arbeid = Teken(
        [&](QPainter& p, TRechthoek& r) { TekenWanneerBezwijken(p, r, 0, klik, a.Context()); });
    const auto tekening = std::ranges::find(arbeid.Blokken, TBlokSoort::Tekening, &TBlok::Soort);
    ASSERT_NE(tekening, arbeid.Blokken.end());
    const QRect band(0, 0, 700, static_cast<int>(tekening->Boven));
    EXPECT_EQ(arbeid.Beeld.copy(band), alleenKop.Beeld.copy(band));
}

// Elements of an SVG file in document order: 'f' a shape filled with the moment areas' grey,
// 'r' a shape with a red pen, 't' a piece of text.
std::string SvgVolgorde(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    std::vector<std::pair<QString, QString>> groepen; // fill and stroke of the open groups
    std::string volgorde;
    while (!xml.atEnd()) {
        const auto soort = xml.readNext();
        if (soort == QXmlStreamReader::EndElement && xml.name() == u"g" && !groepen.empty()) {
            groepen.pop_back();
        }
        if (soort != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributen = xml.attributes();
        if (xml.name() == u"g") {
            groepen.emplace_back(attributen.value("fill").toString(),
                                 attributen.value("stroke").toString());
        } else if (xml.name() == u"text") {
            volgorde += 't';
        } else if (!groepen.empty() && groepen.back().first == KleurLichtgrijs.name()) {
            volgorde += 'f';
        } else if (!groepen.empty() && groepen.back().second == KleurRood.name()) {
            volgorde += 'r';
        }
    }
    return volgorde;
}

// The moment line of a gable's mechanism that passes Mp, exported as SVG: every area is filled
// before any red ordinate and any value, so that no later area covers a value or a red line.
TEST(TekeningInVak, MomentwaardenEnRodeLijnenNaAlleVlakken) {
    const TGeanalyseerd a(test::TweeveldsPortaal(50.0, true));
    int teGroot = -1;
    for (int i = 0; i < a.krachten.AantalMechanismen() && teGroot < 0; ++i) {
        const TKrachtsverdeling& v = a.krachten.Verdeling(i);
        if (v.Bestaat && v.Momentverhouding > 1.01) {
            teGroot = i;
        }
    }
    ASSERT_GE(teGroot, 0);
    TWeergaveOpties opties;
    opties[woOplegreacties] = false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(700, 2000));
        QPainter p(&svg);
        TRechthoek gebied{0, 0, 700, 2000};
        TekenKrachtsverdeling(p, gebied, teGroot, {a.krachten, opties, a.teksten, '.'});
    }
    const std::string volgorde = SvgVolgorde(buffer.data());
    const auto eersteVlak = volgorde.find('f');
    const auto laatsteVlak = volgorde.rfind('f');
    ASSERT_NE(eersteVlak, std::string::npos) << volgorde;
    EXPECT_EQ(volgorde.find('r'), volgorde.find('r', laatsteVlak)) << volgorde;
    EXPECT_NE(volgorde.find('r', laatsteVlak), std::string::npos) << volgorde;
    EXPECT_EQ(volgorde.substr(eersteVlak, laatsteVlak - eersteVlak).find('t'), std::string::npos)
        << volgorde;
    EXPECT_GE(std::ranges::count(volgorde.substr(laatsteVlak), 't'), 3) << volgorde;
}

} // namespace
} // namespace kx
