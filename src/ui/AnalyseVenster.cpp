#include "ui/AnalyseVenster.h"

#include "drawing/Vergrijzing.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <optional>

namespace kx {

namespace {
int Afgekapt(double v) {
    return v > 0.0 && v < 1e6 ? static_cast<int>(v) : (v >= 1e6 ? 1000000 : 0);
}
} // namespace

TAnalyseVenster::TAnalyseVenster(const QString& titel, QSize ontwerpGrootte, bool vrijeBreedte,
                                 const Teksten& teksten, QWidget* ouder)
    : QWidget(ouder), lblVerouderd_(new QLabel(this)), scrollBox_(new QScrollArea(this)),
      vlak_(new TTekenvlak(this)), popKopieren_(new QMenu(this)), ontwerpGrootte_(ontwerpGrootte),
      vrijeBreedte_(vrijeBreedte) {
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
        if (verouderd_) {
            TekenVergrijsd(painter, klik);
        } else {
            TekenOp(painter, geschilderd_, klik);
        }
    };
    connect(vlak_, &TTekenvlak::Geschilderd, this, [this] { PasGrootteAan(geschilderd_); });
    connect(vlak_, &TTekenvlak::Ingedrukt, this,
            [this](QPointF p, Qt::MouseButton knop) { MuisIngedrukt(p, knop); });
    connect(vlak_, &TTekenvlak::Bewogen, this, [this](QPointF p) { MuisBeweegt(p); });
    connect(vlak_, &TTekenvlak::Losgelaten, this,
            [this](QPointF p, Qt::MouseButton knop) { MuisLosgelaten(p, knop); });
    scrollBox_->setWidget(vlak_);
    scrollBox_->installEventFilter(this);
    lblVerouderd_->setObjectName("lblVerouderd");
    lblVerouderd_->setText(QString::fromStdString(teksten[TekstVerouderd]));
    lblVerouderd_->setWordWrap(true);
    lblVerouderd_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff4c2; color: black; border-bottom: 1px solid #c8b45a; "
        "padding: 4px 6px; font-weight: bold; }"));
    lblVerouderd_->hide();
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->addWidget(lblVerouderd_);
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

void TAnalyseVenster::ZetVerouderd(bool verouderd) {
    if (verouderd == verouderd_) {
        return;
    }
    verouderd_ = verouderd;
    lblVerouderd_->setVisible(verouderd);
    if (onder_ != nullptr) {
        QPalette palet = onderPalet_;
        if (verouderd) {
            palet.setColor(QPalette::Text, palet.color(QPalette::Disabled, QPalette::Text));
        }
        onder_->setPalette(palet);
    }
    vlak_->update();
}

void TAnalyseVenster::TekenVergrijsd(QPainter& painter, Klikgebieden& klik) {
    const QRect vak = vlak_->Bijwerkvak().isEmpty() ? vlak_->rect() : vlak_->Bijwerkvak();
    const qreal verhouding = vlak_->devicePixelRatioF();
    QImage beeld((QSizeF(vak.size()) * verhouding).toSize(), QImage::Format_RGB32);
    beeld.setDevicePixelRatio(verhouding);
    // Texts measure as on the surface, so the picture keeps its layout.
    beeld.setDotsPerMeterX(qRound(vlak_->logicalDpiX() / 0.0254));
    beeld.setDotsPerMeterY(qRound(vlak_->logicalDpiY() / 0.0254));
    beeld.fill(Qt::white);
    QPainter beeldPainter(&beeld);
    beeldPainter.translate(-vak.topLeft());
    TekenOp(beeldPainter, geschilderd_, klik);
    beeldPainter.end();
    Vergrijs(beeld);
    painter.drawImage(vak.topLeft(), beeld);
}

void TAnalyseVenster::VoegOnderToe(QWidget* onderdeel) {
    auto* splitser = new QSplitter(Qt::Vertical, this);
    layout()->replaceWidget(scrollBox_, splitser);
    splitser->addWidget(scrollBox_);
    splitser->addWidget(onderdeel);
    onder_ = onderdeel;
    onderPalet_ = onderdeel->palette();
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
      Eerste(gekozenMechanisme) {
    for (const auto& [toets, gebied] :
         {std::pair{Qt::Key_PageUp, KlikVorige}, std::pair{Qt::Key_PageDown, KlikVolgende},
          std::pair{Qt::Key_Home, KlikEerste}, std::pair{Qt::Key_End, KlikLaatste}}) {
        // On the picture only: the mechanism table below keeps these keys for its rows.
        auto* sneltoets = new QShortcut(QKeySequence(toets), ScrollBox());
        sneltoets->setContext(Qt::WidgetWithChildrenShortcut);
        connect(sneltoets, &QShortcut::activated, this, [this, gebied = gebied] { Volg(gebied); });
    }
}

namespace {
// The top of the pager's first line: the highest of its active links, or nothing on a single page.
std::optional<double> PagerBoven(const Klikgebieden& gebieden) {
    std::optional<double> boven;
    for (int i = KlikVorige; i < static_cast<int>(gebieden.size()); ++i) {
        const TKlikgebied& g = gebieden[static_cast<std::size_t>(i)];
        if (IsMechanismeGebied(i) && g.Doel >= 0 && (!boven || g.Top < *boven)) {
            boven = g.Top;
        }
    }
    return boven;
}
} // namespace

void TfrmHoeBezwijken::ToonVanaf(int eerste) {
    QScrollBar* balk = ScrollBox()->verticalScrollBar();
    const std::optional<double> voor = PagerBoven(Gebieden());
    const int positie = balk->value();
    Eerste = eerste;
    Herteken();
    // The pager stays where it was in the window, wherever the new page puts it in the picture.
    const std::optional<double> na = PagerBoven(Gebieden());
    balk->setValue(positie + (voor && na ? static_cast<int>(*na - *voor) : 0));
}

void TfrmHoeBezwijken::Volg(int gebied) {
    const int doel = Gebieden()[static_cast<std::size_t>(gebied)].Doel;
    if (doel >= 0) {
        ToonVanaf(doel);
    }
}

void TfrmHoeBezwijken::MuisBeweegt(QPointF punt) {
    const bool raak = ZoekKlikgebied(Gebieden(), punt.x(), punt.y()) != -1;
    Vlak()->setCursor(raak ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmHoeBezwijken::MuisIngedrukt(QPointF punt, Qt::MouseButton) {
    const int gebied = ZoekKlikgebied(Gebieden(), punt.x(), punt.y());
    if (gebied == -1) {
        return;
    }
    if (gebied < KlikVorige) {
        emit MechanismeAangeklikt(Gebieden()[static_cast<std::size_t>(gebied)].Doel);
    } else {
        Volg(gebied);
    }
}

} // namespace kx
