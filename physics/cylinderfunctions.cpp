#include "cylinderfunctions.h"

#include "besselkratio.h"

#include <boost/math/special_functions/bessel.hpp>

#include <algorithm>
#include <cmath>

namespace cylinder {

namespace {

constexpr double kPi = 3.141592653589793;

// Z_{m-1} for the reflection rules J_{-1} = -J_1, Y_{-1} = -Y_1, I_{-1} = I_1,
// K_{-1} = K_1.
double besselJ(int m, double x)
{
    if (m < 0)
        return -boost::math::cyl_bessel_j(1, x, Policy());
    return boost::math::cyl_bessel_j(m, x, Policy());
}

double besselY(int m, double x)
{
    if (m < 0)
        return -boost::math::cyl_neumann(1, x, Policy());
    return boost::math::cyl_neumann(m, x, Policy());
}

double besselI(int m, double x)
{
    return boost::math::cyl_bessel_i(std::abs(m), x, Policy());
}

double besselK(int m, double x)
{
    return boost::math::cyl_bessel_k(std::abs(m), x, Policy());
}

double psiAt(const Layer &layer, const Coefficients &c, double r)
{
    return value(layer, c, r).psi;
}

int signOf(double v)
{
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

} // namespace

Layer layerBasis(int m, double k0, double n, double neff, double rMax)
{
    Layer layer;
    layer.m = m;
    const double s = k0 * k0 * (n - neff) * (n + neff);
    if (std::abs(s) * rMax * rMax < 1e-15) {
        layer.kind = Kind::Power;
        layer.k = rMax; // reference radius of the power basis
        return layer;
    }
    layer.kind = s > 0 ? Kind::Oscillating : Kind::Evanescent;
    layer.k = std::sqrt(std::abs(s));
    return layer;
}

Basis evaluate(const Layer &layer, double r)
{
    Basis b;
    const int m = layer.m;
    switch (layer.kind) {
    case Kind::Oscillating: {
        const double x = layer.k * r;
        b.f1 = besselJ(m, x);
        b.f2 = besselY(m, x);
        b.d1 = layer.k * (besselJ(m - 1, x) - m / x * b.f1);
        b.d2 = layer.k * (besselY(m - 1, x) - m / x * b.f2);
        b.wronskian = 2.0 / (kPi * r);
        break;
    }
    case Kind::Evanescent: {
        const double x = layer.k * r;
        b.f1 = besselI(m, x);
        b.f2 = besselK(m, x);
        b.d1 = layer.k * (besselI(m - 1, x) - m / x * b.f1);
        b.d2 = -layer.k * (besselK(m - 1, x) + m / x * b.f2);
        b.wronskian = -1.0 / r;
        break;
    }
    case Kind::Power: {
        const double rho = r / layer.k;
        if (m == 0) {
            b.f1 = 1.0;
            b.d1 = 0.0;
            b.f2 = std::log(rho);
            b.d2 = 1.0 / r;
            b.wronskian = 1.0 / r;
        } else {
            b.f1 = std::pow(rho, m);
            b.f2 = 1.0 / b.f1;
            b.d1 = m * b.f1 / r;
            b.d2 = -m * b.f2 / r;
            b.wronskian = -2.0 * m / r;
        }
        break;
    }
    }
    return b;
}

Coefficients coefficients(const Layer &layer, double r, double psi, double dpsi)
{
    const Basis b = evaluate(layer, r);
    Coefficients c;
    c.a = (psi * b.d2 - dpsi * b.f2) / b.wronskian;
    c.b = (b.f1 * dpsi - b.d1 * psi) / b.wronskian;
    return c;
}

Value value(const Layer &layer, const Coefficients &c, double r)
{
    const Basis b = evaluate(layer, r);
    // A zero coefficient drops its function, which may overflow near the axis.
    Value v;
    if (c.a != 0) {
        v.psi += c.a * b.f1;
        v.dpsi += c.a * b.d1;
    }
    if (c.b != 0) {
        v.psi += c.b * b.f2;
        v.dpsi += c.b * b.d2;
    }
    return v;
}

int zeroCount(const Layer &layer, const Coefficients &c, double r0, double r1)
{
    if (layer.kind != Kind::Oscillating) {
        if (r0 <= 0)
            return 0; // I_m(kr) and r^m have no zero in (0, r1]
        return signOf(psiAt(layer, c, r0)) * signOf(psiAt(layer, c, r1)) < 0 ? 1 : 0;
    }
    const double x1 = layer.k * r1;
    // In the centre (B = 0) J_m keeps its sign below x = m < j_{m,1}.
    double x = r0 > 0 ? layer.k * r0 : std::max(static_cast<double>(layer.m), 1e-3);
    if (!(x < x1))
        return 0;
    int count = 0;
    int previous = signOf(psiAt(layer, c, x / layer.k));
    while (x < x1) {
        const double step = x < 1.0 ? 0.5 * x : 1.0;
        x = std::min(x1, x + step);
        const int sign = signOf(psiAt(layer, c, x / layer.k));
        if (sign != 0 && previous != 0 && sign != previous)
            ++count;
        if (sign != 0)
            previous = sign;
    }
    return count;
}

double kLogDerivative(int m, double w)
{
    if (m == 0)
        return w / besselKRatio(w, 1);
    return w * besselKRatio(w, m) + m;
}

} // namespace cylinder
