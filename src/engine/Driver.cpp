#include "engine/Analyse.h"
#include "text/Teksten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kx {

namespace {

constexpr int TekstVullen = 148;
constexpr int TekstRotatiecentra = 149;
constexpr int TekstVervormen = 150;
constexpr int TekstMomenten = 151;
constexpr int TekstVergelijking = 152;
constexpr int TekstBezwijklast = 153;
constexpr int TekstMaatgevend = 154;
constexpr int TekstMechanismeLabel = 155;
constexpr int TekstOK = 156;
constexpr int TekstTotMet = 157;
constexpr int TekstMechanismen = 185;
constexpr int TekstMomentenlijn = 215;
constexpr int TekstKeuze = 169;
constexpr int TekstKeuzeMaatgevend = 170;

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
};

constexpr TPas EerstePas{VirtueleRotatie, 140, {0.4, 0.6, 0.8}};
constexpr TPas TweedePas{-VirtueleRotatie, 180, {0.85, 0.9, 0.95}};

std::string LogNummer(int n) {
    std::string tekst = std::to_string(n);
    return std::string(5 - std::min<std::size_t>(tekst.size(), 5), '0') + tekst;
}

// Runs the second half of the analysis on a TAnalyse, reporting every step.
class TBerekening {
public:
    TBerekening(TAnalyse& analyse, const Teksten& teksten, TVoortgangsMelder* melder, int n = 0)
        : a_(analyse), t_(teksten), voortgang_(melder), ok_(t_[TekstOK]),
          begin_(t_[TekstMechanismen] + ok_ + t_[TekstVullen]), n_(n) {}

    void Converteer() {
        voortgang_.Zet(begin_, 0);
        a_.SchrijfVoortgang("", true);
        a_.SchrijfStap("00100 Start van de berekening deel 2");
        a_.SchrijfStap("00120 ConverteerVervangendeConstructies");
        a_.ConverteerVervangendeConstructies();
        a_.SchrijfStap("00129 ConverteerVervangendeConstructies --> OK");
        n_ = a_.AantalMechanismen;
        voortgang_.Balk(5);
    }

    void Mechanisme(TMechanisme& mechanisme, int i) {
        const std::string kop =
            voortgang_.Actief() ? begin_ + ok_ + t_[TekstMechanismeLabel] + std::to_string(i + 1) +
                                      " (" + std::to_string(n_) + "):" + t_[TekstRotatiecentra]
                                : std::string();
        a_.SchrijfMechanisme(mechanisme, i);
        voortgang_.Label(kop);
        Stap(130, "BepaalRotatieCentra", i, [&] { a_.BepaalRotatieCentra(mechanisme); });
        Balk(i + 0.2);

        Pas(mechanisme, i, kop, EerstePas);
        // Loads doing negative work: once more with the opposite rotation, whatever comes out.
        if (mechanisme.Vgl.Bezwijklast < 0.0) {
            Pas(mechanisme, i, kop, TweedePas);
        }
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

    void Afsluiten() {
        const std::string label = begin_ + ok_ + t_[TekstMechanismeLabel] + "1" + t_[TekstTotMet] +
                                  std::to_string(n_) + ok_ + t_[TekstMaatgevend];
        voortgang_.Label(label);
        a_.SchrijfStap("00220 BepaalMaatgevendMechanisme");
        a_.MaatgevendMechanisme = a_.BepaalMaatgevendMechanisme();
        a_.VergrootVervorming();
        a_.SchrijfStap("00229 BepaalMaatgevendMechanisme --> OK");
        voortgang_.VulKeuze(Keuzelijst(), a_.MaatgevendMechanisme);
        voortgang_.Zet(label + ok_, 100);
        voortgang_.Sluit();
    }

    int AantalMechanismen() const { return n_; }

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
        a_.LogStap([&] { return LogNummer(log) + " " + naam(); });
        uitvoeren();
        a_.LogStap([&] { return LogNummer(log + 9) + " " + naam() + " --> OK"; });
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
        Stap(pas.Log, "BepaalVervorming", i, [&] { a_.BepaalVervorming(mechanisme, pas.Gamma0); });
        Balk(i + pas.Balk[0]);

        VolgendeStap(label, TekstMomenten);
        Stap(pas.Log + 10, "BepaalPlastischeMomenten", i,
             [&] { a_.BepaalPlastischeMomenten(mechanisme); });
        Balk(i + pas.Balk[1]);

        VolgendeStap(label, TekstVergelijking);
        // The texts follow from the final values alone: Mechanisme writes them once, after
        // the last pass.
        Stap(pas.Log + 20, "StelArbeidsVergelijkingOp", i, [&] { a_.BepaalFactoren(mechanisme); });
        Balk(i + pas.Balk[2]);

        VolgendeStap(label, TekstBezwijklast);
        Stap(pas.Log + 30, "BepaalBezwijklast", i, [&] { a_.BepaalBezwijklast(mechanisme, i); });
    }

    std::vector<std::string> Keuzelijst() const {
        std::vector<std::string> items;
        for (int i = 0; i < n_; ++i) {
            items.push_back(t_[TekstKeuze] + std::to_string(i + 1) +
                            (i == a_.MaatgevendMechanisme ? t_[TekstKeuzeMaatgevend] : ""));
        }
        return items;
    }

    TAnalyse& a_;
    const Teksten& t_;
    TVoortgang voortgang_;
    const std::string ok_;
    const std::string begin_;
    int n_ = 0;
};

} // namespace

TAnalyse::TAnalyse(const Teksten& teksten) : teksten_(&teksten) {}

std::int32_t TAnalyse::BerekeningDeel2(TVoortgangsMelder* melder) {
    TBerekening berekening(*this, *teksten_, melder);
    berekening.Converteer();
    for (int i = 0; i < berekening.AantalMechanismen(); ++i) {
        berekening.Mechanisme(Mechanismen[i], i);
    }
    berekening.Afsluiten();
    return MaatgevendMechanisme;
}

std::int32_t
TAnalyse::BerekenElkMechanisme(TManipuleerConstructie& constructie,
                               const std::function<void(const TBerekendMechanisme&)>& verwerk) {
    TelCombinaties(constructie);
    Mechanismen.clear();
    AantalMechanismen = AantalCombinaties;
    MaatgevendMechanisme = 0;
    if (AantalMechanismen == 0) {
        return MaatgevendMechanisme;
    }
    const TVConstructie sjabloon = MaakSjabloon(constructie);
    TBerekening berekening(*this, *teksten_, nullptr, AantalMechanismen);
    // One replacement structure and one record serve every combination in turn.
    TVConstructie vervanging;
    TMechanisme mechanisme;
    double laagste = 0.0;
    int i = 0;
    VoorElkeCombinatie([&](const std::vector<std::int32_t>& rij) {
        BouwVervangendeConstructie(vervanging, rij, sjabloon, constructie);
        ConverteerVervangendeConstructie(vervanging, mechanisme);
        berekening.Mechanisme(mechanisme, i);
        VergrootVervorming(mechanisme);
        // The rule of BepaalMaatgevendMechanisme, applied as the mechanisms come.
        const double fp = mechanisme.Vgl.Bezwijklast;
        const bool maatgevend = i == 0 || fp < laagste;
        if (maatgevend) {
            laagste = fp;
            MaatgevendMechanisme = i;
        }
        verwerk({i, rij, mechanisme, maatgevend});
        ++i;
    });
    return MaatgevendMechanisme;
}

} // namespace kx
