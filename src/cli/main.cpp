#include "cli/Rapport.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {
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
} // namespace

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    if (std::find(argumenten.begin(), argumenten.end(), "--pdf") != argumenten.end()) {
        GeefPdfDoor(argv);
    }
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr);
}
