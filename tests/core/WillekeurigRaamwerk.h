#pragma once

#include "Raamwerken.h"

#include <array>
#include <cstddef>
#include <random>
#include <utility>
#include <vector>

namespace kx::test {

// The grid a random frame is drawn on and how likely each part of it is.
struct TRaster {
    int Kolommen = 4;
    int Rijen = 3;
    double Breedte = 2.0; // m between columns
    double Hoogte = 2.0;  // m between rows
    int MpHoogst = 10;    // Mp from 20 kNm up to ten times this
    double KansRecht = 0.45;
    double KansSchuin = 0.15;
    double KansGrondOplegging = 0.5;
    double KansOplegging = 0.08;
};

// Frames a teacher might draw: bars between neighbouring grid points (also diagonally), so that
// joints of three and more bars occur, supports of every kind at any node (mostly on the ground
// row) and hinged connections here and there. Loads are the caller's, through Getal and Kans.
class TWillekeurigRaamwerk {
public:
    TWillekeurigRaamwerk(TRaster raster, unsigned zaad) : raster_(raster), rng_(zaad) {}

    TRaamwerkBouwer Teken() {
        TRaamwerkBouwer b;
        knopen_.clear();
        staven_.clear();
        for (int j = 0; j < raster_.Rijen; ++j) {
            for (int i = 0; i < raster_.Kolommen; ++i) {
                knopen_.push_back(b.Knoop(raster_.Breedte * i, -raster_.Hoogte * j));
            }
        }
        aantal_.assign(knopen_.size(), 0);
        for (int j = 0; j < raster_.Rijen; ++j) {
            for (int i = 0; i < raster_.Kolommen; ++i) {
                TekenStavenVanaf(b, i, j);
            }
        }
        for (std::size_t k = 0; k < knopen_.size(); ++k) {
            ZetKnoop(b.c.Knopen[static_cast<std::size_t>(knopen_[k])], k);
        }
        return b;
    }

    // The bars of the last frame.
    const std::vector<int>& Staven() const { return staven_; }

    // A node of the last frame drawn at random, or -1 when the node drawn carries no bar.
    int WillekeurigeKnoop() {
        const auto k = static_cast<std::size_t>(Getal(0, static_cast<int>(knopen_.size()) - 1));
        return aantal_[k] > 0 ? knopen_[k] : -1;
    }

    int Getal(int laag, int hoog) { return std::uniform_int_distribution<int>(laag, hoog)(rng_); }
    bool Kans(double p) { return std::bernoulli_distribution(p)(rng_); }

private:
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(raster_.Kolommen * j + i);
    }

    void TekenStavenVanaf(TRaamwerkBouwer& b, int i, int j) {
        for (const auto& [di, dj] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
            const int p = i + di;
            const int q = j + dj;
            const bool schuin = di != 0 && dj != 0;
            if (p < 0 || p >= raster_.Kolommen || q >= raster_.Rijen ||
                !Kans(schuin ? raster_.KansSchuin : raster_.KansRecht)) {
                continue;
            }
            const std::size_t a = Index(i, j);
            const std::size_t z = Index(p, q);
            staven_.push_back(b.Staaf(knopen_[a], knopen_[z], Getal(2, raster_.MpHoogst) * 10.0));
            ++aantal_[a];
            ++aantal_[z];
        }
    }

    void ZetKnoop(TConstructieKnoop& knoop, std::size_t k) {
        if (aantal_[k] == 0) {
            knoop.Bestaat = false;
            return;
        }
        if (Kans(0.15)) {
            knoop.Vrijheid = ScharnierendeVerbinding;
        }
        const bool grond = k < static_cast<std::size_t>(raster_.Kolommen);
        if (Kans(grond ? raster_.KansGrondOplegging : raster_.KansOplegging)) {
            constexpr std::array<std::int32_t, 4> codes{RolHorizontaal, RolVerticaal, Scharnierend,
                                                        Inklemming};
            knoop.Oplegging = codes[static_cast<std::size_t>(Getal(0, 3))];
        }
    }

    TRaster raster_;
    std::mt19937 rng_;
    std::vector<int> knopen_;
    std::vector<int> staven_;
    std::vector<int> aantal_;
};

} // namespace kx::test
