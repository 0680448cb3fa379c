#pragma once

#include "model/Bestand.h"
#include "model/Bewerkingen.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kx::test {

namespace fs = std::filesystem;

inline const std::string Datum = "06-12-2024";
inline const std::string Tijd = "14:30:05";

inline std::string LeesAlles(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void SchrijfAlles(const fs::path& pad, const std::string& inhoud) {
    std::ofstream(pad, std::ios::binary) << inhoud;
}

// The names in a folder, sorted.
inline std::vector<std::string> Inhoud(const fs::path& map) {
    std::vector<std::string> namen;
    for (const auto& item : fs::directory_iterator(map)) {
        namen.push_back(item.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

inline std::string Opslaan(const std::string& pad) {
    return "Het bestand \"" + pad + "\" kan niet worden opgeslagen: ";
}

inline std::string Lezen(const std::string& pad) {
    return "Het bestand \"" + pad + "\" kan niet worden gelezen: ";
}

inline std::string AlsTekst(const TConstructie& c) {
    std::ostringstream uit;
    SchrijfConstructie(uit, c, Datum, Tijd);
    return uit.str();
}

inline std::string Sla(const TConstructie& c, const std::string& pad) {
    return SchrijfConstructieNaarBestand(pad, c, Teksten(), Datum, Tijd);
}

// Each test gets an empty folder of its own, removed afterwards with all it holds.
class TijdelijkeMap : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        map = fs::temp_directory_path() / ("kx-" + std::to_string(getpid()) + "-" +
                                           test->test_suite_name() + "-" + test->name());
        fs::remove_all(map);
        fs::create_directories(map);
    }
    void TearDown() override {
        std::error_code genegeerd;
        fs::remove_all(map, genegeerd);
    }

    std::string Pad(const std::string& naam) const { return (map / naam).string(); }

    fs::path map;
};

// The example, a copy with one Mp changed, and a folder to save them in.
class Bestanden : public TijdelijkeMap {
protected:
    Bestanden() {
        voorbeeld = kx::Voorbeeld();
        gewijzigd = kx::Voorbeeld();
        gewijzigd.Staven[1].Mp = 75.0;
    }

    Teksten teksten;
    TConstructie voorbeeld;
    TConstructie gewijzigd;
};

} // namespace kx::test
