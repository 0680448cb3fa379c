#include "model/Invoer.h"
#include "model/Bevraging.h"
#include "model/Controle.h"

#include "text/TekstNamen.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kx {

namespace {
constexpr double GrootsteMp = 999.0;

bool IsSpatie(char teken) {
    return teken == ' ' || teken == '\t';
}

// Parts of a grid cell per snap step: 1, 2 or 4.
int Onderdelen(int fijnheid) {
    return fijnheid <= 1 ? 1 : fijnheid == 2 ? 2 : 4;
}

// v on the nearest multiple of 1/onderdelen, computed as the mouse snap computes it so that a
// typed position and a clicked one are the same number.
double Rond(double v, int onderdelen) {
    const double n = std::round(v * onderdelen);
    return n / onderdelen + 0.0;
}

TInvoer Geweigerd(int tekst, double grens = 0.0) {
    return {std::nullopt, tekst, grens};
}
} // namespace

std::optional<double> LeesGetal(std::string_view tekst) {
    while (!tekst.empty() && IsSpatie(tekst.front())) {
        tekst.remove_prefix(1);
    }
    while (!tekst.empty() && IsSpatie(tekst.back())) {
        tekst.remove_suffix(1);
    }
    if (!tekst.empty() && tekst.front() == '+') {
        tekst.remove_prefix(1);
    }
    std::string getal(tekst);
    if (const auto komma = getal.find(','); komma != std::string::npos) {
        getal[komma] = '.';
    }
    double waarde = 0.0;
    const char* einde = getal.data() + getal.size();
    const auto [rest, fout] =
        std::from_chars(getal.data(), einde, waarde, std::chars_format::fixed);
    if (getal.empty() || fout != std::errc{} || rest != einde || !std::isfinite(waarde)) {
        return std::nullopt;
    }
    return waarde;
}

TInvoer InvoerKnoopCoordinaat(const TConstructie& c, std::int32_t knoop, int as,
                              std::string_view tekst, int fijnheid) {
    const auto getal = LeesGetal(tekst);
    if (!getal) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    const double grens = static_cast<double>(GrootsteInvoerHokjes) * c.Schaal;
    if (*getal < 0.0 || *getal > grens) {
        return Geweigerd(TekstInvoerCoordinaat, grens);
    }
    const double waarde = Rond(*getal / c.Schaal, Onderdelen(fijnheid)) * c.Schaal;
    if (!KnoopBestaat(c, knoop)) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    const auto& k = c.Knopen[knoop];
    const double x = as == 0 ? waarde : k.X;
    const double y = as == 0 ? k.Y : waarde;
    if (const std::int32_t daar = ZoekKnoop(c, x, y); daar != -1 && daar != knoop) {
        return Geweigerd(TekstInvoerKnoopBezet);
    }
    return {waarde, -1, 0.0};
}

TInvoer InvoerMp(std::string_view tekst) {
    const auto getal = LeesGetal(tekst);
    if (!getal) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    if (*getal < 1.0 || *getal > GrootsteMp || std::trunc(*getal) != *getal) {
        return Geweigerd(TekstInvoerMp);
    }
    return {*getal, -1, 0.0};
}

TInvoer InvoerGeheel(std::string_view tekst, int kleinste, int grootste) {
    const auto getal = LeesGetal(tekst);
    if (!getal) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    if (*getal < kleinste || *getal > grootste || std::trunc(*getal) != *getal) {
        return Geweigerd(TekstInvoerGeheel, grootste);
    }
    return {*getal, -1, 0.0};
}

TInvoer InvoerBelastingComponent(const TConstructieBelasting& belasting, int as,
                                 std::string_view tekst, int fijnheid) {
    const auto getal = LeesGetal(tekst);
    if (!getal) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    const double grens = GrootsteInvoerHokjes;
    if (std::fabs(*getal) > grens) {
        return Geweigerd(TekstInvoerBelasting, grens);
    }
    const double waarde = Rond(*getal, Onderdelen(fijnheid));
    const double ander = as == 0 ? belasting.Fy : belasting.Fx;
    if (waarde == 0.0 && ander == 0.0) {
        return Geweigerd(TekstInvoerBelastingNul);
    }
    return {waarde, -1, 0.0};
}

TInvoer InvoerVerdeeldeComponent(const TConstructieVerdeeldeBelasting& last, int as,
                                 std::string_view tekst) {
    const auto getal = LeesGetal(tekst);
    if (!getal) {
        return Geweigerd(TekstInvoerGeenGetal);
    }
    const double qx = as == 0 ? *getal + 0.0 : last.Qx;
    const double qy = as == 0 ? last.Qy : *getal + 0.0;
    if (qx == 0.0 && qy == 0.0) {
        return Geweigerd(TekstInvoerBelastingNul);
    }
    if (!GeldigeVerdeeldeBelasting(qx, qy)) {
        return Geweigerd(TekstInvoerVerdeeld);
    }
    return {*getal + 0.0, -1, 0.0};
}

} // namespace kx
