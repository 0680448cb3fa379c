#include "drawing/Maatvoering.h"

#include "drawing/Afbeelding.h"
#include "drawing/Tekst.h"

#include <QPen>
#include <QPoint>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace kx {

namespace {
using std::numbers::pi;
constexpr double TickLengte = 8.0;
constexpr double MaatPijl = 6.0;
constexpr double MinMaatLengte = 2.5 * MaatPijl;
constexpr double LabelAfstand = 3.0;
constexpr double MaatLabelAfstand = TickLengte / 2.0 + 1.0;
constexpr double HoekStraal = 20.0;
constexpr double HoekPijl = 6.0;
constexpr double HoekLabelAfstand = 8.0;
constexpr double MomentAfstand = 60.0;
constexpr double MomentStraal = 30.0;
constexpr double MomentPijlLengte = 15.0;
constexpr double MomentPijlBreedte = 8.0;

double Graden(double radialen) {
    return radialen * 180.0 / pi;
}

// Screen point at distance r from c in the direction hoek (counter-clockwise on the screen).
TPunt Richting(TPunt c, double hoek, double r) {
    return {c.x + r * std::cos(hoek), c.y - r * std::sin(hoek)};
}

bool Eindig(TPunt p) {
    return !IsOneindig(p.x) && !IsOneindig(p.y);
}

void PixelLijn(QPainter& painter, TPunt a, TPunt b) {
    painter.drawLine(Pixel(a.x), Pixel(a.y), Pixel(b.x), Pixel(b.y));
}

// Angle difference b - a brought into (-pi, pi].
double HoekVerschil(double a, double b) {
    double d = std::fmod(b - a, 2.0 * pi);
    if (d > pi) {
        d -= 2.0 * pi;
    } else if (d <= -pi) {
        d += 2.0 * pi;
    }
    return d;
}

// A moment label just beyond the end of the arc at angle hoek about c, continuing outward.
TLabelPlek MomentLabel(const QPainter& painter, const TOpmaak& opmaak, TPunt c, double hoek) {
    const double h = RegelHoogte(painter, opmaak);
    const TPunt q = Richting(c, hoek, MomentStraal + MomentPijlBreedte / 2.0 + LabelAfstand);
    const double dx = q.x - c.x;
    const double dy = q.y - c.y;
    if (std::fabs(dy) > std::fabs(dx)) {
        return {{q.x, dy < 0 ? q.y - h : q.y}, uitMidden};
    }
    return {{q.x, q.y - h / 2.0}, dx < 0 ? uitRechts : uitLinks};
}

// The three corners of p for an angle label, the one farthest from the direction weg (a screen
// vector) first; the upper right belongs to the centre's name.
std::vector<TLabelPlek> HoekLabels(const QPainter& painter, const TOpmaak& opmaak, TPunt p,
                                   TPunt weg, const std::string& tekst) {
    const double h = RegelHoogte(painter, opmaak);
    const double b = RegelBreedte(painter, opmaak, tekst);
    const double a = HoekLabelAfstand;
    std::vector<TPunt> hoeken{{-1, -1}, {-1, 1}, {1, 1}};
    std::stable_sort(hoeken.begin(), hoeken.end(), [&](TPunt u, TPunt v) {
        return u.x * weg.x + u.y * weg.y < v.x * weg.x + v.y * weg.y;
    });
    std::vector<TLabelPlek> plekken;
    for (const TPunt& hoek : hoeken) {
        plekken.push_back(
            {{hoek.x < 0 ? p.x - a : p.x + a + b, hoek.y < 0 ? p.y - a - h : p.y + a}, uitRechts});
    }
    return plekken;
}
} // namespace

void TekenPijlpunt(QPainter& painter, QColor kleur, TPunt punt, double hoek, double lengte,
                   double breedte) {
    const TPunt basis = Richting(punt, hoek + pi, lengte);
    const TPunt links = Richting(basis, hoek + pi / 2.0, breedte / 2.0);
    const TPunt rechts = Richting(basis, hoek - pi / 2.0, breedte / 2.0);
    const std::array<QPoint, 3> kop{QPoint(Pixel(punt.x), Pixel(punt.y)),
                                    QPoint(Pixel(links.x), Pixel(links.y)),
                                    QPoint(Pixel(rechts.x), Pixel(rechts.y))};
    painter.save();
    painter.setPen(QPen(kleur, 1));
    painter.setBrush(kleur);
    painter.drawPolygon(kop.data(), static_cast<int>(kop.size()));
    painter.restore();
}

void TekenMaatlijn(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt a, TPunt b,
                   int zijde, const std::string& label, TLabelPlaatser& labels) {
    if (!labels.NieuweMaat(a, b, label)) {
        return;
    }
    const bool horizontaal = std::fabs(b.x - a.x) >= std::fabs(b.y - a.y);
    const double lengte = std::hypot(b.x - a.x, b.y - a.y);
    const double hoek = Richtingshoek(a, b);
    const double dwars = hoek + pi / 2.0;
    painter.save();
    painter.setPen(QPen(kleur, 1));
    PixelLijn(painter, a, b);
    for (const TPunt& p : {a, b}) {
        PixelLijn(painter, Richting(p, dwars, TickLengte / 2.0),
                  Richting(p, dwars, -TickLengte / 2.0));
    }
    painter.restore();
    const bool binnen = lengte >= MinMaatLengte;
    TekenPijlpunt(painter, kleur, a, binnen ? hoek + pi : hoek, MaatPijl, MaatPijl);
    TekenPijlpunt(painter, kleur, b, binnen ? hoek : hoek + pi, MaatPijl, MaatPijl);

    const double h = RegelHoogte(painter, opmaak);
    const TPunt m{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
    const double d = MaatLabelAfstand;
    // Beside the middle of the line, else beyond one of its ends.
    const TPunt laag = a.y >= b.y ? a : b;
    const TPunt hoog = a.y >= b.y ? b : a;
    const TPunt linker = a.x <= b.x ? a : b;
    const TPunt rechter = a.x <= b.x ? b : a;
    if (horizontaal) {
        const TLabelPlek boven{{m.x, m.y - d - h}, uitMidden};
        const TLabelPlek onder{{m.x, m.y + d}, uitMidden};
        std::vector plekken = zijde < 0 ? std::vector{boven, onder} : std::vector{onder, boven};
        plekken.push_back({{linker.x - d - MaatPijl, linker.y - h / 2.0}, uitRechts});
        plekken.push_back({{rechter.x + d + MaatPijl, rechter.y - h / 2.0}, uitLinks});
        labels.Plaats(painter, kleur, opmaak, label, plekken);
    } else {
        const TLabelPlek links{{m.x - d, m.y - h / 2.0}, uitRechts};
        const TLabelPlek rechts{{m.x + d, m.y - h / 2.0}, uitLinks};
        std::vector plekken = zijde < 0 ? std::vector{links, rechts} : std::vector{rechts, links};
        plekken.push_back({{hoog.x, hoog.y - d - MaatPijl - h}, uitMidden});
        plekken.push_back({{laag.x, laag.y + d + MaatPijl}, uitMidden});
        labels.Plaats(painter, kleur, opmaak, label, plekken);
    }
}

namespace {
struct TMaatlijnPlek {
    TPunt A;
    TPunt B;
    int Zijde;
    bool Horizontaal;
};

// The horizontal and the vertical line of a dimension figure that are drawn, in that order.
std::vector<TMaatlijnPlek> Maatlijnen(const TCelAfbeelding& cel, const TMaat& maat) {
    std::vector<TMaatlijnPlek> lijnen;
    if (!Eindig(maat.Van) || !Eindig(maat.Naar)) {
        return lijnen;
    }
    const TPunt a = cel.Scherm(maat.Van);
    const TPunt b = cel.Scherm(maat.Naar);
    if (Afkappen(maat.Naar.x - maat.Van.x) != 0.0) {
        const int zijde = b.y >= a.y ? 1 : -1;
        const double y = b.y + zijde * maat.Offset;
        lijnen.push_back({{a.x, y}, {b.x, y}, zijde, true});
    }
    if (Afkappen(maat.Naar.y - maat.Van.y) != 0.0) {
        const int zijde = b.x >= a.x ? 1 : -1;
        const double x = b.x + zijde * maat.Offset;
        lijnen.push_back({{x, a.y}, {x, b.y}, zijde, false});
    }
    return lijnen;
}
} // namespace

void TekenMaat(QPainter& painter, const TCelAfbeelding& cel, QColor kleur, const TOpmaak& opmaak,
               const TMaat& maat, TLabelPlaatser& labels) {
    for (const TMaatlijnPlek& lijn : Maatlijnen(cel, maat)) {
        TekenMaatlijn(painter, kleur, opmaak, lijn.A, lijn.B, lijn.Zijde,
                      lijn.Horizontaal ? maat.LabelX : maat.LabelY, labels);
    }
}

std::vector<TRechthoek> MaatVakken(const TCelAfbeelding& cel, const TMaat& maat) {
    std::vector<TRechthoek> vakken;
    // Only the ticks and arrowheads stand out; a label may sit beside the line itself.
    const double r = TickLengte / 2.0;
    for (const TMaatlijnPlek& lijn : Maatlijnen(cel, maat)) {
        for (const TPunt& p : {lijn.A, lijn.B}) {
            vakken.push_back({p.x - r, p.y - r, p.x + r, p.y + r});
        }
    }
    return vakken;
}

TRechthoek MomentpijlVak(TPunt eind, TPunt ander) {
    const double langs = Richtingshoek(eind, ander);
    const TPunt c = Richting(eind, langs, MomentAfstand);
    const double begin = langs + pi / 2.0;
    const double rand = MomentPijlBreedte / 2.0;
    TRechthoek vak{c.x, c.y, c.x, c.y};
    for (int stap = 0; stap <= 18; ++stap) {
        const TPunt q = Richting(c, begin + pi * stap / 18.0, MomentStraal);
        vak = {std::min(vak.Left, q.x - rand), std::min(vak.Top, q.y - rand),
               std::max(vak.Right, q.x + rand), std::max(vak.Bottom, q.y + rand)};
    }
    return vak;
}

void TekenAccolade(QPainter& painter, QColor kleur, double x1, double y1, double x2, double y2) {
    const int r = Pixel(y2 - y1) / 2;
    const int m = Pixel(x1 + x2) / 2;
    const int links = Pixel(x1);
    const int rechts = Pixel(x2);
    const int boven = Pixel(y1);
    const int d = 2 * r;
    painter.save();
    painter.setPen(QPen(kleur, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(links, boven - r, d, d), 180 * 16, 90 * 16);
    painter.drawArc(QRect(rechts - d, boven - r, d, d), 270 * 16, 90 * 16);
    if (m - r > links + r) {
        painter.drawLine(links + r, boven + r, m - r, boven + r);
    }
    if (rechts - r > m + r) {
        painter.drawLine(m + r, boven + r, rechts - r, boven + r);
    }
    painter.drawArc(QRect(m - d, boven + r, d, d), 0, 90 * 16);
    painter.drawArc(QRect(m, boven + r, d, d), 90 * 16, 90 * 16);
    painter.restore();
}

void TekenHoekmarkering(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt centrum,
                        TPunt voor, TPunt na, const std::string& label, TLabelPlaatser& labels) {
    const double a1 = Richtingshoek(centrum, voor);
    const double a2 = Richtingshoek(centrum, na);
    const double draai = HoekVerschil(a1, a2);
    painter.save();
    QPen stippel(KleurZilver, 1);
    stippel.setStyle(Qt::DotLine);
    painter.setPen(stippel);
    PixelLijn(painter, centrum, voor);
    PixelLijn(painter, centrum, na);
    painter.setPen(QPen(kleur, 1));
    painter.setBrush(Qt::NoBrush);
    const bool gedraaid = std::fabs(draai) > 1e-9;
    if (gedraaid) {
        const QRectF cirkel(Pixel(centrum.x) - HoekStraal, Pixel(centrum.y) - HoekStraal,
                            2.0 * HoekStraal, 2.0 * HoekStraal);
        painter.drawArc(cirkel, static_cast<int>(Graden(a1) * 16.0),
                        static_cast<int>(Graden(draai) * 16.0));
    }
    painter.restore();
    if (gedraaid) {
        const double raaklijn = a2 + (draai > 0.0 ? pi / 2.0 : -pi / 2.0);
        TekenPijlpunt(painter, kleur, Richting(centrum, a2, HoekStraal), raaklijn, HoekPijl,
                      HoekPijl);
    }
    const TPunt weg = Richting({0.0, 0.0}, a1 + draai / 2.0, 1.0);
    labels.Plaats(painter, kleur, opmaak, label, HoekLabels(painter, opmaak, centrum, weg, label));
}

void TekenMomentpijl(QPainter& painter, QColor kleur, const TOpmaak& opmaak, TPunt eind,
                     TPunt ander, bool linksom, TPunt midden, const std::string& label,
                     TLabelPlaatser& labels) {
    const double langs = Richtingshoek(eind, ander);
    const TPunt c = Richting(eind, langs, MomentAfstand);
    const double naarEind = langs + pi;
    const double begin = naarEind - pi / 2.0;
    const double einde = naarEind + pi / 2.0;
    painter.save();
    painter.setPen(QPen(kleur, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(Pixel(c.x) - MomentStraal, Pixel(c.y) - MomentStraal, 2.0 * MomentStraal,
                           2.0 * MomentStraal),
                    static_cast<int>(Graden(begin) * 16.0), 180 * 16);
    painter.restore();
    const double punt = linksom ? einde : begin;
    TekenPijlpunt(painter, kleur, Richting(c, punt, MomentStraal),
                  punt + (linksom ? pi / 2.0 : -pi / 2.0), MomentPijlLengte, MomentPijlBreedte);

    const auto afstand = [&](double hoek) {
        const TPunt q = Richting(c, hoek, MomentStraal);
        return std::hypot(q.x - midden.x, q.y - midden.y);
    };
    const double buiten = afstand(begin) >= afstand(einde) ? begin : einde;
    const double binnen = buiten == begin ? einde : begin;
    std::vector<TLabelPlek> plekken{MomentLabel(painter, opmaak, c, buiten),
                                    MomentLabel(painter, opmaak, c, binnen)};
    const double regel = RegelHoogte(painter, opmaak) + LabelAfstand;
    for (const TLabelPlek basis : {plekken[0], plekken[1]}) {
        for (const double dy : {-regel, regel}) {
            plekken.push_back({{basis.Anker.x, basis.Anker.y + dy}, basis.Uitlijning});
        }
    }
    labels.PlaatsAlsVrij(painter, kleur, opmaak, label, plekken);
}

void TekenMomentboog(QPainter& painter, QColor kleur, TPunt midden, double straal, bool linksom) {
    constexpr double Begin = 45.0;
    const double zwaai = linksom ? 270.0 : -270.0;
    painter.save();
    painter.setPen(QPen(kleur, 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF vak(midden.x - straal, midden.y - straal, 2 * straal, 2 * straal);
    painter.drawArc(vak, static_cast<int>(Begin * 16), static_cast<int>(zwaai * 16));
    painter.restore();
    const double eind = (Begin + zwaai) * pi / 180.0;
    const double raaklijn = eind + (linksom ? 1.0 : -1.0) * pi / 2.0;
    TekenPijlpunt(painter, kleur, Richting(midden, eind, straal), raaklijn, 8.0, 6.0);
}

} // namespace kx
