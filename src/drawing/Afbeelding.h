#pragma once

#include "drawing/Gebieden.h"
#include "engine/Records.h"
#include "model/Bevraging.h"
#include "model/Constructie.h"

namespace kx {

// The editor controls that the editor mapping reads: pixels per grid cell (16..96), snap
// fineness (1..3) and metres per grid cell (1..25).
struct TEditorInstellingen {
    int GridSize = 40;
    int Fijnheid = 2;
    int Schaal = 1;
};

// A real pixel coordinate as an integer: truncated toward zero, clamped far outside any surface
// so that a point at infinity cannot overflow.
int Pixel(double v);

// Snap step of the editor in pixels: the grid cell split into 1, 2 or 4 steps.
int SnapStap(int gridSize, int fijnheid);

// Structure coordinate (metres) of the snap point nearest to an editor pixel; both axes alike.
// Metres between the grid points that a mouse press snaps to.
double Rasterstap(int fijnheid, double schaal);
double PixelNaarX(int pixel, int gridSize, int fijnheid, double schaal);
double PixelNaarY(int pixel, int gridSize, int fijnheid, double schaal);

// Editor pixel of a structure coordinate (metres); no axis is flipped.
int StructuurNaarPixel(double coordinaat, int gridSize, double schaal);
TPunt StructuurNaarScherm(TPunt punt, const TEditorInstellingen& instellingen);

// Turns punt about centrum; with y growing downward a positive angle turns clockwise.
TPunt DraaiPunt(TPunt punt, TPunt centrum, double hoek);

// World box of a mechanism, in the analysis frame (y up).
struct TGrenzen {
    double xmin = 0.0;
    double ymin = 0.0;
    double xmax = 0.0;
    double ymax = 0.0;

    double Breedte() const { return xmax - xmin; }
    double Hoogte() const { return ymax - ymin; }
};

// Box of the mechanism's parts and of every node in use of the structure (y negated), each
// undisplaced and displaced; optionally widened to the rotation centres that lie within twice the
// larger side of that box from it (a centre farther away would leave the frame a speck).
TGrenzen BepaalGrenzen(const TMechanisme& mechanisme, const TConstructie& constructie,
                       bool metRotatiecentra);

// A box that can be scaled: a side of zero length becomes max(1 m, half the other side) around
// its centre.
TGrenzen Schaalbaar(const TGrenzen& grenzen);

// Sets cel.Bottom so that the cell has the box's aspect ratio.
void PasHoogteAan(const TGrenzen& grenzen, TRechthoek& cel);

// Screen point of a world point (y up): the box plus 10% on every side fills the cell's width.
TPunt NaarScherm(TPunt wereld, const TGrenzen& grenzen, const TRechthoek& cel);

} // namespace kx
