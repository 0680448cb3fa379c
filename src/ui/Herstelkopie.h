#pragma once

#include "model/Constructie.h"

#include <QObject>
#include <QString>

#include <array>
#include <csignal>
#include <string>
#include <vector>

class QSocketNotifier;

namespace kx {

class Teksten;

// A structure with unsaved edits, kept in the user's data folder when the program was stopped
// from outside, with the file name it had (empty for a new structure).
struct THerstelkopie {
    std::string Pad;
    std::string Bestandsnaam;
};

// Writes a recovery copy of c, one per running program; "" or the message, in teksten.
std::string BewaarHerstelkopie(const TConstructie& c, const std::string& bestandsnaam,
                               const Teksten& teksten);
// The recovery copies present, oldest first.
std::vector<THerstelkopie> Herstelkopieen();
void VerwijderHerstelkopie(const THerstelkopie& kopie);

// Turns SIGTERM and SIGHUP into the signal Gestopt, delivered in the event loop: the handler
// itself only writes the signal's number to a pipe. One at a time; the previous handlers
// return when it goes.
class TNoodstop : public QObject {
    Q_OBJECT
public:
    explicit TNoodstop(QObject* ouder = nullptr);
    ~TNoodstop() override;
    TNoodstop(const TNoodstop&) = delete;
    TNoodstop& operator=(const TNoodstop&) = delete;

signals:
    void Gestopt(int signaal);

private:
    void LeesPijp();

    int leeskant_ = -1;
    int schrijfkant_ = -1;
    QSocketNotifier* melder_ = nullptr;
    std::array<struct sigaction, 2> vorige_{};
};

} // namespace kx
