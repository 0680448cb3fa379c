#include "ui/Zijpaneel.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/PaneelKnop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace kx {

namespace {
constexpr int KopHoogte = 25;
constexpr int GroepBreedte = 245;
const QColor Groepkleur(230, 230, 230);
// The own-mechanism button while it is on: the yellow of a chosen hinge, lighter.
const QColor EigenKleur(255, 240, 150);

// Texts of the groups: collapse caption/hint when expanded, when collapsed, header caption/hint.
struct TGroepTeksten {
    int InklappenTekst, InklappenHint, UitklappenTekst, UitklappenHint, Kop, KopHint;
    int UitgeklaptHoogte;
};
constexpr std::array<TGroepTeksten, 4> GroepTeksten{{
    {49, 50, 51, 52, 53, 54, KopHoogte},
    {60, 61, 62, 63, 64, 65, 117},
    {70, 71, 72, 73, 74, 75, 153},
    {83, 84, 85, 86, 87, 88, 101},
}};

// Caption texts of the check boxes by option number.
constexpr std::array<int, TWeergaveOpties::Aantal> VinkjeTekst{
    55, 56, 57, 58, 59, 66, 67, 68, 69, 79, 80, 81, 82, 89, 90, 91, 92, TekstMechanismeTabel};

// The collapse glyphs are Wingdings characters: an upward and a downward arrow.
QString Pijlteken(const std::string& wingdings) {
    const QString teken = QString::fromStdString(wingdings);
    if (teken == QStringLiteral("ñ")) {
        return QStringLiteral("⇧");
    }
    if (teken == QStringLiteral("ò")) {
        return QStringLiteral("⇩");
    }
    return teken;
}

bool IsHoofdvinkje(int optie) {
    return optie == woStatOnbep || optie == woMogBezwMech || optie == woVirtArbVgl ||
           optie == woBezwijklast || optie == woMomentenlijn || optie == woOplegreacties;
}

// An explanation flag counts only together with the main box above it.
bool IsUitleg(int optie) {
    return optie > woStatOnbep && optie < woMechanismeTabel && optie % 2 == 0;
}

QFont Gewoon(QFont lettertype) {
    lettertype.setBold(false);
    return lettertype;
}
} // namespace

TZijpaneel::TZijpaneel(const Teksten& teksten, QWidget* ouder) : QFrame(ouder), teksten_(teksten) {
    setObjectName("pnlWerkset");
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumWidth(1);
    setMaximumWidth(Breedte);
    resize(Breedte, 600);
    MaakGereedschap();
    MaakAnalyseGroepen();
    // The two group boxes one below the other; the first grows with its hint text.
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(3, 3, 3, 3);
    indeling->setSpacing(7);
    indeling->addWidget(grpConstructieAanpassen_);
    indeling->addWidget(grpAnalyseConstructie_);
    indeling->addStretch(1);
    ZetTeksten();
    KlapAllesUit();
}

void TZijpaneel::MaakGereedschap() {
    grpConstructieAanpassen_ = new QGroupBox(this);
    grpConstructieAanpassen_->setObjectName("grpConstructieAanpassen");
    grpConstructieAanpassen_->setFixedWidth(261);
    QFont vet = font();
    vet.setBold(true);
    grpConstructieAanpassen_->setFont(vet);
    for (int i = 0; i < AantalBewerkingen; ++i) {
        auto* knop =
            new TPaneelKnop(QString(), TPaneelKnop::Soort::Keuzeknop, grpConstructieAanpassen_);
        knop->setFont(Gewoon(vet));
        knop->setFixedSize(121, 25);
        const auto bewerking = static_cast<TBewerking>(i);
        connect(knop, &TPaneelKnop::Ingedrukt, this, [this] { emit GereedschapIngedrukt(); });
        connect(knop, &TPaneelKnop::Geklikt, this,
                [this, bewerking] { emit BewerkingGekozen(bewerking); });
        gereedschap_[i] = knop;
    }
    lblAanw_ = new QLabel(grpConstructieAanpassen_);
    lblAanw_->setFont(Gewoon(vet));
    lblAanwijzing_ = new QLabel(grpConstructieAanpassen_);
    lblAanwijzing_->setWordWrap(true);
    lblAanwijzing_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAanwijzing_->setFont(Gewoon(vet));

    auto* indeling = new QGridLayout(grpConstructieAanpassen_);
    indeling->setContentsMargins(7, 16, 11, 2);
    indeling->setHorizontalSpacing(3);
    indeling->setVerticalSpacing(3);
    for (int i = 0; i < AantalBewerkingen; ++i) {
        indeling->addWidget(gereedschap_[i], i / 2, i % 2);
    }
    const int onder = (AantalBewerkingen + 1) / 2;
    indeling->setRowMinimumHeight(onder, 3);
    indeling->addWidget(lblAanw_, onder + 1, 0, 1, 2);
    indeling->addWidget(lblAanwijzing_, onder + 2, 0, 1, 2);
}

QCheckBox* TZijpaneel::MaakVinkje(QWidget* ouder, int optie, int x, int y) {
    auto* vinkje = new QCheckBox(ouder);
    vinkje->setGeometry(x, y, x == 8 ? 229 : 213, 17);
    vinkje->setChecked(true);
    vinkje->setFocusPolicy(Qt::ClickFocus);
    connect(vinkje, &QCheckBox::clicked, this, [this, optie] {
        if (IsHoofdvinkje(optie)) {
            HoofdvinkjeGewijzigd(optie);
        }
        WerkWeergaveBij();
    });
    vinkjes_[optie] = vinkje;
    return vinkje;
}

void TZijpaneel::MaakGroep(int groep, int y, const std::vector<int>& opties) {
    auto* paneel = new QFrame(grpAnalyseConstructie_);
    paneel->setGeometry(8, y, GroepBreedte, GroepTeksten[groep].UitgeklaptHoogte);
    paneel->setAutoFillBackground(true);
    QPalette palet = paneel->palette();
    palet.setColor(QPalette::Window, Groepkleur);
    paneel->setPalette(palet);
    paneel->setFont(Gewoon(grpAnalyseConstructie_->font()));
    groepen_[groep] = paneel;

    auto* kop = new TPaneelKnop(QString(), TPaneelKnop::Soort::Drukknop, paneel);
    auto* inklap = new TPaneelKnop(QString(), TPaneelKnop::Soort::Drukknop, paneel);
    if (groep == grpConstructie) {
        kop->setGeometry(0, 0, GroepBreedte, KopHoogte);
        inklap->hide();
    } else {
        kop->setGeometry(20, 0, 225, KopHoogte);
        inklap->setGeometry(0, 0, 20, KopHoogte);
        QFont pijl("DejaVu Sans");
        pijl.setPixelSize(16);
        inklap->ZetLettertype(pijl);
    }
    connect(kop, &TPaneelKnop::Geklikt, this, [this, groep] { emit KopGeklikt(groep); });
    connect(inklap, &TPaneelKnop::Geklikt, this, [this, groep] { WisselGroep(groep); });
    koppen_[groep] = kop;
    inklapknoppen_[groep] = inklap;

    int vinkjeY = 32;
    if (groep == grpWanneerBezwijken) {
        // The chooser keeps its full width; the own mechanism has a row of its own below it.
        cmbMechanisme_ = new QComboBox(paneel);
        cmbMechanisme_->setGeometry(8, 30, 229, 22);
        cmbMechanisme_->setEditable(false);
        connect(cmbMechanisme_, &QComboBox::activated, this,
                [this](int index) { emit MechanismeGekozen(index); });
        btnEigenMechanisme_ = new QPushButton(paneel);
        btnEigenMechanisme_->setObjectName("btnEigenMechanisme");
        btnEigenMechanisme_->setGeometry(8, 56, 229, 24);
        btnEigenMechanisme_->setCheckable(true);
        btnEigenMechanisme_->setFocusPolicy(Qt::ClickFocus);
        connect(btnEigenMechanisme_, &QPushButton::clicked, this, [this](bool aan) {
            KleurEigenMechanisme();
            emit EigenMechanismeGewisseld(aan);
        });
        vinkjeY = 84;
    }
    for (const int optie : opties) {
        MaakVinkje(paneel, optie, IsUitleg(optie) ? 24 : 8, vinkjeY);
        vinkjeY += 16;
    }
}

void TZijpaneel::MaakAnalyseGroepen() {
    grpAnalyseConstructie_ = new QGroupBox(this);
    grpAnalyseConstructie_->setObjectName("grpAnalyseConstructie");
    grpAnalyseConstructie_->setFixedSize(261, 400);
    QFont vet = font();
    vet.setBold(true);
    grpAnalyseConstructie_->setFont(vet);
    MaakGroep(grpConstructie, 16, {0, 1, 2, 3, 4});
    MaakGroep(grpHoeBezwijken, 0, {5, 6, 7, 8, woMechanismeTabel});
    MaakGroep(grpWanneerBezwijken, 0, {9, 10, 11, 12});
    MaakGroep(grpKrachtsverdeling, 0, {13, 14, 15, 16});
}

void TZijpaneel::ZetTeksten() {
    const auto tekst = [this](int i) { return QString::fromStdString(teksten_[i]); };
    grpConstructieAanpassen_->setTitle(tekst(TekstZijpaneelConstructie));
    for (int i = 0; i < AantalBewerkingen; ++i) {
        const auto bewerking = static_cast<TBewerking>(i);
        gereedschap_[i]->ZetTekst(tekst(GereedschapTekst(bewerking)));
        gereedschap_[i]->setToolTip(tekst(GereedschapHint(bewerking)));
    }
    lblAanw_->setText(tekst(TekstAanwijzingKop));
    lblAanwijzing_->setText(tekst(TekstEersteAanwijzing));
    // Room for the longest hint, so that the panel does not move when the tool changes.
    const QFontMetrics maten(lblAanwijzing_->font());
    int hoogte = 0;
    for (int i = 0; i < AantalBewerkingen; ++i) {
        hoogte =
            std::max(hoogte, maten
                                 .boundingRect(QRect(0, 0, 241, 1000), Qt::TextWordWrap,
                                               tekst(AanwijzingTekst(static_cast<TBewerking>(i))))
                                 .height());
    }
    lblAanwijzing_->setMinimumSize(241, hoogte + 2);
    grpAnalyseConstructie_->setTitle(tekst(TekstZijpaneelAnalyse));
    for (int groep = 0; groep < 4; ++groep) {
        koppen_[groep]->ZetTekst(tekst(GroepTeksten[groep].Kop));
        koppen_[groep]->setToolTip(tekst(GroepTeksten[groep].KopHint));
        inklapknoppen_[groep]->ZetTekst(Pijlteken(teksten_[GroepTeksten[groep].InklappenTekst]));
        inklapknoppen_[groep]->setToolTip(tekst(GroepTeksten[groep].InklappenHint));
    }
    for (int optie = 0; optie < TWeergaveOpties::Aantal; ++optie) {
        vinkjes_[optie]->setText(tekst(VinkjeTekst[optie]));
    }
    cmbMechanisme_->clear();
    btnEigenMechanisme_->setText(tekst(TekstEigenMechanisme));
    btnEigenMechanisme_->setToolTip(tekst(TekstEigenMechanismeHint));
}

TPaneelKnop* TZijpaneel::Gereedschap(TBewerking bewerking) const {
    return gereedschap_[static_cast<int>(bewerking)];
}

void TZijpaneel::ToonBewerking(TBewerking bewerking) {
    const QColor knopkleur = palette().color(QPalette::Button);
    for (auto* knop : gereedschap_) {
        knop->ZetAchtergrond(knopkleur);
        knop->ZetVerlaagd(false);
    }
    auto* gekozen = Gereedschap(bewerking);
    gekozen->ZetVerlaagd(true);
    gekozen->ZetAchtergrond(Groepkleur);
    lblAanwijzing_->setText(QString::fromStdString(teksten_[AanwijzingTekst(bewerking)]));
}

void TZijpaneel::ZetKoppenActief(bool actief) {
    for (auto* kop : koppen_) {
        kop->setEnabled(actief);
    }
}

void TZijpaneel::VulMechanismeKeuze(const std::vector<std::string>& items, int gekozen) {
    const QSignalBlocker stil(cmbMechanisme_);
    cmbMechanisme_->clear();
    for (const auto& item : items) {
        cmbMechanisme_->addItem(QString::fromStdString(item));
    }
    cmbMechanisme_->setCurrentIndex(gekozen);
}

void TZijpaneel::KiesMechanismeStil(int index) {
    const QSignalBlocker stil(cmbMechanisme_);
    cmbMechanisme_->setCurrentIndex(index);
}

void TZijpaneel::ZetEigenMechanismeStil(bool aan) {
    const QSignalBlocker stil(btnEigenMechanisme_);
    btnEigenMechanisme_->setChecked(aan);
    KleurEigenMechanisme();
}

void TZijpaneel::KleurEigenMechanisme() {
    QPalette palet = btnEigenMechanisme_->palette();
    palet.setColor(QPalette::Button, btnEigenMechanisme_->isChecked()
                                         ? EigenKleur
                                         : palette().color(QPalette::Button));
    btnEigenMechanisme_->setPalette(palet);
}

void TZijpaneel::ZetGroep(int groep, bool uitgeklapt) {
    const auto& t = GroepTeksten[groep];
    tag_[groep] = uitgeklapt ? 1 : 0;
    inklapknoppen_[groep]->ZetTekst(
        Pijlteken(teksten_[uitgeklapt ? t.InklappenTekst : t.UitklappenTekst]));
    inklapknoppen_[groep]->setToolTip(
        QString::fromStdString(teksten_[uitgeklapt ? t.InklappenHint : t.UitklappenHint]));
    groepen_[groep]->setFixedHeight(uitgeklapt ? t.UitgeklaptHoogte : KopHoogte);
}

void TZijpaneel::WisselGroep(int groep) {
    if (tag_[groep] == 1) {
        ZetGroep(groep, false);
    } else {
        if (kleinScherm_) {
            KlapAllesIn();
        }
        ZetGroep(groep, true);
    }
    HerschikGroepen();
}

void TZijpaneel::KlapAllesIn() {
    for (int groep = 0; groep < 4; ++groep) {
        ZetGroep(groep, false);
    }
    HerschikGroepen();
}

void TZijpaneel::KlapAllesUit() {
    for (int groep = 0; groep < 4; ++groep) {
        ZetGroep(groep, true);
    }
    HerschikGroepen();
}

void TZijpaneel::HerschikGroepen() {
    int top = 16;
    for (auto* paneel : groepen_) {
        paneel->move(8, top);
        top += paneel->height() + 7;
    }
    grpAnalyseConstructie_->setFixedHeight(top - 7 + 8);
}

void TZijpaneel::PasAanHoogte(int hoogte) {
    if (hoogte >= KleinSchermGrens) {
        kleinScherm_ = false;
        KlapAllesUit();
        return;
    }
    kleinScherm_ = true;
    if (tag_[0] + tag_[1] + tag_[2] + tag_[3] > 1) {
        KlapAllesIn();
    }
}

void TZijpaneel::HoofdvinkjeGewijzigd(int optie) {
    vinkjes_[optie + 1]->setEnabled(vinkjes_[optie]->isChecked());
}

void TZijpaneel::WerkWeergaveBij() {
    for (int optie = 0; optie < TWeergaveOpties::Aantal; ++optie) {
        const bool aan = vinkjes_[optie]->isChecked();
        opties_[optie] = IsUitleg(optie) ? aan && vinkjes_[optie - 1]->isChecked() : aan;
    }
    emit WeergaveGewijzigd();
}

} // namespace kx
