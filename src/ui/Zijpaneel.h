#pragma once

#include "drawing/WeergaveOpties.h"
#include "ui/Toestand.h"

#include <QFrame>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kx {

class Teksten;
class TPaneelKnop;

// The side panel: the six tool buttons with their hint, and the four settings groups of the
// analysis windows with their header buttons, collapse buttons, check boxes and the mechanism
// chooser.
class TZijpaneel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breedte = 271;
    static constexpr int KleinSchermGrens = 620;
    enum Groep { grpConstructie = 0, grpHoeBezwijken, grpWanneerBezwijken, grpKrachtsverdeling };

    TZijpaneel(const Teksten& teksten, QWidget* ouder);

    void ZetTeksten();
    void ToonBewerking(TBewerking bewerking);
    TPaneelKnop* Gereedschap(TBewerking bewerking) const;
    TPaneelKnop* Kop(int groep) const { return koppen_[groep]; }
    TPaneelKnop* Inklapknop(int groep) const { return inklapknoppen_[groep]; }
    QCheckBox* Vinkje(int optie) const { return vinkjes_[optie]; }
    QComboBox* MechanismeKeuze() const { return cmbMechanisme_; }
    QPushButton* EigenMechanismeKnop() const { return btnEigenMechanisme_; }
    QGroupBox* GroepConstructieAanpassen() const { return grpConstructieAanpassen_; }
    QLabel* Aanwijzing() const { return lblAanwijzing_; }

    void ZetKoppenActief(bool actief);
    void VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen);
    // Selects an entry of the chooser without reporting it as the user's choice.
    void KiesMechanismeStil(int index);
    // Sets the own-mechanism button without reporting it as the user's choice.
    void ZetEigenMechanismeStil(bool aan);

    // Collapsing and expanding.
    bool Uitgeklapt(int groep) const { return tag_[groep] == 1; }
    bool KleinScherm() const { return kleinScherm_; }
    void KlapAllesIn();
    void KlapAllesUit();
    void HerschikGroepen();
    void WisselGroep(int groep);
    // The rules for a main window of this height.
    void PasAanHoogte(int hoogte);

    const TWeergaveOpties& WeergaveOpties() const { return opties_; }
    void WerkWeergaveBij();

signals:
    void GereedschapIngedrukt();
    void BewerkingGekozen(TBewerking bewerking);
    void KopGeklikt(int groep);
    void WeergaveGewijzigd();
    void MechanismeGekozen(int index);
    void EigenMechanismeGewisseld(bool aan);

private:
    void MaakGereedschap();
    void MaakAnalyseGroepen();
    void MaakGroep(int groep, int y, const std::vector<int>& opties);
    QCheckBox* MaakVinkje(QWidget* ouder, int optie, int x, int y);
    void ZetGroep(int groep, bool uitgeklapt);
    void HoofdvinkjeGewijzigd(int optie);
    // The own-mechanism button shows whether it is on by its colour too.
    void KleurEigenMechanisme();

    const Teksten& teksten_;
    QGroupBox* grpConstructieAanpassen_ = nullptr;
    QGroupBox* grpAnalyseConstructie_ = nullptr;
    QLabel* lblAanw_ = nullptr;
    QLabel* lblAanwijzing_ = nullptr;
    std::array<TPaneelKnop*, AantalBewerkingen> gereedschap_{};
    std::array<QFrame*, 4> groepen_{};
    std::array<TPaneelKnop*, 4> koppen_{};
    std::array<TPaneelKnop*, 4> inklapknoppen_{};
    std::array<int, 4> tag_{1, 1, 1, 1};
    std::array<QCheckBox*, TWeergaveOpties::Aantal> vinkjes_{};
    QComboBox* cmbMechanisme_ = nullptr;
    QPushButton* btnEigenMechanisme_ = nullptr;
    TWeergaveOpties opties_;
    bool kleinScherm_ = false;
};

} // namespace kx
