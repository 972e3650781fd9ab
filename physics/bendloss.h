#ifndef BENDLOSS_H
#define BENDLOSS_H

#include <vector>

// Bend loss of a guided mode of a step-index fiber bent to radius R, in the
// closed form of Marcuse (J. Opt. Soc. Am. 66, 216 (1976)) as the bend-loss tab
// uses it:
//     K = sqrt(k0^2 n1^2 - beta^2),  gamma = sqrt(beta^2 - k0^2 n2^2),
//     V = k0 a sqrt(n1^2 - n2^2),
//     alpha = a K^2 exp(2 a gamma - (2/3) gamma^3 R / beta^2) / V^2 / sqrt(gamma pi R),
// doubled for every mode but the first in the list (the factor 2 follows the
// position in the list, not the azimuthal order: "02" is doubled too).
// alpha is left in the formula's units (1/m); no conversion to dB.

struct BendLoss {
    bool valid = false; // false: no mode at the requested position (empty list)
    double beta = 0.0;  // propagation constant of the chosen mode, 1/m
    double alpha = 0.0; // bend-loss coefficient, 1/m (NaN/inf for R = 0 or gamma = 0)
};

// a, lambda in metres, bendRadius R in metres; betaList the propagation
// constants of the modes in table order (propagationConstants() of
// modesolver.h); comboIndex the chosen position, a negative index counts as 0.
// An index outside the list (in particular any index into an empty list) gives
// valid = false and leaves beta and alpha 0: the caller clears its outputs.
BendLoss bendLoss(double a, double lambda, double n1, double n2, double bendRadius,
                  const std::vector<double> &betaList, int comboIndex);

#endif // BENDLOSS_H
