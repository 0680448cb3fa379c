#include "text/SymboolTekens.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace kx {
namespace {

const std::string EngelsBestand = KX_VERTALINGEN "/English.kxt";

// What the program relies on in a text, whatever its language: the spaces where it is joined to
// numbers and other texts, its line breaks, its symbol markup, the access letter of a menu
// caption, the patterns of a file filter and the places "%1", "%2" ... that values fill.
struct TVorm {
    std::size_t SpatiesVoor = 0;
    std::size_t SpatiesAchter = 0;
    int Regeleinden = 0;
    int Ampersands = 0;
    std::vector<std::string> Symbolen; // "¬x" and "**g" words, in order
    std::vector<std::string> Patronen; // every second part of "Naam|patroon|..."
    std::vector<std::string> Plaatsen; // sorted: the word order may differ
    bool operator==(const TVorm&) const = default;
};

std::vector<std::string> Delen(const std::string& tekst, char scheiding) {
    std::vector<std::string> delen(1);
    for (const char c : tekst) {
        if (c == scheiding) {
            delen.emplace_back();
        } else {
            delen.back().push_back(c);
        }
    }
    return delen;
}

TVorm Vorm(const std::string& tekst) {
    TVorm vorm;
    const auto eerste = tekst.find_first_not_of(' ');
    vorm.SpatiesVoor = eerste == std::string::npos ? tekst.size() : eerste;
    vorm.SpatiesAchter =
        eerste == std::string::npos ? 0 : tekst.size() - 1 - tekst.find_last_not_of(' ');
    for (std::size_t i = 0; i < tekst.size();) {
        if (tekst.compare(i, 2, "\r\n") == 0) {
            ++vorm.Regeleinden;
        }
        if (tekst.compare(i, 3, "**g") == 0) {
            const auto eind = tekst.find_first_of(" \r", i);
            vorm.Symbolen.push_back(tekst.substr(i, eind - i));
        }
        vorm.Ampersands += tekst[i] == '&' ? 1 : 0;
        if (tekst[i] == '%' && i + 1 < tekst.size() && tekst[i + 1] >= '1' && tekst[i + 1] <= '9') {
            vorm.Plaatsen.push_back(tekst.substr(i, 2));
        }
        const std::size_t begin = i;
        if (VolgendTeken(tekst, i) == U'¬' && i < tekst.size()) {
            VolgendTeken(tekst, i);
            vorm.Symbolen.push_back(tekst.substr(begin, i - begin));
        }
    }
    std::sort(vorm.Plaatsen.begin(), vorm.Plaatsen.end());
    const auto delen = Delen(tekst, '|');
    for (std::size_t i = 1; i < delen.size(); i += 2) {
        vorm.Patronen.push_back(delen[i]);
    }
    return vorm;
}

void PrintTo(const TVorm& v, std::ostream* uit) {
    *uit << "spaties " << v.SpatiesVoor << "/" << v.SpatiesAchter << ", regeleinden "
         << v.Regeleinden << ", & " << v.Ampersands << ", symbolen";
    for (const auto& s : v.Symbolen) {
        *uit << " [" << s << "]";
    }
    *uit << ", patronen " << v.Patronen.size() << ", plaatsen " << v.Plaatsen.size();
}

bool HeeftLetter(const std::string& tekst) {
    for (const char c : tekst) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            return true;
        }
    }
    return false;
}

TEST(Vorm, HerkentWatHetProgrammaGebruikt) {
    const TVorm v = Vorm("  ¬dA = **g· kop %2 %1\r\nA&lle (*.*)|*.*|B|*.kx ");
    EXPECT_EQ(v.SpatiesVoor, 2u);
    EXPECT_EQ(v.SpatiesAchter, 1u);
    EXPECT_EQ(v.Regeleinden, 1);
    EXPECT_EQ(v.Ampersands, 1);
    EXPECT_EQ(v.Symbolen, (std::vector<std::string>{"¬d", "**g·"}));
    EXPECT_EQ(v.Patronen, (std::vector<std::string>{"*.*", "*.kx "}));
    EXPECT_EQ(v.Plaatsen, (std::vector<std::string>{"%1", "%2"}));
    EXPECT_EQ(Vorm("    ").SpatiesVoor, 4u);
}

// Every text of the table has its English counterpart, in order and of the same form; a text
// appended to the table without its English makes this fail.
TEST(EngelseVertaling, HeeftElkeTekstInDezelfdeVorm) {
    std::ifstream bestand(EngelsBestand, std::ios::binary);
    ASSERT_TRUE(bestand.is_open()) << EngelsBestand;
    int einden = 0;
    for (std::string regel; std::getline(bestand, regel);) {
        einden += regel == "###" ? 1 : 0;
    }
    EXPECT_EQ(einden, Teksten::Aantal);

    const Teksten nederlands;
    Teksten engels;
    ASSERT_EQ(engels.LeesVertalingsbestand(EngelsBestand).Aantal, Teksten::Aantal);
    int gelijk = 0;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        SCOPED_TRACE("tekst " + std::to_string(i) + ": " + engels[i]);
        EXPECT_EQ(Vorm(engels[i]), Vorm(nederlands[i]));
        // Symbols, separators and glyphs stay as they are; words are translated.
        if (!HeeftLetter(nederlands[i])) {
            EXPECT_EQ(engels[i], nederlands[i]);
        }
        gelijk += engels[i] == nederlands[i] ? 1 : 0;
    }
    EXPECT_EQ(engels[19], "&How does the structure collapse?");
    EXPECT_EQ(engels[155], "\r\nMechanism ");
    EXPECT_LT(gelijk, Teksten::Aantal / 5);
}

} // namespace
} // namespace kx
