#include "ui/Instellingen.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace kx {
namespace {

// Every GUI test runs against Qt's test configuration folder, never the user's own settings.
// That folder lies in the home folder, which each test process gets for itself, since test runs
// in parallel would otherwise share one settings file.
class TestConfiguratie : public ::testing::Environment {
public:
    void SetUp() override {
        thuis_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(thuis_->isValid());
        qputenv("HOME", QFile::encodeName(thuis_->path()));
        QStandardPaths::setTestModeEnabled(true);
    }

    void TearDown() override { thuis_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> thuis_;
};

const auto* const testConfiguratie = ::testing::AddGlobalTestEnvironment(new TestConfiguratie);

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
