#include "text/Teksten.h"

#include "text/Bestandstoegang.h"
#include "text/TekstTabel.h"

#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace kx {

namespace {

constexpr std::string_view EindeTekst = "###";
constexpr std::string_view Regeleinde = "\r\n";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Reads a translation line by line, without line ends; files written on Windows end their lines
// in CR LF, and an editor that saves as UTF-8 may put a byte order mark before the first line.
class TRegelLezer {
public:
    explicit TRegelLezer(std::istream& invoer) : invoer_(invoer) {}

    bool Lees(std::string& regel) {
        if (!std::getline(invoer_, regel)) {
            return false;
        }
        if (eersteRegel_ && regel.starts_with(Utf8Bom)) {
            regel.erase(0, Utf8Bom.size());
        }
        eersteRegel_ = false;
        if (!regel.empty() && regel.back() == '\r') {
            regel.pop_back();
        }
        return true;
    }

private:
    std::istream& invoer_;
    bool eersteRegel_ = true;
};

// Reads the lines of one text up to its "###". Returns false when the input ends first.
bool LeesTekst(TRegelLezer& lezer, std::string& tekst) {
    tekst.clear();
    std::string regel;
    while (lezer.Lees(regel)) {
        if (regel == EindeTekst) {
            return true;
        }
        if (!tekst.empty()) {
            tekst += Regeleinde;
        }
        tekst += NaarUtf8(regel);
    }
    return false;
}

} // namespace

void Teksten::VulTekstTabel() {
    const auto& basis = BasisTeksten();
    for (int i = 0; i < Aantal; ++i) {
        tabel_[i] = {std::string(basis[i].Sleutel), std::string(basis[i].Inhoud)};
    }
}

int Teksten::LeesVertaling(std::istream& invoer) {
    TRegelLezer lezer(invoer);
    const auto& basis = BasisTeksten();
    std::string tekst;
    int gelezen = 0;
    while (gelezen < Aantal && LeesTekst(lezer, tekst)) {
        // The file cannot hold a leading empty line; the progress lines need theirs.
        if (basis[gelezen].Inhoud.starts_with(Regeleinde)) {
            tekst.insert(0, Regeleinde);
        }
        tabel_[gelezen].Inhoud = std::move(tekst);
        ++gelezen;
    }
    return gelezen;
}

TVertalingGelezen Teksten::LeesVertalingsbestand(const std::string& pad) {
    std::string inhoud;
    const TBestandsfout fout = LeesGewoonBestand(pad, GrootsteVertaling, inhoud);
    if (fout.Soort == TBestandsfout::TSoort::BestaatNiet) {
        return {};
    }
    if (fout) {
        return {0, LeesMelding(*this, pad, fout) + (*this)[TekstVertalingGenegeerd]};
    }
    std::istringstream bestand(std::move(inhoud));
    return {LeesVertaling(bestand), {}};
}

} // namespace kx
