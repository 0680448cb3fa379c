#include "ui/HtmlVenster.h"

#include "text/TekstNamen.h"
#include "text/Teksten.h"
#include "ui/Datamap.h"
#include "ui/VensterTekst.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kx {

namespace {
// The windows were designed at 240 x 175, too small to read a page in.
constexpr QSize LeesbareMaat(800, 600);

// Same document, other anchor: the browser only scrolls.
bool ZelfdePagina(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

} // namespace

THtmlVenster::THtmlVenster(const Teksten& teksten, int titel, const QString& startPagina,
                           const QString& programmaMap, QWidget* ouder)
    : QWidget(ouder, Qt::Window), WebBrowser1_(new QTextBrowser(this)),
      nietGevonden_(VensterTekst(teksten[TekstPaginaNietGevonden])) {
    setWindowTitle(VensterTekst(teksten[titel]));
    resize(LeesbareMaat);

    WebBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1_->setOpenLinks(false);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(WebBrowser1_);
    connect(WebBrowser1_, &QTextBrowser::anchorClicked, this, &THtmlVenster::Volg);
    // Going back and forward in the browser's history moves the base of relative links too.
    connect(WebBrowser1_, &QTextBrowser::sourceChanged, this, [this](const QUrl& bron) {
        if (!bron.isEmpty()) {
            pagina_ = bron;
            gevonden_ = true;
        }
    });

    const QString map = Datamap(startPagina, programmaMap);
    WebBrowser1_->setSearchPaths({map});
    Navigeer(QUrl::fromLocalFile(QDir(map).filePath(startPagina)));
}

void THtmlVenster::Toon() {
    show();
    raise();
    activateWindow();
}

void THtmlVenster::Volg(const QUrl& link) {
    const QUrl doel = pagina_.resolved(link);
    if (!doel.isLocalFile()) {
        QDesktopServices::openUrl(doel);
        return;
    }
    if (gevonden_ && ZelfdePagina(doel, pagina_)) {
        pagina_ = doel;
        WebBrowser1_->setSource(doel);
        return;
    }
    Navigeer(doel);
}

void THtmlVenster::Navigeer(const QUrl& pagina) {
    pagina_ = pagina;
    gevonden_ = QFileInfo(pagina.toLocalFile()).isFile();
    if (gevonden_) {
        WebBrowser1_->setSource(pagina);
    } else {
        ToonNietGevonden(pagina);
    }
}

void THtmlVenster::ToonNietGevonden(const QUrl& pagina) {
    const QString pad = QDir::toNativeSeparators(pagina.toLocalFile());
    WebBrowser1_->setHtml(
        QStringLiteral("<p>%1</p>").arg(nietGevonden_.toHtmlEscaped().arg(pad.toHtmlEscaped())));
}

TfrmHelpOnderwerpen::TfrmHelpOnderwerpen(const Teksten& teksten, const QString& programmaMap)
    : THtmlVenster(teksten, TekstHelpTitel, QStringLiteral("Help/HelpIndex.html"), programmaMap) {
    setObjectName(QStringLiteral("frmHelpOnderwerpen"));
}

TfrmDeTheorie::TfrmDeTheorie(const Teksten& teksten, const QString& programmaMap)
    : THtmlVenster(teksten, TekstTheorieTitel, QStringLiteral("Theorie/TheorieIndex.htm"),
                   programmaMap) {
    setObjectName(QStringLiteral("frmDeTheorie"));
}

} // namespace kx
