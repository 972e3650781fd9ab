#include "bendloss.h"

#include <cmath>

BendLoss bendLoss(double a, double lambda, double n1, double n2, double bendRadius,
                  const std::vector<double> &betaList, const std::vector<int> &orderList,
                  int comboIndex)
{
    constexpr double kTwoPi = 6.283185307179586;
    constexpr double kPi = 3.141592653589793;
    constexpr double kTwoThirds = 0.6666666666666666;

    BendLoss result;
    const int idx = comboIndex < 0 ? 0 : comboIndex;
    if (idx >= static_cast<int>(betaList.size()))
        return result;

    const double k0 = kTwoPi / lambda;
    const double v = std::sqrt(n1 * n1 - n2 * n2) * k0 * a;
    const double beta = betaList[static_cast<std::size_t>(idx)];
    const double kappa = std::sqrt(k0 * k0 * n1 * n1 - beta * beta);
    const double gamma = std::sqrt(beta * beta - k0 * k0 * n2 * n2);
    double alpha =
        a * kappa * kappa *
        std::exp(2.0 * a * gamma - kTwoThirds * std::pow(gamma, 3.0) * bendRadius / (beta * beta)) /
        (v * v) / std::sqrt(gamma * kPi * bendRadius);
    // Marcuse's 1/e_m: e_0 = 2 for the rotationally symmetric modes, 1 otherwise.
    const std::size_t pos = static_cast<std::size_t>(idx);
    const int order = pos < orderList.size() ? orderList[pos] : 0;
    if (order != 0)
        alpha = 2.0 * alpha;

    result.valid = true;
    result.beta = beta;
    result.alpha = alpha;
    return result;
}
