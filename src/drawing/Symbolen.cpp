#include "drawing/Symbolen.h"

#include "drawing/Afbeelding.h"
#include "drawing/Knoopstand.h"
#include "drawing/Tekst.h"

#include <QPen>
#include <QPoint>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

namespace kx {

namespace {
const double DriehoekHoogte = 13.0 * std::sqrt(3.0) / 2.0;
constexpr double ScharnierDiameter = 5.0;
constexpr double HalveBasis = 10.5;
constexpr double HalveDriehoek = 6.5;
constexpr double RolAfstand = 5.0;
constexpr double ArceringDiepte = 5.0;
constexpr int AantalArceringen = 5;
constexpr double KnoopDiameter = 6.0;
constexpr double PenRand = 1.0;
constexpr double ScharnierAfstand = 7.0;

// Places a point of a symbol's local frame (offsets in unscaled pixels).
struct TLokaal {
    TPunt Oorsprong;
    double w;
    double Hoek;

    TPunt operator()(double dx, double dy) const {
        return DraaiPunt({Oorsprong.x + dx * w, Oorsprong.y + dy * w}, Oorsprong, -Hoek);
    }
};

QPoint Scherm(TPunt p) {
    return {Pixel(p.x), Pixel(p.y)};
}

void ZetPenEnKwast(QPainter& painter, QColor lijn, QColor vul, double w) {
    QPen pen(lijn);
    pen.setWidth(Pixel(w));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(vul);
}

void Lijn(QPainter& painter, TPunt a, TPunt b) {
    painter.drawLine(Scherm(a), Scherm(b));
}

void Label(QPainter& painter, QColor kleur, const TOpmaak& opmaak, const std::string& label,
           TPunt anker) {
    if (label.empty()) {
        return;
    }
    TPunt eind;
    TekenRegel(painter, LabelPositie(painter, opmaak, anker), eind, kleur, opmaak, label, uitLinks);
}

// The two legs of the triangle from the node and its base, shared by both hinged supports.
void Driehoek(QPainter& painter, const TLokaal& p) {
    const double h = DriehoekHoogte;
    Lijn(painter, p(0, 0), p(-h, -HalveDriehoek));
    Lijn(painter, p(0, 0), p(-h, HalveDriehoek));
    Lijn(painter, p(-h, -HalveBasis), p(-h, HalveBasis));
}
} // namespace

TPunt LabelPositie(const QPainter& painter, const TOpmaak& opmaak, TPunt anker) {
    return {anker.x + opmaak.Tekst.Links,
            anker.y - opmaak.Tekst.Onder - RegelHoogte(painter, opmaak)};
}

void TekenCirkel(QPainter& painter, TPunt midden, double diameter) {
    const int links = Pixel(midden.x - diameter / 2.0);
    const int boven = Pixel(midden.y - diameter / 2.0);
    const int rechts = Pixel(midden.x + diameter / 2.0);
    const int onder = Pixel(midden.y + diameter / 2.0);
    painter.drawEllipse(QRect(links, boven, rechts - links, onder - boven));
}

void TekenStaaf(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                const std::string& label, TPunt van, TPunt naar) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    Lijn(painter, van, naar);
    painter.restore();
    Label(painter, lijn, opmaak, label, {(van.x + naar.x) / 2.0, (van.y + naar.y) / 2.0});
}

void TekenRolscharnier(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                       const std::string& label, TPunt punt, double hoek) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    const TLokaal p{punt, w, hoek};
    const double h = DriehoekHoogte;
    Driehoek(painter, p);
    Lijn(painter, p(-h - RolAfstand, -HalveBasis), p(-h - RolAfstand, HalveBasis));
    const double d = ScharnierDiameter * w;
    TekenCirkel(painter, p(-h - RolAfstand / 2.0, -HalveDriehoek), d);
    TekenCirkel(painter, p(-h - RolAfstand / 2.0, HalveDriehoek), d);
    TekenCirkel(painter, punt, d);
    painter.restore();
    Label(painter, lijn, opmaak, label, punt);
}

void TekenScharnierendeOplegging(QPainter& painter, QColor lijn, QColor vul, double w,
                                 const TOpmaak& opmaak, const std::string& label, TPunt punt,
                                 double hoek) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    Driehoek(painter, TLokaal{punt, w, hoek});
    TekenCirkel(painter, punt, ScharnierDiameter * w);
    painter.restore();
    Label(painter, lijn, opmaak, label, punt);
}

void TekenInklemming(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                     const std::string& label, TPunt punt, double hoek) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    const TLokaal p{punt, w, hoek};
    Lijn(painter, p(0, -HalveBasis), p(0, HalveBasis));
    const double d = 2.0 * HalveBasis / 9.0;
    for (int i = 0; i < AantalArceringen; ++i) {
        Lijn(painter, p(-ArceringDiepte, -HalveBasis + 2 * i * d),
             p(0, -HalveBasis + (2 * i + 1) * d));
    }
    painter.restore();
    Label(painter, lijn, opmaak, label, punt);
}

void TekenScharnier(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                    const std::string& label, TPunt punt) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    TekenCirkel(painter, punt, ScharnierDiameter * w);
    painter.restore();
    Label(painter, lijn, opmaak, label, punt);
}

void TekenStijveKnoop(QPainter& painter, QColor lijn, QColor vul, double w, TPunt punt) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    TekenCirkel(painter, punt, KnoopDiameter * w);
    painter.restore();
}

TPunt ScharnierBijKnooppunt(TPunt knoop, double richting, double w) {
    const double d = ScharnierAfstand * w;
    return {knoop.x + d * std::cos(richting), knoop.y - d * std::sin(richting)};
}

void TekenScharnierenPerStaaf(QPainter& painter, QColor lijn, QColor vul, double w, TPunt punt,
                              const std::vector<double>& staafRichtingen) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    for (const double richting : staafRichtingen) {
        TekenCirkel(painter, ScharnierBijKnooppunt(punt, richting, w), ScharnierDiameter * w);
    }
    painter.restore();
}

void TekenVerbinding(QPainter& painter, QColor lijn, QColor vul, QColor stip, TPunt punt,
                     bool stijf, const std::vector<double>& staafRichtingen) {
    if (IsKnooppunt(staafRichtingen)) {
        if (stijf) {
            TekenStijveKnoop(painter, lijn, stip, 1.0, punt);
        } else {
            TekenScharnierenPerStaaf(painter, lijn, vul, 1.0, punt, staafRichtingen);
        }
    } else if (!stijf) {
        TekenScharnier(painter, lijn, vul, 1.0, Opmaak(opTekening), "", punt);
    }
}

void TekenBelasting(QPainter& painter, QColor lijn, QColor vul, double w, const TOpmaak& opmaak,
                    const std::string& label, TPunt punt, double hoek, double lengte) {
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    const TLokaal p{punt, w, hoek};
    const TPunt staart = DraaiPunt({punt.x - lengte, punt.y}, punt, -hoek);
    if (lengte > 0.0) {
        Lijn(painter, punt, staart);
    }
    const std::array<QPoint, 4> kop{Scherm(punt), Scherm(p(-15, -4)), Scherm(p(-11, 0)),
                                    Scherm(p(-15, 4))};
    painter.drawPolygon(kop.data(), static_cast<int>(kop.size()));
    painter.restore();
    Label(painter, lijn, opmaak, label, staart);
}

std::vector<double> VerdeeldePijlen(double staaflengte) {
    constexpr double Tussenruimte = 25.0;
    const int stappen = std::max(1, static_cast<int>(std::lround(staaflengte / Tussenruimte)));
    std::vector<double> delen;
    for (int i = 0; i <= stappen; ++i) {
        delen.push_back(static_cast<double>(i) / stappen);
    }
    return delen;
}

namespace {
// The tails of the arrows of a distributed load at either end of its bar, and where its label
// goes: beside the middle of the line through the tails, on its side away from the bar.
struct TVerdeeldeVorm {
    TPunt Staart0;
    TPunt Staart1;
    TPunt Label;
};

TVerdeeldeVorm VerdeeldeVorm(const QPainter& painter, const TOpmaak& opmaak,
                             const std::string& label, TPunt van, TPunt naar, double hoek,
                             double lengte) {
    // From a head back to its tail, against the load.
    const TPunt terug{-lengte * std::cos(hoek), lengte * std::sin(hoek)};
    const TPunt staart0{van.x + terug.x, van.y + terug.y};
    const TPunt staart1{naar.x + terug.x, naar.y + terug.y};
    const TPunt midden{(staart0.x + staart1.x) / 2.0, (staart0.y + staart1.y) / 2.0};
    const int hoogte = RegelHoogte(painter, opmaak);
    const int breedte = RegelBreedte(painter, opmaak, label);
    // Away from the bar: above the tails where they lie above it, else below, left or right.
    TPunt plek{midden.x + opmaak.Tekst.Links, midden.y - opmaak.Tekst.Onder - hoogte};
    if (std::fabs(terug.y) >= std::fabs(terug.x)) {
        if (terug.y > 0.0) {
            plek.y = midden.y + opmaak.Tekst.Onder;
        }
    } else {
        plek = {terug.x > 0.0 ? midden.x + 4.0 : midden.x - 4.0 - breedte, midden.y - hoogte / 2.0};
    }
    return {staart0, staart1, plek};
}
} // namespace

void TekenVerdeeldeBelasting(QPainter& painter, QColor lijn, QColor vul, double w,
                             const TOpmaak& opmaak, const std::string& label, TPunt van, TPunt naar,
                             double hoek, double lengte) {
    const double staaflengte = std::hypot(naar.x - van.x, naar.y - van.y);
    for (const double deel : VerdeeldePijlen(staaflengte)) {
        const TPunt kop{van.x + deel * (naar.x - van.x), van.y + deel * (naar.y - van.y)};
        TekenBelasting(painter, lijn, vul, w, opmaak, "", kop, hoek, lengte);
    }
    const TVerdeeldeVorm vorm = VerdeeldeVorm(painter, opmaak, label, van, naar, hoek, lengte);
    painter.save();
    ZetPenEnKwast(painter, lijn, vul, w);
    Lijn(painter, vorm.Staart0, vorm.Staart1);
    painter.restore();
    if (label.empty()) {
        return;
    }
    TPunt eind;
    TekenRegel(painter, vorm.Label, eind, lijn, opmaak, label, uitLinks);
}

TRechthoek VerdeeldeBelastingVak(const QPainter& painter, const TOpmaak& opmaak,
                                 const std::string& label, TPunt van, TPunt naar, double hoek,
                                 double lengte) {
    const TVerdeeldeVorm vorm = VerdeeldeVorm(painter, opmaak, label, van, naar, hoek, lengte);
    // The heads' width beyond the line through them.
    constexpr double Rand = 4.0;
    TRechthoek vak{std::min({van.x, naar.x, vorm.Staart0.x, vorm.Staart1.x}) - Rand,
                   std::min({van.y, naar.y, vorm.Staart0.y, vorm.Staart1.y}) - Rand,
                   std::max({van.x, naar.x, vorm.Staart0.x, vorm.Staart1.x}) + Rand,
                   std::max({van.y, naar.y, vorm.Staart0.y, vorm.Staart1.y}) + Rand};
    if (!label.empty()) {
        vak.Left = std::min(vak.Left, vorm.Label.x);
        vak.Top = std::min(vak.Top, vorm.Label.y);
        vak.Right = std::max(vak.Right, vorm.Label.x + RegelBreedte(painter, opmaak, label));
        vak.Bottom = std::max(vak.Bottom, vorm.Label.y + RegelHoogte(painter, opmaak));
    }
    return vak;
}

TRechthoek OplegSymboolVak(std::int32_t oplegging, double hoek) {
    if (!HeeftOplegSymbool(oplegging)) {
        return {};
    }
    const double diepte = oplegging == Inklemming     ? ArceringDiepte
                          : oplegging == Scharnierend ? DriehoekHoogte
                                                      : DriehoekHoogte + RolAfstand;
    const TLokaal p{{0.0, 0.0}, 1.0, hoek};
    TRechthoek vak{};
    for (const double x : {-diepte, 0.0}) {
        for (const double y : {-HalveBasis, HalveBasis}) {
            const TPunt hoekpunt = p(x, y);
            vak = {std::min(vak.Left, hoekpunt.x), std::min(vak.Top, hoekpunt.y),
                   std::max(vak.Right, hoekpunt.x), std::max(vak.Bottom, hoekpunt.y)};
        }
    }
    return {vak.Left - PenRand, vak.Top - PenRand, vak.Right + PenRand, vak.Bottom + PenRand};
}

void TekenOplegSymbool(QPainter& painter, std::int32_t oplegging, QColor lijn, QColor vul,
                       const TOpmaak& opmaak, TPunt punt, double hoek) {
    switch (oplegging) {
    case RolHorizontaal:
    case RolVerticaal:
        TekenRolscharnier(painter, lijn, vul, 1.0, opmaak, "", punt, hoek);
        break;
    case Scharnierend:
        TekenScharnierendeOplegging(painter, lijn, vul, 1.0, opmaak, "", punt, hoek);
        break;
    case Inklemming:
        TekenInklemming(painter, lijn, vul, 1.0, opmaak, "", punt, hoek);
        break;
    default:
        break;
    }
}

} // namespace kx
