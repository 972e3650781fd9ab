#ifndef AMPLIFIERBVP_H
#define AMPLIFIERBVP_H

// The two-point boundary-value solver behind yb::solveAmplifier
// (ybamplifier.h): forward channels are known at z = 0, backward channels at
// z = L, and all of them meet in n(z).
//
// Method: relaxation by alternating sweeps (Giles & Desurvire 1991). A
// forward sweep integrates the forward channels from 0 to L with the
// classical fourth-order Runge–Kutta rule on a uniform grid, taking the
// backward channels' share of n from the last backward sweep; a backward sweep
// does the converse. Why this and not a general collocation or adaptive
// integrator:
//  * n needs only two sums over channels, Σ a_k P_k and Σ b_k P_k. So one
//    sweep hands the other just two scalar profiles and their z-derivatives;
//    cubic Hermite interpolation of these gives the Runge–Kutta half-step
//    values to fourth order. A sweep costs about 20 floating-point operations
//    per channel and step: with 162 channels and 400 steps about 1.3 million,
//    so one iteration takes a millisecond or two.
//  * Pumps, signal and laser line carry no spontaneous term and are integrated
//    as ln P: their equations are then exact for any absorption strength and
//    the step only has to resolve how n varies, not e^{−αz} of a strongly
//    absorbed core pump.
//  * The start is the closed-form solution without ASE (amplifieranalytic.h)
//    with exponential profiles for the backward channels; without ASE the
//    iteration then converges in a few sweeps.
//  * Laser line: after each backward sweep the round-trip residual
//    F = ln(R1 P−(0) / P+(0)) is driven to zero by a secant step in ln P+(0)
//    (the plain round trip, P+(0) ← R1 P−(0), is slow near threshold).
//  * When successive changes grow (oscillating feedback between strong
//    forward and backward channels) the handed-over profiles are
//    under-relaxed, halving the weight each time.
// Stopping rule: every output power changed by less than `tolerance` relative
// in the last iteration and the geometric-series estimate of the remaining
// iteration error, change·ρ/(1−ρ) with ρ the ratio of successive changes, is
// below `tolerance` too. Output powers below 1e-12 of the launched power are
// compared against that floor (a pump absorbed to 1e-20 W has no meaningful
// relative digits). Grid: the problem is converged on M/2 and then on M
// steps (warm-started from M/2); the outputs' difference over 15 is the
// Richardson estimate of the fourth-order grid error, and M doubles until it
// is below `tolerance` too. The energy-balance residual (Simpson quadrature of
// q against the Runge–Kutta boundary powers) is reported with every
// solution. When the iteration or step limit is reached the status is
// NotConverged with a message: never a silent number.

#include "ybamplifier.h"

#endif // AMPLIFIERBVP_H
