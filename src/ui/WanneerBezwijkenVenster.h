#pragma once

#include "drawing/EigenMechanismeView.h"
#include "ui/AnalyseVenster.h"

#include <vector>

class QPushButton;

namespace kx {

class Teksten;

// The virtual work window. It shows the chosen mechanism, or the student's own one: then a bar
// above the picture holds the button that clears the choice, and a click near a drawn hinge
// place chooses it or takes it back.
class TfrmWanneerBezwijken : public TAnalyseVenster {
    Q_OBJECT
public:
    explicit TfrmWanneerBezwijken(const Teksten& teksten, QWidget* ouder = nullptr);

    // Shows or hides the own mechanism's bar; while it is hidden, a click chooses nothing.
    void ToonEigen(bool aan);
    bool EigenGetoond() const { return eigen_; }
    QPushButton* WisKnop() const { return wissen_; }

    // Where the view last drew the hinge places; empty when it drew none.
    std::vector<TPlaatsPunt> Punten;

    void MuisBeweegt(QPointF punt) override;
    void MuisIngedrukt(QPointF punt, Qt::MouseButton knop) override;

signals:
    void PlaatsAangeklikt(int plaats);
    void Wissen();

private:
    QWidget* balk_;
    QPushButton* wissen_;
    bool eigen_ = false;
};

} // namespace kx
