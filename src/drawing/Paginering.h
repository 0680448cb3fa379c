#pragma once

#include <utility>
#include <vector>

namespace kx {

// A page of the mechanism list: the first and last index it shows, its number (from 1) and the
// number of pages. Page k holds (k - 1) p ... k p - 1 of p per page; the last page is filled up
// from before, so that it holds p mechanisms too when there are that many.
struct TPagina {
    int Eerste = 0;
    int Laatste = -1;
    int Nummer = 0;
    int Aantal = 0;
};

// Mechanisms per row for a view of the given width in pixels (1 to 4).
int Kolommen(int breedte);

// The page that shows mechanism `gevraagd` (clamped to the list): the last page for every
// mechanism on it, otherwise the page of its multiple of p. No pages without mechanisms.
TPagina PaginaMet(int gevraagd, int perPagina, int aantal);

// Page `nummer` (clamped to 1 ... the number of pages).
TPagina Pagina(int nummer, int perPagina, int aantal);

// The page numbers a pager offers to jump to: the first, the last and two on either side of the
// page shown, ascending; 0 stands for a gap ("…") between numbers that do not follow each other.
std::vector<int> PaginaSprongen(const TPagina& pagina);

// Where the links of a pager lead: each to a mechanism on the page it names, -1 where the link
// is inactive (on the first page back, on the last page forward). Nummers holds the page numbers
// of PaginaSprongen with their targets: -1 for the page shown and for a gap (number 0).
struct TPagerDoelen {
    int Eerste = -1;
    int Vorige = -1;
    int Volgende = -1;
    int Laatste = -1;
    std::vector<std::pair<int, int>> Nummers;
};
TPagerDoelen PagerDoelen(const TPagina& pagina, int aantal);

} // namespace kx
