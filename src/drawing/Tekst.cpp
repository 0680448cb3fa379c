#include "drawing/Tekst.h"

#include "drawing/Afbeelding.h"
#include "drawing/Blokken.h"
#include "text/SymboolTekens.h"

#include <QFontMetrics>

#include <cstdlib>
#include <vector>

namespace kx {

namespace {
// Measures line height only; never drawn.
constexpr const char* HoogteProbe = "AbCdEfghijklMNOpqRStUVWXyZ0123456789";
constexpr const char* SymboolMarkering = "**g";
constexpr char32_t TekenMarkering = U'\u00AC';

QFontMetrics Maten(const QPainter& painter, const QFont& font) {
    return painter.device() != nullptr ? QFontMetrics(font, painter.device()) : QFontMetrics(font);
}

// Draws s in the painter's font with its top-left corner at (x, y); returns its advance.
int SchrijfOp(QPainter& painter, int x, int y, const QString& s) {
    const QFontMetrics fm = Maten(painter, painter.font());
    painter.drawText(x, y + fm.ascent(), s);
    return fm.horizontalAdvance(s);
}

QString Symbolen(const std::string& tekst) {
    QString uit;
    std::size_t i = 0;
    while (i < tekst.size()) {
        uit += SymboolTeken(VolgendTeken(tekst, i));
    }
    return uit;
}

enum class TScheiding { Spatie, RegelEinde, Geen };

struct TWoord {
    std::string Zichtbaar; // without marker and separator
    bool Symbool = false;
    TScheiding Einde = TScheiding::Geen;
};

std::vector<TWoord> Woorden(const std::string& tekst) {
    std::vector<TWoord> woorden;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const std::size_t spatie = tekst.find(' ', i);
        const std::size_t regel = tekst.find("\r\n", i);
        TWoord woord;
        std::size_t einde = tekst.size();
        if (spatie < regel && spatie != std::string::npos) {
            einde = spatie;
            woord.Einde = TScheiding::Spatie;
        } else if (regel != std::string::npos) {
            einde = regel;
            woord.Einde = TScheiding::RegelEinde;
        }
        woord.Zichtbaar = tekst.substr(i, einde - i);
        if (woord.Zichtbaar.rfind(SymboolMarkering, 0) == 0) {
            woord.Symbool = true;
            woord.Zichtbaar.erase(0, 3);
        }
        i = einde + (woord.Einde == TScheiding::RegelEinde ? 2 : 1);
        woorden.push_back(std::move(woord));
    }
    return woorden;
}

struct TTeken {
    char32_t Code;
    bool Symbool;
};

std::vector<TTeken> Tekens(const std::string& tekst) {
    std::vector<TTeken> tekens;
    std::size_t i = 0;
    bool symbool = false;
    while (i < tekst.size()) {
        const char32_t c = VolgendTeken(tekst, i);
        if (c == TekenMarkering && !symbool) {
            symbool = true;
            continue;
        }
        tekens.push_back({c, symbool});
        symbool = false;
    }
    return tekens;
}

QString Glyph(const TTeken& t) {
    return t.Symbool ? SymboolTeken(t.Code) : QString::fromUcs4(&t.Code, 1);
}

int TekenBreedte(const QFontMetrics& tekst, const QFontMetrics& symbool, const TTeken& t) {
    return (t.Symbool ? symbool : tekst).horizontalAdvance(Glyph(t));
}

// Draws the characters from x onward with their tops at y; returns the x after the last one.
int SchrijfTekens(QPainter& painter, const TOpmaak& opmaak, int x, int y,
                  const std::vector<TTeken>& tekens) {
    const QFont tekstFont = Lettertype(opmaak.Tekst);
    const QFont symboolFont = Lettertype(opmaak.Symbool);
    for (const TTeken& t : tekens) {
        painter.setFont(t.Symbool ? symboolFont : tekstFont);
        x += SchrijfOp(painter, x, y, Glyph(t));
    }
    return x;
}
} // namespace

int RegelHoogte(const QPainter& painter, const TOpmaak& opmaak) {
    const QFontMetrics fm = Maten(painter, Lettertype(opmaak.Tekst));
    return std::abs(fm.boundingRect(QString::fromLatin1(HoogteProbe)).height());
}

int RegelBreedte(const QPainter& painter, const TOpmaak& opmaak, const std::string& tekst) {
    const QFontMetrics tekstMaten = Maten(painter, Lettertype(opmaak.Tekst));
    const QFontMetrics symboolMaten = Maten(painter, Lettertype(opmaak.Symbool));
    int breedte = 0;
    for (const TTeken& t : Tekens(tekst)) {
        breedte += TekenBreedte(tekstMaten, symboolMaten, t);
    }
    return breedte;
}

void TekenAlinea(QPainter& painter, TRechthoek& rect, const std::string& tekst, QColor kleur,
                 const TOpmaak& opmaak) {
    painter.save();
    painter.setPen(kleur);
    painter.setBrush(Qt::NoBrush);
    const QFont tekstFont = Lettertype(opmaak.Tekst);
    const QFont symboolFont = Lettertype(opmaak.Symbool);
    const int h = RegelHoogte(painter, opmaak);
    const double links = rect.Left + opmaak.Tekst.Links;
    const double rechts = rect.Right - opmaak.Tekst.Rechts;
    double x = links;
    double y = rect.Top + opmaak.Tekst.Boven;
    for (const TWoord& woord : Woorden(tekst)) {
        painter.setFont(woord.Symbool ? symboolFont : tekstFont);
        const QString zichtbaar =
            woord.Symbool ? Symbolen(woord.Zichtbaar) : QString::fromStdString(woord.Zichtbaar);
        const int breedte = Maten(painter, painter.font()).horizontalAdvance(zichtbaar);
        if (x + breedte > rechts && x != links) {
            x = links;
            y += h;
        }
        switch (woord.Einde) {
        case TScheiding::Spatie:
            x += SchrijfOp(painter, Pixel(x), Pixel(y), zichtbaar + QLatin1Char(' '));
            break;
        case TScheiding::RegelEinde:
            SchrijfOp(painter, Pixel(x), Pixel(y), zichtbaar);
            x = links;
            y += h;
            break;
        case TScheiding::Geen:
            x += SchrijfOp(painter, Pixel(x), Pixel(y), zichtbaar);
            break;
        }
    }
    rect.Bottom = y + h + opmaak.Tekst.Onder;
    painter.restore();
    // Each line a block of its own: a paragraph may go on on the next page.
    for (double regel = rect.Top + opmaak.Tekst.Boven; h > 0 && regel <= y; regel += h) {
        MeldBlok(painter, regel, regel + h, TBlokSoort::Tekst);
    }
}

void TekenRegel(QPainter& painter, TPunt punt, TPunt& eind, QColor kleur, const TOpmaak& opmaak,
                const std::string& tekst, int uitlijning) {
    painter.save();
    painter.setPen(kleur);
    painter.setBrush(Qt::NoBrush);
    const std::vector<TTeken> tekens = Tekens(tekst);
    const int y = Pixel(punt.y);
    if (uitlijning == uitRechts) {
        const QFontMetrics tekstMaten = Maten(painter, Lettertype(opmaak.Tekst));
        const QFontMetrics symboolMaten = Maten(painter, Lettertype(opmaak.Symbool));
        int x = Pixel(punt.x);
        for (auto t = tekens.rbegin(); t != tekens.rend(); ++t) {
            x -= TekenBreedte(tekstMaten, symboolMaten, *t);
            SchrijfTekens(painter, opmaak, x, y, {*t});
        }
        eind = punt;
    } else {
        const double start =
            uitlijning == uitMidden ? punt.x - RegelBreedte(painter, opmaak, tekst) / 2.0 : punt.x;
        eind = {static_cast<double>(SchrijfTekens(painter, opmaak, Pixel(start), y, tekens)),
                punt.y};
    }
    painter.restore();
}

double TekenBlok(QPainter& painter, const TRechthoek& gebied, double y, const std::string& tekst,
                 TOpmaakStijl stijl, QColor kleur) {
    TRechthoek rect{gebied.Left, y, gebied.Right, y};
    TekenAlinea(painter, rect, tekst, kleur, Opmaak(stijl));
    if (stijl == opTitel || stijl == opKop) {
        MeldBlok(painter, y, rect.Bottom, TBlokSoort::Kop);
    }
    return rect.Bottom;
}

} // namespace kx
