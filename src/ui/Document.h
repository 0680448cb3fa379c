#pragma once

#include "model/Constructie.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <string>

namespace kx {

class Teksten;

// The one structure of the program with its file name, whether it changed since it was saved or
// opened, whether the analysis results still belong to it, and its edit history. Every edit goes
// through Bewerk or Laad; windows follow the StructuurGewijzigd signal.
class TDocument : public QObject {
    Q_OBJECT
public:
    explicit TDocument(const Teksten& teksten, QObject* ouder = nullptr);

    const TConstructie& Constructie() const { return constructie_; }
    const Teksten& Tekst() const { return *teksten_; }

    const std::string& Bestandsnaam() const { return bestandsnaam_; }
    // Changed since it was last opened, saved or begun anew.
    bool Gewijzigd() const { return !geschiedenis_.isClean(); }
    bool ResultatenGeldig() const { return resultatenGeldig_; }
    void ZetResultatenGeldig(bool geldig) { resultatenGeldig_ = geldig; }
    QUndoStack& Geschiedenis() { return geschiedenis_; }

    // Runs actie on the structure, normalises it and, when the structure or its scale differs
    // from before, makes it one undo step called naam. Returns whether it differs.
    bool Bewerk(const QString& naam, const std::function<void(TConstructie&)>& actie);
    // Loads "", "Voorbeeld" or a file (see LaadConstructie). With a step name the load is one
    // undo step; without, the history starts anew. Either way the result counts as unchanged.
    // Returns the reader's message, empty on success; on failure nothing changes.
    std::string Laad(const std::string& bron, const QString& stapnaam = {});
    void ZetBestandsnaam(const std::string& naam) { bestandsnaam_ = naam; }
    // The structure was saved under naam: from here on it counts as unchanged.
    void Opgeslagen(const std::string& naam);

    // Puts a snapshot in place; used by the undo steps.
    void Herstel(const TConstructie& momentopname);

signals:
    // The structure or its scale changed: by an edit, an undo or redo, or a load.
    void StructuurGewijzigd();

private:
    void Voeg(const TConstructie& voor, const QString& naam);

    const Teksten* teksten_;
    TConstructie constructie_;
    std::string bestandsnaam_;
    bool resultatenGeldig_ = false;
    QUndoStack geschiedenis_;
};

} // namespace kx
