// Bend loss of the chosen mode as the bend-loss tab computes it.
#include "bendloss.h"
#include "modesolver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kLambda = 1080e-9;
constexpr double kN1 = 1.4512;
constexpr double kN2 = 1.45;
constexpr double kR = 0.05;

// Marcuse's coefficient written independently of the library's operation order.
double marcuse(double a, double beta, double r)
{
    const double k0 = 2 * M_PI / kLambda;
    const double kappa2 = k0 * k0 * kN1 * kN1 - beta * beta;
    const double gamma = std::sqrt(beta * beta - k0 * k0 * kN2 * kN2);
    const double v2 = (kN1 * kN1 - kN2 * kN2) * k0 * k0 * a * a;
    return a * kappa2 / v2 *
           std::exp(2 * a * gamma - 2.0 / 3.0 * gamma * gamma * gamma * r / (beta * beta)) /
           std::sqrt(M_PI * gamma * r);
}

std::vector<int> ordersOf(double a)
{
    return modeOrderList(solveModes(a, kLambda, kN1, kN2));
}

} // namespace

TEST(BendLoss, DefaultFiberFirstModeWithoutAndSecondWithTheFactorTwo)
{
    const double a = 10e-6;
    const std::vector<double> betas =
        propagationConstants(solveModes(a, kLambda, kN1, kN2), kLambda);
    ASSERT_EQ(betas.size(), 2u); // "01", "11"
    const BendLoss first = bendLoss(a, kLambda, kN1, kN2, kR, betas, ordersOf(a), 0);
    const BendLoss second = bendLoss(a, kLambda, kN1, kN2, kR, betas, ordersOf(a), 1);
    ASSERT_TRUE(first.valid);
    ASSERT_TRUE(second.valid);
    EXPECT_EQ(first.beta, betas[0]);
    EXPECT_EQ(second.beta, betas[1]);
    EXPECT_NEAR(first.alpha, marcuse(a, betas[0], kR), 1e-12 * first.alpha);
    EXPECT_NEAR(second.alpha, 2 * marcuse(a, betas[1], kR), 1e-12 * second.alpha);
    EXPECT_GT(second.alpha, first.alpha); // the higher mode leaks more
}

TEST(BendLoss, FactorTwoFollowsTheAzimuthalOrder)
{
    // A 20 µm core guides LP01, LP02 (both m = 0) and LP11 (m = 1) ...: Marcuse's
    // 1/e_m leaves every m = 0 mode undoubled and doubles the others.
    const double a = 20e-6;
    const ModeSet modes = solveModes(a, kLambda, kN1, kN2);
    const std::vector<double> betas = propagationConstants(modes, kLambda);
    const std::vector<int> orders = modeOrderList(modes);
    ASSERT_EQ(betas.size(), orders.size());
    ASSERT_GE(modes.neffLists[0].size(), 2u);
    ASSERT_EQ(orders[1], 0); // table entry 1 is LP02
    const BendLoss lp02 = bendLoss(a, kLambda, kN1, kN2, kR, betas, orders, 1);
    EXPECT_NEAR(lp02.alpha, marcuse(a, betas[1], kR), 1e-12 * lp02.alpha);
    const int lp11 = static_cast<int>(modes.neffLists[0].size());
    ASSERT_EQ(orders[static_cast<std::size_t>(lp11)], 1);
    const BendLoss lp11Loss = bendLoss(a, kLambda, kN1, kN2, kR, betas, orders, lp11);
    EXPECT_NEAR(lp11Loss.alpha, 2 * marcuse(a, betas[static_cast<std::size_t>(lp11)], kR),
                1e-12 * lp11Loss.alpha);
}

TEST(BendLoss, NegativeIndexCountsAsFirstAndEmptyListIsInvalid)
{
    const std::vector<double> betas =
        propagationConstants(solveModes(10e-6, kLambda, kN1, kN2), kLambda);
    EXPECT_EQ(bendLoss(10e-6, kLambda, kN1, kN2, kR, betas, ordersOf(10e-6), -1).alpha,
              bendLoss(10e-6, kLambda, kN1, kN2, kR, betas, ordersOf(10e-6), 0).alpha);
    const BendLoss none = bendLoss(10e-6, kLambda, kN1, kN2, kR, {}, {}, 0);
    EXPECT_FALSE(none.valid);
    EXPECT_EQ(none.alpha, 0.0);
    EXPECT_FALSE(bendLoss(10e-6, kLambda, kN1, kN2, kR, betas, ordersOf(10e-6), 2).valid);
}

TEST(BendLoss, ZeroBendRadiusIsNotFinite)
{
    const std::vector<double> betas =
        propagationConstants(solveModes(10e-6, kLambda, kN1, kN2), kLambda);
    EXPECT_FALSE(
        std::isfinite(bendLoss(10e-6, kLambda, kN1, kN2, 0.0, betas, ordersOf(10e-6), 0).alpha));
}

TEST(BendLoss, TighterBendLosesMore)
{
    const std::vector<double> betas =
        propagationConstants(solveModes(10e-6, kLambda, kN1, kN2), kLambda);
    EXPECT_GT(bendLoss(10e-6, kLambda, kN1, kN2, 0.02, betas, ordersOf(10e-6), 0).alpha,
              bendLoss(10e-6, kLambda, kN1, kN2, 0.05, betas, ordersOf(10e-6), 0).alpha);
}
