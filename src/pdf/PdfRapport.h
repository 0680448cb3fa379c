#pragma once

#include <string>

namespace kx {

class TAnalyse;
struct TConstructie;
struct TUitslag;

// Writes the report and the governing mechanism's virtual work view, drawing included, as a PDF
// on A4 pages. Starts Qt's GUI module on the offscreen platform when no application runs, so no
// display is needed. The file is written through the safe save routine; returns the message
// that says why it could not be, empty on success.
std::string SchrijfPdfRapport(const std::string& pad, const TConstructie& constructie,
                              const TAnalyse& analyse, const TUitslag& uitslag);

} // namespace kx
