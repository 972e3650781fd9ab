#ifndef MODESOLVER_H
#define MODESOLVER_H

#include <string>
#include <vector>

// Guided LP modes of a weakly guiding step-index fiber.
//
// For every azimuthal order m the characteristic equation
//     F(neff) = U J_{m+1}(U)/J_m(U) - W K_{m+1}(W)/K_m(W) = 0,
//     U = k0 a sqrt(n1^2 - neff^2),  W = k0 a sqrt(neff^2 - n2^2)
// (Gloge, Appl. Opt. 10, 2252 (1971)) is sampled on a fixed grid of effective
// indices neff_i = (i-1)(n1-n2)/(samples-1) + n2, i = 1..samples. A sample i in
// 2..samples-1 is a mode when F_{i-1} F_i <= 0 and G_{i-1} G_i >= 0 (G being the
// core ratio U J_{m+1}/J_m; the second test rejects the sign flips of F at the
// poles of G). The reported index is the grid value neff_i itself, the upper end
// of the bracketing interval; there is no refinement. The scan walks the orders
// m = 0, 1, ... and stops at the first order without a mode.
//
// A root lies just below (in U) every pole of G. At high V the grid is coarse
// in U near the top of the index range (U spacing ~ V^2 / (2 U samples)), so
// a root can share the pole's sample interval: the two sign changes of F
// cancel and the product test sees neither. Every branch of G that lies whole
// below a pole holds exactly one root (F runs from +inf at the pole to -inf at
// the next lower pole, or to F < 0 at U -> 0), so a sample just past a pole
// with F < 0 means that the root was inside the pole interval: that sample is
// flagged too (its neff is again the upper end of the bracketing interval).
// Without this rule LP01 of a 100 um core, NA 0.22 at 1064 nm went missing
// and LP02 took its "01" label.
//
// The result is checked against the cutoffs: LP_0n is guided when V exceeds
// j_{1,n-1} (j_{1,0} = 0), LP_mn (m >= 1) when V exceeds j_{m-1,n}. When the
// grid found fewer (or more) modes of some order than the cutoffs allow,
// `complete` is false and the caller must say that the list is incomplete.
//
// The displayed digits of several pages are defined by this grid, so the
// result is exactly that of the sample scan; solveModes() only finds it with
// far fewer Bessel evaluations.

struct ModeSet {
    std::vector<std::vector<double>>
        neffLists; // one list per order (at least 31), descending neff; entry n-1 is LP_mn
    std::vector<int> modeCounts;   // count per order searched, in order (incl. the final 0)
    int maxOrder = -1;             // highest m with a mode, -1 if none
    int modeTotal = 0;             // number of (m,n) pairs
    std::vector<int> cutoffCounts; // guided modes per order allowed by the cutoffs (V below 5000)
    int cutoffTotal = 0;           // their sum
    bool complete = true;          // false: the grid missed (or the search could not check) modes
};

// Lists a ModeSet holds at least (m = 0..30), and the highest order the
// search ever examines (a safety bound far above any fiber of the pages:
// LP_m1 needs V > j_{m-1,1} > m - 1).
constexpr int kModeSolverOrderLists = 31;
constexpr int kModeSolverMaxOrder = 5000;

// Number of guided LP modes of each azimuthal order of a step-index fiber
// with normalised frequency v, from the Bessel-zero cutoffs above (weakly
// guiding approximation). Empty for v <= 0 or non-finite v; v above 5000 is
// not counted (empty as well).
std::vector<int> cutoffModeCounts(double v);

constexpr int kModeSolverSamples =
    10000; // the fiber-mode page's grid; the fiber-parameters page uses 1000

// Mode set of the fiber (a, lambda in metres; callers guarantee n1 >= n2, but
// n1 < n2, zero or non-finite input only yields an empty set). Returns exactly
// the result of solveModesLiteral() with the same arguments: the same counts and
// the same grid samples. Between two poles of G the characteristic function
// falls monotonically with the sample index, so each branch's flagged sample is
// found by bisection on the integer index (a few dozen samples per order
// instead of all of them). An order is rescanned with the literal loop when the
// evaluated samples cannot vouch for the result: a non-finite or exactly zero
// sample, or a sign decided within the approximation error of the Bessel
// routines right at one of their switch points (see modesolver.cpp). On 2000
// random fibers with V from 0.5 to 40 (36002 orders) no order needed that.
// samples < 3 gives the empty set (no interval is examined).
// The fiber-parameters page's 1000-sample search is this routine with
// samples = 1000: its G = J_{l+1}(U) U / J_l(U) is the same double (IEEE
// multiplication commutes), and its bounds and flags are the same.
// No exceptions other than std::bad_alloc, and cancellation::Cancelled when
// the calling thread's cancel flag is set (cancellation.h).
ModeSet solveModes(double a, double lambda, double n1, double n2,
                   int samples = kModeSolverSamples); // fast, identical result

// Statistics of one fast solve, for tests and benchmarks.
struct ModeSolverStats {
    int ordersSearched = 0;    // orders evaluated (including the final empty one)
    int ordersFallenBack = 0;  // orders rescanned with the literal loop
    long long evaluations = 0; // samples evaluated (each costs four Bessel functions)
};
// As solveModes(); adds this call's figures to *stats when stats is not null.
ModeSet solveModes(double a, double lambda, double n1, double n2, int samples,
                   ModeSolverStats *stats);

// The reference scan: every sample of every order searched is evaluated.
ModeSet solveModesLiteral(double a, double lambda, double n1, double n2,
                          int samples = kModeSolverSamples); // reference scan

// Seconds solveModes() with the page's 10000 samples is expected to take for
// a fiber of normalised frequency v, on one core of a 2020s x86-64 machine
// (measured: V = 196 0.35 s, V = 393 4.7 s, V = 785 31 s). The work grows
// like V^3.7 while each order still holds few modes and tends to V^2 when
// the number of orders (~V) and of modes per order (~V) dominate: between
// the measured points the estimate interpolates in log-log, beyond V = 785
// it grows as V^2. Used to refuse fibers whose mode list would take minutes.
double modeSolverSecondsEstimate(double v);

// "01", "11", "110": decimal m followed directly by decimal n.
std::string modeLabel(int m, int n);

// beta = neff * k0 in 1/m, k0 = 2 pi / lambda (lambda in metres).
double propagationConstant(double neff, double lambda); // neff * (6.283185307179586 / lambda)

// Propagation constants of every mode of the set in table order (m ascending,
// then n ascending, i.e. each list in its stored, descending-neff order).
std::vector<double> propagationConstants(const ModeSet &modes, double lambda);

// Azimuthal order m of every mode in table order (same walk as above).
std::vector<int> modeOrderList(const ModeSet &modes);

// Effective indices of every mode in table order (same walk as above).
std::vector<double> modeIndexList(const ModeSet &modes);

#endif // MODESOLVER_H
