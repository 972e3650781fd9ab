#include "silicasellmeier.h"

#include <cmath>
#include <limits>

SellmeierIndex fusedSilicaIndex(double lambda)
{
    constexpr double kB[3] = {0.6961663, 0.4079426, 0.8974794};
    constexpr double kC[3] = {0.0684043 * 0.0684043, 0.1162414 * 0.1162414, 9.896161 * 9.896161};
    constexpr double kMicron = 1e-6;

    SellmeierIndex out;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (!(lambda > 0)) {
        out.n = out.dn = out.d2n = nan;
        return out;
    }
    const double l = lambda / kMicron; // um
    const double s = l * l;
    double n2 = 1.0, dn2ds = 0.0, d2n2ds2 = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double d = s - kC[i];
        n2 += kB[i] * s / d;
        dn2ds -= kB[i] * kC[i] / (d * d);
        d2n2ds2 += 2.0 * kB[i] * kC[i] / (d * d * d);
    }
    // Chain rule to lambda (um): ds/dl = 2l, d2s/dl2 = 2.
    const double dn2dl = dn2ds * 2.0 * l;
    const double d2n2dl2 = d2n2ds2 * 4.0 * s + dn2ds * 2.0;
    const double n = std::sqrt(n2);
    out.n = n;
    out.dn = dn2dl / (2.0 * n) / kMicron;
    out.d2n = (d2n2dl2 / (2.0 * n) - dn2dl * dn2dl / (4.0 * n * n * n)) / (kMicron * kMicron);
    return out;
}

double fusedSilicaDnDk(double lambda)
{
    constexpr double kTwoPi = 6.283185307179586;
    return fusedSilicaIndex(lambda).dn * (-lambda / (kTwoPi / lambda));
}
