#include "engine/Telluitleg.h"

#include "engine/Analyse.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <vector>

namespace kx {

namespace {
struct TTerm {
    std::string Tekst;
    std::int32_t Waarde;
};

// A term "per item" with its count and value, as the text table writes it.
TTerm Term(const Teksten& t, int tekst, std::int32_t aantal, std::int32_t perStuk) {
    return {VulIn(t[tekst], {std::to_string(aantal), std::to_string(aantal * perStuk)}),
            aantal * perStuk};
}

// "a, b en c" and "1 + 2 + 3 = 6" (the sum alone for one term) into the sentence of zin.
std::string Zin(const Teksten& t, int zin, const std::vector<TTerm>& alle) {
    std::vector<TTerm> termen;
    for (const auto& term : alle) {
        if (term.Waarde != 0) {
            termen.push_back(term);
        }
    }
    std::string opsomming;
    std::string som;
    std::int32_t totaal = 0;
    for (std::size_t i = 0; i < termen.size(); ++i) {
        opsomming += i == 0 ? "" : (i + 1 == termen.size() ? t[TekstOpsommingEn] : ", ");
        opsomming += termen[i].Tekst;
        som += (i == 0 ? "" : " + ") + std::to_string(termen[i].Waarde);
        totaal += termen[i].Waarde;
    }
    if (termen.size() != 1) {
        som += (termen.empty() ? "" : " = ") + std::to_string(totaal);
    }
    return VulIn(t[zin], {opsomming, som});
}
} // namespace

std::string OnbekendenUitleg(const TTellingDelen& delen, const Teksten& t) {
    return Zin(t, TekstTellingOnbekenden,
               {Term(t, TekstTermStijveEinden, delen.StijveEinden, 3),
                Term(t, TekstTermScharnierEinden, delen.ScharnierEinden, 2),
                Term(t, TekstTermOplegreacties, delen.Oplegreacties, 1)});
}

std::string VergelijkingenUitleg(const TTellingDelen& delen, const Teksten& t) {
    return Zin(t, TekstTellingVergelijkingen,
               {Term(t, TekstTermStaven, delen.Staven, 3),
                Term(t, TekstTermStijveKnopen, delen.StijveKnopen, 3),
                Term(t, TekstTermScharnierKnopen, delen.ScharnierKnopen, 2)});
}

std::string PlaatsenUitleg(const TTellingDelen& delen, const Teksten& t) {
    return Zin(t, TekstTellingPlaatsen,
               {Term(t, TekstTermTweestaafsknopen, delen.Tweestaafsknopen, 1),
                Term(t, TekstTermGewrichtEinden, delen.GewrichtEinden, 1),
                Term(t, TekstTermInklemmingEinden, delen.InklemmingEinden, 1),
                Term(t, TekstTermVeldplaatsen, delen.Veldplaatsen, 1)});
}

std::string LijstUitleg(const TAnalyse& analyse, const Teksten& t) {
    if (analyse.AantalPlaatsen == 0) {
        return t[TekstGeenPlaatsen];
    }
    if (analyse.Lijst == TAnalyse::TLijst::Onafhankelijk) {
        const auto basis = static_cast<std::int32_t>(analyse.Basis.size());
        return VulIn(t[TekstLijstOnafhankelijk],
                     {std::to_string(basis), std::to_string(basis + 1)});
    }
    if (analyse.Onbepaaldheid + 1 > analyse.AantalPlaatsen) {
        return VulIn(t[TekstMeerScharnierenDanPlaatsen],
                     {std::to_string(analyse.Onbepaaldheid + 1)});
    }
    return {};
}

} // namespace kx
