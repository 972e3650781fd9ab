// Complex Bessel functions against Arb: acb_hypgeom_bessel_i/_k/_j evaluated
// with rigorous error bounds, the working precision raised until the
// reference is good to 60 bits, then rounded to double.
#include "complexbessel.h"

#include <acb_hypgeom.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;
// Required accuracy in the right half-plane (relative, complex modulus).
constexpr double kMaxRelativeError = 1e-13;

enum class Kind { I, K, J };

Complex arbReference(Kind kind, int order, double x, double y)
{
    acb_t nu, z, r;
    acb_init(nu);
    acb_init(z);
    acb_init(r);
    acb_set_si(nu, order);
    acb_set_d_d(z, x, y);
    for (slong prec = 128;; prec *= 2) {
        switch (kind) {
        case Kind::I: acb_hypgeom_bessel_i(r, nu, z, prec); break;
        case Kind::K: acb_hypgeom_bessel_k(r, nu, z, prec); break;
        case Kind::J: acb_hypgeom_bessel_j(r, nu, z, prec); break;
        }
        if (acb_rel_accuracy_bits(r) > 60 || prec > 16384)
            break;
    }
    const Complex value(arf_get_d(arb_midref(acb_realref(r)), ARF_RND_NEAR),
                        arf_get_d(arb_midref(acb_imagref(r)), ARF_RND_NEAR));
    acb_clear(nu);
    acb_clear(z);
    acb_clear(r);
    return value;
}

double relativeError(const Complex &got, const Complex &want)
{
    const double e =
        std::hypot(got.re() - want.re(), got.im() - want.im()) / std::hypot(want.re(), want.im());
    return std::isnan(e) ? std::numeric_limits<double>::infinity() : e;
}

struct Worst {
    double error = 0;
    double x = 0, y = 0;
    int order = 0;
    void add(double e, double zx, double zy, int n)
    {
        if (e > error) {
            error = e;
            x = zx;
            y = zy;
            order = n;
        }
    }
    std::string text() const
    {
        return std::to_string(error) + " (" + std::to_string(order) + ", " + std::to_string(x) +
               " + " + std::to_string(y) + "i)";
    }
};

// Orders 0..2 of I and K at each point; returns the worst errors.
void compareAt(const std::vector<std::pair<double, double>> &points, Worst *worstI, Worst *worstK)
{
    for (const auto &p : points) {
        for (int n = 0; n <= 2; ++n) {
            const Complex z(p.first, p.second);
            worstI->add(
                relativeError(complexBesselI(n, z), arbReference(Kind::I, n, p.first, p.second)),
                p.first, p.second, n);
            worstK->add(
                relativeError(complexBesselK(n, z), arbReference(Kind::K, n, p.first, p.second)),
                p.first, p.second, n);
        }
    }
}

void report(const char *what, const Worst &w)
{
    std::cout << what << ": measured maximum relative error " << w.error << " at order " << w.order
              << ", z = " << w.x << " + " << w.y << "i\n";
    ::testing::Test::RecordProperty(what, std::to_string(w.error));
}

TEST(ComplexBessel, DenseAlongTheModelRaysAgreesWithArb)
{
    // arg z = +-pi/4: where the heat Green's function evaluates them.
    // |z| from 1e-3 to 700, 0.5 % apart, crossing every method boundary.
    std::vector<std::pair<double, double>> points;
    for (double m = 1e-3; m <= 700; m *= 1.005)
        for (int sign : {1, -1})
            points.emplace_back(m * std::cos(kPi / 4), sign * m * std::sin(kPi / 4));
    Worst wi, wk;
    compareAt(points, &wi, &wk);
    report("I on arg z = +-pi/4", wi);
    report("K on arg z = +-pi/4", wk);
    EXPECT_LE(wi.error, kMaxRelativeError) << wi.text();
    EXPECT_LE(wk.error, kMaxRelativeError) << wk.text();
}

TEST(ComplexBessel, RandomPointsOfTheRightHalfPlaneAgreeWithArb)
{
    // |z| log-uniform in [1e-3, 700], arg z uniform in [-pi/2, pi/2].
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 4000; ++i) {
        const double m = std::exp(std::log(1e-3) + unit(rng) * (std::log(700.0) - std::log(1e-3)));
        const double arg = (unit(rng) - 0.5) * kPi;
        points.emplace_back(m * std::cos(arg), m * std::sin(arg));
    }
    Worst wi, wk;
    compareAt(points, &wi, &wk);
    report("I in the half-plane", wi);
    report("K in the half-plane", wk);
    EXPECT_LE(wi.error, kMaxRelativeError) << wi.text();
    EXPECT_LE(wk.error, kMaxRelativeError) << wk.text();
}

TEST(ComplexBessel, BothSidesOfEveryMethodBoundary)
{
    // Series/recurrence at |z| = 2, recurrence/asymptotic at |z| = 20 (+n^2),
    // on the real axis, the model rays and the imaginary axis.
    std::vector<std::pair<double, double>> points;
    for (double m : {2.0 - 1e-12, 2.0 + 1e-12, 20.0 - 1e-12, 20.0 + 1e-12, 21.0 - 1e-12,
                     21.0 + 1e-12, 24.0 + 1e-12})
        for (double arg : {0.0, kPi / 4, -kPi / 4, 1.3, -1.3})
            points.emplace_back(m * std::cos(arg), m * std::sin(arg));
    Worst wi, wk;
    compareAt(points, &wi, &wk);
    EXPECT_LE(wi.error, kMaxRelativeError) << wi.text();
    EXPECT_LE(wk.error, kMaxRelativeError) << wk.text();
}

TEST(ComplexBessel, ImaginaryAxisMatchesArbInAbsoluteTerms)
{
    // I_n(iy) = i^n J_n(y) has zeros: there only an absolute bound is
    // meaningful. K_n(iy) has none, so it keeps the relative bound.
    double worstI = 0, worstK = 0;
    for (double y = 0.01; y <= 100; y += 0.37) {
        for (int n = 0; n <= 2; ++n) {
            for (double s : {1.0, -1.0}) {
                const Complex gi = complexBesselI(n, Complex(0, s * y));
                const Complex wi = arbReference(Kind::I, n, 0, s * y);
                worstI = std::max(worstI, std::hypot(gi.re() - wi.re(), gi.im() - wi.im()));
                worstK = std::max(worstK, relativeError(complexBesselK(n, Complex(0, s * y)),
                                                        arbReference(Kind::K, n, 0, s * y)));
            }
        }
    }
    std::cout << "imaginary axis: max absolute error of I " << worstI
              << ", max relative error of K " << worstK << "\n";
    EXPECT_LE(worstI, 1e-14);
    EXPECT_LE(worstK, kMaxRelativeError);
}

TEST(ComplexBessel, RealBesselJAgreesWithArb)
{
    double worst = 0;
    for (double x = -60; x <= 60; x += 0.173) {
        for (int n = 0; n <= 2; ++n) {
            const double want = arbReference(Kind::J, n, x, 0).re();
            const double got = realBesselJ(n, x);
            // relative away from the zeros, absolute next to them
            worst = std::max(worst, std::fabs(got - want) / (std::fabs(want) + 1e-3));
        }
    }
    std::cout << "real J: max error " << worst << " (relative to |J| + 1e-3)\n";
    EXPECT_LE(worst, kMaxRelativeError);
}

TEST(ComplexBessel, CombinedI1K1EqualsTheSeparateFunctionsExactly)
{
    for (double m = 1e-3; m < 700; m *= 1.07)
        for (double arg : {-1.5, -kPi / 4, 0.0, 0.3, kPi / 4, kPi / 2}) {
            const Complex z(m * std::cos(arg), m * std::sin(arg));
            Complex i1, k1;
            complexBesselI1K1(z, &i1, &k1);
            EXPECT_EQ(i1, complexBesselI(1, z)) << z.re() << " " << z.im();
            EXPECT_EQ(k1, complexBesselK(1, z)) << z.re() << " " << z.im();
        }
}

TEST(ComplexBessel, ValuesAtZero)
{
    EXPECT_EQ(complexBesselI(0, Complex()), Complex(1, 0));
    EXPECT_EQ(complexBesselI(1, Complex()), Complex(0, 0));
    EXPECT_EQ(complexBesselI(2, Complex()), Complex(0, 0));
    EXPECT_TRUE(std::isinf(complexBesselK(1, Complex()).re()));
    EXPECT_EQ(realBesselJ(0, 0), 1.0);
    EXPECT_EQ(realBesselJ(1, 0), 0.0);
}

TEST(ComplexBessel, SymmetriesOfOrderAndArgument)
{
    const Complex z(3.7, -1.2);
    // I_{-n} = I_n and K_{-n} = K_n for integer n.
    EXPECT_EQ(complexBesselI(-2, z), complexBesselI(2, z));
    EXPECT_EQ(complexBesselK(-1, z), complexBesselK(1, z));
    // Real on the real axis; conjugate-symmetric off it.
    for (double m : {0.5, 7.0, 35.0}) {
        const Complex w(m * 0.6, m * 0.8);
        const Complex a = complexBesselI(1, w), b = complexBesselI(1, w.conj());
        EXPECT_NEAR(a.re(), b.re(), 1e-15 * std::hypot(a.re(), a.im()));
        EXPECT_NEAR(a.im(), -b.im(), 1e-15 * std::hypot(a.re(), a.im()));
        EXPECT_EQ(complexBesselK(0, Complex(m, 0)).im(), 0.0);
    }
    // J_{-1}(x) = -J_1(x), J_1(-x) = -J_1(x).
    EXPECT_EQ(realBesselJ(-1, 2.5), -realBesselJ(1, 2.5));
    EXPECT_EQ(realBesselJ(1, -2.5), -realBesselJ(1, 2.5));
    EXPECT_EQ(realBesselJ(2, -2.5), realBesselJ(2, 2.5));
}

TEST(ComplexBessel, NonIntegerOrNonFiniteOrderGivesNaN)
{
    EXPECT_TRUE(std::isnan(complexBesselI(0.5, Complex(1, 1)).re()));
    EXPECT_TRUE(std::isnan(complexBesselK(NAN, Complex(1, 1)).re()));
    EXPECT_TRUE(std::isnan(realBesselJ(INFINITY, 1.0)));
    EXPECT_TRUE(std::isnan(complexBesselI(1, Complex(NAN, 0)).re()));
}

TEST(ComplexBessel, HigherOrdersFollowTheRecurrences)
{
    // Orders beyond the model's 0..2: K by its upward recurrence, I from the
    // Miller sequence or the asymptotic form, all against Arb.
    Worst wi, wk;
    for (int n : {3, 5, 10})
        for (double m : {0.7, 4.0, 15.0, 60.0}) {
            const double x = m * std::cos(0.6), y = m * std::sin(0.6);
            wi.add(relativeError(complexBesselI(n, Complex(x, y)), arbReference(Kind::I, n, x, y)),
                   x, y, n);
            wk.add(relativeError(complexBesselK(n, Complex(x, y)), arbReference(Kind::K, n, x, y)),
                   x, y, n);
        }
    EXPECT_LE(wi.error, kMaxRelativeError) << wi.text();
    EXPECT_LE(wk.error, kMaxRelativeError) << wk.text();
}

} // namespace
