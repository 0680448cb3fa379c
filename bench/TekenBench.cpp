// Paint costs of the analysis views on the largest frame, and the benchmark program's main.
#include "engine/Analyse.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Bestand.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/Teksten.h"

#include <benchmark/benchmark.h>

#ifdef KX_MET_TEKENING
#include "drawing/HoeBezwijkenView.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/ViewContext.h"
#include "drawing/WanneerBezwijkenView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <memory>

namespace {

// The 1820-mechanism frame, analysed once for all drawing benchmarks.
struct TGeanalyseerdeKeten {
    kx::Teksten Teksten;
    kx::TConstructie Constructie;
    kx::TAnalyse Analyse{Teksten};
    kx::TWeergaveOpties Opties;
    kx::TKrachtenanalyse Krachten;

    TGeanalyseerdeKeten() {
        kx::LaadConstructie(Constructie, std::string(KX_FIXTURES) + "/keten15.kx", Teksten);
        kx::ControleerVoorAnalyse(Constructie, Teksten);
        Analyse.BepaalMechanismen(Constructie);
        Analyse.BerekeningDeel2();
        Krachten.Bereken(Constructie, kx::MechanismeOpgaven(Analyse), Analyse.MaatgevendMechanisme);
    }
    kx::TViewContext Context() const { return {Analyse, Constructie, Opties, Teksten}; }
};

const TGeanalyseerdeKeten& Keten() {
    static const TGeanalyseerdeKeten keten;
    return keten;
}

// A page of sixteen mechanism drawings: 4 x 4 at a width above 800 pixels.
void HoeBezwijkenPagina(benchmark::State& state) {
    const auto& keten = Keten();
    QImage beeld(1000, 2600, QImage::Format_RGB32);
    kx::Klikgebieden klik{};
    for (auto _ : state) {
        beeld.fill(Qt::white);
        QPainter painter(&beeld);
        kx::TRechthoek gebied{0, 0, 1000, 2600};
        kx::TekenHoeBezwijken(painter, gebied, 900, klik, keten.Context());
        benchmark::DoNotOptimize(klik);
    }
}

void WanneerBezwijken(benchmark::State& state) {
    const auto& keten = Keten();
    QImage beeld(1000, 2000, QImage::Format_RGB32);
    kx::Klikgebieden klik{};
    for (auto _ : state) {
        beeld.fill(Qt::white);
        QPainter painter(&beeld);
        kx::TRechthoek gebied{0, 0, 1000, 2000};
        kx::TekenWanneerBezwijken(painter, gebied, keten.Analyse.MaatgevendMechanisme, klik,
                                  keten.Context());
        benchmark::DoNotOptimize(gebied.Bottom);
    }
}

// The force view of the governing mechanism; its distribution is computed before the loop, as
// the window has it from the first paint on.
void Krachtsverdeling(benchmark::State& state) {
    const auto& keten = Keten();
    const int gekozen = keten.Analyse.MaatgevendMechanisme;
    keten.Krachten.Verdeling(gekozen);
    QImage beeld(1000, 2000, QImage::Format_RGB32);
    const kx::TKrachtContext context{keten.Krachten, keten.Opties, keten.Teksten, ','};
    for (auto _ : state) {
        beeld.fill(Qt::white);
        QPainter painter(&beeld);
        kx::TRechthoek gebied{0, 0, 1000, 2000};
        kx::TekenKrachtsverdeling(painter, gebied, gekozen, context);
        benchmark::DoNotOptimize(gebied.Bottom);
    }
}

} // namespace

BENCHMARK(Krachtsverdeling)->Unit(benchmark::kMillisecond);
BENCHMARK(HoeBezwijkenPagina)->Unit(benchmark::kMillisecond);
BENCHMARK(WanneerBezwijken)->Unit(benchmark::kMillisecond);
#endif

int main(int argc, char** argv) {
#ifdef KX_MET_TEKENING
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
