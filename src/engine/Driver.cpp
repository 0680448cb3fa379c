#include "engine/AlgemeenMechanisme.h"
#include "engine/Analyse.h"
#include "engine/Compatibiliteit.h"
#include "engine/Deelbeweging.h"
#include "engine/Enumeratie.h"
#include "engine/Mechanisme.h"
#include "engine/Veldscharnieren.h"
#include "engine/Voortgangslog.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kx {

namespace {
// The chosen places whose node has a rotating hinge: each node of a record holds one place,
// except at a joint, where the record's own ends say which bar turns.
void BepaalDraaiendePlaatsen(TMechanisme& mechanisme) {
    auto& draaiend = mechanisme.DraaiendePlaatsen;
    draaiend.clear();
    const auto& knopen = mechanisme.DraaiendeScharnieren;
    const auto& rij = mechanisme.Scharnieren;
    for (std::size_t j = 0; j < mechanisme.Plaatsen.size() && j < rij.size(); ++j) {
        if (std::binary_search(knopen.begin(), knopen.end(), rij[j])) {
            draaiend.push_back(mechanisme.Plaatsen[j]);
        }
    }
}

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
    // When its hinges allow several motions, the parts move as opgelegd says.
    void Mechanisme(TMechanisme& mechanisme, int i,
                    const std::vector<TStarreBeweging>& opgelegd = {}) {
        opgelegd_ = &opgelegd;
        const std::string kop = Kop(i);
        log_.Mechanisme(mechanisme, i);
        voortgang_.Label(kop);
        Stap(130, "BepaalRotatieCentra", i, [&] { BepaalRotatieCentra(mechanisme); });
        Balk(i + 0.2);

        Pas(mechanisme, i, kop, EerstePas);
        // Loads doing negative work: once more with the opposite rotation.
        if (mechanisme.Vgl.Bezwijklast < 0.0) {
            Pas(mechanisme, i, kop, TweedePas);
        }
        Afronden(mechanisme, i, kop, false);
    }

    // Mechanism i built whole from the frame's kinematics: only its bookkeeping is left.
    void Gebouwd(TMechanisme& mechanisme, int i) {
        const std::string kop = Kop(i);
        log_.Mechanisme(mechanisme, i);
        voortgang_.Label(kop);
        Afronden(mechanisme, i, kop, true);
    }

    // A mechanism built from the frame's kinematics knows its turning places already.
    void Afronden(TMechanisme& mechanisme, int i, const std::string& kop, bool gebouwd) {
        // Exact kinematics leave no other outcome; a collapse load that is not positive and
        // finite would only come from rounding, and the mechanism then has no load.
        double& fp = mechanisme.Vgl.Bezwijklast;
        if (!(fp > 0.0 && std::isfinite(fp))) {
            fp = OneindigeLast;
        }
        BepaalDraaiendeScharnieren(mechanisme);
        if (!gebouwd) {
            BepaalDraaiendePlaatsen(mechanisme);
        }
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
    // The progress label of mechanism i up to its first step; without a listener none is built.
    std::string Kop(int i) const {
        return voortgang_.Actief()
                   ? begin_ + ok_ + t_[TekstMechanismeLabel] + std::to_string(i + 1) + " (" +
                         std::to_string(n_) + "):" + t_[TekstRotatiecentra]
                   : std::string();
    }

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
            } else if (!opgelegd_->empty()) {
                ZetVervorming(mechanisme, *opgelegd_, pas.Gamma0);
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
    const std::vector<TStarreBeweging>* opgelegd_ = nullptr;
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
    // A mechanism that does not move repeats nothing.
    if (mechanisme.DraaiendePlaatsen.empty()) {
        return;
    }
    const auto [plek, nieuw] = eerste_.try_emplace(mechanisme.DraaiendePlaatsen, i);
    if (!nieuw) {
        mechanisme.GelijkAan = plek->second;
    }
}

std::string ControleerVoorAnalyse(TConstructie& constructie, const Teksten& teksten) {
    NormaliseerVolledig(constructie);
    std::string melding = ControleerConstructie(constructie, teksten);
    if (!melding.empty()) {
        return melding;
    }
    const std::int32_t knoop = TRaamwerk(constructie).BeweeglijkeKnoop();
    if (knoop != -1) {
        melding = VulIn(teksten[TekstBeweeglijk], {std::to_string(knoop + 1)});
    }
    return melding;
}

namespace {
// The least of the motions a mechanism's hinges allow, as motions of its parts; empty when they
// allow one motion, which the graphical method finds, or when no motion of them does work.
std::vector<TStarreBeweging> KleinsteDeelbeweging(const TMechanisme& mechanisme,
                                                  const TRaamwerk& raamwerk,
                                                  const std::vector<std::int32_t>& rij) {
    if (LosCompatibiliteitOp(mechanisme, 0, VirtueleRotatie).Vrijheidsgraden <= 1) {
        return {};
    }
    const TBeweging beweging = raamwerk.KleinsteBeweging(PlaatsIndices(rij));
    if (beweging.d.size() == 0) {
        return {};
    }
    return DeelBewegingen(mechanisme, raamwerk, beweging.d);
}
} // namespace

TAnalyse::TAnalyse(const Teksten& teksten) : teksten_(&teksten) {}

void TAnalyse::SchrijfTermen(TMechanisme& mechanisme) const {
    kx::SchrijfTermen(mechanisme, *teksten_, Decimaalteken);
}

namespace {
// The row in which the given places are chosen: position j holds place m-1-j.
std::vector<std::int32_t> Rij(const std::vector<TScharnierplaats>& plaatsen,
                              const std::vector<int>& gekozen) {
    const auto m = plaatsen.size();
    std::vector<std::int32_t> rij(m, -1);
    for (const int p : gekozen) {
        rij[m - 1 - static_cast<std::size_t>(p)] = plaatsen[static_cast<std::size_t>(p)].Knoop;
    }
    return rij;
}

std::vector<int> AllePlaatsen(const TRaamwerk& raamwerk) {
    std::vector<int> alle(raamwerk.Plaatsen().size());
    for (std::size_t p = 0; p < alle.size(); ++p) {
        alle[p] = static_cast<int>(p);
    }
    return alle;
}
} // namespace

void TAnalyse::Begin(const TEnumeratie& enumeratie, const TConstructie& constructie) {
    Telling = enumeratie.Telling();
    Delen = TelDelen(constructie);
    Onbepaaldheid = enumeratie.Onbepaaldheid();
    AantalPlaatsen = enumeratie.AantalPlaatsen();
    VMechanismen.clear();
    Combinaties.clear();
    Mechanismen.clear();
    constructie_ = constructie;
    raamwerk_ = enumeratie.Raamwerk();
    Plaatsen = raamwerk_->Plaatsen();
    Lijst = enumeratie.Onafhankelijk() ? TLijst::Onafhankelijk : TLijst::Combinaties;
    keten_ = enumeratie.Keten() && Lijst == TLijst::Combinaties;
    Basis.clear();
    MaatgevendeCombinatie.clear();
    BasisMechanismen.clear();
    bezwijkmechanisme_.reset();
    if (Lijst == TLijst::Onafhankelijk) {
        // The frame keeps the span positions of its collapse mechanism.
        bezwijkmechanisme_ = KleinsteBewegingMetVelden(*raamwerk_, AllePlaatsen(*raamwerk_));
    }
    // A single mechanism is its own combination: no basis to name.
    Basis = OnafhankelijkeMechanismen(constructie_, *raamwerk_, *teksten_);
    if (Lijst == TLijst::Combinaties && Basis.size() < 2) {
        Basis.clear();
    }
}

void TAnalyse::BepaalMechanismen(const TConstructie& constructie) {
    const TEnumeratie enumeratie(constructie);
    Begin(enumeratie, constructie);
    if (Lijst == TLijst::Onafhankelijk) {
        for (const auto& mechanisme : Basis) {
            Combinaties.push_back(Rij(Plaatsen, raamwerk_->Draaiend(mechanisme.d)));
        }
        Combinaties.push_back(Rij(Plaatsen, bezwijkmechanisme_->Draaiend));
        return;
    }
    Combinaties.reserve(static_cast<std::size_t>(enumeratie.AantalCombinaties()));
    VMechanismen.reserve(static_cast<std::size_t>(enumeratie.AantalCombinaties()));
    enumeratie.VoorElkeCombinatie([&](const std::vector<std::int32_t>& rij) {
        Combinaties.push_back(rij);
        // A frame beyond the chain keeps no replacement structures: its mechanisms are built
        // from its kinematics.
        if (keten_) {
            enumeratie.Bouw(VMechanismen.emplace_back(), rij);
        }
    });
}

void TAnalyse::BouwMechanisme(int i, const std::vector<std::int32_t>& rij,
                              TMechanisme& mechanisme) const {
    const std::vector<int> plaatsen = PlaatsIndices(rij);
    if (Lijst == TLijst::Onafhankelijk && i < static_cast<int>(Basis.size())) {
        const auto& onafhankelijk = Basis[static_cast<std::size_t>(i)];
        kx::BouwMechanisme(constructie_, *raamwerk_, onafhankelijk.d, plaatsen, mechanisme);
        mechanisme.Naam = onafhankelijk.Naam;
    } else if (Lijst == TLijst::Onafhankelijk) {
        kx::BouwMechanisme(constructie_, *raamwerk_, bezwijkmechanisme_->d,
                           AllePlaatsen(*raamwerk_), mechanisme);
        mechanisme.Naam = (*teksten_)[TekstGecombineerdMechanisme];
    } else {
        kx::BouwMechanisme(constructie_, *raamwerk_, plaatsen, mechanisme);
        mechanisme.Naam.clear();
    }
    GekozenPlaatsen(rij, mechanisme.Scharnieren);
    mechanisme.Plaatsen = plaatsen;
}

void TAnalyse::Combineer(const std::vector<std::int32_t>& rij,
                         const std::vector<TVeldscharnier>& velden) {
    MaatgevendeCombinatie.clear();
    if (Basis.size() < 2) {
        return;
    }
    const auto i = static_cast<std::size_t>(MaatgevendMechanisme);
    Eigen::VectorXd d;
    if (Lijst == TLijst::Onafhankelijk && i < Basis.size()) {
        d = Basis[i].d;
    } else if (Lijst == TLijst::Onafhankelijk) {
        d = bezwijkmechanisme_->d;
    } else if (velden.empty()) {
        d = raamwerk_->KleinsteBeweging(PlaatsIndices(rij)).d;
    } else {
        TRaamwerk geplaatst = *raamwerk_;
        for (const auto& veld : velden) {
            geplaatst.ZetPositie(geplaatst.VeldVanPlaats(veld.Plaats), veld.Positie);
        }
        d = geplaatst.KleinsteBeweging(PlaatsIndices(rij)).d;
    }
    const Eigen::VectorXd c = Combinatie(*raamwerk_, Basis, d);
    MaatgevendeCombinatie.assign(c.data(), c.data() + c.size());
}

void TAnalyse::BouwBasisMechanismen() {
    BasisMechanismen.clear();
    if (Lijst != TLijst::Combinaties || Basis.size() < 2) {
        return;
    }
    BasisMechanismen.resize(Basis.size());
    for (std::size_t i = 0; i < Basis.size(); ++i) {
        auto& mechanisme = BasisMechanismen[i];
        const std::vector<int> draaiend = raamwerk_->Draaiend(Basis[i].d);
        kx::BouwMechanisme(constructie_, *raamwerk_, Basis[i].d, draaiend, mechanisme);
        mechanisme.Naam = Basis[i].Naam;
        mechanisme.Plaatsen = draaiend;
        VergrootVervorming(mechanisme);
    }
}

std::string TAnalyse::CombinatieTekst() const {
    return kx::CombinatieTekst(Basis, MaatgevendeCombinatie, Decimaalteken);
}

std::int32_t TAnalyse::BerekeningDeel2(TVoortgangsMelder* melder) {
    AantalMechanismen = static_cast<std::int32_t>(Combinaties.size());
    TBerekening berekening(*this, *teksten_, melder, AantalMechanismen);
    berekening.Begin();
    berekening.Log().Stap("00120 ConverteerVervangendeConstructies");
    Mechanismen.clear();
    Mechanismen.resize(Combinaties.size());
    for (std::size_t i = 0; i < VMechanismen.size(); ++i) {
        ConverteerVervangendeConstructie(VMechanismen[i], Mechanismen[i]);
        GekozenPlaatsen(Combinaties[i], Mechanismen[i].Scharnieren);
        Mechanismen[i].Plaatsen = PlaatsIndices(Combinaties[i]);
    }
    berekening.Log().Stap("00129 ConverteerVervangendeConstructies --> OK");
    berekening.Geconverteerd();
    TMaatgevendeRegel regel;
    for (int i = 0; i < AantalMechanismen; ++i) {
        auto& mechanisme = Mechanismen[static_cast<std::size_t>(i)];
        const auto& rij = Combinaties[static_cast<std::size_t>(i)];
        if (keten_) {
            berekening.Mechanisme(mechanisme, i,
                                  raamwerk_ ? KleinsteDeelbeweging(mechanisme, *raamwerk_, rij)
                                            : std::vector<TStarreBeweging>{});
        } else if (raamwerk_) {
            BouwMechanisme(i, rij, mechanisme);
            berekening.Gebouwd(mechanisme, i);
        }
        regel.Neem(i, Mechanismen[static_cast<std::size_t>(i)].Vgl.Bezwijklast);
    }
    berekening.Log().Stap("00220 BepaalMaatgevendMechanisme");
    MaatgevendMechanisme = regel.Index();
    if (raamwerk_ && AantalMechanismen > 0) {
        const auto i = static_cast<std::size_t>(MaatgevendMechanisme);
        Combineer(Combinaties[i], Mechanismen[i].Veldscharnieren);
        BouwBasisMechanismen();
    }
    for (auto& mechanisme : Mechanismen) {
        VergrootVervorming(mechanisme);
    }
    berekening.Afsluiten(MaatgevendMechanisme);
    return MaatgevendMechanisme;
}

std::int32_t
TAnalyse::BerekenElkMechanisme(const TConstructie& constructie,
                               const std::function<void(const TBerekendMechanisme&)>& verwerk) {
    const TEnumeratie enumeratie(constructie);
    Begin(enumeratie, constructie);
    std::vector<std::vector<std::int32_t>> rijen;
    if (Lijst == TLijst::Onafhankelijk) {
        for (const auto& mechanisme : Basis) {
            rijen.push_back(Rij(Plaatsen, raamwerk_->Draaiend(mechanisme.d)));
        }
        rijen.push_back(Rij(Plaatsen, bezwijkmechanisme_->Draaiend));
    }
    AantalMechanismen = Lijst == TLijst::Onafhankelijk ? static_cast<std::int32_t>(rijen.size())
                                                       : enumeratie.AantalCombinaties();
    TBerekening berekening(*this, *teksten_, nullptr, AantalMechanismen);
    // One replacement structure and one record serve every combination in turn.
    TVConstructie vervanging;
    TMechanisme mechanisme;
    TMaatgevendeRegel regel;
    std::vector<std::int32_t> maatgevendeRij;
    std::vector<TVeldscharnier> maatgevendeVelden;
    int i = 0;
    const auto bereken = [&](const std::vector<std::int32_t>& rij) {
        if (keten_) {
            enumeratie.Bouw(vervanging, rij);
            ConverteerVervangendeConstructie(vervanging, mechanisme);
            GekozenPlaatsen(rij, mechanisme.Scharnieren);
            mechanisme.Plaatsen = PlaatsIndices(rij);
            berekening.Mechanisme(mechanisme, i,
                                  KleinsteDeelbeweging(mechanisme, enumeratie.Raamwerk(), rij));
        } else {
            BouwMechanisme(i, rij, mechanisme);
            berekening.Gebouwd(mechanisme, i);
        }
        VergrootVervorming(mechanisme);
        const bool maatgevend = regel.Neem(i, mechanisme.Vgl.Bezwijklast);
        if (maatgevend) {
            maatgevendeRij = rij;
            maatgevendeVelden = mechanisme.Veldscharnieren;
        }
        verwerk({i, mechanisme, maatgevend});
        ++i;
    };
    if (Lijst == TLijst::Onafhankelijk) {
        std::for_each(rijen.begin(), rijen.end(), bereken);
    } else {
        enumeratie.VoorElkeCombinatie(bereken);
    }
    MaatgevendMechanisme = regel.Index();
    if (AantalMechanismen > 0) {
        Combineer(maatgevendeRij, maatgevendeVelden);
    }
    return MaatgevendMechanisme;
}

} // namespace kx
