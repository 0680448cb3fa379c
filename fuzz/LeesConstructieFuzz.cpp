#include "cli/Rapport.h"
#include "engine/Analyse.h"
#include "engine/Evenwichtssommen.h"
#include "engine/Krachtenanalyse.h"
#include "model/Bestand.h"
#include "model/Bewerkingen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// Frames beyond this many bars are read and written but not analysed: the enumeration grows
// with the binomials of the hinge places, and a run should try many small frames a second.
constexpr int GrootsteAantalStaven = 7;

// The share by which a load of the kinematic side may differ from the static theorem's: both
// come from programs solved to 1e-10 on the scale of 1, and the kinematic load from the
// compatibility equations at rounding of 1e-9 of a rotation.
constexpr double StellingTolerantie = 1e-6;

// The share of the largest force (or load times lever) by which a reported distribution may
// miss the balance of the whole frame.
constexpr double BalansTolerantie = 1e-7;

std::string Schrijf(const kx::TConstructie& constructie) {
    std::ostringstream uit;
    kx::SchrijfConstructie(uit, constructie, "01-01-2000", "00:00:00");
    return uit.str();
}

kx::TLeesResultaat Lees(const std::string& tekst) {
    static const kx::Teksten teksten;
    std::istringstream in(tekst);
    return kx::LeesConstructie(in, "fuzz.kx", teksten);
}

[[noreturn]] void Fout(const char* wat) {
    std::fputs(wat, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

// What was read must survive a round trip through the writer with the same entries in use, and
// writing it again must give the same bytes, free slots too. Free slots beyond those written
// do not come back: a table is written up to its highest slot in use.
void ControleerRondgang(const kx::TConstructie& gelezen) {
    const std::string geschreven = Schrijf(gelezen);
    const kx::TLeesResultaat terug = Lees(geschreven);
    if (!terug.Gelukt() || !kx::ZelfdeStructuur(*terug.Constructie, gelezen) ||
        Schrijf(*terug.Constructie) != geschreven) {
        Fout("round trip");
    }
}

template <typename Slot> int InGebruik(const std::vector<Slot>& tabel) {
    return static_cast<int>(
        std::count_if(tabel.begin(), tabel.end(), [](const Slot& s) { return s.Bestaat; }));
}

// The whole frame in balance, from the reactions and the loads alone, a distributed load as its
// resultant at the middle of its bar: the horizontal and vertical sums and the moments about
// the origin (y up, anticlockwise) vanish at load factor lambda.
void ControleerBalans(const kx::TConstructie& c, const kx::TKrachtsverdeling& v) {
    if (!v.Bestaat) {
        return;
    }
    const double lambda = v.Bezwijklast;
    double h = 0.0;
    double vert = 0.0;
    double m = 0.0;
    double kracht = 0.0;
    double arm = 1.0;
    for (const auto& r : v.Reacties) {
        const auto& k = c.Knopen.at(static_cast<std::size_t>(r.Knoop));
        h += r.Rx;
        vert += r.Ry;
        m += k.X * r.Ry + k.Y * r.Rx + r.M;
        kracht = std::max({kracht, std::fabs(r.Rx), std::fabs(r.Ry), std::fabs(r.M)});
        arm = std::max({arm, std::fabs(k.X), std::fabs(k.Y)});
    }
    for (const auto& last : c.Belastingen) {
        if (!last.Bestaat) {
            continue;
        }
        const auto& k = c.Knopen.at(static_cast<std::size_t>(last.Knoop));
        h += lambda * last.Fx;
        vert -= lambda * last.Fy;
        m += lambda * (-k.X * last.Fy + k.Y * last.Fx);
        kracht = std::max({kracht, std::fabs(lambda * last.Fx), std::fabs(lambda * last.Fy)});
        arm = std::max({arm, std::fabs(k.X), std::fabs(k.Y)});
    }
    for (const auto& q : c.VerdeeldeBelastingen) {
        if (!q.Bestaat) {
            continue;
        }
        const auto& staaf = c.Staven.at(static_cast<std::size_t>(q.Staaf));
        const auto& a = c.Knopen.at(static_cast<std::size_t>(staaf.Knoop0));
        const auto& b = c.Knopen.at(static_cast<std::size_t>(staaf.Knoop1));
        const double lengte = std::hypot(b.X - a.X, b.Y - a.Y);
        const double fx = lambda * q.Qx * lengte;
        const double fy = lambda * q.Qy * lengte;
        const double x = (a.X + b.X) / 2.0;
        const double y = (a.Y + b.Y) / 2.0;
        h += fx;
        vert -= fy;
        m += -x * fy + y * fx;
        kracht = std::max({kracht, std::fabs(fx), std::fabs(fy)});
        arm = std::max({arm, std::fabs(x), std::fabs(y)});
    }
    const double grens = BalansTolerantie * kracht;
    if (std::fabs(h) > grens || std::fabs(vert) > grens || std::fabs(m) > grens * arm) {
        Fout("distribution out of balance");
    }
    // The sums a student writes, the joints' moment balances included.
    const kx::TEvenwichtssommen sommen = kx::BepaalEvenwichtssommen(c, v);
    const auto nul = [&](const std::vector<double>& termen, double schaal) {
        double som = 0.0;
        double grootste = 0.0;
        for (const double t : termen) {
            som += t;
            grootste = std::max(grootste, std::fabs(t));
        }
        return std::fabs(som) <= BalansTolerantie * std::max(grootste, kracht) * schaal;
    };
    bool evenwicht = nul(sommen.H, 1.0) && nul(sommen.V, 1.0) && nul(sommen.M, arm);
    for (const auto& knoop : sommen.Knopen) {
        evenwicht = evenwicht && nul(knoop.Termen, 1.0);
    }
    if (!evenwicht) {
        Fout("sums of a distribution do not vanish");
    }
}

// The two theorems: the static load never lies above a kinematic one, and a confirmed
// mechanism's Fp is the static load.
void ControleerStellingen(const kx::TKrachtenanalyse& krachten, const kx::TUitslag& uitslag) {
    const auto& controle = krachten.Controle();
    const double waar = controle.Waar.Bezwijklast;
    if (std::isnan(waar) || waar < 0.0) {
        Fout("static load");
    }
    if (kx::IsOneindigeLast(waar)) {
        return;
    }
    for (const double fp : uitslag.Bezwijklasten) {
        if (waar > fp * (1.0 + StellingTolerantie)) {
            Fout("static load above a kinematic one");
        }
    }
    if (controle.Bevestigd) {
        const double fp = uitslag.Bezwijklasten.at(static_cast<std::size_t>(uitslag.Maatgevend));
        if (std::fabs(fp - waar) > StellingTolerantie * waar) {
            Fout("confirmed mechanism off the static load");
        }
    }
}

// The program's road from a loaded file: normalise, check, analyse what passes, its force side
// and its JSON. No collapse load may come out as NaN, and a hinge in a span lies on its bar.
void Analyseer(const kx::TConstructie& gelezen) {
    const kx::Teksten teksten;
    kx::TConstructie constructie = gelezen;
    if (InGebruik(constructie.Staven) > GrootsteAantalStaven ||
        !kx::ControleerVoorAnalyse(constructie, teksten).empty()) {
        return;
    }
    kx::TAnalyse analyse(teksten);
    analyse.TermenSchrijven = true;
    kx::TUitslag uitslag;
    analyse.BerekenElkMechanisme(constructie, [&](const kx::TBerekendMechanisme& berekend) {
        if (std::isnan(berekend.Mechanisme.Vgl.Bezwijklast)) {
            Fout("NaN collapse load");
        }
        for (const auto& veld : berekend.Mechanisme.Veldscharnieren) {
            if (!(veld.Positie >= 0.0 && veld.Positie <= 1.0) || !std::isfinite(veld.Afstand)) {
                Fout("span hinge off its bar");
            }
        }
        uitslag.VoegToe(berekend, analyse.Plaatsen, true);
    });
    uitslag.Maatgevend = analyse.MaatgevendMechanisme;
    kx::TKrachtenanalyse krachten;
    krachten.Bereken(constructie, uitslag.Opgaven, uitslag.Maatgevend);
    uitslag.Controle = krachten.Controle();
    ControleerStellingen(krachten, uitslag);
    ControleerBalans(constructie, uitslag.Controle.Waar.Verdeling);
    for (int i = 0; i < krachten.AantalMechanismen(); ++i) {
        ControleerBalans(constructie, krachten.Verdeling(i));
    }
    if (krachten.AantalMechanismen() > 0) {
        uitslag.Krachten = krachten.Verdeling(uitslag.Maatgevend);
    }
    if (kx::MaakJson(analyse, uitslag, true).dump().empty()) {
        Fout("empty JSON");
    }
}

} // namespace

// Any bytes are either refused with a message or read, written back and analysed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kx::TLeesResultaat gelezen = Lees(std::string(reinterpret_cast<const char*>(data), size));
    if (!gelezen.Gelukt()) {
        if (gelezen.Melding.empty()) {
            Fout("refused without a message");
        }
        return 0;
    }
    ControleerRondgang(*gelezen.Constructie);
    Analyseer(*gelezen.Constructie);
    return 0;
}
