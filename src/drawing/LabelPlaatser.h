#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Opmaak.h"
#include "model/Bevraging.h"

#include <QColor>
#include <QPainter>

#include <optional>
#include <string>
#include <vector>

namespace kx {

// A place for a label: the anchor and alignment that TekenRegel takes, the top at the anchor.
struct TLabelPlek {
    TPunt Anker;
    int Uitlijning = 0;
};

// Keeps the labels of one drawing inside its area and off each other's boxes, and draws each
// dimension only once.
class TLabelPlaatser {
public:
    explicit TLabelPlaatser(const TRechthoek& grens) : grens_(grens) {}

    // The box a label takes at a place.
    TRechthoek Vak(const QPainter& painter, const TOpmaak& opmaak, const std::string& label,
                   const TLabelPlek& plek) const;

    // Marks a box as taken by something drawn elsewhere.
    void Bezet(const TRechthoek& vak) { bezet_.push_back(vak); }

    // The first place that lies inside the area and clear of the boxes taken so far, else the
    // first place that is clear once moved up to 40 pixels away from what it labels, else the
    // place inside the area that covers least of what is taken; its box is then taken.
    TLabelPlek Kies(const QPainter& painter, const TOpmaak& opmaak, const std::string& label,
                    const std::vector<TLabelPlek>& plekken);

    // Draws the label at a place clear of what is taken, as Kies finds one, and returns true;
    // draws nothing where no place is clear.
    bool PlaatsAlsVrij(QPainter& painter, QColor kleur, const TOpmaak& opmaak,
                       const std::string& label, const std::vector<TLabelPlek>& plekken);

    // Draws the label at the place Kies gives.
    void Plaats(QPainter& painter, QColor kleur, const TOpmaak& opmaak, const std::string& label,
                const std::vector<TLabelPlek>& plekken);

    // False when the same dimension line with the same label was drawn before; records it.
    bool NieuweMaat(TPunt a, TPunt b, const std::string& label);

private:
    struct TMaatlijn {
        TPunt A;
        TPunt B;
        std::string Label;
    };

    bool Vrij(const TRechthoek& vak) const;
    // The first place that is clear, as it is or moved away a little; none when none is.
    std::optional<TLabelPlek> VrijePlek(const QPainter& painter, const TOpmaak& opmaak,
                                        const std::string& label,
                                        const std::vector<TLabelPlek>& plekken) const;
    std::optional<TLabelPlek> Verschuif(const QPainter& painter, const TOpmaak& opmaak,
                                        const std::string& label,
                                        const std::vector<TLabelPlek>& plekken) const;
    // The area of the taken boxes that the box covers.
    double BedektDoor(const TRechthoek& vak) const;

    TRechthoek grens_;
    std::vector<TRechthoek> bezet_;
    std::vector<TMaatlijn> maten_;
};

} // namespace kx
