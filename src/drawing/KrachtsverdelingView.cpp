#include "drawing/KrachtsverdelingView.h"

#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

namespace kx {

namespace {
double TekenSectie(QPainter& painter, const TRechthoek& gebied, double y, const std::string& kop,
                   const Teksten& teksten) {
    y = TekenBlok(painter, gebied, y, kop, opKop, KleurZwart);
    return TekenBlok(painter, gebied, y, teksten[TekstNietUitgewerkt], opUitleg, KleurRood);
}
} // namespace

void TekenKrachtsverdeling(QPainter& painter, TRechthoek& gebied, const TWeergaveOpties& opties,
                           const Teksten& teksten) {
    double y = TekenBlok(painter, gebied, gebied.Top, teksten[TekstKrachtsverdelingTitel], opTitel,
                         KleurZwart);
    if (opties[woMomentenlijn]) {
        y = TekenSectie(painter, gebied, y, teksten[TekstKopMomentenlijn], teksten);
    }
    if (opties[woOplegreacties]) {
        y = TekenSectie(painter, gebied, y, teksten[TekstKopOplegreacties], teksten);
    }
    gebied.Bottom = y + 50.0;
}

} // namespace kx
