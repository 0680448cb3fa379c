#include "Hulp.h"
#include "drawing/Vergrijzing.h"
#include "ui/WanneerBezwijkenVenster.h"

#include <QPushButton>
#include <QTableView>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;

const QString Banier = QStringLiteral("Verouderd: de constructie is gewijzigd — druk F6/F7/F8");

// Pixels whose colour is not a grey.
int Kleurig(const QImage& beeld) {
    int aantal = 0;
    for (int y = 0; y < beeld.height(); ++y) {
        for (int x = 0; x < beeld.width(); ++x) {
            const QColor c = beeld.pixelColor(x, y);
            aantal += c.red() != c.green() || c.green() != c.blue() ? 1 : 0;
        }
    }
    return aantal;
}

class Verouderd : public test::HoofdvensterBasis {
protected:
    // The example with its three analysis windows open, arranged beside the editor.
    void SetUp() override {
        StartGroot();
        for (auto toon :
             {&TmdiPlastokinetica::ToonHoeBezwijken, &TmdiPlastokinetica::ToonWanneerBezwijken,
              &TmdiPlastokinetica::ToonKrachtsverdeling}) {
            ((*venster).*toon)();
        }
        venster->Rangschikken();
        QApplication::processEvents();
    }

    TAnalyseVenster& Venster(int kind) { return *venster->Analysevenster(kind); }
    QImage Beeld(int kind) {
        QApplication::processEvents();
        return Venster(kind).Vlak()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Every analysis window marked out of date or none, with or without its banner.
    void VerwachtVerouderd(bool verouderd) {
        // The table below the mechanism pictures writes its numbers in black, or in grey.
        if (verouderd) {
            EXPECT_GT(DonkersteTabeltekst(), 100);
        } else {
            EXPECT_LT(DonkersteTabeltekst(), 60);
        }
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(kind);
            EXPECT_EQ(Venster(kind).Verouderd(), verouderd);
            EXPECT_EQ(Venster(kind).Banier()->isVisible(), verouderd);
            EXPECT_EQ(Venster(kind).Banier()->text(), Banier);
            // Colour of its own: the hinges of a chosen mechanism, the moment line's checks.
            const bool eigen = venster->Arbeidsvenster()->EigenGetoond();
            if (verouderd) {
                EXPECT_EQ(Kleurig(Beeld(kind)), 0);
            } else if (kind != Kind::kindWanneerBezwijken || !eigen) {
                EXPECT_GT(Kleurig(Beeld(kind)), 0);
            }
        }
    }
    // The darkest grey of the mechanism table's rows.
    int DonkersteTabeltekst() {
        auto* tabel = venster->Mechanismevenster()->findChild<QTableView*>();
        const QImage beeld = tabel->viewport()->grab().toImage();
        int donkerst = 255;
        for (int y = 0; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x) {
                donkerst = std::min(donkerst, qGray(beeld.pixel(x, y)));
            }
        }
        return donkerst;
    }
    double Fp() const {
        const TAnalyse& a = venster->Analyse();
        return a.Mechanismen[static_cast<std::size_t>(a.MaatgevendMechanisme)].Vgl.Bezwijklast;
    }
    // Every bar's Mp, as one step.
    void ZetMp(double mp) {
        venster->Document().Bewerk(QStringLiteral("Mp"), [mp](TConstructie& c) {
            for (auto& s : c.Staven) {
                s.Mp = mp;
            }
        });
    }
};

// An edit leaves the results on screen, as they were and where they were, but grey and under
// a banner in every analysis window, until the next analysis; the views keep drawing the
// structure that was analysed, not the one drawn since.
TEST_F(Verouderd, EenBewerkingMarkeertElkAnalysevensterTotDeVolgendeAnalyse) {
    VerwachtVerouderd(false);
    std::vector<QImage> actueel;
    for (int kind = 0; kind < 3; ++kind) {
        actueel.push_back(Beeld(kind));
    }
    // Every load twice as large: the mechanisms keep their shape, their load arrows do not.
    venster->Document().Bewerk({}, [](TConstructie& c) {
        for (auto& b : c.Belastingen) {
            b.Fx *= 2;
            b.Fy *= 2;
        }
    });
    ASSERT_FALSE(venster->Document().ResultatenGeldig());
    VerwachtVerouderd(true);
    // The virtual work view fits its drawing to the height in sight, which the banner takes from.
    for (const int kind : {Kind::kindHoeBezwijken, Kind::kindKrachtsverdeling}) {
        QImage grijs = actueel[static_cast<std::size_t>(kind)];
        Vergrijs(grijs);
        EXPECT_EQ(Beeld(kind), grijs) << kind;
    }
    EXPECT_GT(test::Inkt(Beeld(Kind::kindWanneerBezwijken), QRect(0, 0, 2000, 2000)), 1000);
    EXPECT_EQ(venster->AantalAnalyses(), 1);

    venster->ToonKrachtsverdeling();
    EXPECT_EQ(venster->AantalAnalyses(), 2);
    VerwachtVerouderd(false);
    EXPECT_NE(Beeld(Kind::kindHoeBezwijken), actueel[Kind::kindHoeBezwijken]);
}

// A structure the check refuses is not analysed: the windows stay marked. The scale and the
// own mechanism's window are marked like the rest.
TEST_F(Verouderd, GeweigerdeControleEnSchaalLatenDeMarkering) {
    venster->Zijpaneel()->EigenMechanismeKnop()->click();
    ASSERT_TRUE(venster->Arbeidsvenster()->EigenGetoond());
    Editor().Schaal()->setValue(2);
    VerwachtVerouderd(true);
    venster->ToonHoeBezwijken();
    VerwachtVerouderd(false);

    venster->Document().Bewerk({}, [](TConstructie& c) {
        for (auto& b : c.Belastingen) {
            b.Bestaat = false;
        }
    });
    venster->ToonHoeBezwijken();
    EXPECT_EQ(dialogen.Meldingen, QStringList{"Er staan geen krachten op de constructie. "});
    VerwachtVerouderd(true);
}

// Undo and redo each make the results stale: F6 after an undo analyses the structure as it is
// then, with the collapse load of that structure.
TEST_F(Verouderd, OngedaanMakenEnOpnieuwMakenDeResultatenOud) {
    const double fp = Fp();
    ZetMp(80);
    venster->ToonHoeBezwijken();
    const double fp80 = Fp();
    ASSERT_NE(fp80, fp);
    VerwachtVerouderd(false);

    venster->OngedaanMaken();
    EXPECT_FALSE(venster->Document().ResultatenGeldig());
    VerwachtVerouderd(true);
    venster->ToonHoeBezwijken();
    EXPECT_EQ(venster->AantalAnalyses(), 3);
    EXPECT_EQ(venster->Krachten().Constructie(), venster->Constructie());
    EXPECT_EQ(Fp(), fp);
    VerwachtVerouderd(false);

    venster->Opnieuw();
    EXPECT_FALSE(venster->Document().ResultatenGeldig());
    VerwachtVerouderd(true);
    venster->ToonHoeBezwijken();
    EXPECT_EQ(Fp(), fp80);
}

} // namespace
} // namespace kx
