#include "ui/Dialogen.h"
#include "VensterHulp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace kx {
namespace {

// Runs doe on the modal dialog once it is open. While the returned guard lives, a dialog that is
// still open a while later (or a message it raised) is closed, so that a failing test cannot
// hang.
std::unique_ptr<QTimer> BijDialoog(const std::function<void(QWidget*)>& doe) {
    QTimer::singleShot(0, [doe] { doe(QApplication::activeModalWidget()); });
    auto nood = std::make_unique<QTimer>();
    QObject::connect(nood.get(), &QTimer::timeout, [] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            open->close();
        }
    });
    nood->start(1500);
    return nood;
}

QString ZonderSneltoets(QString tekst) {
    return tekst.remove('&');
}

TEST(DialogenTest, DeOpslaanvraagHeeftNederlandseKnoppenMetAnnuleren) {
    TStandaardDialogen dialogen;
    for (const auto& [knop, antwoord] : {std::pair{QMessageBox::Yes, TAntwoord::Ja},
                                         {QMessageBox::No, TAntwoord::Nee},
                                         {QMessageBox::Cancel, TAntwoord::Annuleren}}) {
        QStringList teksten;
        const auto nood = BijDialoog([&teksten, knop](QWidget* open) {
            auto* vraag = qobject_cast<QMessageBox*>(open);
            ASSERT_NE(vraag, nullptr);
            for (const QMessageBox::StandardButton b :
                 {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
                ASSERT_NE(vraag->button(b), nullptr);
                teksten << ZonderSneltoets(vraag->button(b)->text());
            }
            vraag->button(knop)->click();
        });
        EXPECT_EQ(dialogen.VraagJaNeeAnnuleren(nullptr, "Opslaan?"), antwoord);
        EXPECT_EQ(teksten, (QStringList{"Ja", "Nee", "Annuleren"}));
    }
}

// The open dialog speaks Dutch and lets a name without its extension through.
TEST(DialogenTest, OpenenVindtDeNaamZonderExtensie) {
    QTemporaryDir map;
    QFile bestand(map.filePath("portaal.kx"));
    ASSERT_TRUE(bestand.open(QIODevice::WriteOnly));
    bestand.close();
    TStandaardDialogen dialogen;
    QString bestandsnaamLabel;
    const auto nood = BijDialoog([&](QWidget* open) {
        auto* dialoog = qobject_cast<QFileDialog*>(open);
        ASSERT_NE(dialoog, nullptr);
        if (const auto* label = dialoog->findChild<QLabel*>("fileNameLabel")) {
            bestandsnaamLabel = ZonderSneltoets(label->text());
        }
        dialoog->setDirectory(map.path());
        dialoog->selectFile("portaal");
        static_cast<QDialog*>(dialoog)->accept();
    });
    const QString gekozen =
        dialogen.KiesTeOpenen(nullptr, "Alle (*.*)|*.*|Constructies (*.kx)|*.kx", 2);
    EXPECT_EQ(MetExtensie(gekozen.toStdString()), map.filePath("portaal.kx").toStdString());
    EXPECT_EQ(bestandsnaamLabel, "Bestandsnaam:");
}

} // namespace
} // namespace kx
