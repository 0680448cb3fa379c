#include "drawing/Opmaak.h"

#include "text/SymboolTekens.h"

#include <QStringList>

#include <array>

namespace kx {

namespace {
struct TStijlRegel {
    std::int32_t Grootte;
    std::uint8_t Stijl;
    std::int32_t Links, Boven, Rechts, Onder;
};

constexpr std::array<TStijlRegel, 9> Stijlen{{
    {14, fsVet | fsOnderstreept, 15, 15, 15, 10}, // opTitel
    {12, fsVet, 15, 5, 5, 5},                     // opKop
    {12, fsGeen, 15, 5, 5, 3},                    // opTekst
    {10, fsGeen, 30, 5, 5, 3},                    // opUitleg
    {10, fsCursief, 40, 5, 10, 3},                // opBerekening
    {10, fsGeen, 5, 5, 5, 5},                     // opTekening
    {10, fsGeen, 1, 1, 1, 1},                     // opLabel
    {10, fsGeen, 1, 1, 1, 1},                     // opWaarde
    {10, fsOnderstreept, 30, 5, 5, 3},            // opLink
}};

QStringList Families(const std::string& naam) {
    if (naam == "Arial") {
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    }
    if (naam == "Symbol") {
        return {QStringLiteral("DejaVu Sans")};
    }
    return {QString::fromStdString(naam)};
}
} // namespace

void VulOpmaak(int stijl, TOpmaak& opmaak) {
    if (stijl < opTitel || stijl > opLink) {
        return;
    }
    const TStijlRegel& r = Stijlen[static_cast<std::size_t>(stijl)];
    opmaak.Tekst = {"Arial", r.Grootte, r.Stijl, r.Links, r.Boven, r.Rechts, r.Onder};
    opmaak.Symbool.Naam = "Symbol";
    opmaak.Symbool.Grootte = r.Grootte;
    opmaak.Symbool.Stijl = stijl == opLink ? fsOnderstreept : fsGeen;
}

TOpmaak Opmaak(TOpmaakStijl stijl) {
    TOpmaak opmaak;
    VulOpmaak(stijl, opmaak);
    return opmaak;
}

QFont Lettertype(const TInstellingen& inst) {
    QFont font;
    font.setFamilies(Families(inst.Naam));
    font.setPointSizeF(inst.Grootte);
    font.setBold((inst.Stijl & fsVet) != 0);
    font.setItalic((inst.Stijl & fsCursief) != 0);
    font.setUnderline((inst.Stijl & fsOnderstreept) != 0);
    font.setStrikeOut((inst.Stijl & fsDoorgestreept) != 0);
    return font;
}

QString SymboolTeken(char32_t teken) {
    return QString::fromStdString(SymboolNaarUnicode(teken));
}

} // namespace kx
