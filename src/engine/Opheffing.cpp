#include "engine/Opheffing.h"

#include "engine/Getalnotatie.h"
#include "engine/Toleranties.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
// Coefficients below rounding of the largest are 0, as the combination's text leaves them out.
std::vector<double> Schoon(const std::vector<double>& coefficienten, std::size_t aantal) {
    std::vector<double> c(coefficienten.begin(),
                          coefficienten.begin() +
                              static_cast<std::ptrdiff_t>(std::min(aantal, coefficienten.size())));
    double grootste = 0.0;
    for (const double v : c) {
        grootste = std::max(grootste, std::fabs(v));
    }
    for (double& v : c) {
        v = std::fabs(v) <= CombinatieAfronding * grootste ? 0.0 : v;
    }
    return c;
}

// A rotation of the combination at a place, or 0 below rounding of theta.
double Rotatie(const TOnafhankelijkMechanisme& mechanisme, double c, std::size_t p) {
    const double r = p < mechanisme.Rotaties.size() ? c * mechanisme.Rotaties[p] : 0.0;
    return std::fabs(r) <= CombinatieAfronding ? 0.0 : r;
}

std::string Theta(double v, char decimaalteken) {
    const double a = std::fabs(v);
    return (std::fabs(a - 1.0) <= CombinatieAfronding ? std::string()
                                                      : AlgemeenGetal(a, 3, decimaalteken)) +
           "θ";
}

std::string Arbeid(double v, char decimaalteken) {
    return AlgemeenGetal(v, 4, decimaalteken) + "θ";
}

std::string PlaatsNaam(const std::vector<TScharnierplaats>& plaatsen, int p,
                       const Teksten& teksten) {
    const auto& plaats = plaatsen[static_cast<std::size_t>(p)];
    if (plaats.Veld) {
        return VulIn(teksten[TekstPlaatsInVeld], {std::to_string(plaats.Staaf + 1)});
    }
    const std::string knoop = std::to_string(plaats.Knoop + 1);
    const auto hier = std::count_if(plaatsen.begin(), plaatsen.end(),
                                    [&](const auto& q) { return OpKnoop(q, plaats.Knoop); });
    return hier > 1 ? VulIn(teksten[TekstPlaatsOpStaaf], {knoop, std::to_string(plaats.Staaf + 1)})
                    : knoop;
}

// "θ (balk 1) − θ (gezamenlijk scharnier in knoop 4)"
std::string Rotaties(const TPlaatsOpheffing& plaats,
                     const std::vector<TOnafhankelijkMechanisme>& basis, char decimaalteken) {
    std::string tekst;
    for (const auto& [i, r] : plaats.Rotaties) {
        tekst += tekst.empty() ? (r < 0.0 ? "−" : "") : (r < 0.0 ? " − " : " + ");
        tekst += Theta(r, decimaalteken) + " (" + basis[i].Naam + ")";
    }
    return tekst;
}

std::string Som(double v, char decimaalteken) {
    return v == 0.0 ? "0" : (v < 0.0 ? "−" : "") + Theta(v, decimaalteken);
}
} // namespace

TOpheffing BepaalOpheffing(const std::vector<TOnafhankelijkMechanisme>& basis,
                           const std::vector<double>& coefficienten,
                           const std::vector<TScharnierplaats>& plaatsen) {
    const std::vector<double> c = Schoon(coefficienten, basis.size());
    TOpheffing opheffing;
    opheffing.Arbeid.assign(c.size(), 0.0);
    for (std::size_t p = 0; p < plaatsen.size(); ++p) {
        TPlaatsOpheffing plaats{static_cast<int>(p), {}, 0.0, 0.0, plaatsen[p].Mp};
        double grootte = 0.0;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double r = Rotatie(basis[i], c[i], p);
            if (r != 0.0) {
                plaats.Rotaties.emplace_back(i, r);
                plaats.Som += r;
                grootte += std::fabs(r);
                opheffing.Arbeid[i] += plaats.Mp * std::fabs(r);
            }
        }
        if (std::fabs(plaats.Som) <= CombinatieAfronding * grootte) {
            plaats.Som = 0.0;
        }
        opheffing.Samen += plaats.Mp * std::fabs(plaats.Som);
        const double weg = grootte - std::fabs(plaats.Som);
        if (weg > CombinatieAfronding * grootte) {
            plaats.Weg = weg;
            opheffing.Plaatsen.push_back(std::move(plaats));
        }
    }
    return opheffing;
}

std::vector<std::string> OpheffingTekst(const TOpheffing& opheffing,
                                        const std::vector<TOnafhankelijkMechanisme>& basis,
                                        const std::vector<TScharnierplaats>& plaatsen,
                                        const Teksten& t, char decimaalteken) {
    std::string delen;
    int termen = 0;
    for (const double arbeid : opheffing.Arbeid) {
        if (arbeid > 0.0) {
            delen += (delen.empty() ? "" : " + ") + Arbeid(arbeid, decimaalteken);
            ++termen;
        }
    }
    const std::string samen = Arbeid(opheffing.Samen, decimaalteken);
    if (opheffing.Plaatsen.empty()) {
        return {VulIn(t[TekstGeenOpheffing], {termen > 1 ? delen + " = " + samen : samen})};
    }
    std::vector<std::string> regels{t[TekstOpheffingKop]};
    double weg = 0.0;
    for (const auto& plaats : opheffing.Plaatsen) {
        const double arbeid = plaats.Mp * plaats.Weg;
        weg += arbeid;
        regels.push_back(
            VulIn(t[TekstOpheffingPlaats],
                  {PlaatsNaam(plaatsen, plaats.Plaats, t), Rotaties(plaats, basis, decimaalteken),
                   Som(plaats.Som, decimaalteken), AlgemeenGetal(plaats.Mp, 4, decimaalteken),
                   Theta(plaats.Weg, decimaalteken), Arbeid(arbeid, decimaalteken)}));
    }
    regels.push_back(VulIn(t[TekstOpheffingSamen], {delen, Arbeid(weg, decimaalteken), samen}));
    return regels;
}

} // namespace kx
