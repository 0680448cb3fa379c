#include "model/Bestand.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <vector>

namespace kx {

namespace {

// Longest line the reader takes; a written line is 120 characters, 121 from slot 100 on.
constexpr std::size_t LangsteRegel = 4096;
// The lines read besides the slot lines: the header, the four counts and the section headers.
constexpr std::size_t RegelsBuitenDeSlots = 11 + 4 + 4 * 6;
static_assert((RegelsBuitenDeSlots + 4 * MaxSlots) * (LangsteRegel + 2) <=
                  GrootsteConstructiebestand,
              "a file of full tables with every line at its longest must be admitted");
// Nodes closer than this in both directions are one place to the analysis, which takes every
// difference below 1e-5 as zero.
constexpr double ZelfdePlaats = 1e-5;

// Lines of at most LangsteRegel characters, ended by LF or CR LF; the CR is dropped.
class RegelLezer {
public:
    enum class Status { Gelezen, Einde, TeLang };

    explicit RegelLezer(std::istream& in) : buffer_(in.rdbuf()) {}

    Status Volgende(std::string& regel) {
        ++nummer_;
        regel.clear();
        if (buffer_ == nullptr) {
            return Status::Einde;
        }
        using Traits = std::char_traits<char>;
        auto teken = buffer_->sbumpc();
        if (Traits::eq_int_type(teken, Traits::eof())) {
            return Status::Einde;
        }
        while (!Traits::eq_int_type(teken, Traits::eof()) && Traits::to_char_type(teken) != '\n') {
            if (regel.size() == LangsteRegel) {
                return Status::TeLang;
            }
            regel += Traits::to_char_type(teken);
            teken = buffer_->sbumpc();
        }
        if (!regel.empty() && regel.back() == '\r') {
            regel.pop_back();
        }
        return Status::Gelezen;
    }

    int Nummer() const { return nummer_; }

private:
    std::streambuf* buffer_;
    int nummer_ = 0;
};

bool IsWitruimte(char teken) {
    return teken == ' ' || teken == '\t' || teken == '\r' || teken == '\v' || teken == '\f';
}

std::vector<std::string_view> SplitsVelden(std::string_view regel, std::size_t hoogstens) {
    std::vector<std::string_view> velden;
    std::size_t i = 0;
    while (velden.size() < hoogstens) {
        while (i < regel.size() && IsWitruimte(regel[i])) {
            ++i;
        }
        if (i == regel.size()) {
            break;
        }
        const std::size_t begin = i;
        while (i < regel.size() && !IsWitruimte(regel[i])) {
            ++i;
        }
        velden.push_back(regel.substr(begin, i - begin));
    }
    return velden;
}

// from_chars takes no '+'; one is allowed before a number without its own sign.
std::string_view ZonderPlus(std::string_view veld) {
    if (veld.size() > 1 && veld[0] == '+' && veld[1] != '-' && veld[1] != '+') {
        return veld.substr(1);
    }
    return veld;
}

std::optional<std::int32_t> AlsGeheel(std::string_view veld) {
    veld = ZonderPlus(veld);
    std::int32_t waarde = 0;
    const auto [eind, fout] = std::from_chars(veld.data(), veld.data() + veld.size(), waarde);
    if (fout != std::errc() || eind != veld.data() + veld.size()) {
        return std::nullopt;
    }
    return waarde;
}

enum class ReeelFout { Geen, GeenGetal, NietEindig, BuitenBereik };

ReeelFout AlsReeel(std::string_view veld, double& waarde) {
    veld = ZonderPlus(veld);
    const auto [eind, fout] =
        std::from_chars(veld.data(), veld.data() + veld.size(), waarde, std::chars_format::general);
    if (eind != veld.data() + veld.size() || fout == std::errc::invalid_argument) {
        return ReeelFout::GeenGetal;
    }
    if (fout == std::errc::result_out_of_range) {
        return ReeelFout::BuitenBereik;
    }
    return std::isfinite(waarde) ? ReeelFout::Geen : ReeelFout::NietEindig;
}

// The number after the label's colon of a count line, of any width; a line without a colon holds
// only the number.
std::optional<std::int32_t> AlsAantal(std::string_view regel) {
    if (const std::size_t dubbelepunt = regel.find(':'); dubbelepunt != std::string_view::npos) {
        regel.remove_prefix(dubbelepunt + 1);
    }
    while (!regel.empty() && IsWitruimte(regel.front())) {
        regel.remove_prefix(1);
    }
    while (!regel.empty() && IsWitruimte(regel.back())) {
        regel.remove_suffix(1);
    }
    const bool alleenCijfers =
        !regel.empty() &&
        std::all_of(regel.begin(), regel.end(), [](char c) { return c >= '0' && c <= '9'; });
    return alleenCijfers ? AlsGeheel(regel) : std::nullopt;
}

bool IsOplegCode(std::int32_t code) {
    return code == GeenOplegging || code == RolHorizontaal || code == RolVerticaal ||
           code == Scharnierend || code == Inklemming;
}

bool IsVerbindingsCode(std::int32_t code) {
    return code == ScharnierendeVerbinding || code == VasteVerbinding;
}

// Reads one file; the first fault ends the reading and leaves its message.
class Lezer {
public:
    Lezer(std::istream& in, std::string_view naam, const Teksten& teksten)
        : regels_(in), naam_(naam), t_(teksten) {}

    TLeesResultaat Lees() {
        int knopen = 0;
        int staven = 0;
        int belastingen = 0;
        int verdeeld = 0;
        const bool gelukt =
            SlaOver(7, TekstLeesKopregel) && LeesSchaal() && SlaOver(3, TekstLeesKopregel) &&
            LeesAantal(TekstLeesHetAantalKnopen, TekstVeldAantalKnopen, constructie_.Knopen,
                       knopen) &&
            LeesAantal(TekstLeesHetAantalStaven, TekstVeldAantalStaven, constructie_.Staven,
                       staven) &&
            LeesAantal(TekstLeesHetAantalBelastingen, TekstVeldAantalBelastingen,
                       constructie_.Belastingen, belastingen) &&
            LeesAantalVerdeeldOfKop(verdeeld) && SlaOver(5, TekstLeesKopregelKnopen) &&
            LeesKnopen(knopen) && SlaOver(6, TekstLeesKopregelStaven) && LeesStaven(staven) &&
            SlaOver(6, TekstLeesKopregelBelastingen) && LeesBelastingen(belastingen) &&
            (verdeeld == 0 ||
             (SlaOver(6, TekstLeesKopregelVerdeeld) && LeesVerdeeldeBelastingen(verdeeld)));
        if (!gelukt) {
            return {std::nullopt, melding_};
        }
        return {constructie_, ""};
    }

private:
    bool Fout(std::string_view wat) {
        const std::string regel =
            VulIn(t_[TekstLeesRegel], {std::to_string(regels_.Nummer()), wat});
        melding_ = VulIn(t_[TekstLezenMislukt], {naam_, regel});
        return false;
    }

    bool VeldFout(std::string_view verwacht, int veld) {
        return Fout(VulIn(t_[TekstLeesVerwacht], {verwacht, t_[veld]}));
    }

    bool VeldFout(int verwacht, int veld) { return VeldFout(t_[verwacht], veld); }

    bool VolgendeRegel(int wat) {
        switch (regels_.Volgende(regel_)) {
        case RegelLezer::Status::Gelezen:
            return true;
        case RegelLezer::Status::TeLang:
            return Fout(VulIn(t_[TekstLeesRegelTeLang], {std::to_string(LangsteRegel)}));
        case RegelLezer::Status::Einde:
            break;
        }
        return Fout(VulIn(t_[TekstLeesEinde], {t_[wat]}));
    }

    bool SlaOver(int aantal, int wat) {
        for (int i = 0; i < aantal; ++i) {
            if (!VolgendeRegel(wat)) {
                return false;
            }
        }
        return true;
    }

    // The empty line before the counts, or the scale of a structure drawn at another scale than
    // 1. Coordinates are grid cells in the file and metres in memory.
    bool LeesSchaal() {
        if (!VolgendeRegel(TekstLeesKopregel)) {
            return false;
        }
        std::string_view regel = regel_;
        if (!regel.starts_with(SchaalLabel)) {
            return true;
        }
        regel.remove_prefix(SchaalLabel.size());
        const auto waarde = AlsAantal(regel);
        if (!waarde || *waarde < KleinsteSchaal || *waarde > GrootsteSchaal) {
            return VeldFout(VulIn(t_[TekstLeesSchaalTot],
                                  {std::to_string(KleinsteSchaal), std::to_string(GrootsteSchaal)}),
                            TekstVeldSchaal);
        }
        constructie_.Schaal = *waarde;
        return true;
    }

    // The count of distributed loads when its label follows the loads' count; otherwise the
    // line is the first of the nodes' section header.
    bool LeesAantalVerdeeldOfKop(int& aantal) {
        if (!VolgendeRegel(TekstLeesKopregelKnopen)) {
            return false;
        }
        if (!std::string_view(regel_).starts_with(VerdeeldLabel)) {
            return true;
        }
        const auto waarde = AlsAantal(std::string_view(regel_).substr(VerdeeldLabel.size()));
        if (!waarde || *waarde > MaxSlots) {
            return VeldFout(VulIn(t_[TekstLeesAantalTot], {std::to_string(MaxSlots)}),
                            TekstVeldAantalVerdeeld);
        }
        aantal = *waarde;
        auto& tabel = constructie_.VerdeeldeBelastingen;
        tabel.resize(std::max(tabel.size(), static_cast<std::size_t>(aantal)));
        return SlaOver(1, TekstLeesKopregelKnopen);
    }

    // The table grows to the count read; it never has fewer slots than the empty structure's.
    template <typename Slot>
    bool LeesAantal(int wat, int veld, std::vector<Slot>& tabel, int& aantal) {
        if (!VolgendeRegel(wat)) {
            return false;
        }
        const auto waarde = AlsAantal(regel_);
        if (!waarde || *waarde > MaxSlots) {
            return VeldFout(VulIn(t_[TekstLeesAantalTot], {std::to_string(MaxSlots)}), veld);
        }
        aantal = *waarde;
        tabel.resize(std::max(tabel.size(), static_cast<std::size_t>(aantal)));
        return true;
    }

    bool Geheel(std::size_t index, int veld, std::int32_t& waarde) {
        const auto gelezen = index < velden_.size() ? AlsGeheel(velden_[index]) : std::nullopt;
        if (!gelezen) {
            return VeldFout(TekstLeesGeheelGetal, veld);
        }
        waarde = *gelezen;
        return true;
    }

    bool Reeel(std::size_t index, int veld, double& waarde) {
        double gelezen = 0.0;
        const ReeelFout fout =
            index < velden_.size() ? AlsReeel(velden_[index], gelezen) : ReeelFout::GeenGetal;
        switch (fout) {
        case ReeelFout::Geen:
            waarde = gelezen;
            return true;
        case ReeelFout::GeenGetal:
            return VeldFout(TekstLeesGetal, veld);
        case ReeelFout::NietEindig:
            return VeldFout(TekstLeesEindigGetal, veld);
        case ReeelFout::BuitenBereik:
            break;
        }
        return VeldFout(TekstLeesGetalInBereik, veld);
    }

    bool Bestaan(std::size_t index, int veld, bool& bestaat) {
        std::int32_t waarde = 0;
        if (!Geheel(index, veld, waarde)) {
            return false;
        }
        bestaat = waarde != 0;
        return true;
    }

    // The slot number of the line, below the table's length and not given before in the table.
    bool Slot(int veld, std::vector<bool>& gegeven, int& slot) {
        std::int32_t waarde = 0;
        if (!Geheel(0, veld, waarde)) {
            return false;
        }
        if (waarde < 0 || static_cast<std::size_t>(waarde) >= gegeven.size()) {
            return VeldFout(VulIn(t_[TekstLeesNummerTot], {std::to_string(gegeven.size() - 1)}),
                            veld);
        }
        if (gegeven[static_cast<std::size_t>(waarde)]) {
            return Fout(VulIn(t_[TekstLeesTweedeKeer], {std::to_string(waarde), t_[veld]}));
        }
        gegeven[static_cast<std::size_t>(waarde)] = true;
        slot = waarde;
        return true;
    }

    bool VolgendeGegevensRegel(int wat, std::size_t aantalVelden) {
        if (!VolgendeRegel(wat)) {
            return false;
        }
        velden_ = SplitsVelden(regel_, aantalVelden);
        return true;
    }

    bool LeesKnopen(int aantal) {
        gegeven_.assign(constructie_.Knopen.size(), false);
        for (int i = 0; i < aantal; ++i) {
            if (!VolgendeGegevensRegel(TekstLeesRegelKnoop, 7) || !LeesKnoop()) {
                return false;
            }
        }
        return true;
    }

    bool LeesKnoop() {
        int slot = 0;
        TConstructieKnoop k;
        if (!Slot(TekstVeldKnoopNummer, gegeven_, slot) || !Reeel(1, TekstVeldKnoopX, k.X) ||
            !Reeel(2, TekstVeldKnoopY, k.Y) || !Geheel(3, TekstVeldKnoopOplegging, k.Oplegging) ||
            !Geheel(4, TekstVeldKnoopVrijheid, k.Vrijheid) ||
            !Reeel(5, TekstVeldKnoopMoment, k.Moment) ||
            !Bestaan(6, TekstVeldKnoopBestaan, k.Bestaat)) {
            return false;
        }
        if (!IsOplegCode(k.Oplegging)) {
            return VeldFout(TekstLeesOplegcode, TekstVeldKnoopOplegging);
        }
        if (!IsVerbindingsCode(k.Vrijheid)) {
            return VeldFout(TekstLeesVerbindingscode, TekstVeldKnoopVrijheid);
        }
        k.X *= constructie_.Schaal;
        k.Y *= constructie_.Schaal;
        constructie_.Knopen[static_cast<std::size_t>(slot)] = k;
        return true;
    }

    bool LeesStaven(int aantal) {
        gegeven_.assign(constructie_.Staven.size(), false);
        for (int i = 0; i < aantal; ++i) {
            if (!VolgendeGegevensRegel(TekstLeesRegelStaaf, 5) || !LeesStaaf()) {
                return false;
            }
        }
        return true;
    }

    bool LeesStaaf() {
        int slot = 0;
        TConstructieStaaf s;
        if (!Slot(TekstVeldStaafNummer, gegeven_, slot) ||
            !Geheel(1, TekstVeldStaafKnoop0, s.Knoop0) ||
            !Geheel(2, TekstVeldStaafKnoop1, s.Knoop1) || !Reeel(3, TekstVeldStaafMp, s.Mp) ||
            !Bestaan(4, TekstVeldStaafBestaan, s.Bestaat)) {
            return false;
        }
        if (s.Bestaat && (!IsKnoopInGebruik(s.Knoop0, TekstVeldBestaandeStaafKnoop0) ||
                          !IsKnoopInGebruik(s.Knoop1, TekstVeldBestaandeStaafKnoop1))) {
            return false;
        }
        if (s.Bestaat && !HeeftLengte(slot, s)) {
            return false;
        }
        constructie_.Staven[static_cast<std::size_t>(slot)] = s;
        return true;
    }

    // Bars and nodes are numbered from 1 here, as the user sees them.
    bool HeeftLengte(int slot, const TConstructieStaaf& s) {
        const std::string staaf = std::to_string(slot + 1);
        const std::string knoop0 = std::to_string(s.Knoop0 + 1);
        if (s.Knoop0 == s.Knoop1) {
            return Fout(VulIn(t_[TekstLeesStaafZonderLengte], {staaf, knoop0}));
        }
        const auto& a = constructie_.Knopen[static_cast<std::size_t>(s.Knoop0)];
        const auto& b = constructie_.Knopen[static_cast<std::size_t>(s.Knoop1)];
        if (a.Bestaat && b.Bestaat && std::abs(a.X - b.X) <= ZelfdePlaats &&
            std::abs(a.Y - b.Y) <= ZelfdePlaats) {
            return Fout(VulIn(t_[TekstLeesStaafOpEenPlaats],
                              {staaf, knoop0, std::to_string(s.Knoop1 + 1)}));
        }
        return true;
    }

    bool LeesBelastingen(int aantal) {
        gegeven_.assign(constructie_.Belastingen.size(), false);
        for (int i = 0; i < aantal; ++i) {
            if (!VolgendeGegevensRegel(TekstLeesRegelBelasting, 5) || !LeesBelasting()) {
                return false;
            }
        }
        return true;
    }

    bool LeesBelasting() {
        int slot = 0;
        TConstructieBelasting b;
        if (!Slot(TekstVeldBelastingNummer, gegeven_, slot) ||
            !Geheel(1, TekstVeldBelastingKnoop, b.Knoop) || !Reeel(2, TekstVeldBelastingFx, b.Fx) ||
            !Reeel(3, TekstVeldBelastingFy, b.Fy) ||
            !Bestaan(4, TekstVeldBelastingBestaan, b.Bestaat)) {
            return false;
        }
        if (b.Bestaat && !IsKnoopInGebruik(b.Knoop, TekstVeldBestaandeBelastingKnoop)) {
            return false;
        }
        if (b.Bestaat && b.Fx == 0.0 && b.Fy == 0.0) {
            return VeldFout(TekstLeesBelastingNietNul, TekstVeldBestaandeBelastingFxFy);
        }
        constructie_.Belastingen[static_cast<std::size_t>(slot)] = b;
        return true;
    }

    bool LeesVerdeeldeBelastingen(int aantal) {
        gegeven_.assign(constructie_.VerdeeldeBelastingen.size(), false);
        for (int i = 0; i < aantal; ++i) {
            if (!VolgendeGegevensRegel(TekstLeesRegelVerdeeld, 5) || !LeesVerdeeldeBelasting()) {
                return false;
            }
        }
        return true;
    }

    bool LeesVerdeeldeBelasting() {
        int slot = 0;
        TConstructieVerdeeldeBelasting q;
        if (!Slot(TekstVeldVerdeeldNummer, gegeven_, slot) ||
            !Geheel(1, TekstVeldVerdeeldStaaf, q.Staaf) || !Reeel(2, TekstVeldVerdeeldQx, q.Qx) ||
            !Reeel(3, TekstVeldVerdeeldQy, q.Qy) ||
            !Bestaan(4, TekstVeldVerdeeldBestaan, q.Bestaat)) {
            return false;
        }
        if (q.Bestaat && !IsStaafInGebruik(q.Staaf)) {
            return false;
        }
        if (q.Bestaat && q.Qx == 0.0 && q.Qy == 0.0) {
            return VeldFout(TekstLeesBelastingNietNul, TekstVeldBestaandeVerdeeldQ);
        }
        constructie_.VerdeeldeBelastingen[static_cast<std::size_t>(slot)] = q;
        return true;
    }

    // A bar or load in use names a node slot that is in use itself.
    bool IsKnoopInGebruik(std::int32_t knoop, int veld) {
        if (!IsSlot(constructie_.Knopen, knoop)) {
            return VeldFout(VulIn(t_[TekstLeesKnoopnummerTot],
                                  {std::to_string(constructie_.Knopen.size() - 1)}),
                            veld);
        }
        if (!constructie_.Knopen[static_cast<std::size_t>(knoop)].Bestaat) {
            return VeldFout(TekstLeesKnoopInGebruik, veld);
        }
        return true;
    }

    bool IsStaafInGebruik(std::int32_t staaf) {
        if (!IsSlot(constructie_.Staven, staaf)) {
            return VeldFout(VulIn(t_[TekstLeesStaafnummerTot],
                                  {std::to_string(constructie_.Staven.size() - 1)}),
                            TekstVeldBestaandeVerdeeldStaaf);
        }
        if (!constructie_.Staven[static_cast<std::size_t>(staaf)].Bestaat) {
            return VeldFout(TekstLeesStaafInGebruik, TekstVeldBestaandeVerdeeldStaaf);
        }
        return true;
    }

    RegelLezer regels_;
    std::string_view naam_;
    const Teksten& t_;
    std::string regel_;
    std::vector<std::string_view> velden_;
    // The slots of the table being read that a line has named.
    std::vector<bool> gegeven_;
    TConstructie constructie_;
    std::string melding_;
};

} // namespace

TLeesResultaat LeesConstructie(std::istream& in, const std::string& naam, const Teksten& teksten) {
    return Lezer(in, naam, teksten).Lees();
}

} // namespace kx
