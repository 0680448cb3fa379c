#pragma once

#include "engine/Records.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kx {

class TManipuleerConstructie;
class Teksten;

// The part on which the virtual deformation starts, and its end that stays in place.
struct TEersteStaaf {
    std::int32_t Staaf = 0;
    std::int32_t Eind = 0;
};

// What the analysis driver tells the shell while it runs: the progress label and bar position
// (0..100), the mechanism chooser's entries with the governing one selected, and the end.
class TVoortgangsMelder {
public:
    virtual ~TVoortgangsMelder() = default;
    virtual void ZetVoortgang(const std::string& label, int positie) = 0;
    virtual void VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen) = 0;
    virtual void Sluit() = 0;
};

// One mechanism as BerekenElkMechanisme hands it over: its index, its row of hinge places as
// Combinaties would hold it, its analysed record, and whether it is the governing mechanism of
// those analysed so far.
struct TBerekendMechanisme {
    std::int32_t Nummer;
    const std::vector<std::int32_t>& Combinatie;
    TMechanisme& Mechanisme;
    bool Maatgevend;
};

// The state and steps of one collapse analysis. Each analysis rebuilds every result; between
// analyses the results stay for the views to read.
class TAnalyse {
public:
    explicit TAnalyse(const Teksten& teksten);

    // Results.
    TVMechanismen VMechanismen;
    TMechanismeArray Mechanismen;
    std::int32_t AantalMechanismen = 0;
    std::int32_t MaatgevendMechanisme = 0;

    // Enumeration state.
    std::int32_t Onbepaaldheid = 0;  // n
    std::int32_t AantalPlaatsen = 0; // m
    std::int32_t AantalCombinaties = 0;
    std::vector<std::vector<std::int32_t>> Combinaties;
    std::vector<std::int32_t> Plaatsen; // node index of every hinge place, increasing

    // Progress log "Voortgang.txt"; off unless switched on.
    bool LogAan = false;
    std::string LogPad = "Voortgang.txt";

    // Whether the driver writes the printed terms of every equation; a caller that prints only
    // some of them switches it off and calls SchrijfTermen for those.
    bool TermenSchrijven = true;

    // Decimal separator of numbers in the equation texts (the user's locale).
    char Decimaalteken = '.';

    // Enumeration of the mechanisms of a checked structure.
    void BepaalMechanismen(TManipuleerConstructie& constructie);

    // Conversion, kinematics, equation, collapse load and governing mechanism of every
    // mechanism. Returns the governing mechanism's index, which the shell makes the chosen one.
    std::int32_t BerekeningDeel2(TVoortgangsMelder* melder = nullptr);

    // The whole analysis for a caller that reads each mechanism once: every combination is
    // built, converted and analysed in turn and handed to verwerk, with the results that
    // BepaalMechanismen and BerekeningDeel2 give it, displacements magnified. Only one
    // mechanism is held at a time, so memory does not grow with their number: VMechanismen,
    // Combinaties and Mechanismen stay empty. No progress is reported. Sets AantalMechanismen
    // and returns the governing index, also stored in MaatgevendMechanisme.
    std::int32_t
    BerekenElkMechanisme(TManipuleerConstructie& constructie,
                         const std::function<void(const TBerekendMechanisme&)>& verwerk);

    // Individual steps, public so that tests can run them one by one.
    void BepaalCombinaties(TManipuleerConstructie& constructie);
    void ConverteerVervangendeConstructies();
    void BepaalRotatieCentra(int i);
    void BepaalVervorming(int i, double gamma0);
    void BepaalPlastischeMomenten(int i);
    void StelArbeidsVergelijkingOp(int i);
    void BepaalBezwijklast(int i);
    std::int32_t BepaalMaatgevendMechanisme() const;
    void VergrootVervorming();
    std::int32_t BepaalAansluitendeStaaf(int i, int b, int e) const;
    TEersteStaaf BepaalEersteStaaf(int i) const;

    // The steps of mechanism i on an analysis record the caller holds; i only numbers the log
    // lines. The equation splits into the value of every term and its printed text with the
    // caption under it; the texts depend only on the results of the mechanism, so they can be
    // written at any time after the analysis.
    void BepaalRotatieCentra(TMechanisme& mechanisme) const;
    void BepaalVervorming(TMechanisme& mechanisme, double gamma0) const;
    void BepaalPlastischeMomenten(TMechanisme& mechanisme) const;
    void StelArbeidsVergelijkingOp(TMechanisme& mechanisme) const;
    void BepaalFactoren(TMechanisme& mechanisme) const;
    void SchrijfTermen(TMechanisme& mechanisme) const;
    void BepaalBezwijklast(TMechanisme& mechanisme, int i) const;
    static void VergrootVervorming(TMechanisme& mechanisme);
    // One replacement structure into a record, reusing the record's arrays.
    static void ConverteerVervangendeConstructie(const TVConstructie& v, TMechanisme& mechanisme);
    std::int32_t BepaalAansluitendeStaaf(const TMechanisme& mechanisme, int b, int e) const;
    TEersteStaaf BepaalEersteStaaf(const TMechanisme& mechanisme) const;
    // Part b follows part p through p's end e; e becomes b's far end.
    void BepaalVervormingStaaf(TMechanisme& mechanisme, int b, int p, int& e) const;

    // Steps of the enumeration for combination c; they read the drawn structure.
    void VulVervangendeConstructie(int c, const TManipuleerConstructie& constructie);
    void KoppelBelastingen(int c, const TManipuleerConstructie& constructie);
    void PlaatsScharnieren(int c, const TManipuleerConstructie& constructie);
    void VervangRolOplegging(int c, int v, const TManipuleerConstructie& constructie);
    double GemiddeldeStaaflengte(int c) const;
    void VoegStarreStavenSamen(int c, const TManipuleerConstructie& constructie);
    // Returns whether it removed a part.
    bool SchrapIngeklemdeStaven(int c);
    void ControleerBelastingen(int c, const TManipuleerConstructie& constructie);

    // Filling, coupling the loads and placing the hinges give the same replacement structure
    // for every combination except for the hinges at the places: the enumeration builds that
    // template once and starts every combination from a copy of it.
    TVConstructie MaakSjabloon(const TManipuleerConstructie& constructie) const;
    // Replacement structure of the combination rij, built in v: the template with the hinges
    // of rij at the places, rigid parts merged, clamped parts removed and idle loads dropped.
    void BouwVervangendeConstructie(TVConstructie& v, const std::vector<std::int32_t>& rij,
                                    const TVConstructie& sjabloon,
                                    const TManipuleerConstructie& constructie) const;

    // Progress log: opnieuw empties the file, otherwise tekst is appended as one line.
    void SchrijfVoortgang(const std::string& tekst, bool opnieuw) const;
    void SchrijfMechanisme(const TMechanisme& mechanisme, int i) const;
    // Appends tekst stamped with the time of day: tekst + " (" + time + ").".
    void SchrijfStap(const std::string& tekst) const;
    // A log line whose text is built only while the log is on.
    template <typename MaakTekst> void LogStap(MaakTekst&& maakTekst) const {
        if (LogAan) {
            SchrijfStap(maakTekst());
        }
    }

private:
    // n, m, the number of combinations and the places, without the rows.
    void TelCombinaties(TManipuleerConstructie& constructie);
    // Calls f with every row of Combinaties in turn, in enumeration order.
    void VoorElkeCombinatie(const std::function<void(const std::vector<std::int32_t>&)>& f) const;

    // A failure line, set apart by empty lines.
    void LogFout(const std::string& tekst) const;
    void LogStaaf(const TMechanisme& mechanisme, int b) const;
    std::string Getal(double v) const;
    static bool IsGeldigeStaaf(const TMechanisme& mechanisme, int b);

    const Teksten* teksten_;
};

} // namespace kx
