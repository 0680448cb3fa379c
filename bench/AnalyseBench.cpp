// Costs of a whole analysis, in process and through the command-line analyser.
#include "Raamwerken.h"
#include "engine/Analyse.h"
#include "engine/Bezwijkcontrole.h"
#include "engine/Evenwicht.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Bestand.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/Teksten.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

const std::string Keten = std::string(KX_FIXTURES) + "/keten15.kx";

void Laad(kx::TConstructie& constructie, const std::string& bron, const kx::Teksten& teksten) {
    if (const auto melding = kx::LaadConstructie(constructie, bron, teksten); !melding.empty()) {
        throw std::runtime_error(melding);
    }
}

// Check, enumeration and driver, with every equation written out as the program does.
void Analyse(benchmark::State& state, const std::string& bron) {
    const kx::Teksten teksten;
    kx::TConstructie constructie;
    Laad(constructie, bron, teksten);
    for (auto _ : state) {
        kx::TAnalyse analyse(teksten);
        if (!kx::ControleerVoorAnalyse(constructie, teksten).empty()) {
            state.SkipWithError("de constructie wordt afgekeurd");
            return;
        }
        analyse.BepaalMechanismen(constructie);
        benchmark::DoNotOptimize(analyse.BerekeningDeel2());
        state.counters["mechanismen"] = analyse.AantalMechanismen;
    }
}

// The same analysis as kx-analyse runs it: each mechanism released once read.
void AnalysePerMechanisme(benchmark::State& state, const std::string& bron) {
    const kx::Teksten teksten;
    kx::TConstructie constructie;
    Laad(constructie, bron, teksten);
    for (auto _ : state) {
        kx::TAnalyse analyse(teksten);
        analyse.TermenSchrijven = false;
        if (!kx::ControleerVoorAnalyse(constructie, teksten).empty()) {
            state.SkipWithError("de constructie wordt afgekeurd");
            return;
        }
        double som = 0.0;
        analyse.BerekenElkMechanisme(constructie, [&](const kx::TBerekendMechanisme& berekend) {
            som += berekend.Mechanisme.Vgl.Bezwijklast;
        });
        benchmark::DoNotOptimize(som);
    }
}

// The analysis of F6 followed by the moment check of every mechanism and the static theorem.
void AnalyseMetControle(benchmark::State& state, const std::string& bron) {
    const kx::Teksten teksten;
    kx::TConstructie constructie;
    Laad(constructie, bron, teksten);
    for (auto _ : state) {
        kx::TAnalyse analyse(teksten);
        if (!ControleerConstructie(constructie, teksten).empty()) {
            state.SkipWithError("de constructie wordt afgekeurd");
            return;
        }
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        kx::TKrachtenanalyse krachten;
        krachten.Bereken(constructie, kx::MechanismeOpgaven(analyse), analyse.MaatgevendMechanisme);
        benchmark::DoNotOptimize(krachten.Controle().Bevestigd);
    }
}

// A building frame analysed as kx-analyse does for its report: the check, the list of
// mechanisms, the static theorem and the governing mechanism's moment line.
void Gebouw(benchmark::State& state, int verdiepingen, int velden) {
    const kx::Teksten teksten;
    kx::TConstructie constructie = kx::test::Gebouw(verdiepingen, velden);
    for (auto _ : state) {
        if (!kx::ControleerVoorAnalyse(constructie, teksten).empty()) {
            state.SkipWithError("de constructie wordt afgekeurd");
            return;
        }
        kx::TAnalyse analyse(teksten);
        analyse.TermenSchrijven = false;
        std::vector<kx::TMechanismeOpgave> opgaven;
        analyse.BerekenElkMechanisme(constructie, [&](const kx::TBerekendMechanisme& berekend) {
            opgaven.push_back({{}, berekend.Mechanisme.Vgl.Bezwijklast, {}, {}});
        });
        const kx::TEvenwicht evenwicht(constructie);
        const auto controle =
            kx::ControleerMaatgevend(evenwicht, opgaven, analyse.MaatgevendMechanisme);
        if (!controle.Bevestigd || !controle.Waar.Verdeling.Bestaat) {
            state.SkipWithError("het maatgevende mechanisme is niet bevestigd");
            return;
        }
        benchmark::DoNotOptimize(controle.Waar.Verdeling.Staven.data());
        state.counters["mechanismen"] = analyse.AantalMechanismen;
    }
}

// The building frame of 6 storeys and 3 bays as a structure file for kx-analyse.
std::string GebouwBestand() {
    const kx::Teksten teksten;
    kx::TConstructie constructie = kx::test::Gebouw(6, 3);
    const std::string pad = "/tmp/kx-bench-gebouw-6x3.kx";
    if (const auto melding = kx::SchrijfConstructieNaarBestand(pad, constructie, teksten, "", "");
        !melding.empty()) {
        throw std::runtime_error(melding);
    }
    return pad;
}

// A teacher's folder: 200 structure files, the textbook frames and the example in turn.
std::vector<std::string> MapBestanden() {
    const kx::Teksten teksten;
    const std::filesystem::path map = "/tmp/kx-bench-map";
    std::filesystem::create_directories(map);
    auto raamwerken = kx::test::LeerboekRaamwerken();
    raamwerken.push_back({"voorbeeld", kx::Voorbeeld(), 0.0});
    std::vector<std::string> paden;
    for (std::size_t i = 0; i < 200; ++i) {
        const auto pad = (map / ("opgave-" + std::to_string(i + 1) + ".kx")).string();
        if (const auto melding = kx::SchrijfConstructieNaarBestand(
                pad, raamwerken[i % raamwerken.size()].Constructie, teksten, "", "");
            !melding.empty()) {
            throw std::runtime_error(melding);
        }
        paden.push_back(pad);
    }
    return paden;
}

std::vector<std::string> MetOpties(std::vector<std::string> opties) {
    static const std::vector<std::string> bestanden = MapBestanden();
    opties.insert(opties.end(), bestanden.begin(), bestanden.end());
    return opties;
}

void KxAnalyse(benchmark::State& state, std::vector<std::string> argumenten) {
    argumenten.insert(argumenten.begin(), KX_ANALYSE);
    std::vector<char*> argv;
    for (auto& a : argumenten) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &acties, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("kx-analyse kan niet worden gestart");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&acties);
}

} // namespace

BENCHMARK_CAPTURE(Analyse, voorbeeld, std::string("Voorbeeld"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Analyse, keten_1820, Keten)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalyseMetControle, voorbeeld, std::string("Voorbeeld"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalyseMetControle, keten_1820, Keten)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalysePerMechanisme, keten_1820, Keten)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KxAnalyse, voorbeeld, std::vector<std::string>{"--voorbeeld"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(KxAnalyse, keten_1820, std::vector<std::string>{Keten})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(KxAnalyse, gebouw_6x3, std::vector<std::string>{GebouwBestand()})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(KxAnalyse, map_200_tabel, MetOpties({"--tabel"}))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(KxAnalyse, map_200_rapport, MetOpties({}))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(KxAnalyse, map_200_json, MetOpties({"--json"}))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Gebouw, gebouw_10x3, 10, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Gebouw, gebouw_20x5, 20, 5)->Unit(benchmark::kMillisecond);
