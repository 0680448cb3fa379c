#include "EngineHulp.h"
#include "ModelHulp.h"
#include "Referentie.h"
#include "Student.h"
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
