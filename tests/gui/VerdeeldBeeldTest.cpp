// The propped cantilever under a uniform load in the analysis views: the hinge inside the span at
// its exact place, the bent displaced shape, the parabola of the moment line and its peak.
#include "Geanalyseerd.h"
#include "Hulp.h"
#include "Opname.h"
#include "Raamwerken.h"
#include "drawing/EigenMechanismeView.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/Opmaak.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/EigenMechanisme.h"
#include "engine/Getalnotatie.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"
#include "engine/Veldplaats.h"
#include "model/Bestand.h"

#include <QPointer>
#include <QPrintPreviewDialog>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;
using test::TOpname;
using TVorm = test::TOpname::TVorm;

const double Wortel2 = std::sqrt(2.0);

// Clamped at (2, 4), on a roller at (12, 4): L = 10 m, Mp = 100 kNm, q = F per metre down. It
// collapses at qL^2 = (6 + 4 sqrt 2) Mp with the span hinge (sqrt 2 - 1) L from the prop.
TConstructie GeschoordeLigger(double q = 1.0) {
    test::TRaamwerkBouwer b;
    const int inklemming = b.Knoop(2, 4, Inklemming);
    const int rol = b.Knoop(12, 4, RolHorizontaal);
    b.Staaf(inklemming, rol, 100.0);
    b.c.VerdeeldeBelastingen[0] = {0, 0.0, q, true};
    return b.c;
}

// Every text painted, without the spaces between its pieces: text is painted word by word.
std::string Tekst(const TOpname& opname) {
    std::string tekst;
    for (const TVorm& vorm : opname.Vormen) {
        if (vorm.Soort == 't') {
            tekst += vorm.Tekst.toStdString();
        }
    }
    std::erase(tekst, ' ');
    return tekst;
}

// The index of the text shape with which the texts painted so far first hold gezocht, or -1.
int TekstTot(const TOpname& opname, const std::string& gezocht) {
    std::string tekst;
    for (std::size_t i = 0; i < opname.Vormen.size(); ++i) {
        tekst += opname.Vormen[i].Tekst.toStdString();
        std::erase(tekst, ' ');
        if (tekst.find(gezocht) != std::string::npos) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The index of the first shape of the kind that passes the test, or -1.
int Zoek(const TOpname& opname, char soort, const std::function<bool(const TVorm&)>& past) {
    for (std::size_t i = 0; i < opname.Vormen.size(); ++i) {
        const TVorm& vorm = opname.Vormen[i];
        if (vorm.Soort == soort && past(vorm)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The plastic hinges drawn: red circles filled yellow.
std::vector<QPointF> Scharnieren(const TOpname& opname) {
    std::vector<QPointF> midden;
    for (const TVorm& vorm : opname.Vormen) {
        if (vorm.Soort == 'e' && vorm.Vulling == KleurGeel) {
            midden.push_back(vorm.Punten.front());
        }
    }
    return midden;
}

class VerdeeldBeeld : public ::testing::Test, protected test::TGeanalyseerd {
protected:
    VerdeeldBeeld() : TGeanalyseerd(GeschoordeLigger()) {}
    void Arbeid(QPaintDevice& vlak) {
        QPainter p(&vlak);
        TRechthoek gebied{0, 0, static_cast<double>(vlak.width()), 3000};
        TekenWanneerBezwijken(p, gebied, analyse.MaatgevendMechanisme, klik,
                              {analyse, constructie, opties, teksten});
    }
    void Krachten(QPaintDevice& vlak) {
        QPainter p(&vlak);
        TRechthoek gebied{0, 0, static_cast<double>(vlak.width()), 3000};
        TekenKrachtsverdeling(p, gebied, analyse.MaatgevendMechanisme,
                              {krachten, opties, teksten, '.'});
    }

    Klikgebieden klik{};
};

// The virtual work view: of the two hinges one sits at the clamp and one inside the span, at
// 2 - sqrt 2 of the bar from the clamp, and the displaced bar is drawn as two straight pieces
// that meet there; the hinge's term names its place from the prop, as a student measures it.
TEST_F(VerdeeldBeeld, ArbeidToontHetVeldscharnierOpZijnPlaats) {
    EXPECT_NEAR(Maatgevend().Vgl.Bezwijklast, 6.0 + 4.0 * Wortel2, 1e-9);
    TOpname opname(900);
    Arbeid(opname);

    // The structure's bar, sketched light grey behind the mechanism: the longest such line.
    QLineF balk;
    for (const TVorm& vorm : opname.Vormen) {
        const QLineF lijn =
            vorm.Punten.size() == 2 ? QLineF(vorm.Punten[0], vorm.Punten[1]) : QLineF();
        if (vorm.Soort == 'l' && vorm.Pen == KleurLichtgrijs && lijn.length() > balk.length()) {
            balk = lijn;
        }
    }
    const double links = std::min(balk.x1(), balk.x2());
    const double rechts = std::max(balk.x1(), balk.x2());
    ASSERT_GT(rechts - links, 500);

    const std::vector<QPointF> scharnieren = Scharnieren(opname);
    ASSERT_EQ(scharnieren.size(), 2U);
    EXPECT_NEAR(scharnieren[0].x(), links, 1.5);
    const QPointF veld = scharnieren[1];
    EXPECT_NEAR((veld.x() - links) / (rechts - links), 2.0 - Wortel2, 1.5 / (rechts - links));
    EXPECT_GT(veld.y(), balk.y1() + 20) << "the hinge moves down with the load";

    // The displaced pieces in black: one from the clamp, one from the prop, both to the hinge.
    const auto stuk = [&](double vanX) {
        return Zoek(opname, 'l', [&](const TVorm& v) {
            if (v.Pen != KleurZwart || v.Punten.size() != 2) {
                return false;
            }
            for (int e = 0; e < 2; ++e) {
                const QPointF& hier = v.Punten[static_cast<std::size_t>(e)];
                const QPointF& daar = v.Punten[static_cast<std::size_t>(1 - e)];
                if (std::hypot(hier.x() - veld.x(), hier.y() - veld.y()) < 1.5 &&
                    std::fabs(daar.x() - vanX) < 1.5 && std::fabs(daar.y() - balk.y1()) < 1.5) {
                    return true;
                }
            }
            return false;
        });
    };
    EXPECT_NE(stuk(links), -1);
    EXPECT_NE(stuk(rechts), -1);

    const std::string tekst = Tekst(opname);
    EXPECT_NE(tekst.find("scharnierCop4.14mvanknoop2"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Fp=11.66kN"), std::string::npos) << tekst;
}

// The moment line: the area of the bar runs as the parabola through the sagging peak, so at
// mid-span it lies across the bar from the straight line between the end values; it is filled
// there, and the peak is written with its place. The area comes before the hinges, which come
// before the values.
TEST_F(VerdeeldBeeld, MomentenlijnIsDeParaboolMetZijnTop) {
    const TKrachtsverdeling& v = krachten.Verdeling(analyse.MaatgevendMechanisme);
    ASSERT_TRUE(v.Bestaat);
    ASSERT_EQ(v.Veldpieken.size(), 1U);
    EXPECT_NEAR(v.Veldpieken[0].Positie, 2.0 - Wortel2, 1e-9);
    EXPECT_NEAR(v.Veldpieken[0].M, 100.0, 1e-6);
    ASSERT_EQ(v.Staven.size(), 1U);
    EXPECT_NEAR(MomentInStaaf(v.Staven[0], v.Veldpieken[0].Positie), 100.0, 1e-6);

    opties[woOplegreacties] = false;
    TOpname opname;
    Krachten(opname);
    const int vlak =
        Zoek(opname, 'v', [](const TVorm& vorm) { return vorm.Vulling == KleurLichtgrijs; });
    ASSERT_NE(vlak, -1);
    const std::vector<QPointF>& punten = opname.Vormen[static_cast<std::size_t>(vlak)].Punten;
    ASSERT_GT(punten.size(), 40U) << "a smooth curve";
    const QPointF a = punten.front();
    const QPointF b = punten.back();
    ASSERT_NEAR(a.y(), b.y(), 0.01);
    const double midden = (a.x() + b.x()) / 2.0;
    const auto top = std::min_element(
        punten.begin() + 1, punten.end() - 1, [&](const QPointF& p, const QPointF& q) {
            return std::fabs(p.x() - midden) < std::fabs(q.x() - midden);
        });
    // Ordinates in proportion to the moments: -Mp at the clamp, 0 at the prop and
    // qL^2/8 - Mp/2 at mid-span.
    const double lijn = (punten[1].y() + punten[punten.size() - 2].y()) / 2.0 - a.y();
    const double mid = (6.0 + 4.0 * Wortel2) * 100.0 / 8.0 - 50.0;
    EXPECT_NEAR(top->y() - a.y(), -mid / 100.0 * (punten[1].y() - a.y()), 0.5);
    EXPECT_LT((top->y() - a.y()) * lijn, 0.0);

    QImage beeld = test::WitVlak(600, 3000);
    Krachten(beeld);
    const QPoint binnen(Pixel(midden), Pixel((a.y() + top->y()) / 2.0));
    EXPECT_EQ(beeld.pixelColor(binnen), KleurLichtgrijs);

    const std::vector<QPointF> scharnieren = Scharnieren(opname);
    ASSERT_EQ(scharnieren.size(), 2U);
    EXPECT_NEAR(scharnieren[1].x(), a.x() + (2.0 - Wortel2) * (b.x() - a.x()), 1.0);
    EXPECT_NEAR(scharnieren[1].y(), a.y(), 1.0);

    const std::string tekst = Tekst(opname);
    EXPECT_NE(tekst.find("100kNmop4.14mvanknoop2"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("daarisdemomentenlijneenparabool"), std::string::npos) << tekst;
    const int scharnier =
        Zoek(opname, 'e', [](const TVorm& vorm) { return vorm.Vulling == KleurGeel; });
    const int piek = TekstTot(opname, "100kNmop4.14");
    EXPECT_LT(vlak, scharnier);
    EXPECT_LT(scharnier, piek);
}

struct TBoogpijl {
    QPointF Midden; // the centre of the arc
    QPointF Punt;   // where its arrowhead lies against that centre
};

// The arcs with an arrowhead painted black with a radius between kleinste and grootste, as the
// views draw moments: the circle through three points of the arc gives its centre.
std::vector<TBoogpijl> Boogpijlen(const TOpname& opname, double kleinste, double grootste) {
    std::vector<TBoogpijl> pijlen;
    for (const TVorm& boog : opname.Vormen) {
        if (boog.Pen != KleurZwart || boog.Vulling.isValid() || boog.Punten.size() < 8) {
            continue;
        }
        const QPointF a = boog.Punten.front();
        const QPointF b = boog.Punten[boog.Punten.size() / 3];
        const QPointF c = boog.Punten[2 * boog.Punten.size() / 3];
        const double d =
            2.0 * (a.x() * (b.y() - c.y()) + b.x() * (c.y() - a.y()) + c.x() * (a.y() - b.y()));
        if (std::fabs(d) < 1e-6) {
            continue;
        }
        const auto kw = [](QPointF p) { return p.x() * p.x() + p.y() * p.y(); };
        const QPointF m(
            (kw(a) * (b.y() - c.y()) + kw(b) * (c.y() - a.y()) + kw(c) * (a.y() - b.y())) / d,
            (kw(a) * (c.x() - b.x()) + kw(b) * (a.x() - c.x()) + kw(c) * (b.x() - a.x())) / d);
        const double straal = std::hypot(a.x() - m.x(), a.y() - m.y());
        if (straal < kleinste || straal > grootste) {
            continue;
        }
        for (const TVorm& punt : opname.Vormen) {
            if (punt.Soort != 'v' || punt.Vulling != KleurZwart || punt.Punten.size() < 3) {
                continue;
            }
            QPointF zwaartepunt;
            for (const QPointF& q : punt.Punten) {
                zwaartepunt += q / static_cast<double>(punt.Punten.size());
            }
            // The heads of the reaction forces lie straight below or beside the node.
            const QPointF tov = zwaartepunt - m;
            if (std::fabs(std::hypot(tov.x(), tov.y()) - straal) < 6.0 &&
                std::fabs(tov.x()) > 3.0 && std::fabs(tov.y()) > 3.0) {
                pijlen.push_back({m, tov});
                break;
            }
        }
    }
    return pijlen;
}

// The propped cantilever of L = 10 m under q = F per metre down, clamped on the left or right.
TConstructie GeschoordeLiggerAan(bool inklemmingLinks) {
    test::TRaamwerkBouwer b;
    const int inklemming = b.Knoop(inklemmingLinks ? 2 : 12, 4, Inklemming);
    const int rol = b.Knoop(inklemmingLinks ? 12 : 2, 4, RolHorizontaal);
    b.Staaf(inklemming, rol, 100.0);
    b.c.VerdeeldeBelastingen[0] = {0, 0.0, 1.0, true};
    return b.c;
}

// The sums under the reactions: the prop of the fixture's beam carries no horizontal force, but
// the solution leaves rounding there. No arrow shows it, and the sum writes it as 0, not as a
// number of twenty digits.
TEST(Oplegreacties, AfrondingInDeSommenIsNul) {
    TConstructie c;
    Teksten teksten;
    ASSERT_EQ(LaadConstructie(c, KX_FIXTURES "/schoorligger-verdeeld.kx", teksten), "");
    test::TGeanalyseerd a(c);
    a.opties[woMomentenlijn] = false;
    TOpname opname;
    {
        QPainter p(&opname);
        TRechthoek gebied{0, 0, 600, 3000};
        TekenKrachtsverdeling(p, gebied, a.analyse.MaatgevendMechanisme, a.KrachtContext());
    }
    const std::string tekst = Tekst(opname);
    EXPECT_NE(tekst.find("H=0=0kN"), std::string::npos) << tekst;
    EXPECT_EQ(tekst.find("0.0000"), std::string::npos) << tekst;
}

// The clamp of a propped cantilever under a downward load holds the beam anticlockwise when it
// is on the left, clockwise when on the right (moments about the clamp: the load's resultant at
// mid-span against the prop's reaction). An anticlockwise arc of 270 degrees from 45 degrees
// ends at the lower right of its centre on the screen, a clockwise one at the upper left.
TEST(Oplegreacties, MomentboogDraaitZoalsDeInklemmingHoudt) {
    for (const bool links : {true, false}) {
        SCOPED_TRACE(links ? "inklemming links" : "inklemming rechts");
        test::TGeanalyseerd a(GeschoordeLiggerAan(links));
        a.opties[woMomentenlijn] = false;
        TOpname opname;
        {
            QPainter p(&opname);
            TRechthoek gebied{0, 0, 600, 3000};
            TekenKrachtsverdeling(p, gebied, a.analyse.MaatgevendMechanisme, a.KrachtContext());
        }
        const auto pijlen = Boogpijlen(opname, 10.0, 25.0);
        ASSERT_EQ(pijlen.size(), 1U);
        EXPECT_GT(links ? pijlen[0].Punt.x() : -pijlen[0].Punt.x(), 3.0);
        EXPECT_GT(links ? pijlen[0].Punt.y() : -pijlen[0].Punt.y(), 3.0);
    }
}

// The plastic moments of the virtual work view point from the tension to the compression side:
// the propped cantilever under a downward load hogs at its clamp (tension on top), so the head
// of the clamp's arrow lies below the bar, and sags at the span hinge, where the heads lie above.
TEST(Arbeidsbeeld, MomentpijlenVanTrekNaarDrukzijde) {
    for (const bool links : {true, false}) {
        SCOPED_TRACE(links ? "inklemming links" : "inklemming rechts");
        const test::TGeanalyseerd a(GeschoordeLiggerAan(links));
        Klikgebieden klik{};
        TOpname opname(900);
        {
            QPainter p(&opname);
            TRechthoek gebied{0, 0, 900, 3000};
            TekenWanneerBezwijken(p, gebied, a.analyse.MaatgevendMechanisme, klik, a.Context());
        }
        auto pijlen = Boogpijlen(opname, 25.0, 35.0);
        ASSERT_EQ(pijlen.size(), 3U);
        std::sort(pijlen.begin(), pijlen.end(), [](const TBoogpijl& a, const TBoogpijl& b) {
            return a.Midden.x() < b.Midden.x();
        });
        const std::size_t klem = links ? 0 : 2;
        for (std::size_t i = 0; i < pijlen.size(); ++i) {
            SCOPED_TRACE(i == klem ? "inklemming" : "veldscharnier");
            EXPECT_GT(i == klem ? pijlen[i].Punt.y() : -pijlen[i].Punt.y(), 3.0);
        }
    }
}

// A beam of two bars, clamped, over a rigid node to a prop, loaded on its second bar only: a
// mechanism without the span hinge carries a moment line whose peak inside that bar passes Mp,
// and the check names the bar and the peak's place among the excesses.
TEST_F(VerdeeldBeeld, OverschredenPiekInHetVeldGenoemd) {
    test::TRaamwerkBouwer b;
    b.Keten({b.Knoop(0, 0, Inklemming), b.Knoop(5, 0), b.Knoop(10, 0, RolHorizontaal)}, 100.0);
    b.c.VerdeeldeBelastingen[0] = {1, 0.0, 1.0, true};
    constructie = b.c;
    ASSERT_EQ(ControleerVoorAnalyse(constructie, teksten), "");
    analyse.BepaalMechanismen(constructie);
    analyse.BerekeningDeel2();
    krachten.Bereken(constructie, MechanismeOpgaven(analyse), analyse.MaatgevendMechanisme);
    int overschreden = 0;
    for (int i = 0; i < analyse.AantalMechanismen; ++i) {
        const TKrachtsverdeling& v = krachten.Verdeling(i);
        if (!v.Bestaat || v.Veldpieken.empty() ||
            std::fabs(v.Veldpieken[0].M) <= 100.0 * (1.0 + Verhoudingstolerantie)) {
            continue;
        }
        ++overschreden;
        const TVeldplaats plaats = Veldplaats(constructie, 1, v.Veldpieken[0].Positie);
        TOpname opname;
        {
            QPainter p(&opname);
            TRechthoek gebied{0, 0, 600, 3000};
            TekenKrachtsverdeling(p, gebied, i, {krachten, opties, teksten, '.'});
        }
        const std::string verwacht = "staaf2op" + AlgemeenGetal(plaats.Afstand, 3, '.') +
                                     "mvanknoop" + std::to_string(plaats.Knoop + 1) + "(" +
                                     AlgemeenGetal(std::fabs(v.Veldpieken[0].M), 4, '.') +
                                     "kNm,Mp=100kNm)";
        EXPECT_NE(Tekst(opname).find("DemomentenlijnoverschrijdtMpin"), std::string::npos) << i;
        EXPECT_NE(Tekst(opname).find(verwacht), std::string::npos) << i << ": " << verwacht;
    }
    EXPECT_GT(overschreden, 0);
}

// Choosing the clamp and the span by hand gives the governing mechanism: the span's place is
// offered at mid-span, and the mechanism drawn below it has its hinge at its exact place.
TEST_F(VerdeeldBeeld, EigenMechanismeKiestHetVeld) {
    const TEigenAnalyse eigen(constructie, teksten, '.');
    ASSERT_EQ(eigen.Plaatsen().size(), 2U);
    const auto veld =
        std::ranges::find_if(eigen.Plaatsen(), [](const TScharnierplaats& p) { return p.Veld; });
    ASSERT_NE(veld, eigen.Plaatsen().end());
    const TEigenMechanisme m = eigen.Bereken({0, 1});
    ASSERT_TRUE(m.Beweegt());
    EXPECT_NEAR(m.Bezwijklast, 6.0 + 4.0 * Wortel2, 1e-9);

    TOpname opname;
    std::vector<TPlaatsPunt> punten;
    {
        QPainter p(&opname);
        TRechthoek gebied{0, 0, 600, 3000};
        TekenEigenMechanisme(p, gebied, {eigen, m}, {analyse, constructie, opties, teksten},
                             punten);
    }
    ASSERT_EQ(punten.size(), 2U);
    const auto inVeld = static_cast<std::size_t>(veld - eigen.Plaatsen().begin());
    const TPlaatsPunt& knoop = punten[1 - inVeld];
    const TPlaatsPunt& span = punten[inVeld];
    EXPECT_GT(span.Punt.x - knoop.Punt.x, 100.0);
    EXPECT_EQ(ZoekPlaats(punten, span.Punt), static_cast<int>(inVeld));
    EXPECT_NE(Tekst(opname).find("scharnierCop4.14mvanknoop2"), std::string::npos);
}

// The program with the propped cantilever and its three analysis windows.
class VerdeeldVenster : public test::HoofdvensterBasis {
protected:
    void SetUp() override {
        Start();
        venster->resize(1400, 900);
        venster->Document().Bewerk({}, [](TConstructie& c) { c = GeschoordeLigger(); });
        for (auto toon :
             {&TmdiPlastokinetica::ToonHoeBezwijken, &TmdiPlastokinetica::ToonWanneerBezwijken,
              &TmdiPlastokinetica::ToonKrachtsverdeling}) {
            ((*venster).*toon)();
        }
        QApplication::processEvents();
    }
    QString Exporteer(const QString& naam) { return ExporteerNaar(map.filePath(naam)); }
    double Fp() const {
        const TAnalyse& a = venster->Analyse();
        return a.Mechanismen[static_cast<std::size_t>(a.MaatgevendMechanisme)].Vgl.Bezwijklast;
    }

    QTemporaryDir map;
};

// The virtual work view and the moment line, exported to SVG and PDF, write the hinge's place
// and the peak; the print preview draws its pages and closes.
TEST_F(VerdeeldVenster, ExportEnAfdrukkenMetHetVeldscharnier) {
    struct Geval {
        void (TmdiPlastokinetica::*toon)();
        QStringList teksten;
    };
    for (const Geval& g : {Geval{&TmdiPlastokinetica::ToonWanneerBezwijken,
                                 {"Fp = 11.66 kN", "scharnier C op 4.14 m van knoop 2"}},
                           Geval{&TmdiPlastokinetica::ToonKrachtsverdeling,
                                 {"Fp = 11.66 kN", "100 kNm op 4.14 m van knoop 2"}}}) {
        ((*venster).*g.toon)();
        const QString svg = test::SvgTekst(Exporteer(QStringLiteral("view.svg"))).simplified();
        const QString pdf = test::PdfTekst(Exporteer(QStringLiteral("view.pdf"))).simplified();
        for (const QString& tekst : g.teksten) {
            EXPECT_TRUE(svg.contains(tekst)) << "svg: " << tekst.toStdString();
            EXPECT_TRUE(pdf.contains(tekst)) << "pdf: " << tekst.toStdString();
        }
        venster->Afdrukken();
        QApplication::processEvents();
        QPointer<QPrintPreviewDialog> voorbeeld = venster->findChild<QPrintPreviewDialog*>();
        ASSERT_TRUE(voorbeeld);
        EXPECT_TRUE(voorbeeld->isVisible());
        voorbeeld->close();
        QApplication::processEvents();
        EXPECT_FALSE(voorbeeld);
    }
}

// The mechanism table names the span among the turning hinges. Twice the load marks every
// window out of date, until the next analysis halves Fp.
TEST_F(VerdeeldVenster, TabelEnVerouderd) {
    auto* tabel = venster->Mechanismevenster()->findChild<QTableView*>();
    ASSERT_NE(tabel, nullptr);
    ASSERT_EQ(tabel->model()->rowCount(), 1);
    EXPECT_EQ(tabel->model()->index(0, 1).data().toString(), "1, veld van staaf 1");
    EXPECT_NEAR(Fp(), 6.0 + 4.0 * Wortel2, 1e-9);

    venster->Document().Bewerk({}, [](TConstructie& c) { c.VerdeeldeBelastingen[0].Qy = 2.0; });
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_TRUE(venster->Analysevenster(kind)->Verouderd()) << kind;
    }
    venster->ToonKrachtsverdeling();
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_FALSE(venster->Analysevenster(kind)->Verouderd()) << kind;
    }
    EXPECT_NEAR(Fp(), 3.0 + 2.0 * Wortel2, 1e-9);
    const QString svg = test::SvgTekst(Exporteer(QStringLiteral("krachten.svg"))).simplified();
    EXPECT_TRUE(svg.contains("Fp = 5.828 kN")) << svg.toStdString();
}

} // namespace
} // namespace kx
