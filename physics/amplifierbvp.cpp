#include "amplifierbvp.h"

#include "amplifieranalytic.h"
#include "amplifiersweep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace yb {

namespace {

constexpr double kPowerFloorFraction = 1e-12; // of the launched power
constexpr double kMaxLogStep = 2.0;           // secant step limit in ln P+(0)
constexpr double kMinRelaxation = 1.0 / 64;

std::string checkProblem(const AmplifierProblem &p, const SolverSettings &settings)
{
    auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!positive(p.length) || !positive(p.dopedArea) || !positive(p.ionDensity) ||
        !positive(p.lifetime))
        return "光纤长度、掺杂面积、掺杂浓度和寿命必须为正数";
    if (p.channels.empty())
        return "没有光通道";
    double launched = 0;
    for (const Channel &c : p.channels) {
        if (!positive(c.wavelength) || !std::isfinite(c.inputPower) || c.inputPower < 0 ||
            !std::isfinite(c.overlap) || c.overlap < 0 || c.overlap > 1 ||
            !std::isfinite(c.sigmaA) || c.sigmaA < 0 || !std::isfinite(c.sigmaE) || c.sigmaE < 0 ||
            !std::isfinite(c.loss) || c.loss < 0 || !std::isfinite(c.bandwidth) ||
            c.bandwidth < 0 || (c.direction != 1 && c.direction != -1))
            return "光通道参数无效";
        launched += c.inputPower;
    }
    if (!(launched > 0))
        return "输入功率总和必须大于零";
    if (p.isLaser()) {
        const int n = static_cast<int>(p.channels.size());
        if (p.laserForward >= n || p.laserBackward >= n ||
            p.channels[p.laserForward].direction != 1 ||
            p.channels[p.laserBackward].direction != -1)
            return "激光通道无效";
        if (!(p.r1 > 0 && p.r1 <= 1 && p.r2 > 0 && p.r2 <= 1))
            return "反射率R1和R2必须在0到1之间且大于0";
    }
    if (settings.steps < 2 || settings.steps > 1000000 || !(settings.tolerance > 0) ||
        settings.maxIterations < 1)
        return "求解器设置无效";
    return std::string();
}

double relativeChange(const std::vector<double> &now, const std::vector<double> &before,
                      double floor)
{
    double change = 0;
    for (std::size_t k = 0; k < now.size(); ++k)
        change = std::max(change, std::abs(now[k] - before[k]) / std::max(std::abs(now[k]), floor));
    return change;
}

// Sweep pairs on one grid until the stopping rule of amplifierbvp.h holds.
// `iterations` counts across grids (for the progress callback).
SolveStatus iterate(RelaxationGrid &grid, bool laser, double floor, const SolverSettings &settings,
                    int &iterations, double &lastChange)
{
    std::vector<double> previous;
    double previousChange = 0, relaxation = 1;
    double bestChange = std::numeric_limits<double>::infinity();
    int stalled = 0;
    double lastLog = 0, lastResidual = 0;
    bool haveSecant = false;
    for (int it = 1; it <= settings.maxIterations; ++it) {
        grid.sweep(0, relaxation);
        grid.sweep(1, relaxation);
        double residual = 0;
        if (laser) {
            residual = grid.laserResidual();
            const double logStart = std::log(grid.laserStart());
            double stepLog = residual; // the plain round trip
            if (haveSecant && residual != lastResidual) {
                const double slope = (residual - lastResidual) / (logStart - lastLog);
                if (slope < 0)
                    stepLog = -residual / slope;
            }
            stepLog = std::clamp(stepLog, -kMaxLogStep, kMaxLogStep);
            lastLog = logStart;
            lastResidual = residual;
            haveSecant = true;
            grid.setLaserStart(std::exp(logStart + stepLog));
        }
        const std::vector<double> out = grid.outputs();
        double change = previous.empty() ? 1.0 : relativeChange(out, previous, floor);
        change = std::max(change, std::abs(residual));
        ++iterations;
        lastChange = change;
        if (!std::isfinite(change))
            return SolveStatus::Invalid;
        previous = out;
        if (settings.progress && !settings.progress(iterations, change))
            return SolveStatus::Cancelled;
        if (it > 1) {
            const double ratio = previousChange > 0 ? change / previousChange : 0;
            // No new smallest change for three iterations: the sweeps feed an
            // oscillation (e.g. strong backward ASE starving the forward
            // sweep's inversion and back); damp the hand-over.
            if (change < bestChange) {
                bestChange = change;
                stalled = 0;
            } else if (++stalled >= 3 && relaxation > kMinRelaxation) {
                relaxation *= 0.5;
                stalled = 0;
                bestChange = change;
            }
            const double rho = std::min(ratio, 0.99);
            if (change <= settings.tolerance && change * rho / (1 - rho) <= settings.tolerance)
                return SolveStatus::Converged;
        }
        previousChange = change;
    }
    return SolveStatus::NotConverged;
}

} // namespace

AmplifierSolution solveAmplifier(const AmplifierProblem &problem, const SolverSettings &settings)
{
    AmplifierSolution solution;
    solution.message = checkProblem(problem, settings);
    if (!solution.message.empty())
        return solution;

    const ClosedFormOutputs closed = closedFormOutputs(problem);
    const bool laser = problem.isLaser() && closed.lasing;
    solution.belowThreshold = problem.isLaser() && !closed.lasing;
    double launched = 0;
    for (const Channel &c : problem.channels)
        launched += c.inputPower;
    const double floor = kPowerFloorFraction * launched;

    // Converge on M/2 steps, then on M starting from it; their difference
    // over 2⁴ − 1 estimates the Runge–Kutta error of the M-step outputs
    // (Richardson). Double M until that estimate is within tolerance.
    int steps = std::max(4, settings.steps + settings.steps % 2);
    auto coarse = std::make_unique<RelaxationGrid>(problem, steps / 2);
    coarse->initialGuess(closed);
    solution.status =
        iterate(*coarse, laser, floor, settings, solution.iterations, solution.lastChange);
    std::unique_ptr<RelaxationGrid> fine;
    while (solution.status == SolveStatus::Converged) {
        fine = std::make_unique<RelaxationGrid>(problem, steps);
        fine->warmStart(*coarse);
        solution.status =
            iterate(*fine, laser, floor, settings, solution.iterations, solution.lastChange);
        if (solution.status != SolveStatus::Converged)
            break;
        solution.gridError = relativeChange(fine->outputs(), coarse->outputs(), floor) / 15;
        solution.steps = steps;
        if (solution.gridError <= settings.tolerance || steps * 2 > settings.maxSteps)
            break;
        coarse = std::move(fine);
        steps *= 2;
    }
    const RelaxationGrid &last = fine ? *fine : *coarse;
    switch (solution.status) {
    case SolveStatus::Converged:
        last.finish(solution);
        if (solution.gridError > settings.tolerance) {
            solution.status = SolveStatus::NotConverged;
            solution.message = "网格加密到上限仍未达到要求的精度，结果不可靠";
        }
        break;
    case SolveStatus::NotConverged:
        last.finish(solution);
        solution.message = "在最大迭代次数内未收敛，结果不可靠";
        break;
    case SolveStatus::Cancelled: solution.message = "计算已取消"; break;
    case SolveStatus::Invalid:
        solution.status = SolveStatus::NotConverged;
        solution.message = "迭代发散（出现非有限数值）";
        break;
    }
    return solution;
}

} // namespace yb
