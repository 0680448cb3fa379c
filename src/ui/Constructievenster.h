#pragma once

#include "drawing/Afbeelding.h"
#include "drawing/StructuurTekening.h"
#include "ui/Tekenvlak.h"
#include "ui/Toestand.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QScrollArea;
class QSpinBox;
class QTabBar;
class QTableWidget;
class QTableWidgetItem;

namespace kx {

class TDialogen;
class TDocument;
class Teksten;
class TfrmConstructie;

// The editor window: the drawing surface in a scroll box, the table of nodes, bars, loads or
// distributed loads, and the zoom, fineness and scale controls with the mouse position and the
// items under the mouse.
// Every change goes through the document; the window follows the document's signal.
class TfrmConstructie : public QWidget {
    Q_OBJECT
public:
    using MpVrager = std::function<std::optional<double>(double huidig)>;

    TfrmConstructie(TDocument& document, const TToestand& toestand, const Teksten& teksten,
                    TDialogen& dialogen, MpVrager vraagMp, QWidget* ouder = nullptr);

    QSize sizeHint() const override { return {814, 610}; }
    TEditorInstellingen Instellingen() const;
    void ZetBewerking(TBewerking bewerking);
    void ZetSchaalStil(int schaal);
    // Repaints the surface and refills the table from the document.
    void Herteken();
    void VernieuwTabel();

    // Mouse handling in pixels of the drawing surface.
    void ImageConstructieMouseDown(Qt::MouseButton knop, int px, int py);
    void ImageConstructieMouseMove(int px, int py);
    void ImageConstructieMouseUp(Qt::MouseButton knop, int px, int py);
    void ZoekOnderMuis(int px, int py);
    // A value typed into a cell of the table: stored as one undo step, or refused with the
    // reason in the hint line and the cell back at its old value.
    void ZetCel(int rij, int kolom, const QString& tekst);

    TTekenvlak* Tekenvlak() const { return ImageConstructie_; }
    QTableWidget* Tabel() const { return grdConstructie_; }
    QTabBar* Tabs() const { return tabConstructie_; }
    QSpinBox* Zoom() const { return udGridSize_; }
    QSpinBox* Fijnheid() const { return udFijnheid_; }
    QSpinBox* Schaal() const { return SpinEditSchaal_; }
    QLabel* GevondenLabel(int soort) const; // 0 knoop, 1 staaf, 2 belasting, 3 verdeelde belasting
    QLabel* PositieLabel(int as) const { return as == 0 ? LabelX_ : LabelY_; }
    // The popup menu a right release would open now, or nullptr.
    QMenu* Popup() const { return popup_; }
    QMenu* PopupKnopen() const { return PopupKnopen_; }
    QMenu* PopupStaven() const { return PopupStaven_; }
    QMenu* PopupBelastingen() const { return PopupBelastingen_; }
    const TConstructie& Constructie() const;
    const TSelectie& Gevonden() const { return selectie_; }
    // Number of paints of the drawing surface so far.
    int AantalTekenbeurten() const { return tekenbeurten_; }

    // What follows the mouse during the present drag.
    TSleepbeeld Sleepbeeld() const;

signals:
    // The hint line should say why a drag was refused (a text index), or -1: the tool's own hint.
    void Aanwijzing(int tekst);
    // The hint line should say why a typed value was refused.
    void Weigering(const QString& tekst);

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    void MaakOnderdelen();
    QWidget* MaakPaneel();
    void MaakMenus();
    void VulTekstenIn();
    void PasZoomToe();
    void SchaalGewijzigd(int schaal);
    void ToonHint();
    void ToonMelding(const std::string& melding);
    // One edit through the document, named by a text index.
    void Bewerk(int stap, const std::function<void(TConstructie&)>& actie);
    // Runs a menu action on the item that was found when the menu opened.
    void VoerMenuUit(int stap, const std::function<void(TConstructie&)>& actie);
    // The items found when the menu opened become the items found.
    void NeemPopupItems();
    // Deletes the point load found, or else the distributed load found.
    void WisGevondenLast();
    void MpClick();
    void DocumentGewijzigd();
    void CelGewijzigd(QTableWidgetItem* item);
    QString Weigeringstekst(int tekst, double grens) const;
    // Why a bar would be refused now (a text index), or -1: at the press, or at the release at
    // the snapped point (x, y) in metres.
    int StaafWeigering(bool bijLoslaten, double x, double y) const;
    // Whether a bar end or a load can go at the snapped point (x, y) under the mouse: a node is
    // there, no bar is, or the bar there has a grid point near.
    bool OpRasterpunt(double x, double y) const;
    // Says in the hint line why a drop on a bar at (x, y) is refused; else the tool's own hint.
    void MeldGeenRasterpunt(double x, double y);
    TPunt SchermPunt(int px, int py) const;

    TDocument& document_;
    const TToestand& toestand_;
    const Teksten& teksten_;
    TDialogen& dialogen_;
    MpVrager vraagMp_;
    bool MuisIngedrukt = false;
    TSelectie selectie_;
    int tekenbeurten_ = 0;
    // Snapped editor pixels of the press and of the mouse now.
    TPunt drukPunt_;
    TPunt muisPunt_;
    TPunt muisMeters_;
    int weigering_ = -1;

    QScrollArea* ScrollBox1_ = nullptr;
    TTekenvlak* ImageConstructie_ = nullptr;
    QTabBar* tabConstructie_ = nullptr;
    QTableWidget* grdConstructie_ = nullptr;
    QSpinBox* udGridSize_ = nullptr;
    QSpinBox* udFijnheid_ = nullptr;
    QSpinBox* SpinEditSchaal_ = nullptr;
    QLabel* lblZoomen_ = nullptr;
    QLabel* lblFijnheid_ = nullptr;
    QLabel* lblSchaal_ = nullptr;
    QLabel* LabelX_ = nullptr;
    QLabel* LabelY_ = nullptr;
    std::array<QLabel*, 4> lblGevonden_{};
    std::array<QLabel*, 4> LabelGevonden_{};
    QMenu* PopupKnopen_ = nullptr;
    QMenu* PopupStaven_ = nullptr;
    QMenu* PopupBelastingen_ = nullptr;
    QMenu* popup_ = nullptr;
    std::array<std::int32_t, 4> popupItems_{-1, -1, -1, -1};
};

} // namespace kx
