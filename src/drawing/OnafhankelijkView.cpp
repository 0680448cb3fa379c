#include "drawing/OnafhankelijkView.h"

#include "drawing/MechanismeRaster.h"
#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "engine/Opheffing.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <string>
#include <vector>

namespace kx {

namespace {
std::string Aantal(const TViewContext& ctx) {
    const TAnalyse& a = ctx.Analyse;
    const Teksten& t = ctx.Tekst;
    const auto basis = static_cast<std::int32_t>(a.Basis.size());
    const std::string b = std::to_string(basis);
    std::string tekst =
        basis == a.AantalPlaatsen - a.Onbepaaldheid
            ? VulIn(t[TekstOnafhankelijkFormule],
                    {b, std::to_string(a.AantalPlaatsen), std::to_string(a.Onbepaaldheid)})
            : VulIn(t[TekstOnafhankelijkAantal], {b});
    if (ctx.Opties[woUitlegMogBezwMech]) {
        tekst += " " + t[TekstOnafhankelijkKeuze];
    }
    return tekst;
}

double TekenMechanismen(QPainter& painter, const TRechthoek& gebied, double y,
                        const TViewContext& ctx) {
    const TAnalyse& a = ctx.Analyse;
    if (a.Lijst == TAnalyse::TLijst::Onafhankelijk) {
        return TekenBlok(
            painter, gebied, y,
            VulIn(ctx.Tekst[TekstOnafhankelijkInLijst], {std::to_string(a.Basis.size())}), opUitleg,
            KleurZwart);
    }
    std::vector<TRasterCel> cellen;
    for (const TMechanisme& mechanisme : a.BasisMechanismen) {
        cellen.push_back({&mechanisme, mechanisme.Naam, {}, -1});
    }
    return TekenRaster(painter, gebied, y, cellen, false, nullptr, ctx.Constructie);
}

double TekenCombinatie(QPainter& painter, const TRechthoek& gebied, double y,
                       const TViewContext& ctx) {
    const TAnalyse& a = ctx.Analyse;
    const std::string combinatie = a.CombinatieTekst();
    if (combinatie.empty()) {
        return y;
    }
    const std::string nummer = AlgemeenGetal(a.MaatgevendMechanisme + 1, 5, a.Decimaalteken);
    y = TekenBlok(painter, gebied, y,
                  VulIn(ctx.Tekst[TekstMaatgevendeCombinatie], {nummer, combinatie}), opUitleg,
                  KleurZwart);
    if (!ctx.Opties[woUitlegMogBezwMech]) {
        return y;
    }
    const TOpheffing opheffing = BepaalOpheffing(a.Basis, a.MaatgevendeCombinatie, a.Plaatsen);
    for (const std::string& regel :
         OpheffingTekst(opheffing, a.Basis, a.Plaatsen, ctx.Tekst, a.Decimaalteken)) {
        y = TekenBlok(painter, gebied, y, regel, opBerekening, KleurZwart);
    }
    return y;
}
} // namespace

double TekenOnafhankelijk(QPainter& painter, const TRechthoek& gebied, double y,
                          const TViewContext& context) {
    if (context.Analyse.Basis.size() < 2) {
        return y;
    }
    y = TekenBlok(painter, gebied, y, context.Tekst[TekstKopOnafhankelijk], opKop, KleurZwart);
    y = TekenBlok(painter, gebied, y, Aantal(context), opUitleg, KleurZwart);
    y = TekenMechanismen(painter, gebied, y, context);
    return TekenCombinatie(painter, gebied, y, context);
}

} // namespace kx
