#include "cli/Rapport.h"
#ifdef KX_MET_PDF
#include "pdf/PdfRapport.h"
#else
#include <filesystem>
#include <system_error>
#include <unistd.h>
#endif

#include <algorithm>
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

namespace {
#ifndef KX_MET_PDF
// The PDF report needs Qt: the sibling program that links it takes over, so that every other
// run starts without loading Qt. Returns only when there is no such program.
void GeefPdfDoor(char* argv[]) {
    std::error_code fout;
    const auto zelf = std::filesystem::read_symlink("/proc/self/exe", fout);
    if (fout) {
        return;
    }
    const std::string pdf = (zelf.parent_path() / "kx-analyse-pdf").string();
    execv(pdf.c_str(), argv);
}
#endif
} // namespace

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
#ifdef KX_MET_PDF
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr, kx::SchrijfPdfRapport);
#else
    if (std::find(argumenten.begin(), argumenten.end(), "--pdf") != argumenten.end()) {
        GeefPdfDoor(argv);
    }
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr);
#endif
}
