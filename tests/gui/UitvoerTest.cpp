#include "Hulp.h"
#include "ui/Exporteren.h"

#include <QPrintPreviewDialog>
#include <QScreen>

namespace kx {
namespace {

// Pixels of exactly this colour.
int Aantal(const QImage& beeld, const QColor& kleur) {
    return test::Inkt(beeld, beeld.rect(), kleur);
}

class Uitvoer : public test::HoofdvensterBasis {
protected:
    void SetUp() override {
        StartGroot();
        venster->ToonConstructievenster();
        QApplication::processEvents();
    }

    QString Exporteer(const QString& naam) { return ExporteerNaar(map.filePath(naam)); }
    QString Svg(const QString& pad) {
        QFile bestand(pad);
        EXPECT_TRUE(bestand.open(QIODevice::ReadOnly));
        return QString::fromUtf8(bestand.readAll()).toLower();
    }

    QTemporaryDir map;
};

// The mouse over a bar paints it blue on the screen, and a drag in progress draws its bar; what
// is printed, exported or copied shows neither: PNG, SVG and the printed picture carry no blue.
TEST_F(Uitvoer, MuiskleurenKomenNietInDeUitvoer) {
    const QColor blauw(0, 0, 255);
    TfrmConstructie& editor = Editor();
    // The example's beam runs at 3 m, y = 120 pixels; its right half from x = 200 to 320.
    editor.ImageConstructieMouseMove(260, 120);
    ASSERT_NE(editor.Gevonden().GevondenStaaf, -1);
    QApplication::processEvents();
    ASSERT_GT(Aantal(editor.Tekenvlak()->grab().toImage(), blauw), 100);

    const QImage png(Exporteer(QStringLiteral("editor.png")));
    ASSERT_EQ(png.size(), editor.Tekenvlak()->size());
    EXPECT_EQ(Aantal(png, blauw), 0);
    EXPECT_GT(Aantal(png, Qt::black), 100);
    const QString svg = Svg(Exporteer(QStringLiteral("editor.svg")));
    EXPECT_FALSE(svg.contains(QStringLiteral("#0000ff")));
    EXPECT_TRUE(svg.contains(QStringLiteral("#000000")));

    // Halfway through drawing a new bar the output has the bars drawn so far, not the new one.
    editor.ImageConstructieMouseMove(40, 300);
    editor.ImageConstructieMouseDown(Qt::LeftButton, 40, 300);
    editor.ImageConstructieMouseMove(40, 380);
    QApplication::processEvents();
    ASSERT_GT(Aantal(editor.Tekenvlak()->grab().toImage(), blauw), 50);
    EXPECT_EQ(QImage(Exporteer(QStringLiteral("sleep.png"))), png);
    const TPlaat plaat = PlaatVan(editor);
    EXPECT_EQ(Aantal(Rasterbeeld(plaat), blauw), 0);
    editor.ImageConstructieMouseUp(Qt::LeftButton, 40, 380);
}

// The print preview opens at a size that can be read: most of the screen.
TEST_F(Uitvoer, AfdrukvoorbeeldOpLeesbareGrootte) {
    venster->ToonWanneerBezwijken();
    venster->Afdrukken();
    QApplication::processEvents();
    QPointer<QPrintPreviewDialog> voorbeeld = venster->findChild<QPrintPreviewDialog*>();
    ASSERT_TRUE(voorbeeld);
    const QRect scherm = venster->screen()->availableGeometry();
    EXPECT_GE(voorbeeld->width(), scherm.width() * 2 / 3);
    EXPECT_GE(voorbeeld->height(), scherm.height() * 4 / 5);
    voorbeeld->close();
    QApplication::processEvents();
    EXPECT_FALSE(voorbeeld);
}

} // namespace
} // namespace kx
