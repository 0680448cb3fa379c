#include "engine/Onafhankelijk.h"

#include "engine/Getalnotatie.h"
#include "engine/Toleranties.h"
#include "model/Knoopbetekenis.h"
#include "text/TekstNamen.h"
#include "text/Teksten.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

// The basis built so far, kept orthonormal in the dimensionless measure.
class TBasis {
public:
    explicit TBasis(const TRaamwerk& raamwerk) : raamwerk_(raamwerk) {}

    // Adds d when it adds a direction.
    bool Neem(const Eigen::VectorXd& d) {
        if (d.size() == 0) {
            return false;
        }
        Eigen::VectorXd r = raamwerk_.Dimensieloos(d);
        const double lengte = r.norm();
        if (!(lengte > 0.0)) {
            return false;
        }
        for (const auto& q : richtingen_) {
            r -= q.dot(r) * q;
        }
        // Once more against the rounding of the first pass.
        for (const auto& q : richtingen_) {
            r -= q.dot(r) * q;
        }
        if (r.norm() <= NieuweRichting * lengte) {
            return false;
        }
        richtingen_.push_back(r / r.norm());
        return true;
    }
    std::size_t Aantal() const { return richtingen_.size(); }

private:
    const TRaamwerk& raamwerk_;
    std::vector<Eigen::VectorXd> richtingen_;
};

// Largest rotation 1, loads doing positive work.
Eigen::VectorXd Genormeerd(const TRaamwerk& raamwerk, const Eigen::VectorXd& d) {
    const double rotatie = raamwerk.GrootsteRotatie(d);
    const double schaal = rotatie > 0.0 ? rotatie : raamwerk.Dimensieloos(d).cwiseAbs().maxCoeff();
    const double teken = raamwerk.Arbeid(d) < 0.0 ? -1.0 : 1.0;
    return schaal > 0.0 ? Eigen::VectorXd(d * (teken / schaal)) : d;
}

class TBouwer {
public:
    TBouwer(const TConstructie& c, const TRaamwerk& r, const Teksten& t)
        : c_(c), r_(r), t_(t), staven_(StavenPerKnoop(c)), basis_(r),
          doel_(static_cast<std::size_t>(r.AantalOnafhankelijkeMechanismen())) {}

    std::vector<TOnafhankelijkMechanisme> Bouw() {
        Balken();
        Knopen();
        Zijdelings();
        Overige();
        return std::move(mechanismen_);
    }

private:
    bool Vol() const { return basis_.Aantal() >= doel_; }

    void Neem(TOnafhankelijkMechanisme::TSoort soort, std::string naam, const Eigen::VectorXd& d,
              std::vector<int> plaatsen) {
        if (!Vol() && basis_.Neem(d)) {
            Eigen::VectorXd genormeerd = Genormeerd(r_, d);
            std::vector<double> rotaties(r_.Plaatsen().size());
            for (std::size_t p = 0; p < rotaties.size(); ++p) {
                rotaties[p] = r_.Rotatie(genormeerd, static_cast<int>(p));
            }
            mechanismen_.push_back({soort, std::move(naam), std::move(genormeerd),
                                    std::move(plaatsen), std::move(rotaties)});
        }
    }

    // The other end of bar s.
    std::int32_t Ander(std::int32_t s, std::int32_t knoop) const {
        const auto& staaf = c_.Staven[static_cast<std::size_t>(s)];
        return staaf.Knoop0 == knoop ? staaf.Knoop1 : staaf.Knoop0;
    }

    // A rigid node inside a straight member: two bars in line, no support.
    bool IsTussenknoop(std::size_t k) const {
        const auto& knoop = c_.Knopen[k];
        if (!knoop.Bestaat || !IsStijf(knoop) || knoop.Oplegging != GeenOplegging ||
            staven_[k].size() != 2) {
            return false;
        }
        const auto richting = [&](std::int32_t s) {
            const auto& staaf = c_.Staven[static_cast<std::size_t>(s)];
            const auto ander = static_cast<std::size_t>(
                staaf.Knoop0 == static_cast<std::int32_t>(k) ? staaf.Knoop1 : staaf.Knoop0);
            const double dx = c_.Knopen[ander].X - knoop.X;
            const double dy = c_.Knopen[ander].Y - knoop.Y;
            const double l = std::hypot(dx, dy);
            return std::pair{dx / l, dy / l};
        };
        const auto [ax, ay] = richting(staven_[k][0]);
        const auto [bx, by] = richting(staven_[k][1]);
        return std::fabs(ax * by - ay * bx) <= InLijn && ax * bx + ay * by < 0.0;
    }

    std::vector<int> PlaatsenBij(std::int32_t knoop, std::int32_t staaf) const {
        std::vector<int> hier;
        const auto& plaatsen = r_.Plaatsen();
        for (std::size_t p = 0; p < plaatsen.size(); ++p) {
            if (OpKnoop(plaatsen[p], knoop)) {
                hier.push_back(static_cast<int>(p));
            }
        }
        if (hier.size() <= 1) {
            return hier;
        }
        std::vector<int> vanStaaf;
        for (const int p : hier) {
            if (plaatsen[static_cast<std::size_t>(p)].Staaf == staaf) {
                vanStaaf.push_back(p);
            }
        }
        return vanStaaf;
    }

    // The end of the member that leaves node k along bar s, with the member's bar there.
    std::pair<std::int32_t, std::int32_t> Einde(std::int32_t k, std::int32_t s) const {
        for (std::size_t stap = 0; stap < c_.Staven.size(); ++stap) {
            const auto& staaf = c_.Staven[static_cast<std::size_t>(s)];
            const std::int32_t volgende = staaf.Knoop0 == k ? staaf.Knoop1 : staaf.Knoop0;
            if (!IsTussenknoop(static_cast<std::size_t>(volgende))) {
                return {volgende, s};
            }
            const auto& daar = staven_[static_cast<std::size_t>(volgende)];
            s = daar[0] == s ? daar[1] : daar[0];
            k = volgende;
        }
        return {k, s};
    }

    // The beam mechanism of the member through loaded node k: its ends stay, k moves across the
    // member and the member turns about its ends. Where that does not hold (an end that is not
    // held, say), the least motion of the places does.
    Eigen::VectorXd Balkmechanisme(std::int32_t k, const std::vector<int>& plaatsen) const {
        Eigen::VectorXd d = Eigen::VectorXd::Zero(r_.AantalVrijheidsgraden());
        const auto& hier = c_.Knopen[static_cast<std::size_t>(k)];
        // Across the member, y up: one direction for both sides.
        const auto& buur =
            c_.Knopen[static_cast<std::size_t>(Ander(staven_[static_cast<std::size_t>(k)][0], k))];
        const double l = std::hypot(buur.X - hier.X, buur.Y - hier.Y);
        const double nx = (buur.Y - hier.Y) / l;
        const double ny = (buur.X - hier.X) / l;
        r_.ZetVerplaatsing(d, k, nx, ny);
        std::vector<std::pair<std::int32_t, std::int32_t>> einden;
        for (const std::int32_t s : staven_[static_cast<std::size_t>(k)]) {
            // Along one side: the nodes up to the end, each at its share of the way.
            std::vector<std::int32_t> zijde;
            std::int32_t knoop = k;
            std::int32_t staaf = s;
            for (std::size_t stap = 0; stap < c_.Staven.size(); ++stap) {
                knoop = Ander(staaf, knoop);
                zijde.push_back(knoop);
                if (!IsTussenknoop(static_cast<std::size_t>(knoop))) {
                    break;
                }
                const auto& daar = staven_[static_cast<std::size_t>(knoop)];
                staaf = daar[0] == staaf ? daar[1] : daar[0];
            }
            einden.emplace_back(knoop, staaf);
            const auto& eind = c_.Knopen[static_cast<std::size_t>(knoop)];
            const double lengte = std::hypot(eind.X - hier.X, eind.Y - hier.Y);
            for (const std::int32_t p : zijde) {
                const auto& punt = c_.Knopen[static_cast<std::size_t>(p)];
                const double w = 1.0 - std::hypot(punt.X - hier.X, punt.Y - hier.Y) / lengte;
                r_.ZetVerplaatsing(d, p, w * nx, w * ny);
            }
        }
        const auto& plaatsenVanRaamwerk = r_.Plaatsen();
        // Every node inside the member turns with its bars; k with the bar that is not its
        // place; an end with the member unless the member's end there is a place.
        for (std::size_t p = 0; p < c_.Knopen.size(); ++p) {
            if (IsTussenknoop(p) && static_cast<std::int32_t>(p) != k) {
                r_.ZetDraaiing(d, static_cast<std::int32_t>(p), r_.Gamma(d, staven_[p][0]));
            }
        }
        for (const auto& plaats : plaatsenVanRaamwerk) {
            if (OpKnoop(plaats, k)) {
                const auto& daar = staven_[static_cast<std::size_t>(k)];
                r_.ZetDraaiing(d, k, r_.Gamma(d, daar[0] == plaats.Staaf ? daar[1] : daar[0]));
            }
        }
        for (const auto& einde : einden) {
            const bool vrij = std::any_of(plaatsen.begin(), plaatsen.end(), [&](int p) {
                const auto& plaats = plaatsenVanRaamwerk[static_cast<std::size_t>(p)];
                return OpKnoop(plaats, einde.first) && plaats.Staaf == einde.second;
            });
            r_.ZetDraaiing(d, einde.first, vrij ? 0.0 : r_.Gamma(d, einde.second));
        }
        r_.VolgVelden(d);
        if (r_.IsBeweging(d, plaatsen)) {
            return d;
        }
        const TBeweging kleinste = r_.KleinsteBeweging(plaatsen);
        return kleinste.d.size() > 0 ? kleinste.d : r_.EenBeweging(plaatsen);
    }

    void Balken() {
        std::vector<bool> belast(c_.Knopen.size(), false);
        for (const auto& last : c_.Belastingen) {
            if (last.Bestaat && (last.Fx != 0.0 || last.Fy != 0.0)) {
                belast[static_cast<std::size_t>(last.Knoop)] = true;
            }
        }
        int nummer = 0;
        for (std::size_t k = 0; k < c_.Knopen.size() && !Vol(); ++k) {
            if (!belast[k] || !IsTussenknoop(k)) {
                continue;
            }
            const auto knoop = static_cast<std::int32_t>(k);
            std::vector<int> plaatsen = PlaatsenBij(knoop, -1);
            for (const std::int32_t s : staven_[k]) {
                const auto [eind, staaf] = Einde(knoop, s);
                const auto daar = PlaatsenBij(eind, staaf);
                plaatsen.insert(plaatsen.end(), daar.begin(), daar.end());
            }
            std::sort(plaatsen.begin(), plaatsen.end());
            const Eigen::VectorXd d = Balkmechanisme(knoop, plaatsen);
            const auto voor = mechanismen_.size();
            Neem(TOnafhankelijkMechanisme::Balk,
                 VulIn(t_[TekstBalkmechanisme], {std::to_string(nummer + 1)}), d, plaatsen);
            nummer += mechanismen_.size() > voor ? 1 : 0;
        }
    }

    void Knopen() {
        const auto& plaatsen = r_.Plaatsen();
        for (std::size_t k = 0; k < c_.Knopen.size() && !Vol(); ++k) {
            if (!IsGewrichtKnoop(k)) {
                continue;
            }
            const auto hier = static_cast<std::int32_t>(k);
            std::vector<int> vrij;
            for (std::size_t p = 0; p < plaatsen.size(); ++p) {
                if (OpKnoop(plaatsen[p], hier)) {
                    vrij.push_back(static_cast<int>(p));
                }
            }
            Neem(TOnafhankelijkMechanisme::Knoop,
                 VulIn(t_[TekstKnoopmechanisme], {std::to_string(k + 1)}), r_.KnoopDraaiing(hier),
                 vrij);
        }
    }

    // The members between their ends move as rigid pieces: sideways, or as a gable.
    void Zijdelings() {
        if (Vol()) {
            return;
        }
        std::vector<int> einden;
        const auto& plaatsen = r_.Plaatsen();
        for (std::size_t p = 0; p < plaatsen.size(); ++p) {
            if (!plaatsen[p].Veld && !IsTussenknoop(static_cast<std::size_t>(plaatsen[p].Knoop))) {
                einden.push_back(static_cast<int>(p));
            }
        }
        const Eigen::MatrixXd bewegingen = r_.Bewegingen(einden);
        int zijdelings = 0;
        int gevel = 0;
        for (Eigen::Index j = 0; j < bewegingen.cols() && !Vol(); ++j) {
            const Eigen::VectorXd d = ZonderKnoopDraaiing(bewegingen.col(j));
            const bool opzij = Opzij(d);
            int& nummer = opzij ? zijdelings : gevel;
            std::string naam = t_[opzij ? TekstZijdelingseVerplaatsing : TekstGevelmechanisme];
            if (nummer > 0) {
                naam += " " + std::to_string(nummer + 1);
            }
            const auto voor = mechanismen_.size();
            Neem(opzij ? TOnafhankelijkMechanisme::Zijdelings : TOnafhankelijkMechanisme::Gevel,
                 naam, d, einden);
            nummer += mechanismen_.size() > voor ? 1 : 0;
        }
    }

    // Joints of three or more bars turn in their own mechanism: the others leave them with
    // the bars, which is how a textbook draws a sway.
    Eigen::VectorXd ZonderKnoopDraaiing(Eigen::VectorXd d) const {
        for (std::size_t k = 0; k < c_.Knopen.size(); ++k) {
            const auto knoop = static_cast<std::int32_t>(k);
            if (IsGewrichtKnoop(k)) {
                d -= r_.Phi(d, knoop) * r_.KnoopDraaiing(knoop);
            }
        }
        return d;
    }

    // A rigid joint of three or more bars, not clamped: its bar ends turn against it.
    bool IsGewrichtKnoop(std::size_t k) const {
        const auto& knoop = c_.Knopen[k];
        return knoop.Bestaat && IsStijf(knoop) && !HoudtRotatieVast(knoop) &&
               staven_[k].size() >= 3;
    }

    // A motion is sideways when its nodes move more across than up or down.
    bool Opzij(const Eigen::VectorXd& d) const {
        double over = 0.0;
        double op = 0.0;
        for (std::int32_t k = 0; k < r_.AantalKnopen(); ++k) {
            over += std::fabs(r_.U(d, k));
            op += std::fabs(r_.V(d, k));
        }
        return over >= op;
    }

    void Overige() {
        if (Vol()) {
            return;
        }
        std::vector<int> alle(r_.Plaatsen().size());
        for (std::size_t p = 0; p < alle.size(); ++p) {
            alle[p] = static_cast<int>(p);
        }
        const Eigen::MatrixXd bewegingen = r_.Bewegingen(alle);
        int nummer = 0;
        for (Eigen::Index j = 0; j < bewegingen.cols() && !Vol(); ++j) {
            const auto voor = mechanismen_.size();
            Neem(TOnafhankelijkMechanisme::Overig,
                 VulIn(t_[TekstOverigMechanisme], {std::to_string(nummer + 1)}), bewegingen.col(j),
                 alle);
            nummer += mechanismen_.size() > voor ? 1 : 0;
        }
    }

    const TConstructie& c_;
    const TRaamwerk& r_;
    const Teksten& t_;
    std::vector<std::vector<std::int32_t>> staven_;
    TBasis basis_;
    std::size_t doel_;
    std::vector<TOnafhankelijkMechanisme> mechanismen_;
};

} // namespace

std::vector<TOnafhankelijkMechanisme> OnafhankelijkeMechanismen(const TConstructie& constructie,
                                                                const TRaamwerk& raamwerk,
                                                                const Teksten& teksten) {
    return TBouwer(constructie, raamwerk, teksten).Bouw();
}

Eigen::VectorXd Combinatie(const TRaamwerk& raamwerk,
                           const std::vector<TOnafhankelijkMechanisme>& basis,
                           const Eigen::VectorXd& d) {
    if (basis.empty() || d.size() == 0) {
        return Eigen::VectorXd::Zero(static_cast<Eigen::Index>(basis.size()));
    }
    Eigen::MatrixXd b(d.size(), static_cast<Eigen::Index>(basis.size()));
    for (std::size_t i = 0; i < basis.size(); ++i) {
        b.col(static_cast<Eigen::Index>(i)) = raamwerk.Dimensieloos(basis[i].d);
    }
    return b.colPivHouseholderQr().solve(raamwerk.Dimensieloos(Genormeerd(raamwerk, d)));
}

std::string CombinatieTekst(const std::vector<TOnafhankelijkMechanisme>& basis,
                            const std::vector<double>& coefficienten, char decimaalteken) {
    double grootste = 0.0;
    for (const double c : coefficienten) {
        grootste = std::max(grootste, std::fabs(c));
    }
    std::string tekst;
    for (std::size_t i = 0; i < coefficienten.size() && i < basis.size(); ++i) {
        const double c = coefficienten[i];
        if (std::fabs(c) <= CombinatieAfronding * grootste) {
            continue;
        }
        if (tekst.empty()) {
            tekst = c < 0.0 ? "− " : "";
        } else {
            tekst += c < 0.0 ? " − " : " + ";
        }
        if (std::fabs(std::fabs(c) - 1.0) > CombinatieAfronding) {
            tekst += AlgemeenGetal(std::fabs(c), 3, decimaalteken) + " × ";
        }
        tekst += basis[i].Naam;
    }
    return tekst;
}

} // namespace kx
