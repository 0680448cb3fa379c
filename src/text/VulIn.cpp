#include "text/Teksten.h"

namespace kx {

std::string VulIn(std::string_view kader, std::initializer_list<std::string_view> waarden) {
    std::string tekst;
    tekst.reserve(kader.size());
    for (std::size_t i = 0; i < kader.size(); ++i) {
        const bool plaats = kader[i] == '%' && i + 1 < kader.size() && kader[i + 1] >= '1' &&
                            kader[i + 1] <= '9' &&
                            static_cast<std::size_t>(kader[i + 1] - '1') < waarden.size();
        if (plaats) {
            tekst += *(waarden.begin() + (kader[++i] - '1'));
        } else {
            tekst += kader[i];
        }
    }
    return tekst;
}

} // namespace kx
