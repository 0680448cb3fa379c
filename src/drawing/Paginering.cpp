#include "drawing/Paginering.h"

#include <algorithm>

namespace kx {

namespace {
constexpr int SprongenOpzij = 2;
}

int Kolommen(int breedte) {
    if (breedte < 401) {
        return 1;
    }
    if (breedte < 601) {
        return 2;
    }
    return breedte < 801 ? 3 : 4;
}

TPagina Pagina(int nummer, int perPagina, int aantal) {
    if (aantal <= 0 || perPagina <= 0) {
        return {};
    }
    const int paginas = (aantal + perPagina - 1) / perPagina;
    const int k = std::clamp(nummer, 1, paginas);
    const int eerste = k == paginas ? std::max(0, aantal - perPagina) : (k - 1) * perPagina;
    return {eerste, std::min(eerste + perPagina, aantal) - 1, k, paginas};
}

TPagina PaginaMet(int gevraagd, int perPagina, int aantal) {
    if (aantal <= 0 || perPagina <= 0) {
        return {};
    }
    const int i = std::clamp(gevraagd, 0, aantal - 1);
    const int paginas = (aantal + perPagina - 1) / perPagina;
    return Pagina(i >= aantal - perPagina ? paginas : i / perPagina + 1, perPagina, aantal);
}

std::vector<int> PaginaSprongen(const TPagina& pagina) {
    std::vector<int> sprongen;
    const auto voegToe = [&sprongen](int k) {
        if (!sprongen.empty() && k > sprongen.back() + 1) {
            sprongen.push_back(0);
        }
        sprongen.push_back(k);
    };
    if (pagina.Aantal < 1) {
        return sprongen;
    }
    voegToe(1);
    const int van = std::max(2, pagina.Nummer - SprongenOpzij);
    const int tot = std::min(pagina.Aantal - 1, pagina.Nummer + SprongenOpzij);
    for (int k = van; k <= tot; ++k) {
        voegToe(k);
    }
    if (pagina.Aantal > 1) {
        voegToe(pagina.Aantal);
    }
    return sprongen;
}

TPagerDoelen PagerDoelen(const TPagina& pagina, int aantal) {
    TPagerDoelen doelen;
    if (pagina.Aantal < 1) {
        return doelen;
    }
    if (pagina.Eerste > 0) {
        doelen.Eerste = 0;
        doelen.Vorige = pagina.Eerste - 1;
    }
    if (pagina.Laatste < aantal - 1) {
        doelen.Volgende = pagina.Laatste + 1;
        doelen.Laatste = aantal - 1;
    }
    const int perPagina = pagina.Laatste - pagina.Eerste + 1;
    for (const int k : PaginaSprongen(pagina)) {
        const bool link = k != 0 && k != pagina.Nummer;
        doelen.Nummers.emplace_back(k, link ? Pagina(k, perPagina, aantal).Eerste : -1);
    }
    return doelen;
}

} // namespace kx
