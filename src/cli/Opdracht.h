#pragma once

#include <string>
#include <vector>

namespace kx {

// What one run of kx-analyse is asked to do.
struct TOpdracht {
    // The structure files in the order given; "Voorbeeld" stands for the built-in example.
    std::vector<std::string> Bronnen;
    std::string Opslaan;
    std::string Pdf;
    bool Json = false;
    bool Tabel = false;
    bool Momenten = false;
    bool Hulp = false;

    bool MeerdereBronnen() const { return Bronnen.size() > 1; }
};

// The usage text, for --help on standard output and after wrong arguments on standard error.
extern const char* const Gebruik;

// Reads the arguments (without the program name) into opdracht; returns what is wrong with
// them, empty when they make a command.
std::string LeesArgumenten(const std::vector<std::string>& argumenten, TOpdracht& opdracht);

// Why an output file may not be written: it is a file that is read, or the other output,
// however it is named. Empty when every output is a file of its own.
std::string ControleerUitvoerbestanden(const TOpdracht& opdracht);

} // namespace kx
