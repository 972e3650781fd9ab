#ifndef REFLECTIVITY_H
#define REFLECTIVITY_H

// Amplitude feedback of an angle-cleaved fiber end face for one LP_0n-like
// mode intensity profile: the Fresnel amplitude reflection (n1-1)/(n1+1) at
// normal incidence, weighted with the normalised overlap of the mode intensity
// with J0(4 pi n1 theta r / lambda) (the tilted reflected wave projected back
// onto the guided mode).
//
// The mode intensity on the radial grid r = 0, dr, 2 dr, ... (dr = a/100,
// accumulated by repeated addition, while r <= 5a) is
//     J0(r U/a)^2 / J0(U)^2 (r <= a),  K0(r W/a)^2 / K0(W)^2 (r > a),
// U = k0 a sqrt(n1^2 - neff^2), W = k0 a sqrt(neff^2 - n2^2), k0 = 2 pi / lambda.
// Two rectangle sums over that grid give r(theta) and R(theta) = r^2.

struct EndFaceReflectivity {
    double r; // amplitude feedback coefficient r(theta)
    double R; // power reflectivity R(theta) = r(theta)^2
};

// a, lambda in metres; thetaRad in radians; neff as the caller displays it
// (the fiber-parameters page passes its four-decimal text value).
// theta = 0 gives r = (n1-1)/(n1+1) up to rounding. A negative a leaves the
// grid empty: both sums are 0 and r = R = 0. Non-finite U or W give NaN.
// a = 0 (dr = 0) or an infinite a would make the grid walk stand still; the
// walk stops once a step no longer moves r, so such input returns (NaN) at once
// instead of hanging.
// No allocation, no exceptions.
EndFaceReflectivity endFaceReflectivity(double a, double lambda, double n1, double n2, double neff,
                                        double thetaRad);

#endif // REFLECTIVITY_H
