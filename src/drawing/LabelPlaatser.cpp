#include "drawing/LabelPlaatser.h"

#include "drawing/Tekst.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kx {

namespace {
constexpr double SchuifStap = 4.0;
constexpr int MaxSchuifStappen = 10;

bool Overlapt(const TRechthoek& a, const TRechthoek& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

double Overlap(const TRechthoek& a, const TRechthoek& b) {
    const double breedte = std::min(a.Right, b.Right) - std::max(a.Left, b.Left);
    const double hoogte = std::min(a.Bottom, b.Bottom) - std::max(a.Top, b.Top);
    return breedte > 0.0 && hoogte > 0.0 ? breedte * hoogte : 0.0;
}

bool ZelfdePunt(TPunt p, TPunt q) {
    return std::fabs(p.x - q.x) < 0.5 && std::fabs(p.y - q.y) < 0.5;
}
} // namespace

TRechthoek TLabelPlaatser::Vak(const QPainter& painter, const TOpmaak& opmaak,
                               const std::string& label, const TLabelPlek& plek) const {
    const double b = RegelBreedte(painter, opmaak, label);
    const double h = RegelHoogte(painter, opmaak);
    double links = plek.Anker.x;
    if (plek.Uitlijning == uitMidden) {
        links -= b / 2.0;
    } else if (plek.Uitlijning == uitRechts) {
        links -= b;
    }
    return {links, plek.Anker.y, links + b, plek.Anker.y + h};
}

bool TLabelPlaatser::NieuweMaat(TPunt a, TPunt b, const std::string& label) {
    const bool getekend = std::any_of(maten_.begin(), maten_.end(), [&](const TMaatlijn& m) {
        const bool zelfdeLijn = (ZelfdePunt(m.A, a) && ZelfdePunt(m.B, b)) ||
                                (ZelfdePunt(m.A, b) && ZelfdePunt(m.B, a));
        return zelfdeLijn && m.Label == label;
    });
    if (!getekend) {
        maten_.push_back({a, b, label});
    }
    return !getekend;
}

std::optional<TLabelPlek> TLabelPlaatser::Verschuif(const QPainter& painter, const TOpmaak& opmaak,
                                                    const std::string& label,
                                                    const std::vector<TLabelPlek>& plekken) const {
    for (int stap = 1; stap <= MaxSchuifStappen; ++stap) {
        const double d = stap * SchuifStap;
        for (const TLabelPlek& p : plekken) {
            // A label beside something moves away from it: left, right, or up and down.
            std::vector<TPunt> richtingen{{1, 0}};
            if (p.Uitlijning == uitRechts) {
                richtingen = {{-1, 0}};
            } else if (p.Uitlijning == uitMidden) {
                richtingen = {{0, -1}, {0, 1}};
            }
            for (const TPunt r : richtingen) {
                const TLabelPlek kandidaat{{p.Anker.x + r.x * d, p.Anker.y + r.y * d},
                                           p.Uitlijning};
                if (Vrij(Vak(painter, opmaak, label, kandidaat))) {
                    return kandidaat;
                }
            }
        }
    }
    return std::nullopt;
}

double TLabelPlaatser::BedektDoor(const TRechthoek& vak) const {
    double som = 0.0;
    for (const TRechthoek& r : bezet_) {
        som += Overlap(r, vak);
    }
    return som;
}

bool TLabelPlaatser::Vrij(const TRechthoek& vak) const {
    const bool binnen = grens_.Bevat(vak.Left, vak.Top) && grens_.Bevat(vak.Right, vak.Bottom);
    return binnen && std::none_of(bezet_.begin(), bezet_.end(),
                                  [&](const TRechthoek& r) { return Overlapt(r, vak); });
}

void TLabelPlaatser::Plaats(QPainter& painter, QColor kleur, const TOpmaak& opmaak,
                            const std::string& label, const std::vector<TLabelPlek>& plekken) {
    if (label.empty() || plekken.empty()) {
        return;
    }
    const TLabelPlek gekozen = Kies(painter, opmaak, label, plekken);
    TPunt eind;
    TekenRegel(painter, gekozen.Anker, eind, kleur, opmaak, label, gekozen.Uitlijning);
}

bool TLabelPlaatser::PlaatsAlsVrij(QPainter& painter, QColor kleur, const TOpmaak& opmaak,
                                   const std::string& label,
                                   const std::vector<TLabelPlek>& plekken) {
    if (label.empty() || plekken.empty()) {
        return false;
    }
    const std::optional<TLabelPlek> gekozen = VrijePlek(painter, opmaak, label, plekken);
    if (!gekozen) {
        return false;
    }
    bezet_.push_back(Vak(painter, opmaak, label, *gekozen));
    TPunt eind;
    TekenRegel(painter, gekozen->Anker, eind, kleur, opmaak, label, gekozen->Uitlijning);
    return true;
}

std::optional<TLabelPlek> TLabelPlaatser::VrijePlek(const QPainter& painter, const TOpmaak& opmaak,
                                                    const std::string& label,
                                                    const std::vector<TLabelPlek>& plekken) const {
    const auto vrij = std::find_if(plekken.begin(), plekken.end(), [&](const TLabelPlek& p) {
        return Vrij(Vak(painter, opmaak, label, p));
    });
    return vrij != plekken.end() ? std::optional<TLabelPlek>(*vrij)
                                 : Verschuif(painter, opmaak, label, plekken);
}

TLabelPlek TLabelPlaatser::Kies(const QPainter& painter, const TOpmaak& opmaak,
                                const std::string& label, const std::vector<TLabelPlek>& plekken) {
    if (label.empty() || plekken.empty()) {
        return plekken.empty() ? TLabelPlek{} : plekken.front();
    }
    TLabelPlek gekozen = plekken.front();
    TRechthoek vak = Vak(painter, opmaak, label, gekozen);
    if (const std::optional<TLabelPlek> vrij = VrijePlek(painter, opmaak, label, plekken)) {
        gekozen = *vrij;
        vak = Vak(painter, opmaak, label, gekozen);
    } else {
        // No place is clear: the one inside the area that covers the least of what is taken.
        double minst = BedektDoor(vak);
        for (const TLabelPlek& p : plekken) {
            const TRechthoek v = Vak(painter, opmaak, label, p);
            const bool binnen = grens_.Bevat(v.Left, v.Top) && grens_.Bevat(v.Right, v.Bottom);
            if (binnen && BedektDoor(v) < minst) {
                minst = BedektDoor(v);
                gekozen = p;
                vak = v;
            }
        }
        const double schuif = vak.Left < grens_.Left     ? grens_.Left - vak.Left
                              : vak.Right > grens_.Right ? grens_.Right - vak.Right
                                                         : 0.0;
        gekozen.Anker.x += schuif;
        vak.Left += schuif;
        vak.Right += schuif;
    }
    bezet_.push_back(vak);
    return gekozen;
}

} // namespace kx
