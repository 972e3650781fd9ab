#ifndef GRADEDMODES_H
#define GRADEDMODES_H

// Every guided LP mode of a graded-index fiber: the power-law profile
//     n(r)^2 = n1^2 (1 - 2 Delta (r/a)^alpha)  (r < a),  n2^2 (r >= a),
//     2 Delta = (n1^2 - n2^2)/n1^2
// (Gloge & Marcatili, Bell Syst. Tech. J. 52, 1563 (1973); alpha = 2 is the
// parabolic, alpha -> infinity the step profile), or a measured profile given
// as a table of (radius, index) joined by the monotone piecewise-cubic Hermite
// interpolant (Fritsch & Carlson, SIAM J. Numer. Anal. 17, 238 (1980); Boost.Math
// pchip), constant below the first radius and equal to the last index (the
// cladding) beyond the last.
//
// Model: scalar modes psi(r) cos(m phi). With x = r/a and psi = x^m phi the
// radial equation is regular at the axis:
//     phi'' + (2m + 1) phi'/x + Q(x) phi = 0,   Q = a^2 k0^2 (n(x)^2 - neff^2),
// started at x0 << 1 from its Frobenius series phi = 1 - Q(0) x^2/(4(m+1))
// (+ V^2 x^(alpha+2)/((alpha+2)(alpha+2+2m)) for the power law) and integrated
// to x = 1 with the Runge-Kutta-Fehlberg 7(8) pair of Boost.Odeint at a
// relative and absolute tolerance of 1e-13; beyond x = 1 psi = c K_m(W x),
// W = a k0 sqrt(neff^2 - n2^2). The characteristic function is
//     F = [phi'(1) + phi(1) (2m + W K_{m-1}(W)/K_m(W))] / |(phi, phi')|,
// the I_m coefficient of the cladding up to a positive factor, and the modes
// are isolated by counting the zeros of phi (each integration step spans less
// than half an oscillation at this tolerance) plus the cladding zero, as in
// layeredmodes.h (sturmroots.h).
//
// Convergence check: every root is solved again at an integrator tolerance of
// 1e-11; the largest change of neff over the modes is reported (the change at
// 1e-13 is two orders smaller for this 8th-order method).

#include <functional>
#include <string>
#include <vector>

struct GradedProfile {
    enum class Kind { PowerLaw, Table };
    Kind kind = Kind::PowerLaw;
    double lambda = 0.0; // m
    // Power law
    double a = 0.0; // m
    double n1 = 0.0;
    double n2 = 0.0;
    double alpha = 2.0;
    // Table: radii (m, ascending from >= 0) and indices; the last index is the cladding's.
    std::vector<double> tableRadius;
    std::vector<double> tableIndex;
};

// Empty when the profile can be solved, else the reason naming the input.
std::string gradedProfileProblem(const GradedProfile &profile);

// Outer radius of the graded region (a, or the last table radius), the
// cladding index and the highest index.
double gradedEdge(const GradedProfile &profile);
double gradedCladdingIndex(const GradedProfile &profile);
double gradedMaxIndex(const GradedProfile &profile);
// n(r) (NaN when the profile is refused), and the same as a prepared function
// for many evaluations (the table's interpolant built once).
double gradedIndexAt(const GradedProfile &profile, double r);
std::function<double(double)> gradedIndexFunction(const GradedProfile &profile);

struct GradedLpMode {
    int m = 0;
    int n = 1;
    double neff = 0.0;
    // psi on a uniform grid of x = r/a in [0, 1] (unit peak |psi|), with dpsi/dr,
    // and the cladding continuation psi(a) K_m(gamma r)/K_m(gamma a).
    std::vector<double> psi, dpsi;
    double gamma = 0.0; // 1/m
    double psiAt(double r, double a) const;
    double dpsiAt(double r, double a) const;
};

struct GradedModeSet {
    std::vector<GradedLpMode> modes; // table order
    double convergence = 0.0;        // largest |neff(1e-13) - neff(1e-11)|
    bool ok = false;                 // false: the profile was refused
};

GradedModeSet solveGradedLpModes(const GradedProfile &profile);

// F (above) and the mode count above neff, for tests.
double gradedCharacteristic(const GradedProfile &profile, int m, double neff, int *zeros = nullptr);

#endif // GRADEDMODES_H
