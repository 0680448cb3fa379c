#pragma once

namespace kx {

// Texts added after the original table of 217, by name and in table order. A translation file
// that ends after the original texts keeps the built-in texts from here on.
enum TekstNaam : int {
    LaatsteOrigineleTekst = 216,
    // New texts are appended here and at the end of the built-in table, in the same order.
    TekstTaalkeuzeHint,
    TekstAfdrukken,
    TekstExporteren,
    TekstExportFilter,
    TekstExportMislukt,
    TekstMechanismeTabel,
    TekstKolomMechanisme,
    TekstKolomScharnieren,
    TekstKolomBezwijklast,
    TekstKolomMomentverhouding,
    EindeTekstTabel
};

} // namespace kx
