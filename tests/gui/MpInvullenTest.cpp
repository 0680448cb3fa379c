#include "ui/MpInvullen.h"
#include "text/Teksten.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kx {
namespace {

class MpInvullenTest : public ::testing::Test {
protected:
    // Opens the dialog without blocking, with the caret after the shown value.
    void Open(double mp) {
        dialoog.ZetWaarde(mp);
        dialoog.show();
        dialoog.editMP()->end(false);
    }

    void Vervang(const QString& tekst) {
        dialoog.editMP()->clear();
        QTest::keyClicks(dialoog.editMP(), tekst);
    }

    QString Tekst() const { return dialoog.editMP()->text(); }
    bool OkMogelijk() const { return dialoog.BitBtnOK()->isEnabled(); }

    Teksten teksten;
    TFormMpInvullen dialoog{teksten};
};

// Only the digits 0 to 9 stay (other scripts' digits would not convert), at most three of them,
// and OK needs a value above zero.
TEST_F(MpInvullenTest, InvoerfilterEnOk) {
    Open(50.0);
    EXPECT_EQ(Tekst(), QStringLiteral("50"));
    EXPECT_TRUE(OkMogelijk());
    EXPECT_FALSE(dialoog.lblHuidig()->isVisible());
    EXPECT_EQ(dialoog.focusWidget(), dialoog.editMP());

    struct Geval {
        QString begin, getypt, tekst;
        bool ok;
    };
    const Geval gevallen[] = {
        {"50", "x", "50", true},    {"50", "-", "50", true},    {"", "-", "", false},
        {"", "1\u0663", "1", true}, {"", "0", "0", false},      {"", "000", "000", false},
        {"", "007", "007", true},   {"", "12345", "123", true}, {"", "", "", false}};
    for (const Geval& g : gevallen) {
        SCOPED_TRACE((g.begin + '+' + g.getypt).toStdString());
        dialoog.editMP()->setText(g.begin);
        dialoog.editMP()->end(false);
        dialoog.editMP()->insert(g.getypt);
        EXPECT_EQ(Tekst(), g.tekst);
        EXPECT_EQ(OkMogelijk(), g.ok);
    }
}

TEST_F(MpInvullenTest, AlleenOkOfEnterMetEenWaardeGeeftIets) {
    Open(50.0);
    Vervang(QStringLiteral("007"));
    QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    EXPECT_FALSE(dialoog.isVisible());
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(7.0));

    Open(50.0);
    Vervang(QStringLiteral("80"));
    QTest::keyClick(dialoog.editMP(), Qt::Key_Return);
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(80.0));

    Open(50.0);
    dialoog.editMP()->clear();
    QTest::keyClick(dialoog.editMP(), Qt::Key_Return);
    EXPECT_TRUE(dialoog.isVisible());
    EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);

    for (const bool escape : {false, true}) {
        Open(50.0);
        Vervang(QStringLiteral("123"));
        escape ? QTest::keyClick(dialoog.editMP(), Qt::Key_Escape)
               : QTest::mouseClick(dialoog.BitBtn2(), Qt::LeftButton);
        EXPECT_FALSE(dialoog.isVisible());
        EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);
    }
}

// A value from a file that cannot be typed here is shown beside an empty box; it only changes
// when the user types a new value and confirms it.
TEST_F(MpInvullenTest, WaardeUitBestandBlijftTotEenNieuweIsBevestigd) {
    QLocale taal;
    taal.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const double mp : {12.5, 1500.0, -5.0}) {
        Open(mp);
        EXPECT_EQ(Tekst(), QString());
        EXPECT_FALSE(OkMogelijk());
        EXPECT_TRUE(dialoog.lblHuidig()->isVisible());
        EXPECT_EQ(dialoog.lblHuidig()->text(),
                  QStringLiteral("Huidige waarde: %1 kNm").arg(taal.toString(mp, 'g', 15)));
        QTest::keyClick(dialoog.editMP(), Qt::Key_Return);
        EXPECT_TRUE(dialoog.isVisible());
        QTest::mouseClick(dialoog.BitBtn2(), Qt::LeftButton);
        EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);
    }

    Open(12.5);
    QTest::keyClicks(dialoog.editMP(), QStringLiteral("13"));
    QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(13.0));
}

// The buttons and the current value speak the language of the texts, and show whole.
TEST(MpInvullenTaal, KnoppenEnHuidigeWaardeInElkeTaal) {
    struct Geval {
        bool engels;
        QString ok, annuleren, huidig;
    };
    for (const Geval& g : {Geval{false, "OK", "Annuleren", "Huidige waarde: "},
                           Geval{true, "OK", "Cancel", "Current value: "}}) {
        Teksten teksten;
        if (g.engels) {
            ASSERT_EQ(teksten.LeesVertalingsbestand(KX_VERTALINGEN "/English.kxt").Aantal,
                      Teksten::Aantal);
        }
        TFormMpInvullen dialoog(teksten);
        dialoog.ZetWaarde(1500.0);
        dialoog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialoog.BitBtnOK()->text(), g.ok);
        EXPECT_EQ(dialoog.BitBtn2()->text(), g.annuleren);
        EXPECT_EQ(dialoog.lblHuidig()->text(), g.huidig + QStringLiteral("1500 kNm"));
        for (const QWidget* deel : std::initializer_list<const QWidget*>{
                 dialoog.BitBtnOK(), dialoog.BitBtn2(), dialoog.lblHuidig()}) {
            EXPECT_LE(deel->sizeHint().width(), deel->width());
        }
    }
}

// The modal call, driven from inside its own event loop.
TEST_F(MpInvullenTest, VraagGeeftDeBevestigdeWaarde) {
    QTimer::singleShot(0, &dialoog, [this] {
        Vervang(QStringLiteral("75"));
        QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    });
    EXPECT_EQ(dialoog.Vraag(50.0, nullptr), std::optional<double>(75.0));
}

} // namespace
} // namespace kx
