#include "ui/Document.h"

#include "model/Bestand.h"
#include "model/Bewerkingen.h"

#include <QUndoCommand>

namespace kx {

namespace {
// One undo step: the structure before and after an edit.
class TStap : public QUndoCommand {
public:
    TStap(TDocument& document, TConstructie voor, TConstructie na, const QString& naam)
        : QUndoCommand(naam), document_(document), voor_(std::move(voor)), na_(std::move(na)) {}

    void undo() override { document_.Herstel(voor_); }
    // The first redo comes when the step is pushed, after the edit has been made.
    void redo() override {
        if (gedaan_) {
            document_.Herstel(na_);
        }
        gedaan_ = true;
    }

private:
    TDocument& document_;
    TConstructie voor_;
    TConstructie na_;
    bool gedaan_ = false;
};
} // namespace

TDocument::TDocument(const Teksten& teksten, QObject* ouder) : QObject(ouder), teksten_(&teksten) {}

void TDocument::Herstel(const TConstructie& momentopname) {
    constructie_ = momentopname;
    resultatenGeldig_ = false;
    emit StructuurGewijzigd();
}

void TDocument::Voeg(const TConstructie& voor, const QString& naam) {
    geschiedenis_.push(new TStap(*this, voor, constructie_, naam));
}

bool TDocument::Bewerk(const QString& naam, const std::function<void(TConstructie&)>& actie) {
    const TConstructie voor = constructie_;
    actie(constructie_);
    NormaliseerVolledig(constructie_);
    if (ZelfdeStructuur(voor, constructie_)) {
        return false;
    }
    Voeg(voor, naam);
    resultatenGeldig_ = false;
    emit StructuurGewijzigd();
    return true;
}

std::string TDocument::Laad(const std::string& bron, const QString& stapnaam) {
    TConstructie nieuw = constructie_;
    if (std::string melding = LaadConstructie(nieuw, bron, *teksten_); !melding.empty()) {
        return melding;
    }
    NormaliseerVolledig(nieuw);
    const TConstructie voor = constructie_;
    constructie_ = std::move(nieuw);
    if (stapnaam.isEmpty()) {
        geschiedenis_.clear();
    } else {
        if (!ZelfdeStructuur(voor, constructie_)) {
            Voeg(voor, stapnaam);
        }
        geschiedenis_.setClean();
    }
    resultatenGeldig_ = false;
    emit StructuurGewijzigd();
    return {};
}

void TDocument::Opgeslagen(const std::string& naam) {
    bestandsnaam_ = naam;
    geschiedenis_.setClean();
}

} // namespace kx
