#include "drawing/KrachtsverdelingView.h"

#include "drawing/Afbeelding.h"
#include "drawing/Knoopstand.h"
#include "drawing/LabelPlaatser.h"
#include "drawing/Maatvoering.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "engine/Getalnotatie.h"
#include "engine/Krachtenanalyse.h"
#include "engine/Records.h"
#include "engine/Toleranties.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace kx {

namespace {
constexpr double TekeningMarge = 10.0;
constexpr double MaxTekeningHoogte = 340.0;
constexpr double OrdinaatPixels = 45.0;
constexpr double PijlPixels = 40.0;
constexpr double BoogStraal = 16.0;
constexpr double ScharnierDiameter = 7.0;
constexpr int Cijfers = 4;
constexpr double Onder = std::numbers::pi / 2.0;
constexpr double Rechts = std::numbers::pi;
// Forces below this share of the largest one are rounding, not forces.
constexpr double Ruis = 1e-9;

// "a", "a en b", "a, b en c", with en the last separator.
std::string Opsomming(const std::vector<std::string>& delen, const std::string& en) {
    std::string tekst;
    for (std::size_t i = 0; i < delen.size(); ++i) {
        tekst += i == 0 ? "" : (i + 1 == delen.size() ? en : ", ");
        tekst += delen[i];
    }
    return tekst;
}

TPunt Wereld(const TConstructieKnoop& k) {
    return {k.X, -k.Y};
}

// The cell of a drawing of the structure at y: the width of the area, or less for a frame so
// high that the drawing would pass MaxTekeningHoogte.
TCelAfbeelding MaakTekeningCel(const TConstructie& c, const TRechthoek& gebied, double y) {
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
    grenzen = Schaalbaar(grenzen);
    TRechthoek cel{gebied.Left, y, gebied.Right, y};
    PasHoogteAan(grenzen, cel);
    if (cel.Bottom - cel.Top > MaxTekeningHoogte) {
        const double breedte = (cel.Right - cel.Left) * MaxTekeningHoogte / (cel.Bottom - cel.Top);
        const double midden = (cel.Left + cel.Right) / 2.0;
        cel = {midden - breedte / 2.0, y, midden + breedte / 2.0, y + MaxTekeningHoogte};
    }
    return {grenzen, cel};
}

class TKrachtView {
public:
    TKrachtView(QPainter& painter, const TRechthoek& gebied, int mechanisme,
                const TKrachtContext& ctx)
        : p_(painter), gebied_(gebied), i_(mechanisme), ctx_(ctx), c_(ctx.Krachten.Constructie()) {}

    double Teken();

private:
    const std::string& T(int i) const { return ctx_.Tekst[i]; }
    std::string Getal(double v) const { return AlgemeenGetal(v, Cijfers, ctx_.Decimaalteken); }
    std::string Knoopnummer(int k) const { return std::to_string(k + 1); }
    bool HeeftVerdeling() const {
        return ctx_.Krachten.Berekend() && i_ >= 0 && i_ < ctx_.Krachten.AantalMechanismen();
    }
    const TConstructieKnoop& Knoop(int k) const { return c_.Knopen[static_cast<std::size_t>(k)]; }
    double Kop(double y, int kop, int uitlegOptie, int uitleg);

    double TekenMomentenlijn(double y);
    double TekenToets(double y, const TKrachtsverdeling& v);
    void TekenStaven(const TCelAfbeelding& cel, QColor kleur, double breedte);
    void TekenOpleggingen(const TCelAfbeelding& cel, QColor kleur);
    // A value written beside the moment line, placed once everything else is drawn.
    struct TMomentLabel {
        QColor Kleur;
        std::string Tekst;
        std::vector<TLabelPlek> Plekken;
    };
    std::vector<TMomentLabel> TekenMomentvlakken(const TCelAfbeelding& cel,
                                                 const TKrachtsverdeling& v);
    void TekenScharnieren(const TCelAfbeelding& cel, const TKrachtsverdeling& v);
    std::string Overschrijdingen(const TKrachtsverdeling& v) const;

    double TekenOplegreacties(double y);
    void TekenBelastingen(const TCelAfbeelding& cel, double lambda, TLabelPlaatser& labels);
    void TekenReacties(const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                       TLabelPlaatser& labels);
    void Pijl(TPunt kop, double hoek, QColor kleur, const std::string& label,
              TLabelPlaatser& labels);
    void Boog(TPunt midden, bool linksom, const std::string& label, TLabelPlaatser& labels);
    std::string Som(const std::string& naam, const std::vector<double>& termen) const;

    QPainter& p_;
    const TRechthoek& gebied_;
    int i_;
    const TKrachtContext& ctx_;
    const TConstructie& c_;
};

double TKrachtView::Kop(double y, int kop, int uitlegOptie, int uitleg) {
    y = TekenBlok(p_, gebied_, y, T(kop), opKop, KleurZwart);
    if (ctx_.Opties[static_cast<std::size_t>(uitlegOptie)]) {
        y = TekenBlok(p_, gebied_, y, T(uitleg), opUitleg, KleurZwart);
    }
    return y;
}

double TKrachtView::Teken() {
    double y =
        TekenBlok(p_, gebied_, gebied_.Top, T(TekstKrachtsverdelingTitel), opTitel, KleurZwart);
    if (ctx_.Opties[woMomentenlijn]) {
        y = Kop(y, TekstKopMomentenlijn, woUitlegMomentenlijn, TekstKrachtUitlegMomentenlijn);
        if (HeeftVerdeling()) {
            y = TekenMomentenlijn(y);
        }
    }
    if (ctx_.Opties[woOplegreacties]) {
        y = Kop(y, TekstKopOplegreacties, woUitlegOplegreacties, TekstKrachtUitlegOplegreacties);
        if (HeeftVerdeling()) {
            y = TekenOplegreacties(y);
        }
    }
    return y;
}

void TKrachtView::TekenStaven(const TCelAfbeelding& cel, QColor kleur, double breedte) {
    p_.save();
    p_.setPen(QPen(kleur, breedte));
    for (const auto& s : c_.Staven) {
        if (s.Bestaat) {
            const TPunt a = cel.Scherm(Wereld(Knoop(s.Knoop0)));
            const TPunt b = cel.Scherm(Wereld(Knoop(s.Knoop1)));
            p_.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
        }
    }
    p_.restore();
}

void TKrachtView::TekenOpleggingen(const TCelAfbeelding& cel, QColor kleur) {
    const auto richtingen = StaafRichtingen(c_);
    for (std::size_t i = 0; i < c_.Knopen.size(); ++i) {
        const auto& k = c_.Knopen[i];
        if (k.Bestaat) {
            TekenAnalyseKnoop(p_, k, cel.Scherm(Wereld(k)), richtingen[i], kleur);
        }
    }
}

// The areas of the moment line, with the values to write beside them: a later area would cover
// a value written before it, so they are written after all areas and bars.
std::vector<TKrachtView::TMomentLabel> TKrachtView::TekenMomentvlakken(const TCelAfbeelding& cel,
                                                                       const TKrachtsverdeling& v) {
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
    const int h = RegelHoogte(p_, opmaak);
    // Per node the values written so far: two bar ends with the same moment get one label.
    std::map<int, std::vector<double>> geschreven;
    for (const auto& s : v.Staven) {
        const auto& staaf = c_.Staven[static_cast<std::size_t>(s.Slot)];
        const std::array<int, 2> knopen{staaf.Knoop0, staaf.Knoop1};
        const std::array<double, 2> m{s.M0, s.M1};
        const TPunt a = cel.Scherm(Wereld(Knoop(knopen[0])));
        const TPunt b = cel.Scherm(Wereld(Knoop(knopen[1])));
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
        p_.save();
        p_.setPen(QPen(KleurMiddengrijs, 1));
        p_.setBrush(KleurLichtgrijs);
        const QPointF vlak[] = {{a.x, a.y}, {top[0].x, top[0].y}, {top[1].x, top[1].y}, {b.x, b.y}};
        p_.drawPolygon(vlak, 4);
        p_.restore();
        for (int e = 0; e < 2; ++e) {
            const double waarde = std::fabs(m[e]);
            if (waarde <= Ruis * grootste) {
                continue;
            }
            const bool teGroot = waarde > staaf.Mp * (1.0 + Verhoudingstolerantie);
            if (teGroot) {
                p_.save();
                p_.setPen(QPen(KleurRood, 2));
                p_.drawLine(QPointF(voet[e].x, voet[e].y), QPointF(top[e].x, top[e].y));
                p_.restore();
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
                                   Getal(waarde),
                                   {{{t.x + 4.0, t.y - h / 2.0}, uitLinks},
                                    {{t.x - 4.0, t.y - h / 2.0}, uitRechts},
                                    {{t.x, t.y - h - 3.0}, uitMidden},
                                    {{t.x, t.y + 3.0}, uitMidden}}});
        }
    }
    return teSchrijven;
}

void TKrachtView::TekenScharnieren(const TCelAfbeelding& cel, const TKrachtsverdeling& v) {
    p_.save();
    p_.setPen(QPen(KleurRood, 1));
    for (const auto& s : v.Scharnieren) {
        p_.setBrush(s.Draait ? KleurGeel : KleurWit);
        TekenCirkel(p_, cel.Scherm(Wereld(Knoop(s.Knoop))), ScharnierDiameter);
    }
    p_.restore();
}

std::string TKrachtView::Overschrijdingen(const TKrachtsverdeling& v) const {
    // Per node the largest excess, in node order.
    std::map<int, std::pair<double, double>> grootste;
    for (const auto& s : v.Staven) {
        const auto& staaf = c_.Staven[static_cast<std::size_t>(s.Slot)];
        for (const auto& [knoop, m] :
             {std::pair{staaf.Knoop0, s.M0}, std::pair{staaf.Knoop1, s.M1}}) {
            const double waarde = std::fabs(m);
            if (waarde > staaf.Mp * (1.0 + Verhoudingstolerantie)) {
                auto [plek, nieuw] = grootste.try_emplace(knoop, waarde, staaf.Mp);
                if (!nieuw && waarde / staaf.Mp > plek->second.first / plek->second.second) {
                    plek->second = {waarde, staaf.Mp};
                }
            }
        }
    }
    std::vector<std::string> delen;
    for (const auto& [knoop, waarde] : grootste) {
        delen.push_back(VulIn(T(TekstKrachtKnoop),
                              {Knoopnummer(knoop), Getal(waarde.first), Getal(waarde.second)}));
    }
    return Opsomming(delen, T(TekstOpsommingEn));
}

double TKrachtView::TekenToets(double y, const TKrachtsverdeling& v) {
    const auto& controle = ctx_.Krachten.Controle();
    if (!v.Bestaat) {
        const int tekst =
            IsOneindigeLast(v.Bezwijklast) ? TekstKrachtGeenArbeid : TekstKrachtGeenEvenwicht;
        return TekenBlok(p_, gebied_, y, T(tekst), opBerekening, KleurZwart);
    }
    if (v.Momentverhouding <= 1.0 + Verhoudingstolerantie) {
        return TekenBlok(p_, gebied_, y, VulIn(T(TekstKrachtBevestigd), {Getal(v.Bezwijklast)}),
                         opBerekening, KleurZwart);
    }
    y = TekenBlok(p_, gebied_, y,
                  VulIn(T(TekstKrachtOverschreden), {Overschrijdingen(v), Getal(v.Bezwijklast)}),
                  opBerekening, KleurRood);
    y = TekenBlok(
        p_, gebied_, y,
        VulIn(T(TekstKrachtOndergrens), {Getal(v.Momentverhouding), Getal(v.Ondergrens())}),
        opBerekening, KleurZwart);
    const auto& waar = controle.Waar;
    if (IsOneindigeLast(waar.Bezwijklast)) {
        return TekenBlok(p_, gebied_, y, T(TekstKrachtWareLastOneindig), opBerekening, KleurZwart);
    }
    std::vector<std::string> knopen;
    for (const int k : waar.Scharnieren) {
        knopen.push_back(VulIn(T(TekstKrachtKnopen), {Knoopnummer(k)}));
    }
    return TekenBlok(p_, gebied_, y,
                     VulIn(T(TekstKrachtWareLast),
                           {Getal(waar.Bezwijklast), Opsomming(knopen, T(TekstOpsommingEn))}),
                     opBerekening, KleurZwart);
}

double TKrachtView::TekenMomentenlijn(double y) {
    const auto& v = ctx_.Krachten.Verdeling(i_);
    const std::string fp = IsOneindigeLast(v.Bezwijklast) ? "**g¥" : Getal(v.Bezwijklast);
    y = TekenBlok(p_, gebied_, y, VulIn(T(TekstKrachtMechanisme), {std::to_string(i_ + 1), fp}),
                  opBerekening, KleurZwart);
    if (v.Bestaat) {
        const TCelAfbeelding cel = MaakTekeningCel(c_, gebied_, y + TekeningMarge);
        TLabelPlaatser labels({gebied_.Left, y, gebied_.Right, cel.Cel.Bottom + TekeningMarge});
        const auto waarden = TekenMomentvlakken(cel, v);
        TekenStaven(cel, KleurZwart, 2.0);
        TekenOpleggingen(cel, KleurZwart);
        TekenScharnieren(cel, v);
        const TOpmaak opmaak = Opmaak(opLabel);
        for (const TMomentLabel& waarde : waarden) {
            labels.Plaats(p_, waarde.Kleur, opmaak, waarde.Tekst, waarde.Plekken);
        }
        y = cel.Cel.Bottom + TekeningMarge;
    }
    return TekenToets(y, v);
}

void TKrachtView::Pijl(TPunt kop, double hoek, QColor kleur, const std::string& label,
                       TLabelPlaatser& labels) {
    TekenBelasting(p_, kleur, kleur, 1.0, Opmaak(opLabel), "", kop, hoek, PijlPixels);
    const TPunt staart{kop.x - std::cos(hoek) * PijlPixels, kop.y + std::sin(hoek) * PijlPixels};
    const TOpmaak opmaak = Opmaak(opLabel);
    const int h = RegelHoogte(p_, opmaak);
    labels.Plaats(p_, kleur, opmaak, label,
                  {{{staart.x + 4.0, staart.y - h - 1.0}, uitLinks},
                   {{staart.x - 4.0, staart.y - h - 1.0}, uitRechts},
                   {{staart.x + 4.0, staart.y + 1.0}, uitLinks},
                   {{staart.x - 4.0, staart.y + 1.0}, uitRechts}});
}

void TKrachtView::Boog(TPunt midden, bool linksom, const std::string& label,
                       TLabelPlaatser& labels) {
    constexpr double Begin = 45.0;
    const double zwaai = linksom ? 270.0 : -270.0;
    p_.save();
    p_.setPen(QPen(KleurZwart, 1));
    p_.setBrush(Qt::NoBrush);
    const QRectF vak(midden.x - BoogStraal, midden.y - BoogStraal, 2 * BoogStraal, 2 * BoogStraal);
    p_.drawArc(vak, static_cast<int>(Begin * 16), static_cast<int>(zwaai * 16));
    p_.restore();
    const double eind = (Begin + zwaai) * std::numbers::pi / 180.0;
    const TPunt punt{midden.x + BoogStraal * std::cos(eind),
                     midden.y - BoogStraal * std::sin(eind)};
    const double raaklijn = eind + (linksom ? 1.0 : -1.0) * std::numbers::pi / 2.0;
    TekenPijlpunt(p_, KleurZwart, punt, raaklijn, 8.0, 6.0);
    const TOpmaak opmaak = Opmaak(opLabel);
    const int h = RegelHoogte(p_, opmaak);
    labels.Plaats(p_, KleurZwart, opmaak, label,
                  {{{midden.x + BoogStraal + 3.0, midden.y - BoogStraal - h}, uitLinks},
                   {{midden.x - BoogStraal - 3.0, midden.y - BoogStraal - h}, uitRechts},
                   {{midden.x + BoogStraal + 3.0, midden.y + BoogStraal}, uitLinks}});
}

void TKrachtView::TekenBelastingen(const TCelAfbeelding& cel, double lambda,
                                   TLabelPlaatser& labels) {
    for (const auto& b : c_.Belastingen) {
        if (!b.Bestaat) {
            continue;
        }
        const TPunt kop = cel.Scherm(Wereld(Knoop(b.Knoop)));
        if (b.Fx != 0.0) {
            Pijl(kop, b.Fx > 0.0 ? 0.0 : Rechts, KleurMiddengrijs,
                 Getal(std::fabs(lambda * b.Fx)) + " kN", labels);
        }
        if (b.Fy != 0.0) {
            Pijl(kop, b.Fy > 0.0 ? 3.0 * Onder : Onder, KleurMiddengrijs,
                 Getal(std::fabs(lambda * b.Fy)) + " kN", labels);
        }
    }
}

void TKrachtView::TekenReacties(const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                                TLabelPlaatser& labels) {
    double grootste = 0.0;
    for (const auto& r : v.Reacties) {
        grootste = std::max({grootste, std::fabs(r.Rx), std::fabs(r.Ry), std::fabs(r.M)});
    }
    const double drempel = Ruis * std::max(grootste, 1.0);
    for (const auto& r : v.Reacties) {
        const TPunt p = cel.Scherm(Wereld(Knoop(r.Knoop)));
        // The arrows end a little off the node, clear of the support symbol's centre.
        if (std::fabs(r.Rx) > drempel) {
            const double hoek = r.Rx > 0.0 ? 0.0 : Rechts;
            Pijl({p.x - std::cos(hoek) * 6.0, p.y}, hoek, KleurZwart,
                 Getal(std::fabs(r.Rx)) + " kN", labels);
        }
        if (std::fabs(r.Ry) > drempel) {
            const double hoek = r.Ry > 0.0 ? Onder : 3.0 * Onder;
            Pijl({p.x, p.y + std::sin(hoek) * 6.0}, hoek, KleurZwart,
                 Getal(std::fabs(r.Ry)) + " kN", labels);
        }
        if (std::fabs(r.M) > drempel) {
            Boog(p, r.M > 0.0, Getal(std::fabs(r.M)) + " kNm", labels);
        }
    }
}

std::string TKrachtView::Som(const std::string& naam, const std::vector<double>& termen) const {
    std::string tekst = "**gS" + naam + " = ";
    double som = 0.0;
    double grootste = 0.0;
    for (std::size_t i = 0; i < termen.size(); ++i) {
        const double t = termen[i];
        som += t;
        grootste = std::max(grootste, std::fabs(t));
        if (i == 0) {
            tekst += Getal(t);
        } else {
            tekst += (t < 0.0 ? " - " : " + ") + Getal(std::fabs(t));
        }
    }
    if (termen.empty()) {
        tekst += "0";
    }
    const double rest = std::fabs(som) <= Ruis * std::max(grootste, 1.0) ? 0.0 : som;
    return tekst + " = " + Getal(rest) + " kN";
}

double TKrachtView::TekenOplegreacties(double y) {
    const auto& v = ctx_.Krachten.Verdeling(i_);
    if (!v.Bestaat) {
        return y;
    }
    y = TekenBlok(p_, gebied_, y,
                  VulIn(T(TekstKrachtReacties), {std::to_string(i_ + 1), Getal(v.Bezwijklast)}),
                  opBerekening, KleurZwart);
    const TCelAfbeelding cel = MaakTekeningCel(c_, gebied_, y + TekeningMarge + PijlPixels);
    TLabelPlaatser labels(
        {gebied_.Left, y, gebied_.Right, cel.Cel.Bottom + TekeningMarge + PijlPixels});
    TekenStaven(cel, KleurZilver, 2.0);
    TekenOpleggingen(cel, KleurZilver);
    TekenBelastingen(cel, v.Bezwijklast, labels);
    TekenReacties(cel, v, labels);
    y = cel.Cel.Bottom + TekeningMarge + PijlPixels;

    std::vector<double> horizontaal;
    std::vector<double> verticaal;
    for (const auto& r : v.Reacties) {
        const auto& k = Knoop(r.Knoop);
        if (k.Oplegging != RolHorizontaal) {
            horizontaal.push_back(r.Rx);
        }
        if (k.Oplegging != RolVerticaal) {
            verticaal.push_back(r.Ry);
        }
    }
    for (const auto& b : c_.Belastingen) {
        if (b.Bestaat && b.Fx != 0.0) {
            horizontaal.push_back(v.Bezwijklast * b.Fx);
        }
        if (b.Bestaat && b.Fy != 0.0) {
            verticaal.push_back(-v.Bezwijklast * b.Fy);
        }
    }
    y = TekenBlok(p_, gebied_, y, Som("H", horizontaal), opBerekening, KleurZwart);
    return TekenBlok(p_, gebied_, y, Som("V", verticaal), opBerekening, KleurZwart);
}
} // namespace

void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           const TKrachtContext& context) {
    TKrachtView view(painter, gebied, mechanisme, context);
    gebied.Bottom = view.Teken() + 50.0;
}

} // namespace kx
