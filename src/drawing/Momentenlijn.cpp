#include "drawing/Momentenlijn.h"

#include "drawing/Knoopstand.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "engine/Getalnotatie.h"
#include "engine/Toleranties.h"

#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace kx {

namespace {
constexpr double TekeningMarge = 10.0;
constexpr double OrdinaatPixels = 45.0;
constexpr double ScharnierDiameter = 7.0;
constexpr int Cijfers = 4;
// Moments below this share of the largest one are rounding.
constexpr double Ruis = 1e-9;

TPunt Wereld(const TConstructieKnoop& k) {
    return {k.X, -k.Y};
}

const TConstructieKnoop& Knoop(const TConstructie& c, int k) {
    return c.Knopen[static_cast<std::size_t>(k)];
}
} // namespace

TCelAfbeelding MaakTekeningCel(const TConstructie& c, const TRechthoek& gebied, double y,
                               double maxHoogte, double hoogteDeel) {
    TGrenzen grenzen;
    bool eerste = true;
    for (const auto& k : c.Knopen) {
        if (!k.Bestaat) {
            continue;
        }
        const TPunt p = Wereld(k);
        if (eerste) {
            grenzen = {p.x, p.y, p.x, p.y};
            eerste = false;
        }
        grenzen = {std::min(grenzen.xmin, p.x), std::min(grenzen.ymin, p.y),
                   std::max(grenzen.xmax, p.x), std::max(grenzen.ymax, p.y)};
    }
    if (grenzen.Hoogte() < hoogteDeel * grenzen.Breedte()) {
        const double midden = (grenzen.ymin + grenzen.ymax) / 2.0;
        grenzen.ymin = midden - hoogteDeel * grenzen.Breedte() / 2.0;
        grenzen.ymax = midden + hoogteDeel * grenzen.Breedte() / 2.0;
    }
    grenzen = Schaalbaar(grenzen);
    TRechthoek cel{gebied.Left, y, gebied.Right, y};
    PasHoogteAan(grenzen, cel);
    if (cel.Bottom - cel.Top > maxHoogte) {
        const double breedte = (cel.Right - cel.Left) * maxHoogte / (cel.Bottom - cel.Top);
        const double midden = (cel.Left + cel.Right) / 2.0;
        cel = {midden - breedte / 2.0, y, midden + breedte / 2.0, y + maxHoogte};
    }
    return {grenzen, cel};
}

void TekenStaven(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel, QColor kleur,
                 double breedte) {
    painter.save();
    painter.setPen(QPen(kleur, breedte));
    for (const auto& s : c.Staven) {
        if (s.Bestaat) {
            const TPunt a = cel.Scherm(Wereld(Knoop(c, s.Knoop0)));
            const TPunt b = cel.Scherm(Wereld(Knoop(c, s.Knoop1)));
            painter.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
        }
    }
    painter.restore();
}

void TekenOpleggingen(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                      QColor kleur) {
    const auto richtingen = StaafRichtingen(c);
    for (std::size_t i = 0; i < c.Knopen.size(); ++i) {
        const auto& k = c.Knopen[i];
        if (k.Bestaat) {
            TekenAnalyseKnoop(painter, k, cel.Scherm(Wereld(k)), richtingen[i], kleur);
        }
    }
}

// A value written beside the moment line, placed once everything else is drawn.
struct TMomentLabel {
    QColor Kleur;
    std::string Tekst;
    std::vector<TLabelPlek> Plekken;
};

// The areas of the moment line, with the values to write beside them: a later area would cover
// a value written before it, so they are written after all areas and bars.
std::vector<TMomentLabel> TekenMomentvlakken(QPainter& painter, const TConstructie& c,
                                             const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                                             char decimaalteken) {
    std::vector<TMomentLabel> teSchrijven;
    double grootste = 0.0;
    for (const auto& s : v.Staven) {
        grootste = std::max({grootste, std::fabs(s.M0), std::fabs(s.M1)});
    }
    if (grootste <= 0.0) {
        return teSchrijven;
    }
    const double schaal = OrdinaatPixels / grootste;
    const TOpmaak opmaak = Opmaak(opLabel);
    const int h = RegelHoogte(painter, opmaak);
    // Per node the values written so far: two bar ends with the same moment get one label.
    std::map<int, std::vector<double>> geschreven;
    for (const auto& s : v.Staven) {
        const auto& staaf = c.Staven[static_cast<std::size_t>(s.Slot)];
        const std::array<int, 2> knopen{staaf.Knoop0, staaf.Knoop1};
        const std::array<double, 2> m{s.M0, s.M1};
        const TPunt a = cel.Scherm(Wereld(Knoop(c, knopen[0])));
        const TPunt b = cel.Scherm(Wereld(Knoop(c, knopen[1])));
        const double lengte = std::hypot(b.x - a.x, b.y - a.y);
        if (lengte <= 0.0) {
            continue;
        }
        // The right side of the bar as seen on the screen, walking from Knoop0 to Knoop1.
        const TPunt rechts{-(b.y - a.y) / lengte, (b.x - a.x) / lengte};
        const std::array<TPunt, 2> voet{a, b};
        std::array<TPunt, 2> top{};
        for (int e = 0; e < 2; ++e) {
            top[e] = {voet[e].x + rechts.x * m[e] * schaal, voet[e].y + rechts.y * m[e] * schaal};
        }
        painter.save();
        painter.setPen(QPen(KleurMiddengrijs, 1));
        painter.setBrush(KleurLichtgrijs);
        const QPointF vlak[] = {{a.x, a.y}, {top[0].x, top[0].y}, {top[1].x, top[1].y}, {b.x, b.y}};
        painter.drawPolygon(vlak, 4);
        painter.restore();
        for (int e = 0; e < 2; ++e) {
            const double waarde = std::fabs(m[e]);
            if (waarde <= Ruis * grootste) {
                continue;
            }
            const bool teGroot = waarde > staaf.Mp * (1.0 + Verhoudingstolerantie);
            if (teGroot) {
                painter.save();
                painter.setPen(QPen(KleurRood, 2));
                painter.drawLine(QPointF(voet[e].x, voet[e].y), QPointF(top[e].x, top[e].y));
                painter.restore();
            }
            auto& eerder = geschreven[knopen[e]];
            if (!teGroot && std::any_of(eerder.begin(), eerder.end(), [&](double w) {
                    return std::fabs(w - waarde) <= 1e-6 * grootste;
                })) {
                continue;
            }
            eerder.push_back(waarde);
            const TPunt t = top[e];
            teSchrijven.push_back({teGroot ? KleurRood : KleurZwart,
                                   AlgemeenGetal(waarde, Cijfers, decimaalteken),
                                   {{{t.x + 4.0, t.y - h / 2.0}, uitLinks},
                                    {{t.x - 4.0, t.y - h / 2.0}, uitRechts},
                                    {{t.x, t.y - h - 3.0}, uitMidden},
                                    {{t.x, t.y + 3.0}, uitMidden}}});
        }
    }
    return teSchrijven;
}

void TekenScharnieren(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                      const TKrachtsverdeling& v) {
    painter.save();
    painter.setPen(QPen(KleurRood, 1));
    for (const auto& s : v.Scharnieren) {
        painter.setBrush(s.Draait ? KleurGeel : KleurWit);
        TekenCirkel(painter, cel.Scherm(Wereld(Knoop(c, s.Knoop))), ScharnierDiameter);
    }
    painter.restore();
}

double TekenMomentenlijn(QPainter& painter, const TRechthoek& gebied, double y,
                         const TConstructie& c, const TKrachtsverdeling& v, char decimaalteken,
                         double maxHoogte, double hoogteDeel) {
    const TCelAfbeelding cel = MaakTekeningCel(c, gebied, y + TekeningMarge, maxHoogte, hoogteDeel);
    TLabelPlaatser labels({gebied.Left, y, gebied.Right, cel.Cel.Bottom + TekeningMarge});
    const auto waarden = TekenMomentvlakken(painter, c, cel, v, decimaalteken);
    TekenStaven(painter, c, cel, KleurZwart, 2.0);
    TekenOpleggingen(painter, c, cel, KleurZwart);
    TekenScharnieren(painter, c, cel, v);
    const TOpmaak opmaak = Opmaak(opLabel);
    for (const TMomentLabel& waarde : waarden) {
        labels.Plaats(painter, waarde.Kleur, opmaak, waarde.Tekst, waarde.Plekken);
    }
    return cel.Cel.Bottom + TekeningMarge;
}

} // namespace kx
