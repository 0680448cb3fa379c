#include "ui/MechanismeTabel.h"

#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "engine/Krachtenanalyse.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <QFont>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx {

namespace {

QString QTekst(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

QString Opsomming(const std::vector<int>& knopen) {
    QStringList delen;
    for (const int k : knopen) {
        delen << QString::number(k);
    }
    return delen.join(QStringLiteral(", "));
}

// Node numbers padded to one width, so that text order is the order of the number lists.
QString Sorteersleutel(const std::vector<int>& knopen) {
    QStringList delen;
    for (const int k : knopen) {
        delen << QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0'));
    }
    return delen.join(QLatin1Char(','));
}

} // namespace

std::optional<double> PiekMomentverhouding(const TKrachtenanalyse& krachten, int mechanisme) {
    if (!krachten.Berekend()) {
        return std::nullopt;
    }
    const auto& verhoudingen = krachten.Controle().Momentverhoudingen;
    if (mechanisme < 0 || mechanisme >= static_cast<int>(verhoudingen.size()) ||
        verhoudingen[static_cast<std::size_t>(mechanisme)] <= 0.0) {
        return std::nullopt;
    }
    return verhoudingen[static_cast<std::size_t>(mechanisme)];
}

int WaaromGeenMomentverhouding(double bezwijklast) {
    if (IsOneindigeLast(bezwijklast)) {
        return TekstGeenVerhoudingOneindig;
    }
    return Afkappen(bezwijklast) == 0.0 ? TekstGeenVerhoudingNul : TekstGeenVerhoudingEvenwicht;
}

std::vector<int> DraaiendeScharnieren(const TMechanisme& mechanisme) {
    std::vector<int> nummers(mechanisme.DraaiendeScharnieren.begin(),
                             mechanisme.DraaiendeScharnieren.end());
    for (int& n : nummers) {
        ++n;
    }
    return nummers;
}

TMechanismeModel::TMechanismeModel(const TAnalyse& analyse, const TKrachtenanalyse& krachten,
                                   const Teksten& teksten, QObject* ouder)
    : QAbstractTableModel(ouder), analyse_(analyse), krachten_(krachten), teksten_(teksten) {
    Vernieuw();
}

void TMechanismeModel::Vernieuw() {
    beginResetModel();
    const int aantal =
        std::min(analyse_.AantalMechanismen, static_cast<int>(analyse_.Mechanismen.size()));
    scharnieren_.clear();
    sleutels_.clear();
    for (int i = 0; i < aantal; ++i) {
        const TMechanisme& mechanisme = analyse_.Mechanismen[static_cast<std::size_t>(i)];
        const auto knopen = DraaiendeScharnieren(mechanisme);
        QStringList delen{Opsomming(knopen)};
        QString sleutel = Sorteersleutel(knopen);
        // A hinge inside a span has no node: its span follows the nodes.
        for (const TVeldscharnier& veld : mechanisme.Veldscharnieren) {
            if (veld.Draait) {
                delen << QTekst(
                    VulIn(teksten_[TekstPlaatsInVeld], {std::to_string(veld.Staaf + 1)}));
                sleutel += QStringLiteral(",v%1").arg(veld.Staaf + 1, 3, 10, QLatin1Char('0'));
            }
        }
        delen.removeAll(QString());
        scharnieren_.push_back(delen.join(QStringLiteral(", ")));
        sleutels_.push_back(sleutel);
    }
    endResetModel();
}

int TMechanismeModel::Maatgevend() const {
    return analyse_.MaatgevendMechanisme;
}

int TMechanismeModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : static_cast<int>(scharnieren_.size());
}

int TMechanismeModel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : AantalKolommen;
}

QVariant TMechanismeModel::Tekst(int rij, int kolom) const {
    const double fp = analyse_.Mechanismen[static_cast<std::size_t>(rij)].Vgl.Bezwijklast;
    switch (kolom) {
    case kolMechanisme:
        return QString::number(rij + 1) + (rij == analyse_.MaatgevendMechanisme
                                               ? QTekst(teksten_[TekstMaatgevendAchter])
                                               : QString());
    case kolScharnieren:
        return scharnieren_[static_cast<std::size_t>(rij)];
    case kolBezwijklast:
        return IsOneindigeLast(fp) ? QStringLiteral("∞")
                                   : QTekst(AlgemeenGetal(fp, 4, analyse_.Decimaalteken));
    default: {
        const auto verhouding = PiekMomentverhouding(krachten_, rij);
        return verhouding ? QTekst(AlgemeenGetal(*verhouding, 3, analyse_.Decimaalteken))
                          : QString();
    }
    }
}

QVariant TMechanismeModel::Sorteerwaarde(int rij, int kolom) const {
    switch (kolom) {
    case kolMechanisme:
        return rij;
    case kolScharnieren:
        return sleutels_[static_cast<std::size_t>(rij)];
    case kolBezwijklast:
        return analyse_.Mechanismen[static_cast<std::size_t>(rij)].Vgl.Bezwijklast;
    default:
        // Rows without a value sort after every value.
        return PiekMomentverhouding(krachten_, rij)
            .value_or(std::numeric_limits<double>::infinity());
    }
}

QVariant TMechanismeModel::data(const QModelIndex& index, int rol) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (rol == Qt::DisplayRole) {
        return Tekst(index.row(), index.column());
    }
    if (rol == SorteerRol) {
        return Sorteerwaarde(index.row(), index.column());
    }
    if (rol == Qt::ToolTipRole && index.column() == kolMomentverhouding &&
        !PiekMomentverhouding(krachten_, index.row())) {
        const double fp =
            analyse_.Mechanismen[static_cast<std::size_t>(index.row())].Vgl.Bezwijklast;
        return QTekst(teksten_[WaaromGeenMomentverhouding(fp)]);
    }
    if (rol == Qt::FontRole && index.row() == analyse_.MaatgevendMechanisme) {
        QFont vet;
        vet.setBold(true);
        return vet;
    }
    if (rol == Qt::TextAlignmentRole && index.column() != kolScharnieren) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant TMechanismeModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (richting != Qt::Horizontal || rol != Qt::DisplayRole || sectie < 0 ||
        sectie >= AantalKolommen) {
        return QAbstractTableModel::headerData(sectie, richting, rol);
    }
    return QTekst(teksten_[TekstKolomMechanisme + sectie]);
}

TMechanismeTabel::TMechanismeTabel(const TAnalyse& analyse, const TKrachtenanalyse& krachten,
                                   const Teksten& teksten, QWidget* ouder)
    : QTableView(ouder), model_(new TMechanismeModel(analyse, krachten, teksten, this)),
      sortering_(new QSortFilterProxyModel(this)) {
    setObjectName("grdMechanismen");
    sortering_->setSourceModel(model_);
    sortering_->setSortRole(TMechanismeModel::SorteerRol);
    setModel(sortering_);
    setSortingEnabled(true);
    sortByColumn(TMechanismeModel::kolMechanisme, Qt::AscendingOrder);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows of one height need no measuring, which keeps a long table fast.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        emit MechanismeAangeklikt(MechanismeInRij(index.row()));
    });
    Vernieuw();
}

void TMechanismeTabel::Vernieuw() {
    model_->Vernieuw();
    resizeColumnsToContents();
    PasMechanismekolomAan();
}

void TMechanismeTabel::PasMechanismekolomAan() {
    const int kolom = TMechanismeModel::kolMechanisme;
    const int rijen = model_->rowCount();
    if (rijen == 0) {
        return;
    }
    QFont vet = font();
    vet.setBold(true);
    const QFontMetrics maat(vet);
    // Every number is at most as wide as the last; the governing row adds its words.
    int breedte = maat.horizontalAdvance(model_->index(rijen - 1, kolom).data().toString());
    for (const int rij : {0, model_->Maatgevend()}) {
        if (rij >= 0 && rij < rijen) {
            breedte = std::max(breedte,
                               maat.horizontalAdvance(model_->index(rij, kolom).data().toString()));
        }
    }
    // The cell's own margins on both sides, as the style pads a cell.
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    setColumnWidth(kolom, std::max(columnWidth(kolom), breedte + 2 * rand));
}

QSize TMechanismeTabel::sizeHint() const {
    constexpr int ZichtbareRijen = 5;
    return {QTableView::sizeHint().width(),
            horizontalHeader()->sizeHint().height() +
                ZichtbareRijen * verticalHeader()->defaultSectionSize() + 2 * frameWidth()};
}

int TMechanismeTabel::MechanismeInRij(int rij) const {
    return sortering_->mapToSource(sortering_->index(rij, 0)).row();
}

} // namespace kx
