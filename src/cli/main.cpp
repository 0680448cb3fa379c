#include "cli/Rapport.h"
#ifdef KX_MET_PDF
#include "pdf/PdfRapport.h"
#endif

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
#ifdef KX_MET_PDF
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr, kx::SchrijfPdfRapport);
#else
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr);
#endif
}
