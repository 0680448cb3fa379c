#include "drawing/WanneerBezwijkenView.h"

#include "drawing/Blokken.h"
#include "drawing/Maatvoering.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"
#include "engine/Enumeratie.h"
#include "engine/GedeeldeCentra.h"
#include "engine/Getalnotatie.h"
#include "engine/Scharniertermen.h"
#include "engine/Veldplaats.h"
#include "model/Bevraging.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QFontMetrics>
#include <QPen>
#include <QPicture>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace kx {

namespace {
using std::numbers::pi;
constexpr double MaatOffset = 10.0;
constexpr double VerplaatsingOffset = 15.0;
constexpr double PixelsPerBelasting = 50.0;
constexpr double RCDiameter = 11.0;
// Room above and below the drawing for load arrows and labels that reach beyond its box.
constexpr double ArbeidMarge = 40.0;
// Space kept between the heading and whatever the drawing reaches up to.
constexpr double LabelRuimte = 5.0;
// Half the width a load arrow's shaft and head take.
constexpr double PijlRand = 4.0;
// A line of the displaced shape is kept clear of values in boxes of twice LijnRand pixels, one
// every LijnStap pixels along it.
constexpr double LijnRand = 2.0;
constexpr double LijnStap = 3.0;
constexpr double Subschrift = 0.75;
constexpr double VergelijkingInspring = 40.0;
constexpr double RechterMarge = 10.0;
constexpr double TermAfstand = 3.0;
constexpr int CijfersMaat = 3;
constexpr int CijfersUitkomst = 4;
// Below the drawing in the visible part of the window: room for the equation's first line.
constexpr double VergelijkingRuimte = 60.0;
// A drawing never shrinks below this height to fit a window.
constexpr double KleinsteTekening = 150.0;
// What a drawing far down the view keeps in sight above it: its heading.
constexpr double KopRuimte = 100.0;

const char* const DeltaTheta = " ¬d¬q";
const char* const Maal = " ¬× ";

// The parts about one centre as its label's subscript: "AB, BC".
std::string Namen(const TGedeeldCentrum& centrum) {
    std::string namen;
    for (const std::string& deel : centrum.Delen) {
        namen += (namen.empty() ? "" : ", ") + deel;
    }
    return namen;
}

class TArbeidsView {
public:
    TArbeidsView(QPainter& painter, const TRechthoek& gebied, const TMechanisme& mechanisme,
                 const TViewContext& ctx)
        : p_(painter), gebied_(gebied), m_(mechanisme), ctx_(ctx),
          termen_(Scharniertermen(mechanisme, ctx.Tekst, ctx.Analyse.Decimaalteken)),
          perScharnier_(!IsKeten(ctx.Constructie)) {}

    double TekenTekening(double y);
    double TekenVergelijking(double y);
    std::string GereduceerdeVergelijking() const;

private:
    std::string Getal(double v, int cijfers) const {
        return AlgemeenGetal(v, cijfers, ctx_.Analyse.Decimaalteken);
    }
    std::string Rotatie(const TStaaf& deel) const {
        return Getal(std::fabs(deel.gamma) / VirtueleRotatie, CijfersMaat) + DeltaTheta;
    }
    const std::string& Regel1(int q) const;
    const std::string& Regel2(int q) const;
    double Factor(int q) const;
    int Laatste() const { return 2 * (m_.AantalStaven + m_.AantalBelastingen) + 1; }
    std::string Term(int q) const;
    // A hinge's caption; a hinge inside a span adds where it lies.
    std::string Onderschrift(const TScharnierterm& term) const;
    TCelAfbeelding Cel(double boven) const;

    struct TLastpijl {
        TPunt Punt;
        double Hoek;
        double Lengte;
        std::string Label;
    };
    std::vector<TLastpijl> Lastpijlen(const TCelAfbeelding& cel, const TBelasting& last,
                                      bool verplaatst, bool metLabels) const;
    TRechthoek RCLabelVak(TPunt centrum, const std::string& namen) const;
    // Whether a centre lies in the picture: one beyond it gets no mark and no construction
    // lines, which would run over the text around the picture.
    bool InBeeld(const TCelAfbeelding& cel, const TRotatiecentrum& rc) const;
    std::vector<TMaat> Afstandsmaten(const TCelAfbeelding& cel) const;
    std::vector<TMaat> Verplaatsingsmaten() const;
    // The box the drawing, its load arrows and their labels take.
    TRechthoek Bereik(const TCelAfbeelding& cel) const;
    void ReserveerVasteVormen(const TCelAfbeelding& cel, TLabelPlaatser& labels);
    void TekenLastLabels();

    void TekenLastpijlen(const TCelAfbeelding& cel, QColor kleur, bool verplaatst);
    void TekenAfstanden(const TCelAfbeelding& cel, TLabelPlaatser& labels);
    void TekenVerplaatsingen(const TCelAfbeelding& cel, TLabelPlaatser& labels);
    void TekenHoeken(const TCelAfbeelding& cel, TLabelPlaatser& labels);
    void TekenRotatiecentra(const TCelAfbeelding& cel);
    void TekenMomenten(const TCelAfbeelding& cel, TLabelPlaatser& labels);

    QPainter& p_;
    const TRechthoek& gebied_;
    const TMechanisme& m_;
    const TViewContext& ctx_;
    const std::vector<TScharnierterm> termen_;
    // A frame beyond a single chain writes its internal work once per hinge; a chain keeps one
    // term per bar end, the equation its parts give.
    const bool perScharnier_;
    // The labels of the displaced load arrows, placed before anything that must keep clear.
    std::vector<std::pair<TLabelPlek, std::string>> lastLabels_;
    // The box of the drawing being drawn.
    TRechthoek beeld_;
};

const std::string& TArbeidsView::Regel1(int q) const {
    static const std::string leeg;
    const auto& r = m_.Vgl.Regel1;
    return q >= 0 && q < static_cast<int>(r.size()) ? r[static_cast<std::size_t>(q)] : leeg;
}

const std::string& TArbeidsView::Regel2(int q) const {
    static const std::string leeg;
    const auto& r = m_.Vgl.Regel2;
    return q >= 0 && q < static_cast<int>(r.size()) ? r[static_cast<std::size_t>(q)] : leeg;
}

double TArbeidsView::Factor(int q) const {
    const auto& f = m_.Vgl.Factoren;
    return q >= 0 && q < static_cast<int>(f.size()) ? f[static_cast<std::size_t>(q)] : 0.0;
}

// The printed term of the owner of entries q and q + 1: each entry only when it does work.
std::string TArbeidsView::Term(int q) const {
    std::string term;
    for (int i = q; i <= q + 1; ++i) {
        if (Factor(i) != 0.0) {
            term += Regel1(i);
        }
    }
    return term;
}

std::string TArbeidsView::Onderschrift(const TScharnierterm& term) const {
    const std::string plaats =
        VeldscharnierTekst(m_, term.Naam, ctx_.Constructie, ctx_.Tekst, ctx_.Analyse.Decimaalteken);
    return plaats.empty() ? term.Onderschrift : term.Onderschrift + " " + plaats;
}

// One arrow per non-zero component: Fx to the left or right, Fy down or up.
std::vector<TArbeidsView::TLastpijl> TArbeidsView::Lastpijlen(const TCelAfbeelding& cel,
                                                              const TBelasting& last,
                                                              bool verplaatst,
                                                              bool metLabels) const {
    const TPunt punt = verplaatst ? cel.Scherm(TPunt{last.x + last.dx, last.y + last.dy})
                                  : cel.Scherm(TPunt{last.x, last.y});
    std::vector<TLastpijl> pijlen;
    const auto voegToe = [&](double waarde, double positief) {
        if (waarde == 0.0) {
            return;
        }
        pijlen.push_back({punt, waarde > 0.0 ? positief : positief + pi,
                          PixelsPerBelasting * std::fabs(waarde),
                          metLabels ? Getal(std::fabs(waarde), CijfersMaat) + " F" : ""});
    };
    voegToe(last.Fx, 0.0);
    voegToe(last.Fy, pi / 2.0);
    return pijlen;
}

// "RC" Links pixels right of the centre and Onder pixels above it, with the part's end names
// as a subscript.
TRechthoek TArbeidsView::RCLabelVak(TPunt centrum, const std::string& namen) const {
    const TOpmaak opmaak = Opmaak(opTekening);
    const TPunt plek = LabelPositie(p_, opmaak, centrum);
    const double h = RegelHoogte(p_, opmaak);
    QFont klein = Lettertype(opmaak.Tekst);
    klein.setPointSizeF(Subschrift * opmaak.Tekst.Grootte);
    const QFontMetrics fm(klein, p_.device());
    const double breedte =
        RegelBreedte(p_, opmaak, "RC") + fm.horizontalAdvance(QString::fromStdString(namen));
    // Mirrored to the left of the centre where it would run out of the view.
    const double links =
        plek.x + breedte > gebied_.Right ? 2.0 * centrum.x - plek.x - breedte : plek.x;
    return {links, plek.y, links + breedte, plek.y + h / 2.0 + fm.height()};
}

// The cell fitted to the area's width, and to the visible height of the window where the
// drawing would pass it: the heading above it, the explanation on request and the equation's
// first line below it stay in sight.
TCelAfbeelding TArbeidsView::Cel(double boven) const {
    TCelAfbeelding cel = MaakCel(m_, ctx_.Constructie, gebied_.Left, boven, gebied_.Right, true);
    if (ctx_.ZichtbareHoogte <= 0.0) {
        return cel;
    }
    double onder = ArbeidMarge + VergelijkingRuimte;
    if (ctx_.Opties[woUitlegVirtArbVgl]) {
        QPicture meting;
        QPainter maat(&meting);
        onder += TekenBlok(maat, gebied_, 0.0, ctx_.Tekst[TekstUitlegVergelijking], opUitleg,
                           KleurZwart);
    }
    const double kop = std::min(boven - gebied_.Top, KopRuimte);
    const double grens = std::max(KleinsteTekening, ctx_.ZichtbareHoogte - kop - onder);
    const double hoogte = cel.Cel.Bottom - cel.Cel.Top;
    if (hoogte > grens) {
        const double breedte = (cel.Cel.Right - cel.Cel.Left) * grens / hoogte;
        const double midden = (cel.Cel.Left + cel.Cel.Right) / 2.0;
        cel.Cel = {midden - breedte / 2.0, boven, midden + breedte / 2.0, boven + grens};
    }
    return cel;
}

// Distances from both ends of every part to its rotation centre.
bool TArbeidsView::InBeeld(const TCelAfbeelding& cel, const TRotatiecentrum& rc) const {
    const TPunt p = cel.Scherm(TPunt{rc.x, rc.y});
    return beeld_.Bevat(p.x, p.y);
}

std::vector<TMaat> TArbeidsView::Afstandsmaten(const TCelAfbeelding& cel) const {
    std::vector<TMaat> maten;
    for (const TStaaf& deel : m_.avStaven) {
        if (!Beweegt(deel) || !InBeeld(cel, deel.RC)) {
            continue;
        }
        for (const TKnoop& eind : deel.Knopen) {
            maten.push_back({{eind.x, eind.y},
                             {deel.RC.x, deel.RC.y},
                             Getal(std::fabs(deel.RC.x - eind.x), CijfersMaat) + " m",
                             Getal(std::fabs(deel.RC.y - eind.y), CijfersMaat) + " m",
                             MaatOffset});
        }
    }
    return maten;
}

// The virtual displacement of every load, labelled as lever arm times rotation.
std::vector<TMaat> TArbeidsView::Verplaatsingsmaten() const {
    std::vector<TMaat> maten;
    for (const TBelasting& last : m_.avBelastingen) {
        if (last.s < 0 || last.s >= static_cast<int>(m_.avStaven.size())) {
            continue;
        }
        const TStaaf& deel = m_.avStaven[static_cast<std::size_t>(last.s)];
        const std::string rotatie = Maal + Rotatie(deel);
        // A translating part moves every point alike: the displacement per unit of rotation.
        const auto verschuiving = [&](double d) {
            return Getal(std::fabs(d) / (Vergroting * VirtueleRotatie), CijfersMaat) + DeltaTheta;
        };
        const bool draait = IsEindig(deel.RC);
        maten.push_back({{last.x, last.y},
                         {last.x + last.dx, last.y + last.dy},
                         draait ? Getal(std::fabs(deel.RC.y - last.y), CijfersMaat) + rotatie
                                : verschuiving(last.dx),
                         draait ? Getal(std::fabs(deel.RC.x - last.x), CijfersMaat) + rotatie
                                : verschuiving(last.dy),
                         VerplaatsingOffset});
    }
    return maten;
}

TRechthoek TArbeidsView::Bereik(const TCelAfbeelding& cel) const {
    TRechthoek bereik = cel.Cel;
    const auto neem = [&bereik](const TRechthoek& r) {
        bereik = {std::min(bereik.Left, r.Left), std::min(bereik.Top, r.Top),
                  std::max(bereik.Right, r.Right), std::max(bereik.Bottom, r.Bottom)};
    };
    const TOpmaak opmaak = Opmaak(opLabel);
    const TLabelPlaatser meter(gebied_);
    for (const TBelasting& last : m_.avBelastingen) {
        for (const bool verplaatst : {false, true}) {
            for (const TLastpijl& pijl : Lastpijlen(cel, last, verplaatst, true)) {
                const TPunt staart =
                    DraaiPunt({pijl.Punt.x - pijl.Lengte, pijl.Punt.y}, pijl.Punt, -pijl.Hoek);
                neem({staart.x, staart.y, staart.x, staart.y});
                neem(meter.Vak(p_, opmaak, pijl.Label,
                               {LabelPositie(p_, opmaak, staart), uitLinks}));
            }
        }
    }
    return bereik;
}

// What keeps its place: the rotation centres' names, the moment arcs and the dimension ticks;
// then the load labels, beside the arrow's tail on whichever side is clear.
void TArbeidsView::ReserveerVasteVormen(const TCelAfbeelding& cel, TLabelPlaatser& labels) {
    for (const TGedeeldCentrum& c : GedeeldeCentra(m_)) {
        if (!InBeeld(cel, c.RC)) {
            continue;
        }
        labels.Bezet(RCLabelVak(cel.Scherm(TPunt{c.RC.x, c.RC.y}), Namen(c)));
    }
    for (const TStaaf& deel : m_.avStaven) {
        for (std::size_t e = 0; e < 2; ++e) {
            if (deel.Knopen[e].M != 0.0 && !IsKnoopdeel(deel)) {
                labels.Bezet(MomentpijlVak(cel.Scherm(deel.Knopen[e], true),
                                           cel.Scherm(deel.Knopen[1 - e], true)));
            }
        }
    }
    for (const auto& maten : {Afstandsmaten(cel), Verplaatsingsmaten()}) {
        for (const TMaat& maat : maten) {
            for (const TRechthoek& vak : MaatVakken(cel, maat)) {
                labels.Bezet(vak);
            }
        }
    }
    // The displaced shape, its supports and its hinges: no value is written over them.
    for (const auto& [a, b] : Vormlijnen(m_, ctx_.Constructie, cel, true)) {
        const double lengte = std::hypot(b.x - a.x, b.y - a.y);
        const int stappen = static_cast<int>(std::ceil(lengte / LijnStap));
        for (int i = 0; i <= stappen; ++i) {
            const double t = stappen > 0 ? static_cast<double>(i) / stappen : 0.0;
            const TPunt p{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            labels.Bezet({p.x - LijnRand, p.y - LijnRand, p.x + LijnRand, p.y + LijnRand});
        }
    }
    for (const TRechthoek& vak : VormOplegvakken(m_, ctx_.Constructie, cel)) {
        labels.Bezet(vak);
    }
    const TOpmaak opmaak = Opmaak(opLabel);
    const double h = RegelHoogte(p_, opmaak);
    // The shafts of the displaced load arrows.
    for (const TBelasting& last : m_.avBelastingen) {
        for (const TLastpijl& pijl : Lastpijlen(cel, last, true, false)) {
            const TPunt staart =
                DraaiPunt({pijl.Punt.x - pijl.Lengte, pijl.Punt.y}, pijl.Punt, -pijl.Hoek);
            labels.Bezet({std::min(staart.x, pijl.Punt.x) - PijlRand,
                          std::min(staart.y, pijl.Punt.y) - PijlRand,
                          std::max(staart.x, pijl.Punt.x) + PijlRand,
                          std::max(staart.y, pijl.Punt.y) + PijlRand});
        }
    }
    lastLabels_.clear();
    for (const TBelasting& last : m_.avBelastingen) {
        for (const TLastpijl& pijl : Lastpijlen(cel, last, true, true)) {
            const TPunt staart =
                DraaiPunt({pijl.Punt.x - pijl.Lengte, pijl.Punt.y}, pijl.Punt, -pijl.Hoek);
            const TPunt rechts = LabelPositie(p_, opmaak, staart);
            const TPunt links{2.0 * staart.x - rechts.x, rechts.y};
            const std::vector<TLabelPlek> plekken{{rechts, uitLinks},
                                                  {links, uitRechts},
                                                  {{rechts.x, rechts.y - h}, uitLinks},
                                                  {{links.x, links.y - h}, uitRechts}};
            lastLabels_.emplace_back(labels.Kies(p_, opmaak, pijl.Label, plekken), pijl.Label);
        }
    }
}

void TArbeidsView::TekenLastpijlen(const TCelAfbeelding& cel, QColor kleur, bool verplaatst) {
    const TOpmaak opmaak = Opmaak(opLabel);
    for (const TBelasting& last : m_.avBelastingen) {
        for (const TLastpijl& pijl : Lastpijlen(cel, last, verplaatst, false)) {
            TekenBelasting(p_, kleur, kleur, 1.0, opmaak, "", pijl.Punt, pijl.Hoek, pijl.Lengte);
        }
    }
}

void TArbeidsView::TekenLastLabels() {
    const TOpmaak opmaak = Opmaak(opLabel);
    for (const auto& [plek, label] : lastLabels_) {
        TPunt eind;
        TekenRegel(p_, plek.Anker, eind, KleurZwart, opmaak, label, plek.Uitlijning);
    }
}

void TArbeidsView::TekenAfstanden(const TCelAfbeelding& cel, TLabelPlaatser& labels) {
    const TOpmaak opmaak = Opmaak(opWaarde);
    for (const TMaat& maat : Afstandsmaten(cel)) {
        TekenMaat(p_, cel, KleurZilver, opmaak, maat, labels);
    }
}

void TArbeidsView::TekenVerplaatsingen(const TCelAfbeelding& cel, TLabelPlaatser& labels) {
    const TOpmaak opmaak = Opmaak(opWaarde);
    for (const TMaat& maat : Verplaatsingsmaten()) {
        TekenMaat(p_, cel, KleurZwart, opmaak, maat, labels);
    }
}

// The rotation of every part about its centre, shown at the end farthest from the centre.
// The rotation of every part about its centre, shown at the end farthest from the centre; parts
// that turn alike about one centre, the bars of one rigid part, share one mark.
void TArbeidsView::TekenHoeken(const TCelAfbeelding& cel, TLabelPlaatser& labels) {
    const TOpmaak opmaak = Opmaak(opWaarde);
    struct THoek {
        const TStaaf* Deel;
        const TKnoop* Eind;
        double Afstand;
    };
    std::vector<THoek> hoeken;
    for (const TStaaf& deel : m_.avStaven) {
        if (!IsEindig(deel.RC) || !Beweegt(deel) || !InBeeld(cel, deel.RC)) {
            continue;
        }
        for (const TKnoop& eind : deel.Knopen) {
            const double afstand = std::hypot(eind.x - deel.RC.x, eind.y - deel.RC.y);
            const auto zelfde = std::find_if(hoeken.begin(), hoeken.end(), [&](const THoek& h) {
                return Afkappen(h.Deel->RC.x - deel.RC.x) == 0.0 &&
                       Afkappen(h.Deel->RC.y - deel.RC.y) == 0.0 &&
                       std::fabs(h.Deel->gamma - deel.gamma) <= RotatieRuis * VirtueleRotatie;
            });
            if (zelfde == hoeken.end()) {
                hoeken.push_back({&deel, &eind, afstand});
            } else if (afstand > zelfde->Afstand) {
                *zelfde = {&deel, &eind, afstand};
            }
        }
    }
    for (const THoek& hoek : hoeken) {
        const TStaaf& deel = *hoek.Deel;
        TekenHoekmarkering(p_, KleurZwart, opmaak, cel.Scherm(TPunt{deel.RC.x, deel.RC.y}),
                           cel.Scherm(*hoek.Eind, false), cel.Scherm(*hoek.Eind, true),
                           Rotatie(deel), labels);
    }
}

void TArbeidsView::TekenRotatiecentra(const TCelAfbeelding& cel) {
    const TOpmaak opmaak = Opmaak(opTekening);
    const int h = RegelHoogte(p_, opmaak);
    for (const TGedeeldCentrum& centrum : GedeeldeCentra(m_)) {
        if (!InBeeld(cel, centrum.RC)) {
            continue;
        }
        const TPunt c = cel.Scherm(TPunt{centrum.RC.x, centrum.RC.y});
        p_.save();
        p_.setPen(QPen(KleurZwart, 1));
        p_.setBrush(Qt::NoBrush);
        TekenCirkel(p_, c, RCDiameter);
        p_.restore();

        const std::string namen = Namen(centrum);
        const TRechthoek vak = RCLabelVak(c, namen);
        TPunt eind;
        TekenRegel(p_, {vak.Left, vak.Top}, eind, KleurZwart, opmaak, "RC", uitLinks);
        QFont klein = Lettertype(opmaak.Tekst);
        klein.setPointSizeF(Subschrift * opmaak.Tekst.Grootte);
        p_.save();
        p_.setFont(klein);
        p_.setPen(KleurZwart);
        const QFontMetrics fm(klein, p_.device());
        p_.drawText(Pixel(eind.x), Pixel(vak.Top + h / 2.0) + fm.ascent(),
                    QString::fromStdString(namen));
        p_.restore();
    }
}

void TArbeidsView::TekenMomenten(const TCelAfbeelding& cel, TLabelPlaatser& labels) {
    const TOpmaak opmaak = Opmaak(opLabel);
    const TPunt midden{(cel.Cel.Left + cel.Cel.Right) / 2.0, (cel.Cel.Top + cel.Cel.Bottom) / 2.0};
    // A joint's balance of its hinges' moments acts along no bar: it has no arrow.
    for (const TStaaf& deel : m_.avStaven) {
        if (IsKnoopdeel(deel)) {
            continue;
        }
        for (int e = 0; e < 2; ++e) {
            const TKnoop& eind = deel.Knopen[static_cast<std::size_t>(e)];
            if (eind.M == 0.0) {
                continue;
            }
            const TKnoop& ander = deel.Knopen[static_cast<std::size_t>(1 - e)];
            TekenMomentpijl(p_, KleurZwart, opmaak, cel.Scherm(eind, true), cel.Scherm(ander, true),
                            eind.M > 0.0, midden, Getal(std::fabs(eind.M), CijfersMaat) + " kNm",
                            labels);
        }
    }
}

double TArbeidsView::TekenTekening(double y) {
    const TConstructie& constructie = ctx_.Constructie;
    TCelAfbeelding cel = Cel(y + ArbeidMarge);
    // Load arrows longer than the margin would reach into the heading: the drawing moves down.
    const double boven = Bereik(cel).Top - LabelRuimte;
    if (boven < y) {
        cel = Cel(y + ArbeidMarge + (y - boven));
    }
    const double onder = std::max(cel.Cel.Bottom, Bereik(cel).Bottom) + ArbeidMarge;
    beeld_ = {gebied_.Left, y, gebied_.Right, onder};
    TLabelPlaatser labels(beeld_);
    ReserveerVasteVormen(cel, labels);
    TekenSchets(p_, constructie, cel, false);
    TekenVorm(p_, m_, constructie, cel, KleurZilver, false);
    TekenLastpijlen(cel, KleurZilver, false);
    TekenAfstanden(cel, labels);
    TekenVerplaatsingen(cel, labels);
    TekenHoeken(cel, labels);
    TekenVorm(p_, m_, constructie, cel, KleurZwart, true);
    TekenRotatiecentra(cel);
    TekenVormSymbolen(p_, m_, constructie, cel, KleurZwart, true);
    TekenPlastischeScharnieren(p_, m_, cel);
    TekenLastpijlen(cel, KleurZwart, true);
    TekenLastLabels();
    TekenMomenten(cel, labels);
    MeldBlok(p_, y, onder, TBlokSoort::Tekening);
    return onder;
}

double TArbeidsView::TekenVergelijking(double y) {
    const TOpmaak opmaak = Opmaak(opBerekening);
    const double h = RegelHoogte(p_, opmaak);
    const double x0 = gebied_.Left + VergelijkingInspring;
    double y0 = y + 5.0;
    TPunt eind;
    TekenRegel(p_, {x0, y0}, eind, KleurZwart, opmaak, Regel1(0), uitLinks);
    double xEind = eind.x;
    // A caption wider than its term widens the term's room, so that captions keep apart.
    const auto tekenTerm = [&](const std::string& term, const std::string& onderschrift) {
        if (term.empty()) {
            return;
        }
        const double breedte = RegelBreedte(p_, opmaak, term);
        const double ruimte = std::max(breedte, RegelBreedte(p_, opmaak, onderschrift) + 2.0);
        double x = xEind + TermAfstand;
        if (x + ruimte > gebied_.Right - RechterMarge) {
            x = x0;
            y0 += 3.0 * h;
        }
        x += (ruimte - breedte) / 2.0;
        TekenRegel(p_, {x, y0}, eind, KleurZwart, opmaak, term, uitLinks);
        TekenAccolade(p_, KleurZwart, x, y0 + h + 1.0, eind.x, y0 + 1.5 * h + 1.0);
        TPunt onder;
        TekenRegel(p_, {(x + eind.x) / 2.0, y0 + 1.5 * h + 2.0}, onder, KleurZwart, opmaak,
                   onderschrift, uitMidden);
        xEind = std::max(eind.x, x + breedte / 2.0 + ruimte / 2.0);
    };
    // The internal work, once per hinge or once per bar end; then every load.
    if (perScharnier_) {
        for (const TScharnierterm& term : termen_) {
            tekenTerm(term.Term, Onderschrift(term));
        }
    } else {
        for (int i = 0; i < m_.AantalStaven; ++i) {
            tekenTerm(Term(2 * i + 1), Regel2(2 * i + 1));
        }
    }
    for (int j = 0; j < m_.AantalBelastingen; ++j) {
        const int q = 2 * m_.AantalStaven + 2 * j + 1;
        tekenTerm(Term(q), Regel2(q));
    }
    TekenRegel(p_, {xEind + TermAfstand, y0}, eind, KleurZwart, opmaak, Regel1(Laatste()),
               uitLinks);
    MeldBlok(p_, y, y0 + 2.5 * h + 3.0, TBlokSoort::Tekst);
    return y0 + 2.5 * h + 3.0;
}

std::string TArbeidsView::GereduceerdeVergelijking() const {
    const auto term = [&](double f) {
        const double v = f / VirtueleRotatie;
        return (v < 0.0 ? " - " : " + ") + Getal(std::fabs(v), CijfersUitkomst);
    };
    std::string tekst;
    const int staafEinde = 2 * m_.AantalStaven;
    if (perScharnier_) {
        for (const TScharnierterm& scharnier : termen_) {
            tekst += term(scharnier.Arbeid);
        }
    } else {
        for (int q = 1; q <= staafEinde; ++q) {
            if (Factor(q) != 0.0) {
                tekst += term(Factor(q));
            }
        }
    }
    for (int q = staafEinde + 1; q < Laatste(); ++q) {
        if (Factor(q) != 0.0) {
            tekst += term(Factor(q)) + " Fp";
        }
    }
    return tekst + Regel1(Laatste());
}

std::string Bezwijklast(const TMechanisme& m, char decimaalteken) {
    const double fp = m.Vgl.Bezwijklast;
    if (!IsOneindigeLast(fp)) {
        return "Fp = " + AlgemeenGetal(fp, CijfersUitkomst, decimaalteken) + " kN";
    }
    return "Fp = **g¥";
}
} // namespace

double TekenArbeid(QPainter& painter, const TRechthoek& gebied, double y, const TMechanisme& m,
                   const TViewContext& context) {
    const Teksten& t = context.Tekst;
    const TWeergaveOpties& o = context.Opties;
    TArbeidsView view(painter, gebied, m, context);
    if (o[woVirtArbVgl]) {
        y = TekenBlok(painter, gebied, y, t[TekstKopVergelijking], opKop, KleurZwart);
        y = view.TekenTekening(y);
    }
    if (o[woUitlegVirtArbVgl]) {
        y = TekenBlok(painter, gebied, y, t[TekstUitlegVergelijking], opUitleg, KleurZwart);
    }
    if (o[woVirtArbVgl]) {
        y = view.TekenVergelijking(y);
    }
    if (o[woBezwijklast]) {
        y = TekenBlok(painter, gebied, y, t[TekstKopBezwijklast], opKop, KleurZwart);
    }
    if (o[woUitlegBezwijklast]) {
        y = TekenBlok(painter, gebied, y, t[TekstUitlegWegstrepen], opUitleg, KleurZwart);
        y = TekenBlok(painter, gebied, y, view.GereduceerdeVergelijking(), opBerekening,
                      KleurZwart);
        y = TekenBlok(painter, gebied, y, t[TekstUitlegOplossen], opUitleg, KleurZwart);
    }
    if (o[woBezwijklast]) {
        y = TekenBlok(painter, gebied, y, Bezwijklast(m, context.Analyse.Decimaalteken),
                      opBerekening, KleurZwart);
    }
    return y;
}

void TekenWanneerBezwijken(QPainter& painter, TRechthoek& gebied, int mechanisme,
                           Klikgebieden& klik, const TViewContext& context) {
    klik[KlikArbeid] = {{}, -1};
    const Teksten& t = context.Tekst;
    const TAnalyse& analyse = context.Analyse;
    double y = TekenBlok(painter, gebied, gebied.Top, t[TekstWanneerTitel], opTitel, KleurZwart);
    const int aantal =
        std::min(analyse.AantalMechanismen, static_cast<int>(analyse.Mechanismen.size()));
    if (mechanisme < 0 || mechanisme >= aantal) {
        gebied.Bottom = y + 50.0;
        return;
    }
    y = TekenArbeid(painter, gebied, y, analyse.Mechanismen[static_cast<std::size_t>(mechanisme)],
                    context);
    if (context.Opties[woBezwijklast]) {
        const int oordeel =
            mechanisme == analyse.MaatgevendMechanisme ? TekstWelMaatgevend : TekstNietMaatgevend;
        y = TekenBlok(painter, gebied, y, t[oordeel], opUitleg, KleurZwart);
    }
    gebied.Bottom = y + 50.0;
}

} // namespace kx
