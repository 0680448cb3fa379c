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
    // built, converted and analysed in turn, handed to verwerk by its index, and released
    // afterwards, so that memory does not grow with the mechanisms. The results are those of
    // BepaalMechanismen and BerekeningDeel2, but VMechanismen stays empty and only the
    // governing mechanism stays in Mechanismen, with its displacements magnified. Without a
    // progress listener or log lines of its own. Returns the governing index.
    std::int32_t BerekenElkMechanisme(TManipuleerConstructie& constructie,
                                      const std::function<void(int)>& verwerk);

    // Individual steps, public so that tests can run them one by one.
    void BepaalCombinaties(TManipuleerConstructie& constructie);
    void ConverteerVervangendeConstructies();
    // Mechanismen[i] from the replacement structure v alone; the arrays it has are reused.
    void ConverteerVervangendeConstructie(const TVConstructie& v, int i);
    void BepaalRotatieCentra(int i);
    void BepaalVervorming(int i, double gamma0);
    void BepaalPlastischeMomenten(int i);
    void StelArbeidsVergelijkingOp(int i);
    // The two halves of StelArbeidsVergelijkingOp: the value of every term, and its printed
    // text with the caption under it. The texts depend only on the results of the mechanism,
    // so they can be written at any time after the analysis.
    void BepaalFactoren(int i);
    void SchrijfTermen(int i);
    void BepaalBezwijklast(int i);
    std::int32_t BepaalMaatgevendMechanisme() const;
    void VergrootVervorming();
    std::int32_t BepaalAansluitendeStaaf(int i, int b, int e);

    // Steps of the enumeration for combination c; they read the drawn structure.
    void VulVervangendeConstructie(int c, const TManipuleerConstructie& constructie);
    // Filling, coupling the loads and placing the hinges give the same replacement structure
    // for every combination except for the hinges at the places: the enumeration builds that
    // template once, in slot 0, and starts every combination from a copy of it.
    TVConstructie MaakSjabloon(const TManipuleerConstructie& constructie);
    // Replacement structure of combination c, built in v: the template with the hinges of row c
    // at the places, rigid parts merged, clamped parts removed and idle loads dropped.
    void BouwVervangendeConstructie(TVConstructie& v, int c, const TVConstructie& sjabloon,
                                    const TManipuleerConstructie& constructie) const;
    void KoppelBelastingen(int c, const TManipuleerConstructie& constructie);
    void PlaatsScharnieren(int c, const TManipuleerConstructie& constructie);
    void VervangRolOplegging(int c, int v, const TManipuleerConstructie& constructie);
    double GemiddeldeStaaflengte(int c) const;
    void VoegStarreStavenSamen(int c, const TManipuleerConstructie& constructie);
    // Returns whether it removed a part.
    bool SchrapIngeklemdeStaven(int c);
    void ControleerBelastingen(int c, const TManipuleerConstructie& constructie);

    // Steps of the kinematics of mechanism i.
    TEersteStaaf BepaalEersteStaaf(int i);
    // Part b follows part p through p's end e; e becomes b's far end.
    void BepaalVervormingStaaf(int i, int b, int p, int& e);

    // Progress log: opnieuw empties the file, otherwise tekst is appended as one line.
    void SchrijfVoortgang(const std::string& tekst, bool opnieuw) const;
    void SchrijfMechanisme(int i) const;
    // Appends tekst stamped with the time of day: tekst + " (" + time + ").".
    void SchrijfStap(const std::string& tekst) const;
    // A log line whose text is built only while the log is on.
    template <typename MaakTekst> void LogStap(MaakTekst&& maakTekst) const {
        if (LogAan) {
            SchrijfStap(maakTekst());
        }
    }

private:
    // BepaalCombinaties without giving VMechanismen its length.
    void VulCombinaties(TManipuleerConstructie& constructie);

    // A failure line, set apart by empty lines.
    void LogFout(const std::string& tekst) const;
    void LogStaaf(int i, int b) const;
    std::string Getal(double v) const;
    bool IsGeldigeStaaf(int i, int b) const;

    const Teksten* teksten_;
};

} // namespace kx
