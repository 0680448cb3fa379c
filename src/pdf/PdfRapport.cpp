#include "pdf/PdfRapport.h"

#include "cli/Rapport.h"
#include "drawing/Bladzijden.h"
#include "drawing/KrachtsverdelingView.h"
#include "drawing/Tekst.h"
#include "drawing/WanneerBezwijkenView.h"
#include "engine/Analyse.h"
#include "engine/Krachtenanalyse.h"
#include "model/Controle.h"
#include "text/Bestandstoegang.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <memory>
#include <sstream>

namespace kx {

namespace {
// The width of an A4 page less two margins of 15 mm, in screen pixels of 96 dpi.
constexpr int Paginabreedte = 680;

void StartGuiModule() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char naam[] = "kx-analyse";
    static char* argv[] = {naam, nullptr};
    static const auto app = std::make_unique<QGuiApplication>(argc, argv);
}

std::vector<std::string> Regels(const std::string& tekst) {
    std::vector<std::string> regels;
    std::istringstream invoer(tekst);
    for (std::string regel; std::getline(invoer, regel);) {
        regels.push_back(regel);
    }
    return regels;
}

// The report line by line, then the governing mechanism's virtual work and its moment line and
// support reactions; returns where the picture ends.
double TekenRapport(QPainter& painter, const std::vector<std::string>& regels,
                    const TViewContext& context, const TKrachtenanalyse& krachten) {
    const TRechthoek breedte{0, 0, Paginabreedte, 0};
    double y = 0.0;
    for (const std::string& regel : regels) {
        y = TekenBlok(painter, breedte, y, regel.empty() ? " " : regel, opUitleg, Qt::black);
    }
    Weergavegebied gebied{0, y, Paginabreedte, y};
    Klikgebieden klik{};
    const int maatgevend = context.Analyse.MaatgevendMechanisme;
    TekenWanneerBezwijken(painter, gebied, maatgevend, klik, context);
    if (!krachten.Berekend()) {
        return gebied.Bottom;
    }
    Weergavegebied krachtGebied{0, gebied.Bottom, Paginabreedte, gebied.Bottom};
    TekenKrachtsverdeling(painter, krachtGebied, maatgevend,
                          {krachten, context.Opties, context.Tekst, context.Analyse.Decimaalteken});
    return krachtGebied.Bottom;
}
} // namespace

std::string SchrijfPdfRapport(const std::string& pad, const TConstructie& constructie,
                              const TAnalyse& analyse, const TUitslag& uitslag) {
    StartGuiModule();
    std::ostringstream rapport;
    SchrijfRapport(rapport, analyse, uitslag);
    const std::vector<std::string> regels = Regels(rapport.str());

    // The view reads the governing mechanism at its own index; the others are not kept.
    TAnalyse maatgevend = analyse;
    if (analyse.AantalMechanismen > 0) {
        maatgevend.Mechanismen.resize(static_cast<std::size_t>(uitslag.Maatgevend) + 1);
        maatgevend.Mechanismen.back() = uitslag.MaatgevendMechanisme;
    }
    const TWeergaveOpties opties;
    const TViewContext context{maatgevend, constructie, opties, analyse.Tekst()};
    TKrachtenanalyse krachten;
    if (!uitslag.Opgaven.empty()) {
        krachten.Bereken(constructie, uitslag.Opgaven, uitslag.Maatgevend);
    }

    QPicture meting;
    QPainter meter(&meting);
    const double hoogte = TekenRapport(meter, regels, context, krachten);
    meter.end();
    const TPlaat plaat{QSize(Paginabreedte, static_cast<int>(hoogte)), [&](QPainter& painter) {
                           TekenRapport(painter, regels, context, krachten);
                       }};

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("kx-analyse"));
        pdf.setTitle(QStringLiteral("Plastokinetica"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        TekenOpBladzijden(pdf, plaat);
    }
    const QByteArray& inhoud = buffer.data();
    if (const TBestandsfout fout =
            SchrijfBestandVeilig(pad, std::string_view(inhoud.constData(), inhoud.size()));
        fout) {
        return OpslagMelding(analyse.Tekst(), pad, fout);
    }
    return {};
}

} // namespace kx
