#pragma once

#include "model/Constructie.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kx {

class Teksten;

struct TPunt {
    double x = 0.0;
    double y = 0.0;
};

// Indeterminacy counts of the structure check.
struct TOnbepaaldheid {
    std::int32_t AantalOnbekenden = 0;        // U
    std::int32_t AantalVergelijkingen = 0;    // E
    std::int32_t AantalScharnierplaatsen = 0; // H
    std::int32_t S() const { return AantalOnbekenden - AantalVergelijkingen; }
};

// The counts of a frame: unknowns, equations and hinge places.
TOnbepaaldheid TelOnbepaaldheid(const TConstructie& constructie);

// Direction of the vector from -> to, counter-clockwise as seen on a y-down screen, in [0, 2pi).
double Richtingshoek(TPunt van, TPunt naar);

// What the editor found under the mouse, and the state of a two-phase operation in progress.
// It belongs to the editor; the operations read and update it.
struct TSelectie {
    std::int32_t GevondenKnoop = -1;
    std::int32_t GevondenStaaf = -1;
    std::int32_t GevondenBelasting = -1;
    std::int32_t SleepKnoop = -1;
    std::int32_t BelastingSlot = 0;
    // Tail of the arrow pressed by phase 0 of VoegBelastingToe, in metres.
    TPunt BelastingStaart;
    // First end pressed by phase 0 of VoegStaafToe: the node found there, or -1. Where no node
    // was found but one can be made, NieuwStaafBegin holds the point at which the release
    // makes it.
    std::int32_t StaafBegin = -1;
    std::optional<TPunt> NieuwStaafBegin;
};

// The one frame being drawn, with its editing operations. Operations that would show a message
// return its text instead (empty when there is none); the caller shows it.
class TManipuleerConstructie {
public:
    explicit TManipuleerConstructie(const Teksten& teksten);

    TConstructie Constructie;
    std::int32_t Schaal = 1; // metres per grid cell


    const Teksten& Tekst() const { return *teksten_; }

    // Queries.
    void MaakLeeg();
    std::int32_t AantalVerbindingen(std::int32_t knoop) const;
    bool IsVrijUiteinde(std::int32_t knoop) const;
    // AantalVerbindingen of every node slot at once.
    std::vector<std::int32_t> Verbindingen() const;
    bool IsLos(std::int32_t knoop) const;
    // The slot a new entry takes: the lowest free one, or the table's length when every slot is
    // in use and the table grows.
    std::int32_t EersteVrijeKnoop() const;
    std::int32_t EersteVrijeStaaf() const;
    std::int32_t EersteVrijeBelasting() const;
    // MaxSlots entries in use.
    bool StavenVol() const;
    bool BelastingenVol() const;
    std::int32_t ZoekKnoop(double x, double y) const;
    bool KnoopBestaat(std::int32_t knoop) const;

    // Editing operations on the items of s; x and y are snapped positions in metres, fase is 0
    // (press) or 1 (release).
    std::string VoegStaafToe(TSelectie& s, int fase, double x, double y);
    void WisStaaf(const TSelectie& s);
    void VerplaatsKnoop(TSelectie& s, int fase, double x, double y);
    void WisKnoop(const TSelectie& s);
    std::string VoegBelastingToe(TSelectie& s, int fase, double x, double y);
    void WisBelasting(const TSelectie& s);
    void ZetOplegging(const TSelectie& s, std::int32_t code);
    void ZetVerbinding(const TSelectie& s, std::int32_t code);
    void ZetMp(const TSelectie& s, double waarde);
    void HerschaalKnopen(std::int32_t nieuweSchaal);
    // One pass: detached nodes, then bars and loads on missing nodes. Returns whether it changed
    // anything; nodes that lost their last bar in this pass go in the next one.
    bool Normaliseer();
    // Passes until nothing changes, as the editor's repeated redraws would.
    void NormaliseerVolledig();

    std::int32_t BuurKnoop(std::int32_t knoop) const;
    // Side on which a support lies, as a multiple of pi (0 left, 0.5 below, 1 right, 1.5 above).
    double Oplegrichting(std::int32_t knoop, std::int32_t soort) const;

    // Structure check. Normalises, then returns every complaint as one message; empty when the structure passes.
    std::string ControleerConstructie();
    // The complaints about what the kinematic method of this program cannot take: nodes
    // joining three or more bars, and sizes outside the bounds the analysis can handle.
    std::string BuitenDeMethode() const;

    // Fills the example portal frame into the empty structure.
    void VulVoorbeeld();

private:
    bool HeeftVrijeKnoop() const;
    bool VerbindtStaaf(std::int32_t a, std::int32_t b) const;
    // Makes a node at (x, y) in the slot EersteVrijeKnoop gives; HeeftVrijeKnoop must hold.
    std::int32_t MaakKnoop(double x, double y);
    void ZetKnoop(std::int32_t slot, double x, double y);
    std::int32_t StaafBegin(const TSelectie& s);
    std::int32_t DeelStaaf(const TSelectie& s, double x, double y);
    TPunt Positie(std::int32_t knoop) const;

    const Teksten* teksten_;
};

} // namespace kx
