#pragma once

namespace kx {

// Texts added after the original table of 217, by name and in table order. A translation file
// that ends after the original texts keeps the built-in texts from here on.
enum TekstNaam : int {
    LaatsteOrigineleTekst = 216,
    // New texts are appended here and at the end of the built-in table, in the same order.
    TekstTaalkeuzeHint,
    TekstOpslaanMislukt,
    TekstLezenMislukt,
    TekstFoutGeenToestemming,
    TekstFoutMapBestaatNiet,
    TekstFoutBestaatNiet,
    TekstFoutSchijfVol,
    TekstFoutSchijfAlleenLezen,
    TekstFoutBestandAlleenLezen,
    TekstFoutIsMap,
    TekstFoutGeenGewoonBestand,
    TekstFoutTeGroot,
    TekstFoutOverig,
    TekstFoutOngeldigGetal,
    TekstVertalingGenegeerd,
    TekstStaafBeginGeweigerd,
    TekstStaafEindGeweigerd,
    TekstStavenVolAanwijzing,
    TekstDrieStaven,
    TekstCoordinatenTeGroot,
    TekstMpBuitenGrenzen,
    TekstBelastingBuitenGrenzen,
    TekstBeweeglijk,
    TekstGelijkAan,
    TekstOngedaanMaken,
    TekstOpnieuw,
    TekstOngedaanMakenStap,
    TekstOpnieuwStap,
    TekstStapStaafToevoegen,
    TekstStapStaafVerwijderen,
    TekstStapKnoopVerplaatsen,
    TekstStapKnoopVerwijderen,
    TekstStapBelastingToevoegen,
    TekstStapBelastingVerwijderen,
    TekstStapOplegging,
    TekstStapVerbinding,
    TekstStapMp,
    TekstStapSchaal,
    TekstStapKnoopPositie,
    TekstStapBelastingGrootte,
    TekstStapNieuw,
    TekstStapVoorbeeld,
    TekstInvoerGeenGetal,
    TekstInvoerCoordinaat,
    TekstInvoerKnoopBezet,
    TekstInvoerMp,
    TekstInvoerBelasting,
    TekstInvoerBelastingNul,
    TekstBestandVervangen,
    EindeTekstTabel
};

} // namespace kx
