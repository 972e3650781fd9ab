#ifndef BESSEL_H
#define BESSEL_H

// Bessel functions of integer order and real argument, as used by every fiber
// calculation (mode solver, field maps, end-face reflectivity, mode
// instability). These are the classic rational/polynomial approximations
// (Hart-style J0/J1 fits as popularised by Numerical Recipes; Abramowitz &
// Stegun 9.8.1-9.8.8 for I0, I1, K0, K1) with absolute errors around 1e-8.
// The displayed results of the pages are defined by exactly these routines,
// so the coefficients must not be "improved".
//
// No allocation, no exceptions. Non-finite results are meaningful: at x == 0,
// besselK0 is +inf and besselK1/besselKn are non-finite; the mode solver
// relies on that to drop the sample.

// J0(x): |x| < 8 rational function of x^2; otherwise the asymptotic form.
double besselJ0(double x);
// J1(x): as J0 with its own coefficients; odd in x.
double besselJ1(double x);
// J_n(x): n = 0, 1 use the routines above. Otherwise, on |x| and N = |n|:
// x == 0 gives 0; upward recurrence from J0, J1 while |x| > N (stable there);
// Miller's downward recurrence from an even start 2((N + int(sqrt(40N)))/2),
// rescaled by 1e-10 whenever a value exceeds 1e10 and normalised with
// J0 + 2(J2 + J4 + ...) = 1, when |x| <= N. Reflections: J_{-n} = (-1)^n J_n,
// J_n(-x) = (-1)^n J_n(x).
double besselJn(int n, double x);
// I0, I1: A&S 9.8.1-9.8.4, split at |x| = 3.75.
double besselI0(double x);
double besselI1(double x);
// K0, K1 (x > 0): A&S 9.8.5-9.8.8, split at x = 2.
double besselK0(double x);
double besselK1(double x);
// K_n(x), n >= 2: upward recurrence K_{j+1} = K_{j-1} + (2j/x) K_j (stable
// for K in this direction). K_{-n} = K_n.
double besselKn(int n, double x);

#endif // BESSEL_H
