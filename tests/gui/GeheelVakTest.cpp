#include "ui/GeheelVak.h"
#include "Hulp.h"

#include <QLineEdit>

namespace kx {
namespace {

// Types into a box as the user does: all of its text replaced, then Enter.
void Typ(QSpinBox* vak, const QString& tekst) {
    vak->setFocus();
    vak->selectAll();
    QTest::keyClicks(vak, tekst);
    QTest::keyClick(vak, Qt::Key_Return);
}

class GeheelVak : public test::HoofdvensterBasis {
protected:
    QString Aanwijzing() const { return venster->Zijpaneel()->Aanwijzing()->text(); }
};

// Zoom, fineness and scale take a typed number; one out of range is refused with the range in
// the hint line and the box keeps its value; a number typed digit by digit is taken once.
TEST_F(GeheelVak, ZoomFijnheidEnSchaalNemenGetypteGetallen) {
    StartGroot();
    TfrmConstructie& editor = Editor();
    const int breedte = editor.Tekenvlak()->width();
    Typ(editor.Zoom(), QStringLiteral("80"));
    EXPECT_EQ(editor.Zoom()->value(), 80);
    EXPECT_NEAR(editor.Tekenvlak()->width(), breedte * 2, 1);
    Typ(editor.Fijnheid(), QStringLiteral("3"));
    EXPECT_EQ(editor.Fijnheid()->value(), 3);

    const int stappen = venster->Document().Geschiedenis().count();
    Typ(editor.Schaal(), QStringLiteral("12"));
    EXPECT_EQ(editor.Schaal()->value(), 12);
    EXPECT_EQ(venster->Constructie().Schaal, 12);
    EXPECT_EQ(venster->Document().Geschiedenis().count(), stappen + 1);

    struct Geval {
        QSpinBox* vak;
        QString getypt;
        int waarde;
        QString melding;
    };
    for (const Geval& g : std::vector<Geval>{
             {editor.Zoom(), "200", 80,
              "Zoomen is een geheel getal van 16 tot en met 96. De oude waarde blijft staan."},
             {editor.Zoom(), "8", 80,
              "Zoomen is een geheel getal van 16 tot en met 96. De oude waarde blijft staan."},
             {editor.Fijnheid(), "4", 3,
              "Fijnheid is een geheel getal van 1 tot en met 3. De oude waarde blijft staan."},
             {editor.Schaal(), "30", 12,
              "Schaal [m/hokje] is een geheel getal van 1 tot en met 25. De oude waarde blijft "
              "staan."},
         }) {
        SCOPED_TRACE(g.getypt.toStdString());
        venster->KiesBewerking(TBewerking::StaafToevoegen);
        Typ(g.vak, g.getypt);
        EXPECT_EQ(g.vak->value(), g.waarde);
        EXPECT_EQ(g.vak->text(), QString::number(g.waarde));
        EXPECT_EQ(Aanwijzing(), g.melding);
    }
    EXPECT_EQ(venster->Document().Geschiedenis().count(), stappen + 1);

    // Letters cannot be typed at all; the arrows still step.
    Typ(editor.Zoom(), QStringLiteral("ab"));
    EXPECT_EQ(editor.Zoom()->value(), 80);
    editor.Zoom()->stepUp();
    EXPECT_EQ(editor.Zoom()->value(), 88);
}

} // namespace
} // namespace kx
