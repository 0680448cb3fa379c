#pragma once

#include "ui/Dialogen.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace kx::test {

// Message boxes and file dialogs that answer from a script and record what they were asked.
// An empty script answers No to the questions and cancels the file dialogs.
class NepDialogen : public TDialogen {
public:
    std::deque<TAntwoord> Antwoorden;
    std::deque<bool> JaNeeAntwoorden;
    std::deque<QString> OpenAntwoorden;
    std::deque<QString> OpslaanAntwoorden;

    QStringList Meldingen;
    QStringList Vragen;
    int AantalOpenDialogen = 0;
    int AantalOpslaanDialogen = 0;

    void Informatie(QWidget*, const QString& tekst) override { Meldingen << tekst; }

    TAntwoord VraagJaNeeAnnuleren(QWidget*, const QString& tekst) override {
        Vragen << tekst;
        return Neem(Antwoorden, TAntwoord::Nee);
    }

    bool VraagJaNee(QWidget*, const QString& tekst) override {
        Vragen << tekst;
        return Neem(JaNeeAntwoorden, false);
    }

    QString KiesTeOpenen(QWidget*, const QString&, int) override {
        ++AantalOpenDialogen;
        return Neem(OpenAntwoorden, QString());
    }

    QString KiesOpslaan(QWidget*, const QString&, int, const QString&) override {
        ++AantalOpslaanDialogen;
        return Neem(OpslaanAntwoorden, QString());
    }

private:
    template <typename T> static T Neem(std::deque<T>& rij, T standaard) {
        if (rij.empty()) {
            return standaard;
        }
        T antwoord = rij.front();
        rij.pop_front();
        return antwoord;
    }
};

} // namespace kx::test
