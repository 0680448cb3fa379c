#include "ui/AnalyseVenster.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace kx {

namespace {
int Afgekapt(double v) {
    return v > 0.0 && v < 1e6 ? static_cast<int>(v) : (v >= 1e6 ? 1000000 : 0);
}
} // namespace

TAnalyseVenster::TAnalyseVenster(const QString& titel, QSize ontwerpGrootte, bool vrijeBreedte,
                                 const Teksten& teksten, QWidget* ouder)
    : QWidget(ouder), scrollBox_(new QScrollArea(this)), vlak_(new TTekenvlak(this)),
      popKopieren_(new QMenu(this)), ontwerpGrootte_(ontwerpGrootte), vrijeBreedte_(vrijeBreedte) {
    setWindowTitle(titel);
    resize(ontwerpGrootte);
    scrollBox_->setBackgroundRole(QPalette::Base);
    scrollBox_->setWidgetResizable(false);
    vlak_->setAutoFillBackground(true);
    QPalette palet = vlak_->palette();
    palet.setColor(QPalette::Window, Qt::white);
    vlak_->setPalette(palet);
    vlak_->Teken = [this](QPainter& painter) {
        geschilderd_ = {0, 0, static_cast<double>(vlak_->width()),
                        static_cast<double>(vlak_->height())};
        Klikgebieden klik{};
        TekenOp(painter, geschilderd_, klik);
    };
    connect(vlak_, &TTekenvlak::Geschilderd, this, [this] { PasGrootteAan(geschilderd_); });
    connect(vlak_, &TTekenvlak::Ingedrukt, this,
            [this](QPointF p, Qt::MouseButton knop) { MuisIngedrukt(p, knop); });
    connect(vlak_, &TTekenvlak::Bewogen, this, [this](QPointF p) { MuisBeweegt(p); });
    connect(vlak_, &TTekenvlak::Losgelaten, this,
            [this](QPointF p, Qt::MouseButton knop) { MuisLosgelaten(p, knop); });
    scrollBox_->setWidget(vlak_);
    scrollBox_->installEventFilter(this);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(scrollBox_);

    auto* kopieren = popKopieren_->addAction(QString::fromStdString(teksten[TekstKopieren]));
    kopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(kopieren, &QAction::triggered, this, [this] { Kopieer(); });
    auto* sneltoets = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), this);
    sneltoets->setContext(Qt::WidgetWithChildrenShortcut);
    connect(sneltoets, &QShortcut::activated, this, [this] { Kopieer(); });
}

void TAnalyseVenster::TekenOp(QPainter& painter, Weergavegebied& gebied, Klikgebieden& klik) const {
    if (tekenaar_) {
        tekenaar_(painter, gebied, klik);
    }
}

void TAnalyseVenster::VoegOnderToe(QWidget* onderdeel) {
    auto* splitser = new QSplitter(Qt::Vertical, this);
    layout()->replaceWidget(scrollBox_, splitser);
    splitser->addWidget(scrollBox_);
    splitser->addWidget(onderdeel);
    // The part below keeps the height it asks for; every extra pixel goes to the picture.
    splitser->setStretchFactor(0, 1);
    splitser->setStretchFactor(1, 0);
    splitser->setChildrenCollapsible(false);
}

void TAnalyseVenster::PasGrootteAan(const Weergavegebied& gebied) {
    const int breedte = vrijeBreedte_ ? Afgekapt(gebied.Right) : vlak_->width();
    const int hoogte = Afgekapt(gebied.Bottom);
    if (breedte != vlak_->width() || hoogte != vlak_->height()) {
        vlak_->resize(breedte, hoogte);
    }
}

bool TAnalyseVenster::eventFilter(QObject* object, QEvent* gebeurtenis) {
    if (object == scrollBox_ && gebeurtenis->type() == QEvent::Resize) {
        // The scroll box's children are laid out after this event, so the width comes from
        // the new size: the free surface leaves 20 pixels, a docked one the frame and the bar.
        const int buiten = static_cast<QResizeEvent*>(gebeurtenis)->size().width();
        const int rand = 2 * scrollBox_->frameWidth() +
                         scrollBox_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        vlak_->resize(std::max(1, buiten - (vrijeBreedte_ ? 20 : rand)), vlak_->height());
        Herteken(false);
    }
    return QWidget::eventFilter(object, gebeurtenis);
}

void TAnalyseVenster::Herteken(bool krimpen) {
    if (krimpen) {
        vlak_->resize(vlak_->width(), 0);
    }
    // The layout comes from a drawing on a recording, which also measures a surface that has no
    // height and so gets no paint event.
    QPicture meting;
    QPainter painter(&meting);
    Weergavegebied gebied{0, 0, static_cast<double>(vlak_->width()),
                          static_cast<double>(vlak_->height())};
    TekenOp(painter, gebied, indeling_);
    painter.end();
    PasGrootteAan(gebied);
    vlak_->update();
}

QImage TAnalyseVenster::Afbeelding() const {
    QImage beeld(std::max(1, vlak_->width()), std::max(1, vlak_->height()), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    QPainter painter(&beeld);
    Weergavegebied gebied{0, 0, static_cast<double>(beeld.width()),
                          static_cast<double>(beeld.height())};
    Klikgebieden klik{};
    TekenOp(painter, gebied, klik);
    return beeld;
}

void TAnalyseVenster::Kopieer() const {
    QApplication::clipboard()->setImage(Afbeelding());
}

void TAnalyseVenster::MuisLosgelaten(QPointF punt, Qt::MouseButton knop) {
    if (knop == Qt::RightButton) {
        popKopieren_->popup(vlak_->mapToGlobal(punt.toPoint()));
    }
}

TfrmHoeBezwijken::TfrmHoeBezwijken(const Teksten& teksten, int gekozenMechanisme, QWidget* ouder)
    : TAnalyseVenster(QString::fromStdString(teksten[TekstHoeVensterTitel]), {281, 217}, true,
                      teksten, ouder),
      Eerste(gekozenMechanisme) {}

void TfrmHoeBezwijken::ToonVanaf(int eerste) {
    Eerste = eerste;
    Laatste = -1;
    Herteken();
}

void TfrmHoeBezwijken::MuisBeweegt(QPointF punt) {
    const bool raak = ZoekKlikgebied(Gebieden(), punt.x(), punt.y()) != -1;
    Vlak()->setCursor(raak ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmHoeBezwijken::MuisIngedrukt(QPointF punt, Qt::MouseButton) {
    const Klikgebieden gebieden = Gebieden();
    for (int i = 0; i <= KlikVolgende; ++i) {
        const TKlikgebied& gebied = gebieden[static_cast<std::size_t>(i)];
        if (gebied.Doel < 0 || !gebied.Bevat(punt.x(), punt.y())) {
            continue;
        }
        if (i == KlikVorige) {
            Eerste = -1;
            Laatste = gebied.Doel;
            Herteken();
        } else if (i == KlikVolgende) {
            Eerste = gebied.Doel;
            Laatste = -1;
            Herteken();
        } else {
            emit MechanismeAangeklikt(gebied.Doel);
        }
    }
}

} // namespace kx
