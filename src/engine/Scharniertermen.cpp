#include "engine/Scharniertermen.h"

#include "engine/GedeeldeCentra.h"
#include "engine/Getalnotatie.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <cmath>
#include <map>
#include <optional>

namespace kx {

namespace {
constexpr int Maal = 134;           // " ⋅ "
constexpr int MaalDeltaTheta = 135; // " ⋅ δθ "

struct TEindVanDeel {
    const TStaaf* Deel;
    const TKnoop* Eind;
};

// A part end whose rotation the joint shares: the end that takes the hinges' balance, or an end
// at a rigid free node that is no hinge place.
bool DraaitMetKnoop(const TKnoop& eind) {
    return !eind.Stijf && (eind.M != 0.0 || eind.Soort == KnoopVrijStijf);
}

class TTermen {
public:
    TTermen(const Teksten& teksten, char decimaalteken) : t_(teksten), d_(decimaalteken) {}

    void Voeg(const std::string& naam, double mp, double rotatie, double arbeid,
              const std::string& deel = {}) {
        TScharnierterm& term = termen_.emplace_back();
        term.Naam = naam;
        term.Mp = mp;
        term.Rotatie = rotatie;
        term.Arbeid = arbeid + 0.0;
        term.Term = arbeid < 0.0 ? "- " : "+ ";
        VoegAlgemeenGetalToe(term.Term, mp, 3, d_);
        term.Term += t_[Maal];
        VoegAlgemeenGetalToe(term.Term, rotatie / VirtueleRotatie, 3, d_);
        term.Term += t_[MaalDeltaTheta];
        term.Onderschrift = t_[TekstScharnierOnderschrift] + naam;
        if (!deel.empty()) {
            term.Onderschrift += " (" + deel + ")";
        }
    }

    // The hinges at one node, given every part end there.
    void VoegKnoopToe(const std::string& naam, const std::vector<TEindVanDeel>& einden) {
        std::vector<TEindVanDeel> scharnieren;
        std::optional<double> phi;
        for (const TEindVanDeel& e : einden) {
            if (e.Eind->Stijf && e.Eind->M != 0.0) {
                scharnieren.push_back(e);
            } else if (!phi && DraaitMetKnoop(*e.Eind)) {
                phi = e.Deel->gamma;
            }
        }
        if (!phi && scharnieren.size() == 2 && !IsOplegging(*scharnieren[0].Eind)) {
            // Two parts that meet in the hinge turn against each other.
            const TEindVanDeel& a = scharnieren[0];
            const TEindVanDeel& b = scharnieren[1];
            Voeg(naam, std::fabs(a.Eind->M), std::fabs(a.Deel->gamma - b.Deel->gamma),
                 a.Eind->M * a.Deel->gamma + b.Eind->M * b.Deel->gamma);
            return;
        }
        // Against the joint, or against the ground at a support; several hinges at one node are
        // told apart by their part.
        const double grond = phi.value_or(0.0);
        for (const TEindVanDeel& h : scharnieren) {
            const double relatief = h.Deel->gamma - grond;
            Voeg(naam, std::fabs(h.Eind->M), std::fabs(relatief), h.Eind->M * relatief,
                 scharnieren.size() > 1 ? DeelNaam(*h.Deel) : std::string());
        }
    }

    std::vector<TScharnierterm> Neem() { return std::move(termen_); }

private:
    const Teksten& t_;
    char d_;
    std::vector<TScharnierterm> termen_;
};
} // namespace

std::vector<TScharnierterm> Scharniertermen(const TMechanisme& mechanisme, const Teksten& teksten,
                                            char decimaalteken) {
    std::vector<std::string> volgorde;
    std::map<std::string, std::vector<TEindVanDeel>> perKnoop;
    for (const TStaaf& deel : mechanisme.avStaven) {
        for (const TKnoop& eind : deel.Knopen) {
            auto [plek, nieuw] = perKnoop.try_emplace(eind.Naam);
            if (nieuw) {
                volgorde.push_back(eind.Naam);
            }
            plek->second.push_back({&deel, &eind});
        }
    }
    TTermen termen(teksten, decimaalteken);
    for (const std::string& naam : volgorde) {
        termen.VoegKnoopToe(naam, perKnoop[naam]);
    }
    return termen.Neem();
}

} // namespace kx
