#include "model/Bestand.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

std::string Schrijf(const kx::TConstructie& constructie) {
    std::ostringstream uit;
    kx::SchrijfConstructie(uit, constructie, 1, "01-01-2000", "00:00:00");
    return uit.str();
}

kx::TLeesResultaat Lees(const std::string& tekst) {
    std::istringstream in(tekst);
    return kx::LeesConstructie(in, "fuzz.kx");
}

} // namespace

// Any bytes are either refused with a message or read; what is read must survive a round trip
// through the writer unchanged, and writing it again must give the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kx::TLeesResultaat gelezen = Lees(std::string(reinterpret_cast<const char*>(data), size));
    if (!gelezen.Gelukt()) {
        if (gelezen.Melding.empty()) {
            std::abort();
        }
        return 0;
    }
    const std::string geschreven = Schrijf(*gelezen.Constructie);
    const kx::TLeesResultaat terug = Lees(geschreven);
    if (!terug.Gelukt() || !(*terug.Constructie == *gelezen.Constructie) ||
        Schrijf(*terug.Constructie) != geschreven) {
        std::abort();
    }
    return 0;
}
