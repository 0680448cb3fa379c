#include "drawing/MechanismeTekening.h"

#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"

#include <QPen>

#include <array>
#include <cmath>
#include <numbers>

namespace kx {

namespace {
constexpr double Onder = std::numbers::pi / 2.0; // a support below its node
constexpr double Rechts = std::numbers::pi;      // a support right of its node
constexpr double PixelsPerBelasting = 12.5;
constexpr double ScharnierDiameter = 5.0;

TPunt Wereld(const TConstructieKnoop& k) {
    return {k.X, -k.Y};
}

void SchetsOplegging(QPainter& painter, const TConstructieKnoop& k, TPunt p,
                     const TOpmaak& opmaak) {
    if (HeeftOplegSymbool(k.Oplegging)) {
        TekenOplegSymbool(painter, k.Oplegging, KleurLichtgrijs, KleurWit, opmaak, p,
                          k.Oplegging == RolVerticaal ? Rechts : Onder);
    } else if (k.Vrijheid == ScharnierendeVerbinding) {
        TekenScharnier(painter, KleurLichtgrijs, KleurWit, 1.0, opmaak, "", p);
    }
}

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
                       cel.Scherm(Wereld(k)), hoek, PixelsPerBelasting * grootte);
    }
}

void EindSymbool(QPainter& painter, const TKnoop& eind, TPunt p, TPunt ander, QColor kleur,
                 const TOpmaak& opmaak) {
    if (eind.Soort == KnoopVrijScharnierend) {
        TekenScharnier(painter, kleur, KleurWit, 1.0, opmaak, "", p);
        return;
    }
    // The support kinds in their order, with their codes.
    constexpr std::array<std::int32_t, 4> Codes{RolHorizontaal, RolVerticaal, Scharnierend,
                                                Inklemming};
    if (!IsOplegging(eind)) {
        return;
    }
    const double hoek = eind.Soort == KnoopRolHorizontaal ? Onder
                        : eind.Soort == KnoopRolVerticaal ? Rechts
                                                          : Richtingshoek(p, ander);
    TekenOplegSymbool(painter, Codes[eind.Soort], kleur, KleurWit, opmaak, p, hoek);
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
    TCelAfbeelding cel{BepaalGrenzen(mechanisme, constructie, metRotatiecentra),
                       {links, boven, rechts, boven}};
    PasHoogteAan(cel.Grenzen, cel.Cel);
    return cel;
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
    for (const TConstructieKnoop& k : constructie.Knopen) {
        if (k.Bestaat) {
            SchetsOplegging(painter, k, cel.Scherm(Wereld(k)), opmaak);
        }
    }
    if (metBelastingen) {
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
    for (const TStaaf& deel : mechanisme.avStaven) {
        const TPunt a = cel.Scherm(deel.Knopen[0], verplaatst);
        const TPunt b = cel.Scherm(deel.Knopen[1], verplaatst);
        EindSymbool(painter, deel.Knopen[0], a, b, kleur, opmaak);
        EindSymbool(painter, deel.Knopen[1], b, a, kleur, opmaak);
    }
}

void TekenPlastischeScharnieren(QPainter& painter, const TMechanisme& mechanisme,
                                const TCelAfbeelding& cel) {
    painter.save();
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            if (!eind.Stijf) {
                continue;
            }
            // A chosen place that does not rotate stays a place: grey and open.
            const bool draait = eind.M != 0.0;
            painter.setPen(QPen(draait ? KleurRood : KleurMiddengrijs, 1));
            painter.setBrush(draait ? KleurGeel : KleurWit);
            TekenCirkel(painter, cel.Scherm(eind, true), ScharnierDiameter);
        }
    }
    painter.restore();
}

} // namespace kx
