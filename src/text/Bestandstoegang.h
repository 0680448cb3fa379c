#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

class Teksten;

// Why a file could not be read or saved, in the user's terms; the system's own text is kept
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
    };

    TSoort Soort = TSoort::Geen;
    std::string Systeemtekst;
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
// bytes go to a new temporary file beside it, are flushed and synced, and only then renamed over
// the target, which keeps the permissions of the file it replaces. Any failure leaves the old
// file as it was and removes the temporary file; an existing file that is not writable, or
// that is not a regular file, is never replaced.
TBestandsfout SchrijfBestandVeilig(const std::string& pad, std::string_view inhoud);

// The sentences, from teksten, of a failed read or save of the file naam.
std::string LeesMelding(const Teksten& teksten, const std::string& naam, const TBestandsfout& fout);
std::string OpslagMelding(const Teksten& teksten, const std::string& naam,
                          const TBestandsfout& fout);

} // namespace kx
