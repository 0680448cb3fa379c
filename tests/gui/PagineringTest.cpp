#include "Hulp.h"
#include "drawing/HoeBezwijkenView.h"

#include <QPicture>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <numeric>

namespace kx {
namespace {

// Lists of any length, made of copies of the example's first mechanism, drawn by the mechanism
// view with only its list of mechanisms shown.
class Paginering : public ::testing::Test {
protected:
    Teksten teksten;
    TConstructie constructie = Voorbeeld();
    TAnalyse analyse{teksten};
    TWeergaveOpties opties;
    TViewContext ctx{analyse, constructie, opties, teksten};
    TMechanisme mechanisme;

    void SetUp() override {
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        ASSERT_GT(analyse.AantalMechanismen, 0);
        mechanisme = analyse.Mechanismen[0];
        for (int i = 0; i < TWeergaveOpties::Aantal; ++i) {
            opties[i] = i == woMogBezwMech;
        }
        analyse.Basis.clear();
    }
    void Lijst(int aantal) {
        analyse.Mechanismen.assign(static_cast<std::size_t>(aantal), mechanisme);
        analyse.AantalMechanismen = aantal;
    }
    // The click regions of the page asked for, drawn as a window of the given width lays it out.
    Klikgebieden Teken(int gevraagd, int breedte) const {
        QPicture plaat;
        QPainter painter(&plaat);
        TRechthoek gebied{0, 0, static_cast<double>(breedte), 0};
        Klikgebieden klik{};
        TekenHoeBezwijken(painter, gebied, gevraagd, klik, ctx);
        return klik;
    }
};

// The mechanisms a page shows: the Doel of its active cells, in cell order.
std::vector<int> Getoond(const Klikgebieden& klik) {
    std::vector<int> getoond;
    for (int i = 0; i < KlikVorige; ++i) {
        if (klik[static_cast<std::size_t>(i)].Doel >= 0) {
            getoond.push_back(klik[static_cast<std::size_t>(i)].Doel);
        }
    }
    return getoond;
}

std::vector<int> Reeks(int van, int aantal) {
    std::vector<int> reeks(static_cast<std::size_t>(aantal));
    std::iota(reeks.begin(), reeks.end(), van);
    return reeks;
}

int Doel(const Klikgebieden& klik, int i) {
    return std::max(-1, klik[static_cast<std::size_t>(i)].Doel);
}

// A page as the user meets it: "pagina k van N", the mechanisms shown and where the links lead
// (-1 inactive), the page-number links in their order.
struct TBezoek {
    TPagina Pagina;
    std::vector<int> Getoond;
    int Eerste = -1;
    int Vorige = -1;
    int Volgende = -1;
    int Laatste = -1;
    std::vector<int> Sprongen;
};
using TBezoeker = std::function<TBezoek(int gevraagd)>;

// Walks every page of aantal mechanisms, p to a page, forward with "Volgende" from the first and
// back with "Vorige" from the last: page j of N shows the p mechanisms from (j - 1) p, the last
// page the last p, so every mechanism is shown going forward and going back shows the same pages.
// "Eerste", "Laatste" and the numbers 1, j - 2 ... j + 2 and N lead to the page they name, on
// every page or (alleLinks false) on the middle one.
void Wandel(const TBezoeker& bezoek, int aantal, int p, bool alleLinks) {
    const int paginas = (aantal + p - 1) / p;
    const auto verwacht = [&](int j) {
        return j < paginas ? Reeks((j - 1) * p, p)
                           : Reeks(std::max(0, aantal - p), std::min(p, aantal));
    };
    int gevraagd = 0;
    for (int j = 1; j <= paginas; ++j) {
        const TBezoek b = bezoek(gevraagd);
        ASSERT_EQ(b.Getoond, verwacht(j)) << "heen, pagina " << j;
        ASSERT_EQ(b.Pagina.Nummer, j);
        ASSERT_EQ(b.Pagina.Aantal, paginas);
        ASSERT_EQ(b.Volgende >= 0, j < paginas) << j;
        gevraagd = b.Volgende;
    }
    gevraagd = aantal - 1;
    for (int j = paginas; j >= 1; --j) {
        const TBezoek b = bezoek(gevraagd);
        ASSERT_EQ(b.Getoond, verwacht(j)) << "terug, pagina " << j;
        ASSERT_EQ(b.Pagina.Nummer, j);
        ASSERT_EQ(b.Vorige >= 0, j > 1) << j;
        gevraagd = b.Vorige;
    }
    for (int j = 1; j <= paginas; ++j) {
        if (!alleLinks && j != (paginas + 1) / 2) {
            continue;
        }
        const TBezoek b = bezoek(verwacht(j).front());
        ASSERT_EQ(b.Eerste >= 0, j > 1) << j;
        ASSERT_EQ(b.Laatste >= 0, j < paginas) << j;
        if (j > 1) {
            ASSERT_EQ(bezoek(b.Eerste).Getoond, verwacht(1)) << j;
        }
        if (j < paginas) {
            ASSERT_EQ(bezoek(b.Laatste).Getoond, verwacht(paginas)) << j;
        }
        std::vector<int> nummers;
        for (int k = 1; k <= paginas; ++k) {
            if (k != j && (k == 1 || k == paginas || std::abs(k - j) <= 2)) {
                nummers.push_back(k);
            }
        }
        ASSERT_EQ(b.Sprongen.size(), nummers.size()) << j;
        for (std::size_t i = 0; i < nummers.size(); ++i) {
            ASSERT_EQ(bezoek(b.Sprongen[i]).Getoond, verwacht(nummers[i]))
                << "van pagina " << j << " naar " << nummers[i];
        }
    }
}

const std::vector<int> Lengtes{1, 2, 3, 4, 5, 8, 9, 10, 15, 16, 17, 31, 33, 100, 1820, 5000};
const std::vector<int> Breedtes{400, 600, 800, 1000};

// The pages and the targets of the pager for lists of 1 to 5000 mechanisms, at each number of
// columns, every link on every page.
TEST(PagerDoelen, ElkePaginaHeenEnTerug) {
    for (const int aantal : Lengtes) {
        for (const int breedte : Breedtes) {
            SCOPED_TRACE(std::to_string(aantal) + " mechanismen, " + std::to_string(breedte) +
                         " pixels");
            const int p = Kolommen(breedte) * Kolommen(breedte);
            Wandel(
                [&](int gevraagd) {
                    const TPagina pagina = PaginaMet(gevraagd, p, aantal);
                    const TPagerDoelen d = PagerDoelen(pagina, aantal);
                    TBezoek b{pagina,     Reeks(pagina.Eerste, pagina.Laatste - pagina.Eerste + 1),
                              d.Eerste,   d.Vorige,
                              d.Volgende, d.Laatste,
                              {}};
                    for (const auto& [k, doel] : d.Nummers) {
                        if (doel >= 0) {
                            b.Sprongen.push_back(doel);
                        }
                    }
                    return b;
                },
                aantal, p, true);
        }
    }
}

// The same walk through the click regions of the drawn view, which are what the window follows,
// for the lists of up to 100 mechanisms.
TEST_F(Paginering, ElkePaginaHeenEnTerugInDeTekening) {
    for (const int aantal : Lengtes) {
        if (aantal > 100) {
            continue;
        }
        Lijst(aantal);
        for (const int breedte : Breedtes) {
            SCOPED_TRACE(std::to_string(aantal) + " mechanismen, " + std::to_string(breedte) +
                         " pixels");
            const TRechthoek gebied{0, 0, static_cast<double>(breedte), 0};
            Wandel(
                [&](int gevraagd) {
                    const Klikgebieden klik = Teken(gevraagd, breedte);
                    TBezoek b{PaginaVoor(gebied, gevraagd, analyse),
                              Getoond(klik),
                              Doel(klik, KlikEerste),
                              Doel(klik, KlikVorige),
                              Doel(klik, KlikVolgende),
                              Doel(klik, KlikLaatste),
                              {}};
                    for (int i = KlikPaginaNummer; i < static_cast<int>(klik.size()); ++i) {
                        if (Doel(klik, i) >= 0) {
                            b.Sprongen.push_back(Doel(klik, i));
                        }
                    }
                    return b;
                },
                aantal, Kolommen(breedte) * Kolommen(breedte), false);
        }
    }
}

// The pager offers the first and last page and two on either side of the page shown, with a gap
// between numbers that do not follow each other.
TEST(PaginaSprongen, EersteLaatsteEnTweeOpzij) {
    const auto sprongen = [](int nummer, int aantal) {
        return PaginaSprongen(Pagina(nummer, 16, 16 * aantal));
    };
    EXPECT_EQ(sprongen(1, 1), (std::vector<int>{1}));
    EXPECT_EQ(sprongen(1, 2), (std::vector<int>{1, 2}));
    EXPECT_EQ(sprongen(1, 114), (std::vector<int>{1, 2, 3, 0, 114}));
    EXPECT_EQ(sprongen(4, 114), (std::vector<int>{1, 2, 3, 4, 5, 6, 0, 114}));
    EXPECT_EQ(sprongen(57, 114), (std::vector<int>{1, 0, 55, 56, 57, 58, 59, 0, 114}));
    EXPECT_EQ(sprongen(113, 114), (std::vector<int>{1, 0, 111, 112, 113, 114}));
    EXPECT_TRUE(PaginaSprongen(Pagina(1, 16, 0)).empty());
}

// A caption belongs to its picture's click region: the blue of "Mechanisme i" lies within the
// region, below the drawing, on every page size.
TEST_F(Paginering, HetOnderschriftIsKlikbaar) {
    Lijst(20);
    for (const int breedte : Breedtes) {
        SCOPED_TRACE(breedte);
        QImage beeld = test::WitVlak(breedte, 3000);
        QPainter painter(&beeld);
        TRechthoek gebied{0, 0, static_cast<double>(breedte), 3000};
        Klikgebieden klik{};
        TekenHoeBezwijken(painter, gebied, 0, klik, ctx);
        painter.end();
        const auto cellen = Getoond(klik);
        ASSERT_FALSE(cellen.empty());
        for (std::size_t i = 0; i < cellen.size(); ++i) {
            const TKlikgebied& g = klik[i];
            const QRect onderschrift(Pixel(g.Left), Pixel(g.Bottom) - 20, Pixel(g.Right - g.Left),
                                     20);
            EXPECT_GT(test::Inkt(beeld, onderschrift, KleurBlauw), 20) << i;
            const QRect eronder(Pixel(g.Left), Pixel(g.Bottom) + 1, Pixel(g.Right - g.Left), 20);
            EXPECT_EQ(test::Inkt(beeld, eronder, KleurBlauw), 0) << i;
        }
    }
}

// "pagina 2 van 5" stands between "Vorige" and "Volgende", black and as wide as its text.
TEST_F(Paginering, DePaginaStaatTussenDeLinks) {
    Lijst(20);
    QImage beeld = test::WitVlak(500, 3000);
    QPainter painter(&beeld);
    TRechthoek gebied{0, 0, 500, 3000};
    Klikgebieden klik{};
    TekenHoeBezwijken(painter, gebied, 4, klik, ctx);
    const int breedte = RegelBreedte(painter, Opmaak(opLink), "pagina 2 van 5");
    painter.end();
    const TKlikgebied& vorige = klik[KlikVorige];
    const TKlikgebied& volgende = klik[KlikVolgende];
    ASSERT_GE(vorige.Doel, 0);
    ASSERT_GE(volgende.Doel, 0);
    ASSERT_EQ(vorige.Top, volgende.Top);
    const QRect tussen(Pixel(vorige.Right) + 1, Pixel(vorige.Top),
                       Pixel(volgende.Left) - Pixel(vorige.Right) - 2,
                       Pixel(vorige.Bottom - vorige.Top));
    EXPECT_EQ(test::Inkt(beeld, tussen, KleurBlauw), 0);
    const int links = test::RandInkt(beeld, tussen, false);
    const int rechts = test::RandInkt(beeld, tussen, true);
    ASSERT_GE(links, 0);
    EXPECT_NEAR(rechts - links + 1, breedte, 3);
}

} // namespace
} // namespace kx
