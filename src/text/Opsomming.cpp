#include "text/Opsomming.h"

namespace kx {

std::string Opsomming(const std::vector<std::string>& delen, const std::string& en) {
    std::string tekst;
    for (std::size_t i = 0; i < delen.size(); ++i) {
        tekst += i == 0 ? "" : (i + 1 == delen.size() ? en : ", ");
        tekst += delen[i];
    }
    return tekst;
}

} // namespace kx
