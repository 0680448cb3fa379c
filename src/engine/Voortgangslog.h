#pragma once

#include "engine/Records.h"

#include <string>
#include <utility>

namespace kx {

// The progress log "Voortgang.txt": one line per step, written only while switched on.
class TVoortgangslog {
public:
    TVoortgangslog(bool aan, std::string pad) : aan_(aan), pad_(std::move(pad)) {}

    bool Aan() const { return aan_; }
    // Empties the file.
    void Begin() const;
    // Appends tekst as one line.
    void Regel(const std::string& tekst) const;
    // Appends tekst stamped with the time of day: tekst + " (" + time + ").".
    void Stap(const std::string& tekst) const;
    // The records of a mechanism before its computation.
    void Mechanisme(const TMechanisme& mechanisme, int i) const;

private:
    bool aan_;
    std::string pad_;
};

} // namespace kx
