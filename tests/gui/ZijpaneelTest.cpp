#include "ui/Zijpaneel.h"
#include "text/Teksten.h"
#include "ui/PaneelKnop.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>

namespace kx {
namespace {

class ZijpaneelTest : public ::testing::Test {
protected:
    ZijpaneelTest() { paneel.show(); }

    QWidget* Paneel(int groep) const { return paneel.Inklapknop(groep)->parentWidget(); }
    int Open() const {
        int open = 0;
        for (int groep = 0; groep < 4; ++groep) {
            open += paneel.Uitgeklapt(groep) ? 1 : 0;
        }
        return open;
    }
    void Klik(int optie) {
        paneel.Vinkje(optie)->click();
        ++klikken;
    }
    bool Vlag(int optie) const { return paneel.WeergaveOpties()[optie]; }

    Teksten teksten;
    TZijpaneel paneel{teksten, nullptr};
    int klikken = 0;
};

TEST_F(ZijpaneelTest, HoogOpentAlleGroepenEnSchiktZeOnderElkaar) {
    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    const int dicht = Paneel(TZijpaneel::grpHoeBezwijken)->height();

    paneel.PasAanHoogte(620);
    EXPECT_FALSE(paneel.KleinScherm());
    EXPECT_EQ(Open(), 4);
    EXPECT_GT(Paneel(TZijpaneel::grpHoeBezwijken)->height(), dicht);
    for (int groep = 1; groep < 4; ++groep) {
        EXPECT_GT(Paneel(groep)->y(), Paneel(groep - 1)->geometry().bottom()) << groep;
    }
}

TEST_F(ZijpaneelTest, LaagLaatHoogstensEenGroepOpen) {
    paneel.PasAanHoogte(619);
    EXPECT_TRUE(paneel.KleinScherm());
    EXPECT_EQ(Open(), 0);

    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    paneel.WisselGroep(TZijpaneel::grpWanneerBezwijken);
    EXPECT_FALSE(paneel.Uitgeklapt(TZijpaneel::grpHoeBezwijken));
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));

    // One open group survives further low resizes.
    paneel.PasAanHoogte(500);
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));
    EXPECT_EQ(Open(), 1);
}

// An explanation counts only with its main box ticked; unticking the main box greys the
// explanation box but keeps its tick for later.
TEST_F(ZijpaneelTest, UitlegVlagVraagtBeideVinkjes) {
    QSignalSpy gewijzigd(&paneel, &TZijpaneel::WeergaveGewijzigd);
    for (int hoofd = woStatOnbep; hoofd < woMechanismeTabel; hoofd += 2) {
        const int uitleg = hoofd + 1;
        Klik(uitleg);
        EXPECT_FALSE(Vlag(uitleg)) << uitleg;
        EXPECT_TRUE(Vlag(hoofd)) << hoofd;
        Klik(uitleg);
        Klik(hoofd);
        EXPECT_FALSE(Vlag(hoofd)) << hoofd;
        EXPECT_FALSE(Vlag(uitleg)) << uitleg;
        EXPECT_FALSE(paneel.Vinkje(uitleg)->isEnabled());
        EXPECT_TRUE(paneel.Vinkje(uitleg)->isChecked());
        EXPECT_TRUE(Vlag(hoofd == woStatOnbep ? woMogBezwMech : woStatOnbep));
        Klik(hoofd);
        EXPECT_TRUE(paneel.Vinkje(uitleg)->isEnabled());
        EXPECT_TRUE(Vlag(uitleg)) << uitleg;
    }
    EXPECT_EQ(gewijzigd.count(), klikken);
}

// In either language every check box and the hint show their whole text.
TEST(Zijpaneel, TekstenPassenInBeideTalen) {
    Teksten nederlands;
    Teksten engels;
    ASSERT_EQ(engels.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal, Teksten::Aantal);
    for (const Teksten* teksten : {&nederlands, &engels}) {
        TZijpaneel paneel(*teksten, nullptr);
        paneel.show();
        for (int optie = woStatOnbep; optie < TWeergaveOpties::Aantal; ++optie) {
            const QCheckBox* vinkje = paneel.Vinkje(optie);
            EXPECT_LE(vinkje->sizeHint().width(), vinkje->width()) << vinkje->text().toStdString();
        }
        for (int i = 0; i < 6; ++i) {
            paneel.ToonBewerking(static_cast<TBewerking>(i));
            const QLabel* hint = paneel.Aanwijzing();
            EXPECT_LE(hint->heightForWidth(hint->width()), hint->height())
                << hint->text().toStdString();
        }
    }
}

} // namespace
} // namespace kx
