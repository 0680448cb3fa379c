// The help and theory pages as shipped: every local link and picture they name is there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsExtern(const std::string& doel) {
    return doel.empty() || doel[0] == '#' || doel.rfind("http:", 0) == 0 ||
           doel.rfind("https:", 0) == 0 || doel.rfind("mailto:", 0) == 0;
}

TEST(Paginas, ElkeVerwijzingBestaat) {
    const std::regex verwijzing(R"re((?:href|src)\s*=\s*"([^"]*)")re");
    int paginas = 0;
    int verwijzingen = 0;
    for (const auto& item : fs::recursive_directory_iterator(KX_PAGINAS)) {
        const auto extensie = item.path().extension();
        if (extensie != ".htm" && extensie != ".html") {
            continue;
        }
        ++paginas;
        const std::string tekst = Lees(item.path());
        for (auto it = std::sregex_iterator(tekst.begin(), tekst.end(), verwijzing);
             it != std::sregex_iterator(); ++it) {
            std::string doel = (*it)[1].str();
            if (IsExtern(doel)) {
                continue;
            }
            doel = doel.substr(0, doel.find('#'));
            ++verwijzingen;
            EXPECT_TRUE(fs::exists(item.path().parent_path() / doel))
                << item.path().filename() << " -> " << doel;
        }
    }
    EXPECT_GT(paginas, 10);
    EXPECT_GT(verwijzingen, 50);
}

} // namespace
