#include "drawing/KrachtsverdelingView.h"

#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "text/Teksten.h"

namespace kx {

namespace {
constexpr int TNietUitgewerkt = 176;
constexpr int TTitel = 177;
constexpr int TKopMomentenlijn = 178;
constexpr int TKopOplegreacties = 179;

double TekenSectie(QPainter& painter, const TRechthoek& gebied, double y, const std::string& kop,
                   const Teksten& teksten) {
    y = TekenBlok(painter, gebied, y, kop, opKop, KleurZwart);
    return TekenBlok(painter, gebied, y, teksten[TNietUitgewerkt], opUitleg, KleurRood);
}
} // namespace

void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, const TWeergaveOpties& opties,
                           const Teksten& teksten) {
    double y = TekenBlok(painter, gebied, gebied.Top, teksten[TTitel], opTitel, KleurZwart);
    if (opties[woMomentenlijn]) {
        y = TekenSectie(painter, gebied, y, teksten[TKopMomentenlijn], teksten);
    }
    if (opties[woOplegreacties]) {
        y = TekenSectie(painter, gebied, y, teksten[TKopOplegreacties], teksten);
    }
    gebied.Bottom = y + 50.0;
}

} // namespace kx
