#include "ui/Constructievenster.h"

#include "drawing/Opmaak.h"
#include "drawing/Symbolen.h"
#include "engine/Getalnotatie.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Invoer.h"
#include "model/Raaktest.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/Cursors.h"
#include "ui/Dialogen.h"
#include "ui/Document.h"
#include "ui/GeheelVak.h"
#include "ui/VensterTekst.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
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
constexpr int TabVerdeeld = 3;
constexpr int AantalTabs = 4;

// Cells that take a typed value: a node's X and Y, a bar's Mp, a load's Fx and Fy.
bool IsInvoerkolom(int tab, int kolom) {
    switch (tab) {
    case TabKnopen:
        return kolom == 1 || kolom == 2;
    case TabStaven:
        return kolom == 3;
    case TabBelastingen:
    case TabVerdeeld:
        return kolom == 2 || kolom == 3;
    default:
        return false;
    }
}

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

TfrmConstructie::TfrmConstructie(TDocument& document, const TToestand& toestand,
                                 const Teksten& teksten, TDialogen& dialogen, MpVrager vraagMp,
                                 QWidget* ouder)
    : QWidget(ouder), document_(document), toestand_(toestand), teksten_(teksten),
      dialogen_(dialogen), vraagMp_(std::move(vraagMp)) {
    setObjectName("frmConstructie");
    resize(814, 610);
    MaakOnderdelen();
    MaakMenus();
    setWindowTitle(QString::fromStdString(teksten_[TekstEditorTitel]));
    for (int tab = 0; tab < 3; ++tab) {
        tabConstructie_->addTab(QString::fromStdString(teksten_[TekstEersteEditorTab + tab]));
    }
    tabConstructie_->addTab(QString::fromStdString(teksten_[TekstEditorTabVerdeeld]));
    VulTekstenIn();
    ImageConstructie_->setCursor(BewerkingsCursor(toestand_.Bewerking));
    tabConstructie_->setCurrentIndex(TabStaven);
    connect(tabConstructie_, &QTabBar::currentChanged, this, [this] { VernieuwTabel(); });
    connect(&document_, &TDocument::StructuurGewijzigd, this, &TfrmConstructie::DocumentGewijzigd);
    connect(grdConstructie_, &QTableWidget::itemChanged, this, &TfrmConstructie::CelGewijzigd);
    ZetSchaalStil(document_.Constructie().Schaal);
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
        ++tekenbeurten_;
        const TEditorInstellingen inst = Instellingen();
        const TConstructie& c = Constructie();
        TekenConstructie(painter, c, selectie_, inst, ImageConstructie_->size(), Decimaalteken());
        if (KnoopBestaat(c, selectie_.GevondenKnoop)) {
            const auto& k = c.Knopen[selectie_.GevondenKnoop];
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
    grdConstructie_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                     QAbstractItemView::EditKeyPressed |
                                     QAbstractItemView::AnyKeyPressed);
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

    lblZoomen_ = new QLabel(this);
    lblFijnheid_ = new QLabel(this);
    lblSchaal_ = new QLabel(this);
    // A refused number is named in the hint line with the range the box takes.
    const auto spin = [this](QLabel* label, int min, int max, int stap, int start) {
        auto* vak = new TGeheelVak(min, max, stap, start, this);
        connect(vak, &TGeheelVak::Geweigerd, this, [this, label, min, max] {
            QString naam = label->text();
            if (naam.endsWith(u':')) {
                naam.chop(1);
            }
            emit Weigering(QString::fromStdString(teksten_[TekstInvoerGeheel])
                               .arg(naam, QString::number(min), QString::number(max)));
        });
        return vak;
    };
    udGridSize_ = spin(lblZoomen_, 16, 96, 8, 40);
    udFijnheid_ = spin(lblFijnheid_, 1, 3, 1, 2);
    SpinEditSchaal_ = spin(lblSchaal_, 1, 25, 1, 1);
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
    for (int soort = 0; soort < 4; ++soort) {
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
            VoerMenuUit(TekstStapOplegging, [this, oplegging](TConstructie& c) {
                ZetOplegging(c, selectie_, oplegging);
            });
        };
    };
    const auto verbindingActie = [this](int code) {
        return [this, code] {
            VoerMenuUit(TekstStapVerbinding,
                        [this, code](TConstructie& c) { ZetVerbinding(c, selectie_, code); });
        };
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
    PopupKnopen_->addAction({}, this, [this] {
        VoerMenuUit(TekstStapKnoopVerwijderen, [this](TConstructie& c) { WisKnoop(c, selectie_); });
    });
    PopupStaven_->addAction({}, this, [this] { MpClick(); });
    PopupStaven_->addAction({}, this, [this] {
        VoerMenuUit(TekstStapStaafVerwijderen, [this](TConstructie& c) { WisStaaf(c, selectie_); });
    });
    PopupBelastingen_->addAction({}, this, [this] {
        NeemPopupItems();
        WisGevondenLast();
    });
}

void TfrmConstructie::VulTekstenIn() {
    const auto tekst = [this](int i) { return QString::fromStdString(teksten_[i]); };
    lblZoomen_->setText(tekst(TekstZoomen));
    lblFijnheid_->setText(tekst(TekstFijnheid));
    lblSchaal_->setText(tekst(TekstSchaal));
    for (int soort = 0; soort < 3; ++soort) {
        lblGevonden_[soort]->setText(tekst(TekstEersteGevonden + soort));
    }
    lblGevonden_[3]->setText(tekst(TekstGevondenVerdeeld));
    QList<QAction*> items;
    items << PopupStaven_->actions();
    for (auto* actie : PopupKnopen_->actions()) {
        if (!actie->isSeparator()) {
            items << actie;
        }
    }
    items << PopupBelastingen_->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setText(tekst(TekstEersteEditorMenu + i));
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
    case TBewerking::VerdeeldeBelastingToevoegen:
        tabConstructie_->setCurrentIndex(TabVerdeeld);
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

const TConstructie& TfrmConstructie::Constructie() const {
    return document_.Constructie();
}

void TfrmConstructie::Herteken() {
    ImageConstructie_->update();
    VernieuwTabel();
}

void TfrmConstructie::DocumentGewijzigd() {
    ZetSchaalStil(Constructie().Schaal);
    Herteken();
}

void TfrmConstructie::Bewerk(int stap, const std::function<void(TConstructie&)>& actie) {
    document_.Bewerk(QString::fromStdString(teksten_[stap]), actie);
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
    Bewerk(TekstStapSchaal, [schaal](TConstructie& c) { HerschaalKnopen(c, schaal); });
}

void TfrmConstructie::ZoekOnderMuis(int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    const double ppm = static_cast<double>(inst.GridSize) / inst.Schaal;
    const TConstructie& c = Constructie();
    selectie_.GevondenKnoop =
        ZoekKnoop(c, PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal),
                  PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal));
    selectie_.GevondenStaaf = ZoekStaaf(c, px, py, ppm);
    selectie_.GevondenBelasting = ZoekBelasting(c, px, py, ppm, inst.GridSize);
    selectie_.GevondenVerdeeldeBelasting = ZoekVerdeeldeBelasting(c, px, py, ppm, inst.GridSize);
    selectie_.Rasterstap = Rasterstap(inst.Fijnheid, inst.Schaal);
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
    ZoekOnderMuis(px, py);
    popup_ = nullptr;
    if (knop != Qt::LeftButton) {
        MuisIngedrukt = false;
        if (knop == Qt::RightButton) {
            popupItems_ = {selectie_.GevondenKnoop, selectie_.GevondenStaaf,
                           selectie_.GevondenBelasting, selectie_.GevondenVerdeeldeBelasting};
            const bool last =
                selectie_.GevondenBelasting != -1 || selectie_.GevondenVerdeeldeBelasting != -1;
            popup_ = selectie_.GevondenKnoop != -1   ? PopupKnopen_
                     : selectie_.GevondenStaaf != -1 ? PopupStaven_
                     : last                          ? PopupBelastingen_
                                                     : nullptr;
        }
        return;
    }
    MuisIngedrukt = true;
    drukPunt_ = SchermPunt(px, py);
    muisPunt_ = drukPunt_;
    muisMeters_ = {x, y};
    switch (toestand_.Bewerking) {
    case TBewerking::StaafToevoegen:
        weigering_ = StaafWeigering(false, x, y);
        emit Aanwijzing(weigering_);
        Bewerk(TekstStapStaafToevoegen,
               [this, x, y](TConstructie& c) { VoegStaafToe(c, selectie_, 0, x, y, teksten_); });
        break;
    case TBewerking::StaafVerwijderen:
        Bewerk(TekstStapStaafVerwijderen, [this](TConstructie& c) { WisStaaf(c, selectie_); });
        break;
    case TBewerking::KnoopAanpassen:
        Bewerk(TekstStapKnoopVerplaatsen,
               [this, x, y](TConstructie& c) { VerplaatsKnoop(c, selectie_, 0, x, y); });
        break;
    case TBewerking::KnoopVerwijderen:
        Bewerk(TekstStapKnoopVerwijderen, [this](TConstructie& c) { WisKnoop(c, selectie_); });
        break;
    case TBewerking::BelastingToevoegen:
        Bewerk(TekstStapBelastingToevoegen, [this, x, y](TConstructie& c) {
            VoegBelastingToe(c, selectie_, 0, x, y, teksten_);
        });
        break;
    case TBewerking::BelastingVerwijderen:
        WisGevondenLast();
        break;
    case TBewerking::VerdeeldeBelastingToevoegen:
        Bewerk(TekstStapVerdeeldToevoegen,
               [this, x, y](TConstructie& c) { VoegVerdeeldeBelastingToe(c, selectie_, 0, x, y); });
        break;
    }
    ImageConstructie_->update();
}

void TfrmConstructie::ImageConstructieMouseMove(int px, int py) {
    const TEditorInstellingen inst = Instellingen();
    LabelX_->setText(Getal(PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal), 4));
    LabelY_->setText(Getal(PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal), 4));
    ZoekOnderMuis(px, py);
    muisPunt_ = SchermPunt(px, py);
    muisMeters_ = {PixelNaarX(px, inst.GridSize, inst.Fijnheid, inst.Schaal),
                   PixelNaarY(py, inst.GridSize, inst.Fijnheid, inst.Schaal)};
    ImageConstructie_->update();
    LabelGevonden_[0]->setText(QString::number(selectie_.GevondenKnoop + 1));
    LabelGevonden_[1]->setText(QString::number(selectie_.GevondenStaaf + 1));
    LabelGevonden_[2]->setText(QString::number(selectie_.GevondenBelasting + 1));
    LabelGevonden_[3]->setText(QString::number(selectie_.GevondenVerdeeldeBelasting + 1));
    ToonHint();
}

void TfrmConstructie::ToonHint() {
    const auto& c = Constructie();
    QString hint;
    if (selectie_.GevondenStaaf != -1) {
        hint = "Mp = " + Getal(c.Staven[selectie_.GevondenStaaf].Mp, 15) + " kNm";
    }
    if (selectie_.GevondenVerdeeldeBelasting != -1) {
        const auto& q = c.VerdeeldeBelastingen[selectie_.GevondenVerdeeldeBelasting];
        hint = "q = " + Getal(std::hypot(q.Qx, q.Qy), 4) + "F/m [kN/m]";
    }
    if (selectie_.GevondenBelasting != -1) {
        const auto& b = c.Belastingen[selectie_.GevondenBelasting];
        hint = "P = " + Getal(std::hypot(b.Fx, b.Fy), 4) + "F [kN]";
    }
    if (selectie_.GevondenKnoop != -1) {
        const auto& k = c.Knopen[selectie_.GevondenKnoop];
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
    // The release's own edit; returns the message the operation gives.
    const auto LosLaten = [this](int stap, const std::function<std::string(TConstructie&)>& actie) {
        std::string melding;
        Bewerk(stap, [&](TConstructie& c) { melding = actie(c); });
        return melding;
    };
    if (knop == Qt::LeftButton && MuisIngedrukt) {
        MuisIngedrukt = false;
        ZoekOnderMuis(px, py);
        switch (toestand_.Bewerking) {
        case TBewerking::StaafToevoegen:
            if (weigering_ == -1) {
                weigering_ = StaafWeigering(true, x, y);
                emit Aanwijzing(weigering_);
            }
            ToonMelding(LosLaten(TekstStapStaafToevoegen, [&](TConstructie& c) {
                return VoegStaafToe(c, selectie_, 1, x, y, teksten_);
            }));
            break;
        case TBewerking::KnoopAanpassen:
            MeldGeenRasterpunt(x, y);
            LosLaten(TekstStapKnoopVerplaatsen, [&](TConstructie& c) {
                VerplaatsKnoop(c, selectie_, 1, x, y);
                return std::string();
            });
            break;
        case TBewerking::BelastingToevoegen:
            MeldGeenRasterpunt(x, y);
            ToonMelding(LosLaten(TekstStapBelastingToevoegen, [&](TConstructie& c) {
                return VoegBelastingToe(c, selectie_, 1, x, y, teksten_);
            }));
            break;
        case TBewerking::VerdeeldeBelastingToevoegen:
            Bewerk(TekstStapVerdeeldToevoegen,
                   [&](TConstructie& c) { VoegVerdeeldeBelastingToe(c, selectie_, 1, x, y); });
            break;
        default:
            break;
        }
        ImageConstructie_->update();
    }
    if (knop == Qt::RightButton && popup_) {
        QMenu* menu = popup_;
        popup_ = nullptr;
        menu->popup(ImageConstructie_->mapToGlobal(QPoint(px, py)));
    }
}

void TfrmConstructie::NeemPopupItems() {
    selectie_.GevondenKnoop = popupItems_[0];
    selectie_.GevondenStaaf = popupItems_[1];
    selectie_.GevondenBelasting = popupItems_[2];
    selectie_.GevondenVerdeeldeBelasting = popupItems_[3];
}

void TfrmConstructie::VoerMenuUit(int stap, const std::function<void(TConstructie&)>& actie) {
    NeemPopupItems();
    Bewerk(stap, actie);
}

void TfrmConstructie::WisGevondenLast() {
    if (selectie_.GevondenBelasting != -1) {
        Bewerk(TekstStapBelastingVerwijderen,
               [this](TConstructie& c) { WisBelasting(c, selectie_); });
    } else {
        Bewerk(TekstStapVerdeeldVerwijderen,
               [this](TConstructie& c) { WisVerdeeldeBelasting(c, selectie_); });
    }
}

int TfrmConstructie::StaafWeigering(bool bijLoslaten, double x, double y) const {
    const TConstructie& c = Constructie();
    if (StavenVol(c)) {
        return TekstStavenVolAanwijzing;
    }
    if (!OpRasterpunt(x, y)) {
        return bijLoslaten ? TekstStaafEindGeweigerd : TekstStaafBeginGeweigerd;
    }
    return -1;
}

void TfrmConstructie::MeldGeenRasterpunt(double x, double y) {
    emit Aanwijzing(OpRasterpunt(x, y) ? -1 : TekstGeenRasterpuntOpStaaf);
}

bool TfrmConstructie::OpRasterpunt(double x, double y) const {
    const TConstructie& c = Constructie();
    const std::int32_t staaf = selectie_.GevondenStaaf;
    // A dragged node may move along a bar of its own: it only shortens or turns that bar.
    const bool eigenStaaf = selectie_.SleepKnoop != -1 && IsSlot(c.Staven, staaf) &&
                            (c.Staven[staaf].Knoop0 == selectie_.SleepKnoop ||
                             c.Staven[staaf].Knoop1 == selectie_.SleepKnoop);
    return ZoekKnoop(c, x, y) != -1 || staaf == -1 || eigenStaaf ||
           PuntOpStaaf(c, staaf, {x, y}, selectie_.Rasterstap).has_value();
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
        const bool eindBezet = !OpRasterpunt(muisMeters_.x, muisMeters_.y);
        return {TSleepbeeld::Staaf, drukPunt_, muisPunt_, weigering_ != -1 || eindBezet};
    }
    case TBewerking::BelastingToevoegen:
        return {TSleepbeeld::Belasting, drukPunt_, muisPunt_, BelastingenVol(Constructie())};
    case TBewerking::VerdeeldeBelastingToevoegen:
        return {TSleepbeeld::Belasting, drukPunt_, muisPunt_, false};
    case TBewerking::KnoopAanpassen:
        if (KnoopBestaat(Constructie(), selectie_.SleepKnoop)) {
            const auto& k = Constructie().Knopen[selectie_.SleepKnoop];
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
    if (!IsSlot(Constructie().Staven, staaf)) {
        return;
    }
    const auto waarde = vraagMp_(Constructie().Staven[staaf].Mp);
    if (waarde) {
        VoerMenuUit(TekstStapMp, [this, waarde](TConstructie& c) { ZetMp(c, selectie_, *waarde); });
    }
}

void TfrmConstructie::VernieuwTabel() {
    const auto tekst = [this](int i) { return QString::fromStdString(teksten_[i]); };
    const int tab = tabConstructie_->currentIndex();
    static constexpr std::array<std::array<int, 4>, AantalTabs> Koppen{
        {{TekstKopKnoopNummer, TekstKopKnoopX, TekstKopKnoopY, TekstKopKnoopSoort},
         {TekstKopStaafNummer, TekstKopStaafBegin, TekstKopStaafEind, TekstKopStaafMp},
         {TekstKopBelastingNummer, TekstKopBelastingKnoop, TekstKopBelastingFx,
          TekstKopBelastingFy},
         {TekstKopVerdeeldNummer, TekstKopVerdeeldStaaf, TekstKopVerdeeldQx, TekstKopVerdeeldQy}}};
    QStringList koppen;
    for (const int i : Koppen[std::max(0, tab)]) {
        koppen << tekst(i);
    }
    const QSignalBlocker stil(grdConstructie_);
    grdConstructie_->clear();
    grdConstructie_->setColumnCount(4);
    grdConstructie_->setHorizontalHeaderLabels(koppen);
    const QFontMetrics maat(grdConstructie_->horizontalHeader()->font());
    for (int kolom = 0; kolom < 4; ++kolom) {
        grdConstructie_->setColumnWidth(kolom, maat.horizontalAdvance(koppen[kolom]) + 10 + 12);
    }
    std::vector<QStringList> rijen;
    const auto& c = Constructie();
    if (tab == TabKnopen) {
        for (int i = 0; i < static_cast<int>(c.Knopen.size()); ++i) {
            if (c.Knopen[i].Bestaat) {
                rijen.push_back({QString::number(i + 1), Getal(c.Knopen[i].X, 4),
                                 Getal(c.Knopen[i].Y, 4), QString::number(c.Knopen[i].Vrijheid)});
            }
        }
    } else if (tab == TabStaven) {
        for (int i = 0; i < static_cast<int>(c.Staven.size()); ++i) {
            if (c.Staven[i].Bestaat) {
                rijen.push_back({QString::number(i + 1), QString::number(c.Staven[i].Knoop0 + 1),
                                 QString::number(c.Staven[i].Knoop1 + 1),
                                 Getal(c.Staven[i].Mp, 15)});
            }
        }
    } else if (tab == TabVerdeeld) {
        for (int i = 0; i < static_cast<int>(c.VerdeeldeBelastingen.size()); ++i) {
            const auto& q = c.VerdeeldeBelastingen[i];
            if (q.Bestaat) {
                rijen.push_back({QString::number(i + 1), QString::number(q.Staaf + 1),
                                 Getal(q.Qx, 15), Getal(q.Qy, 15)});
            }
        }
    } else {
        for (int i = 0; i < static_cast<int>(c.Belastingen.size()); ++i) {
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
            auto* item = new QTableWidgetItem(rijen[rij][kolom]);
            if (!IsInvoerkolom(tab, kolom)) {
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            }
            grdConstructie_->setItem(rij, kolom, item);
        }
    }
}

void TfrmConstructie::CelGewijzigd(QTableWidgetItem* item) {
    // The table is refilled by the edit, which would delete the item while Qt still holds it.
    const int rij = item->row();
    const int kolom = item->column();
    const QString tekst = item->text();
    QMetaObject::invokeMethod(
        this, [this, rij, kolom, tekst] { ZetCel(rij, kolom, tekst); }, Qt::QueuedConnection);
}

QString TfrmConstructie::Weigeringstekst(int tekst, double grens) const {
    return QString::fromStdString(teksten_[tekst]).arg(Getal(grens, 4));
}

void TfrmConstructie::ZetCel(int rij, int kolom, const QString& tekst) {
    const int tab = tabConstructie_->currentIndex();
    const QTableWidgetItem* nummer = grdConstructie_->item(rij, 0);
    if (!IsInvoerkolom(tab, kolom) || nummer == nullptr) {
        VernieuwTabel();
        return;
    }
    const std::int32_t slot = nummer->text().toInt() - 1;
    const std::string invoer = tekst.toStdString();
    const int fijnheid = udFijnheid_->value();
    const TConstructie& c = Constructie();
    TInvoer uitkomst;
    int stap = TekstStapKnoopPositie;
    std::function<void(TConstructie&, double)> zet;
    if (tab == TabKnopen && IsSlot(c.Knopen, slot)) {
        const int as = kolom - 1;
        uitkomst = InvoerKnoopCoordinaat(c, slot, as, invoer, fijnheid);
        zet = [slot, as](TConstructie& m, double w) {
            auto& k = m.Knopen[slot];
            (as == 0 ? k.X : k.Y) = w;
        };
    } else if (tab == TabStaven && IsSlot(c.Staven, slot)) {
        uitkomst = InvoerMp(invoer);
        stap = TekstStapMp;
        zet = [slot](TConstructie& m, double w) { m.Staven[slot].Mp = w; };
    } else if (tab == TabBelastingen && IsSlot(c.Belastingen, slot)) {
        const int as = kolom - 2;
        uitkomst = InvoerBelastingComponent(c.Belastingen[slot], as, invoer, fijnheid);
        stap = TekstStapBelastingGrootte;
        zet = [slot, as](TConstructie& m, double w) {
            auto& b = m.Belastingen[slot];
            (as == 0 ? b.Fx : b.Fy) = w;
        };
    } else if (tab == TabVerdeeld && IsSlot(c.VerdeeldeBelastingen, slot)) {
        const int as = kolom - 2;
        uitkomst = InvoerVerdeeldeComponent(c.VerdeeldeBelastingen[slot], as, invoer);
        stap = TekstStapVerdeeldGrootte;
        zet = [slot, as](TConstructie& m, double w) {
            auto& q = m.VerdeeldeBelastingen[slot];
            (as == 0 ? q.Qx : q.Qy) = w;
        };
    }
    if (!uitkomst.Waarde) {
        VernieuwTabel();
        emit Weigering(Weigeringstekst(
            uitkomst.Weigering == -1 ? TekstInvoerGeenGetal : uitkomst.Weigering, uitkomst.Grens));
        return;
    }
    emit Aanwijzing(-1);
    const double waarde = *uitkomst.Waarde;
    if (!document_.Bewerk(QString::fromStdString(teksten_[stap]),
                          [&zet, waarde](TConstructie& m) { zet(m, waarde); })) {
        // The same value in another form: the cell shows it as the table does.
        VernieuwTabel();
    }
}

} // namespace kx
