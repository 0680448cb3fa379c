#include "EngineHulp.h"
#include "ModelHulp.h"
#include "Referentie.h"
#include "engine/Bezwijkcontrole.h"
#include "engine/MechanismeOpgaven.h"
#include "model/Bestand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kx::test {
namespace {

void ControleerEindig(const TMechanisme& m) {
    std::vector<double> getallen = m.Vgl.Factoren;
    if (!IsOneindigeLast(m.Vgl.Bezwijklast)) {
        getallen.push_back(m.Vgl.Bezwijklast);
    }
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
        VoegSamenZoalsBeschreven(stap, o.c);
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

// Both theorems of plastic collapse for the mechanisms of o: the lowest upper bound found by
// the linear program is no higher than any mechanism's, and an equilibrium within Mp exists
// at it.
void ControleerStellingen(const Opstelling& o, int& gecontroleerd, int& onbepaald) {
    const TEvenwicht evenwicht(o.c);
    const auto opgaven = MechanismeOpgaven(o.a);
    const auto controle = ControleerMechanismen(evenwicht, opgaven, o.a.MaatgevendMechanisme);
    const double waar = controle.Waar.Bezwijklast;
    ASSERT_GE(waar, 0.0);
    if (!IsOneindigeLast(waar)) {
        EXPECT_TRUE(controle.Waar.Verdeling.Bestaat);
        EXPECT_LT(controle.Waar.Verdeling.Residu, 1e-9);
        EXPECT_LE(controle.Waar.Verdeling.Momentverhouding, 1.0 + 1e-9);
    }
    for (std::size_t i = 0; i < opgaven.size(); ++i) {
        SCOPED_TRACE("mechanisme " + std::to_string(i + 1));
        const auto v =
            BepaalKrachtsverdeling(evenwicht, opgaven[i].Plaatsen, opgaven[i].Bezwijklast);
        onbepaald += v.Bestaat && !v.Eenduidig ? 1 : 0;
        if (!v.Bestaat) {
            continue;
        }
        ++gecontroleerd;
        EXPECT_LT(v.Residu, 1e-9);
        EXPECT_GE(v.Momentverhouding, 1.0 - 1e-9);
        EXPECT_LE(waar, v.Bezwijklast * (1.0 + 1e-9));
        EXPECT_LE(v.Ondergrens(), waar * (1.0 + 1e-9));
    }
    if (controle.Bevestigd) {
        EXPECT_NEAR(waar, controle.Bezwijklasten[controle.Maatgevend], 1e-7 * waar);
    }
}

// Hands the first aantal frames that a student with this seed draws and that pass the check to
// elk, analysed; returns how many there were.
template <typename Elk> int TekenEnAnalyseer(unsigned zaad, int aantal, Elk elk) {
    Student student(zaad);
    int geanalyseerd = 0;
    for (int poging = 0; poging < 1000 && geanalyseerd < aantal; ++poging) {
        SCOPED_TRACE("poging " + std::to_string(poging));
        Opstelling o;
        o.c = student.Teken();
        if (o.Analyseer().empty()) {
            ++geanalyseerd;
            elk(o);
        }
    }
    return geanalyseerd;
}

TEST(EngineWillekeurig, ElkeGoedgekeurdeConstructieWordtTotHetEindeBerekend) {
    int mechanismen = 0;
    const int geanalyseerd = TekenEnAnalyseer(20240611, 250, [&](Opstelling& o) {
        ASSERT_EQ(o.a.AantalMechanismen, o.AantalCombinaties());
        ASSERT_GE(o.a.MaatgevendMechanisme, 0);
        ASSERT_LT(o.a.MaatgevendMechanisme, std::max(o.a.AantalMechanismen, 1));
        VergelijkMetStapVoorStap(o);
        for (const auto& m : o.a.Mechanismen) {
            ControleerEindig(m);
            ++mechanismen;
            // Every collapse load is positive and finite, or the mechanism's loads do no work.
            const double fp = m.Vgl.Bezwijklast;
            EXPECT_TRUE(fp == OneindigeLast || (fp > 0.0 && std::isfinite(fp))) << fp;
            const Referentie referentie(m);
            referentie.Vergelijk();
            // The least load over every motion of the hinges.
            const double kleinste = referentie.KleinsteBezwijklast();
            if (std::isinf(kleinste)) {
                EXPECT_TRUE(IsOneindigeLast(fp)) << fp;
            } else {
                EXPECT_NEAR(fp, kleinste, 1e-7 * kleinste);
            }
        }
    });
    EXPECT_GE(geanalyseerd, 150);
    RecordProperty("mechanismen", mechanismen);
}

TEST(Bezwijkcontrole, WillekeurigeConstructiesVoldoenAanBeideStellingen) {
    // Each later seed drew frames that a fault let through: loads that only rounding lets work
    // (on a clamp, on a beam whose roller lies in its line), and bars drawn back over each
    // other, whose normal forces no moment fixes and whose rounding misled the solver.
    // The sanitizer build draws the frames of the first seed only.
    const std::vector<unsigned> zaden{20261206U, 20240611U, 24U, 57U};
    for (std::size_t z = 0; z < (KX_EEN_ZAAD ? 1 : zaden.size()); ++z) {
        const unsigned zaad = zaden[z];
        SCOPED_TRACE("zaad " + std::to_string(zaad));
        int gecontroleerd = 0;
        int onbepaald = 0;
        const int geanalyseerd = TekenEnAnalyseer(
            zaad, 250, [&](Opstelling& o) { ControleerStellingen(o, gecontroleerd, onbepaald); });
        EXPECT_GE(geanalyseerd, 200);
        EXPECT_GE(gecontroleerd, 500);
        EXPECT_GE(onbepaald, 1);
    }
}

// Where a combination's hinges can move in more than one way, the engine takes the least load
// over all of them, as the reference finds it, and moves as that least motion.
TEST(EngineWillekeurig, DeGroteKetenNeemtBijMeerBewegingenDeKleinsteLast) {
    Opstelling o;
    ASSERT_EQ(LaadConstructie(o.c, std::string(KX_FIXTURES) + "/keten15.kx", o.teksten), "");
    ASSERT_EQ(o.Analyseer(), "");
    int meerBewegingen = 0;
    for (int i = 0; i < o.a.AantalMechanismen; ++i) {
        const auto& m = o.a.Mechanismen[static_cast<std::size_t>(i)];
        SCOPED_TRACE("mechanisme " + std::to_string(i + 1));
        const Referentie referentie(m);
        referentie.Vergelijk();
        meerBewegingen += referentie.Vrijheidsgraden() > 1 ? 1 : 0;
        const double kleinste = referentie.KleinsteBezwijklast();
        if (std::isinf(kleinste)) {
            EXPECT_TRUE(IsOneindigeLast(m.Vgl.Bezwijklast)) << i;
        } else {
            EXPECT_NEAR(m.Vgl.Bezwijklast, kleinste, 1e-7 * kleinste) << i;
        }
    }
    EXPECT_GE(meerBewegingen, 20);
}

// The force side's linear programs meet their constraints to LpPrimaleTolerantie on the scale
// of 1; the optimum of a program posed at another scale moves by little more.
constexpr double LpAfwijking = 1e-7;

// A load of the scaled frame against the original's times factor: both infinite, or equal
// within a share tolerantie.
void VergelijkLast(double origineel, double factor, double geschaald, double tolerantie,
                   const std::string& wat) {
    if (IsOneindigeLast(origineel)) {
        EXPECT_TRUE(IsOneindigeLast(geschaald)) << wat << ": " << geschaald;
    } else {
        EXPECT_NEAR(geschaald, factor * origineel, tolerantie * factor * origineel) << wat;
    }
}

// Every Mp times mp and every load component times last.
void Schaal(TConstructie& c, double mp, double last) {
    for (auto& staaf : c.Staven) {
        staaf.Mp *= mp;
    }
    for (auto& belasting : c.Belastingen) {
        belasting.Fx *= last;
        belasting.Fy *= last;
    }
}

// The frame of o scaled, analysed by the engine steps after the check of the frame as drawn:
// the check refuses an Mp or a load outside 0.001 to 1000000.
void AnalyseerGeschaald(const Opstelling& o, Opstelling& g, double mp, double last) {
    g.c = o.c;
    ASSERT_EQ(ControleerVoorAnalyse(g.c, g.teksten), "");
    Schaal(g.c, mp, last);
    g.a.BepaalMechanismen(g.c);
    g.a.BerekeningDeel2();
}

// Sizes do not decide: Mp and the loads scaled alike leave every load factor as it was, Mp
// alone scales it, and so does the inverse of the loads; the mechanisms, their rotating hinges,
// the governing one, the moment ratios and the confirmation stay.
TEST(EngineWillekeurig, GeschaaldeConstructieGeeftGeschaaldeBezwijklasten) {
    struct TSchaal {
        double Mp;
        double Last;
    };
    const std::vector<TSchaal> schalen = {{1e-12, 1e-12}, {1e6, 1e6}, {1e-12, 1.0},
                                          {1.0, 1e-12},   {1e6, 1.0}, {1.0, 1e6}};
    for (const TSchaal schaal : schalen) {
        SCOPED_TRACE(testing::Message() << "Mp x " << schaal.Mp << ", lasten x " << schaal.Last);
        const double factor = schaal.Mp / schaal.Last;
        // The sanitizer tree takes a third of the frames.
        const int frames = KX_EEN_ZAAD ? 20 : 60;
        const int geanalyseerd = TekenEnAnalyseer(20240611, frames, [&](Opstelling& o) {
            Opstelling g;
            AnalyseerGeschaald(o, g, schaal.Mp, schaal.Last);
            ASSERT_EQ(g.a.AantalMechanismen, o.a.AantalMechanismen);
            EXPECT_EQ(g.a.MaatgevendMechanisme, o.a.MaatgevendMechanisme);
            for (int i = 0; i < o.a.AantalMechanismen; ++i) {
                const auto& m = o.a.Mechanismen[static_cast<std::size_t>(i)];
                const auto& n = g.a.Mechanismen[static_cast<std::size_t>(i)];
                EXPECT_EQ(n.Scharnieren, m.Scharnieren) << i;
                EXPECT_EQ(n.DraaiendeScharnieren, m.DraaiendeScharnieren) << i;
                VergelijkLast(m.Vgl.Bezwijklast, factor, n.Vgl.Bezwijklast, GelijkeLasten,
                              "Fp " + std::to_string(i));
            }
            const auto controle = ControleerMechanismen(TEvenwicht(o.c), MechanismeOpgaven(o.a),
                                                        o.a.MaatgevendMechanisme);
            const auto geschaald = ControleerMechanismen(TEvenwicht(g.c), MechanismeOpgaven(g.a),
                                                         g.a.MaatgevendMechanisme);
            VergelijkLast(controle.Waar.Bezwijklast, factor, geschaald.Waar.Bezwijklast,
                          LpAfwijking, "statische stelling");
            EXPECT_EQ(geschaald.Bevestigd, controle.Bevestigd);
            for (std::size_t i = 0; i < controle.Momentverhoudingen.size(); ++i) {
                EXPECT_NEAR(geschaald.Momentverhoudingen[i], controle.Momentverhoudingen[i],
                            LpAfwijking)
                    << i;
                VergelijkLast(controle.Bezwijklasten[i], factor, geschaald.Bezwijklasten[i],
                              LpAfwijking, "krachtsverdeling " + std::to_string(i));
            }
        });
        EXPECT_EQ(geanalyseerd, frames);
    }
}

TEST(EngineWillekeurig, VoorbeeldEnGroteKetenGelijkBijElkeWijzeVanBerekenen) {
    for (const std::string& bron :
         {std::string("Voorbeeld"), std::string(KX_FIXTURES) + "/keten15.kx"}) {
        SCOPED_TRACE(bron);
        Opstelling o;
        ASSERT_EQ(LaadConstructie(o.c, bron, o.teksten), "");
        ASSERT_EQ(o.Analyseer(), "");
        VergelijkMetStapVoorStap(o);
    }
}

} // namespace
} // namespace kx::test
