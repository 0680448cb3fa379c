#pragma once

#include "drawing/WeergaveOpties.h"
#include "model/Knoopbetekenis.h"
#include "text/TekstNamen.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// The editing tools, in the order of their buttons, cursors and hints.
enum class TBewerking : std::int32_t {
    StaafToevoegen,
    StaafVerwijderen,
    KnoopAanpassen,
    KnoopVerwijderen,
    BelastingToevoegen,
    BelastingVerwijderen,
    VerdeeldeBelastingToevoegen,
};

inline constexpr int AantalBewerkingen = 7;

// The texts of a tool: its button's caption and hint, and its line in the hint box. The first six
// tools have theirs in runs of the table; the later ones at the end of it.
inline int GereedschapTekst(TBewerking bewerking) {
    const int i = static_cast<int>(bewerking);
    return i < 6 ? TekstZijpaneelConstructie + 1 + 2 * i : TekstGereedschapVerdeeld;
}
inline int GereedschapHint(TBewerking bewerking) {
    const int i = static_cast<int>(bewerking);
    return i < 6 ? TekstZijpaneelConstructie + 2 + 2 * i : TekstGereedschapVerdeeldHint;
}
inline int AanwijzingTekst(TBewerking bewerking) {
    const int i = static_cast<int>(bewerking);
    return i < 6 ? TekstEersteAanwijzing + i : TekstAanwijzingVerdeeld;
}

// The application state the windows share, besides the document; owned by the main window.
struct TToestand {
    TBewerking Bewerking = TBewerking::StaafToevoegen;
    std::int32_t GekozenMechanisme = 0;
    TWeergaveOpties WeergaveOpties;
    // The virtual work window shows the student's own mechanism: the hinge places chosen by hand,
    // by node and bar so that they outlast a new analysis. They belong to no document: choosing
    // is no edit, and nothing of it is saved.
    bool EigenMechanisme = false;
    std::vector<TScharnierplaats> EigenScharnieren;
};

// The name as chosen, with ".kx" appended unless it already ends in ".kx" in any case: the
// open dialog shows "PORTAAL.KX" among the structures, so that name stands as it is.
inline std::string MetExtensie(const std::string& naam) {
    const std::string_view extensie = ".kx";
    if (naam.size() >= extensie.size() &&
        std::equal(extensie.begin(), extensie.end(), naam.end() - 3, [](char klein, char c) {
            return klein == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        })) {
        return naam;
    }
    return naam + std::string(extensie);
}

} // namespace kx
