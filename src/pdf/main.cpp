#include "cli/Rapport.h"
#include "pdf/PdfRapport.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

// kx-analyse with the PDF report; kx-analyse itself runs this program for --pdf.
int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr, kx::SchrijfPdfRapport);
}
