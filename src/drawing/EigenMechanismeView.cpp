#include "drawing/EigenMechanismeView.h"

#include "drawing/Blokken.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Momentenlijn.h"
#include "drawing/Opmaak.h"
#include "drawing/StructuurTekening.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "model/Bevraging.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// Room around the drawing of the places for its load arrows and support symbols.
constexpr double KeuzeMarge = 30.0;
// A place at a bar end sits this far along the bar from its node, or less on a short bar.
constexpr double StaafeindAfstand = 18.0;
constexpr double StaafeindDeel = 0.35;
constexpr double GekozenDiameter = 11.0;
constexpr double PlaatsDiameter = 9.0;
// Share of the visible height the drawing of the places may take.
constexpr double KeuzeDeel = 0.35;
// The drawing of the places never shrinks below this height to fit a window.
constexpr double KleinsteKeuze = 150.0;
// A flat frame is drawn this share of its width high: room for its loads or its moment line.
constexpr double KeuzeHoogteDeel = 0.2;
// The largest load's arrow; the others in proportion, so that any size stays in the margin.
constexpr double LastPijl = 30.0;
// The arrows of a distributed load, whatever its size: its value is written beside them.
constexpr double EigenVerdeeldePijl = 18.0;

std::vector<TPlaatsPunt> PlaatsPunten(const TEigenAnalyse& analyse, const TCelAfbeelding& cel) {
    const TConstructie& c = analyse.Constructie();
    std::vector<TPlaatsPunt> punten;
    for (std::size_t p = 0; p < analyse.Plaatsen().size(); ++p) {
        const TScharnierplaats& plaats = analyse.Plaatsen()[p];
        const auto& staaf = c.Staven[static_cast<std::size_t>(plaats.Staaf)];
        const std::int32_t ander = staaf.Knoop0 == plaats.Knoop ? staaf.Knoop1 : staaf.Knoop0;
        const TPunt knoop = cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(plaats.Knoop)]));
        TPunt punt = knoop;
        if (plaats.Veld) {
            // The analysis finds where in the span the hinge lies; the student picks the span.
            const TPunt verder = cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(ander)]));
            punt = {(knoop.x + verder.x) / 2.0, (knoop.y + verder.y) / 2.0};
        } else if (analyse.PlaatsPerStaafeind(static_cast<int>(p))) {
            const TPunt verder = cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(ander)]));
            const double lengte = std::hypot(verder.x - knoop.x, verder.y - knoop.y);
            const double afstand = std::min(StaafeindAfstand, StaafeindDeel * lengte);
            if (lengte > 0.0) {
                punt = {knoop.x + (verder.x - knoop.x) * afstand / lengte,
                        knoop.y + (verder.y - knoop.y) * afstand / lengte};
            }
        }
        punten.push_back({static_cast<int>(p), punt});
    }
    return punten;
}

// The loads, so that the student sees what the hinges are to carry.
void TekenLasten(QPainter& painter, const TConstructie& c, const TCelAfbeelding& cel,
                 char decimaalteken) {
    const TOpmaak opmaak = Opmaak(opLabel);
    double grootste = 0.0;
    for (const TConstructieBelasting& b : c.Belastingen) {
        grootste = b.Bestaat ? std::max(grootste, std::hypot(b.Fx, b.Fy)) : grootste;
    }
    for (const TConstructieBelasting& b : c.Belastingen) {
        const double grootte = std::hypot(b.Fx, b.Fy);
        if (!b.Bestaat || !IsSlot(c.Knopen, b.Knoop) || Afkappen(grootte) == 0.0) {
            continue;
        }
        TekenBelasting(painter, KleurMiddengrijs, KleurMiddengrijs, 1.0, opmaak,
                       AlgemeenGetal(grootte, 3, decimaalteken) + " F",
                       cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(b.Knoop)])),
                       Richtingshoek({0.0, 0.0}, {b.Fx, b.Fy}), LastPijl * grootte / grootste);
    }
    for (const TConstructieVerdeeldeBelasting& q : c.VerdeeldeBelastingen) {
        const double grootte = std::hypot(q.Qx, q.Qy);
        if (!q.Bestaat || !StaafBestaat(c, q.Staaf) || Afkappen(grootte) == 0.0) {
            continue;
        }
        const TConstructieStaaf& s = c.Staven[static_cast<std::size_t>(q.Staaf)];
        TekenVerdeeldeBelasting(painter, KleurMiddengrijs, KleurMiddengrijs, 1.0, opmaak,
                                VerdeeldeBelastingLabel(grootte, decimaalteken),
                                cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(s.Knoop0)])),
                                cel.Scherm(Wereld(c.Knopen[static_cast<std::size_t>(s.Knoop1)])),
                                Richtingshoek({0.0, 0.0}, {q.Qx, q.Qy}), EigenVerdeeldePijl);
    }
}

void TekenPlaatsen(QPainter& painter, const std::vector<TPlaatsPunt>& punten,
                   const std::vector<int>& gekozen) {
    painter.save();
    for (const TPlaatsPunt& punt : punten) {
        const bool kies = std::binary_search(gekozen.begin(), gekozen.end(), punt.Plaats);
        painter.setPen(QPen(kies ? KleurRood : KleurMiddengrijs, 1));
        painter.setBrush(kies ? KleurGeel : KleurWit);
        TekenCirkel(painter, punt.Punt, kies ? GekozenDiameter : PlaatsDiameter);
    }
    painter.restore();
}

double KeuzeHoogte(double zichtbaar) {
    return zichtbaar > 0.0 ? std::max(KleinsteKeuze, KeuzeDeel * zichtbaar) : MaxTekeningHoogte;
}
} // namespace

int ZoekPlaats(const std::vector<TPlaatsPunt>& punten, TPunt pixel, double straal) {
    int beste = -1;
    double kortste = straal;
    for (const TPlaatsPunt& punt : punten) {
        const double afstand = std::hypot(punt.Punt.x - pixel.x, punt.Punt.y - pixel.y);
        if (afstand <= kortste) {
            kortste = afstand;
            beste = punt.Plaats;
        }
    }
    return beste;
}

void TekenEigenMechanisme(QPainter& painter, TRechthoek& gebied, const TEigenContext& eigen,
                          const TViewContext& context, std::vector<TPlaatsPunt>& punten) {
    const Teksten& t = context.Tekst;
    const TEigenAnalyse& analyse = eigen.Analyse;
    const TEigenMechanisme& m = eigen.Mechanisme;
    const TConstructie& c = analyse.Constructie();
    double y = TekenBlok(painter, gebied, gebied.Top, t[TekstWanneerTitel], opTitel, KleurZwart);
    y = TekenBlok(painter, gebied, y, t[TekstEigenKop], opKop, KleurZwart);
    if (context.Opties[woUitlegVirtArbVgl]) {
        y = TekenBlok(painter, gebied, y, t[TekstEigenUitleg], opUitleg, KleurZwart);
    }
    const TCelAfbeelding cel = MaakTekeningCel(
        c, gebied, y + KeuzeMarge, KeuzeHoogte(context.ZichtbareHoogte), KeuzeHoogteDeel);
    TekenStaven(painter, c, cel, KleurZwart, 2.0);
    TekenOpleggingen(painter, c, cel, KleurZwart);
    TekenLasten(painter, c, cel, context.Analyse.Decimaalteken);
    punten = PlaatsPunten(analyse, cel);
    TekenPlaatsen(painter, punten, m.Plaatsen);
    MeldBlok(painter, y, cel.Cel.Bottom + KeuzeMarge, TBlokSoort::Tekening);
    y = cel.Cel.Bottom + KeuzeMarge;
    y = TekenBlok(painter, gebied, y, analyse.Beweeglijkheid(m), opBerekening, KleurZwart);
    if (m.Beweegt()) {
        const TViewContext eigenContext{context.Analyse, c, context.Opties, t,
                                        context.ZichtbareHoogte};
        y = TekenArbeid(painter, gebied, y, m.Mechanisme, eigenContext);
        if (context.Opties[woBezwijklast]) {
            y = TekenBlok(painter, gebied, y, analyse.Vergelijking(m), opBerekening,
                          m.Oordeel == TOordeel::TeHoog ? KleurRood : KleurZwart);
        }
        if (context.Opties[woBezwijklast] && m.Momentenlijn.Bestaat) {
            const char teken = context.Analyse.Decimaalteken;
            y = TekenBlok(
                painter, gebied, y,
                VulIn(t[TekstEigenMomentenlijn], {AlgemeenGetal(m.Bezwijklast, 4, teken)}),
                opBerekening, KleurZwart);
            y = TekenMomentenlijn(painter, gebied, y, c, m.Momentenlijn, t, teken,
                                  KeuzeHoogte(context.ZichtbareHoogte), KeuzeHoogteDeel);
        }
    }
    gebied.Bottom = y + 50.0;
}

} // namespace kx
