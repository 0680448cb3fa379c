#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <string>

namespace kx {

// Font style set of TInstellingen.
enum TLetterStijl : std::uint8_t {
    fsGeen = 0,
    fsVet = 1,
    fsCursief = 2,
    fsOnderstreept = 4,
    fsDoorgestreept = 8,
};

// One font with its margins in pixels.
struct TInstellingen {
    std::string Naam;
    std::int32_t Grootte = 10; // points
    std::uint8_t Stijl = fsGeen;
    std::int32_t Links = 0;
    std::int32_t Boven = 0;
    std::int32_t Rechts = 0;
    std::int32_t Onder = 0;
};

// The ordinary font (whose margins are the layout's) and the font of marked-up symbols.
struct TOpmaak {
    TInstellingen Tekst;
    TInstellingen Symbool;
};

enum TOpmaakStijl : int {
    opTitel = 0,
    opKop = 1,
    opTekst = 2,
    opUitleg = 3,
    opBerekening = 4,
    opTekening = 5,
    opLabel = 6,
    opWaarde = 7,
    opLink = 8,
};

// Fills opmaak for one of the nine styles; any other number leaves it unchanged.
void VulOpmaak(int stijl, TOpmaak& opmaak);
TOpmaak Opmaak(TOpmaakStijl stijl);

// The Qt font of a setting: "Arial" is drawn with Liberation Sans and "Symbol" with DejaVu Sans,
// which holds the Unicode forms of the symbol characters.
QFont Lettertype(const TInstellingen& instellingen);

// The Unicode form of a character of the symbol font ("d" is a delta, "Ü" a double arrow left).
QString SymboolTeken(char32_t teken);

inline const QColor KleurZwart{0, 0, 0};
inline const QColor KleurRood{255, 0, 0};
inline const QColor KleurBlauw{0, 0, 255};
inline const QColor KleurGeel{255, 255, 0};
inline const QColor KleurWit{255, 255, 255};
inline const QColor KleurLichtgrijs{224, 224, 224};
inline const QColor KleurMiddengrijs{136, 136, 136};
inline const QColor KleurZilver{192, 192, 192};
inline const QColor KleurGridgroen{192, 220, 192};

} // namespace kx
