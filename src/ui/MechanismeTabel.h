#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include <optional>
#include <vector>

class QSortFilterProxyModel;

namespace kx {

class TAnalyse;
class TKrachtenanalyse;
class Teksten;
struct TMechanisme;

// The peak |M|/Mp along the bars of a mechanism at collapse; no value where the moment check
// found no force distribution (as where Fp is infinite).
std::optional<double> PiekMomentverhouding(const TKrachtenanalyse& krachten, int mechanisme);

// Why a mechanism with this collapse load has no peak |M|/Mp: a text index.
int WaaromGeenMomentverhouding(double bezwijklast);

// Numbers (1-based, ascending) of the nodes at which a plastic hinge of the mechanism rotates.
std::vector<int> DraaiendeScharnieren(const TMechanisme& mechanisme);

// Every mechanism of the analysis as a row: number, rotating hinges, collapse load and peak
// moment ratio. Display texts are read from the results when asked; the sort role gives numbers.
class TMechanismeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kolom { kolMechanisme = 0, kolScharnieren, kolBezwijklast, kolMomentverhouding };
    static constexpr int AantalKolommen = 4;
    static constexpr int SorteerRol = Qt::UserRole;

    TMechanismeModel(const TAnalyse& analyse, const TKrachtenanalyse& krachten,
                     const Teksten& teksten, QObject* ouder = nullptr);

    // Takes the results of a new analysis.
    void Vernieuw();
    // The row of the governing mechanism.
    int Maatgevend() const;

    int rowCount(const QModelIndex& ouder = {}) const override;
    int columnCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& index, int rol) const override;
    QVariant headerData(int sectie, Qt::Orientation richting, int rol) const override;

private:
    QVariant Tekst(int rij, int kolom) const;
    QVariant Sorteerwaarde(int rij, int kolom) const;

    const TAnalyse& analyse_;
    const TKrachtenanalyse& krachten_;
    const Teksten& teksten_;
    std::vector<QString> scharnieren_;
    std::vector<QString> sleutels_;
};

// The table below the mechanism pictures, sortable by every column; a click on a row reports
// its mechanism.
class TMechanismeTabel : public QTableView {
    Q_OBJECT
public:
    TMechanismeTabel(const TAnalyse& analyse, const TKrachtenanalyse& krachten,
                     const Teksten& teksten, QWidget* ouder = nullptr);

    void Vernieuw();
    // Room for a few rows: the pictures above keep most of the window.
    QSize sizeHint() const override;
    TMechanismeModel* Model() const { return model_; }
    QSortFilterProxyModel* Sortering() const { return sortering_; }
    // The mechanism index shown in a row of the view as it is sorted now.
    int MechanismeInRij(int rij) const;

signals:
    void MechanismeAangeklikt(int index);

private:
    // The mechanism column as wide as its widest text, the governing row's in bold, which
    // measuring the rows in sight can miss.
    void PasMechanismekolomAan();

    TMechanismeModel* model_;
    QSortFilterProxyModel* sortering_;
};

} // namespace kx
