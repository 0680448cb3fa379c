#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kx {
namespace {

std::vector<std::string> Splits(const std::string& tekst, const std::string& scheiding) {
    std::vector<std::string> delen;
    std::size_t begin = 0;
    for (std::size_t pos; (pos = tekst.find(scheiding, begin)) != std::string::npos;) {
        delen.push_back(tekst.substr(begin, pos - begin));
        begin = pos + scheiding.size();
    }
    delen.push_back(tekst.substr(begin));
    return delen;
}

// Writes a text as the lines of one translation entry.
std::string AlsVertaling(const std::string& tekst, const std::string& regeleinde = "\n") {
    std::string uit;
    for (const std::string& regel : Splits(tekst, "\r\n")) {
        uit += regel + regeleinde;
    }
    return uit + "###" + regeleinde;
}

// A translation that repeats the built-in texts, except for the first entry.
std::string VertalingVanTabel(const std::string& eersteTekst) {
    const Teksten basis;
    std::string uit = AlsVertaling(eersteTekst);
    for (int i = 1; i < Teksten::Aantal; ++i) {
        uit += AlsVertaling(basis[i]);
    }
    return uit;
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

TEST(TekstTabel, HeeftElkeTekstMetSleutel) {
    const Teksten teksten;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        EXPECT_FALSE(teksten.Tekst(i).Sleutel.empty()) << "tekst " << i;
    }
    EXPECT_EQ(teksten.Tekst(0).Sleutel, "mdiPlastokinetica.Caption");
    EXPECT_EQ(teksten.Tekst(216).Sleutel, "mnuItemKopieren.Caption");
    EXPECT_THROW((void)teksten[Teksten::Aantal], std::out_of_range);
}

TEST(TekstTabel, TekstenDieAndereCodeSamenstelt) {
    const Teksten t;
    EXPECT_EQ(t[0], "Plastokinetica");
    EXPECT_EQ(t[42], "Klik ter plaatse van een uiteinde; verplaats de muis naar het andere "
                     "uiteinde; laat de muisknop los.");
    EXPECT_EQ(t[133], "¬dA = ");
    EXPECT_EQ(t[134], " ¬× ");
    EXPECT_EQ(t[135], " ¬× ¬d¬q ");
    EXPECT_EQ(t[136], "deel ");
    EXPECT_EQ(t[137], "belasting");
    EXPECT_EQ(t[138], " = 0");
    EXPECT_EQ(t[139], "De constructie is veranderd, maar nog niet opgeslagen. Moet dit alsnog "
                      "gebeuren?");
    EXPECT_EQ(t[148], "\r\nArrays met vervangende mechanismen vullen...");
    EXPECT_EQ(t[155], "\r\nMechanisme ");
    EXPECT_EQ(t[171], "¬Ü Vorige");
    EXPECT_EQ(t[172], "    ");
    EXPECT_EQ(t[173], "Volgende ¬Þ");
    EXPECT_EQ(t[216], "&Kopiëren");
}

TEST(TekstTabel, MeldingenVanBewerkingEnControle) {
    const Teksten t;
    EXPECT_EQ(t[203], "staven is het maximum");
    EXPECT_EQ(t[204], "belastingen is het maximum");
    EXPECT_EQ(t[205], "Deze belasting verdeelt de staaf. U heb het maximum aantal staven bereikt.");
    EXPECT_EQ(t[206], "Deze constructie is niet mogelijk. ");
    EXPECT_EQ(t[207], "Deze constructie heeft niet genoeg plaatsen waar een plastische scharnier "
                      "op kan treden. ");
    EXPECT_EQ(t[208], "U hebt te weinig oplegreacties. ");
    EXPECT_EQ(t[209], "U hebt teveel oplegreacties. ");
    EXPECT_EQ(t[210], "Er zijn teveel opleggingen. ");
    EXPECT_EQ(t[211], "Er zijn te weinig opleggingen. ");
    EXPECT_EQ(t[212], "U hebt teveel vrije uiteinden. ");
    EXPECT_EQ(t[213], "Er staan geen krachten op de constructie. ");
    EXPECT_EQ(t[214], "Er is geen Mp opgegeven voor staaf nummer ");
    for (int i = 207; i <= 214; ++i) {
        EXPECT_EQ(t.Tekst(i).Sleutel, "Fout: ") << "tekst " << i;
    }
}

TEST(TekstTabel, UitlegMetRegeleindenEnOpsomming) {
    const std::vector<std::string> regels = Splits(Teksten()[162], "\r\n");
    ASSERT_EQ(regels.size(), 10U);
    EXPECT_EQ(regels[0], "Het aantal mogelijke mechanismen is afhankelijk van het aantal mogelijke "
                         "plaatsen waar een scharnier kan ontstaan en het aantal scharnieren dat "
                         "nodig is om een mechanisme te vormen.");
    EXPECT_EQ(regels[1], "");
    EXPECT_EQ(regels[3], "**g·  Bij de uiteinden van staven, hoekpunten;");
    EXPECT_EQ(regels[7], "**g·  Bij verdeelde belastingen, de exacte plaats is meestal niet van "
                         "te voren bekend.");
    EXPECT_EQ(regels[8], "");
    EXPECT_EQ(regels[9], "Het aantal mogelijke mechanismen in deze constructie wordt via de "
                         "volgende weg berekend:");
}

TEST(TekstTabel, StartschermHerhaaltInfotekst) {
    const Teksten t;
    const std::vector<std::string> info = Splits(t[122], "\r\n\r\n");
    const std::vector<std::string> start = Splits(t[128], "\r\n\r\n");
    ASSERT_EQ(info.size(), 3U);
    ASSERT_EQ(start.size(), 4U);
    EXPECT_EQ(info[0], "Plastokinetica:\r\nMet behulp van virtuele arbeid wordt de bezwijklast "
                       "van een eenvoudige constructie bepaald.");
    EXPECT_EQ(start[0], info[0]);
    EXPECT_EQ(start[1], info[1]);
    EXPECT_EQ(start[2], "Druk op 'Voorbeeld' en op 'Hoe bezwijkt de constructie? >>' om snel een "
                        "plastokinetica uit te kunnen voeren. Druk op 'Nieuw' en op 'Staaf "
                        "toevoegen' om zelf een constructie te tekenen en te analyseren.");
    EXPECT_EQ(start[3], info[2]);
}

TEST(Vertaling, EigenTitelLaatDeRestOngemoeid) {
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, VertalingVanTabel("Mijn programma")), Teksten::Aantal);
    EXPECT_EQ(teksten[0], "Mijn programma");
    EXPECT_EQ(teksten.Tekst(0).Sleutel, "mdiPlastokinetica.Caption");
    const Teksten basis;
    for (int i = 1; i < Teksten::Aantal; ++i) {
        // A leading line break is an empty first line in the file, and those are dropped.
        const std::string& ingebouwd = basis[i];
        const std::string verwacht =
            ingebouwd.starts_with("\r\n") ? ingebouwd.substr(2) : ingebouwd;
        EXPECT_EQ(teksten[i], verwacht) << "tekst " << i;
    }
}

TEST(Vertaling, LegeRegelsVooraanVervallen) {
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, "\nregel 1\n\nregel 2\n###\n###\n"), 2);
    EXPECT_EQ(teksten[0], "regel 1\r\n\r\nregel 2");
    EXPECT_EQ(teksten[1], "");
    VerwachtBasisVanaf(teksten, 2);
}

TEST(Vertaling, AlleenVolledigeTekstenTellen) {
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, "een\n###\ntwee\n###\nhalf af\n"), 2);
    EXPECT_EQ(teksten[0], "een");
    EXPECT_EQ(teksten[1], "twee");
    VerwachtBasisVanaf(teksten, 2);
}

TEST(Vertaling, AllesNaDeLaatsteTekstTeltNiet) {
    Teksten teksten;
    std::string inhoud;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        inhoud += "tekst " + std::to_string(i) + "\n###\n";
    }
    EXPECT_EQ(LeesUit(teksten, inhoud + "overbodig\n###\n"), Teksten::Aantal);
    EXPECT_EQ(teksten[216], "tekst 216");
}

TEST(Vertaling, Windows1252MetCrLf) {
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, "&Kopi\xEBren\r\n###\r\nregel 1\r\nregel 2\r\n###\r\n"), 2);
    EXPECT_EQ(teksten[0], "&Kopiëren");
    EXPECT_EQ(teksten[1], "regel 1\r\nregel 2");
}

TEST(Vertaling, TabelInWindows1252LeestTerugAlsIngebouwd) {
    const Teksten basis;
    std::string inhoud;
    for (int i = 0; i < Teksten::Aantal; ++i) {
        inhoud +=
            AlsVertaling(basis[i].starts_with("\r\n") ? basis[i].substr(2) : basis[i], "\r\n");
    }
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, NaarEnkelByte(inhoud)), Teksten::Aantal);
    EXPECT_EQ(teksten[135], " ¬× ¬d¬q ");
    EXPECT_EQ(teksten[141], "**g· Virtuele arbeidsvergelijking");
    EXPECT_EQ(teksten[142], basis[142]);
    EXPECT_EQ(teksten[162], basis[162]);
    EXPECT_EQ(teksten[171], "¬Ü Vorige");
    EXPECT_EQ(teksten[173], "Volgende ¬Þ");
    EXPECT_EQ(teksten[49], "ñ");
    EXPECT_EQ(teksten[51], "ò");
}

TEST(Vertaling, Utf8MetByteOrderMark) {
    Teksten teksten;
    EXPECT_EQ(LeesUit(teksten, "\xEF\xBB\xBFMijn programma\n###\n"), 1);
    EXPECT_EQ(teksten[0], "Mijn programma");
}

TEST(Vertalingsbestand, WordtGelezen) {
    const auto uniek = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto pad =
        std::filesystem::temp_directory_path() / ("kx-teksten-" + std::to_string(uniek) + ".kxt");
    std::ofstream(pad, std::ios::binary) << "Mijn programma\r\n###\r\n&Bestanden\r\n###\r\n";
    Teksten teksten;
    EXPECT_EQ(teksten.LeesVertalingsbestand(pad.string()), 2);
    std::filesystem::remove(pad);
    EXPECT_EQ(teksten[0], "Mijn programma");
    EXPECT_EQ(teksten[1], "&Bestanden");
    VerwachtBasisVanaf(teksten, 2);
}

TEST(Vertalingsbestand, OntbrekendBestandVerandertNiets) {
    Teksten teksten;
    EXPECT_EQ(teksten.LeesVertalingsbestand("/bestaat/niet/KXTranslation.kxt"), 0);
    VerwachtBasisVanaf(teksten, 0);
}

TEST(NaarUtf8, GeldigeUtf8BlijftOngewijzigd) {
    EXPECT_EQ(NaarUtf8("Kopiëren ¬Þ €"), "Kopiëren ¬Þ €");
    EXPECT_EQ(NaarUtf8("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
}

TEST(NaarUtf8, Windows1252Tekens) {
    EXPECT_EQ(NaarUtf8("Kopi\xEBren"), "Kopiëren");
    EXPECT_EQ(NaarUtf8("\x80 \x93x\x94 \x9F \xAC\xDE"), "€ “x” Ÿ ¬Þ");
    EXPECT_EQ(NaarUtf8("\x81"), "\xC2\x81");
}

TEST(NaarUtf8, OngeldigeUtf8WordtEnkelByte) {
    // One stray byte makes the whole line single-byte text.
    EXPECT_EQ(NaarUtf8("ë\xEB"), "Ã«ë");
    EXPECT_EQ(NaarUtf8("\xC0\xAF"), "À¯");             // overlong '/'
    EXPECT_EQ(NaarUtf8("\xED\xA0\x80"), "í\xC2\xA0€"); // surrogate
    EXPECT_EQ(NaarUtf8("abc\xC3"), "abcÃ");            // cut off
}

} // namespace
} // namespace kx
