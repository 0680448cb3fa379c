#include "ui/MpInvullen.h"

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

    void Typ(const QString& tekst) { QTest::keyClicks(dialoog.editMP(), tekst); }

    void Vervang(const QString& tekst) {
        dialoog.editMP()->clear();
        Typ(tekst);
    }

    QString Tekst() const { return dialoog.editMP()->text(); }
    bool OkMogelijk() const { return dialoog.BitBtnOK()->isEnabled(); }

    TFormMpInvullen dialoog;
};

TEST_F(MpInvullenTest, NieuweStaafToont50EnOkKan) {
    Open(50.0);
    EXPECT_EQ(Tekst(), QStringLiteral("50"));
    EXPECT_TRUE(OkMogelijk());
    EXPECT_FALSE(dialoog.lblHuidig()->isVisible());
    EXPECT_EQ(dialoog.focusWidget(), dialoog.editMP());
}

TEST_F(MpInvullenTest, LetterEnMinWordenMeteenVerwijderd) {
    Open(50.0);
    Typ(QStringLiteral("x"));
    EXPECT_EQ(Tekst(), QStringLiteral("50"));
    Typ(QStringLiteral("-"));
    EXPECT_EQ(Tekst(), QStringLiteral("50"));
    EXPECT_TRUE(OkMogelijk());

    Vervang(QStringLiteral("-"));
    EXPECT_EQ(Tekst(), QString());
    EXPECT_FALSE(OkMogelijk());
}

// Digits of other scripts would not convert to a number.
TEST_F(MpInvullenTest, AlleenDeCijfersNulTotNegenBlijvenStaan) {
    Open(50.0);
    dialoog.editMP()->clear();
    dialoog.editMP()->insert(QString::fromUtf8("1\u0663"));
    EXPECT_EQ(Tekst(), QStringLiteral("1"));
}

TEST_F(MpInvullenTest, NulSchakeltOkUitEnVoorloopnullenTellenNiet) {
    Open(50.0);
    Vervang(QStringLiteral("0"));
    EXPECT_FALSE(OkMogelijk());
    Vervang(QStringLiteral("000"));
    EXPECT_FALSE(OkMogelijk());
    Vervang(QStringLiteral("007"));
    EXPECT_TRUE(OkMogelijk());

    QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    EXPECT_FALSE(dialoog.isVisible());
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(7.0));
}

TEST_F(MpInvullenTest, HoogstensDrieCijfers) {
    Open(50.0);
    Vervang(QStringLiteral("12345"));
    EXPECT_EQ(Tekst(), QStringLiteral("123"));
}

TEST_F(MpInvullenTest, LeegmakenSchakeltOkUit) {
    Open(50.0);
    dialoog.editMP()->clear();
    EXPECT_FALSE(OkMogelijk());
    QTest::keyClick(dialoog.editMP(), Qt::Key_Return);
    EXPECT_TRUE(dialoog.isVisible());
    EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);
}

TEST_F(MpInvullenTest, AnnulerenGeeftNiets) {
    Open(50.0);
    Vervang(QStringLiteral("123"));
    QTest::mouseClick(dialoog.BitBtn2(), Qt::LeftButton);
    EXPECT_FALSE(dialoog.isVisible());
    EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);
}

TEST_F(MpInvullenTest, EnterBevestigtEscapeAnnuleert) {
    Open(50.0);
    Vervang(QStringLiteral("80"));
    QTest::keyClick(dialoog.editMP(), Qt::Key_Return);
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(80.0));

    Open(80.0);
    QTest::keyClick(dialoog.editMP(), Qt::Key_Escape);
    EXPECT_EQ(dialoog.GekozenWaarde(), std::nullopt);
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
    Typ(QStringLiteral("13"));
    QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    EXPECT_EQ(dialoog.GekozenWaarde(), std::optional<double>(13.0));
}

// The modal call, driven from inside its own event loop.
TEST_F(MpInvullenTest, VraagGeeftDeBevestigdeWaarde) {
    QTimer::singleShot(0, &dialoog, [this] {
        Vervang(QStringLiteral("75"));
        QTest::mouseClick(dialoog.BitBtnOK(), Qt::LeftButton);
    });
    EXPECT_EQ(dialoog.Vraag(50.0, nullptr), std::optional<double>(75.0));

    QTimer::singleShot(0, &dialoog, [this] {
        Vervang(QStringLiteral("75"));
        QTest::mouseClick(dialoog.BitBtn2(), Qt::LeftButton);
    });
    EXPECT_EQ(dialoog.Vraag(50.0, nullptr), std::nullopt);
}

} // namespace
} // namespace kx
