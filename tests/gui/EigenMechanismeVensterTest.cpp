#include "Hulp.h"
#include "Raamwerken.h"
#include "drawing/ViewContext.h"
#include "drawing/WanneerBezwijkenView.h"
#include "ui/WanneerBezwijkenVenster.h"

#include <QPushButton>
#include <QScrollArea>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;
using test::Klik;

class EigenMechanismeVenster : public test::HoofdvensterBasis {
protected:
    // A fixed-ended beam of 6 m with F at mid-span: three hinge places, one per node.
    void SetUp() override {
        StartGroot();
        venster->Document().Bewerk({}, [](TConstructie& c) {
            c = test::Ligger({{0, Inklemming}, {3, GeenOplegging}, {6, Inklemming}}, {1});
        });
    }

    TfrmWanneerBezwijken& Arbeid() {
        auto* f7 = venster->Arbeidsvenster();
        EXPECT_NE(f7, nullptr);
        return *f7;
    }
    QPushButton* Knop() { return venster->Zijpaneel()->EigenMechanismeKnop(); }

    // The pixel where the window drew the place at the node.
    QPointF Plaats(int knoop) {
        QApplication::processEvents();
        const TEigenAnalyse* analyse = venster->EigenAnalyse();
        for (const TPlaatsPunt& punt : Arbeid().Punten) {
            if (analyse != nullptr &&
                analyse->Plaatsen()[static_cast<std::size_t>(punt.Plaats)].Knoop == knoop) {
                return {punt.Punt.x, punt.Punt.y};
            }
        }
        ADD_FAILURE() << "no place drawn at node " << knoop;
        return {};
    }
    void KlikKnoop(int knoop) { Klik(Arbeid().Vlak(), Plaats(knoop)); }
    QColor Kleur(int knoop) {
        const QPointF p = Plaats(knoop);
        return Arbeid().Vlak()->grab().toImage().pixelColor(p.toPoint());
    }
    std::vector<int> Gekozen() const { return venster->EigenMechanisme().Plaatsen; }
};

// Choosing hinges is no edit: the history, the changed state and the structure stay as they
// were through every click, the clear button and leaving the own mechanism. The places chosen
// are painted yellow, the others white; the picture grows once the choice moves.
TEST_F(EigenMechanismeVenster, KiezenIsGeenBewerking) {
    QUndoStack& geschiedenis = venster->Document().Geschiedenis();
    const int stappen = geschiedenis.count();
    const int index = geschiedenis.index();
    const bool gewijzigd = venster->Document().Gewijzigd();
    const TConstructie voor = venster->Constructie();
    QSignalSpy structuur(&venster->Document(), &TDocument::StructuurGewijzigd);

    Knop()->click();
    EXPECT_TRUE(Knop()->isChecked());
    ASSERT_NE(venster->Arbeidsvenster(), nullptr);
    EXPECT_TRUE(Arbeid().EigenGetoond());
    EXPECT_TRUE(Arbeid().WisKnop()->isVisible());
    ASSERT_EQ(Arbeid().Punten.size(), 3u);
    for (const int knoop : {0, 1, 2}) {
        EXPECT_EQ(Kleur(knoop), QColor(Qt::white)) << knoop;
    }

    // The hand shows over a place only.
    const auto cursor = [this](QPointF plaats) {
        test::Stuur(Arbeid().Vlak(), QEvent::MouseMove, plaats, Qt::NoButton);
        return Arbeid().Vlak()->cursor().shape();
    };
    EXPECT_EQ(cursor(Plaats(1)), Qt::PointingHandCursor);
    EXPECT_EQ(cursor(Plaats(1) + QPointF(0, 3 * PlaatsStraal)), Qt::ArrowCursor);

    KlikKnoop(0);
    KlikKnoop(2);
    EXPECT_EQ(Gekozen(), (std::vector<int>{0, 2}));
    EXPECT_FALSE(venster->EigenMechanisme().Beweegt());
    EXPECT_EQ(Kleur(0), QColor(Qt::yellow));
    EXPECT_EQ(Kleur(1), QColor(Qt::white));
    EXPECT_EQ(Kleur(2), QColor(Qt::yellow));
    const int star = Arbeid().Vlak()->height();

    KlikKnoop(1);
    ASSERT_TRUE(venster->EigenMechanisme().Beweegt());
    EXPECT_NEAR(venster->EigenMechanisme().Bezwijklast, 8 * 50.0 / 6, 1e-6);
    EXPECT_GT(Arbeid().Vlak()->height(), star + 200);
    EXPECT_EQ(Kleur(1), QColor(Qt::yellow));

    // A second click takes a hinge back; a click beside every place chooses nothing.
    KlikKnoop(2);
    EXPECT_EQ(Gekozen(), (std::vector<int>{0, 1}));
    Klik(Arbeid().Vlak(), Plaats(2) + QPointF(0, -3 * PlaatsStraal));
    EXPECT_EQ(Gekozen(), (std::vector<int>{0, 1}));

    Arbeid().WisKnop()->click();
    EXPECT_TRUE(Gekozen().empty());
    EXPECT_TRUE(venster->Toestand().EigenScharnieren.empty());
    EXPECT_EQ(Kleur(0), QColor(Qt::white));
    EXPECT_LT(Arbeid().Vlak()->height(), star);

    KlikKnoop(1);
    EXPECT_EQ(geschiedenis.count(), stappen);
    EXPECT_EQ(geschiedenis.index(), index);
    EXPECT_EQ(venster->Document().Gewijzigd(), gewijzigd);
    EXPECT_EQ(structuur.count(), 0);
    EXPECT_TRUE(ZelfdeStructuur(venster->Constructie(), voor));
    EXPECT_EQ(venster->AantalAnalyses(), 1);

    // A mechanism chosen in the chooser ends the own mechanism; its choice stays for later.
    QComboBox* keuze = venster->Zijpaneel()->MechanismeKeuze();
    keuze->setCurrentIndex(0);
    emit keuze->activated(0);
    EXPECT_FALSE(Knop()->isChecked());
    EXPECT_FALSE(Arbeid().EigenGetoond());
    EXPECT_TRUE(Arbeid().Punten.empty());
    Klik(Arbeid().Vlak(), {10, 10});
    Knop()->click();
    EXPECT_EQ(venster->Toestand().EigenScharnieren.size(), 1u);
    EXPECT_EQ(geschiedenis.count(), stappen);
}

// The choice outlasts a new analysis of the edited frame, by node; a new structure clears it.
TEST_F(EigenMechanismeVenster, KeuzeBlijftBijEenNieuweAnalyse) {
    Knop()->click();
    for (const int knoop : {0, 1, 2}) {
        KlikKnoop(knoop);
    }
    ASSERT_NEAR(venster->EigenMechanisme().Bezwijklast, 8 * 50.0 / 6, 1e-6);
    venster->Document().Bewerk({}, [](TConstructie& c) {
        for (auto& s : c.Staven) {
            s.Mp = 100.0;
        }
    });
    venster->ToonWanneerBezwijken();
    EXPECT_EQ(venster->AantalAnalyses(), 2);
    EXPECT_EQ(Gekozen(), (std::vector<int>{0, 1, 2}));
    EXPECT_NEAR(venster->EigenMechanisme().Bezwijklast, 8 * 100.0 / 6, 1e-6);

    venster->LaadConstructie("Voorbeeld");
    EXPECT_TRUE(venster->Toestand().EigenScharnieren.empty());
    EXPECT_TRUE(Gekozen().empty());
}

// At the middle joint of a two-bay portal every bar end is a place of its own: the view draws
// them apart along their bars, so that a click on each chooses that one; a click beside all of
// them chooses none.
TEST(PlaatsKiezen, ElkStaafeindApart) {
    Teksten teksten;
    TAnalyse analyse(teksten);
    const TConstructie c = test::TweeveldsPortaal(50.0, true);
    const TEigenAnalyse eigen(c, teksten, ',');
    const TEigenMechanisme geen = eigen.Bereken({});
    TWeergaveOpties opties;
    QImage beeld = test::WitVlak(800, 2000);
    QPainter p(&beeld);
    TRechthoek gebied{0, 0, 800, 2000};
    std::vector<TPlaatsPunt> punten;
    TekenEigenMechanisme(p, gebied, {eigen, geen}, {analyse, c, opties, teksten, 600}, punten);
    p.end();
    ASSERT_EQ(punten.size(), eigen.Plaatsen().size());
    int opDeKnoop = 0;
    for (const TPlaatsPunt& punt : punten) {
        EXPECT_EQ(ZoekPlaats(punten, punt.Punt), punt.Plaats);
        // Drawn as an open circle: white inside, grey on its rim.
        EXPECT_EQ(beeld.pixelColor(QPointF(punt.Punt.x, punt.Punt.y).toPoint()), QColor(Qt::white));
        opDeKnoop += eigen.Plaatsen()[static_cast<std::size_t>(punt.Plaats)].Knoop == 3 ? 1 : 0;
    }
    EXPECT_EQ(opDeKnoop, 3);
    const TPunt naast{punten.front().Punt.x + 2 * PlaatsStraal,
                      punten.front().Punt.y - 2 * PlaatsStraal};
    EXPECT_EQ(ZoekPlaats(punten, naast), -1);
}

// A six-storey frame drawn for a window 500 pixels high keeps its drawing within that height, so
// that the equation follows in sight; drawn for no window it takes the full width.
TEST(ArbeidTekening, PastInDeHoogteVanHetVenster) {
    Teksten teksten;
    const TConstructie c = test::Gebouw(6, 1);
    TAnalyse analyse(teksten);
    analyse.BepaalMechanismen(c);
    analyse.BerekeningDeel2();
    TWeergaveOpties opties;
    for (int i = 0; i < TWeergaveOpties::Aantal; ++i) {
        opties[i] = i == woVirtArbVgl;
    }
    Klikgebieden klik{};
    const auto onder = [&](double zichtbaar) {
        QImage beeld = test::WitVlak(600, 5000);
        QPainter p(&beeld);
        TRechthoek gebied{0, 0, 600, 5000};
        TekenWanneerBezwijken(p, gebied, analyse.MaatgevendMechanisme, klik,
                              {analyse, c, opties, teksten, zichtbaar});
        return gebied.Bottom;
    };
    const double titel = test::TitelOnder(teksten[TekstWanneerTitel], 600);
    const double beperkt = onder(500);
    EXPECT_LT(beperkt, titel + 900);
    // Without a window's height the picture only keeps to its own largest size.
    EXPECT_GT(onder(0), beperkt + 200);
}

} // namespace
} // namespace kx
