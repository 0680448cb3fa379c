#include "model/Bestand.h"

#include "model/Bewerkingen.h"
#include "text/Bestandstoegang.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <sstream>
#include <string_view>
#include <vector>

namespace kx {

namespace {

constexpr std::string_view RegelEinde = "\r\n";
constexpr std::size_t RegelBreedte = 120;

// Right-aligned in the width, with at least one space so that the reader can split the fields.
std::string Veld(std::string_view tekst, std::size_t breedte) {
    const std::size_t opvulling = tekst.size() < breedte ? breedte - tekst.size() : 1;
    std::string veld(opvulling, ' ');
    veld += tekst;
    return veld;
}

std::string Geheel(std::int64_t waarde, std::size_t breedte) {
    std::array<char, 24> buffer{};
    const auto [eind, fout] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), waarde);
    return Veld(std::string_view(buffer.data(), static_cast<std::size_t>(eind - buffer.data())),
                breedte);
}

// "2.00000000000000000E+0000": 18 significant digits and a four-digit exponent.
std::string Reeel(double waarde, std::size_t breedte) {
    // Zero is written without a sign, also when a computation left -0.0.
    waarde = waarde == 0.0 ? 0.0 : waarde;
    std::array<char, 64> buffer{};
    const auto [eind, fout] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), waarde,
                                            std::chars_format::scientific, 17);
    const std::string_view tekst(buffer.data(), static_cast<std::size_t>(eind - buffer.data()));
    const std::size_t e = tekst.find('e');
    if (e == std::string_view::npos || e + 2 >= tekst.size()) {
        return Veld(tekst, breedte);
    }
    const std::string_view exponent = tekst.substr(e + 2);
    std::string getal(tekst.substr(0, e));
    getal += 'E';
    getal += tekst[e + 1];
    getal.append(exponent.size() < 4 ? 4 - exponent.size() : 0, '0');
    getal += exponent;
    return Veld(getal, breedte);
}

// A section title after the indent that every title line shares.
std::string Titelregel(std::string_view titel) {
    return std::string(51, ' ') + std::string(titel);
}

std::string Bestaan(bool bestaat) {
    return Geheel(bestaat ? 1 : 0, 9);
}

class Schrijver {
public:
    explicit Schrijver(std::ostream& uit) : uit_(uit) {}

    void Regel(std::string_view tekst) {
        uit_.write(tekst.data(), static_cast<std::streamsize>(tekst.size()));
        uit_.write(RegelEinde.data(), static_cast<std::streamsize>(RegelEinde.size()));
    }
    void Streep() { Regel(std::string(RegelBreedte, '-')); }
    void Titel(std::string_view titelregel) {
        Streep();
        Regel(titelregel);
        Streep();
    }
    // tussenregel takes the place of the empty line between the sections.
    void Sectie(std::string_view titelregel, std::string_view kolommen,
                std::string_view tussenregel = "") {
        Streep();
        Regel(tussenregel);
        Titel(titelregel);
        Regel(kolommen);
    }

private:
    std::ostream& uit_;
};

std::string KnoopKoppen() {
    return Veld("#", 3) + Veld("x-co\xF6rdinaat", 27) + Veld("y-co\xF6rdinaat", 27) +
           Veld("soort oplegging", 17) + Veld("vrijheid", 10) + Veld("moment", 27) +
           Veld("bestaan", 9);
}

std::string StaafKoppen() {
    return Veld("#", 3) + Veld("knoop 0", 9) + Veld("knoop 1", 9) + Veld("plastisch moment", 27) +
           Veld("bestaan", 9);
}

std::string BelastingKoppen() {
    return Veld("#", 3) + Veld("knoop", 7) + Veld("Fx", 27) + Veld("Fy", 27) + Veld("bestaan", 9);
}

std::string VerdeeldeBelastingKoppen() {
    return Veld("#", 3) + Veld("staaf", 7) + Veld("qx", 27) + Veld("qy", 27) + Veld("bestaan", 9);
}

std::string KnoopRegel(int slot, const TConstructieKnoop& k, double schaal) {
    return Geheel(slot, 3) + Reeel(k.X / schaal, 27) + Reeel(k.Y / schaal, 27) +
           Geheel(k.Oplegging, 17) + Geheel(k.Vrijheid, 10) + Reeel(k.Moment, 27) +
           Bestaan(k.Bestaat);
}

std::string StaafRegel(int slot, const TConstructieStaaf& s) {
    return Geheel(slot, 3) + Geheel(s.Knoop0, 9) + Geheel(s.Knoop1, 9) + Reeel(s.Mp, 27) +
           Bestaan(s.Bestaat);
}

std::string BelastingRegel(int slot, const TConstructieBelasting& b) {
    return Geheel(slot, 3) + Geheel(b.Knoop, 7) + Reeel(b.Fx, 27) + Reeel(b.Fy, 27) +
           Bestaan(b.Bestaat);
}

std::string VerdeeldeBelastingRegel(int slot, const TConstructieVerdeeldeBelasting& q) {
    return Geheel(slot, 3) + Geheel(q.Staaf, 7) + Reeel(q.Qx, 27) + Reeel(q.Qy, 27) +
           Bestaan(q.Bestaat);
}

// The slot lines of each table: every slot of the empty structure while the entries in use lie
// within it, so that such a file reads as it always did; otherwise up to the highest slot in use.
// Distributed loads have a table of their own only when one is in use, and then at least the
// empty structure's slots.
struct TAantallen {
    std::size_t Knopen;
    std::size_t Staven;
    std::size_t Belastingen;
    std::size_t VerdeeldeBelastingen;
};

template <typename Slot> std::size_t TotLaatsteInGebruik(const std::vector<Slot>& tabel) {
    const auto laatste =
        std::find_if(tabel.rbegin(), tabel.rend(), [](const Slot& slot) { return slot.Bestaat; });
    return static_cast<std::size_t>(tabel.rend() - laatste);
}

// Nodes up to the highest in use or named by a bar or load in use, which the reader checks
// against the node count even where the node itself is free.
std::size_t KnopenTotLaatsteGenoemd(const TConstructie& c) {
    std::size_t aantal = TotLaatsteInGebruik(c.Knopen);
    const auto noem = [&aantal](std::int32_t knoop) {
        if (knoop >= 0) {
            aantal = std::max(aantal, static_cast<std::size_t>(knoop) + 1);
        }
    };
    for (const auto& staaf : c.Staven) {
        if (staaf.Bestaat) {
            noem(staaf.Knoop0);
            noem(staaf.Knoop1);
        }
    }
    for (const auto& last : c.Belastingen) {
        if (last.Bestaat) {
            noem(last.Knoop);
        }
    }
    return aantal;
}

// Bars up to the highest in use or named by a distributed load in use.
std::size_t StavenTotLaatsteGenoemd(const TConstructie& c) {
    std::size_t aantal = TotLaatsteInGebruik(c.Staven);
    for (const auto& last : c.VerdeeldeBelastingen) {
        if (last.Bestaat && last.Staaf >= 0) {
            aantal = std::max(aantal, static_cast<std::size_t>(last.Staaf) + 1);
        }
    }
    return aantal;
}

TAantallen Aantallen(const TConstructie& c) {
    const std::size_t verdeeld = TotLaatsteInGebruik(c.VerdeeldeBelastingen);
    const TAantallen inGebruik{
        KnopenTotLaatsteGenoemd(c), StavenTotLaatsteGenoemd(c), TotLaatsteInGebruik(c.Belastingen),
        verdeeld == 0 ? 0 : std::max<std::size_t>(verdeeld, AantalVerdeeldeBelastingSlots)};
    const bool binnenDeLegeTabellen = inGebruik.Knopen <= AantalKnoopSlots &&
                                      inGebruik.Staven <= AantalStaafSlots &&
                                      inGebruik.Belastingen <= AantalBelastingSlots;
    return binnenDeLegeTabellen ? TAantallen{AantalKnoopSlots, AantalStaafSlots,
                                             AantalBelastingSlots, inGebruik.VerdeeldeBelastingen}
                                : inGebruik;
}

// The count line of a table: the number after the label, from column 22 on.
std::string Aantal(std::string_view label, std::size_t aantal) {
    std::string regel(label);
    regel.resize(21, ' ');
    return regel + std::to_string(aantal);
}

// The distributed loads' count, right-aligned in 4 characters after the label.
std::string AantalVerdeeld(std::size_t aantal) {
    return std::string(VerdeeldLabel) + Geheel(static_cast<std::int64_t>(aantal), 4);
}

std::string Schaalregel(std::int32_t schaal) {
    return schaal == 1 ? std::string() : std::string(SchaalLabel) + " " + std::to_string(schaal);
}

// Slot i of the table; beyond a shorter table, a free slot as after MaakLeeg.
template <typename Slot> Slot SlotOfLeeg(const std::vector<Slot>& tabel, std::size_t i) {
    return i < tabel.size() ? tabel[i] : Slot{};
}

bool IsEindig(const TConstructie& c) {
    const auto knoopEindig = [](const TConstructieKnoop& k) {
        return std::isfinite(k.X) && std::isfinite(k.Y) && std::isfinite(k.Moment);
    };
    const auto staafEindig = [](const TConstructieStaaf& s) { return std::isfinite(s.Mp); };
    const auto belastingEindig = [](const TConstructieBelasting& b) {
        return std::isfinite(b.Fx) && std::isfinite(b.Fy);
    };
    const auto verdeeldEindig = [](const TConstructieVerdeeldeBelasting& q) {
        return std::isfinite(q.Qx) && std::isfinite(q.Qy);
    };
    return std::all_of(c.Knopen.begin(), c.Knopen.end(), knoopEindig) &&
           std::all_of(c.Staven.begin(), c.Staven.end(), staafEindig) &&
           std::all_of(c.Belastingen.begin(), c.Belastingen.end(), belastingEindig) &&
           std::all_of(c.VerdeeldeBelastingen.begin(), c.VerdeeldeBelastingen.end(),
                       verdeeldEindig);
}

std::string TweeCijfers(int waarde) {
    return {static_cast<char>('0' + waarde / 10 % 10), static_cast<char>('0' + waarde % 10)};
}

std::tm LokaleTijd() {
    const std::time_t nu = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tijd{};
#ifdef _WIN32
    localtime_s(&tijd, &nu);
#else
    localtime_r(&nu, &tijd);
#endif
    return tijd;
}

} // namespace

void SchrijfConstructie(std::ostream& uit, const TConstructie& constructie,
                        const std::string& datum, const std::string& tijd) {
    const double deler = static_cast<double>(constructie.Schaal);
    Schrijver s(uit);
    s.Streep();
    s.Regel(std::string(50, ' ') + "KX - PLASTOKINETICA");
    s.Streep();
    s.Regel("datum:  " + datum);
    s.Regel("tijd:   " + tijd);
    s.Regel("versie: 1.0");
    const TAantallen aantallen = Aantallen(constructie);
    s.Sectie(Titelregel("    AANTALLEN"), Aantal("aantal knopen:", aantallen.Knopen),
             Schaalregel(constructie.Schaal));
    s.Regel(Aantal("aantal staven:", aantallen.Staven));
    s.Regel(Aantal("aantal belastingen:", aantallen.Belastingen));
    if (aantallen.VerdeeldeBelastingen > 0) {
        s.Regel(AantalVerdeeld(aantallen.VerdeeldeBelastingen));
    }
    s.Sectie(Titelregel("      KNOPEN"), KnoopKoppen());
    for (std::size_t i = 0; i < aantallen.Knopen; ++i) {
        s.Regel(KnoopRegel(static_cast<int>(i), SlotOfLeeg(constructie.Knopen, i), deler));
    }
    s.Sectie(Titelregel("      STAVEN"), StaafKoppen());
    for (std::size_t i = 0; i < aantallen.Staven; ++i) {
        s.Regel(StaafRegel(static_cast<int>(i), SlotOfLeeg(constructie.Staven, i)));
    }
    s.Sectie(Titelregel("   BELASTINGEN"), BelastingKoppen());
    for (std::size_t i = 0; i < aantallen.Belastingen; ++i) {
        s.Regel(BelastingRegel(static_cast<int>(i), SlotOfLeeg(constructie.Belastingen, i)));
    }
    if (aantallen.VerdeeldeBelastingen > 0) {
        s.Sectie(Veld("VERDEELDE BELASTINGEN", 65), VerdeeldeBelastingKoppen());
        for (std::size_t i = 0; i < aantallen.VerdeeldeBelastingen; ++i) {
            s.Regel(VerdeeldeBelastingRegel(static_cast<int>(i),
                                            SlotOfLeeg(constructie.VerdeeldeBelastingen, i)));
        }
    }
    s.Streep();
    s.Regel("");
    s.Titel(Titelregel("      EINDE"));
}

std::string SchrijfConstructieNaarBestand(const std::string& pad, const TConstructie& c,
                                          const Teksten& teksten, const std::string& datum,
                                          const std::string& tijd) {
    TBestandsfout fout{TBestandsfout::TSoort::OngeldigGetal, {}, 0};
    if (c.Schaal >= 1 && IsEindig(c)) {
        std::ostringstream inhoud;
        SchrijfConstructie(inhoud, c, datum, tijd);
        fout = SchrijfBestandVeilig(pad, inhoud.view());
    }
    return fout ? OpslagMelding(teksten, pad, fout) : std::string();
}

std::string LaadConstructie(TConstructie& c, const std::string& bron, const Teksten& teksten) {
    if (bron.empty() || bron == "Voorbeeld") {
        c = bron.empty() ? TConstructie{} : Voorbeeld();
        return "";
    }
    std::string inhoud;
    if (const TBestandsfout fout = LeesGewoonBestand(bron, GrootsteConstructiebestand, inhoud)) {
        return LeesMelding(teksten, bron, fout);
    }
    std::istringstream in(std::move(inhoud));
    TLeesResultaat gelezen = LeesConstructie(in, bron, teksten);
    if (!gelezen.Gelukt()) {
        return gelezen.Melding;
    }
    c = *gelezen.Constructie;
    NormaliseerVolledig(c);
    return "";
}

std::string HuidigeDatum() {
    const std::tm nu = LokaleTijd();
    const int jaar = nu.tm_year + 1900;
    return TweeCijfers(nu.tm_mday) + "-" + TweeCijfers(nu.tm_mon + 1) + "-" +
           TweeCijfers(jaar / 100) + TweeCijfers(jaar % 100);
}

std::string HuidigeTijd() {
    const std::tm nu = LokaleTijd();
    return TweeCijfers(nu.tm_hour) + ":" + TweeCijfers(nu.tm_min) + ":" + TweeCijfers(nu.tm_sec);
}

} // namespace kx
