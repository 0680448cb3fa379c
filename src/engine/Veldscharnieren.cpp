#include "engine/Veldscharnieren.h"

#include "engine/Records.h"
#include "engine/Toleranties.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx {

namespace {

constexpr double Gulden = 0.3819660112501051; // (3 - sqrt 5) / 2
// The load of a motion changes by less than this share between two rounds over the spans.
constexpr double Stilstand = 1e-12;
constexpr int GrootsteAantalRondes = 100;
// Loads within this share of each other differ by rounding.
constexpr double Afronding = 1e-13;

// The collapse load of the least motion with span v at s; infinite where the loads do no work.
class TLastVanPositie {
public:
    TLastVanPositie(TRaamwerk& raamwerk, const std::vector<int>& plaatsen, int veld)
        : r_(raamwerk), plaatsen_(plaatsen), veld_(veld) {}

    double operator()(double s) const {
        r_.ZetPositie(veld_, s);
        const double last = r_.KleinsteBeweging(plaatsen_).Bezwijklast;
        return last > 0.0 && std::isfinite(last) ? last : std::numeric_limits<double>::max();
    }

private:
    TRaamwerk& r_;
    const std::vector<int>& plaatsen_;
    int veld_;
};

struct TMinimum {
    double s = 0.5;
    double Last = std::numeric_limits<double>::max();
};

void Neem(TMinimum& beste, double s, double last) {
    if (last < beste.Last) {
        beste = {s, last};
    }
}

// Brent's minimisation on [a, b] from x: golden sections, parabolas through the last three points
// where they fall inside, until the bracket is a few rounding steps of s wide.
TMinimum Brent(const TLastVanPositie& f, double a, double b, double x) {
    double w = x;
    double v = x;
    double fx = f(x);
    double fw = fx;
    double fv = fx;
    double e = 0.0;
    double d = 0.0;
    for (int stap = 0; stap < 200; ++stap) {
        const double m = 0.5 * (a + b);
        const double tol = 4.0 * std::numeric_limits<double>::epsilon() * std::fabs(x) + 1e-15;
        if (std::fabs(x - m) <= 2.0 * tol - 0.5 * (b - a)) {
            break;
        }
        bool parabool = false;
        if (std::fabs(e) > tol && fx < std::numeric_limits<double>::max() &&
            fw < std::numeric_limits<double>::max() && fv < std::numeric_limits<double>::max()) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2.0 * (q - r);
            if (q > 0.0) {
                p = -p;
            }
            q = std::fabs(q);
            if (std::fabs(p) < std::fabs(0.5 * q * e) && p > q * (a - x) && p < q * (b - x)) {
                e = d;
                d = p / q;
                parabool = true;
                if (x + d - a < 2.0 * tol || b - x - d < 2.0 * tol) {
                    d = x < m ? tol : -tol;
                }
            }
        }
        if (!parabool) {
            e = (x < m ? b : a) - x;
            d = Gulden * e;
        }
        const double u = x + (std::fabs(d) >= tol ? d : (d > 0.0 ? tol : -tol));
        const double fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, fx};
}

// The real roots of c0 + c1 t + c2 t^2 + c3 t^3.
std::vector<double> Wortels(const Eigen::Vector4d& c) {
    int graad = 3;
    const double schaal = c.cwiseAbs().maxCoeff();
    while (graad > 0 && std::fabs(c(graad)) <= 1e-14 * schaal) {
        --graad;
    }
    std::vector<double> wortels;
    if (graad == 0) {
        return wortels;
    }
    Eigen::MatrixXd begeleidend = Eigen::MatrixXd::Zero(graad, graad);
    for (int i = 0; i < graad; ++i) {
        begeleidend(0, i) = -c(graad - 1 - i) / c(graad);
        if (i + 1 < graad) {
            begeleidend(i + 1, i) = 1.0;
        }
    }
    const Eigen::VectorXcd eigen = begeleidend.eigenvalues();
    for (Eigen::Index i = 0; i < eigen.size(); ++i) {
        if (std::fabs(eigen(i).imag()) <= 1e-8 * (1.0 + std::fabs(eigen(i).real()))) {
            double t = eigen(i).real();
            // Newton polishes what the eigenvalues leave.
            for (int stap = 0; stap < 8; ++stap) {
                const double p = c(0) + t * (c(1) + t * (c(2) + t * c(3)));
                const double dp = c(1) + t * (2.0 * c(2) + 3.0 * t * c(3));
                if (dp == 0.0) {
                    break;
                }
                t -= p / dp;
            }
            wortels.push_back(t);
        }
    }
    return wortels;
}

// Where the motion keeps its hinges and signs, the load work per unit of dissipation is a
// cubic over a linear function of the position: g = W / D. Through samples around s it is found
// exactly, and its stationary points solve W' D - W D' = 0, a cubic.
TMinimum Stationair(const TLastVanPositie& f, TMinimum beste, double h) {
    constexpr int n = 7;
    const double midden = std::clamp(beste.s, 3.0 * h, 1.0 - 3.0 * h);
    Eigen::MatrixXd stelsel(n, 6);
    for (int i = 0; i < n; ++i) {
        const double t = i - 3.0;
        const double last = f(midden + h * t);
        if (!(last < std::numeric_limits<double>::max())) {
            return beste;
        }
        const double g = 1.0 / last;
        stelsel.row(i) << g, g * t, -1.0, -t, -t * t, -t * t * t;
    }
    Eigen::JacobiSVD<Eigen::MatrixXd> svd(stelsel, Eigen::ComputeFullV);
    const Eigen::VectorXd k = svd.matrixV().col(5);
    const double d0 = k(0), d1 = k(1), w0 = k(2), w1 = k(3), w2 = k(4), w3 = k(5);
    const Eigen::Vector4d afgeleide(w1 * d0 - w0 * d1, 2.0 * w2 * d0, w2 * d1 + 3.0 * w3 * d0,
                                    2.0 * w3 * d1);
    // Near the least load its values differ by rounding only: the stationary point is taken
    // when its load is as low within that rounding.
    TMinimum stationair;
    for (const double t : Wortels(afgeleide)) {
        if (std::fabs(t) <= 3.0) {
            const double s = std::clamp(midden + h * t, 0.0, 1.0);
            Neem(stationair, s, f(s));
        }
    }
    return stationair.Last <= beste.Last * (1.0 + Afronding) ? stationair : beste;
}

// The load is least on a piece of its own where the hinge turns, which a plateau of motions
// that leave it alone can hide from a search started elsewhere: the search starts from the
// lowest of a row of samples, within the samples beside it.
TMinimum Minimaliseer(const TLastVanPositie& f) {
    constexpr int Monsters = 16;
    TMinimum beste;
    for (int i = 0; i <= Monsters; ++i) {
        const double s = static_cast<double>(i) / Monsters;
        Neem(beste, s, f(s));
    }
    const double stap = 1.0 / Monsters;
    const double begin = beste.s;
    const TMinimum brent =
        Brent(f, std::max(0.0, begin - stap), std::min(1.0, begin + stap), begin);
    Neem(beste, brent.s, brent.Last);
    if (beste.Last < std::numeric_limits<double>::max() && beste.s > 0.0 && beste.s < 1.0) {
        for (const double h : {1e-3, 1e-5}) {
            beste = Stationair(f, beste, h);
        }
    }
    return beste;
}

// The least motion of the places, with every span hinge that it does not turn moved to the
// middle of its bar: the load does not depend on where such a hinge lies, and a place the search
// left a rounding step from a bar end would tie the force side to that end.
TBeweging MiddenWaarNietsDraait(TRaamwerk& raamwerk, const std::vector<int>& plaatsen,
                                const std::vector<int>& velden) {
    TBeweging beweging = raamwerk.KleinsteBeweging(plaatsen);
    for (const int v : velden) {
        if (std::find(beweging.Draaiend.begin(), beweging.Draaiend.end(),
                      raamwerk.Velden()[static_cast<std::size_t>(v)].Plaats) !=
            beweging.Draaiend.end()) {
            continue;
        }
        const double positie = raamwerk.Velden()[static_cast<std::size_t>(v)].Positie;
        raamwerk.ZetPositie(v, 0.5);
        TBeweging midden = raamwerk.KleinsteBeweging(plaatsen);
        if (std::isfinite(beweging.Bezwijklast) &&
            !(std::fabs(midden.Bezwijklast - beweging.Bezwijklast) <=
              GelijkeLasten * beweging.Bezwijklast)) {
            raamwerk.ZetPositie(v, positie);
            continue;
        }
        beweging = std::move(midden);
    }
    return beweging;
}

} // namespace

TBeweging KleinsteBewegingMetVelden(TRaamwerk& raamwerk, const std::vector<int>& plaatsen) {
    std::vector<int> velden;
    for (const int p : plaatsen) {
        const int v = raamwerk.VeldVanPlaats(p);
        if (v >= 0) {
            velden.push_back(v);
        }
    }
    if (velden.empty()) {
        return raamwerk.KleinsteBeweging(plaatsen);
    }
    double vorige = std::numeric_limits<double>::max();
    for (int ronde = 0; ronde < GrootsteAantalRondes; ++ronde) {
        double last = vorige;
        for (const int v : velden) {
            const TMinimum minimum = Minimaliseer(TLastVanPositie(raamwerk, plaatsen, v));
            raamwerk.ZetPositie(v, minimum.s);
            last = minimum.Last;
        }
        if (velden.size() == 1 || std::fabs(vorige - last) <= Stilstand * last) {
            break;
        }
        vorige = last;
    }
    return MiddenWaarNietsDraait(raamwerk, plaatsen, velden);
}

std::vector<double> Posities(const TRaamwerk& raamwerk) {
    std::vector<double> posities;
    for (const auto& veld : raamwerk.Velden()) {
        posities.push_back(veld.Positie);
    }
    return posities;
}

void ZetPosities(TRaamwerk& raamwerk, const std::vector<double>& posities) {
    for (std::size_t v = 0; v < posities.size() && v < raamwerk.Velden().size(); ++v) {
        raamwerk.ZetPositie(static_cast<int>(v), posities[v]);
    }
}

} // namespace kx
