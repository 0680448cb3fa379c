#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <string>

namespace kx::test {

inline QImage WitVlak(int breedte, int hoogte) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    return beeld;
}

// Number of pixels inside r (clipped to the image) that are not white.
inline int Inkt(const QImage& beeld, const QRect& r) {
    const QRect vak = r.intersected(beeld.rect());
    int aantal = 0;
    for (int y = vak.top(); y <= vak.bottom(); ++y) {
        for (int x = vak.left(); x <= vak.right(); ++x) {
            if (beeld.pixelColor(x, y) != QColor(Qt::white)) {
                ++aantal;
            }
        }
    }
    return aantal;
}

// Rightmost column with ink in the rows of r, or -1.
inline int RechtsteInkt(const QImage& beeld, const QRect& r) {
    for (int x = r.right(); x >= r.left(); --x) {
        if (Inkt(beeld, QRect(x, r.top(), 1, r.height())) > 0) {
            return x;
        }
    }
    return -1;
}

inline int LinksteInkt(const QImage& beeld, const QRect& r) {
    for (int x = r.left(); x <= r.right(); ++x) {
        if (Inkt(beeld, QRect(x, r.top(), 1, r.height())) > 0) {
            return x;
        }
    }
    return -1;
}

inline TKnoop Eind(const char* naam, std::uint8_t soort, double x, double y, double dx, double dy,
                   double m = 0.0) {
    TKnoop k;
    k.Soort = soort;
    k.Stijf = soort == 3 || soort == 5;
    k.Naam = naam;
    k.x = x;
    k.y = y;
    k.dx = dx;
    k.dy = dy;
    k.M = m;
    k.Mp = 50.0;
    return k;
}

// The governing mechanism of the portal frame example, worked out by hand (hinges at the middle
// of the beam, E, and at the top of the right column, C; feet B and D pinned), displacements
// already magnified 15 times.
inline TMechanisme PortaalMechanisme() {
    TMechanisme m;
    TStaaf be;
    be.Knopen = {Eind("B", 2, 2, -6, 0, 0), Eind("E", 5, 5, -3, 0.45, -0.45, 50)};
    be.RC = {2, -6};
    be.gamma = -0.01;
    TStaaf ec;
    ec.Knopen = {Eind("E", 5, 5, -3, 0.45, -0.45, -50), Eind("C", 5, 8, -3, 0.45, 0, -50)};
    ec.RC = {8, 0};
    ec.gamma = 0.01;
    TStaaf cd;
    cd.Knopen = {Eind("C", 5, 8, -3, 0.45, 0, 50), Eind("D", 2, 8, -9, 0, 0)};
    cd.RC = {8, -9};
    cd.gamma = -0.005;
    m.avStaven = {be, ec, cd};
    TBelasting last;
    last.x = 5;
    last.y = -3;
    last.dx = 0.45;
    last.dy = -0.45;
    last.s = 0;
    last.Fy = -1;
    m.avBelastingen = {last};
    m.AantalStaven = 3;
    m.AantalBelastingen = 1;
    const std::string term = "- 50 ¬× 1 ¬× ¬d¬q ";
    m.Vgl.Regel1 = {"¬dA = ",
                    "+ 0 ¬× 1 ¬× ¬d¬q ",
                    term,
                    term,
                    term,
                    "- 50 ¬× 0,5 ¬× ¬d¬q ",
                    "+ 0 ¬× 0,5 ¬× ¬d¬q ",
                    "+ 0 F ¬× 3 ¬× 1 ¬× ¬d¬q ",
                    "+ 1 F ¬× 3 ¬× 1 ¬× ¬d¬q ",
                    " = 0"};
    m.Vgl.Regel2 = {"",        "deel BE", "deel BE",   "deel EC",   "deel EC",
                    "deel CD", "deel CD", "belasting", "belasting", ""};
    m.Vgl.Factoren = {1, 0, -0.5, -0.5, -0.5, -0.25, 0, 0, 0.03, 1};
    m.Vgl.Bezwijklast = 1.75 / 0.03;
    return m;
}

// An analysis holding the portal mechanism aantal times.
inline void VulAnalyse(TAnalyse& analyse, int aantal) {
    analyse.Mechanismen.assign(static_cast<std::size_t>(aantal), PortaalMechanisme());
    analyse.AantalMechanismen = aantal;
    analyse.MaatgevendMechanisme = 0;
    analyse.Onbepaaldheid = 1;
    analyse.AantalPlaatsen = 3;
}

// Bottom of the title block a view starts with.
inline double TitelOnder(const std::string& titel, int breedte) {
    QImage beeld = WitVlak(breedte, 200);
    QPainter p(&beeld);
    return TekenBlok(p, {0, 0, static_cast<double>(breedte), 0}, 0, titel, opTitel, Qt::black);
}

} // namespace kx::test
