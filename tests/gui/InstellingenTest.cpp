#include "ui/Instellingen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kx {
namespace {

class InstellingenTest : public ::testing::Test {
protected:
    void SetUp() override { OpenGebruikersInstellingen()->clear(); }
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }
};

TEST_F(InstellingenTest, StaatInDeTestmapEnNietInDeEchteConfiguratie) {
    const QString testmap = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_TRUE(testmap.startsWith(QDir::tempPath()));
    EXPECT_TRUE(testmap.contains(QStringLiteral(".qttest")));
    EXPECT_TRUE(OpenGebruikersInstellingen()->fileName().startsWith(testmap));
}

TEST_F(InstellingenTest, OntbrekendeWaardeBetekentTonen) {
    EXPECT_TRUE(LeesToonOpstartscherm());
}

TEST_F(InstellingenTest, GeschrevenWaardeIsEenGetalEnWordtTeruggelezen) {
    SchrijfToonOpstartscherm(false);
    EXPECT_FALSE(LeesToonOpstartscherm());
    EXPECT_EQ(OpenGebruikersInstellingen()->value(QStringLiteral("ToonOpstartScherm")).toString(),
              QStringLiteral("0"));

    SchrijfToonOpstartscherm(true);
    EXPECT_TRUE(LeesToonOpstartscherm());
    EXPECT_EQ(OpenGebruikersInstellingen()->value(QStringLiteral("ToonOpstartScherm")).toString(),
              QStringLiteral("1"));
}

// An ini file keeps names apart by case: a value stored under the read spelling must neither be
// missed nor outlive a later write.
TEST_F(InstellingenTest, BeideSchrijfwijzenWordenGelezenEnEenSchrijvenLaatErEenOver) {
    OpenGebruikersInstellingen()->setValue(QStringLiteral("ToonOpstartscherm"), 0);
    EXPECT_FALSE(LeesToonOpstartscherm());

    SchrijfToonOpstartscherm(true);
    EXPECT_TRUE(LeesToonOpstartscherm());
}

TEST_F(InstellingenTest, MetDeHandGeschrevenTekstWordtBegrepen) {
    OpenGebruikersInstellingen()->setValue(QStringLiteral("ToonOpstartScherm"),
                                           QStringLiteral("false"));
    EXPECT_FALSE(LeesToonOpstartscherm());
    OpenGebruikersInstellingen()->setValue(QStringLiteral("ToonOpstartScherm"), 7);
    EXPECT_TRUE(LeesToonOpstartscherm());
}

} // namespace
} // namespace kx
