#ifndef SILICASELLMEIER_H
#define SILICASELLMEIER_H

// Refractive index of fused silica and its wavelength derivatives from the
// three-term Sellmeier equation of Malitson, "Interspecimen comparison of the
// refractive index of fused silica", J. Opt. Soc. Am. 55, 1205 (1965):
//     n^2(lambda) - 1 = sum_i B_i lambda^2 / (lambda^2 - C_i),   lambda in um,
//     B = 0.6961663, 0.4079426, 0.8974794,
//     C = 0.0684043^2, 0.1162414^2, 9.896161^2 um^2,
// measured at 20 degC between 0.21 and 3.71 um (the fit is quoted to 1e-5 in n).
// The derivatives are those of the fit itself, in closed form (with
// s = lambda^2: d(n^2)/ds = -sum B_i C_i/(s - C_i)^2,
//               d2(n^2)/ds2 = 2 sum B_i C_i/(s - C_i)^3).

struct SellmeierIndex {
    double n = 0.0;   // refractive index
    double dn = 0.0;  // dn/dlambda, 1/m
    double d2n = 0.0; // d2n/dlambda2, 1/m^2
};

// lambda in metres. Outside the fitted range the equation is still evaluated
// (it is smooth between its poles at 0.068, 0.116 and 9.9 um); at a pole or for
// lambda <= 0 the fields are NaN.
SellmeierIndex fusedSilicaIndex(double lambda);

// dn/dk of fused silica, k = 2 pi/lambda (dlambda/dk = -lambda/k), m.
double fusedSilicaDnDk(double lambda);

#endif // SILICASELLMEIER_H
