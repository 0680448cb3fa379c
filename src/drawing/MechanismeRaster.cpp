#include "drawing/MechanismeRaster.h"

#include "drawing/Afbeelding.h"
#include "drawing/Blokken.h"
#include "drawing/MechanismeTekening.h"
#include "drawing/Opmaak.h"
#include "drawing/Paginering.h"
#include "drawing/Tekst.h"

#include <algorithm>

namespace kx {

namespace {
constexpr double Tussenruimte = 40.0;
constexpr double KlikOnderschrift = 20.0;

void TekenCel(QPainter& painter, const TCelAfbeelding& cel, const TRasterCel& inhoud,
              const TConstructie& constructie) {
    const TMechanisme& mechanisme = *inhoud.Mechanisme;
    TekenSchets(painter, constructie, cel, true);
    TekenVorm(painter, mechanisme, constructie, cel, KleurMiddengrijs, false);
    TekenVormSymbolen(painter, mechanisme, constructie, cel, KleurMiddengrijs, false);
    TekenVorm(painter, mechanisme, constructie, cel, KleurZwart, true);
    TekenVormSymbolen(painter, mechanisme, constructie, cel, KleurZwart, true);
    TekenPlastischeScharnieren(painter, mechanisme, cel);

    // A caption that chooses nothing is no link.
    TOpmaak opmaak = Opmaak(opLink);
    if (inhoud.Doel < 0) {
        opmaak.Tekst.Stijl &= static_cast<std::uint8_t>(~fsOnderstreept);
    }
    TPunt eind;
    TekenRegel(painter, {cel.Cel.Left, cel.Cel.Bottom}, eind,
               inhoud.Doel >= 0 ? KleurBlauw : KleurZwart, opmaak, inhoud.Onderschrift, uitLinks);
    if (!inhoud.Tweede.empty()) {
        TekenRegel(painter, {cel.Cel.Left, cel.Cel.Bottom + RegelHoogte(painter, Opmaak(opLink))},
                   eind, KleurZwart, Opmaak(opUitleg), inhoud.Tweede, uitLinks);
    }
}
} // namespace

double TekenRaster(QPainter& painter, const TRechthoek& gebied, double y,
                   const std::vector<TRasterCel>& cellen, bool pagina, Klikgebieden* klik,
                   const TConstructie& constructie) {
    const int breedte = Pixel(gebied.Right - gebied.Left);
    const int k = Kolommen(breedte);
    const double celBreedte = Pixel((breedte - (k + 1) * Tussenruimte) / k);
    const auto aantal = static_cast<int>(cellen.size());
    const int rijen = pagina ? k : (aantal + k - 1) / k;
    for (int r = 0; r < rijen; ++r) {
        double rijHoogte = 0.0;
        for (int c = 0; c < k && r * k + c < aantal; ++c) {
            const TRasterCel& inhoud = cellen[static_cast<std::size_t>(r * k + c)];
            const double links = gebied.Left + (c + 1) * Tussenruimte + c * celBreedte;
            const TCelAfbeelding cel = MaakCel(*inhoud.Mechanisme, constructie, links,
                                               y + Tussenruimte, links + celBreedte, false);
            rijHoogte =
                std::max(rijHoogte, static_cast<double>(Pixel(cel.Cel.Bottom - cel.Cel.Top)));
            if (klik != nullptr && inhoud.Doel >= 0 && r * k + c < KlikVorige) {
                (*klik)[static_cast<std::size_t>(r * k + c)] = {
                    {cel.Cel.Left, cel.Cel.Top, cel.Cel.Right, cel.Cel.Bottom + KlikOnderschrift},
                    inhoud.Doel};
            }
            TekenCel(painter, cel, inhoud, constructie);
        }
        if (r * k < aantal) {
            // The row with its captions below the drawings.
            const double onderschrift =
                RegelHoogte(painter, Opmaak(opLink)) + RegelHoogte(painter, Opmaak(opUitleg));
            MeldBlok(painter, y + Tussenruimte, y + Tussenruimte + rijHoogte + onderschrift,
                     TBlokSoort::Tekening);
        }
        y += Tussenruimte + rijHoogte;
    }
    return y + Tussenruimte;
}

} // namespace kx
