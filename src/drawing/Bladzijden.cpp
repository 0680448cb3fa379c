#include "drawing/Bladzijden.h"

#include "drawing/Opmaak.h"

#include <QPagedPaintDevice>

#include <algorithm>

namespace kx {

namespace {
// A white gap at least this high lies between blocks or drawings, not between text lines.
constexpr int BreedGat = 8;

// Per row of the picture: whether it is white, and whether it holds one of the greys that only
// the drawings of structures and mechanisms use.
struct TRijen {
    std::vector<bool> Wit;
    std::vector<bool> Grijs;
};

bool IsTekeningGrijs(QRgb kleur) {
    const QRgb rgb = kleur & 0xffffff;
    return rgb == (KleurLichtgrijs.rgb() & 0xffffff) ||
           rgb == (KleurMiddengrijs.rgb() & 0xffffff) || rgb == (KleurZilver.rgb() & 0xffffff);
}

TRijen LeesRijen(const QImage& beeld) {
    TRijen rijen;
    for (int y = 0; y < beeld.height(); ++y) {
        const auto* regel = reinterpret_cast<const QRgb*>(beeld.constScanLine(y));
        const auto* einde = regel + beeld.width();
        rijen.Wit.push_back(
            std::all_of(regel, einde, [](QRgb kleur) { return (kleur & 0xffffff) == 0xffffff; }));
        rijen.Grijs.push_back(std::any_of(regel, einde, IsTekeningGrijs));
    }
    return rijen;
}

// The end of the page that starts at begin: a cut at y keeps rows [begin, y) on this page. The
// lowest wide white gap is taken unless drawing greys lie on both sides of it (a gap inside a
// drawing), else the lowest white row, else the page height.
int Paginaeinde(const TRijen& rijen, int begin, int paginaHoogte) {
    const int hoogte = static_cast<int>(rijen.Wit.size());
    const int grens = begin + paginaHoogte;
    const auto wit = [&](int y) { return rijen.Wit[static_cast<std::size_t>(y)]; };
    const auto grijs = [&](int y) { return rijen.Grijs[static_cast<std::size_t>(y)]; };
    int breedGat = -1;
    int laagsteWit = -1;
    for (int a = begin; a < grens;) {
        if (!wit(a)) {
            ++a;
            continue;
        }
        int b = a;
        while (b < hoogte && wit(b)) {
            ++b;
        }
        // In the middle of the gap: a drawn outline reaches a little beyond its pixels.
        const int snede = std::min((a + b + 1) / 2, grens);
        const bool inTekening = a > 0 && b < hoogte && grijs(a - 1) && grijs(b);
        if (b - a >= BreedGat && !inTekening && snede - begin > paginaHoogte / 4) {
            breedGat = snede;
        }
        if (snede > begin) {
            laagsteWit = snede;
        }
        a = b;
    }
    return breedGat != -1 ? breedGat : (laagsteWit != -1 ? laagsteWit : grens);
}

// The picture as the page breaks are sought in: without smoothed text, so that only the
// drawings hold the drawing greys.
QImage Zoekbeeld(const TPlaat& plaat) {
    QImage beeld(plaat.Grootte.expandedTo({1, 1}), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter painter(&beeld);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (plaat.Teken) {
        plaat.Teken(painter);
    }
    return beeld;
}
} // namespace

QPicture Opname(const TPlaat& plaat) {
    QPicture opname;
    QPainter painter(&opname);
    if (plaat.Teken) {
        plaat.Teken(painter);
    }
    painter.end();
    opname.setBoundingRect(QRect(QPoint(0, 0), plaat.Grootte));
    return opname;
}

QImage Rasterbeeld(const TPlaat& plaat) {
    QImage beeld(plaat.Grootte.expandedTo({1, 1}), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter painter(&beeld);
    if (plaat.Teken) {
        plaat.Teken(painter);
    }
    return beeld;
}

std::vector<int> Paginagrenzen(const QImage& beeld, int paginaHoogte) {
    const int hoogte = beeld.height();
    paginaHoogte = std::max(1, paginaHoogte);
    const TRijen rijen = LeesRijen(beeld);
    std::vector<int> grenzen{0};
    while (hoogte - grenzen.back() > paginaHoogte) {
        grenzen.push_back(Paginaeinde(rijen, grenzen.back(), paginaHoogte));
    }
    grenzen.push_back(hoogte);
    return grenzen;
}

int TekenOpBladzijden(QPagedPaintDevice& apparaat, const TPlaat& plaat) {
    const QPicture opname = Opname(plaat);
    // Playing a recording scales it from its resolution to the device's by itself.
    const double r = static_cast<double>(apparaat.logicalDpiY()) / opname.logicalDpiY();
    const double breedte = std::max(1, plaat.Grootte.width());
    const double hoogte = std::max(1, plaat.Grootte.height());
    double passend = std::min(1.0, apparaat.width() / (r * breedte));
    if (!plaat.Deelbaar) {
        passend = std::min(passend, apparaat.height() / (r * hoogte));
    }
    const int paginaHoogte = static_cast<int>(apparaat.height() / (r * passend));
    const std::vector<int> grenzen = plaat.Deelbaar ? Paginagrenzen(Zoekbeeld(plaat), paginaHoogte)
                                                    : std::vector<int>{0, plaat.Grootte.height()};

    QPainter painter(&apparaat);
    for (std::size_t p = 0; p + 1 < grenzen.size(); ++p) {
        if (p > 0) {
            apparaat.newPage();
        }
        const double boven = grenzen[p] * r;
        painter.save();
        painter.scale(passend, passend);
        painter.setClipRect(QRectF(0, 0, breedte * r, (grenzen[p + 1] - grenzen[p]) * r));
        painter.translate(0, -boven);
        painter.drawPicture(0, 0, opname);
        painter.restore();
    }
    return static_cast<int>(grenzen.size()) - 1;
}

} // namespace kx
