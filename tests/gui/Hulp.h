#pragma once

#include "drawing/Gebieden.h"
#include "drawing/Opmaak.h"
#include "drawing/Tekst.h"
#include "engine/Analyse.h"
#include "model/Bevraging.h"
#include "model/Bewerkingen.h"
#include "model/Controle.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/AnalyseVenster.h"
#include "ui/Constructievenster.h"
#include "ui/Dialogen.h"
#include "ui/Document.h"
#include "ui/Hoofdvenster.h"
#include "ui/Instellingen.h"
#include "ui/PaneelKnop.h"
#include "ui/StartInfo.h"
#include "ui/Zijpaneel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt strings.
inline void PrintTo(const QString& tekst, std::ostream* uit) {
    *uit << '"' << tekst.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kx::test {

// Message boxes and file dialogs that answer from a script and record what they were asked.
// An empty script answers No to the questions and cancels the file dialogs.
class NepDialogen : public TDialogen {
public:
    std::deque<TAntwoord> Antwoorden;
    std::deque<bool> JaNeeAntwoorden;
    std::deque<QString> OpenAntwoorden;
    std::deque<QString> OpslaanAntwoorden;

    // Every message in order; the warnings among them once more on their own.
    QStringList Meldingen;
    QStringList Waarschuwingen;
    QStringList Vragen;
    int AantalOpenDialogen = 0;
    int AantalOpslaanDialogen = 0;

    void Informatie(QWidget*, const QString& tekst) override { Meldingen << tekst; }
    void Waarschuwing(QWidget*, const QString& tekst) override {
        Meldingen << tekst;
        Waarschuwingen << tekst;
    }
    TAntwoord VraagJaNeeAnnuleren(QWidget*, const QString& tekst) override {
        Vragen << tekst;
        return Neem(Antwoorden, TAntwoord::Nee);
    }
    bool VraagJaNee(QWidget*, const QString& tekst) override {
        Vragen << tekst;
        return Neem(JaNeeAntwoorden, false);
    }
    QString KiesTeOpenen(QWidget*, const QString&, int) override {
        ++AantalOpenDialogen;
        return Neem(OpenAntwoorden, QString());
    }
    QString KiesOpslaan(QWidget*, const QString&, int, const QString&) override {
        ++AantalOpslaanDialogen;
        return Neem(OpslaanAntwoorden, QString());
    }

private:
    template <typename T> static T Neem(std::deque<T>& rij, T standaard) {
        if (rij.empty()) {
            return standaard;
        }
        T antwoord = rij.front();
        rij.pop_front();
        return antwoord;
    }
};

inline QImage WitVlak(int breedte, int hoogte) {
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::white);
    return beeld;
}

// Number of pixels inside r (clipped to the image) of the given colour, or of any colour but
// white.
inline int Inkt(const QImage& beeld, const QRect& r, const QColor& kleur = QColor()) {
    const QRect vak = r.intersected(beeld.rect());
    int aantal = 0;
    for (int y = vak.top(); y <= vak.bottom(); ++y) {
        for (int x = vak.left(); x <= vak.right(); ++x) {
            const QColor pixel = beeld.pixelColor(x, y);
            aantal += (kleur.isValid() ? pixel == kleur : pixel != QColor(Qt::white)) ? 1 : 0;
        }
    }
    return aantal;
}

// Rightmost (or leftmost) column with ink in the rows of r, or -1.
inline int RandInkt(const QImage& beeld, const QRect& r, bool rechts) {
    for (int i = 0; i < r.width(); ++i) {
        const int x = rechts ? r.right() - i : r.left() + i;
        if (Inkt(beeld, QRect(x, r.top(), 1, r.height())) > 0) {
            return x;
        }
    }
    return -1;
}

// Every text of an SVG file, joined.
inline QString SvgTekst(const QString& pad) {
    QFile bestand(pad);
    EXPECT_TRUE(bestand.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&bestand);
    QString tekst;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            tekst += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return tekst;
}

// The text of a PDF file as pdftotext reads it: pages end in a form feed.
inline QString PdfTekst(const QString& pad) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pad, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is nodig";
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Runs kx-analyse with the given arguments and "--pdf pad", without a display and in the C
// locale; empty when it ended well, else what it wrote on stderr or how it ended.
inline QString KxAnalysePdf(QStringList argumenten, const QString& pad) {
    QProcess analyse;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    for (const char* naam : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        omgeving.remove(QString::fromLatin1(naam));
    }
    omgeving.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    analyse.setProcessEnvironment(omgeving);
    argumenten << QStringLiteral("--pdf") << pad;
    analyse.start(QStringLiteral(KX_ANALYSE), argumenten);
    if (!analyse.waitForFinished(60000)) {
        return QStringLiteral("kx-analyse is niet klaar");
    }
    if (analyse.exitStatus() == QProcess::NormalExit && analyse.exitCode() == 0) {
        return {};
    }
    const QString fout = QString::fromUtf8(analyse.readAllStandardError());
    return fout.isEmpty() ? QStringLiteral("kx-analyse eindigde met %1").arg(analyse.exitCode())
                          : fout;
}

// Bottom of the title block a view starts with.
inline double TitelOnder(const std::string& titel, int breedte) {
    QImage beeld = WitVlak(breedte, 200);
    QPainter p(&beeld);
    return TekenBlok(p, {0, 0, static_cast<double>(breedte), 0}, 0, titel, opTitel, Qt::black);
}

// Mouse events straight to a surface, also where it is scrolled out of view.
inline void Stuur(QWidget* vlak, QEvent::Type soort, QPointF plaats, Qt::MouseButton knop) {
    QMouseEvent e(soort, plaats, vlak->mapToGlobal(plaats), knop,
                  soort == QEvent::MouseMove ? Qt::NoButton : knop, Qt::NoModifier);
    QApplication::sendEvent(vlak, &e);
}

inline void Klik(QWidget* vlak, QPointF plaats, Qt::MouseButton knop = Qt::LeftButton) {
    Stuur(vlak, QEvent::MouseButtonPress, plaats, knop);
    Stuur(vlak, QEvent::MouseButtonRelease, plaats, knop);
}

// A left drag on the editor's drawing surface as the mouse makes it: press, move, release.
inline void Sleep(TfrmConstructie& editor, QPoint van, QPoint naar) {
    editor.ImageConstructieMouseMove(van.x(), van.y());
    editor.ImageConstructieMouseDown(Qt::LeftButton, van.x(), van.y());
    editor.ImageConstructieMouseMove(naar.x(), naar.y());
    editor.ImageConstructieMouseUp(Qt::LeftButton, naar.x(), naar.y());
}

// The slots in use of one table of a structure.
template <typename Tabel> int Aantal(const Tabel& tabel) {
    return static_cast<int>(std::ranges::count_if(tabel, [](const auto& s) { return s.Bestaat; }));
}

inline QAction* Actie(const QMenu* menu, const QString& tekst) {
    const QList<QAction*> acties = menu->actions();
    const auto gevonden =
        std::ranges::find_if(acties, [&](QAction* a) { return a->text() == tekst; });
    return gevonden == acties.end() ? nullptr : *gevonden;
}

// A frame of four bars clamped at both feet with one load: S = 3 and five hinge places, so
// C(5, 4) = 5 mechanisms.
inline void VulVijfMechanismen(TConstructie& c) {
    c = TConstructie{};
    const std::array<TPunt, 5> punten{{{2, 6}, {2, 2}, {5, 2}, {8, 2}, {8, 6}}};
    for (std::size_t i = 0; i < punten.size(); ++i) {
        const bool voet = i == 0 || i == 4;
        c.Knopen[i] = {.X = punten[i].x,
                       .Y = punten[i].y,
                       .Oplegging = voet ? Inklemming : GeenOplegging,
                       .Bestaat = true};
        if (i < 4) {
            const auto n = static_cast<std::int32_t>(i);
            c.Staven[i] = {.Knoop0 = n, .Knoop1 = n + 1, .Bestaat = true};
        }
    }
    c.Belastingen[0] = {.Knoop = 2, .Fy = 1, .Bestaat = true};
}

// The editor on its own, shown, with scripted dialogs and scripted answers to its Mp question
// (Cancel when none is left); the questions it asked are kept.
class EditorBasis : public ::testing::Test {
protected:
    EditorBasis() { editor.show(); }

    void Kies(TBewerking bewerking) {
        toestand.Bewerking = bewerking;
        editor.ZetBewerking(bewerking);
    }
    QStringList Rij(int rij) const {
        QStringList cellen;
        for (int kolom = 0; kolom < editor.Tabel()->columnCount(); ++kolom) {
            const QTableWidgetItem* item = editor.Tabel()->item(rij, kolom);
            cellen << (item ? item->text() : QString());
        }
        return cellen;
    }
    const TConstructie& C() const { return document.Constructie(); }

    Teksten teksten;
    TDocument document{teksten};
    TToestand toestand;
    NepDialogen dialogen;
    std::deque<std::optional<double>> mpAntwoorden;
    std::vector<double> mpGevraagd;
    TfrmConstructie editor{document, toestand, teksten, dialogen, [this](double huidig) {
                               mpGevraagd.push_back(huidig);
                               std::optional<double> antwoord;
                               if (!mpAntwoorden.empty()) {
                                   antwoord = mpAntwoorden.front();
                                   mpAntwoorden.pop_front();
                               }
                               return antwoord;
                           }};
};

// The main window with scripted dialogs, shown as the program shows it.
class HoofdvensterBasis : public ::testing::Test {
protected:
    void TearDown() override { OpenGebruikersInstellingen()->clear(); }

    TmdiPlastokinetica& Start(bool startscherm = false) {
        SchrijfToonOpstartscherm(startscherm);
        venster.emplace(dialogen);
        venster->show();
        QApplication::processEvents();
        return *venster;
    }

    // Large, with the editor not maximised, so that new children keep their size.
    void StartGroot(bool vijfMechanismen = false) {
        Start();
        venster->resize(1400, 900);
        venster->Editorvenster()->showNormal();
        if (vijfMechanismen) {
            venster->Document().Bewerk({}, [](TConstructie& c) { VulVijfMechanismen(c); });
        } else {
            venster->LaadConstructie("Voorbeeld");
        }
    }

    TfrmConstructie& Editor() { return *venster->Constructievenster(); }
    int AantalStaven() const { return Aantal(venster->Constructie().Staven); }

    // Exports the active window to pad through the scripted save dialog, which must report
    // nothing; returns pad.
    QString ExporteerNaar(const QString& pad) {
        dialogen.OpslaanAntwoorden = {pad};
        venster->Exporteren();
        EXPECT_TRUE(dialogen.Meldingen.isEmpty()) << dialogen.Meldingen.join("\n").toStdString();
        return pad;
    }

    // Draws a bar from (2, 2) to (7, 2) m; like any press in the editor it marks a change.
    void Bewerk() { Sleep(Editor(), {80, 80}, {280, 80}); }

    NepDialogen dialogen;
    std::optional<TmdiPlastokinetica> venster;
};

} // namespace kx::test
