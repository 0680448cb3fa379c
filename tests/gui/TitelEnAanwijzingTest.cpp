#include "Hulp.h"

namespace kx {
namespace {

class TitelEnAanwijzing : public test::HoofdvensterBasis {
protected:
    QString Aanwijzing() const { return venster->Zijpaneel()->Aanwijzing()->text(); }
    QString EigenAanwijzing() const {
        return QString::fromStdString(venster->Tekst()[TekstEersteAanwijzing]);
    }
};

// The title marks a changed structure: on at an edit, off again at the saved state, after an
// undo back to it, and after Nieuw, whose empty structure needs no saving: Nieuw then asks
// nothing, and an undo of it is a change again.
TEST_F(TitelEnAanwijzing, GewijzigdTekenInDeTitel) {
    Start();
    EXPECT_TRUE(venster->windowTitle().startsWith(QStringLiteral("Plastokinetica[*]")));
    EXPECT_FALSE(venster->isWindowModified());
    Bewerk();
    EXPECT_TRUE(venster->isWindowModified());
    QTemporaryDir map;
    dialogen.OpslaanAntwoorden = {map.filePath(QStringLiteral("portaal"))};
    venster->OpslaanAls();
    EXPECT_FALSE(venster->isWindowModified());
    EXPECT_TRUE(venster->windowTitle().startsWith("Plastokinetica - " +
                                                  map.filePath(QStringLiteral("portaal.kx[*]"))));
    test::Sleep(Editor(), {280, 80}, {280, 200});
    EXPECT_TRUE(venster->isWindowModified());
    venster->OngedaanMaken();
    EXPECT_FALSE(venster->isWindowModified());
    venster->Opnieuw();
    EXPECT_TRUE(venster->isWindowModified());

    dialogen.Antwoorden = {TAntwoord::Nee};
    venster->Nieuw();
    EXPECT_EQ(dialogen.Vragen.size(), 1);
    EXPECT_FALSE(venster->Document().Gewijzigd());
    EXPECT_FALSE(venster->isWindowModified());
    EXPECT_TRUE(venster->windowTitle().startsWith(QStringLiteral("Plastokinetica[*]")));
    venster->Nieuw();
    EXPECT_EQ(dialogen.Vragen.size(), 1);
    venster->OngedaanMaken();
    EXPECT_TRUE(venster->isWindowModified());
    EXPECT_EQ(AantalStaven(), 2);
}

// A refusal in the hint line belongs to the structure it was about: Nieuw and every load give
// the line back to the tool in use.
TEST_F(TitelEnAanwijzing, NieuwWistDeAanwijzing) {
    Start();
    Bewerk();
    Editor().Tabs()->setCurrentIndex(1);
    Editor().ZetCel(0, 3, QStringLiteral("1000"));
    ASSERT_EQ(Aanwijzing().toStdString(), venster->Tekst()[TekstInvoerMp]);
    venster->Nieuw(); // the question is answered No
    EXPECT_EQ(Aanwijzing(), EigenAanwijzing());

    Bewerk();
    Editor().ZetCel(0, 3, QStringLiteral("x"));
    ASSERT_EQ(Aanwijzing().toStdString(), venster->Tekst()[TekstInvoerGeenGetal]);
    venster->LaadConstructie("Voorbeeld");
    EXPECT_EQ(Aanwijzing(), EigenAanwijzing());
}

} // namespace
} // namespace kx
