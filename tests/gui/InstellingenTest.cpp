#include "ui/Instellingen.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace kx {
namespace {

class InstellingenTest : public ::testing::Test {
protected:
    void SetUp() override { OpenGebruikersInstellingen()->clear(); }
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }

    static void ZetWaarde(const QString& naam, const QVariant& waarde) {
        OpenGebruikersInstellingen()->setValue(naam, waarde);
    }
};

// Tests must never write the user's own settings.
TEST_F(InstellingenTest, StaatInDeTestmap) {
    EXPECT_TRUE(OpenGebruikersInstellingen()->fileName().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
}

TEST_F(InstellingenTest, OntbrekendTonenGeschrevenAlsGetalTeruggelezen) {
    EXPECT_TRUE(LeesToonOpstartscherm());
    for (const bool toon : {false, true}) {
        SchrijfToonOpstartscherm(toon);
        EXPECT_EQ(LeesToonOpstartscherm(), toon);
        const auto waarde =
            OpenGebruikersInstellingen()->value(QStringLiteral("ToonOpstartScherm"));
        EXPECT_EQ(waarde.toString(), toon ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

// An ini file keeps names apart by case: a value stored under the read spelling must neither be
// missed nor outlive a later write. Hand-written text is understood too.
TEST_F(InstellingenTest, AndereSchrijfwijzenEnTekstWordenBegrepen) {
    ZetWaarde(QStringLiteral("ToonOpstartscherm"), 0);
    EXPECT_FALSE(LeesToonOpstartscherm());
    SchrijfToonOpstartscherm(true);
    EXPECT_TRUE(LeesToonOpstartscherm());

    ZetWaarde(QStringLiteral("ToonOpstartScherm"), QStringLiteral("false"));
    EXPECT_FALSE(LeesToonOpstartscherm());
    ZetWaarde(QStringLiteral("ToonOpstartScherm"), 7);
    EXPECT_TRUE(LeesToonOpstartscherm());
}

// The language is stored under its own name; a missing or unknown name means Dutch.
TEST_F(InstellingenTest, TaalKeertTerugOnbekendIsNederlands) {
    EXPECT_EQ(LeesTaal(), TTaal::Nederlands);
    for (const auto& [taal, naam] :
         {std::pair{TTaal::Engels, "English"}, std::pair{TTaal::Nederlands, "Nederlands"}}) {
        SchrijfTaal(taal);
        EXPECT_EQ(LeesTaal(), taal);
        EXPECT_EQ(OpenGebruikersInstellingen()->value(QStringLiteral("Taal")).toString(),
                  QString::fromLatin1(naam));
    }
    ZetWaarde(QStringLiteral("Taal"), QStringLiteral("english"));
    EXPECT_EQ(LeesTaal(), TTaal::Engels);
    ZetWaarde(QStringLiteral("Taal"), QStringLiteral("Klingon"));
    EXPECT_EQ(LeesTaal(), TTaal::Nederlands);
}

} // namespace
} // namespace kx
