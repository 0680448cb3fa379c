#include "engine/Compatibiliteit.h"
#include "engine/Getalnotatie.h"
#include "engine/Mechanisme.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace kx {

namespace {

constexpr int T1 = 133; // start of the equation
constexpr int T2 = 134; // multiplication dot
constexpr int T3 = 135; // times delta theta
constexpr int T4 = 136; // "deel "
constexpr int T5 = 137; // "belasting"
constexpr int T6 = 138; // " = 0"

double GrootsteRotatie(const TMechanisme& mechanisme) {
    double grootste = 0.0;
    for (const TStaaf& deel : mechanisme.avStaven) {
        grootste = std::max(grootste, std::fabs(deel.gamma));
    }
    return grootste;
}

// The largest displacement component of any part end or load.
double GrootsteVerplaatsing(const TMechanisme& mechanisme) {
    double grootste = 0.0;
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& knoop : deel.Knopen) {
            grootste = std::max({grootste, std::fabs(knoop.dx), std::fabs(knoop.dy)});
        }
    }
    for (const TBelasting& last : mechanisme.avBelastingen) {
        grootste = std::max({grootste, std::fabs(last.dx), std::fabs(last.dy)});
    }
    return grootste;
}

// The sum of the loads' component sizes.
double Lastgrootte(const TMechanisme& mechanisme) {
    double som = 0.0;
    for (const TBelasting& last : mechanisme.avBelastingen) {
        som += std::fabs(last.Fx) + std::fabs(last.Fy);
    }
    return som;
}

double Teken(double x, double grens) {
    return x < -grens ? -1.0 : (x > grens ? 1.0 : 0.0);
}

} // namespace

void BepaalPlastischeMomenten(TMechanisme& mechanisme) {
    auto& staven = mechanisme.avStaven;
    const double grens = RotatieRuis * GrootsteRotatie(mechanisme);
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        for (int n = 0; n < 2; ++n) {
            TKnoop& knoop = staven[static_cast<std::size_t>(b)].Knopen[n];
            const double gamma = staven[static_cast<std::size_t>(b)].gamma;
            if (IsOplegging(knoop) && knoop.Stijf) {
                knoop.M = Teken(-gamma, grens) * knoop.Mp;
            } else if (!IsOplegging(knoop) && knoop.Stijf) {
                // A hinge without a part on its other side does no work.
                const std::int32_t c = BepaalAansluitendeStaaf(mechanisme, b, n);
                knoop.M = c == -1
                              ? 0.0
                              : Teken(staven[static_cast<std::size_t>(c)].gamma - gamma, grens) *
                                    knoop.Mp;
            } else {
                knoop.M = 0.0;
            }
        }
    }
}

void BepaalFactoren(TMechanisme& mechanisme) {
    auto& vgl = mechanisme.Vgl;
    const auto& staven = mechanisme.avStaven;
    const auto& belastingen = mechanisme.avBelastingen;
    const std::size_t laatste = 2 * (staven.size() + belastingen.size()) + 1;
    vgl.Factoren.assign(laatste + 1, 0.0);
    vgl.Factoren[0] = 1.0;
    for (std::size_t s = 0; s < staven.size(); ++s) {
        for (std::size_t n = 0; n < 2; ++n) {
            // + 0.0 turns a product of -0 into 0.
            vgl.Factoren[2 * s + 1 + n] = staven[s].Knopen[n].M * staven[s].gamma + 0.0;
        }
    }
    for (std::size_t j = 0; j < belastingen.size(); ++j) {
        const std::size_t q = 2 * staven.size() + 2 * j + 1;
        vgl.Factoren[q] = belastingen[j].Fx * belastingen[j].dx + 0.0;
        vgl.Factoren[q + 1] = belastingen[j].Fy * belastingen[j].dy + 0.0;
    }
    vgl.Factoren[laatste] = 1.0;
}

void BepaalBezwijklast(TMechanisme& mechanisme) {
    auto& vgl = mechanisme.Vgl;
    const std::size_t intern = 2 * mechanisme.avStaven.size();
    const std::size_t extern_ = intern + 2 * mechanisme.avBelastingen.size();
    double s1 = 0.0;
    for (std::size_t q = 1; q <= intern; ++q) {
        s1 += vgl.Factoren[q];
    }
    double s2 = 0.0;
    for (std::size_t q = intern + 1; q <= extern_; ++q) {
        s2 += vgl.Factoren[q];
    }
    // Loads whose work is rounding of the motion, or cancels, do no work. The motion's size is
    // its largest displacement, or its largest rotation times the frame's size where that is
    // more: a part of no length turning in place (a span hinge at a hinged end of its bar) moves
    // nothing but rounding.
    const double omvang =
        Lastgrootte(mechanisme) * std::max(GrootsteVerplaatsing(mechanisme),
                                           GrootsteRotatie(mechanisme) * Afmeting(mechanisme));
    vgl.Bezwijklast = std::fabs(s2) <= ArbeidsRuis * omvang ? OneindigeLast : -s1 / s2;
}

void SchrijfTermen(TMechanisme& mechanisme, const Teksten& t, char decimaalteken) {
    auto& vgl = mechanisme.Vgl;
    const auto& staven = mechanisme.avStaven;
    const auto& belastingen = mechanisme.avBelastingen;
    const std::size_t laatste = 2 * (staven.size() + belastingen.size()) + 1;
    vgl.Regel1.resize(laatste + 1);
    vgl.Regel2.resize(laatste + 1);
    if (vgl.Factoren.size() != laatste + 1) {
        BepaalFactoren(mechanisme);
    }
    const auto getal = [decimaalteken](std::string& tekst, double v) {
        VoegAlgemeenGetalToe(tekst, std::fabs(v), 3, decimaalteken);
    };
    // "+ a ⋅ b" for term q, the rest of the term to be appended.
    const auto term = [&](std::size_t q, double a, std::string_view eenheid,
                          double b) -> std::string& {
        std::string& tekst = vgl.Regel1[q];
        tekst.reserve(48);
        tekst = vgl.Factoren[q] < 0.0 ? "- " : "+ ";
        getal(tekst, a);
        tekst += eenheid;
        tekst += t[T2];
        getal(tekst, b);
        return tekst;
    };

    vgl.Regel1[0] = t[T1];
    for (std::size_t s = 0; s < staven.size(); ++s) {
        const TStaaf& deel = staven[s];
        for (std::size_t n = 0; n < 2; ++n) {
            const std::size_t q = 2 * s + 1 + n;
            term(q, deel.Knopen[n].M, "", deel.gamma / VirtueleRotatie) += t[T3];
            std::string& onder = vgl.Regel2[q];
            onder = t[T4];
            onder += deel.Knopen[0].Naam;
            onder += deel.Knopen[1].Naam;
        }
    }
    const TStaaf geenDeel{};
    std::string rotatie;
    std::string eenheid;
    for (std::size_t j = 0; j < belastingen.size(); ++j) {
        const TBelasting& last = belastingen[j];
        const std::size_t q = 2 * staven.size() + 2 * j + 1;
        // A load without a part has no lever arm and no rotation to print.
        const TStaaf& deel = IsGeldigeStaaf(mechanisme, last.s)
                                 ? staven[static_cast<std::size_t>(last.s)]
                                 : geenDeel;
        // A distributed load reads as a point load of q times the part's length acting at the
        // part's middle: "+ 2 q ⋅ 4 ⋅ 2 ⋅ 1 ⋅ δθ".
        const bool verdeeld = last.Verdeeld >= 0;
        const double lengte = verdeeld ? last.Lengte : 1.0;
        eenheid = " F";
        if (verdeeld) {
            eenheid = " q";
            eenheid += t[T2];
            getal(eenheid, lengte);
        }
        if (IsEindig(deel.RC)) {
            rotatie = t[T2];
            getal(rotatie, deel.gamma / VirtueleRotatie);
            rotatie += t[T3];
            term(q, last.Fx / lengte, eenheid, last.y - deel.RC.y) += rotatie;
            term(q + 1, last.Fy / lengte, eenheid, last.x - deel.RC.x) += rotatie;
        } else {
            // A translating part: the load times its displacement per unit of rotation.
            const auto verplaatsing = [&](std::size_t r, double f) {
                return f == 0.0 ? 0.0 : vgl.Factoren[r] / f / VirtueleRotatie;
            };
            term(q, last.Fx / lengte, eenheid, verplaatsing(q, last.Fx)) += t[T3];
            term(q + 1, last.Fy / lengte, eenheid, verplaatsing(q + 1, last.Fy)) += t[T3];
        }
        for (const std::size_t r : {q, q + 1}) {
            if (verdeeld) {
                vgl.Regel2[r] =
                    VulIn(t[TekstVerdeeldeBelastingTerm], {std::to_string(last.Verdeeld + 1)});
            } else {
                vgl.Regel2[r] = t[T5];
                vgl.Regel2[r] += last.Naam;
            }
        }
    }
    vgl.Regel1[laatste] = t[T6];
    vgl.Regel2[0].clear();
    vgl.Regel2[laatste].clear();
}

void BepaalDraaiendeScharnieren(TMechanisme& mechanisme) {
    auto& draaiend = mechanisme.DraaiendeScharnieren;
    draaiend.clear();
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& k : deel.Knopen) {
            if (k.Stijf && k.M != 0.0 && k.Index >= 0) {
                draaiend.push_back(k.Index);
            }
        }
    }
    std::sort(draaiend.begin(), draaiend.end());
    draaiend.erase(std::unique(draaiend.begin(), draaiend.end()), draaiend.end());
}

void VergrootVervorming(TMechanisme& mechanisme) {
    for (auto& deel : mechanisme.avStaven) {
        for (auto& knoop : deel.Knopen) {
            knoop.dx *= Vergroting;
            knoop.dy *= Vergroting;
        }
    }
    for (auto& last : mechanisme.avBelastingen) {
        last.dx *= Vergroting;
        last.dy *= Vergroting;
    }
}

} // namespace kx
