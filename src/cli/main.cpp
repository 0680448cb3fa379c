#include "cli/Rapport.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> argumenten(argv + 1, argv + argc);
    return kx::VoerAnalyseUit(argumenten, std::cout, std::cerr);
}
