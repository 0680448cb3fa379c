#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

class Teksten;

// Why a file could not be read or saved, in the user's terms; the system's error number is kept
// only for failures without a sentence of their own.
struct TBestandsfout {
    enum class TSoort {
        Geen,
        GeenToestemming,
        MapBestaatNiet,
        BestaatNiet,
        SchijfVol,
        SchijfAlleenLezen,
        BestandAlleenLezen,
        IsMap,
        GeenGewoonBestand,
        TeGroot,
        OngeldigGetal, // the structure holds a number that cannot be written
        Overig,
        NaamTeLang,
        TeVeelKoppelingen,
        Schijffout,
        BestandTeGrootVoorSysteem,
        TeVeelOpen,
        InGebruik,
        GeheugenVol,
        MapAlleenLezen,         // a new file cannot be made in the folder
        TijdelijkNietToegestaan // the file may be written, but no temporary file beside it
    };

    TSoort Soort = TSoort::Geen;
    int Foutnummer = 0;    // the system's error number of Overig
    std::size_t Grens = 0; // the size limit that TeGroot exceeded

    explicit operator bool() const { return Soort != TSoort::Geen; }
};

// The failure that the system error code fout (errno) stands for; ENOENT means a missing file
// when reading and a missing folder when saving.
TBestandsfout Systeemfout(int fout, bool bijLezen);

// Reads a regular file of at most grens bytes whole. Anything else (a folder, a FIFO, a device)
// is refused at once, without waiting for a writer. On failure inhoud is left empty.
TBestandsfout LeesGewoonBestand(const std::string& pad, std::size_t grens, std::string& inhoud);

// Replaces the file at pad (or the file a link there points to) by inhoud, or creates it. The
// bytes go to a new temporary file beside it, named "." + the file name + "." + 16 hexadecimal
// digits + "~" and within NAME_MAX bytes (the file name shortened if need be), are flushed and
// synced, and only then renamed over the target, which keeps the permissions of the file it
// replaces. Any failure leaves the old file as it was and removes the temporary file; an existing
// file that is not writable, or that is not a regular file, is never replaced; a folder in which no
// temporary file may be made refuses the save. Temporary files of this target left by a save
// that was killed are removed first; those of a save still running elsewhere stay.
TBestandsfout SchrijfBestandVeilig(const std::string& pad, std::string_view inhoud);

// naam made absolute against the working folder, byte for byte: a name that is not valid UTF-8
// stays the name of the same file.
std::string AbsoluutPad(const std::string& naam);

// The sentences, from teksten, of a failed read or save of the file naam.
std::string LeesMelding(const Teksten& teksten, const std::string& naam, const TBestandsfout& fout);
std::string OpslagMelding(const Teksten& teksten, const std::string& naam,
                          const TBestandsfout& fout);

} // namespace kx
