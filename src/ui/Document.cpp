#include "ui/Document.h"

#include "model/Bestand.h"

#include <QUndoCommand>

namespace kx {

namespace {
bool Zelfde(const TMomentopname& a, const TMomentopname& b) {
    return a.Schaal == b.Schaal && ZelfdeStructuur(a.Constructie, b.Constructie);
}

// One undo step: the structure before and after an edit.
class TStap : public QUndoCommand {
public:
    TStap(TDocument& document, TMomentopname voor, TMomentopname na, const QString& naam)
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
    TMomentopname voor_;
    TMomentopname na_;
    bool gedaan_ = false;
};
} // namespace

TDocument::TDocument(const Teksten& teksten, QObject* ouder)
    : QObject(ouder), constructie_(teksten) {}

TMomentopname TDocument::Momentopname() const {
    return {constructie_.Constructie, constructie_.Schaal};
}

void TDocument::Herstel(const TMomentopname& momentopname) {
    constructie_.Constructie = momentopname.Constructie;
    constructie_.Schaal = momentopname.Schaal;
    resultatenGeldig_ = false;
    emit StructuurGewijzigd();
}

void TDocument::Voeg(const TMomentopname& voor, const QString& naam) {
    geschiedenis_.push(new TStap(*this, voor, Momentopname(), naam));
}

bool TDocument::Bewerk(const QString& naam,
                       const std::function<void(TManipuleerConstructie&)>& actie) {
    const TMomentopname voor = Momentopname();
    actie(constructie_);
    constructie_.NormaliseerVolledig();
    if (Zelfde(voor, Momentopname())) {
        return false;
    }
    Voeg(voor, naam);
    resultatenGeldig_ = false;
    emit StructuurGewijzigd();
    return true;
}

std::string TDocument::Laad(const std::string& bron, const QString& stapnaam) {
    TManipuleerConstructie nieuw = constructie_;
    if (std::string melding = LaadConstructie(nieuw, bron); !melding.empty()) {
        return melding;
    }
    nieuw.NormaliseerVolledig();
    const TMomentopname voor = Momentopname();
    constructie_ = nieuw;
    if (stapnaam.isEmpty()) {
        geschiedenis_.clear();
    } else {
        if (!Zelfde(voor, Momentopname())) {
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
