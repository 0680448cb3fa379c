#include "BestandHulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// A translation file may leave out the empty first line of a text that starts with a line break.
std::string ZonderRegeleindeVooraan(const std::string& tekst) {
    return tekst.starts_with("\r\n") ? tekst.substr(2) : tekst;
}

// Writes a text as the lines of one translation entry.
std::string AlsVertaling(std::string tekst, const std::string& regeleinde = "\n") {
    for (std::size_t pos = 0; (pos = tekst.find("\r\n", pos)) != std::string::npos;) {
        tekst.replace(pos, 2, regeleinde);
        pos += regeleinde.size();
    }
    return tekst + regeleinde + "###" + regeleinde;
}

// Re-encodes the two-byte UTF-8 characters of U+0080..U+00FF as single Windows-1252 bytes.
std::string NaarEnkelByte(const std::string& utf8) {
    std::string uit;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0xC2 || byte == 0xC3) {
            uit += static_cast<char>(((byte & 0x03) << 6) | (utf8[++i] & 0x3F));
        } else {
            uit += utf8[i];
        }
    }
    return uit;
}

int LeesUit(Teksten& teksten, const std::string& inhoud) {
    std::istringstream invoer(inhoud);
    return teksten.LeesVertaling(invoer);
}

void VerwachtBasisVanaf(const Teksten& teksten, int eerste) {
    const Teksten basis;
    for (int i = eerste; i < Teksten::Aantal; ++i) {
        EXPECT_EQ(teksten[i], basis[i]) << "tekst " << i;
    }
}

TEST(Vertaling, EerstVolledigeTekstenVervangenDeIngebouwde) {
    struct Geval {
        const char* naam;
        std::string inhoud;
        std::vector<std::string> verwacht; // the rest stays built in
    };
    const std::vector<Geval> gevallen{
        {"lege regels vooraan vervallen",
         "\nregel 1\n\nregel 2\n###\n###\n",
         {"regel 1\r\n\r\nregel 2", ""}},
        {"een onafgemaakte tekst telt niet", "een\n###\ntwee\n###\nhalf af\n", {"een", "twee"}},
        {"Windows-1252 met CR LF",
         "&Kopi\xEBren\r\n###\r\nregel 1\r\nregel 2\r\n###\r\n",
         {"&Kopiëren", "regel 1\r\nregel 2"}},
        {"UTF-8 met byte order mark", "\xEF\xBB\xBFMijn programma\n###\n", {"Mijn programma"}},
    };
    for (const Geval& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        Teksten teksten;
        EXPECT_EQ(LeesUit(teksten, geval.inhoud), static_cast<int>(geval.verwacht.size()));
        for (std::size_t i = 0; i < geval.verwacht.size(); ++i) {
            EXPECT_EQ(teksten[static_cast<int>(i)], geval.verwacht[i]) << "tekst " << i;
        }
        VerwachtBasisVanaf(teksten, static_cast<int>(geval.verwacht.size()));
    }
}

TEST(Vertaling, VolledigeTabelLeestTerugAlsIngebouwd) {
    const Teksten basis;
    std::string utf8 = AlsVertaling("Mijn programma");
    std::string enkelByte;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        utf8 += i == 0 ? "" : AlsVertaling(basis[i]);
        enkelByte += NaarEnkelByte(AlsVertaling(ZonderRegeleindeVooraan(basis[i]), "\r\n"));
    }
    for (const auto& [naam, inhoud] :
         {std::pair{"UTF-8, eigen titel", utf8}, std::pair{"Windows-1252 met CR LF", enkelByte}}) {
        SCOPED_TRACE(naam);
        Teksten teksten;
        EXPECT_EQ(LeesUit(teksten, inhoud), Teksten::Aantal);
        EXPECT_EQ(teksten.Tekst(0).Sleutel, "mdiPlastokinetica.Caption");
        for (int i = 1; i < Teksten::Aantal; ++i) {
            EXPECT_EQ(teksten[i], basis[i]) << "tekst " << i;
        }
    }
}

// Texts after the last of the table do not count; a file with only the original texts keeps
// the newer ones built in.
TEST(Vertaling, TekstenTellenTotHetEindeVanDeTabel) {
    for (const int aantal : {Teksten::Aantal + 1, LaatsteOrigineleTekst + 1}) {
        SCOPED_TRACE(aantal);
        Teksten teksten;
        std::string inhoud;
        for (int i = 0; i < aantal; ++i) {
            inhoud += "tekst " + std::to_string(i) + "\n###\n";
        }
        EXPECT_EQ(LeesUit(teksten, inhoud), std::min(aantal, static_cast<int>(Teksten::Aantal)));
        EXPECT_EQ(teksten[216], "tekst 216");
        VerwachtBasisVanaf(teksten, aantal);
    }
}

using Vertalingsbestand = TijdelijkeMap;

TEST_F(Vertalingsbestand, WordtGelezenAlsHetBestaat) {
    SchrijfAlles(Pad("KXTranslation.kxt"), "Mijn programma\r\n###\r\n&Bestanden\r\n###\r\n");
    Teksten teksten;
    const TVertalingGelezen gelezen = teksten.LeesVertalingsbestand(Pad("KXTranslation.kxt"));
    EXPECT_EQ(gelezen.Aantal, 2);
    EXPECT_EQ(gelezen.Melding, "");
    EXPECT_EQ(teksten[0], "Mijn programma");
    EXPECT_EQ(teksten[1], "&Bestanden");
    VerwachtBasisVanaf(teksten, 2);

    const TVertalingGelezen ontbreekt = teksten.LeesVertalingsbestand(Pad("ontbreekt.kxt"));
    EXPECT_EQ(ontbreekt.Aantal, 0);
    EXPECT_EQ(ontbreekt.Melding, "");
    EXPECT_EQ(teksten[0], "Mijn programma");
}

TEST(NaarUtf8, Gevallen) {
    const std::vector<std::pair<std::string, std::string>> gevallen{
        // Valid UTF-8 stays as it is.
        {"Kopiëren ¬Þ €", "Kopiëren ¬Þ €"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        // Windows-1252, including its own characters at 0x80..0x9F.
        {"Kopi\xEBren", "Kopiëren"},
        {"\x80 \x93x\x94 \x9F \xAC\xDE", "€ “x” Ÿ ¬Þ"},
        {"\x81", "\xC2\x81"},
        // One stray byte makes the whole line single-byte text.
        {"ë\xEB", "Ã«ë"},
        {"\xC0\xAF", "À¯"},             // overlong '/'
        {"\xED\xA0\x80", "í\xC2\xA0€"}, // surrogate
        {"abc\xC3", "abcÃ"},            // cut off
    };
    for (const auto& [invoer, verwacht] : gevallen) {
        EXPECT_EQ(NaarUtf8(invoer), verwacht) << invoer;
    }
}

TEST(VulIn, VultElkePlaatsInEenKeer) {
    EXPECT_EQ(VulIn("knoop %1 (%2 kNm, Mp = %3 kNm)", {"4", "-12.5", "10"}),
              "knoop 4 (-12.5 kNm, Mp = 10 kNm)");
    EXPECT_EQ(VulIn("%2 na %1", {"a", "b"}), "b na a");
    EXPECT_EQ(VulIn("Fp / %1 = %2; %1", {"1.2", "5"}), "Fp / 1.2 = 5; 1.2");
    // A value is not read again: a file name may hold "%2".
    EXPECT_EQ(VulIn("\"%1\": %2.", {"a%2b", "weg"}), "\"a%2b\": weg.");
    // Without a value, or without a digit, the sign stays.
    EXPECT_EQ(VulIn("%3 is 100%", {"x"}), "%3 is 100%");
    EXPECT_EQ(VulIn("%0%", {}), "%0%");
}

} // namespace
} // namespace kx::test
