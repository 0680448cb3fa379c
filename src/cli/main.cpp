#include "cli/Rapport.h"

#include <algorithm>
#include <clocale>
#include <csignal>
#include <filesystem>
#include <iostream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
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
    // A reader that goes away is a failed write with an exit status, not a silent end; the
    // PDF sibling inherits this.
    std::signal(SIGPIPE, SIG_IGN);
#ifdef __GLIBC__
    // Each file's analysis allocates what the one before freed: keeping the freed heap spares
    // the system calls that would hand it back and fetch it again, a third of a folder's time.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
#endif
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    if (std::find(argumenten.begin(), argumenten.end(), "--pdf") != argumenten.end()) {
        GeefPdfDoor(argv);
    }
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr);
}
