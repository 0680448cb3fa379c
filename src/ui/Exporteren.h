#pragma once

#include "drawing/Bladzijden.h"

#include <QString>

#include <optional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace kx {

class TAnalyseVenster;
class TfrmConstructie;
class Teksten;

enum class TExportSoort { Pdf, Svg, Png };

// The kind of file a name asks for by its extension (any case), none for another extension.
std::optional<TExportSoort> ExportSoort(const QString& naam);
// The name as chosen, with ".pdf" appended when its extension names no export kind.
QString MetExportExtensie(const QString& naam);

// The whole picture of an analysis window, or the editor's drawing as output shows it: the
// structure on its grid, without what follows the mouse (the items under it, a drag).
TPlaat PlaatVan(const TAnalyseVenster& venster);
TPlaat PlaatVan(const TfrmConstructie& editor);

// Writes the picture as PDF (A4 pages), SVG or PNG (its size in screen pixels) through the safe
// save routine; on failure returns the message that says why, else an empty text.
QString Exporteer(const TPlaat& plaat, const QString& naam, const QString& titel,
                  const Teksten& teksten);

// A print preview of the picture on A4 pages, opened without blocking; it deletes itself when
// closed, and printing from it prints the picture.
QPrintPreviewDialog* OpenAfdrukvoorbeeld(const TPlaat& plaat, const QString& titel, QWidget* ouder);

} // namespace kx
