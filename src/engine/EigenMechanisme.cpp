#include "engine/EigenMechanisme.h"

#include "engine/AlgemeenMechanisme.h"
#include "engine/Bezwijkcontrole.h"
#include "engine/Getalnotatie.h"
#include "engine/Mechanisme.h"
#include "engine/MechanismeOpgaven.h"
#include "engine/Toleranties.h"
#include "model/Controle.h"
#include "text/Opsomming.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kx {

namespace {
constexpr int Cijfers = 4;
const char* const Oneindigteken = "**g¥";

// The chosen places that the frame holds, ascending and once each.
std::vector<int> Geordend(std::vector<int> plaatsen, std::size_t aantal) {
    std::erase_if(plaatsen,
                  [aantal](int p) { return p < 0 || static_cast<std::size_t>(p) >= aantal; });
    std::sort(plaatsen.begin(), plaatsen.end());
    plaatsen.erase(std::unique(plaatsen.begin(), plaatsen.end()), plaatsen.end());
    return plaatsen;
}

} // namespace

bool ZelfdePlaats(const std::vector<TScharnierplaats>& alle, const TScharnierplaats& plaats,
                  const TScharnierplaats& gekozen) {
    if (plaats.Knoop != gekozen.Knoop || plaats.Veld != gekozen.Veld) {
        return false;
    }
    return plaats.Staaf == gekozen.Staaf ||
           (!plaats.Veld && std::count_if(alle.begin(), alle.end(), [&](const TScharnierplaats& p) {
                                return OpKnoop(p, plaats.Knoop);
                            }) == 1);
}

std::vector<int> IndicesVan(const std::vector<TScharnierplaats>& alle,
                            const std::vector<TScharnierplaats>& gekozen) {
    std::vector<int> indices;
    for (std::size_t p = 0; p < alle.size(); ++p) {
        if (std::any_of(gekozen.begin(), gekozen.end(), [&](const TScharnierplaats& g) {
                return ZelfdePlaats(alle, alle[p], g);
            })) {
            indices.push_back(static_cast<int>(p));
        }
    }
    return indices;
}

void WisselPlaats(const std::vector<TScharnierplaats>& alle, std::vector<TScharnierplaats>& gekozen,
                  const TScharnierplaats& plaats) {
    const auto eerder = std::erase_if(
        gekozen, [&](const TScharnierplaats& g) { return ZelfdePlaats(alle, plaats, g); });
    if (eerder == 0) {
        gekozen.push_back(plaats);
    }
}

TOordeel VergelijkMetBezwijklast(double fp, double bezwijklast) {
    if (IsOneindigeLast(fp)) {
        return TOordeel::GeenArbeid;
    }
    if (IsOneindigeLast(bezwijklast) ||
        fp - bezwijklast <= GelijkeLasten * std::max(std::fabs(fp), std::fabs(bezwijklast))) {
        return TOordeel::Bezwijklast;
    }
    return TOordeel::TeHoog;
}

TEigenAnalyse::TEigenAnalyse(const TConstructie& constructie, const Teksten& teksten,
                             char decimaalteken)
    : constructie_(constructie), raamwerk_(constructie_), evenwicht_(constructie_),
      waar_(BepaalWareBezwijklast(evenwicht_).Bezwijklast), n_(TelOnbepaaldheid(constructie_).S()),
      teksten_(&teksten), decimaalteken_(decimaalteken) {}

TEigenMechanisme TEigenAnalyse::Bereken(std::vector<int> plaatsen) const {
    TEigenMechanisme eigen;
    eigen.Plaatsen = Geordend(std::move(plaatsen), Plaatsen().size());
    if (eigen.Plaatsen.empty()) {
        return eigen;
    }
    eigen.AantalBewegingen = static_cast<int>(raamwerk_.Bewegingen(eigen.Plaatsen).cols());
    if (!eigen.Beweegt()) {
        return eigen;
    }
    TMechanisme& m = eigen.Mechanisme;
    BouwMechanisme(constructie_, raamwerk_, eigen.Plaatsen, m);
    // A load that is not positive and finite can only come from rounding: the loads do no work.
    double& fp = m.Vgl.Bezwijklast;
    if (!(fp > 0.0 && std::isfinite(fp))) {
        fp = OneindigeLast;
    }
    m.Plaatsen = eigen.Plaatsen;
    const TMechanismeOpgave opgave = Opgave(m, Plaatsen());
    m.Scharnieren.assign(opgave.Plaatsen.begin(), opgave.Plaatsen.end());
    BepaalDraaiendeScharnieren(m);
    SchrijfTermen(m, *teksten_, decimaalteken_);
    eigen.Termen = Scharniertermen(m, *teksten_, decimaalteken_);
    VergrootVervorming(m);
    eigen.Bezwijklast = fp;
    eigen.Oordeel = VergelijkMetBezwijklast(fp, waar_);
    if (!IsOneindigeLast(fp)) {
        eigen.Momentenlijn = BepaalKrachtsverdeling(evenwicht_, opgave.Plaatsen, fp, opgave.Staven,
                                                    GrootsteDichteProgramma, opgave.Posities);
    }
    return eigen;
}

bool TEigenAnalyse::PlaatsPerStaafeind(int plaats) const {
    const std::int32_t knoop = Plaatsen()[static_cast<std::size_t>(plaats)].Knoop;
    return std::count_if(Plaatsen().begin(), Plaatsen().end(),
                         [knoop](const TScharnierplaats& p) { return OpKnoop(p, knoop); }) > 1;
}

std::string TEigenAnalyse::PlaatsNaam(int plaats) const {
    const TScharnierplaats& p = Plaatsen()[static_cast<std::size_t>(plaats)];
    if (p.Veld) {
        return VulIn((*teksten_)[TekstPlaatsInVeld], {std::to_string(p.Staaf + 1)});
    }
    const std::string knoop = std::to_string(p.Knoop + 1);
    return PlaatsPerStaafeind(plaats)
               ? VulIn((*teksten_)[TekstEigenPlaatsStaaf], {knoop, std::to_string(p.Staaf + 1)})
               : VulIn((*teksten_)[TekstEigenPlaats], {knoop});
}

std::string TEigenAnalyse::Getal(double v) const {
    return AlgemeenGetal(v, Cijfers, decimaalteken_);
}

std::string TEigenAnalyse::Beweeglijkheid(const TEigenMechanisme& eigen) const {
    const Teksten& t = *teksten_;
    const int k = static_cast<int>(eigen.Plaatsen.size());
    if (k == 0) {
        return t[TekstEigenGeenKeuze];
    }
    if (!eigen.Beweegt()) {
        // Each hinge frees one condition, so fewer than n + 1 leave n - k redundants; more
        // always let the frame move.
        return k <= n_ ? VulIn(t[TekstEigenStar],
                               {std::to_string(n_), std::to_string(k), std::to_string(n_ - k)})
                       : t[TekstEigenStarAlgemeen];
    }
    std::string tekst = t[TekstEigenBeweegt];
    if (k < n_ + 1) {
        tekst += " " + VulIn(t[TekstEigenMinderScharnieren], {std::to_string(n_ + 1)});
    }
    if (eigen.AantalBewegingen > 1) {
        tekst += " " + VulIn(t[TekstEigenMeerBewegingen], {std::to_string(eigen.AantalBewegingen)});
    }
    std::vector<std::string> stil;
    const auto& draaiend = eigen.Mechanisme.DraaiendePlaatsen;
    for (const int p : eigen.Plaatsen) {
        if (!std::binary_search(draaiend.begin(), draaiend.end(), p)) {
            stil.push_back(PlaatsNaam(p));
        }
    }
    if (!stil.empty()) {
        tekst += " " + VulIn(t[stil.size() == 1 ? TekstEigenDraaitNiet : TekstEigenDraaienNiet],
                             {Opsomming(stil, t[TekstOpsommingEn])});
    }
    return tekst;
}

std::string TEigenAnalyse::Vergelijking(const TEigenMechanisme& eigen) const {
    const Teksten& t = *teksten_;
    switch (eigen.Oordeel) {
    case TOordeel::Bezwijklast:
        return VulIn(t[TekstEigenBezwijklast], {Getal(eigen.Bezwijklast)});
    case TOordeel::TeHoog:
        return VulIn(t[TekstEigenTeHoog], {Getal(eigen.Bezwijklast), Getal(waar_)});
    case TOordeel::GeenArbeid:
        break;
    }
    return VulIn(t[TekstEigenGeenArbeid], {Oneindigteken}) + " " +
           (IsOneindigeLast(waar_) ? t[TekstKrachtWareLastOneindig]
                                   : VulIn(t[TekstEigenWareLast], {Getal(waar_)}));
}

} // namespace kx
