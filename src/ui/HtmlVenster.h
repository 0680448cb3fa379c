#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kx {

class Teksten;

// A top-level window that shows local HTML pages, starting at one page of the program's data.
// Closing it only hides it; the page the user went to stays.
class THtmlVenster : public QWidget {
    Q_OBJECT
public:
    // The start page is looked up beside the program or in the installed data folder (see
    // Datamap); programmaMap stands for the program's folder when not empty. The page is loaded
    // at once, also while the window is hidden. titel names the caption in teksten.
    THtmlVenster(const Teksten& teksten, int titel, const QString& startPagina,
                 const QString& programmaMap, QWidget* ouder = nullptr);

    // Makes the window visible and brings it to the front.
    void Toon();

    // Goes where a clicked link leads: local pages in the window, other addresses in the
    // desktop's own program for them.
    void Volg(const QUrl& link);

    // The page last asked for, also when it was not found.
    QUrl Pagina() const { return pagina_; }
    bool PaginaGevonden() const { return gevonden_; }

    QTextBrowser* WebBrowser1() const { return WebBrowser1_; }

private:
    void Navigeer(const QUrl& pagina);
    void ToonNietGevonden(const QUrl& pagina);

    QTextBrowser* WebBrowser1_;
    QString nietGevonden_; // "%1" stands for the page
    QUrl pagina_;
    bool gevonden_ = false;
};

// The help pages, starting at "Help/HelpIndex.html".
class TfrmHelpOnderwerpen : public THtmlVenster {
    Q_OBJECT
public:
    explicit TfrmHelpOnderwerpen(const Teksten& teksten, const QString& programmaMap = {});
};

// The theory pages, starting at "Theorie/TheorieIndex.htm".
class TfrmDeTheorie : public THtmlVenster {
    Q_OBJECT
public:
    explicit TfrmDeTheorie(const Teksten& teksten, const QString& programmaMap = {});
};

} // namespace kx
