#include "drawing/HoeBezwijkenView.h"

#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "model/Bevraging.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QPen>

#include <algorithm>
#include <string>

namespace kx {

namespace {
constexpr double Tussenruimte = 40.0;
constexpr double FormuleInspring = 40.0;
constexpr double LinkInspring = 30.0;
constexpr double KlikOnderschrift = 20.0;
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
               " = " + Getal(ctx, AantalGetekend(ctx.Analyse), CijfersAantal), uitLinks);
    return y0 + 2.0 * h + 3.0;
}

void TekenCel(QPainter& painter, const TCelAfbeelding& cel, int i, const TViewContext& ctx) {
    const TMechanisme& mechanisme = ctx.Analyse.Mechanismen[static_cast<std::size_t>(i)];
    TekenSchets(painter, ctx.Constructie, cel, true);
    TekenDelen(painter, mechanisme, cel, KleurMiddengrijs, false);
    TekenEindSymbolen(painter, mechanisme, cel, KleurMiddengrijs, false);
    TekenDelen(painter, mechanisme, cel, KleurZwart, true);
    TekenEindSymbolen(painter, mechanisme, cel, KleurZwart, true);
    TekenPlastischeScharnieren(painter, mechanisme, cel);

    std::string onderschrift = ctx.Tekst[TekstMechanismeNummer] + Getal(ctx, i + 1, CijfersAantal);
    if (i == ctx.Analyse.MaatgevendMechanisme) {
        onderschrift += ctx.Tekst[TekstMaatgevendAchter];
    }
    TPunt eind;
    TekenRegel(painter, {cel.Cel.Left, cel.Cel.Bottom}, eind, KleurBlauw, Opmaak(opLink),
               onderschrift, uitLinks);
    // A repeat says so on a line of its own, which keeps the caption within its cell.
    if (mechanisme.GelijkAan >= 0) {
        std::string gelijk = ctx.Tekst[TekstGelijkAan];
        gelijk.erase(0, gelijk.find_first_not_of(' '));
        gelijk += Getal(ctx, mechanisme.GelijkAan + 1, CijfersAantal) + ")";
        TekenRegel(painter, {cel.Cel.Left, cel.Cel.Bottom + RegelHoogte(painter, Opmaak(opLink))},
                   eind, KleurZwart, Opmaak(opUitleg), gelijk, uitLinks);
    }
}

// Draws the links to the previous and next page and returns the y below them.
double TekenPaginaLinks(QPainter& painter, const TRechthoek& gebied, double y, TPagina pagina,
                        int aantal, Klikgebieden& klik, const TViewContext& ctx) {
    const TOpmaak link = Opmaak(opLink);
    const double h = RegelHoogte(painter, link);
    const double x = gebied.Left + LinkInspring;
    const double y1 = y + 5.0;
    const bool vorige = pagina.Eerste > 0;
    const bool volgende = pagina.Laatste < aantal - 1;
    TPunt eind;
    TekenRegel(painter, {x, y1}, eind, vorige ? KleurBlauw : KleurZilver, link,
               ctx.Tekst[TekstVorige], uitLinks);
    if (vorige) {
        klik[KlikVorige] = {{x, y1, eind.x, y1 + h}, pagina.Eerste - 1};
    }
    TekenRegel(painter, eind, eind, KleurZwart, Opmaak(opUitleg), ctx.Tekst[TekstTussenLinks],
               uitLinks);
    const double x2 = eind.x;
    TekenRegel(painter, {x2, y1}, eind, volgende ? KleurBlauw : KleurZilver, link,
               ctx.Tekst[TekstVolgende], uitLinks);
    if (volgende) {
        klik[KlikVolgende] = {{x2, y1, eind.x, y1 + h}, pagina.Laatste + 1};
    }
    return y1 + h + 3.0;
}

double TekenMechanismen(QPainter& painter, const TRechthoek& gebied, double y,
                        const TPagina& pagina, Klikgebieden& klik, const TViewContext& ctx) {
    const int aantal = AantalGetekend(ctx.Analyse);
    const int breedte = Pixel(gebied.Right - gebied.Left);
    const int k = Kolommen(breedte);
    const double celBreedte = Pixel((breedte - (k + 1) * Tussenruimte) / k);
    for (int r = 0; r < k; ++r) {
        double rijHoogte = 0.0;
        for (int c = 0; c < k; ++c) {
            const int i = r * k + pagina.Eerste + c;
            if (i > pagina.Laatste) {
                continue;
            }
            const double links = gebied.Left + (c + 1) * Tussenruimte + c * celBreedte;
            const TCelAfbeelding cel =
                MaakCel(ctx.Analyse.Mechanismen[static_cast<std::size_t>(i)], ctx.Constructie,
                        links, y + Tussenruimte, links + celBreedte, false);
            rijHoogte =
                std::max(rijHoogte, static_cast<double>(Pixel(cel.Cel.Bottom - cel.Cel.Top)));
            klik[static_cast<std::size_t>(r * k + c)] = {
                {cel.Cel.Left, cel.Cel.Top, cel.Cel.Right, cel.Cel.Bottom + KlikOnderschrift}, i};
            TekenCel(painter, cel, i, ctx);
        }
        y += Tussenruimte + rijHoogte;
    }
    y += Tussenruimte;
    return TekenPaginaLinks(painter, gebied, y, pagina, aantal, klik, ctx);
}
} // namespace

TPagina BepaalPagina(int eerste, int laatste, int k, int aantal) {
    const int perPagina = k * k;
    int e = eerste;
    int l = laatste;
    if (e == -1) {
        e = std::max(0, l + 1 - perPagina);
        l = std::min(e - 1 + perPagina, aantal - 1);
    }
    if (l == -1) {
        l = std::min(e - 1 + perPagina, aantal - 1);
        e = std::max(0, l + 1 - perPagina);
    }
    return {e, l};
}

TPagina PaginaVoor(const TRechthoek& gebied, int Eerste, int Laatste, const TAnalyse& analyse) {
    const int k = Kolommen(Pixel(gebied.Right - gebied.Left));
    return BepaalPagina(Eerste, Laatste, k, AantalGetekend(analyse));
}

int Kolommen(int breedte) {
    if (breedte < 401) {
        return 1;
    }
    if (breedte < 601) {
        return 2;
    }
    return breedte < 801 ? 3 : 4;
}

void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int Laatste,
                       Klikgebieden& klik, const TViewContext& context) {
    for (int i = 0; i <= KlikVolgende; ++i) {
        klik[static_cast<std::size_t>(i)] = TKlikgebied{};
    }
    double y =
        TekenBlok(painter, gebied, gebied.Top, context.Tekst[TekstHoeTitel], opTitel, KleurZwart);
    if (context.Opties[woStatOnbep]) {
        y = TekenOnbepaaldheid(painter, gebied, y, context);
    }
    if (context.Opties[woMogBezwMech]) {
        y = TekenBlok(painter, gebied, y, context.Tekst[TekstKopMechanismen], opKop, KleurZwart);
        if (context.Opties[woUitlegMogBezwMech]) {
            y = TekenBlok(painter, gebied, y, context.Tekst[TekstUitlegMechanismen], opUitleg,
                          KleurZwart);
            y = TekenBlok(painter, gebied, y, Berekening(context), opBerekening, KleurZwart);
            y = TekenFormule(painter, gebied, y, context);
        }
        y = TekenMechanismen(painter, gebied, y,
                             PaginaVoor(gebied, Eerste, Laatste, context.Analyse), klik, context);
    }
    gebied.Bottom = y + 50.0;
}

void TekenHoeBezwijken(QPainter& painter, TRechthoek& gebied, int Eerste, int Laatste,
                       Klikgebieden& klik, const TAnalyse& analyse, const TConstructie& constructie,
                       const TWeergaveOpties& opties, const Teksten& teksten) {
    TekenHoeBezwijken(painter, gebied, Eerste, Laatste, klik,
                      TViewContext{analyse, constructie, opties, teksten});
}

} // namespace kx
