#include "reflectivity.h"

#include "bessel.h"

#include <cmath>

EndFaceReflectivity endFaceReflectivity(double a, double lambda, double n1, double n2, double neff,
                                        int azimuthalOrder, double thetaRad)
{
    constexpr double kTwoPi = 6.283185307179586;
    constexpr double kFourPi = 12.566370614359172;

    const double k0a = kTwoPi / lambda * a;
    const double u = std::sqrt(n1 * n1 - neff * neff) * k0a;
    const double w = std::sqrt(neff * neff - n2 * n2) * k0a;
    const int m = azimuthalOrder < 0 ? 0 : azimuthalOrder;
    // The radial profile of order m; order 0 keeps the dedicated J0/K0 routines.
    auto coreField = [m](double x) { return m == 0 ? besselJ0(x) : besselJn(m, x); };
    auto claddingField = [m](double x) { return m == 0 ? besselK0(x) : besselKn(m, x); };
    const double coreEdge = coreField(u);
    const double claddingEdge = claddingField(w);
    const double j0AtZero = besselJ0(0.0);
    const double dr = a / 100.0;
    const double rMax = 5.0 * a;

    // Mode intensity at r, normalised to 1 at the core boundary from either side.
    auto intensity = [&](double r) {
        if (r <= a) {
            const double j = coreField(r * u / a);
            return j * j / (coreEdge * coreEdge);
        }
        const double k = claddingField(r * w / a);
        return k * k / (claddingEdge * claddingEdge);
    };

    // Normalisation: the mode power 2 pi sum E^2 r dr (with the J0(0) factor of
    // the overlap kernel at zero tilt, so that r(0) is exactly the Fresnel term).
    // The grid walks r = 0, dr, 2 dr, ... by repeated addition while r <= 5a.
    // A step that no longer moves r (a = 0 gives dr = 0, an infinite a gives an
    // infinite r) would repeat the same point for ever; the walk ends there.
    auto walkGrid = [&](auto &&visit) {
        for (double r = 0.0; r <= rMax;) {
            visit(r);
            const double next = r + dr;
            if (!(next != r))
                break;
            r = next;
        }
    };

    double s1 = 0.0;
    walkGrid([&](double r) { s1 += kTwoPi * intensity(r) * j0AtZero * r * dr; });

    const double c = (n1 - 1.0) / (n1 + 1.0) / s1 * kTwoPi;
    const double q = n1 * kFourPi * thetaRad;

    double s2 = 0.0;
    walkGrid([&](double r) { s2 += besselJ0(q * r / lambda) * (c * intensity(r)) * r * dr; });

    return {s2, s2 * s2};
}
