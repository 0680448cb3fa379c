#include "ui/MechanismeTabel.h"
#include "VensterHulp.h"
#include "engine/Analyse.h"
#include "text/TekstNamen.h"
#include "ui/AnalyseVenster.h"
#include "ui/Zijpaneel.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QSortFilterProxyModel>
#include <QTest>

#include <vector>

namespace kx {
namespace {

using Kind = TmdiPlastokinetica::Kind;

class MechanismeTabelTest : public test::HoofdvensterBasis {
protected:
    TMechanismeTabel& Open(const char* bron) {
        Start();
        venster->resize(1400, 900);
        venster->Editorvenster()->showNormal();
        if (std::string(bron) == "Voorbeeld") {
            venster->LaadConstructie(bron);
        } else {
            dialogen.OpenAntwoorden = {QString::fromUtf8(bron)};
            venster->Openen();
        }
        venster->ToonHoeBezwijken();
        venster->Kindvenster(Kind::kindHoeBezwijken)->resize(700, 600);
        QApplication::processEvents();
        auto* tabel = venster->Mechanismevenster()->findChild<TMechanismeTabel*>();
        EXPECT_NE(tabel, nullptr);
        return *tabel;
    }

    static QString Cel(const TMechanismeTabel& tabel, int rij, int kolom) {
        return tabel.model()->index(rij, kolom).data().toString();
    }

    // The mechanism numbers (1-based) in the order the table shows them.
    static std::vector<int> Volgorde(const TMechanismeTabel& tabel) {
        std::vector<int> nummers;
        for (int rij = 0; rij < tabel.model()->rowCount(); ++rij) {
            nummers.push_back(tabel.MechanismeInRij(rij) + 1);
        }
        return nummers;
    }
};

// The portal frame: three mechanisms with the hinges and loads of the report, worked by hand
// (equation of mechanism 1: 175 = 3 Fp), sortable by every column.
TEST_F(MechanismeTabelTest, VoorbeeldRijenEnSorteervolgorde) {
    TMechanismeTabel& tabel = Open("Voorbeeld");
    ASSERT_EQ(tabel.model()->rowCount(), 3);
    ASSERT_EQ(tabel.model()->columnCount(), 4);
    EXPECT_EQ(tabel.model()->headerData(2, Qt::Horizontal).toString().toStdString(),
              venster->Tekst()[TekstKolomBezwijklast]);
    struct Rij {
        QString nummer, scharnieren, fp;
    };
    const std::vector<Rij> verwacht{
        {"1 (Maatgevend)", "3, 5", "58.33"}, {"2", "1, 5", "83.33"}, {"3", "1, 3", "∞"}};
    for (int rij = 0; rij < 3; ++rij) {
        const Rij& v = verwacht[static_cast<std::size_t>(rij)];
        EXPECT_EQ(Cel(tabel, rij, 0), v.nummer) << rij;
        EXPECT_EQ(Cel(tabel, rij, 1), v.scharnieren) << rij;
        EXPECT_EQ(Cel(tabel, rij, 2).replace(',', '.'), v.fp) << rij;
    }
    // The moment check: the governing mechanism's line stays within Mp, the other finite one
    // exceeds it, and a mechanism whose loads do no work has no force distribution.
    EXPECT_EQ(Cel(tabel, 0, 3), "1");
    EXPECT_GT(Cel(tabel, 1, 3).replace(',', '.').toDouble(), 1.0);
    EXPECT_EQ(Cel(tabel, 2, 3), QString());
    EXPECT_TRUE(tabel.model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(tabel.model()->index(1, 0).data(Qt::FontRole).value<QFont>().bold());

    struct Sortering {
        int kolom;
        Qt::SortOrder richting;
        std::vector<int> volgorde;
    };
    for (const auto& s : std::vector<Sortering>{{2, Qt::DescendingOrder, {3, 2, 1}},
                                                {2, Qt::AscendingOrder, {1, 2, 3}},
                                                {1, Qt::AscendingOrder, {3, 2, 1}},
                                                {1, Qt::DescendingOrder, {1, 2, 3}},
                                                {0, Qt::DescendingOrder, {3, 2, 1}},
                                                {3, Qt::AscendingOrder, {1, 2, 3}}}) {
        tabel.sortByColumn(s.kolom, s.richting);
        EXPECT_EQ(Volgorde(tabel), s.volgorde) << s.kolom << ' ' << s.richting;
    }
}

// A click on a row opens that mechanism's virtual work view; the display option hides the table.
TEST_F(MechanismeTabelTest, KlikOpentDeArbeidsviewEnOptieVerbergt) {
    TMechanismeTabel& tabel = Open("Voorbeeld");
    tabel.sortByColumn(0, Qt::DescendingOrder);
    const QRect cel = tabel.visualRect(tabel.model()->index(0, 0));
    QTest::mouseClick(tabel.viewport(), Qt::LeftButton, {}, cel.center());
    EXPECT_EQ(venster->Toestand().GekozenMechanisme, 2);
    ASSERT_NE(venster->Kindvenster(Kind::kindWanneerBezwijken), nullptr);
    EXPECT_EQ(venster->Zijpaneel()->MechanismeKeuze()->currentIndex(), 2);

    EXPECT_TRUE(tabel.isVisible());
    venster->Zijpaneel()->Vinkje(woMechanismeTabel)->click();
    EXPECT_FALSE(venster->Toestand().WeergaveOpties[woMechanismeTabel]);
    EXPECT_FALSE(tabel.isVisible());
    venster->Zijpaneel()->Vinkje(woMechanismeTabel)->click();
    EXPECT_TRUE(tabel.isVisible());
}

// The chain of fifteen bars: 1820 rows; sorted by collapse load the governing one comes first
// and the loads do not decrease.
TEST_F(MechanismeTabelTest, KetenAlleRijenGesorteerdOpBezwijklast) {
    TMechanismeTabel& tabel = Open(KX_FIXTURES "/keten15.kx");
    ASSERT_TRUE(dialogen.Meldingen.isEmpty());
    const TAnalyse& analyse = venster->Analyse();
    ASSERT_EQ(tabel.model()->rowCount(), 1820);
    tabel.sortByColumn(2, Qt::AscendingOrder);
    const std::vector<int> volgorde = Volgorde(tabel);
    const auto fp = [&](int nummer) {
        return analyse.Mechanismen[static_cast<std::size_t>(nummer - 1)].Vgl.Bezwijklast;
    };
    EXPECT_EQ(volgorde.front() - 1, analyse.MaatgevendMechanisme);
    for (std::size_t i = 1; i < volgorde.size(); ++i) {
        ASSERT_LE(fp(volgorde[i - 1]), fp(volgorde[i])) << i;
    }
}

} // namespace
} // namespace kx
