#include "drawing/StructuurTekening.h"
#include "model/Bevraging.h"

#include "drawing/Knoopstand.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "engine/Getalnotatie.h"
#include "model/Knoopbetekenis.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
constexpr double MpPerPixel = 25.0;
constexpr double MinDikte = 1.0;
constexpr double MaxDikte = 6.0;

TPunt Positie(const TConstructie& c, std::int32_t i, const TEditorInstellingen& inst) {
    const TConstructieKnoop& k = c.Knopen[static_cast<std::size_t>(i)];
    return StructuurNaarScherm({k.X, k.Y}, inst);
}

void GridLijnen(QPainter& painter, int lengte, int breedte, int stap, int gridSize,
                bool verticaal) {
    for (int p = 0; p <= lengte; p += stap) {
        QPen pen(KleurGridgroen);
        pen.setWidth(p % gridSize == 0 ? 2 : 0);
        painter.setPen(pen);
        if (verticaal) {
            painter.drawLine(p, 0, p, breedte);
        } else {
            painter.drawLine(0, p, breedte, p);
        }
    }
}

void TekenStaven(QPainter& painter, const TConstructie& mc, const TSelectie& gevonden,
                 const TEditorInstellingen& inst, const TOpmaak& opmaak) {
    const TConstructie& c = mc;
    for (std::size_t i = 0; i < c.Staven.size(); ++i) {
        const TConstructieStaaf& s = c.Staven[i];
        if (!s.Bestaat || !KnoopBestaat(c, s.Knoop0) || !KnoopBestaat(c, s.Knoop1)) {
            continue;
        }
        const QColor kleur =
            static_cast<std::int32_t>(i) == gevonden.GevondenStaaf ? KleurBlauw : KleurZwart;
        TekenStaaf(painter, kleur, kleur, StaafDikte(s.Mp), opmaak, "", Positie(c, s.Knoop0, inst),
                   Positie(c, s.Knoop1, inst));
    }
}

void TekenKnopen(QPainter& painter, const TConstructie& mc, const TSelectie& gevonden,
                 const TEditorInstellingen& inst, const TOpmaak& opmaak) {
    const auto richtingen = StaafRichtingen(mc);
    const auto aantal = static_cast<std::int32_t>(mc.Knopen.size());
    for (std::int32_t i = 0; i < aantal; ++i) {
        const TConstructieKnoop& k = mc.Knopen[static_cast<std::size_t>(i)];
        if (!k.Bestaat) {
            continue;
        }
        const bool isGevonden = i == gevonden.GevondenKnoop;
        const QColor vul = isGevonden ? KleurBlauw : KleurRood;
        const TPunt p = Positie(mc, i, inst);
        const auto& hier = richtingen[static_cast<std::size_t>(i)];
        TekenVerbinding(painter, KleurZwart, vul, isGevonden ? KleurBlauw : KleurZwart, p,
                        IsStijf(k), hier);
        TekenOplegSymbool(painter, k.Oplegging, KleurZwart, vul, opmaak, p,
                          Opleghoek(k.Oplegging, hier));
    }
}

void TekenBelastingen(QPainter& painter, const TConstructie& mc, const TSelectie& gevonden,
                      const TEditorInstellingen& inst, const TOpmaak& opmaak) {
    const TConstructie& c = mc;
    for (std::size_t i = 0; i < c.Belastingen.size(); ++i) {
        const TConstructieBelasting& b = c.Belastingen[i];
        if (!b.Bestaat || !KnoopBestaat(c, b.Knoop)) {
            continue;
        }
        const QColor vul =
            static_cast<std::int32_t>(i) == gevonden.GevondenBelasting ? KleurBlauw : KleurRood;
        const TPunt p = Positie(c, b.Knoop, inst);
        const double hoek = Richtingshoek(p, {p.x + b.Fx, p.y + b.Fy});
        const double lengte = std::hypot(b.Fx, b.Fy) * inst.GridSize;
        TekenBelasting(painter, KleurZwart, vul, 1.0, opmaak, "", p, hoek, lengte);
    }
}
void TekenVerdeeldeBelastingen(QPainter& painter, const TConstructie& c, const TSelectie& gevonden,
                               const TEditorInstellingen& inst, const TOpmaak& opmaak,
                               char decimaalteken) {
    for (std::size_t i = 0; i < c.VerdeeldeBelastingen.size(); ++i) {
        const TConstructieVerdeeldeBelasting& q = c.VerdeeldeBelastingen[i];
        if (!q.Bestaat || !StaafBestaat(c, q.Staaf)) {
            continue;
        }
        const TConstructieStaaf& s = c.Staven[static_cast<std::size_t>(q.Staaf)];
        if (!KnoopBestaat(c, s.Knoop0) || !KnoopBestaat(c, s.Knoop1)) {
            continue;
        }
        const QColor vul = static_cast<std::int32_t>(i) == gevonden.GevondenVerdeeldeBelasting
                               ? KleurBlauw
                               : KleurRood;
        const double grootte = std::hypot(q.Qx, q.Qy);
        TekenVerdeeldeBelasting(painter, KleurZwart, vul, 1.0, opmaak,
                                VerdeeldeBelastingLabel(grootte, decimaalteken),
                                Positie(c, s.Knoop0, inst), Positie(c, s.Knoop1, inst),
                                Richtingshoek({0.0, 0.0}, {q.Qx, q.Qy}), grootte * inst.GridSize);
    }
}
} // namespace

std::string VerdeeldeBelastingLabel(double q, char decimaalteken) {
    return "q = " + AlgemeenGetal(q, 4, decimaalteken) + " F/m";
}

int StaafDikte(double mp) {
    return static_cast<int>(std::clamp(mp / MpPerPixel, MinDikte, MaxDikte));
}

void TekenSleepbeeld(QPainter& painter, const TSleepbeeld& beeld) {
    if (beeld.Soort == TSleepbeeld::Geen) {
        return;
    }
    const QColor kleur = beeld.Geweigerd ? KleurRood : KleurBlauw;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (beeld.Soort == TSleepbeeld::Belasting) {
        const double lengte = std::hypot(beeld.Naar.x - beeld.Van.x, beeld.Naar.y - beeld.Van.y);
        if (lengte > 0.0) {
            TekenBelasting(painter, kleur, kleur, 1.0, Opmaak(opTekening), "", beeld.Naar,
                           Richtingshoek(beeld.Van, beeld.Naar), lengte);
        }
    } else {
        QPen pen(kleur, beeld.Soort == TSleepbeeld::Staaf ? 2 : 1);
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(beeld.Van.x, beeld.Van.y), QPointF(beeld.Naar.x, beeld.Naar.y));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(beeld.Naar.x, beeld.Naar.y), 4.0, 4.0);
    }
    painter.restore();
}

void TekenKnoopMarkering(QPainter& painter, TPunt punt) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(KleurBlauw, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(punt.x, punt.y), 9.0, 9.0);
    painter.restore();
}

void TekenGrid(QPainter& painter, int w, int h, int gridSize, int fijnheid) {
    painter.save();
    painter.setPen(KleurWit);
    painter.setBrush(KleurWit);
    painter.drawRect(0, 0, w, h);
    const int stap = SnapStap(gridSize, fijnheid);
    const int cel = std::max(1, gridSize);
    GridLijnen(painter, w, h, stap, cel, true);
    GridLijnen(painter, h, w, stap, cel, false);
    painter.restore();
}

void TekenConstructie(QPainter& painter, const TConstructie& constructie, const TSelectie& gevonden,
                      const TEditorInstellingen& instellingen, QSize grootte, char decimaalteken) {
    TekenGrid(painter, grootte.width(), grootte.height(), instellingen.GridSize,
              instellingen.Fijnheid);
    const TOpmaak opmaak = Opmaak(opTekening);
    TekenStaven(painter, constructie, gevonden, instellingen, opmaak);
    TekenKnopen(painter, constructie, gevonden, instellingen, opmaak);
    TekenVerdeeldeBelastingen(painter, constructie, gevonden, instellingen, opmaak, decimaalteken);
    TekenBelastingen(painter, constructie, gevonden, instellingen, opmaak);
}

} // namespace kx
