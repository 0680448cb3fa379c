#include "engine/Analyse.h"
#include "engine/Compatibiliteit.h"
#include "engine/Enumeratie.h"
#include "engine/Mechanisme.h"
#include "engine/Voortgangslog.h"
#include "model/ManipuleerConstructie.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kx {

namespace {
// x * 90 / n + 5 rounded to the nearest integer, halves to the even neighbour.
int Positie(double x, int n) {
    const double v = x * 90.0 / n + 5.0;
    const double onder = std::floor(v);
    const double rest = v - onder;
    const bool omhoog = rest > 0.5 || (rest == 0.5 && std::fmod(onder, 2.0) != 0.0);
    return static_cast<int>(omhoog ? onder + 1.0 : onder);
}

// The progress window's label and bar, passed on to the shell at every change.
class TVoortgang {
public:
    explicit TVoortgang(TVoortgangsMelder* melder) : melder_(melder) {}

    // Without a listener no label needs to be built.
    bool Actief() const { return melder_ != nullptr; }
    void Zet(const std::string& label, int positie) {
        label_ = label;
        positie_ = positie;
        Meld();
    }
    void Label(const std::string& label) { Zet(label, positie_); }
    void Balk(int positie) {
        positie_ = positie;
        Meld();
    }
    void VulKeuze(const std::vector<std::string>& items, int gekozen) {
        if (melder_ != nullptr) {
            melder_->VulMechanismeKeuze(items, gekozen);
        }
    }
    void Sluit() {
        if (melder_ != nullptr) {
            melder_->Sluit();
        }
    }

private:
    void Meld() {
        if (melder_ != nullptr) {
            melder_->ZetVoortgang(label_, positie_);
        }
    }

    TVoortgangsMelder* melder_;
    std::string label_;
    int positie_ = 0;
};

// One pass of deformation, moments, equation and collapse load: its virtual rotation, the
// number of its first log line and the bar positions after its first three steps.
struct TPas {
    double Gamma0;
    int Log;
    std::array<double, 3> Balk;
    // The deformation of the pass before, turned around, is this pass's deformation.
    bool Omkeren;
};

constexpr TPas EerstePas{VirtueleRotatie, 140, {0.4, 0.6, 0.8}, false};
constexpr TPas TweedePas{-VirtueleRotatie, 180, {0.85, 0.9, 0.95}, true};

std::string LogNummer(int n) {
    std::string tekst = std::to_string(n);
    return std::string(5 - std::min<std::size_t>(tekst.size(), 5), '0') + tekst;
}

// Runs the second half of the analysis, reporting every step.
class TBerekening {
public:
    TBerekening(const TAnalyse& analyse, const Teksten& teksten, TVoortgangsMelder* melder, int n)
        : a_(analyse), t_(teksten), log_(analyse.LogAan, analyse.LogPad), voortgang_(melder),
          ok_(t_[TekstOK]), begin_(t_[TekstMechanismen] + ok_ + t_[TekstVullen]), n_(n) {}

    void Begin() {
        voortgang_.Zet(begin_, 0);
        log_.Begin();
        log_.Stap("00100 Start van de berekening deel 2");
    }

    void Geconverteerd() { voortgang_.Balk(5); }
    const TVoortgangslog& Log() const { return log_; }

    // Both passes of mechanism i, its rotating hinges and whether it repeats an earlier one.
    void Mechanisme(TMechanisme& mechanisme, int i) {
        const std::string kop =
            voortgang_.Actief() ? begin_ + ok_ + t_[TekstMechanismeLabel] + std::to_string(i + 1) +
                                      " (" + std::to_string(n_) + "):" + t_[TekstRotatiecentra]
                                : std::string();
        log_.Mechanisme(mechanisme, i);
        voortgang_.Label(kop);
        Stap(130, "BepaalRotatieCentra", i, [&] { BepaalRotatieCentra(mechanisme); });
        Balk(i + 0.2);

        Pas(mechanisme, i, kop, EerstePas);
        // Loads doing negative work: once more with the opposite rotation.
        if (mechanisme.Vgl.Bezwijklast < 0.0) {
            Pas(mechanisme, i, kop, TweedePas);
        }
        // Exact kinematics leave no other outcome; a collapse load that is not positive and
        // finite would only come from rounding, and the mechanism then has no load.
        double& fp = mechanisme.Vgl.Bezwijklast;
        if (!(fp > 0.0 && std::isfinite(fp))) {
            fp = OneindigeLast;
        }
        BepaalDraaiendeScharnieren(mechanisme);
        gelijk_.Markeer(mechanisme, i);
        if (a_.TermenSchrijven) {
            a_.SchrijfTermen(mechanisme);
        }

        Balk(i + 0.97);
        if (voortgang_.Actief()) {
            voortgang_.Label(kop + ok_ + t_[TekstVervormen] + ok_ + t_[TekstMomenten] + ok_ +
                             t_[TekstVergelijking] + ok_ + t_[TekstBezwijklast] + ok_ +
                             t_[TekstMomentenlijn]);
        }
        Balk(i + 1.0);
    }

    void Afsluiten(int maatgevend) {
        const std::string label = begin_ + ok_ + t_[TekstMechanismeLabel] + "1" + t_[TekstTotMet] +
                                  std::to_string(n_) + ok_ + t_[TekstMaatgevendGezocht];
        voortgang_.Label(label);
        log_.Stap("00229 BepaalMaatgevendMechanisme --> OK");
        voortgang_.VulKeuze(Keuzelijst(maatgevend), maatgevend);
        voortgang_.Zet(label + ok_, 100);
        voortgang_.Sluit();
    }

private:
    // The bar at x mechanisms done; without a listener there is nothing to compute.
    void Balk(double x) {
        if (voortgang_.Actief()) {
            voortgang_.Balk(Positie(x, n_));
        }
    }

    // A step between its log line and its "--> OK" line, numbered nine higher.
    template <typename F> void Stap(int log, const char* functie, int i, F&& uitvoeren) {
        const auto naam = [&] { return std::string(functie) + "[" + std::to_string(i) + "]"; };
        if (log_.Aan()) {
            log_.Stap(LogNummer(log) + " " + naam());
        }
        uitvoeren();
        if (log_.Aan()) {
            log_.Stap(LogNummer(log + 9) + " " + naam() + " --> OK");
        }
    }

    // The label grows by " --> OK" and the next step's text.
    void VolgendeStap(std::string& label, int tekst) {
        if (voortgang_.Actief()) {
            label += ok_ + t_[tekst];
            voortgang_.Label(label);
        }
    }

    void Pas(TMechanisme& mechanisme, int i, const std::string& kop, const TPas& pas) {
        std::string label = kop;
        VolgendeStap(label, TekstVervormen);
        // The second pass turns the first one's deformation around, which is what a new
        // deformation with the opposite rotation gives.
        Stap(pas.Log, "BepaalVervorming", i, [&] {
            if (pas.Omkeren) {
                KeerVervormingOm(mechanisme);
            } else {
                BepaalVervorming(mechanisme, pas.Gamma0);
            }
        });
        Balk(i + pas.Balk[0]);

        VolgendeStap(label, TekstMomenten);
        Stap(pas.Log + 10, "BepaalPlastischeMomenten", i,
             [&] { BepaalPlastischeMomenten(mechanisme); });
        Balk(i + pas.Balk[1]);

        VolgendeStap(label, TekstVergelijking);
        // The texts follow from the final values alone: they are written once, after the last
        // pass.
        Stap(pas.Log + 20, "StelArbeidsVergelijkingOp", i, [&] { BepaalFactoren(mechanisme); });
        Balk(i + pas.Balk[2]);

        VolgendeStap(label, TekstBezwijklast);
        Stap(pas.Log + 30, "BepaalBezwijklast", i, [&] { BepaalBezwijklast(mechanisme); });
    }

    std::vector<std::string> Keuzelijst(int maatgevend) const {
        std::vector<std::string> items;
        for (int i = 0; i < n_; ++i) {
            items.push_back(t_[TekstMechanismeNummer] + std::to_string(i + 1) +
                            (i == maatgevend ? t_[TekstMaatgevendAchter] : ""));
        }
        return items;
    }

    const TAnalyse& a_;
    const Teksten& t_;
    TVoortgangslog log_;
    TVoortgang voortgang_;
    const std::string ok_;
    const std::string begin_;
    int n_ = 0;
    TGelijkeMechanismen gelijk_;
};

} // namespace

bool TMaatgevendeRegel::Neem(std::int32_t i, double fp) {
    // Only a load lower beyond rounding takes over; infinity never undercuts itself.
    if (leeg_ || fp < laagste_ * (1.0 - GelijkeLasten)) {
        leeg_ = false;
        laagste_ = fp;
        index_ = i;
        return true;
    }
    return false;
}

void TGelijkeMechanismen::Markeer(TMechanisme& mechanisme, std::int32_t i) {
    mechanisme.GelijkAan = -1;
    std::uint32_t sleutel = 0;
    for (const std::int32_t knoop : mechanisme.DraaiendeScharnieren) {
        sleutel |= std::uint32_t{1} << knoop;
    }
    // A mechanism that does not move repeats nothing.
    if (sleutel == 0) {
        return;
    }
    const auto [plek, nieuw] = eerste_.try_emplace(sleutel, i);
    if (!nieuw) {
        mechanisme.GelijkAan = plek->second;
    }
}

std::string ControleerVoorAnalyse(TManipuleerConstructie& constructie) {
    std::string melding = constructie.ControleerConstructie();
    if (!melding.empty()) {
        return melding;
    }
    const TEnumeratie enumeratie(constructie);
    TMechanisme geheel;
    ConverteerVervangendeConstructie(enumeratie.ZonderScharnieren(), geheel);
    if (LosCompatibiliteitOp(geheel, 0, VirtueleRotatie).Vrijheidsgraden > 0) {
        melding = constructie.Tekst()[TekstBeweeglijk];
    }
    return melding;
}

TAnalyse::TAnalyse(const Teksten& teksten) : teksten_(&teksten) {}

void TAnalyse::SchrijfTermen(TMechanisme& mechanisme) const {
    kx::SchrijfTermen(mechanisme, *teksten_, Decimaalteken);
}

void TAnalyse::BepaalMechanismen(const TManipuleerConstructie& constructie) {
    const TEnumeratie enumeratie(constructie);
    Onbepaaldheid = enumeratie.Onbepaaldheid();
    AantalPlaatsen = enumeratie.AantalPlaatsen();
    Combinaties.clear();
    VMechanismen.clear();
    Combinaties.reserve(static_cast<std::size_t>(enumeratie.AantalCombinaties()));
    VMechanismen.reserve(static_cast<std::size_t>(enumeratie.AantalCombinaties()));
    enumeratie.VoorElkeCombinatie([&](const std::vector<std::int32_t>& rij) {
        Combinaties.push_back(rij);
        enumeratie.Bouw(VMechanismen.emplace_back(), rij);
    });
}

std::int32_t TAnalyse::BerekeningDeel2(TVoortgangsMelder* melder) {
    AantalMechanismen = static_cast<std::int32_t>(VMechanismen.size());
    TBerekening berekening(*this, *teksten_, melder, AantalMechanismen);
    berekening.Begin();
    berekening.Log().Stap("00120 ConverteerVervangendeConstructies");
    Mechanismen.clear();
    Mechanismen.resize(VMechanismen.size());
    for (std::size_t i = 0; i < VMechanismen.size(); ++i) {
        ConverteerVervangendeConstructie(VMechanismen[i], Mechanismen[i]);
        GekozenPlaatsen(Combinaties[i], Mechanismen[i].Scharnieren);
    }
    berekening.Log().Stap("00129 ConverteerVervangendeConstructies --> OK");
    berekening.Geconverteerd();
    TMaatgevendeRegel regel;
    for (int i = 0; i < AantalMechanismen; ++i) {
        berekening.Mechanisme(Mechanismen[static_cast<std::size_t>(i)], i);
        regel.Neem(i, Mechanismen[static_cast<std::size_t>(i)].Vgl.Bezwijklast);
    }
    berekening.Log().Stap("00220 BepaalMaatgevendMechanisme");
    MaatgevendMechanisme = regel.Index();
    for (auto& mechanisme : Mechanismen) {
        VergrootVervorming(mechanisme);
    }
    berekening.Afsluiten(MaatgevendMechanisme);
    return MaatgevendMechanisme;
}

std::int32_t
TAnalyse::BerekenElkMechanisme(const TManipuleerConstructie& constructie,
                               const std::function<void(const TBerekendMechanisme&)>& verwerk) {
    const TEnumeratie enumeratie(constructie);
    Onbepaaldheid = enumeratie.Onbepaaldheid();
    AantalPlaatsen = enumeratie.AantalPlaatsen();
    VMechanismen.clear();
    Combinaties.clear();
    Mechanismen.clear();
    AantalMechanismen = enumeratie.AantalCombinaties();
    TBerekening berekening(*this, *teksten_, nullptr, AantalMechanismen);
    // One replacement structure and one record serve every combination in turn.
    TVConstructie vervanging;
    TMechanisme mechanisme;
    TMaatgevendeRegel regel;
    int i = 0;
    enumeratie.VoorElkeCombinatie([&](const std::vector<std::int32_t>& rij) {
        enumeratie.Bouw(vervanging, rij);
        ConverteerVervangendeConstructie(vervanging, mechanisme);
        GekozenPlaatsen(rij, mechanisme.Scharnieren);
        berekening.Mechanisme(mechanisme, i);
        VergrootVervorming(mechanisme);
        const bool maatgevend = regel.Neem(i, mechanisme.Vgl.Bezwijklast);
        verwerk({i, mechanisme, maatgevend});
        ++i;
    });
    MaatgevendMechanisme = regel.Index();
    return MaatgevendMechanisme;
}

} // namespace kx
