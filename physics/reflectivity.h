#ifndef REFLECTIVITY_H
#define REFLECTIVITY_H

// Amplitude feedback of an angle-cleaved fiber end face for one LP_mn mode:
// the Fresnel amplitude reflection (n1-1)/(n1+1) at normal incidence, weighted
// with the normalised overlap of the mode intensity with
// J0(4 pi n1 theta r / lambda) (the tilted reflected wave projected back onto
// the guided mode). For m >= 1 the angular factor cos^2(m phi) adds a term
// (-1)^m J_2m(q r) whose sign depends on how the lobes lie relative to the
// tilt plane; averaged over the two orientations (cos and sin) it cancels, so
// the J0 kernel is the orientation-averaged overlap for every order.
//
// The radial mode intensity on the grid r = 0, dr, 2 dr, ... (dr = a/100,
// accumulated by repeated addition, while r <= 5a) is that of the mode's own
// order m (Gloge, Appl. Opt. 10, 2252 (1971)):
//     J_m(r U/a)^2 / J_m(U)^2 (r <= a),  K_m(r W/a)^2 / K_m(W)^2 (r > a),
// U = k0 a sqrt(n1^2 - neff^2), W = k0 a sqrt(neff^2 - n2^2), k0 = 2 pi / lambda.
// Two rectangle sums over that grid give r(theta) and R(theta) = r^2.
//
// neff must be the solver's full-precision index: a guided mode has
// n2 < neff < n1, so W > 0 and every term is finite. An index rounded for
// display can land on n2 (W = 0, K_m(0) infinite) and would give NaN.

struct EndFaceReflectivity {
    double r; // amplitude feedback coefficient r(theta)
    double R; // power reflectivity R(theta) = r(theta)^2
};

// a, lambda in metres; thetaRad in radians; neff the full-precision index of
// the mode and azimuthalOrder its m (negative counts as 0).
// theta = 0 gives r = (n1-1)/(n1+1) up to rounding. A negative a leaves the
// grid empty: both sums are 0 and r = R = 0. Non-finite U or W give NaN.
// a = 0 (dr = 0) or an infinite a would make the grid walk stand still; the
// walk stops once a step no longer moves r, so such input returns (NaN) at once
// instead of hanging.
// No allocation, no exceptions.
EndFaceReflectivity endFaceReflectivity(double a, double lambda, double n1, double n2, double neff,
                                        int azimuthalOrder, double thetaRad);

#endif // REFLECTIVITY_H
