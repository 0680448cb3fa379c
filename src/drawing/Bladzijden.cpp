#include "drawing/Bladzijden.h"

#include <QPagedPaintDevice>

#include <algorithm>

namespace kx {

namespace {
// Blocks that overlap by less than this only touch: a page may end between them.
constexpr double Naad = 0.5;
// Room a page keeps above its first block and below its last, taken from the white between
// blocks, for what reaches a little beyond a block (a descender, an outline's pen).
constexpr double Marge = 4.0;

// Blocks that overlap, merged: a heading when a heading ends it, a drawing when it holds one.
struct TEenheid {
    double Boven = 0.0;
    double Onder = 0.0;
    bool Kop = false;
    bool Tekening = false;
};

void Voeg(TEenheid& eenheid, const TBlok& blok) {
    const double onder = std::max(eenheid.Onder, blok.Onder);
    const bool kop = blok.Soort == TBlokSoort::Kop && blok.Onder >= onder - Naad;
    eenheid.Kop = kop || (eenheid.Kop && eenheid.Onder >= onder - Naad);
    eenheid.Onder = onder;
    eenheid.Tekening = eenheid.Tekening || blok.Soort == TBlokSoort::Tekening;
}

std::vector<TEenheid> Eenheden(std::vector<TBlok> blokken, double hoogte) {
    for (TBlok& blok : blokken) {
        blok.Boven = std::clamp(blok.Boven, 0.0, hoogte);
        blok.Onder = std::clamp(blok.Onder, 0.0, hoogte);
    }
    std::erase_if(blokken, [](const TBlok& blok) { return !(blok.Onder > blok.Boven); });
    std::ranges::sort(blokken, {}, &TBlok::Boven);
    std::vector<TEenheid> eenheden;
    for (const TBlok& blok : blokken) {
        if (eenheden.empty() || blok.Boven >= eenheden.back().Onder - Naad) {
            eenheden.push_back({blok.Boven, blok.Boven, false, false});
        }
        Voeg(eenheden.back(), blok);
    }
    return eenheden;
}

// The foot of a page whose last block is e[laatste]: a little into the white below it.
double Voet(const std::vector<TEenheid>& e, std::size_t laatste, double hoogte) {
    const double onder = e[laatste].Onder;
    const double volgende = laatste + 1 < e.size() ? e[laatste + 1].Boven : hoogte;
    return std::max(onder, std::min(onder + Marge, (onder + volgende) / 2.0));
}
} // namespace

TOpname NeemOp(const TPlaat& plaat) {
    TOpname opname;
    {
        const TBlokkenOpname blokken(opname.Beeld);
        QPainter painter(&opname.Beeld);
        if (plaat.Teken) {
            plaat.Teken(painter);
        }
        painter.end();
        opname.Blokken = blokken.Blokken();
    }
    opname.Beeld.setBoundingRect(QRect(QPoint(0, 0), plaat.Grootte));
    return opname;
}

QPicture Opname(const TPlaat& plaat) {
    return NeemOp(plaat).Beeld;
}

QImage Rasterbeeld(const TPlaat& plaat) {
    QImage beeld(plaat.Grootte.expandedTo({1, 1}), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter painter(&beeld);
    if (plaat.Teken) {
        plaat.Teken(painter);
    }
    return beeld;
}

std::vector<TPaginaDeel> Paginaplan(std::vector<TBlok> blokken, double hoogte,
                                    double paginaHoogte) {
    const double h = std::max(1.0, paginaHoogte);
    std::vector<TEenheid> e = Eenheden(std::move(blokken), hoogte);
    if (e.empty() && hoogte > 0.0) {
        e.push_back({0.0, hoogte, false, true});
    }
    std::vector<TPaginaDeel> plan;
    double snede = 0.0;
    for (std::size_t i = 0; i < e.size();) {
        const double begin = std::max(snede, e[i].Boven - Marge);
        // The headings at the top of a page go with the first block after them.
        std::size_t g = i;
        while (g + 1 < e.size() && e[g].Kop) {
            ++g;
        }
        if (e[g].Onder - begin > h && e[g].Tekening) {
            const double onder = Voet(e, g, hoogte);
            plan.push_back({begin, onder, h / (onder - begin)});
            snede = onder;
            i = g + 1;
            continue;
        }
        if (e[g].Onder - begin > h) {
            snede = begin + h;
            plan.push_back({begin, snede, 1.0});
            while (i < e.size() && e[i].Onder <= snede + Naad) {
                ++i;
            }
            if (i < e.size()) {
                e[i].Boven = std::max(e[i].Boven, snede);
            }
            continue;
        }
        std::size_t j = g + 1;
        while (j < e.size() && e[j].Onder - begin <= h) {
            ++j;
        }
        std::size_t laatste = j - 1;
        while (j < e.size() && laatste > g && e[laatste].Kop) {
            --laatste;
        }
        snede = std::min(begin + h, Voet(e, laatste, hoogte));
        plan.push_back({begin, snede, 1.0});
        i = laatste + 1;
    }
    return plan;
}

int TekenOpBladzijden(QPagedPaintDevice& apparaat, const TPlaat& plaat) {
    const TOpname opname = NeemOp(plaat);
    // Playing a recording scales it from its resolution to the device's by itself.
    const double r = static_cast<double>(apparaat.logicalDpiY()) / opname.Beeld.logicalDpiY();
    const double breedte = std::max(1, plaat.Grootte.width());
    const double hoogte = std::max(1, plaat.Grootte.height());
    const double passend = std::min(1.0, apparaat.width() / (r * breedte));
    const double paginaHoogte = apparaat.height() / (r * passend);
    const std::vector<TPaginaDeel> plan =
        plaat.Deelbaar
            ? Paginaplan(opname.Blokken, hoogte, paginaHoogte)
            : std::vector<TPaginaDeel>{{0.0, hoogte, std::min(1.0, paginaHoogte / hoogte)}};

    QPainter painter(&apparaat);
    for (std::size_t p = 0; p < plan.size(); ++p) {
        if (p > 0) {
            apparaat.newPage();
        }
        const TPaginaDeel& deel = plan[p];
        painter.save();
        painter.scale(passend * deel.Schaal, passend * deel.Schaal);
        painter.setClipRect(QRectF(0, 0, breedte * r, (deel.Onder - deel.Boven) * r));
        painter.translate(0, -deel.Boven * r);
        painter.drawPicture(0, 0, opname.Beeld);
        painter.restore();
    }
    return static_cast<int>(plan.size());
}

} // namespace kx
