#include "drawing/HoeBezwijkenView.h"
#include "Hulp.h"
#include "Raamwerken.h"

namespace kx {
namespace {

// A frame of two or more independent mechanisms gets a section of its own below the list and its
// pager: the two-bay portal's four independent mechanisms are drawn there with their plastic
// hinges (yellow), the building's are only named, since its list holds them. Nothing is drawn
// below the height the view reports.
TEST(HoeBezwijkenView, DeOnafhankelijkeMechanismenOnderDeLijst) {
    const auto raamwerken = test::LeerboekRaamwerken();
    struct Geval {
        const char* Naam;
        TConstructie Frame;
        bool Getekend;
    };
    for (const auto& [naam, frame, getekend] :
         std::vector<Geval>{{raamwerken[11].Naam, raamwerken[11].Constructie, true},
                            {"gebouw 6 x 3", test::Gebouw(6, 3), false}}) {
        SCOPED_TRACE(naam);
        const Teksten teksten;
        TConstructie constructie = frame;
        TAnalyse analyse(teksten);
        ASSERT_EQ(ControleerVoorAnalyse(constructie, teksten), "");
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        ASSERT_GE(analyse.Basis.size(), 2U);
        const TWeergaveOpties opties;
        QImage beeld = test::WitVlak(1000, 8000);
        QPainter painter(&beeld);
        TRechthoek gebied{0, 0, 1000, 8000};
        Klikgebieden klik{};
        TekenHoeBezwijken(painter, gebied, 0, klik, {analyse, constructie, opties, teksten});
        painter.end();
        double pager = 0.0;
        for (int i = KlikVorige; i < static_cast<int>(klik.size()); ++i) {
            pager = std::max(pager, klik[static_cast<std::size_t>(i)].Bottom);
        }
        ASSERT_GT(pager, 0.0);
        const int onder = static_cast<int>(pager) + 1;
        const QRect sectie(0, onder, 1000, static_cast<int>(gebied.Bottom) - onder);
        EXPECT_GT(test::Inkt(beeld, sectie), 500);
        EXPECT_EQ(test::Inkt(beeld, sectie, KleurGeel) > 0, getekend);
        EXPECT_EQ(test::Inkt(beeld, QRect(0, static_cast<int>(gebied.Bottom), 1000, 100)), 0);
    }
}

} // namespace
} // namespace kx
