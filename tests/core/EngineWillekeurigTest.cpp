#include "EngineHulp.h"
#include "ModelHulp.h"
#include "Referentie.h"
#include "model/Bestand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace kx::test {
namespace {

// Draws random frames through the editing operations, the way a student would with the mouse.
class Student {
public:
    explicit Student(unsigned zaad) : rng_(zaad) {}

    TConstructie Teken() {
        Tekenaar t;
        TekenKetting(t, Getal(1, 7));
        ZetOpleggingen(t);
        for (std::size_t k = 1; k + 1 < punten_.size(); ++k) {
            if (Kans(0.15)) {
                t.Wijs(punten_[k].x, punten_[k].y);
                t.c.ZetVerbinding(t.sel, ScharnierendeVerbinding);
            }
        }
        for (int b = 0; b < AantalStaafSlots; ++b) {
            if (t.c.Constructie.Staven[b].Bestaat && Kans(0.3)) {
                t.sel.GevondenStaaf = b;
                t.c.ZetMp(t.sel, Getal(20, 100));
            }
        }
        const int lasten = Getal(1, 3);
        for (int j = 0; j < lasten; ++j) {
            if (Kans(0.7)) {
                Pijl(t, punten_[Getal(0, static_cast<int>(punten_.size()) - 1)], -1);
            } else {
                LastOpStaaf(t);
            }
        }
        return t.c.Constructie;
    }

private:
    int Getal(int laag, int hoog) { return std::uniform_int_distribution<int>(laag, hoog)(rng_); }
    bool Kans(double p) { return std::bernoulli_distribution(p)(rng_); }

    // A chain of bars on grid points, each one to 3 cells long in one of eight directions.
    void TekenKetting(Tekenaar& t, int staven) {
        static constexpr std::array<std::array<int, 2>, 8> richtingen{
            {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
        punten_ = {{static_cast<double>(Getal(0, 6)), static_cast<double>(Getal(0, 6))}};
        for (int b = 0; b < staven; ++b) {
            const TPunt p = punten_.back();
            const auto r = richtingen[Getal(0, 7)];
            const int lengte = Getal(1, 3);
            const TPunt q{p.x + r[0] * lengte, p.y + r[1] * lengte};
            if (std::none_of(punten_.begin(), punten_.end(),
                             [&](TPunt a) { return a.x == q.x && a.y == q.y; })) {
                t.Staaf(p.x, p.y, q.x, q.y);
                punten_.push_back(q);
            }
        }
    }

    void ZetOpleggingen(Tekenaar& t) {
        static constexpr std::array<int, 4> codes{Inklemming, Scharnierend, RolHorizontaal,
                                                  RolVerticaal};
        t.Oplegging(punten_.front().x, punten_.front().y, codes[Getal(0, 3)]);
        if (Kans(0.8)) {
            t.Oplegging(punten_.back().x, punten_.back().y, codes[Getal(0, 3)]);
        }
    }

    // The arrow from a tail a few cells away to its head.
    void Pijl(Tekenaar& t, TPunt kop, int staaf) {
        int fx = 0;
        int fy = 0;
        while (fx == 0 && fy == 0) {
            fx = Getal(-2, 2);
            fy = Getal(-2, 2);
        }
        t.Belasting(kop.x - fx, kop.y - fy, kop.x, kop.y, staaf);
    }

    // A load released on a grid point inside a bar splits that bar there.
    void LastOpStaaf(Tekenaar& t) {
        const int b = Getal(0, AantalStaafSlots - 1);
        const auto& staaf = t.c.Constructie.Staven[b];
        if (!staaf.Bestaat) {
            return;
        }
        const auto& k0 = t.c.Constructie.Knopen[staaf.Knoop0];
        const auto& k1 = t.c.Constructie.Knopen[staaf.Knoop1];
        const int cellen =
            static_cast<int>(std::max(std::fabs(k1.X - k0.X), std::fabs(k1.Y - k0.Y)));
        if (cellen >= 2) {
            const double f = static_cast<double>(Getal(1, cellen - 1)) / cellen;
            Pijl(t, {k0.X + f * (k1.X - k0.X), k0.Y + f * (k1.Y - k0.Y)}, b);
        }
    }

    std::mt19937 rng_;
    std::vector<TPunt> punten_;
};

void ControleerEindig(const TMechanisme& m) {
    std::vector<double> getallen = m.Vgl.Factoren;
    getallen.push_back(m.Vgl.Bezwijklast);
    for (const auto& deel : m.avStaven) {
        getallen.insert(getallen.end(), {deel.RC.x, deel.RC.y, deel.gamma});
        for (const auto& knoop : deel.Knopen) {
            getallen.insert(getallen.end(), {knoop.dx, knoop.dy, knoop.M});
        }
    }
    for (const auto& last : m.avBelastingen) {
        getallen.insert(getallen.end(), {last.dx, last.dy});
    }
    EXPECT_TRUE(
        std::all_of(getallen.begin(), getallen.end(), [](double v) { return std::isfinite(v); }));
    EXPECT_EQ(m.Vgl.Regel1.size(), 2U * (m.AantalStaven + m.AantalBelastingen + 1));
}

// The merging and clamping rules as they read: a full scan of the bars at every node, and the
// clamping pass after every node whether or not anything changed.
void VoegSamenZoalsBeschreven(TVConstructie& v, const TConstructie& bron) {
    const auto klem = [&v](std::int32_t k) {
        return v.Knopen[k].Oplegging == Inklemming && !v.Knopen[k].Scharnier;
    };
    for (std::int32_t knoop = 0; knoop < AantalKnoopSlots; ++knoop) {
        if (bron.Knopen[knoop].Bestaat && !v.Knopen[knoop].Scharnier) {
            std::int32_t eerste = -1;
            std::int32_t verre = -1;
            for (std::int32_t g = 0; g < static_cast<std::int32_t>(v.Staven.size()); ++g) {
                auto& staaf = v.Staven[g];
                if (!staaf.Bestaat || (staaf.Knoop0 != knoop && staaf.Knoop1 != knoop)) {
                    continue;
                }
                if (eerste == -1) {
                    eerste = g;
                    verre = staaf.Knoop0 == knoop ? staaf.Knoop1 : staaf.Knoop0;
                    continue;
                }
                (staaf.Knoop0 == knoop ? staaf.Knoop0 : staaf.Knoop1) = verre;
                for (auto& last : v.Belastingen) {
                    if (last.Bestaat && last.s == eerste) {
                        last.s = g;
                    }
                }
                v.Staven[eerste].Bestaat = false;
            }
        }
        for (auto& b : v.Staven) {
            if (!b.Bestaat || !(klem(b.Knoop0) || klem(b.Knoop1))) {
                continue;
            }
            b.Bestaat = false;
            for (const auto& t : v.Staven) {
                for (const std::int32_t p : {t.Knoop0, t.Knoop1}) {
                    if (t.Bestaat && (p == b.Knoop0 || p == b.Knoop1)) {
                        v.Knopen[p].Oplegging =
                            v.Knopen[p].Vrijheid == VasteVerbinding ? Inklemming : Scharnierend;
                    }
                }
            }
        }
    }
}

// The analysis of o (enumerated and computed) set against the rules applied one combination at
// a time, and against the one-at-a-time analysis of kx-analyse.
void VergelijkMetStapVoorStap(Opstelling& o) {
    for (int c = 0; c < o.AantalCombinaties(); ++c) {
        TVConstructie stap;
        VulVervangendeConstructie(stap, o.c);
        KoppelBelastingen(stap, o.c);
        PlaatsScharnieren(stap, o.a.Combinaties[static_cast<std::size_t>(c)], o.c);
        VoegSamenZoalsBeschreven(stap, o.c.Constructie);
        ControleerBelastingen(stap, o.c);
        ASSERT_EQ(stap, o.a.VMechanismen[static_cast<std::size_t>(c)]) << "combinatie " << c;
    }

    TAnalyse een(o.teksten);
    een.TermenSchrijven = false;
    int volgende = 0;
    een.BerekenElkMechanisme(o.c, [&](const TBerekendMechanisme& berekend) {
        const int i = berekend.Nummer;
        ASSERT_EQ(i, volgende++);
        EXPECT_EQ(berekend.Mechanisme.Scharnieren, o.a.Mechanismen[i].Scharnieren);
        const auto& volledig = o.a.Mechanismen[i];
        EXPECT_EQ(berekend.Mechanisme.Vgl.Bezwijklast, volledig.Vgl.Bezwijklast) << i;
        EXPECT_EQ(berekend.Mechanisme.Vgl.Factoren, volledig.Vgl.Factoren) << i;
        EXPECT_EQ(berekend.Mechanisme.avStaven.size(), volledig.avStaven.size()) << i;
        for (std::size_t b = 0; b < volledig.avStaven.size(); ++b) {
            EXPECT_EQ(berekend.Mechanisme.avStaven[b].Knopen[1].dy,
                      volledig.avStaven[b].Knopen[1].dy);
        }
    });
    EXPECT_EQ(volgende, o.a.AantalMechanismen);
    EXPECT_EQ(een.AantalMechanismen, o.a.AantalMechanismen);
    EXPECT_EQ(een.MaatgevendMechanisme, o.a.MaatgevendMechanisme);
}

TEST(EngineWillekeurig, ElkeGoedgekeurdeConstructieWordtTotHetEindeBerekend) {
    Student student(20240611);
    int geanalyseerd = 0;
    int mechanismen = 0;
    for (int poging = 0; poging < 1000 && geanalyseerd < 250; ++poging) {
        Opstelling o;
        o.c.Constructie = student.Teken();
        if (!o.Analyseer().empty()) {
            continue;
        }
        ++geanalyseerd;
        ASSERT_EQ(o.a.AantalMechanismen, o.AantalCombinaties());
        ASSERT_GE(o.a.MaatgevendMechanisme, 0);
        ASSERT_LT(o.a.MaatgevendMechanisme, std::max(o.a.AantalMechanismen, 1));
        VergelijkMetStapVoorStap(o);
        for (const auto& m : o.a.Mechanismen) {
            ControleerEindig(m);
            ++mechanismen;
            // Every collapse load is positive and finite, or the mechanism's loads do no work.
            const double fp = m.Vgl.Bezwijklast;
            EXPECT_TRUE(fp == Oneindig || (fp > 0.0 && fp < Oneindig)) << fp;
            Referentie(m).Vergelijk();
        }
    }
    EXPECT_GE(geanalyseerd, 150);
    RecordProperty("geanalyseerd", geanalyseerd);
    RecordProperty("mechanismen", mechanismen);
}

TEST(EngineWillekeurig, VoorbeeldEnGroteKetenGelijkBijElkeWijzeVanBerekenen) {
    for (const std::string& bron :
         {std::string("Voorbeeld"), std::string(KX_FIXTURES) + "/keten15.kx"}) {
        SCOPED_TRACE(bron);
        Opstelling o;
        ASSERT_EQ(LaadConstructie(o.c, bron), "");
        ASSERT_EQ(o.Analyseer(), "");
        VergelijkMetStapVoorStap(o);
    }
}

} // namespace
} // namespace kx::test
