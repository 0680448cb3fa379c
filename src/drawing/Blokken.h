#pragma once

#include <QPainter>

#include <cstdint>
#include <vector>

namespace kx {

// What a view tells the pages about its layout: the stretches of its picture that stay together
// on one page. A heading goes with what follows it; a drawing taller than a page is scaled down.
enum class TBlokSoort : std::uint8_t {
    Kop,
    Tekst,
    Tekening,
};

struct TBlok {
    double Boven = 0.0;
    double Onder = 0.0;
    TBlokSoort Soort = TBlokSoort::Tekst;
};

// Collects, while it lives, the blocks that are drawn on one device of this thread; the views
// report them through MeldBlok. Nested collections each take those drawn on their own device.
class TBlokkenOpname {
public:
    explicit TBlokkenOpname(const QPaintDevice& apparaat);
    ~TBlokkenOpname();
    TBlokkenOpname(const TBlokkenOpname&) = delete;
    TBlokkenOpname& operator=(const TBlokkenOpname&) = delete;

    const std::vector<TBlok>& Blokken() const { return blokken_; }

private:
    friend void MeldBlok(const QPainter&, double, double, TBlokSoort);

    const QPaintDevice* apparaat_;
    TBlokkenOpname* vorige_;
    std::vector<TBlok> blokken_;
};

// A block the painter draws from boven to onder, in its own coordinates; kept by the collection
// of the painter's device, ignored where there is none (on the screen, in a measurement).
void MeldBlok(const QPainter& painter, double boven, double onder, TBlokSoort soort);

} // namespace kx
