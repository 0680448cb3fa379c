#include "ui/Exporteren.h"

#include "drawing/StructuurTekening.h"
#include "text/Bestandstoegang.h"
#include "ui/AnalyseVenster.h"
#include "ui/Constructievenster.h"
#include "ui/Tekenvlak.h"
#include "ui/VensterTekst.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include <memory>

namespace kx {

namespace {
const QMarginsF Kantlijn(15, 15, 15, 15);

QByteArray Pdf(const TPlaat& plaat, const QString& titel) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Plastokinetica"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Kantlijn,
                                      QPageLayout::Millimeter));
        TekenOpBladzijden(pdf, plaat);
    }
    return buffer.data();
}

QByteArray Svg(const TPlaat& plaat, const QString& titel) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        const QPicture opname = Opname(plaat);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(titel);
        svg.setResolution(opname.logicalDpiX());
        svg.setSize(plaat.Grootte);
        svg.setViewBox(QRect(QPoint(0, 0), plaat.Grootte));
        QPainter painter(&svg);
        painter.fillRect(QRect(QPoint(0, 0), plaat.Grootte), Qt::white);
        painter.drawPicture(0, 0, opname);
    }
    return buffer.data();
}

QByteArray Png(const TPlaat& plaat) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Rasterbeeld(plaat).save(&buffer, "PNG");
    return buffer.data();
}

QByteArray Inhoud(const TPlaat& plaat, const QString& naam, const QString& titel) {
    switch (ExportSoort(naam).value_or(TExportSoort::Pdf)) {
    case TExportSoort::Svg:
        return Svg(plaat, titel);
    case TExportSoort::Png:
        return Png(plaat);
    case TExportSoort::Pdf:
        break;
    }
    return Pdf(plaat, titel);
}
} // namespace

std::optional<TExportSoort> ExportSoort(const QString& naam) {
    const QString extensie = QFileInfo(naam).suffix().toLower();
    if (extensie == u"pdf") {
        return TExportSoort::Pdf;
    }
    if (extensie == u"svg") {
        return TExportSoort::Svg;
    }
    if (extensie == u"png") {
        return TExportSoort::Png;
    }
    return std::nullopt;
}

QString MetExportExtensie(const QString& naam) {
    return ExportSoort(naam) ? naam : naam + QStringLiteral(".pdf");
}

TPlaat PlaatVan(const TAnalyseVenster& venster) {
    const QSize grootte = venster.Vlak()->size();
    return {grootte, [&venster, grootte](QPainter& painter) {
                Weergavegebied gebied{0, 0, static_cast<double>(grootte.width()),
                                      static_cast<double>(grootte.height())};
                Klikgebieden klik{};
                venster.TekenOp(painter, gebied, klik);
            }};
}

TPlaat PlaatVan(const TfrmConstructie& editor) {
    const QSize grootte = editor.Tekenvlak()->size();
    return {grootte,
            [&editor, grootte](QPainter& painter) {
                TekenConstructie(painter, editor.Constructie(), TSelectie{}, editor.Instellingen(),
                                 grootte, Decimaalteken());
            },
            false};
}

QString Exporteer(const TPlaat& plaat, const QString& naam, const QString& titel,
                  const Teksten& teksten) {
    const QByteArray inhoud = Inhoud(plaat, naam, titel);
    const std::string pad = QFile::encodeName(naam).toStdString();
    if (const TBestandsfout fout =
            SchrijfBestandVeilig(pad, std::string_view(inhoud.constData(), inhoud.size()));
        fout) {
        return QString::fromStdString(OpslagMelding(teksten, naam.toStdString(), fout));
    }
    return {};
}

QPrintPreviewDialog* OpenAfdrukvoorbeeld(const TPlaat& plaat, const QString& titel,
                                         QWidget* ouder) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(titel);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Kantlijn,
                                       QPageLayout::Millimeter));
    auto* voorbeeld = new QPrintPreviewDialog(printer.get(), ouder);
    voorbeeld->setAttribute(Qt::WA_DeleteOnClose);
    voorbeeld->setWindowTitle(titel);
    // The dialog keeps the printer alive; the picture is copied so it outlives the caller.
    QObject::connect(voorbeeld, &QPrintPreviewDialog::paintRequested, voorbeeld,
                     [printer, plaat](QPrinter* p) { TekenOpBladzijden(*p, plaat); });
    voorbeeld->open();
    return voorbeeld;
}

} // namespace kx
