#pragma once

#include "drawing/WeergaveOpties.h"

#include <cstdint>
#include <string>

namespace kx {

// The six editing tools, in the order of their buttons, cursors and hints.
enum class TBewerking : std::int32_t {
    StaafToevoegen,
    StaafVerwijderen,
    KnoopAanpassen,
    KnoopVerwijderen,
    BelastingToevoegen,
    BelastingVerwijderen,
};

inline constexpr int AantalBewerkingen = 6;

// The application state the windows share, besides the document; owned by the main window.
struct TToestand {
    TBewerking Bewerking = TBewerking::StaafToevoegen;
    std::int32_t GekozenMechanisme = 0;
    TWeergaveOpties WeergaveOpties;
};

// The name as chosen, with ".kx" appended unless it already ends in exactly ".kx".
inline std::string MetExtensie(const std::string& naam) {
    const std::string extensie = ".kx";
    if (naam.size() >= extensie.size() &&
        naam.compare(naam.size() - extensie.size(), extensie.size(), extensie) == 0) {
        return naam;
    }
    return naam + extensie;
}

} // namespace kx
