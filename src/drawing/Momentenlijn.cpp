#include "drawing/Momentenlijn.h"

#include "drawing/Blokken.h"
#include "drawing/Knoopstand.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "engine/Getalnotatie.h"
#include "engine/Toleranties.h"
#include "engine/Veldplaats.h"

#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

namespace kx {

namespace {
constexpr double LijnMarge = 10.0;
constexpr double OrdinaatPixels = 45.0;
constexpr double MomentScharnierDiameter = 7.0;
constexpr int LijnCijfers = 4;
// Moments below this share of the largest one are rounding.
constexpr double MomentRuis = 1e-9;

const TConstructieKnoop& Knoop(const TConstructie& c, int k) {
    return c.Knopen[static_cast<std::size_t>(k)];
}

// Where a hinge lies in the world: at its node, or inside its bar's span.
TPunt Plek(const TConstructie& c, const TScharnierMoment& s) {
    const TPunt knoop = Wereld(Knoop(c, s.Knoop));
    if (s.Staaf < 0 || !IsSlot(c.Staven, s.Staaf)) {
        return knoop;
    }
    const auto& staaf = c.Staven[static_cast<std::size_t>(s.Staaf)];
    const TPunt a = Wereld(Knoop(c, staaf.Knoop0));
    const TPunt b = Wereld(Knoop(c, staaf.Knoop1));
    return {a.x + s.Positie * (b.x - a.x), a.y + s.Positie * (b.y - a.y)};
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
// Pieces of the parabola of a bar under a distributed load: a smooth curve at any size.
constexpr int ParaboolStukken = 48;

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

// Where the moment of a bar peaks inside it, or none.
const TVeldpiek* Piek(const TKrachtsverdeling& v, int slot) {
    const auto piek = std::find_if(v.Veldpieken.begin(), v.Veldpieken.end(),
                                   [slot](const TVeldpiek& p) { return p.Slot == slot; });
    return piek == v.Veldpieken.end() ? nullptr : &*piek;
}

// Pixels per kNm of the ordinates: the largest moment, at a bar end or a peak inside a bar, gets
// OrdinaatPixels; 0 without moments.
double Ordinaatschaal(const TKrachtsverdeling& v) {
    double grootste = 0.0;
    for (const auto& s : v.Staven) {
        grootste = std::max({grootste, std::fabs(s.M0), std::fabs(s.M1)});
    }
    for (const auto& piek : v.Veldpieken) {
        grootste = std::max(grootste, std::fabs(piek.M));
    }
    return grootste > 0.0 ? OrdinaatPixels / grootste : 0.0;
}

// A bar drawn from A to B on the screen, with the unit vector to its right side walking from A
// to B, where a sagging moment is drawn.
struct TStaafOpScherm {
    TPunt A;
    TPunt B;
    TPunt Rechts;

    TPunt Op(double xi) const { return {A.x + xi * (B.x - A.x), A.y + xi * (B.y - A.y)}; }
    TPunt Top(double xi, double m, double schaal) const {
        const TPunt voet = Op(xi);
        return {voet.x + Rechts.x * m * schaal, voet.y + Rechts.y * m * schaal};
    }
};

// The bar of s on the screen; none for a bar drawn as a point.
std::optional<TStaafOpScherm> OpScherm(const TConstructie& c, const TCelAfbeelding& cel,
                                       const TStaafkrachten& s) {
    const auto& staaf = c.Staven[static_cast<std::size_t>(s.Slot)];
    const TPunt a = cel.Scherm(Wereld(Knoop(c, staaf.Knoop0)));
    const TPunt b = cel.Scherm(Wereld(Knoop(c, staaf.Knoop1)));
    const double lengte = std::hypot(b.x - a.x, b.y - a.y);
    if (!(lengte > 0.0)) {
        return std::nullopt;
    }
    return TStaafOpScherm{a, b, {-(b.y - a.y) / lengte, (b.x - a.x) / lengte}};
}

// The tops of the ordinates along a bar, from its first end to its last: a straight line
// between the end moments, or under a distributed load the parabola through its peak.
std::vector<TPunt> Momentlijn(const TStaafOpScherm& staaf, const TStaafkrachten& s,
                              const TVeldpiek* piek, double schaal) {
    std::vector<double> plaatsen{0.0, 1.0};
    if (s.Parabool != 0.0) {
        plaatsen.clear();
        for (int i = 0; i <= ParaboolStukken; ++i) {
            plaatsen.push_back(static_cast<double>(i) / ParaboolStukken);
        }
        if (piek != nullptr) {
            plaatsen.insert(std::upper_bound(plaatsen.begin(), plaatsen.end(), piek->Positie),
                            piek->Positie);
        }
    }
    std::vector<TPunt> toppen;
    for (const double xi : plaatsen) {
        toppen.push_back(staaf.Top(xi, MomentInStaaf(s, xi), schaal));
    }
    return toppen;
}

// The box the moment areas take on the screen, with a line of room for a value above and below.
TRechthoek Momentbereik(const QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                        const TKrachtsverdeling& v) {
    TRechthoek bereik = cel.Cel;
    const double schaal = Ordinaatschaal(v);
    const double h = RegelHoogte(painter, Opmaak(opLabel)) + 3.0;
    for (const auto& s : v.Staven) {
        const auto staaf = OpScherm(c, cel, s);
        if (!staaf) {
            continue;
        }
        for (const TPunt& top : Momentlijn(*staaf, s, Piek(v, s.Slot), schaal)) {
            bereik.Top = std::min(bereik.Top, top.y - h);
            bereik.Bottom = std::max(bereik.Bottom, top.y + h);
        }
    }
    return bereik;
}

// Places for a value at the top of an ordinate: beside it, or above or below it, first those
// away from the bar.
std::vector<TLabelPlek> Eindplekken(TPunt t, int h) {
    return {{{t.x + 4.0, t.y - h / 2.0}, uitLinks},
            {{t.x - 4.0, t.y - h / 2.0}, uitRechts},
            {{t.x, t.y - h - 3.0}, uitMidden},
            {{t.x, t.y + 3.0}, uitMidden}};
}

std::vector<TLabelPlek> Piekplekken(TPunt t, TPunt naarBuiten, int h) {
    const TLabelPlek onder{{t.x, t.y + 3.0}, uitMidden};
    const TLabelPlek boven{{t.x, t.y - h - 3.0}, uitMidden};
    const TLabelPlek rechts{{t.x + 4.0, t.y - h / 2.0}, uitLinks};
    const TLabelPlek links{{t.x - 4.0, t.y - h / 2.0}, uitRechts};
    if (std::fabs(naarBuiten.y) >= std::fabs(naarBuiten.x)) {
        return naarBuiten.y > 0.0 ? std::vector{onder, rechts, links, boven}
                                  : std::vector{boven, rechts, links, onder};
    }
    return naarBuiten.x > 0.0 ? std::vector{rechts, onder, boven, links}
                              : std::vector{links, onder, boven, rechts};
}

// Paints the areas of the moment line on the tension side of every bar and returns what goes
// over them: each end's value once per node and value, the peak inside a loaded bar with its
// place, a value beyond Mp in red.
TOverDeVlakken TekenMomentvlakken(QPainter& painter, const TConstructie& c,
                                  const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                                  const Teksten& teksten, char decimaalteken) {
    TOverDeVlakken over;
    const double schaal = Ordinaatschaal(v);
    if (!(schaal > 0.0)) {
        return over;
    }
    const double grootste = OrdinaatPixels / schaal;
    const TOpmaak opmaak = Opmaak(opLabel);
    const int h = RegelHoogte(painter, opmaak);
    const auto teGroot = [](double waarde, double mp) {
        return waarde > mp * (1.0 + Verhoudingstolerantie);
    };
    // Per node the values written so far: two bar ends with the same moment get one label.
    std::map<int, std::vector<double>> geschreven;
    for (const auto& s : v.Staven) {
        const auto opScherm = OpScherm(c, cel, s);
        if (!opScherm) {
            continue;
        }
        const auto& staaf = c.Staven[static_cast<std::size_t>(s.Slot)];
        const TVeldpiek* piek = Piek(v, s.Slot);
        const std::vector<TPunt> lijn = Momentlijn(*opScherm, s, piek, schaal);
        std::vector<QPointF> vlak{{opScherm->A.x, opScherm->A.y}};
        for (const TPunt& top : lijn) {
            vlak.emplace_back(top.x, top.y);
        }
        vlak.emplace_back(opScherm->B.x, opScherm->B.y);
        painter.save();
        painter.setPen(QPen(KleurMiddengrijs, 1));
        painter.setBrush(KleurLichtgrijs);
        painter.drawPolygon(vlak.data(), static_cast<int>(vlak.size()));
        painter.restore();

        const std::array<int, 2> knopen{staaf.Knoop0, staaf.Knoop1};
        const std::array<double, 2> m{s.M0, s.M1};
        const std::array<TPunt, 2> voet{opScherm->A, opScherm->B};
        const std::array<TPunt, 2> top{lijn.front(), lijn.back()};
        for (int e = 0; e < 2; ++e) {
            const double waarde = std::fabs(m[e]);
            if (waarde <= MomentRuis * grootste) {
                continue;
            }
            const bool rood = teGroot(waarde, staaf.Mp);
            if (rood) {
                over.RodeLijnen.emplace_back(voet[e], top[e]);
            }
            auto& eerder = geschreven[knopen[e]];
            if (!rood && std::any_of(eerder.begin(), eerder.end(), [&](double w) {
                    return std::fabs(w - waarde) <= 1e-6 * grootste;
                })) {
                continue;
            }
            eerder.push_back(waarde);
            over.Labels.push_back({rood ? KleurRood : KleurZwart,
                                   AlgemeenGetal(waarde, LijnCijfers, decimaalteken),
                                   Eindplekken(top[e], h)});
        }
        if (piek != nullptr && std::fabs(piek->M) > MomentRuis * grootste) {
            const bool rood = teGroot(std::fabs(piek->M), piek->Mp);
            const TPunt t = opScherm->Top(piek->Positie, piek->M, schaal);
            if (rood) {
                over.RodeLijnen.emplace_back(opScherm->Op(piek->Positie), t);
            }
            const double kant = piek->M > 0.0 ? 1.0 : -1.0;
            over.Labels.push_back(
                {rood ? KleurRood : KleurZwart,
                 AlgemeenGetal(std::fabs(piek->M), LijnCijfers, decimaalteken) + " kNm " +
                     VeldplaatsTekst(c, s.Slot, piek->Positie, teksten, decimaalteken),
                 Piekplekken(t, {kant * opScherm->Rechts.x, kant * opScherm->Rechts.y}, h)});
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
        TekenCirkel(painter, cel.Scherm(Plek(c, s)), MomentScharnierDiameter);
    }
    painter.restore();
}

double TekenMomentenlijn(QPainter& painter, const TRechthoek& gebied, double y,
                         const TConstructie& c, const TKrachtsverdeling& v, const Teksten& teksten,
                         char decimaalteken, double maxHoogte, double hoogteDeel) {
    TCelAfbeelding cel = MaakTekeningCel(c, gebied, y + LijnMarge, maxHoogte, hoogteDeel);
    // Ordinates that reach beyond the frame move it down and make the picture higher, so that
    // they stay clear of the text above and below.
    const TRechthoek bereik = Momentbereik(painter, c, cel, v);
    const double omlaag = std::max(0.0, cel.Cel.Top - bereik.Top);
    cel.Cel.Top += omlaag;
    cel.Cel.Bottom += omlaag;
    const double onder = std::max(cel.Cel.Bottom, bereik.Bottom + omlaag) + LijnMarge;
    TLabelPlaatser labels({gebied.Left, y, gebied.Right, onder});
    const TOverDeVlakken over = TekenMomentvlakken(painter, c, cel, v, teksten, decimaalteken);
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
