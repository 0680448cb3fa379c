#include "ui/Constructievenster.h"

#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "engine/Getalnotatie.h"
#include "model/ManipuleerConstructie.h"
#include "model/Raaktest.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/Cursors.h"
#include "ui/Dialogen.h"
#include "ui/VensterTekst.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace kx {

namespace {
constexpr int TabKnopen = 0;
constexpr int TabStaven = 1;
constexpr int TabBelastingen = 2;

QString Getal(double v, int cijfers) {
    return QString::fromStdString(AlgemeenGetal(v, cijfers, Decimaalteken()));
}

// A small picture of a support or connection for the node menu: a bar ending in the node, the
// support turned away from it.
QIcon SymboolIcoon(int soort) {
    QPixmap beeld(24, 24);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    const TOpmaak opmaak = Opmaak(opTekening);
    const double onder = std::numbers::pi / 2;
    const bool verticaal = soort == RolVerticaal;
    const TPunt knoop = verticaal ? TPunt{7, 12} : TPunt{12, 7};
    p.setPen(QPen(Qt::black, 2));
    if (verticaal) {
        p.drawLine(QPointF(7, 1), QPointF(7, 12));
    } else {
        p.drawLine(QPointF(2, 7), QPointF(12, 7));
    }
    if (soort == ScharnierendeVerbinding + 10) {
        p.drawLine(QPointF(12, 7), QPointF(22, 7));
        TekenScharnier(p, KleurZwart, KleurRood, 1, opmaak, {}, knoop);
    } else {
        TekenOplegSymbool(p, soort, KleurZwart, KleurRood, opmaak, knoop,
                          verticaal ? std::numbers::pi : onder);
    }
    return QIcon(beeld);
}
} // namespace

TfrmConstructie::TfrmConstructie(TManipuleerConstructie& constructie, TToestand& toestand,
                                 const Teksten& teksten, TDialogen& dialogen, MpVrager vraagMp,
                                 QWidget* ouder)
    : QWidget(ouder), constructie_(constructie), toestand_(toestand), teksten_(teksten),
      dialogen_(dialogen), vraagMp_(std::move(vraagMp)) {
    setObjectName("frmConstructie");
    resize(814, 610);
    MaakOnderdelen();
    MaakMenus();
    setWindowTitle(QString::fromStdString(teksten_[93]));
    for (int tab = 0; tab < 3; ++tab) {
        tabConstructie_->addTab(QString::fromStdString(teksten_[94 + tab]));
    }
    VulTekstenIn();
    ImageConstructie_->setCursor(BewerkingsCursor(toestand_.Bewerking));
    tabConstructie_->setCurrentIndex(TabStaven);
    connect(tabConstructie_, &QTabBar::currentChanged, this, [this] { VernieuwTabel(); });
    VernieuwTabel();
    PasZoomToe();
}

void TfrmConstructie::MaakOnderdelen() {
    ScrollBox1_ = new QScrollArea(this);
    ScrollBox1_->setBackgroundRole(QPalette::Base);
    ScrollBox1_->setWidgetResizable(false);
    ImageConstructie_ = new TTekenvlak(this);
    ImageConstructie_->setObjectName("ImageConstructie");
    ImageConstructie_->setAttribute(Qt::WA_OpaquePaintEvent);
    ImageConstructie_->Teken = [this](QPainter& painter) {
        const TEditorInstellingen inst = Instellingen();
        TekenConstructie(painter, constructie_, inst, ImageConstructie_->size());
        if (constructie_.KnoopBestaat(constructie_.GevondenKnoop)) {
            const auto& k = constructie_.Constructie.Knopen[constructie_.GevondenKnoop];
            TekenKnoopMarkering(painter, StructuurNaarScherm({k.X, k.Y}, inst));
        }
        TekenSleepbeeld(painter, Sleepbeeld());
    };
    connect(ImageConstructie_, &TTekenvlak::Ingedrukt, this,
            [this](QPointF p, Qt::MouseButton knop) {
                ImageConstructieMouseDown(knop, p.toPoint().x(), p.toPoint().y());
            });
    connect(ImageConstructie_, &TTekenvlak::Bewogen, this,
            [this](QPointF p) { ImageConstructieMouseMove(p.toPoint().x(), p.toPoint().y()); });
    connect(ImageConstructie_, &TTekenvlak::Losgelaten, this,
            [this](QPointF p, Qt::MouseButton knop) {
                ImageConstructieMouseUp(knop, p.toPoint().x(), p.toPoint().y());
            });
    ScrollBox1_->setWidget(ImageConstructie_);
    ScrollBox1_->installEventFilter(this);

    auto* onder = new QWidget(this);
    onder->setFixedHeight(160);
    auto* links = new QVBoxLayout;
    links->setContentsMargins(0, 0, 0, 0);
    links->setSpacing(0);
    grdConstructie_ = new QTableWidget(this);
    grdConstructie_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdConstructie_->setShowGrid(false);
    grdConstructie_->verticalHeader()->hide();
    grdConstructie_->verticalHeader()->setDefaultSectionSize(18);
    grdConstructie_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tabConstructie_ = new QTabBar(this);
    tabConstructie_->setShape(QTabBar::RoundedSouth);
    tabConstructie_->setStyleSheet("QTabBar::tab { min-width: 100px; }");
    links->addWidget(grdConstructie_);
    links->addWidget(tabConstructie_);
    auto* onderIndeling = new QHBoxLayout(onder);
    onderIndeling->setContentsMargins(0, 0, 0, 0);
    onderIndeling->addLayout(links, 1);
    onderIndeling->addWidget(MaakPaneel());

    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->addWidget(ScrollBox1_, 1);
    indeling->addWidget(onder);
}

QWidget* TfrmConstructie::MaakPaneel() {
    auto* paneel = new QFrame(this);
    paneel->setObjectName("Panel1");
    paneel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paneel->setFixedWidth(258);
    auto* rooster = new QGridLayout(paneel);
    rooster->setContentsMargins(8, 6, 8, 6);
    rooster->setVerticalSpacing(2);

    const auto spin = [this](int min, int max, int stap, int start) {
        auto* vak = new QSpinBox(this);
        vak->setRange(min, max);
        vak->setSingleStep(stap);
        vak->setValue(start);
        vak->findChild<QLineEdit*>()->setReadOnly(true);
        return vak;
    };
    udGridSize_ = spin(16, 96, 8, 40);
    udFijnheid_ = spin(1, 3, 1, 2);
    SpinEditSchaal_ = spin(1, 25, 1, 1);
    lblZoomen_ = new QLabel(this);
    lblFijnheid_ = new QLabel(this);
    lblSchaal_ = new QLabel(this);
    rooster->addWidget(lblZoomen_, 0, 0);
    rooster->addWidget(udGridSize_, 0, 1);
    rooster->addWidget(lblFijnheid_, 1, 0);
    rooster->addWidget(udFijnheid_, 1, 1);
    rooster->addWidget(lblSchaal_, 2, 0);
    rooster->addWidget(SpinEditSchaal_, 2, 1);

    LabelX_ = new QLabel("0", this);
    LabelY_ = new QLabel("0", this);
    rooster->addWidget(new QLabel("X (m)", this), 3, 0);
    rooster->addWidget(LabelX_, 3, 1);
    rooster->addWidget(new QLabel("Y (m)", this), 4, 0);
    rooster->addWidget(LabelY_, 4, 1);
    for (int soort = 0; soort < 3; ++soort) {
        lblGevonden_[soort] = new QLabel(this);
        LabelGevonden_[soort] = new QLabel("0", this);
        rooster->addWidget(lblGevonden_[soort], 5 + soort, 0);
        rooster->addWidget(LabelGevonden_[soort], 5 + soort, 1);
    }

    connect(udGridSize_, &QSpinBox::valueChanged, this, [this] { PasZoomToe(); });
    connect(udFijnheid_, &QSpinBox::valueChanged, this, [this] { ImageConstructie_->update(); });
    connect(SpinEditSchaal_, &QSpinBox::valueChanged, this,
            [this](int schaal) { SchaalGewijzigd(schaal); });
    return paneel;
}

void TfrmConstructie::MaakMenus() {
    PopupKnopen_ = new QMenu(this);
    PopupStaven_ = new QMenu(this);
    PopupBelastingen_ = new QMenu(this);
    const auto knoopActie = [this](int oplegging) {
        return [this, oplegging] {
            VoerMenuUit([this, oplegging] { constructie_.ZetOplegging(oplegging); });
        };
    };
    const auto verbindingActie = [this](int code) {
        return [this, code] { VoerMenuUit([this, code] { constructie_.ZetVerbinding(code); }); };
    };
    PopupKnopen_->addAction(SymboolIcoon(Scharnierend), {}, this, knoopActie(Scharnierend));
    PopupKnopen_->addAction(SymboolIcoon(Inklemming), {}, this, knoopActie(Inklemming));
    PopupKnopen_->addAction(SymboolIcoon(RolHorizontaal), {}, this, knoopActie(RolHorizontaal));
    PopupKnopen_->addAction(SymboolIcoon(RolVerticaal), {}, this, knoopActie(RolVerticaal));
    PopupKnopen_->addAction(SymboolIcoon(GeenOplegging), {}, this, knoopActie(GeenOplegging));
    PopupKnopen_->addSeparator();
    PopupKnopen_->addAction(SymboolIcoon(ScharnierendeVerbinding + 10), {}, this,
                            verbindingActie(ScharnierendeVerbinding));
    PopupKnopen_->addAction(SymboolIcoon(GeenOplegging), {}, this,
                            verbindingActie(VasteVerbinding));
    PopupKnopen_->addSeparator();
    PopupKnopen_->addAction({}, this, [this] { VoerMenuUit([this] { constructie_.WisKnoop(); }); });
    PopupStaven_->addAction({}, this, [this] { MpClick(); });
    PopupStaven_->addAction({}, this, [this] { VoerMenuUit([this] { constructie_.WisStaaf(); }); });
    PopupBelastingen_->addAction({}, this,
                                 [this] { VoerMenuUit([this] { constructie_.WisBelasting(); }); });
}

void TfrmConstructie::VulTekstenIn() {
    const auto tekst = [this](int i) { return QString::fromStdString(teksten_[i]); };
    lblZoomen_->setText(tekst(186));
    lblFijnheid_->setText(tekst(187));
    lblSchaal_->setText(tekst(188));
    for (int soort = 0; soort < 3; ++soort) {
        lblGevonden_[soort]->setText(tekst(189 + soort));
    }
    QList<QAction*> items;
    items << PopupStaven_->actions();
    for (auto* actie : PopupKnopen_->actions()) {
        if (!actie->isSeparator()) {
            items << actie;
        }
    }
    items << PopupBelastingen_->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setText(tekst(192 + i));
    }
}

QLabel* TfrmConstructie::GevondenLabel(int soort) const {
    return LabelGevonden_.at(soort);
}

TEditorInstellingen TfrmConstructie::Instellingen() const {
    return {udGridSize_->value(), udFijnheid_->value(), SpinEditSchaal_->value()};
}

void TfrmConstructie::ZetBewerking(TBewerking bewerking) {
    ImageConstructie_->setCursor(BewerkingsCursor(bewerking));
    switch (bewerking) {
    case TBewerking::StaafToevoegen:
    case TBewerking::StaafVerwijderen:
        tabConstructie_->setCurrentIndex(TabStaven);
        break;
    case TBewerking::KnoopAanpassen:
    case TBewerking::KnoopVerwijderen:
        tabConstructie_->setCurrentIndex(TabKnopen);
        break;
    default:
        tabConstructie_->setCurrentIndex(TabBelastingen);
        break;
    }
    VernieuwTabel();
}

void TfrmConstructie::ZetSchaalStil(int schaal) {
    const QSignalBlocker stil(SpinEditSchaal_);
    SpinEditSchaal_->setValue(schaal);
}

void TfrmConstructie::Herteken() {
    constructie_.NormaliseerVolledig();
    ImageConstructie_->update();
    VernieuwTabel();
}

void TfrmConstructie::PasZoomToe() {
    const QSize referentie = ScrollBox1_->size();
    const double factor = udGridSize_->value() / 16.0;
    ImageConstructie_->resize(static_cast<int>(std::lround(referentie.width() * factor)),
                              static_cast<int>(std::lround(referentie.height() * factor)));
    ImageConstructie_->update();
}

bool TfrmConstructie::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (object == ScrollBox1_ && gebeurtenis->type() == QEvent::Resize) {
        PasZoomToe();
    }
    return QWidget::eventFilter(object, gebeurtenis);
}

void TfrmConstructie::SchaalGewijzigd(int schaal) {
    toestand_.ResultatenGeldig = false;
    constructie_.HerschaalKnopen(schaal);
    VernieuwTabel();
}

void TfrmConstructie::ZoekOnderMuis(int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    const double ppm = static_cast<double>(inst.GridSize) / inst.Schaal;
    constructie_.GevondenKnoop =
        constructie_.ZoekKnoop(PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal),
                               PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal));
    constructie_.GevondenStaaf = ZoekStaaf(constructie_.Constructie, px, py, ppm);
    constructie_.GevondenBelasting =
        ZoekBelasting(constructie_.Constructie, px, py, ppm, inst.GridSize);
}

void TfrmConstructie::ToonMelding(const std::string& melding) {
    if (!melding.empty()) {
        dialogen_.Informatie(this, QString::fromStdString(melding));
    }
}

void TfrmConstructie::ImageConstructieMouseDown(Qt::MouseButton knop, int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    const double x = PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal);
    const double y = PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal);
    BeginBewerking();
    ZoekOnderMuis(px, py);
    popup_ = nullptr;
    if (knop != Qt::LeftButton) {
        MuisIngedrukt = false;
        if (knop == Qt::RightButton) {
            popupItems_ = {constructie_.GevondenKnoop, constructie_.GevondenStaaf,
                           constructie_.GevondenBelasting};
            popup_ = constructie_.GevondenKnoop != -1       ? PopupKnopen_
                     : constructie_.GevondenStaaf != -1     ? PopupStaven_
                     : constructie_.GevondenBelasting != -1 ? PopupBelastingen_
                                                            : nullptr;
        }
        return;
    }
    MuisIngedrukt = true;
    drukPunt_ = SchermPunt(px, py);
    muisPunt_ = drukPunt_;
    switch (toestand_.Bewerking) {
    case TBewerking::StaafToevoegen:
        weigering_ = StaafWeigering(false, x, y);
        emit Aanwijzing(weigering_);
        constructie_.VoegStaafToe(0, x, y);
        break;
    case TBewerking::StaafVerwijderen:
        constructie_.WisStaaf();
        Herteken();
        break;
    case TBewerking::KnoopAanpassen:
        constructie_.VerplaatsKnoop(0, x, y);
        break;
    case TBewerking::KnoopVerwijderen:
        constructie_.WisKnoop();
        Herteken();
        break;
    case TBewerking::BelastingToevoegen:
        constructie_.VoegBelastingToe(0, x, y);
        break;
    case TBewerking::BelastingVerwijderen:
        constructie_.WisBelasting();
        Herteken();
        break;
    }
    EindeBewerking();
}

void TfrmConstructie::ImageConstructieMouseMove(int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    LabelX_->setText(Getal(PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal), 4));
    LabelY_->setText(Getal(PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal), 4));
    ZoekOnderMuis(px, py);
    muisPunt_ = SchermPunt(px, py);
    ImageConstructie_->update();
    LabelGevonden_[0]->setText(QString::number(constructie_.GevondenKnoop + 1));
    LabelGevonden_[1]->setText(QString::number(constructie_.GevondenStaaf + 1));
    LabelGevonden_[2]->setText(QString::number(constructie_.GevondenBelasting + 1));
    ToonHint();
}

void TfrmConstructie::ToonHint() {
    const auto& c = constructie_.Constructie;
    QString hint;
    if (constructie_.GevondenStaaf != -1) {
        hint = "Mp = " + Getal(c.Staven[constructie_.GevondenStaaf].Mp, 15) + " kNm";
    }
    if (constructie_.GevondenBelasting != -1) {
        const auto& b = c.Belastingen[constructie_.GevondenBelasting];
        hint = "P = " + Getal(std::hypot(b.Fx, b.Fy), 4) + "F [kN]";
    }
    if (constructie_.GevondenKnoop != -1) {
        const auto& k = c.Knopen[constructie_.GevondenKnoop];
        hint = "X, Y = " + Getal(k.X, 4) + ", " + Getal(k.Y, 4) + " [m]";
    }
    ImageConstructie_->setToolTip(hint);
    if (hint.isEmpty()) {
        QToolTip::hideText();
    }
}

void TfrmConstructie::ImageConstructieMouseUp(Qt::MouseButton knop, int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    const double x = PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal);
    const double y = PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal);
    if (knop == Qt::LeftButton && MuisIngedrukt) {
        MuisIngedrukt = false;
        ZoekOnderMuis(px, py);
        switch (toestand_.Bewerking) {
        case TBewerking::StaafToevoegen:
            if (weigering_ == -1) {
                weigering_ = StaafWeigering(true, x, y);
                emit Aanwijzing(weigering_);
            }
            ToonMelding(constructie_.VoegStaafToe(1, x, y));
            break;
        case TBewerking::KnoopAanpassen:
            constructie_.VerplaatsKnoop(1, x, y);
            break;
        case TBewerking::BelastingToevoegen:
            ToonMelding(constructie_.VoegBelastingToe(1, x, y));
            break;
        default:
            break;
        }
        Herteken();
    }
    toestand_.ResultatenGeldig = false;
    EindeBewerking();
    if (knop == Qt::RightButton && popup_) {
        QMenu* menu = popup_;
        popup_ = nullptr;
        menu->popup(ImageConstructie_->mapToGlobal(QPoint(px, py)));
    }
}

void TfrmConstructie::VoerMenuUit(const std::function<void()>& actie) {
    BeginBewerking();
    constructie_.GevondenKnoop = popupItems_[0];
    constructie_.GevondenStaaf = popupItems_[1];
    constructie_.GevondenBelasting = popupItems_[2];
    actie();
    toestand_.ResultatenGeldig = false;
    Herteken();
    EindeBewerking();
}

void TfrmConstructie::BeginBewerking() {
    voorBewerking_ = constructie_.Constructie;
}

void TfrmConstructie::EindeBewerking() {
    if (ZelfdeStructuur(voorBewerking_, constructie_.Constructie)) {
        return;
    }
    toestand_.ConstructieGewijzigd = true;
    voorBewerking_ = constructie_.Constructie;
    emit StructuurGewijzigd();
}

int TfrmConstructie::StaafWeigering(bool bijLoslaten, double x, double y) const {
    if (constructie_.StavenVol()) {
        return TekstStavenVolAanwijzing;
    }
    const std::int32_t begin =
        bijLoslaten ? constructie_.Constructie.Staven[constructie_.EersteVrijeStaaf()].Knoop0
                    : constructie_.ZoekKnoop(x, y);
    if (!constructie_.IsVrijUiteinde(begin)) {
        return TekstStaafBeginGeweigerd;
    }
    if (bijLoslaten && !constructie_.IsVrijUiteinde(constructie_.ZoekKnoop(x, y))) {
        return TekstStaafEindGeweigerd;
    }
    return -1;
}

TPunt TfrmConstructie::SchermPunt(int px, int py) const {
    const TEditorInstellingen inst = Instellingen();
    return StructuurNaarScherm({PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal),
                                PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal)},
                               inst);
}

TSleepbeeld TfrmConstructie::Sleepbeeld() const {
    if (!MuisIngedrukt) {
        return {};
    }
    switch (toestand_.Bewerking) {
    case TBewerking::StaafToevoegen: {
        const bool eindBezet = !constructie_.IsVrijUiteinde(constructie_.GevondenKnoop);
        return {TSleepbeeld::Staaf, drukPunt_, muisPunt_, weigering_ != -1 || eindBezet};
    }
    case TBewerking::BelastingToevoegen:
        return {TSleepbeeld::Belasting, drukPunt_, muisPunt_, constructie_.BelastingenVol()};
    case TBewerking::KnoopAanpassen:
        if (constructie_.KnoopBestaat(constructie_.SleepKnoop)) {
            const auto& k = constructie_.Constructie.Knopen[constructie_.SleepKnoop];
            return {TSleepbeeld::Knoop, StructuurNaarScherm({k.X, k.Y}, Instellingen()), muisPunt_,
                    false};
        }
        return {};
    default:
        return {};
    }
}

void TfrmConstructie::MpClick() {
    const std::int32_t staaf = popupItems_[1];
    if (staaf < 0 || staaf >= AantalStaafSlots) {
        return;
    }
    VoerMenuUit([this, staaf] {
        if (const auto waarde = vraagMp_(constructie_.Constructie.Staven[staaf].Mp)) {
            constructie_.ZetMp(*waarde);
        }
    });
}

void TfrmConstructie::VernieuwTabel() {
    const auto tekst = [this](int i) { return QString::fromStdString(teksten_[i]); };
    const int tab = tabConstructie_->currentIndex();
    static constexpr std::array<std::array<int, 4>, 3> Koppen{
        {{97, 98, 99, 100}, {101, 102, 103, 104}, {105, 106, 109, 110}}};
    QStringList koppen;
    for (const int i : Koppen[std::max(0, tab)]) {
        koppen << tekst(i);
    }
    grdConstructie_->clear();
    grdConstructie_->setColumnCount(4);
    grdConstructie_->setHorizontalHeaderLabels(koppen);
    const QFontMetrics maat(grdConstructie_->horizontalHeader()->font());
    for (int kolom = 0; kolom < 4; ++kolom) {
        grdConstructie_->setColumnWidth(kolom, maat.horizontalAdvance(koppen[kolom]) + 10 + 12);
    }
    std::vector<QStringList> rijen;
    const auto& c = constructie_.Constructie;
    if (tab == TabKnopen) {
        for (int i = 0; i < AantalKnoopSlots; ++i) {
            if (c.Knopen[i].Bestaat) {
                rijen.push_back({QString::number(i + 1), Getal(c.Knopen[i].X, 4),
                                 Getal(c.Knopen[i].Y, 4), QString::number(c.Knopen[i].Vrijheid)});
            }
        }
    } else if (tab == TabStaven) {
        for (int i = 0; i < AantalStaafSlots; ++i) {
            if (c.Staven[i].Bestaat) {
                rijen.push_back({QString::number(i + 1), QString::number(c.Staven[i].Knoop0 + 1),
                                 QString::number(c.Staven[i].Knoop1 + 1),
                                 Getal(c.Staven[i].Mp, 15)});
            }
        }
    } else {
        for (int i = 0; i < AantalBelastingSlots; ++i) {
            if (c.Belastingen[i].Bestaat) {
                rijen.push_back({QString::number(i + 1),
                                 QString::number(c.Belastingen[i].Knoop + 1),
                                 Getal(c.Belastingen[i].Fx, 15), Getal(c.Belastingen[i].Fy, 15)});
            }
        }
    }
    grdConstructie_->setRowCount(std::max<int>(1, static_cast<int>(rijen.size())));
    for (int rij = 0; rij < static_cast<int>(rijen.size()); ++rij) {
        for (int kolom = 0; kolom < 4; ++kolom) {
            grdConstructie_->setItem(rij, kolom, new QTableWidgetItem(rijen[rij][kolom]));
        }
    }
}

} // namespace kx
