#ifndef AMPLIFIERBVP_H
#define AMPLIFIERBVP_H

// The two-point boundary-value solver behind yb::solveAmplifier
// (ybamplifier.h): forward channels are known at z = 0, backward channels at
// z = L, and all of them meet in n(z).
//
// Method: the forward/backward sweeps of Giles & Desurvire (1991), taken as
// a fixed-point map and accelerated, on a non-uniform grid refined where the
// powers change. A forward sweep integrates the forward channels from 0 to L
// with the classical fourth-order Runge–Kutta rule, taking the backward
// channels' share of n from the last backward sweep; a backward sweep does
// the converse.
//  * n needs only two sums over channels, Σ a_k P_k and Σ b_k P_k. So one
//    sweep hands the other just two scalar profiles and their z-derivatives;
//    cubic Hermite interpolation of these gives the Runge–Kutta half-step
//    values to fourth order. A sweep costs about 20 floating-point operations
//    per channel and step.
//  * Pumps, signal and laser line carry no spontaneous term and are integrated
//    as ln P: their equations are then exact for any absorption strength and
//    the step only has to resolve how n varies, not e^{−αz} of a strongly
//    absorbed core pump. ASE bins use an integrating factor (amplifiersweep).
//  * Acceleration. Plain alternation contracts by only 0.95–0.99 per pass in
//    ASE-dominated or strongly re-absorbing designs (backward ASE starving
//    the forward inversion and back), so hundreds to thousands of passes. The
//    pair of sweeps is a map G on the backward share profile, taken as
//    ln a, ln b and their logarithmic slopes (the shares vary exponentially,
//    stay positive under any combination), plus ln P+(0) for a laser. Anderson
//    mixing (andersonmixing.h, depth 5) of the last iterates chooses the next
//    profile, with the residual weighted by ∂n/∂(component), so that it
//    measures changes of n and not of a pump absorbed to nothing. When the
//    weighted residual grows, the history is dropped (a plain step follows);
//    when no new smallest change appears for six passes, steps are also
//    damped. Newton on the boundary values would need the Jacobian of the
//    ~160 backward outputs (a sweep per column); Anderson gets its secant
//    information from the passes it makes anyway.
//  * The start is the closed-form solution without ASE (amplifieranalytic.h)
//    with exponential profiles for the backward channels (their gain capped):
//    without ASE the iteration then converges in a few passes.
// Stopping rule: the inversion profile n(z) of the forward pass and of the
// backward pass differ by less than `tolerance` at every node (the fixed-
// point residual on n), every output power changed by less than `tolerance`
// relative (pumps, signal and laser line: relative to their net gain in
// nepers when that exceeds one, i.e. the gain converged to `tolerance` of
// itself; every channel counts, also one that leaves with 1e-40 W), and the
// geometric-series estimate of the remaining error, change·ρ/(1−ρ), is below
// `tolerance` too.
// Grid: starting nodes at most L/M apart, denser towards both ends (half the
// shortest small-signal pump absorption length, growing by 5 % of the
// distance from the end). The problem is converged on a coarse grid and on
// its bisection; their outputs' and inversion's difference over 15 is the
// Richardson estimate of the fourth-order grid error. While above
// `tolerance`, each coarse interval is split where the two grids' increments
// over it differ (equidistribution of the local error, at most threefold
// growth per level) and the pair is solved again, warm-started. A grid on
// which the sweeps break down (a negative or non-finite power: steps far
// longer than the powers' scale) is bisected and started afresh.
// A result is returned only when every output and profile is finite, no
// output is negative, the grid error is within tolerance and the energy-
// balance residual (composite Simpson quadrature of q against the Runge–
// Kutta boundary powers) is within `tolerance` of the launched power; else
// the status is NotConverged with a message saying which limit was reached.

#include "ybamplifier.h"

#endif // AMPLIFIERBVP_H
