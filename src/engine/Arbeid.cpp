#include "engine/Analyse.h"
#include "engine/Getalnotatie.h"
#include "text/Teksten.h"

#include <cmath>
#include <string>

namespace kx {

namespace {

constexpr int T1 = 133; // start of the equation
constexpr int T2 = 134; // multiplication dot
constexpr int T3 = 135; // times delta theta
constexpr int T4 = 136; // "deel "
constexpr int T5 = 137; // "belasting"
constexpr int T6 = 138; // " = 0"

double Teken(double x) {
    const double a = Afkappen(x);
    return a < 0.0 ? -1.0 : (a > 0.0 ? 1.0 : 0.0);
}

} // namespace

void TAnalyse::BepaalPlastischeMomenten(TMechanisme& mechanisme) const {
    auto& staven = mechanisme.avStaven;
    for (int b = 0; b < static_cast<int>(staven.size()); ++b) {
        for (int n = 0; n < 2; ++n) {
            TKnoop& knoop = staven[b].Knopen[n];
            if (knoop.Soort < 4 && knoop.Stijf) {
                knoop.M = Teken(-staven[b].gamma) * knoop.Mp;
            } else if (knoop.Soort > 3 && knoop.Stijf) {
                // A hinge without a part on its other side does no work.
                const std::int32_t c = BepaalAansluitendeStaaf(mechanisme, b, n);
                knoop.M = c == -1 ? 0.0 : Teken(staven[c].gamma - staven[b].gamma) * knoop.Mp;
            } else {
                knoop.M = 0.0;
            }
        }
    }
}

void TAnalyse::StelArbeidsVergelijkingOp(TMechanisme& mechanisme) const {
    BepaalFactoren(mechanisme);
    SchrijfTermen(mechanisme);
}

void TAnalyse::BepaalFactoren(TMechanisme& mechanisme) const {
    auto& vgl = mechanisme.Vgl;
    const auto& staven = mechanisme.avStaven;
    const auto& belastingen = mechanisme.avBelastingen;
    const std::size_t laatste = 2 * (staven.size() + belastingen.size()) + 1;
    vgl.Factoren.assign(laatste + 1, 0.0);
    vgl.Factoren[0] = 1.0;
    for (std::size_t s = 0; s < staven.size(); ++s) {
        for (std::size_t n = 0; n < 2; ++n) {
            vgl.Factoren[2 * s + 1 + n] = staven[s].Knopen[n].M * staven[s].gamma;
        }
    }
    for (std::size_t j = 0; j < belastingen.size(); ++j) {
        const std::size_t q = 2 * staven.size() + 2 * j + 1;
        vgl.Factoren[q] = belastingen[j].Fx * belastingen[j].dx;
        vgl.Factoren[q + 1] = belastingen[j].Fy * belastingen[j].dy;
    }
    vgl.Factoren[laatste] = 1.0;
}

void TAnalyse::SchrijfTermen(TMechanisme& mechanisme) const {
    const Teksten& t = *teksten_;
    auto& vgl = mechanisme.Vgl;
    const auto& staven = mechanisme.avStaven;
    const auto& belastingen = mechanisme.avBelastingen;
    const std::size_t laatste = 2 * (staven.size() + belastingen.size()) + 1;
    vgl.Regel1.resize(laatste + 1);
    vgl.Regel2.resize(laatste + 1);
    if (vgl.Factoren.size() != laatste + 1) {
        BepaalFactoren(mechanisme);
    }
    // Every text is built by appending to it, without temporary strings.
    const auto getal = [this](std::string& tekst, double v) {
        VoegAlgemeenGetalToe(tekst, std::fabs(v), 3, Decimaalteken);
    };
    // "+ a ⋅ b" for term q, the rest of the term to be appended.
    const auto term = [&](std::size_t q, double a, const char* eenheid, double b) -> std::string& {
        std::string& tekst = vgl.Regel1[q];
        tekst.reserve(48);
        tekst = vgl.Factoren[q] < 0.0 ? "- " : "+ ";
        getal(tekst, a);
        tekst += eenheid;
        tekst += t[T2];
        getal(tekst, b);
        return tekst;
    };

    vgl.Regel1[0] = t[T1];
    for (std::size_t s = 0; s < staven.size(); ++s) {
        const TStaaf& deel = staven[s];
        for (std::size_t n = 0; n < 2; ++n) {
            const std::size_t q = 2 * s + 1 + n;
            term(q, deel.Knopen[n].M, "", deel.gamma / VirtueleRotatie) += t[T3];
            std::string& onder = vgl.Regel2[q];
            onder = t[T4];
            onder += deel.Knopen[0].Naam;
            onder += deel.Knopen[1].Naam;
        }
    }
    const TStaaf geenDeel{};
    std::string rotatie;
    for (std::size_t j = 0; j < belastingen.size(); ++j) {
        const TBelasting& last = belastingen[j];
        // A load without a part has no lever arm and no rotation to print.
        const TStaaf& deel = IsGeldigeStaaf(mechanisme, last.s) ? staven[last.s] : geenDeel;
        rotatie = t[T2];
        getal(rotatie, deel.gamma / VirtueleRotatie);
        rotatie += t[T3];
        const std::size_t q = 2 * staven.size() + 2 * j + 1;
        term(q, last.Fx, " F", last.y - deel.RC.y) += rotatie;
        term(q + 1, last.Fy, " F", last.x - deel.RC.x) += rotatie;
        for (const std::size_t r : {q, q + 1}) {
            vgl.Regel2[r] = t[T5];
            vgl.Regel2[r] += last.Naam;
        }
    }
    vgl.Regel1[laatste] = t[T6];
    vgl.Regel2[0].clear();
    vgl.Regel2[laatste].clear();
}

void TAnalyse::BepaalBezwijklast(TMechanisme& mechanisme, int i) const {
    auto& vgl = mechanisme.Vgl;
    const auto naam = [i] { return "BepaalBezwijklast[" + std::to_string(i) + "]"; };
    const std::size_t intern = 2 * mechanisme.avStaven.size();
    const std::size_t extern_ = intern + 2 * mechanisme.avBelastingen.size();

    LogStap([&] { return std::string("00171 " + naam()); });
    double s1 = 0.0;
    for (std::size_t q = 1; q <= intern; ++q) {
        s1 += vgl.Factoren[q];
        LogStap([&] { return std::string("00172 " + naam() + ", i=" + std::to_string(q)); });
    }
    LogStap([&] { return std::string("00173 " + naam()); });
    double s2 = 0.0;
    for (std::size_t q = intern + 1; q <= extern_; ++q) {
        s2 += vgl.Factoren[q];
        LogStap([&] { return std::string("00174 " + naam() + ", i=" + std::to_string(q)); });
    }
    LogStap([&] { return std::string("00175 " + naam()); });
    vgl.Bezwijklast = Afkappen(s2) == 0.0 ? Oneindig : -s1 / s2;
}

std::int32_t TAnalyse::BepaalMaatgevendMechanisme() const {
    std::int32_t maatgevend = 0;
    for (std::int32_t i = 1; i < static_cast<std::int32_t>(Mechanismen.size()); ++i) {
        if (Mechanismen[i].Vgl.Bezwijklast < Mechanismen[maatgevend].Vgl.Bezwijklast) {
            maatgevend = i;
        }
    }
    return maatgevend;
}

void TAnalyse::VergrootVervorming() {
    for (auto& mechanisme : Mechanismen) {
        VergrootVervorming(mechanisme);
    }
}

void TAnalyse::VergrootVervorming(TMechanisme& mechanisme) {
    for (auto& deel : mechanisme.avStaven) {
        for (auto& knoop : deel.Knopen) {
            knoop.dx *= Vergroting;
            knoop.dy *= Vergroting;
        }
    }
    for (auto& last : mechanisme.avBelastingen) {
        last.dx *= Vergroting;
        last.dy *= Vergroting;
    }
}

void TAnalyse::BepaalPlastischeMomenten(int i) {
    BepaalPlastischeMomenten(Mechanismen[i]);
}

void TAnalyse::StelArbeidsVergelijkingOp(int i) {
    StelArbeidsVergelijkingOp(Mechanismen[i]);
}

void TAnalyse::BepaalBezwijklast(int i) {
    BepaalBezwijklast(Mechanismen[i], i);
}

} // namespace kx
