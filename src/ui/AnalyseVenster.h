#pragma once

#include "drawing/Gebieden.h"
#include "ui/Tekenvlak.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QMenu;
class QScrollArea;

namespace kx {

class Teksten;

// A child window around one analysis view: it hands the view a painter and the drawing area,
// sizes its surface to what the view reports and copies the whole picture to the clipboard.
class TAnalyseVenster : public QWidget {
    Q_OBJECT
public:
    // Draws the view on the painter in the area, sets the area's Right and Bottom and fills the
    // click regions.
    using Tekenaar = std::function<void(QPainter&, Weergavegebied&, Klikgebieden&)>;

    // A surface with a free width follows the view's width; otherwise it keeps the scroll box's
    // width and only its height follows the view.
    TAnalyseVenster(const QString& titel, QSize ontwerpGrootte, bool vrijeBreedte,
                    const Teksten& teksten, QWidget* ouder = nullptr);

    void ZetTekenaar(Tekenaar tekenaar) { tekenaar_ = std::move(tekenaar); }
    // Lays the view out anew at the surface's width and repaints; a redraw that may shrink the
    // picture first sets the surface's height to 0.
    void Herteken(bool krimpen = true);
    // The click regions of the last layout; painting leaves them alone.
    const Klikgebieden& Indeling() const { return indeling_; }
    QSize sizeHint() const override { return ontwerpGrootte_; }
    // The whole picture at the surface's current size, on white.
    QImage Afbeelding() const;
    void Kopieer() const;

    TTekenvlak* Vlak() const { return vlak_; }
    QScrollArea* ScrollBox() const { return scrollBox_; }
    QMenu* KopieerMenu() const { return popKopieren_; }

    // Marks the results shown as no longer those of the structure: a banner above the picture
    // says so, and the figures and the texts of the part below are grey, until the mark is
    // taken off.
    void ZetVerouderd(bool verouderd);
    bool Verouderd() const { return verouderd_; }
    QLabel* Banier() const { return lblVerouderd_; }

    // Mouse on the surface, in its pixels.
    virtual void MuisBeweegt(QPointF) {}
    virtual void MuisIngedrukt(QPointF, Qt::MouseButton) {}
    void MuisLosgelaten(QPointF punt, Qt::MouseButton knop);

    void TekenOp(QPainter& painter, Weergavegebied& gebied, Klikgebieden& klik) const;
    // Places a part below the picture, the two divided by a splitter the user can move.
    void VoegOnderToe(QWidget* onderdeel);

protected:
    bool eventFilter(QObject* object, QEvent* gebeurtenis) override;

private:
    void PasGrootteAan(const Weergavegebied& gebied);
    // The part of the picture being painted, drawn through an image and turned grey.
    void TekenVergrijsd(QPainter& painter, Klikgebieden& klik);

    QLabel* lblVerouderd_;
    QScrollArea* scrollBox_;
    TTekenvlak* vlak_;
    // The area the last paint drew in, whose size the surface then takes.
    Weergavegebied geschilderd_;
    QMenu* popKopieren_;
    Tekenaar tekenaar_;
    Klikgebieden indeling_{};
    QSize ontwerpGrootte_;
    bool vrijeBreedte_;
    bool verouderd_ = false;
    // The part below the picture with its own colours, which the out-of-date mark greys.
    QWidget* onder_ = nullptr;
    QPalette onderPalet_;
};

// The mechanism window: pages of mechanism pictures with clickable pictures and a pager, which
// PgUp, PgDn, Home and End work too.
class TfrmHoeBezwijken : public TAnalyseVenster {
    Q_OBJECT
public:
    TfrmHoeBezwijken(const Teksten& teksten, int gekozenMechanisme, QWidget* ouder = nullptr);

    // A mechanism on the page asked for; the page is laid out around it.
    int Eerste = 0;
    const Klikgebieden& Gebieden() const { return Indeling(); }

    // Shows the page of mechanism `eerste`, leaving the picture scrolled where it was.
    void ToonVanaf(int eerste);
    void MuisBeweegt(QPointF punt) override;
    void MuisIngedrukt(QPointF punt, Qt::MouseButton knop) override;

signals:
    void MechanismeAangeklikt(int index);

private:
    // Follows the pager link of click region `gebied` when it is active.
    void Volg(int gebied);
};

} // namespace kx
