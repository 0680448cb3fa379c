#include "drawing/KrachtsverdelingView.h"

#include "drawing/Afbeelding.h"
#include "drawing/Blokken.h"
#include "drawing/Knoopstand.h"
#include "drawing/LabelPlaatser.h"
#include "drawing/Maatvoering.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Momentenlijn.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "engine/Evenwichtssommen.h"
#include "engine/Getalnotatie.h"
#include "engine/Krachtenanalyse.h"
#include "engine/Records.h"
#include "engine/Toleranties.h"
#include "engine/Veldplaats.h"
#include "model/Knoopbetekenis.h"
#include "text/Opsomming.h"
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
constexpr double PijlPixels = 40.0;
// The arrows of a distributed load; they stay within the room kept for the point loads' arrows.
constexpr double ReactieVerdeeldePijl = 24.0;
constexpr double BoogStraal = 16.0;
constexpr int Cijfers = 4;
constexpr double Onder = std::numbers::pi / 2.0;
constexpr double Rechts = std::numbers::pi;
// Forces below this share of the largest one are rounding, not forces.
constexpr double Ruis = 1e-9;

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
    std::string Overschrijdingen(const TKrachtsverdeling& v) const;

    double TekenOplegreacties(double y);
    void TekenBelastingen(const TCelAfbeelding& cel, double lambda, TLabelPlaatser& labels);
    void TekenReacties(const TCelAfbeelding& cel, const TKrachtsverdeling& v,
                       TLabelPlaatser& labels);
    void Pijl(TPunt kop, double hoek, QColor kleur, const std::string& label,
              TLabelPlaatser& labels);
    void Boog(TPunt midden, bool linksom, const std::string& label, TLabelPlaatser& labels);
    std::string Som(const std::string& naam, const std::vector<double>& termen,
                    const std::string& eenheid) const;
    double TekenKnoopevenwicht(double y, const TKrachtsverdeling& v);

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
        if (ctx_.Opties[woUitlegMomentenlijn] && !BelasteStaven(c_).empty()) {
            y = TekenBlok(p_, gebied_, y, T(TekstKrachtUitlegParabool), opUitleg, KleurZwart);
        }
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
    // Inside a loaded bar the parabola's peak, with its place.
    for (const auto& piek : v.Veldpieken) {
        if (std::fabs(piek.M) > piek.Mp * (1.0 + Verhoudingstolerantie)) {
            delen.push_back(
                VulIn(T(TekstKrachtVeld),
                      {std::to_string(piek.Slot + 1),
                       VeldplaatsTekst(c_, piek.Slot, piek.Positie, ctx_.Tekst, ctx_.Decimaalteken),
                       Getal(std::fabs(piek.M)), Getal(piek.Mp)}));
        }
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
        y = kx::TekenMomentenlijn(p_, gebied_, y, c_, v, ctx_.Tekst, ctx_.Decimaalteken);
        y = TekenKnoopevenwicht(y, v);
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
    TekenMomentboog(p_, KleurZwart, midden, BoogStraal, linksom);
    const TOpmaak opmaak = Opmaak(opLabel);
    const int h = RegelHoogte(p_, opmaak);
    labels.Plaats(p_, KleurZwart, opmaak, label,
                  {{{midden.x + BoogStraal + 3.0, midden.y - BoogStraal - h}, uitLinks},
                   {{midden.x - BoogStraal - 3.0, midden.y - BoogStraal - h}, uitRechts},
                   {{midden.x + BoogStraal + 3.0, midden.y + BoogStraal}, uitLinks}});
}

void TKrachtView::TekenBelastingen(const TCelAfbeelding& cel, double lambda,
                                   TLabelPlaatser& labels) {
    for (const auto& q : c_.VerdeeldeBelastingen) {
        if (!q.Bestaat || !IsSlot(c_.Staven, q.Staaf) ||
            !c_.Staven[static_cast<std::size_t>(q.Staaf)].Bestaat) {
            continue;
        }
        const auto& staaf = c_.Staven[static_cast<std::size_t>(q.Staaf)];
        const std::string label = Getal(lambda * std::hypot(q.Qx, q.Qy)) + " kN/m";
        const TPunt van = cel.Scherm(Wereld(Knoop(staaf.Knoop0)));
        const TPunt naar = cel.Scherm(Wereld(Knoop(staaf.Knoop1)));
        const double hoek = Richtingshoek({0.0, 0.0}, {q.Qx, q.Qy});
        TekenVerdeeldeBelasting(p_, KleurMiddengrijs, KleurMiddengrijs, 1.0, Opmaak(opLabel), label,
                                van, naar, hoek, ReactieVerdeeldePijl);
        // The reactions' values keep clear of the row of arrows and its value.
        labels.Bezet(VerdeeldeBelastingVak(p_, Opmaak(opLabel), label, van, naar, hoek,
                                           ReactieVerdeeldePijl));
    }
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

std::string TKrachtView::Som(const std::string& naam, const std::vector<double>& termen,
                             const std::string& eenheid) const {
    double som = 0.0;
    double grootste = 0.0;
    for (const double t : termen) {
        som += t;
        grootste = std::max(grootste, std::fabs(t));
    }
    // A term or sum at the rounding of the largest term is written as 0, as no arrow shows it.
    const double drempel = Ruis * std::max(grootste, 1.0);
    std::string tekst = "**gS" + naam + " = ";
    for (std::size_t i = 0; i < termen.size(); ++i) {
        const double t = std::fabs(termen[i]) <= drempel ? 0.0 : termen[i];
        if (i == 0) {
            tekst += Getal(t);
        } else {
            tekst += (t < 0.0 ? " - " : " + ") + Getal(std::fabs(t));
        }
    }
    if (termen.empty()) {
        tekst += "0";
    }
    return tekst + " = " + Getal(std::fabs(som) <= drempel ? 0.0 : som) + " " + eenheid;
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
    TekenStaven(p_, c_, cel, KleurZilver, 2.0);
    TekenOpleggingen(p_, c_, cel, KleurZilver);
    TekenBelastingen(cel, v.Bezwijklast, labels);
    TekenReacties(cel, v, labels);
    MeldBlok(p_, y, cel.Cel.Bottom + TekeningMarge + PijlPixels, TBlokSoort::Tekening);
    y = cel.Cel.Bottom + TekeningMarge + PijlPixels;

    const TEvenwichtssommen sommen = BepaalEvenwichtssommen(c_, v);
    y = TekenBlok(p_, gebied_, y, Som("H", sommen.H, "kN"), opBerekening, KleurZwart);
    y = TekenBlok(p_, gebied_, y, Som("V", sommen.V, "kN"), opBerekening, KleurZwart);
    if (sommen.MomentpuntKnoop == -1) {
        return y;
    }
    const std::string om = VulIn(T(TekstKrachtMomentOm), {Knoopnummer(sommen.MomentpuntKnoop)});
    return TekenBlok(p_, gebied_, y, Som(om, sommen.M, "kNm"), opBerekening, KleurZwart);
}

double TKrachtView::TekenKnoopevenwicht(double y, const TKrachtsverdeling& v) {
    const TEvenwichtssommen sommen = BepaalEvenwichtssommen(c_, v);
    if (sommen.Knopen.empty()) {
        return y;
    }
    y = TekenBlok(p_, gebied_, y, T(TekstKrachtUitlegKnopen), opBerekening, KleurZwart);
    for (const auto& knoop : sommen.Knopen) {
        y = TekenBlok(p_, gebied_, y,
                      VulIn(T(TekstKrachtKnoopevenwicht), {Knoopnummer(knoop.Knoop)}) +
                          Som("M", knoop.Termen, "kNm"),
                      opBerekening, KleurZwart);
    }
    return y;
}
} // namespace

void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           const TKrachtContext& context) {
    TKrachtView view(painter, gebied, mechanisme, context);
    gebied.Bottom = view.Teken() + 50.0;
}

} // namespace kx
