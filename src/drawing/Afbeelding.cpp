#include "drawing/Afbeelding.h"

#include "engine/GetekendMechanisme.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {
constexpr double PixelGrens = 1e7;
// A rotation centre farther beyond the box than this many times the box's larger side does not
// widen it: the frame would shrink to a speck.
constexpr double MaxUitbreiding = 2.0;

void Neem(TGrenzen& g, double x, double y) {
    g.xmin = std::min(g.xmin, x);
    g.xmax = std::max(g.xmax, x);
    g.ymin = std::min(g.ymin, y);
    g.ymax = std::max(g.ymax, y);
}

// A centre within reach widens the box to it, on both axes; reach is measured from the frame.
void NeemRotatiecentrum(TGrenzen& g, const TGrenzen& raam, const TRotatiecentrum& rc) {
    const double bereik = MaxUitbreiding * std::max(raam.Breedte(), raam.Hoogte());
    const double dx = std::max({0.0, raam.xmin - rc.x, rc.x - raam.xmax});
    const double dy = std::max({0.0, raam.ymin - rc.y, rc.y - raam.ymax});
    if (!(std::hypot(dx, dy) <= bereik)) {
        return;
    }
    Neem(g, rc.x, rc.y);
}

// Start of the box: the first part's start, else the first node in use, else the origin.
TGrenzen Beginpunt(const TMechanisme& mechanisme, const TConstructie& constructie) {
    if (!mechanisme.avStaven.empty()) {
        const TKnoop& k = mechanisme.avStaven.front().Knopen[0];
        return {k.x, k.y, k.x, k.y};
    }
    for (const TConstructieKnoop& k : constructie.Knopen) {
        if (k.Bestaat) {
            return {k.X, -k.Y, k.X, -k.Y};
        }
    }
    return {};
}

double MinimaleMaat(double andere) {
    return std::max(1.0, andere / 2.0);
}
} // namespace

int Pixel(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(std::clamp(v, -PixelGrens, PixelGrens));
}

int SnapStap(int gridSize, int fijnheid) {
    const int sub = static_cast<int>(std::pow(2.0, fijnheid - 1));
    return std::max(1, gridSize / std::max(1, sub));
}

namespace {
int Onderverdeling(int fijnheid) {
    return std::max(1, static_cast<int>(std::pow(2.0, fijnheid - 1)));
}
} // namespace

double Rasterstap(int fijnheid, double schaal) {
    return schaal / Onderverdeling(fijnheid);
}

double PixelNaarX(int pixel, int gridSize, int fijnheid, double schaal) {
    const int sub = Onderverdeling(fijnheid);
    const int stap = SnapStap(gridSize, fijnheid);
    const int n = (pixel + stap / 2) / stap;
    return static_cast<double>(n) / sub * schaal;
}

double PixelNaarY(int pixel, int gridSize, int fijnheid, double schaal) {
    return PixelNaarX(pixel, gridSize, fijnheid, schaal);
}

int StructuurNaarPixel(double coordinaat, int gridSize, double schaal) {
    return Pixel(coordinaat * gridSize / schaal);
}

TPunt StructuurNaarScherm(TPunt punt, const TEditorInstellingen& inst) {
    return {static_cast<double>(StructuurNaarPixel(punt.x, inst.GridSize, inst.Schaal)),
            static_cast<double>(StructuurNaarPixel(punt.y, inst.GridSize, inst.Schaal))};
}

TPunt DraaiPunt(TPunt punt, TPunt centrum, double hoek) {
    const double dx = punt.x - centrum.x;
    const double dy = punt.y - centrum.y;
    const double lengte = std::hypot(dx, dy);
    const double richting = std::atan2(dy, dx) + hoek;
    return {centrum.x + lengte * std::cos(richting), centrum.y + lengte * std::sin(richting)};
}

TGrenzen BepaalGrenzen(const TMechanisme& mechanisme, const TConstructie& constructie,
                       bool metRotatiecentra) {
    TGrenzen g = Beginpunt(mechanisme, constructie);
    for (const TStaaf& staaf : mechanisme.avStaven) {
        for (const TKnoop& k : staaf.Knopen) {
            Neem(g, k.x, k.y);
            Neem(g, k.x + k.dx, k.y + k.dy);
        }
    }
    const std::vector<TPunt> verplaatsing = Knoopverplaatsingen(mechanisme, constructie);
    for (std::size_t i = 0; i < constructie.Knopen.size(); ++i) {
        const TConstructieKnoop& k = constructie.Knopen[i];
        if (k.Bestaat) {
            Neem(g, k.X, -k.Y);
            Neem(g, k.X + verplaatsing[i].x, -k.Y + verplaatsing[i].y);
        }
    }
    if (metRotatiecentra) {
        const TGrenzen raam = Schaalbaar(g);
        for (const TStaaf& staaf : mechanisme.avStaven) {
            NeemRotatiecentrum(g, raam, staaf.RC);
        }
    }
    return g;
}

TGrenzen Schaalbaar(const TGrenzen& grenzen) {
    TGrenzen g = grenzen;
    if (!(Afkappen(g.Breedte()) > 0.0)) {
        const double midden = (g.xmin + g.xmax) / 2.0;
        const double breedte = MinimaleMaat(std::isfinite(g.Hoogte()) ? g.Hoogte() : 0.0);
        g.xmin = midden - breedte / 2.0;
        g.xmax = midden + breedte / 2.0;
    }
    if (!(Afkappen(g.Hoogte()) > 0.0)) {
        const double midden = (g.ymin + g.ymax) / 2.0;
        const double hoogte = MinimaleMaat(g.Breedte());
        g.ymin = midden - hoogte / 2.0;
        g.ymax = midden + hoogte / 2.0;
    }
    return g;
}

void PasHoogteAan(const TGrenzen& grenzen, TRechthoek& cel) {
    const TGrenzen g = Schaalbaar(grenzen);
    cel.Bottom = cel.Top + (cel.Right - cel.Left) * g.Hoogte() / g.Breedte();
}

TPunt NaarScherm(TPunt wereld, const TGrenzen& grenzen, const TRechthoek& cel) {
    const TGrenzen g = Schaalbaar(grenzen);
    const double s = (cel.Right - cel.Left) / (1.2 * g.Breedte());
    return {cel.Left + (wereld.x - (g.xmin - 0.1 * g.Breedte())) * s,
            cel.Bottom - (wereld.y - (g.ymin - 0.1 * g.Hoogte())) * s};
}

} // namespace kx
