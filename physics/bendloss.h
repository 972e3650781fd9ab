#ifndef BENDLOSS_H
#define BENDLOSS_H

#include <vector>

// Bend loss of a guided mode of a step-index fiber bent to radius R, in the
// closed form of Marcuse (J. Opt. Soc. Am. 66, 216 (1976)) as the bend-loss tab
// uses it:
//     K = sqrt(k0^2 n1^2 - beta^2),  gamma = sqrt(beta^2 - k0^2 n2^2),
//     V = k0 a sqrt(n1^2 - n2^2),
//     alpha = (2/e_m) a K^2 exp(2 a gamma - (2/3) gamma^3 R / beta^2) / V^2 / sqrt(gamma pi R),
// with e_m = 2 for azimuthal order m = 0 and e_m = 1 otherwise (Marcuse's
// e_nu): LP_0n keeps the plain expression, every LP_mn with m >= 1 is doubled.
// This is Marcuse's result with K_{m-1}(gamma a) K_{m+1}(gamma a) replaced by
// its large-argument form pi/(2 gamma a) e^(-2 gamma a), a documented model
// choice of the tab (valid for gamma a >> 1, i.e. modes well above cutoff).
// alpha is the power attenuation coefficient in 1/m (P(z) = P0 e^(-alpha z));
// 10 log10(e) alpha = 4.343 alpha gives dB/m. No conversion is applied here.

struct BendLoss {
    bool valid = false; // false: no mode at the requested position (empty list)
    double beta = 0.0;  // propagation constant of the chosen mode, 1/m
    double alpha = 0.0; // bend-loss coefficient, 1/m (NaN/inf for R = 0 or gamma = 0)
};

// a, lambda in metres, bendRadius R in metres; betaList the propagation
// constants of the modes in table order (propagationConstants() of
// modesolver.h) and orderList their azimuthal orders m in the same order
// (modeOrderList()); comboIndex the chosen position, a negative index counts as
// 0. An index outside the list (in particular any index into an empty list)
// gives valid = false and leaves beta and alpha 0: the caller clears its
// outputs. A missing order entry counts as m = 0.
BendLoss bendLoss(double a, double lambda, double n1, double n2, double bendRadius,
                  const std::vector<double> &betaList, const std::vector<int> &orderList,
                  int comboIndex);

#endif // BENDLOSS_H
