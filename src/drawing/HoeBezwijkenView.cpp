#include "drawing/HoeBezwijkenView.h"

#include "drawing/Afbeelding.h"
#include "drawing/Blokken.h"
#include "drawing/MechanismeRaster.h"
#include "drawing/OnafhankelijkView.h"
#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"
#include "engine/Enumeratie.h"
#include "engine/Getalnotatie.h"
#include "engine/Telluitleg.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QPen>

#include <algorithm>
#include <limits>
#include <string>

namespace kx {

namespace {
constexpr double FormuleInspring = 40.0;
constexpr double LinkInspring = 30.0;
constexpr int CijfersGetal = 3;
constexpr int CijfersAantal = 5;

int AantalGetekend(const TAnalyse& analyse) {
    return std::min(analyse.AantalMechanismen, static_cast<int>(analyse.Mechanismen.size()));
}

std::string Getal(const TViewContext& ctx, double v, int cijfers) {
    return AlgemeenGetal(v, cijfers, ctx.Analyse.Decimaalteken);
}

double TekenOnbepaaldheid(QPainter& painter, const TRechthoek& gebied, double y,
                          const TViewContext& ctx) {
    const TOnbepaaldheid& o = ctx.Analyse.Telling;
    const Teksten& t = ctx.Tekst;
    y = TekenBlok(painter, gebied, y, t[TekstKopOnbepaaldheid], opKop, KleurZwart);
    if (ctx.Opties[woUitlegStatOnbep]) {
        const std::string uitleg = t[TekstOnbekenden] + std::to_string(o.AantalOnbekenden) +
                                   t[TekstOnbekenden + 1] + std::to_string(o.AantalVergelijkingen) +
                                   t[TekstOnbekenden + 2];
        y = TekenBlok(painter, gebied, y, uitleg, opUitleg, KleurZwart);
        y = TekenBlok(painter, gebied, y, OnbekendenUitleg(ctx.Analyse.Delen, t), opUitleg,
                      KleurZwart);
        y = TekenBlok(painter, gebied, y, VergelijkingenUitleg(ctx.Analyse.Delen, t), opUitleg,
                      KleurZwart);
    }
    const std::string graad = t[TekstGraad] +
                              std::to_string(o.AantalOnbekenden - o.AantalVergelijkingen) +
                              t[TekstGraad + 1];
    return TekenBlok(painter, gebied, y, graad, opUitleg, KleurZwart);
}

std::string Berekening(const TViewContext& ctx) {
    const Teksten& t = ctx.Tekst;
    const std::string n = Getal(ctx, ctx.Analyse.Onbepaaldheid, CijfersGetal);
    const std::string k = Getal(ctx, ctx.Analyse.Onbepaaldheid + 1, CijfersGetal);
    const std::string m = Getal(ctx, ctx.Analyse.AantalPlaatsen, CijfersGetal);
    return t[TekstBerekening] + n + t[TekstBerekening + 1] + k + t[TekstBerekening + 2] + m +
           t[TekstBerekening + 3] + k + t[TekstBerekening + 4] + m + t[TekstBerekening + 5];
}

// The number of combinations as the formula ends: exact, beyond what 64 bits hold a text.
std::string AantalCombinaties(const TViewContext& ctx) {
    const std::uint64_t aantal =
        Binomiaal(ctx.Analyse.AantalPlaatsen, ctx.Analyse.Onbepaaldheid + 1);
    if (aantal == std::numeric_limits<std::uint64_t>::max()) {
        return ctx.Tekst[TekstMeerDanGrens];
    }
    return aantal < 100000 ? Getal(ctx, static_cast<double>(aantal), CijfersAantal)
                           : std::to_string(aantal);
}

// C = m! / ((m - k)! x k!) = count, with k = n + 1.
double TekenFormule(QPainter& painter, const TRechthoek& gebied, double y,
                    const TViewContext& ctx) {
    const TOpmaak opmaak = Opmaak(opBerekening);
    const double h = RegelHoogte(painter, opmaak);
    const double x0 = gebied.Left + FormuleInspring;
    const double y0 = y + 5.0;
    const std::string k = Getal(ctx, ctx.Analyse.Onbepaaldheid + 1, CijfersGetal);
    const std::string m = Getal(ctx, ctx.Analyse.AantalPlaatsen, CijfersGetal);
    TPunt eind;
    TekenRegel(painter, {x0, y0 + h / 2.0}, eind, KleurZwart, opmaak, "C = ", uitLinks);
    const double x1 = eind.x;
    TekenRegel(painter, {x1, y0 + h}, eind, KleurZwart, opmaak,
               "(" + m + " - " + k + ")! ¬× " + k + "!", uitLinks);
    const double x2 = eind.x;
    painter.save();
    painter.setPen(QPen(KleurZwart, 1));
    painter.drawLine(Pixel(x1), Pixel(y0 + h), Pixel(x2), Pixel(y0 + h));
    painter.restore();
    TekenRegel(painter, {(x1 + x2) / 2.0, y0}, eind, KleurZwart, opmaak, m + "!", uitMidden);
    TekenRegel(painter, {x2, y0 + h / 2.0}, eind, KleurZwart, opmaak,
               " = " + AantalCombinaties(ctx), uitLinks);
    MeldBlok(painter, y, y0 + 2.0 * h + 3.0, TBlokSoort::Tekst);
    return y0 + 2.0 * h + 3.0;
}

// The explanation of the number of mechanisms: the places, and the formula where it counts the
// list.
double TekenAantalUitleg(QPainter& painter, const TRechthoek& gebied, double y,
                         const TViewContext& ctx) {
    const TAnalyse& a = ctx.Analyse;
    y = TekenBlok(painter, gebied, y, ctx.Tekst[TekstUitlegMechanismen], opUitleg, KleurZwart);
    y = TekenBlok(painter, gebied, y, PlaatsenUitleg(a.Delen, ctx.Tekst), opUitleg, KleurZwart);
    if (a.AantalPlaatsen > 0 && a.Onbepaaldheid + 1 <= a.AantalPlaatsen) {
        y = TekenBlok(painter, gebied, y, Berekening(ctx), opBerekening, KleurZwart);
        y = TekenFormule(painter, gebied, y, ctx);
    }
    return y;
}

std::string Onderschrift(int i, const TViewContext& ctx) {
    std::string tekst = ctx.Tekst[TekstMechanismeNummer] + Getal(ctx, i + 1, CijfersAantal);
    if (i == ctx.Analyse.MaatgevendMechanisme) {
        tekst += ctx.Tekst[TekstMaatgevendAchter];
    }
    return tekst;
}

// The name of an independent mechanism, and a repeat saying so, on a line of their own, which
// keeps the caption within its cell.
std::string TweedeRegel(const TMechanisme& mechanisme, const TViewContext& ctx) {
    if (mechanisme.GelijkAan < 0) {
        return mechanisme.Naam;
    }
    std::string gelijk = ctx.Tekst[TekstGelijkAan];
    gelijk.erase(0, gelijk.find_first_not_of(' '));
    gelijk += Getal(ctx, mechanisme.GelijkAan + 1, CijfersAantal) + ")";
    return mechanisme.Naam.empty() ? gelijk : mechanisme.Naam + " " + gelijk;
}

// The links of the pager, flowing onto a next line where the area ends.
class TPagerRegel {
public:
    TPagerRegel(QPainter& painter, const TRechthoek& gebied, double y, Klikgebieden& klik)
        : painter_(painter), klik_(klik), links_(gebied.Left + LinkInspring),
          rechts_(gebied.Right - LinkInspring), x_(links_), y_(y + 5.0),
          h_(RegelHoogte(painter, Opmaak(opLink))) {}

    // A link, blue and clickable in region `gebied` when doel is 0 or more, else silver.
    void Link(const std::string& tekst, int gebied, int doel) {
        const TPunt begin = Plaats(tekst, opLink);
        TPunt eind;
        TekenRegel(painter_, begin, eind, doel >= 0 ? KleurBlauw : KleurZilver, Opmaak(opLink),
                   tekst, uitLinks);
        if (doel >= 0) {
            klik_[static_cast<std::size_t>(gebied)] = {{begin.x, begin.y, eind.x, begin.y + h_},
                                                       doel};
        }
        x_ = eind.x;
    }
    // Plain text on the line of the links: their font, not underlined.
    void Tekst(const std::string& tekst) {
        TOpmaak gewoon = Opmaak(opLink);
        gewoon.Tekst.Stijl &= static_cast<std::uint8_t>(~fsOnderstreept);
        TPunt eind;
        TekenRegel(painter_, Plaats(tekst, opLink), eind, KleurZwart, gewoon, tekst, uitLinks);
        x_ = eind.x;
    }
    void Tussenruimte(const std::string& spaties) {
        TPunt eind;
        TekenRegel(painter_, {x_, y_}, eind, KleurZwart, Opmaak(opUitleg), spaties, uitLinks);
        x_ = eind.x;
    }
    void NieuweRegel() {
        x_ = links_;
        y_ += h_ + 3.0;
    }
    double Onder() const { return y_ + h_ + 3.0; }

private:
    TPunt Plaats(const std::string& tekst, TOpmaakStijl stijl) {
        if (x_ > links_ && x_ + RegelBreedte(painter_, Opmaak(stijl), tekst) > rechts_) {
            NieuweRegel();
        }
        return {x_, y_};
    }

    QPainter& painter_;
    Klikgebieden& klik_;
    double links_;
    double rechts_;
    double x_;
    double y_;
    double h_;
};

// First, previous, "pagina k van N", next and last; below them the page numbers to jump to.
double TekenPager(QPainter& painter, const TRechthoek& gebied, double y, const TPagina& pagina,
                  int aantal, Klikgebieden& klik, const TViewContext& ctx) {
    const Teksten& t = ctx.Tekst;
    const TPagerDoelen doelen = PagerDoelen(pagina, aantal);
    TPagerRegel regel(painter, gebied, y, klik);
    const std::string tussen = t[TekstTussenLinks];
    regel.Link(t[TekstEerstePagina], KlikEerste, doelen.Eerste);
    regel.Tussenruimte(tussen);
    regel.Link(t[TekstVorige], KlikVorige, doelen.Vorige);
    regel.Tussenruimte(tussen);
    regel.Tekst(
        VulIn(t[TekstPaginaVan], {std::to_string(pagina.Nummer), std::to_string(pagina.Aantal)}));
    regel.Tussenruimte(tussen);
    regel.Link(t[TekstVolgende], KlikVolgende, doelen.Volgende);
    regel.Tussenruimte(tussen);
    regel.Link(t[TekstLaatstePagina], KlikLaatste, doelen.Laatste);
    if (pagina.Aantal > 1) {
        regel.NieuweRegel();
        regel.Tekst(t[TekstNaarPagina]);
        int gebiedNummer = KlikPaginaNummer;
        for (const auto& [k, doel] : doelen.Nummers) {
            regel.Tussenruimte(" ");
            if (doel >= 0) {
                regel.Link(std::to_string(k), gebiedNummer++, doel);
            } else {
                regel.Tekst(k == 0 ? "…" : std::to_string(k));
            }
        }
    }
    MeldBlok(painter, y, regel.Onder(), TBlokSoort::Tekst);
    return regel.Onder();
}

double TekenMechanismen(QPainter& painter, const TRechthoek& gebied, double y,
                        const TPagina& pagina, Klikgebieden& klik, const TViewContext& ctx) {
    std::vector<TRasterCel> cellen;
    for (int i = pagina.Eerste; i <= pagina.Laatste; ++i) {
        const TMechanisme& mechanisme = ctx.Analyse.Mechanismen[static_cast<std::size_t>(i)];
        cellen.push_back({&mechanisme, Onderschrift(i, ctx), TweedeRegel(mechanisme, ctx), i});
    }
    y = TekenRaster(painter, gebied, y, cellen, true, &klik, ctx.Constructie);
    return TekenPager(painter, gebied, y, pagina, AantalGetekend(ctx.Analyse), klik, ctx);
}
} // namespace

TPagina PaginaVoor(const TRechthoek& gebied, int gevraagd, const TAnalyse& analyse) {
    const int k = Kolommen(Pixel(gebied.Right - gebied.Left));
    return PaginaMet(gevraagd, k * k, AantalGetekend(analyse));
}

void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int gevraagd, Klikgebieden& klik,
                       const TViewContext& context) {
    for (int i = 0; i < static_cast<int>(klik.size()); ++i) {
        if (IsMechanismeGebied(i)) {
            klik[static_cast<std::size_t>(i)] = TKlikgebied{};
        }
    }
    const Teksten& t = context.Tekst;
    double y = TekenBlok(painter, gebied, gebied.Top, t[TekstHoeTitel], opTitel, KleurZwart);
    if (context.Opties[woStatOnbep]) {
        y = TekenOnbepaaldheid(painter, gebied, y, context);
    }
    if (context.Opties[woMogBezwMech]) {
        y = TekenBlok(painter, gebied, y, t[TekstKopMechanismen], opKop, KleurZwart);
        if (context.Opties[woUitlegMogBezwMech]) {
            y = TekenAantalUitleg(painter, gebied, y, context);
        }
        if (const std::string lijst = LijstUitleg(context.Analyse, t); !lijst.empty()) {
            y = TekenBlok(painter, gebied, y, lijst, opUitleg, KleurZwart);
        }
        if (AantalGetekend(context.Analyse) > 0) {
            y = TekenMechanismen(painter, gebied, y, PaginaVoor(gebied, gevraagd, context.Analyse),
                                 klik, context);
        }
        y = TekenOnafhankelijk(painter, gebied, y, context);
    }
    gebied.Bottom = y + 50.0;
}

} // namespace kx
