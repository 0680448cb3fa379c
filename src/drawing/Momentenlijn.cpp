#include "drawing/Momentenlijn.h"

#include "drawing/Blokken.h"
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
#include <utility>
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

namespace {
// A value written beside the moment line, placed once everything else is drawn.
struct TMomentLabel {
    QColor Kleur;
    std::string Tekst;
    std::vector<TLabelPlek> Plekken;
};

// What is drawn over the moment areas once all of them are painted, so that no later area
// covers it: the red ordinates of values beyond Mp, then the values.
struct TOverDeVlakken {
    std::vector<std::pair<TPunt, TPunt>> RodeLijnen;
    std::vector<TMomentLabel> Labels;
};

// Pixels per kNm of the ordinates: the largest moment gets OrdinaatPixels; 0 without moments.
double Ordinaatschaal(const TKrachtsverdeling& v) {
    double grootste = 0.0;
    for (const auto& s : v.Staven) {
        grootste = std::max({grootste, std::fabs(s.M0), std::fabs(s.M1)});
    }
    return grootste > 0.0 ? OrdinaatPixels / grootste : 0.0;
}

// The tops of the ordinates m of a bar drawn from a to b, on its right side as seen on the
// screen walking from a to b.
std::array<TPunt, 2> Toppen(TPunt a, TPunt b, const std::array<double, 2>& m, double schaal) {
    const double lengte = std::hypot(b.x - a.x, b.y - a.y);
    const TPunt rechts{-(b.y - a.y) / lengte, (b.x - a.x) / lengte};
    return {TPunt{a.x + rechts.x * m[0] * schaal, a.y + rechts.y * m[0] * schaal},
            TPunt{b.x + rechts.x * m[1] * schaal, b.y + rechts.y * m[1] * schaal}};
}

// The box the moment areas take on the screen, with a line of room for a value above and below.
TRechthoek Momentbereik(const QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                        const TKrachtsverdeling& v) {
    TRechthoek bereik = cel.Cel;
    const double schaal = Ordinaatschaal(v);
    const double h = RegelHoogte(painter, Opmaak(opLabel)) + 3.0;
    for (const auto& s : v.Staven) {
        const auto& staaf = c.Staven[static_cast<std::size_t>(s.Slot)];
        const TPunt a = cel.Scherm(Wereld(Knoop(c, staaf.Knoop0)));
        const TPunt b = cel.Scherm(Wereld(Knoop(c, staaf.Knoop1)));
        if (!(std::hypot(b.x - a.x, b.y - a.y) > 0.0)) {
            continue;
        }
        for (const TPunt& top : Toppen(a, b, {s.M0, s.M1}, schaal)) {
            bereik.Top = std::min(bereik.Top, top.y - h);
            bereik.Bottom = std::max(bereik.Bottom, top.y + h);
        }
    }
    return bereik;
}

// Paints the areas of the moment line on the tension side of every bar and returns what goes
// over them, each end's value once per node and value, a value beyond Mp in red.
TOverDeVlakken TekenMomentvlakken(QPainter& painter, const TConstructie& c,
                                  const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                                  char decimaalteken) {
    TOverDeVlakken over;
    const double schaal = Ordinaatschaal(v);
    if (!(schaal > 0.0)) {
        return over;
    }
    const double grootste = OrdinaatPixels / schaal;
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
        if (!(std::hypot(b.x - a.x, b.y - a.y) > 0.0)) {
            continue;
        }
        const std::array<TPunt, 2> voet{a, b};
        const std::array<TPunt, 2> top = Toppen(a, b, m, schaal);
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
                over.RodeLijnen.emplace_back(voet[e], top[e]);
            }
            auto& eerder = geschreven[knopen[e]];
            if (!teGroot && std::any_of(eerder.begin(), eerder.end(), [&](double w) {
                    return std::fabs(w - waarde) <= 1e-6 * grootste;
                })) {
                continue;
            }
            eerder.push_back(waarde);
            const TPunt t = top[e];
            over.Labels.push_back({teGroot ? KleurRood : KleurZwart,
                                   AlgemeenGetal(waarde, Cijfers, decimaalteken),
                                   {{{t.x + 4.0, t.y - h / 2.0}, uitLinks},
                                    {{t.x - 4.0, t.y - h / 2.0}, uitRechts},
                                    {{t.x, t.y - h - 3.0}, uitMidden},
                                    {{t.x, t.y + 3.0}, uitMidden}}});
        }
    }
    return over;
}

void TekenRodeLijnen(QPainter& painter, const std::vector<std::pair<TPunt, TPunt>>& lijnen) {
    painter.save();
    painter.setPen(QPen(KleurRood, 2));
    for (const auto& [voet, top] : lijnen) {
        painter.drawLine(QPointF(voet.x, voet.y), QPointF(top.x, top.y));
    }
    painter.restore();
}
} // namespace

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
    TCelAfbeelding cel = MaakTekeningCel(c, gebied, y + TekeningMarge, maxHoogte, hoogteDeel);
    // Ordinates that reach beyond the frame move it down and make the picture higher, so that
    // they stay clear of the text above and below.
    const TRechthoek bereik = Momentbereik(painter, c, cel, v);
    const double omlaag = std::max(0.0, cel.Cel.Top - bereik.Top);
    cel.Cel.Top += omlaag;
    cel.Cel.Bottom += omlaag;
    const double onder = std::max(cel.Cel.Bottom, bereik.Bottom + omlaag) + TekeningMarge;
    TLabelPlaatser labels({gebied.Left, y, gebied.Right, onder});
    const TOverDeVlakken over = TekenMomentvlakken(painter, c, cel, v, decimaalteken);
    TekenStaven(painter, c, cel, KleurZwart, 2.0);
    TekenRodeLijnen(painter, over.RodeLijnen);
    TekenOpleggingen(painter, c, cel, KleurZwart);
    TekenScharnieren(painter, c, cel, v);
    const TOpmaak opmaak = Opmaak(opLabel);
    for (const TMomentLabel& waarde : over.Labels) {
        labels.Plaats(painter, waarde.Kleur, opmaak, waarde.Tekst, waarde.Plekken);
    }
    MeldBlok(painter, y, onder, TBlokSoort::Tekening);
    return onder;
}

} // namespace kx
