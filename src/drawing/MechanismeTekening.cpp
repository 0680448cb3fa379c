#include "drawing/MechanismeTekening.h"

#include "drawing/Knoopstand.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "engine/Enumeratie.h"
#include "engine/GetekendMechanisme.h"
#include "model/Knoopbetekenis.h"

#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace kx {

namespace {
constexpr double SchetsPixelsPerBelasting = 12.5;
constexpr double PlastischScharnierDiameter = 5.0;
// What a hinge circle or dot at a node takes, in pixels from the node.
constexpr double KnoopRand = 4.0;
// Half the width of a sketched load arrow's head, with its pen.
constexpr double SchetsPijlRand = 4.0;
// A cell is never higher than this, nor than this share of its width: a tall frame is drawn
// narrower instead.
constexpr double MaxCelHoogte = 900.0;
constexpr double MaxCelVerhouding = 1.5;
// Fitting the symbols into the cell changes the scale; a few rounds settle it.
constexpr int AantalPasrondes = 8;
constexpr double PasTolerantie = 0.5;
// The support kinds of part ends in their order, with their codes.
constexpr std::array<std::int32_t, 4> OplegCodes{RolHorizontaal, RolVerticaal, Scharnierend,
                                                 Inklemming};

void SchetsBelastingen(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                       const TOpmaak& opmaak) {
    for (const TConstructieBelasting& b : c.Belastingen) {
        if (!b.Bestaat || !IsSlot(c.Knopen, b.Knoop)) {
            continue;
        }
        const TConstructieKnoop& k = c.Knopen[static_cast<std::size_t>(b.Knoop)];
        const double grootte = std::hypot(b.Fx, b.Fy);
        if (!k.Bestaat || Afkappen(grootte) == 0.0) {
            continue;
        }
        const double hoek = Richtingshoek({0.0, 0.0}, {b.Fx, b.Fy});
        TekenBelasting(painter, KleurLichtgrijs, KleurLichtgrijs, 0.5, opmaak, "",
                       cel.Scherm(Wereld(k)), hoek, SchetsPixelsPerBelasting * grootte);
    }
}

// The two ends of the bar of a distributed load in use, in the world frame; none for a load on a
// bar that is not drawn.
std::optional<std::pair<TPunt, TPunt>> VerdeeldeStaaf(const TConstructie& c,
                                                      const TConstructieVerdeeldeBelasting& q) {
    if (!q.Bestaat || !StaafBestaat(c, q.Staaf) || Afkappen(std::hypot(q.Qx, q.Qy)) == 0.0) {
        return std::nullopt;
    }
    const TConstructieStaaf& s = c.Staven[static_cast<std::size_t>(q.Staaf)];
    if (!KnoopBestaat(c, s.Knoop0) || !KnoopBestaat(c, s.Knoop1)) {
        return std::nullopt;
    }
    return std::pair{Wereld(c.Knopen[static_cast<std::size_t>(s.Knoop0)]),
                     Wereld(c.Knopen[static_cast<std::size_t>(s.Knoop1)])};
}

// A distributed load is sketched at one size whatever its value: its row of arrows shows where
// and which way it acts.
void SchetsVerdeeldeBelastingen(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                                const TOpmaak& opmaak) {
    for (const TConstructieVerdeeldeBelasting& q : c.VerdeeldeBelastingen) {
        if (const auto staaf = VerdeeldeStaaf(c, q)) {
            TekenVerdeeldeBelasting(painter, KleurLichtgrijs, KleurLichtgrijs, 0.5, opmaak, "",
                                    cel.Scherm(staaf->first), cel.Scherm(staaf->second),
                                    Richtingshoek({0.0, 0.0}, {q.Qx, q.Qy}),
                                    SchetsPixelsPerBelasting);
        }
    }
}

// The screen directions of the parts meeting at every undisplaced end point; a part of no length
// has none.
using TEindpunten = std::map<std::pair<double, double>, std::vector<double>>;

std::pair<double, double> Sleutel(const TKnoop& k) {
    return {k.x, k.y};
}

// On the screen y points down.
double SchermRichting(const TKnoop& van, const TKnoop& naar) {
    return Richtingshoek({van.x, -van.y}, {naar.x, -naar.y});
}

TEindpunten Eindpunten(const TMechanisme& mechanisme) {
    TEindpunten punten;
    for (const TStaaf& deel : mechanisme.avStaven) {
        auto& bij0 = punten[Sleutel(deel.Knopen[0])];
        auto& bij1 = punten[Sleutel(deel.Knopen[1])];
        if (Sleutel(deel.Knopen[0]) != Sleutel(deel.Knopen[1])) {
            bij0.push_back(SchermRichting(deel.Knopen[0], deel.Knopen[1]));
            bij1.push_back(SchermRichting(deel.Knopen[1], deel.Knopen[0]));
        }
    }
    return punten;
}

// Where the symbol of a part end goes: on the part beside a joint, else at the end itself.
TPunt EindPlek(TPunt p, TPunt ander, bool knooppunt) {
    if (!knooppunt || (p.x == ander.x && p.y == ander.y)) {
        return p;
    }
    return ScharnierBijKnooppunt(p, Richtingshoek(p, ander));
}

void EindSymbool(QPainter& painter, const TKnoop& eind, TPunt p, TPunt ander,
                 const std::vector<double>& richtingen, QColor kleur, const TOpmaak& opmaak) {
    const bool knooppunt = IsKnooppunt(richtingen);
    if (eind.Soort == KnoopVrijScharnierend) {
        TekenScharnier(painter, kleur, KleurWit, 1.0, opmaak, "", EindPlek(p, ander, knooppunt));
    } else if (eind.Soort == KnoopVrijStijf) {
        if (knooppunt) {
            TekenStijveKnoop(painter, kleur, kleur, 1.0, p);
        }
    } else if (IsOplegging(eind)) {
        const std::int32_t code = OplegCodes[eind.Soort];
        TekenOplegSymbool(painter, code, kleur, KleurWit, opmaak, p, Opleghoek(code, richtingen));
    }
}

// Something drawn at a world point that reaches beyond it by a box of pixels about the point.
struct TUitsteek {
    TPunt Wereld;
    TRechthoek Vak;
};

TRechthoek Omvat(const TRechthoek& a, const TRechthoek& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// The symbols, joint marks and sketched load arrows of the structure at its nodes.
void NeemStructuur(std::vector<TUitsteek>& uit, const TConstructie& c) {
    const auto richtingen = StaafRichtingen(c);
    for (std::size_t i = 0; i < c.Knopen.size(); ++i) {
        const TConstructieKnoop& k = c.Knopen[i];
        if (!k.Bestaat) {
            continue;
        }
        const double rand = IsKnooppunt(richtingen[i]) ? KnooppuntBereik : KnoopRand;
        uit.push_back({Wereld(k),
                       Omvat({-rand, -rand, rand, rand},
                             OplegSymboolVak(k.Oplegging, Opleghoek(k.Oplegging, richtingen[i])))});
    }
    for (const TConstructieBelasting& b : c.Belastingen) {
        if (!b.Bestaat || !IsSlot(c.Knopen, b.Knoop) ||
            !c.Knopen[static_cast<std::size_t>(b.Knoop)].Bestaat) {
            continue;
        }
        // The tail lies against the force, whose y points down as on the screen.
        const TPunt staart{-SchetsPixelsPerBelasting * b.Fx, -SchetsPixelsPerBelasting * b.Fy};
        uit.push_back(
            {Wereld(c.Knopen[static_cast<std::size_t>(b.Knoop)]),
             {std::min(0.0, staart.x) - SchetsPijlRand, std::min(0.0, staart.y) - SchetsPijlRand,
              std::max(0.0, staart.x) + SchetsPijlRand, std::max(0.0, staart.y) + SchetsPijlRand}});
    }
    for (const TConstructieVerdeeldeBelasting& q : c.VerdeeldeBelastingen) {
        const auto staaf = VerdeeldeStaaf(c, q);
        if (!staaf) {
            continue;
        }
        const double grootte = std::hypot(q.Qx, q.Qy);
        const TPunt staart{-SchetsPixelsPerBelasting * q.Qx / grootte,
                           -SchetsPixelsPerBelasting * q.Qy / grootte};
        const TRechthoek vak{
            std::min(0.0, staart.x) - SchetsPijlRand, std::min(0.0, staart.y) - SchetsPijlRand,
            std::max(0.0, staart.x) + SchetsPijlRand, std::max(0.0, staart.y) + SchetsPijlRand};
        uit.push_back({staaf->first, vak});
        uit.push_back({staaf->second, vak});
    }
}

// The support symbols at the displaced part ends.
void NeemVerplaatsteOpleggingen(std::vector<TUitsteek>& uit, const TMechanisme& mechanisme) {
    const TEindpunten punten = Eindpunten(mechanisme);
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            if (IsOplegging(eind)) {
                const std::int32_t code = OplegCodes[eind.Soort];
                uit.push_back({{eind.x + eind.dx, eind.y + eind.dy},
                               OplegSymboolVak(code, Opleghoek(code, punten.at(Sleutel(eind))))});
            }
        }
    }
}

// How many pixels each side of the cell lacks for what reaches beyond the box at scale s, with
// the box's margin of 10% counted in.
TRechthoek Tekort(const TGrenzen& g, const std::vector<TUitsteek>& uitsteeksels, double s) {
    const double mx = 0.1 * g.Breedte() * s;
    const double my = 0.1 * g.Hoogte() * s;
    TRechthoek tekort{};
    for (const TUitsteek& u : uitsteeksels) {
        tekort.Left = std::max(tekort.Left, -u.Vak.Left - (u.Wereld.x - g.xmin) * s - mx);
        tekort.Right = std::max(tekort.Right, u.Vak.Right - (g.xmax - u.Wereld.x) * s - mx);
        tekort.Top = std::max(tekort.Top, -u.Vak.Top - (g.ymax - u.Wereld.y) * s - my);
        tekort.Bottom = std::max(tekort.Bottom, u.Vak.Bottom - (u.Wereld.y - g.ymin) * s - my);
    }
    return tekort;
}

// Widens a box too high for a cell of the given width so that the cell stays within the
// highest a cell may be; returns whether it did.
bool BeperkHoogte(TGrenzen& g, double breedte) {
    const double maxHoogte = std::min(MaxCelHoogte, MaxCelVerhouding * breedte);
    if (breedte * g.Hoogte() / g.Breedte() <= maxHoogte + PasTolerantie) {
        return false;
    }
    const double nieuw = breedte * g.Hoogte() / maxHoogte;
    const double midden = (g.xmin + g.xmax) / 2.0;
    g.xmin = midden - nieuw / 2.0;
    g.xmax = midden + nieuw / 2.0;
    return true;
}

// The box widened until everything drawn at fixed pixel sizes lies inside a cell of the given
// width and the cell is not too high.
TGrenzen PasInCel(const TGrenzen& grenzen, const std::vector<TUitsteek>& uitsteeksels,
                  double breedte) {
    TGrenzen g = Schaalbaar(grenzen);
    if (!(breedte > 0.0) || !std::isfinite(g.Breedte()) || !std::isfinite(g.Hoogte())) {
        return g;
    }
    for (int ronde = 0; ronde < AantalPasrondes; ++ronde) {
        const double s = breedte / (1.2 * g.Breedte());
        const TRechthoek tekort = Tekort(g, uitsteeksels, s);
        g.xmin -= tekort.Left / s;
        g.xmax += tekort.Right / s;
        g.ymax += tekort.Top / s;
        g.ymin -= tekort.Bottom / s;
        const bool beperkt = BeperkHoogte(g, breedte);
        if (!beperkt &&
            std::max({tekort.Left, tekort.Right, tekort.Top, tekort.Bottom}) < PasTolerantie) {
            break;
        }
    }
    return g;
}
} // namespace

TPunt TCelAfbeelding::Scherm(const TKnoop& knoop, bool verplaatst) const {
    return verplaatst ? Scherm(TPunt{knoop.x + knoop.dx, knoop.y + knoop.dy})
                      : Scherm(TPunt{knoop.x, knoop.y});
}

double TCelAfbeelding::Schaal() const {
    return (Cel.Right - Cel.Left) / (1.2 * Schaalbaar(Grenzen).Breedte());
}

TCelAfbeelding MaakCel(const TMechanisme& mechanisme, const TConstructie& constructie, double links,
                       double boven, double rechts, bool metRotatiecentra) {
    std::vector<TUitsteek> uitsteeksels;
    NeemStructuur(uitsteeksels, constructie);
    NeemVerplaatsteOpleggingen(uitsteeksels, mechanisme);
    TCelAfbeelding cel{PasInCel(BepaalGrenzen(mechanisme, constructie, metRotatiecentra),
                                uitsteeksels, rechts - links),
                       {links, boven, rechts, boven}};
    PasHoogteAan(cel.Grenzen, cel.Cel);
    return cel;
}

void TekenAnalyseKnoop(QPainter& painter, const TConstructieKnoop& knoop, TPunt punt,
                       const std::vector<double>& staafRichtingen, QColor kleur) {
    if (IsKnooppunt(staafRichtingen) || !HeeftOplegSymbool(knoop.Oplegging)) {
        TekenVerbinding(painter, kleur, KleurWit, kleur, punt, IsStijf(knoop), staafRichtingen);
    }
    TekenOplegSymbool(painter, knoop.Oplegging, kleur, KleurWit, Opmaak(opTekening), punt,
                      Opleghoek(knoop.Oplegging, staafRichtingen));
}

void TekenSchets(QPainter& painter, const TConstructie& constructie, const TCelAfbeelding& cel,
                 bool metBelastingen) {
    const TOpmaak opmaak = Opmaak(opTekening);
    painter.save();
    painter.setPen(QPen(KleurLichtgrijs, 1));
    for (const TConstructieStaaf& s : constructie.Staven) {
        if (!s.Bestaat || !IsSlot(constructie.Knopen, s.Knoop0) ||
            !IsSlot(constructie.Knopen, s.Knoop1)) {
            continue;
        }
        const TPunt a = cel.Scherm(Wereld(constructie.Knopen[static_cast<std::size_t>(s.Knoop0)]));
        const TPunt b = cel.Scherm(Wereld(constructie.Knopen[static_cast<std::size_t>(s.Knoop1)]));
        painter.drawLine(Pixel(a.x), Pixel(a.y), Pixel(b.x), Pixel(b.y));
    }
    painter.restore();
    const auto richtingen = StaafRichtingen(constructie);
    for (std::size_t i = 0; i < constructie.Knopen.size(); ++i) {
        const TConstructieKnoop& k = constructie.Knopen[i];
        if (k.Bestaat) {
            TekenAnalyseKnoop(painter, k, cel.Scherm(Wereld(k)), richtingen[i], KleurLichtgrijs);
        }
    }
    if (metBelastingen) {
        SchetsVerdeeldeBelastingen(painter, constructie, cel, opmaak);
        SchetsBelastingen(painter, constructie, cel, opmaak);
    }
}

void TekenDelen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                QColor kleur, bool verplaatst) {
    painter.save();
    painter.setPen(QPen(kleur, 1));
    for (const TStaaf& deel : mechanisme.avStaven) {
        const TPunt a = cel.Scherm(deel.Knopen[0], verplaatst);
        const TPunt b = cel.Scherm(deel.Knopen[1], verplaatst);
        painter.drawLine(Pixel(a.x), Pixel(a.y), Pixel(b.x), Pixel(b.y));
    }
    painter.restore();
}

void TekenEindSymbolen(QPainter& painter, const TMechanisme& mechanisme, const TCelAfbeelding& cel,
                       QColor kleur, bool verplaatst) {
    const TOpmaak opmaak = Opmaak(opTekening);
    const TEindpunten punten = Eindpunten(mechanisme);
    for (const TStaaf& deel : mechanisme.avStaven) {
        const TPunt a = cel.Scherm(deel.Knopen[0], verplaatst);
        const TPunt b = cel.Scherm(deel.Knopen[1], verplaatst);
        EindSymbool(painter, deel.Knopen[0], a, b, punten.at(Sleutel(deel.Knopen[0])), kleur,
                    opmaak);
        EindSymbool(painter, deel.Knopen[1], b, a, punten.at(Sleutel(deel.Knopen[1])), kleur,
                    opmaak);
    }
}

void TekenPlastischeScharnieren(QPainter& painter, const TMechanisme& mechanisme,
                                const TCelAfbeelding& cel) {
    const TEindpunten punten = Eindpunten(mechanisme);
    painter.save();
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (std::size_t e = 0; e < 2; ++e) {
            const TKnoop& eind = deel.Knopen[e];
            if (!eind.Stijf) {
                continue;
            }
            // A chosen place that does not rotate stays a place: grey and open.
            const bool draait = eind.M != 0.0;
            painter.setPen(QPen(draait ? KleurRood : KleurMiddengrijs, 1));
            painter.setBrush(draait ? KleurGeel : KleurWit);
            const TPunt plek =
                EindPlek(cel.Scherm(eind, true), cel.Scherm(deel.Knopen[1 - e], true),
                         IsKnooppunt(punten.at(Sleutel(eind))));
            TekenCirkel(painter, plek, PlastischScharnierDiameter);
        }
    }
    painter.restore();
}

std::vector<std::pair<TPunt, TPunt>> Vormlijnen(const TMechanisme& mechanisme,
                                                const TConstructie& constructie,
                                                const TCelAfbeelding& cel, bool verplaatst) {
    std::vector<std::pair<TPunt, TPunt>> lijnen;
    if (!IsKeten(constructie)) {
        for (const TStaaf& deel : mechanisme.avStaven) {
            lijnen.emplace_back(cel.Scherm(deel.Knopen[0], verplaatst),
                                cel.Scherm(deel.Knopen[1], verplaatst));
        }
        return lijnen;
    }
    for (const TGetekendeStaaf& staaf : GetekendeStaven(mechanisme, constructie)) {
        lijnen.emplace_back(cel.Scherm(verplaatst ? staaf.VanVerplaatst : staaf.Van),
                            cel.Scherm(verplaatst ? staaf.NaarVerplaatst : staaf.Naar));
    }
    return lijnen;
}

void TekenVorm(QPainter& painter, const TMechanisme& mechanisme, const TConstructie& constructie,
               const TCelAfbeelding& cel, QColor kleur, bool verplaatst) {
    painter.save();
    painter.setPen(QPen(kleur, 1));
    for (const auto& [a, b] : Vormlijnen(mechanisme, constructie, cel, verplaatst)) {
        painter.drawLine(Pixel(a.x), Pixel(a.y), Pixel(b.x), Pixel(b.y));
    }
    painter.restore();
}

std::vector<TRechthoek> VormOplegvakken(const TMechanisme& mechanisme,
                                        const TConstructie& constructie,
                                        const TCelAfbeelding& cel) {
    std::vector<TRechthoek> vakken;
    const auto neem = [&vakken](TPunt p, const TRechthoek& vak) {
        vakken.push_back({p.x + vak.Left, p.y + vak.Top, p.x + vak.Right, p.y + vak.Bottom});
    };
    if (!IsKeten(constructie)) {
        const TEindpunten punten = Eindpunten(mechanisme);
        for (const TStaaf& deel : mechanisme.avStaven) {
            for (const TKnoop& eind : deel.Knopen) {
                if (IsOplegging(eind)) {
                    const std::int32_t code = OplegCodes[eind.Soort];
                    neem(cel.Scherm(eind, true),
                         OplegSymboolVak(code, Opleghoek(code, punten.at(Sleutel(eind)))));
                }
            }
        }
        return vakken;
    }
    const std::vector<TPunt> d = Knoopverplaatsingen(mechanisme, constructie);
    const auto richtingen = StaafRichtingen(constructie);
    for (std::size_t i = 0; i < constructie.Knopen.size(); ++i) {
        const TConstructieKnoop& k = constructie.Knopen[i];
        if (k.Bestaat && HeeftOplegSymbool(k.Oplegging)) {
            const TPunt p = Wereld(k);
            neem(cel.Scherm(TPunt{p.x + d[i].x, p.y + d[i].y}),
                 OplegSymboolVak(k.Oplegging, Opleghoek(k.Oplegging, richtingen[i])));
        }
    }
    return vakken;
}

void TekenVormSymbolen(QPainter& painter, const TMechanisme& mechanisme,
                       const TConstructie& constructie, const TCelAfbeelding& cel, QColor kleur,
                       bool verplaatst) {
    if (!IsKeten(constructie)) {
        TekenEindSymbolen(painter, mechanisme, cel, kleur, verplaatst);
        return;
    }
    const std::vector<TPunt> d = Knoopverplaatsingen(mechanisme, constructie);
    const auto richtingen = StaafRichtingen(constructie);
    for (std::size_t i = 0; i < constructie.Knopen.size(); ++i) {
        const TConstructieKnoop& k = constructie.Knopen[i];
        if (k.Bestaat) {
            const TPunt p = Wereld(k);
            const TPunt plek = verplaatst ? TPunt{p.x + d[i].x, p.y + d[i].y} : p;
            TekenAnalyseKnoop(painter, k, cel.Scherm(plek), richtingen[i], kleur);
        }
    }
}

} // namespace kx
