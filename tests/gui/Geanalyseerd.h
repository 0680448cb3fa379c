#pragma once

#include "drawing/KrachtsverdelingView.h"
#include "drawing/ViewContext.h"
#include "engine/Analyse.h"
#include "engine/Krachtenanalyse.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Controle.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

namespace kx::test {

// A structure checked and analysed for the views, with decimal points: its mechanisms, the
// forces of the governing one and what the views read.
struct TGeanalyseerd {
    explicit TGeanalyseerd(const TConstructie& c) : constructie(c) {
        EXPECT_EQ(ControleerVoorAnalyse(constructie, teksten), "");
        analyse.Decimaalteken = '.';
        analyse.BepaalMechanismen(constructie);
        analyse.BerekeningDeel2();
        EXPECT_GE(analyse.MaatgevendMechanisme, 0);
        krachten.Bereken(constructie, MechanismeOpgaven(analyse), analyse.MaatgevendMechanisme);
    }

    const TMechanisme& Maatgevend() const {
        return analyse.Mechanismen[static_cast<std::size_t>(analyse.MaatgevendMechanisme)];
    }
    TViewContext Context() const { return {analyse, constructie, opties, teksten}; }
    TKrachtContext KrachtContext() const { return {krachten, opties, teksten, '.'}; }

    Teksten teksten;
    TConstructie constructie;
    TAnalyse analyse{teksten};
    TKrachtenanalyse krachten;
    TWeergaveOpties opties;
};

} // namespace kx::test
