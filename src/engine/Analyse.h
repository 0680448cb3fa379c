#pragma once

#include "engine/Onafhankelijk.h"
#include "engine/Raamwerk.h"
#include "engine/Records.h"
#include "model/Controle.h"
#include "model/Telling.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kx {

class TEnumeratie;
struct TConstructie;
class Teksten;

// What the analysis driver tells the shell while it runs: the progress label and bar position
// (0..100), the mechanism chooser's entries with the governing one selected, and the end.
class TVoortgangsMelder {
public:
    virtual ~TVoortgangsMelder() = default;
    virtual void ZetVoortgang(const std::string& label, int positie) = 0;
    virtual void VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen) = 0;
    virtual void Sluit() = 0;
};

// One mechanism as BerekenElkMechanisme hands it over: its index, its analysed record and
// whether it is the governing mechanism of those analysed so far.
struct TBerekendMechanisme {
    std::int32_t Nummer;
    const TMechanisme& Mechanisme;
    bool Maatgevend;
};

// The governing rule: the lowest collapse load governs, the lowest index among equal ones.
// Loads within GelijkeLasten of each other are equal, so that rounding does not choose between
// mechanisms of one load (mirror images); an infinite load governs only when all are infinite.
class TMaatgevendeRegel {
public:
    // Offers mechanism i with collapse load fp; true when it governs those offered so far.
    bool Neem(std::int32_t i, double fp);
    std::int32_t Index() const { return index_; }

private:
    std::int32_t index_ = 0;
    double laagste_ = 0.0;
    bool leeg_ = true;
};

// Recognises a mechanism whose rotating hinges equal those of an earlier one.
class TGelijkeMechanismen {
public:
    // Sets mechanisme.GelijkAan to the first earlier index with its rotating hinges, or -1.
    void Markeer(TMechanisme& mechanisme, std::int32_t i);

private:
    // The first index per set of rotating hinges, as the ascending place indices: at a joint
    // two mechanisms may turn the same node at different bar ends.
    std::map<std::vector<int>, std::int32_t> eerste_;
};

// Structure check followed by the check that the structure cannot move before a plastic hinge
// forms; returns every complaint as one message, empty when the analysis may run.
std::string ControleerVoorAnalyse(TConstructie& constructie, const Teksten& teksten);

// The results of one collapse analysis, which the views and kx-analyse read, and the driver
// that fills them. Each analysis rebuilds every result; between analyses they stay.
class TAnalyse {
public:
    explicit TAnalyse(const Teksten& teksten);

    const Teksten& Tekst() const { return *teksten_; }

    // Results: the replacement structures and hinge rows of the enumeration, the analysed
    // mechanisms in the same order, and the governing mechanism.
    TVMechanismen VMechanismen;
    std::vector<std::vector<std::int32_t>> Combinaties;
    TMechanismeArray Mechanismen;
    std::int32_t AantalMechanismen = 0;
    std::int32_t MaatgevendMechanisme = 0;
    // The counts of the frame analysed: unknowns, equations, hinge places.
    TOnbepaaldheid Telling;
    TTellingDelen Delen;
    std::int32_t Onbepaaldheid = 0;  // n
    std::int32_t AantalPlaatsen = 0; // m

    // What the list of mechanisms holds: every combination of n + 1 places (of all places when
    // there are fewer), or, when those are too many, the independent mechanisms followed by the
    // collapse mechanism of the whole frame.
    enum class TLijst { Combinaties, Onafhankelijk };
    TLijst Lijst = TLijst::Combinaties;
    // The frame's hinge places, which the mechanisms' Plaatsen index.
    std::vector<TScharnierplaats> Plaatsen;
    // The independent mechanisms, and, when there is more than one, the governing mechanism as
    // their combination: one coefficient per independent mechanism.
    std::vector<TOnafhankelijkMechanisme> Basis;
    std::vector<double> MaatgevendeCombinatie;
    // The independent mechanisms as records to draw, displacements magnified, when there are
    // two or more and the list holds every combination instead of them.
    TMechanismeArray BasisMechanismen;
    // "balk 1 + zijdelingse verplaatsing − gezamenlijk scharnier in knoop 4"; empty without a
    // combination.
    std::string CombinatieTekst() const;

    // Decimal separator of numbers in the equation texts (the user's locale).
    char Decimaalteken = '.';
    // Whether the driver writes the printed terms of every equation; a caller that prints only
    // some of them switches it off and calls SchrijfTermen for those.
    bool TermenSchrijven = true;
    // Progress log; off unless switched on.
    bool LogAan = false;
    std::string LogPad = "Voortgang.txt";

    // Enumeration of the mechanisms of a checked structure.
    void BepaalMechanismen(const TConstructie& constructie);

    // Every mechanism analysed, the governing one picked. Returns its index, which the shell
    // makes the chosen one.
    std::int32_t BerekeningDeel2(TVoortgangsMelder* melder = nullptr);

    // The whole analysis for a caller that reads each mechanism once: every combination is
    // built and analysed in turn and handed to verwerk, displacements magnified. Only one
    // mechanism is held at a time: VMechanismen, Combinaties and Mechanismen stay empty. Sets
    // AantalMechanismen and MaatgevendMechanisme and returns the latter.
    std::int32_t
    BerekenElkMechanisme(const TConstructie& constructie,
                         const std::function<void(const TBerekendMechanisme&)>& verwerk);

    // The printed terms of a mechanism, in this analysis's texts and decimal separator.
    void SchrijfTermen(TMechanisme& mechanisme) const;

    // The frame enumerated last, which the places and mechanisms refer to.
    const TConstructie& Constructie() const { return constructie_; }

private:
    // The counts, the frame, its kinematics and the kind of list of a new analysis.
    void Begin(const TEnumeratie& enumeratie, const TConstructie& constructie);
    // Mechanism i of a list that is not built along the chain of parts, from its row.
    void BouwMechanisme(int i, const std::vector<std::int32_t>& rij, TMechanisme& mechanisme) const;
    // The governing mechanism, whose row and span hinges are given, as a combination of the
    // independent ones.
    void Combineer(const std::vector<std::int32_t>& rij, const std::vector<TVeldscharnier>& velden);
    void BouwBasisMechanismen();

    const Teksten* teksten_;
    // The frame enumerated last, its kinematics, which give a mechanism its least motion, and
    // whether its mechanisms are built along the chain of parts.
    TConstructie constructie_;
    std::optional<TRaamwerk> raamwerk_;
    // The collapse mechanism of the whole frame, which closes a list of independent mechanisms.
    std::optional<TBeweging> bezwijkmechanisme_;
    bool keten_ = true;
};

} // namespace kx
