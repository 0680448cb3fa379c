#include "ui/Zijpaneel.h"
#include "text/Teksten.h"
#include "ui/PaneelKnop.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSignalSpy>

namespace kx {
namespace {

class ZijpaneelTest : public ::testing::Test {
protected:
    ZijpaneelTest() { paneel.show(); }

    int Hoogte(int groep) const { return Paneel(groep)->height(); }
    int Top(int groep) const { return Paneel(groep)->y(); }
    QWidget* Paneel(int groep) const { return paneel.Inklapknop(groep)->parentWidget(); }
    int Open() const {
        int open = 0;
        for (int groep = 0; groep < 4; ++groep) {
            open += paneel.Uitgeklapt(groep) ? 1 : 0;
        }
        return open;
    }
    void Klik(int optie) { paneel.Vinkje(optie)->click(); }
    bool Vlag(int optie) const { return paneel.WeergaveOpties()[optie]; }

    Teksten teksten;
    TZijpaneel paneel{teksten, nullptr};
};

TEST_F(ZijpaneelTest, HoogOpentAlleGroepenEnSchiktZeOnderElkaar) {
    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    EXPECT_EQ(Hoogte(TZijpaneel::grpHoeBezwijken), 25);

    paneel.PasAanHoogte(620);
    EXPECT_FALSE(paneel.KleinScherm());
    EXPECT_EQ(Open(), 4);
    EXPECT_EQ(Hoogte(TZijpaneel::grpConstructie), 25);
    EXPECT_EQ(Hoogte(TZijpaneel::grpHoeBezwijken), 101);
    EXPECT_EQ(Hoogte(TZijpaneel::grpWanneerBezwijken), 125);
    EXPECT_EQ(Hoogte(TZijpaneel::grpKrachtsverdeling), 101);
    EXPECT_EQ(Top(0), 16);
    EXPECT_EQ(Top(1), 16 + 25 + 7);
    EXPECT_EQ(Top(2), 48 + 101 + 7);
    EXPECT_EQ(Top(3), 156 + 125 + 7);
    EXPECT_EQ(Paneel(0)->parentWidget()->height(), 288 + 101 + 8);
}

TEST_F(ZijpaneelTest, LaagLaatHoogstensEenGroepOpen) {
    paneel.PasAanHoogte(619);
    EXPECT_TRUE(paneel.KleinScherm());
    EXPECT_EQ(Open(), 0);
    EXPECT_EQ(Hoogte(TZijpaneel::grpWanneerBezwijken), 25);
    EXPECT_EQ(Top(3), 16 + 3 * (25 + 7));

    paneel.WisselGroep(TZijpaneel::grpHoeBezwijken);
    paneel.WisselGroep(TZijpaneel::grpWanneerBezwijken);
    EXPECT_FALSE(paneel.Uitgeklapt(TZijpaneel::grpHoeBezwijken));
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));
    EXPECT_EQ(Hoogte(TZijpaneel::grpHoeBezwijken), 25);
    EXPECT_EQ(Hoogte(TZijpaneel::grpWanneerBezwijken), 125);

    // One open group survives further low resizes.
    paneel.PasAanHoogte(500);
    EXPECT_TRUE(paneel.Uitgeklapt(TZijpaneel::grpWanneerBezwijken));
    EXPECT_EQ(Open(), 1);
}

TEST_F(ZijpaneelTest, HoofdvinkjeSchakeltUitlegMaarBewaartHaarVinkje) {
    QSignalSpy gewijzigd(&paneel, &TZijpaneel::WeergaveGewijzigd);
    Klik(woStatOnbep);
    EXPECT_FALSE(paneel.Vinkje(woUitlegStatOnbep)->isEnabled());
    EXPECT_TRUE(paneel.Vinkje(woUitlegStatOnbep)->isChecked());
    EXPECT_FALSE(Vlag(woStatOnbep));
    EXPECT_FALSE(Vlag(woUitlegStatOnbep));
    EXPECT_TRUE(Vlag(woMogBezwMech));
    EXPECT_EQ(gewijzigd.count(), 1);

    Klik(woStatOnbep);
    EXPECT_TRUE(paneel.Vinkje(woUitlegStatOnbep)->isEnabled());
    EXPECT_TRUE(Vlag(woStatOnbep));
    EXPECT_TRUE(Vlag(woUitlegStatOnbep));
}

TEST_F(ZijpaneelTest, UitlegVlagVraagtBeideVinkjes) {
    for (int hoofd = woStatOnbep; hoofd < TWeergaveOpties::Aantal; hoofd += 2) {
        const int uitleg = hoofd + 1;
        Klik(uitleg);
        EXPECT_FALSE(Vlag(uitleg)) << uitleg;
        EXPECT_TRUE(Vlag(hoofd)) << hoofd;
        Klik(uitleg);
        Klik(hoofd);
        EXPECT_FALSE(Vlag(uitleg)) << uitleg;
        EXPECT_TRUE(paneel.Vinkje(uitleg)->isChecked());
        Klik(hoofd);
        EXPECT_TRUE(Vlag(uitleg)) << uitleg;
    }
}

} // namespace
} // namespace kx
