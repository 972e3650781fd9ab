#include "amplifierbvp.h"

#include "amplifieranalytic.h"
#include "amplifiersweep.h"
#include "andersonmixing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace yb {

namespace {

constexpr const char *kClosedCavityMessage =
    "R1 = R2 = 1且无背景损耗：封闭谐振腔没有稳态（激光功率无处可去，无限增长）";
constexpr double kSmallestPower = 1e-300; // W: below this a power is zero
constexpr double kMaxLogStep = 2.0;       // step limit in ln P+(0) per round trip
constexpr int kAndersonDepth = 5;         // iterates the mixing remembers
constexpr int kStallLimit = 6;            // passes without a new smallest change
constexpr double kMinDamping = 1.0 / 64;
constexpr double kGrowthLimit = 1.0; // residual growth that resets the mixing
constexpr double kEnergyFloor = 1e-8;
constexpr double kNoBalance = std::numeric_limits<double>::infinity();
constexpr int kCoarseIterations = 100;    // passes on a starting grid before it is bisected
constexpr double kGrading = 0.05;         // growth of the starting grid's steps
constexpr double kEquidistribution = 0.5; // share of the tolerance aimed at
constexpr double kMaxGrowth = 3;          // interval count growth per level

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
        if (p.r1 == 1 && p.r2 == 1 && !(p.channels[p.laserForward].loss > 0))
            return kClosedCavityMessage;
    }
    if (settings.steps < 2 || settings.steps > 1000000 || !(settings.tolerance > 0) ||
        settings.maxIterations < 1)
        return "求解器设置无效";
    return std::string();
}

// Largest relative change of an output power, over every channel, also one
// that leaves the fiber with 1e-40 W. A pump, signal or laser line is
// integrated as ln P, so what its figures carry is its net gain in nepers:
// its relative change is weighed by 1/max(1, |G_k|) (scale), i.e. G_k is
// converged to `tolerance` of itself. Only exact zeros (a channel that
// carries nothing) compare against the smallest normal power.
double relativeChange(const std::vector<double> &now, const std::vector<double> &before,
                      const std::vector<double> &scale)
{
    double change = 0;
    for (std::size_t k = 0; k < now.size(); ++k) {
        const double d = std::abs(now[k] - before[k]) /
                         std::max(std::max(std::abs(now[k]), std::abs(before[k])), kSmallestPower) /
                         scale[k];
        if (!(d <= change)) // also takes a NaN, which must not read as "no change"
            change = d;
    }
    return change;
}

double largestDifference(const std::vector<double> &a, const std::vector<double> &b)
{
    double d = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        const double e = std::abs(a[j] - b[j]);
        if (!(e <= d))
            d = e;
    }
    return d;
}

bool allFinite(const std::vector<double> &v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// Sweep pairs on one grid until the stopping rule of amplifierbvp.h holds.
// The pair of sweeps is the fixed-point map G on the backward share profile
// (and ln P+(0) of a laser); Anderson mixing of its last iterates chooses the
// next profile. `iterations` counts across grids (for the progress callback).
SolveStatus iterate(RelaxationGrid &grid, bool laser, const SolverSettings &settings,
                    int &iterations, double &lastChange)
{
    AndersonMixing anderson(kAndersonDepth);
    std::vector<double> x = grid.backwardShare();
    if (laser)
        x.push_back(std::log(grid.laserStart()));
    std::vector<double> previous;
    double previousChange = 0, damping = 1;
    double bestChange = std::numeric_limits<double>::infinity();
    int stalled = 0;
    double lastNorm = std::numeric_limits<double>::infinity();
    for (int it = 1; it <= settings.maxIterations; ++it) {
        grid.sweep(0, 1.0);
        const std::vector<double> nBefore = grid.inversion();
        grid.sweep(1, 1.0);
        std::vector<double> g = grid.backwardShare();
        double residual = 0;
        if (laser) {
            residual = grid.laserResidual();
            g.push_back(std::log(grid.laserStart()) +
                        std::clamp(residual, -kMaxLogStep, kMaxLogStep));
        }
        const std::vector<double> out = grid.outputs();
        // The fixed-point residual on the inversion: n from the profile the
        // forward sweep used against n from the one the backward sweep made.
        double change = largestDifference(grid.inversion(), nBefore);
        if (!previous.empty())
            change = std::max(change, relativeChange(out, previous, grid.gainScales()));
        else
            change = std::max(change, 1.0);
        // The round trip's residual moves the intracavity power; in a high-Q
        // cavity that is many times what leaves, so weigh it by the
        // circulating power over the launched one (the energy balance needs it).
        const double circulation = laser ? grid.circulation() : 1.0;
        change = std::max(change, std::abs(residual) * circulation);
        ++iterations;
        lastChange = change;
        // A negative power (a step far longer than the scale on which a
        // strongly absorbed bin varies) or a non-finite one: this grid does
        // not resolve the solution; the caller refines it.
        const bool negative = std::any_of(out.begin(), out.end(), [](double p) { return p < 0; });
        if (negative || !std::isfinite(change) || !allFinite(out) || !allFinite(g)) {
            return SolveStatus::Invalid;
        }
        previous = out;
        if (settings.progress && !settings.progress(iterations, change))
            return SolveStatus::Cancelled;
        if (it > 1) {
            const double ratio = previousChange > 0 ? change / previousChange : 0;
            if (change < bestChange) {
                bestChange = change;
                stalled = 0;
            } else if (++stalled >= kStallLimit) {
                // No new smallest change for a while: the history misleads
                // (or the sweeps feed an oscillation, e.g. strong backward ASE
                // starving the forward sweep's inversion and back). Forget it
                // and damp the steps.
                anderson.restart();
                damping = std::max(kMinDamping, 0.5 * damping);
                stalled = 0;
                bestChange = change;
            }
            const double rho = std::min(ratio, 0.99);
            if (change <= settings.tolerance && change * rho / (1 - rho) <= settings.tolerance)
                return SolveStatus::Converged;
        }
        previousChange = change;
        std::vector<double> weight = grid.shareWeights();
        if (laser)
            weight.push_back(1.0);
        double norm = 0;
        for (std::size_t i = 0; i < g.size(); ++i)
            norm += std::pow(weight[i] * (g[i] - x[i]), 2);
        norm = std::sqrt(norm);
        if (norm > kGrowthLimit * lastNorm)
            anderson.restart(); // the last step made things worse: start afresh from G(x)
        lastNorm = norm;
        std::vector<double> next = anderson.next(x, g, weight);
        for (std::size_t i = 0; i < next.size(); ++i)
            next[i] = x[i] + damping * (next[i] - x[i]);
        if (!allFinite(next)) {
            anderson.restart();
            next = g;
        }
        grid.setBackwardShare(next);
        if (laser)
            grid.setLaserStart(std::exp(next.back()));
        x = grid.backwardShare(); // as clamped
        if (laser)
            x.push_back(std::log(grid.laserStart()));
    }
    return SolveStatus::NotConverged;
}

// Starting nodes: intervals of L/M near the middle, shrinking towards both
// ends, where pumps are launched and absorbed, to half the shortest small-
// signal absorption length of any pump (never longer than L/M), growing by
// kGrading of the distance from the end. Short fibers get a uniform grid.
std::vector<double> initialNodes(const AmplifierProblem &p, int intervals)
{
    const double widest = p.length / intervals;
    double absorption = 0;
    for (const Channel &c : p.channels)
        if (c.role == ChannelRole::Pump)
            absorption = std::max(absorption, c.overlap * p.ionDensity * c.sigmaA + c.loss);
    const double endStep = absorption > 0 ? std::min(widest, 0.5 / absorption) : widest;
    std::vector<double> half{0.0};
    while (half.back() < 0.5 * p.length)
        half.push_back(half.back() + std::min(widest, endStep + kGrading * half.back()));
    const double scale = 0.5 * p.length / half.back(); // the last node on L/2 exactly
    std::vector<double> nodes;
    for (double z : half)
        nodes.push_back(z * scale);
    for (std::size_t i = half.size() - 1; i-- > 0;)
        nodes.push_back(p.length - half[i] * scale);
    nodes.back() = p.length;
    return nodes;
}

std::vector<double> bisected(const std::vector<double> &nodes)
{
    std::vector<double> fine;
    fine.reserve(2 * nodes.size() - 1);
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        fine.push_back(nodes[i]);
        fine.push_back(0.5 * (nodes[i] + nodes[i + 1]));
    }
    fine.push_back(nodes.back());
    return fine;
}

// The next coarse grid from the local differences d_i of the last
// coarse/fine pair. Splitting coarse interval i into n_i equal parts leaves
// the next fine grid a fourth-order local error e_i/n_i⁴ there, e_i = d_i/15.
// The fewest intervals with Σ e_i/n_i⁴ = θ·tol (error equidistribution)
// are
//     n_i = e_i^{1/5} (Σ_j e_j^{1/5} / (θ tol))^{1/4},  rounded up, 1…16.
// When no interval asks for more (the error comes from coupling, not one
// place), every one is split.
std::vector<double> refinedNodes(const std::vector<double> &nodes, const std::vector<double> &d,
                                 double tolerance)
{
    double sum = 0;
    for (double di : d)
        sum += std::isfinite(di) ? std::pow(di / 15, 0.2) : 0.0;
    const double scale = std::pow(sum / (kEquidistribution * tolerance), 0.25);
    std::vector<int> parts(d.size());
    bool any = false;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const double wanted = std::pow(d[i] / 15, 0.2) * scale;
        parts[i] =
            std::isfinite(wanted) ? std::clamp(static_cast<int>(std::ceil(wanted)), 1, 16) : 2;
        any = any || parts[i] > 1;
    }
    // On a grid far from the asymptotic regime the d_i overstate the error;
    // grow by at most kMaxGrowth per level and let the next level decide.
    double total = 0;
    for (int m : parts)
        total += m;
    const double cap = kMaxGrowth * static_cast<double>(d.size());
    if (total > cap)
        for (int &m : parts)
            m = std::max(1, static_cast<int>(std::ceil(m * cap / total)));
    std::vector<double> out{nodes.front()};
    for (std::size_t i = 0; i < d.size(); ++i) {
        const int m = any ? parts[i] : 2;
        for (int j = 1; j <= m; ++j)
            out.push_back(j == m ? nodes[i + 1] : nodes[i] + (nodes[i + 1] - nodes[i]) * j / m);
    }
    return out;
}

double inversionDifference(const RelaxationGrid &coarse, const RelaxationGrid &fine)
{
    const std::vector<double> c = coarse.inversion(), f = fine.inversion();
    double d = 0;
    for (std::size_t i = 0; i < c.size(); ++i)
        d = std::max(d, std::abs(f[2 * i] - c[i]));
    return d;
}

} // namespace

bool acceptSolution(AmplifierSolution &s, double tolerance)
{
    auto finite = [](const std::vector<double> &v) { return allFinite(v); };
    bool ok = finite(s.z) && finite(s.upperFraction) && finite(s.heat) && finite(s.outputPower) &&
              std::isfinite(s.heatPower) && std::isfinite(s.backgroundLossPower);
    for (const std::vector<double> &p : s.power)
        ok = ok && finite(p);
    if (!ok) {
        s.status = SolveStatus::NotConverged;
        s.message = "结果含非有限数值（NaN或无穷大），不予显示";
        s.messageEn = "the result contains non-finite values (NaN or infinity) and is not shown";
        return false;
    }
    for (double p : s.outputPower)
        if (p < 0) {
            s.status = SolveStatus::NotConverged;
            s.message = "结果含负的输出功率：网格未解析功率分布";
            s.messageEn = "a negative output power: the z grid does not resolve the powers";
            return false;
        }
    if (!(std::abs(s.energyResidual) <= tolerance)) {
        s.status = SolveStatus::NotConverged;
        s.message = "能量守恒残差" + std::to_string(s.energyResidual) + "超过容差，网格未解析";
        s.messageEn = "energy residual " + std::to_string(s.energyResidual) +
                      " exceeds the tolerance: the z grid is not resolved";
        return false;
    }
    return true;
}

AmplifierSolution solveAmplifier(const AmplifierProblem &problem, const SolverSettings &settings)
{
    AmplifierSolution solution;
    solution.message = checkProblem(problem, settings);
    if (!solution.message.empty())
        return solution;

    const ClosedFormOutputs closed = closedFormOutputs(problem);
    const bool laser = problem.isLaser() && closed.lasing;
    solution.belowThreshold = problem.isLaser() && !closed.lasing;

    // Converge on a coarse grid, then on its bisection starting from it: the
    // difference of their outputs over 2⁴ − 1 estimates the Runge–Kutta
    // error of the fine grid's (Richardson). Until that is within tolerance,
    // refine the coarse grid where the two differ (refinedNodes) and repeat.
    // A coarse grid on which the sweeps break down (a non-finite or negative
    // power from steps far longer than the scale of the powers) is bisected
    // and started afresh.
    // A held inversion (small-signal checks) is no energy-conserving model:
    // the ions give what they must. Else the balance must close to the
    // tolerance, or to 1e-8 below that (the rounding of the heat density,
    // a difference of far larger absorbed and emitted powers).
    const bool balanced = !std::isfinite(problem.fixedUpperFraction);
    const double energyTolerance = std::max(settings.tolerance, kEnergyFloor);
    std::vector<double> nodes = initialNodes(problem, std::max(2, settings.steps / 2));
    std::unique_ptr<RelaxationGrid> coarse, fine;
    bool haveCoarse = false;
    bool brokeDown = false; // the last grid given up had a non-finite power
    for (;;) {
        if (2 * (nodes.size() - 1) > static_cast<std::size_t>(settings.maxSteps)) {
            solution.status = brokeDown ? SolveStatus::Invalid : SolveStatus::NotConverged;
            solution.steps = static_cast<int>(2 * (nodes.size() - 1));
            break;
        }
        brokeDown = false;
        if (!haveCoarse) {
            // A starting grid far coarser than the solution's scale may
            // have no fixed point the sweeps can reach (they oscillate):
            // after kCoarseIterations passes, bisect it like a breakdown.
            coarse = std::make_unique<RelaxationGrid>(problem, nodes);
            coarse->initialGuess(closed);
            SolverSettings first = settings;
            const bool canBisect =
                4 * (nodes.size() - 1) <= static_cast<std::size_t>(settings.maxSteps);
            if (canBisect)
                first.maxIterations = std::min(settings.maxIterations, kCoarseIterations);
            solution.status =
                iterate(*coarse, laser, first, solution.iterations, solution.lastChange);
            if (solution.status == SolveStatus::NotConverged && canBisect)
                solution.status = SolveStatus::Invalid;
            if (solution.status == SolveStatus::Invalid) {
                nodes = bisected(nodes);
                brokeDown = true;
                continue;
            }
            if (solution.status != SolveStatus::Converged)
                break;
            haveCoarse = true;
        }
        fine = std::make_unique<RelaxationGrid>(problem, bisected(nodes));
        fine->warmStart(*coarse);
        solution.status = iterate(*fine, laser, settings, solution.iterations, solution.lastChange);
        if (solution.status == SolveStatus::Invalid) {
            nodes = bisected(nodes);
            haveCoarse = false;
            brokeDown = true;
            continue;
        }
        if (solution.status != SolveStatus::Converged)
            break;
        solution.steps = fine->steps();
        solution.gridError =
            std::max(relativeChange(fine->outputs(), coarse->outputs(), fine->gainScales()),
                     inversionDifference(*coarse, *fine)) /
            15;
        if (solution.gridError <= settings.tolerance) {
            fine->finish(solution);
            if (!balanced || std::abs(solution.energyResidual) <= energyTolerance)
                break;
            // Outputs agree but the heat quadrature does not close the
            // balance yet: resolve further.
            solution.gridError = std::abs(solution.energyResidual);
        }
        nodes = refinedNodes(nodes, coarse->intervalDifferences(*fine), settings.tolerance);
        auto next = std::make_unique<RelaxationGrid>(problem, nodes);
        next->warmStart(*fine);
        solution.status = iterate(*next, laser, settings, solution.iterations, solution.lastChange);
        if (solution.status == SolveStatus::Invalid) {
            nodes = bisected(nodes);
            haveCoarse = false;
            brokeDown = true;
            continue;
        }
        if (solution.status != SolveStatus::Converged)
            break;
        coarse = std::move(next);
    }
    switch (solution.status) {
    case SolveStatus::Converged: break;
    case SolveStatus::NotConverged:
        if (solution.steps > settings.maxSteps) {
            solution.message = "网格加密到" + std::to_string(settings.maxSteps) +
                               "个区间仍未解析功率分布，结果不可靠";
            solution.messageEn = "the z grid is not resolved within " +
                                 std::to_string(settings.maxSteps) + " intervals";
        } else {
            solution.message = "迭代" + std::to_string(settings.maxIterations) + "次仍未收敛";
            solution.messageEn =
                "did not converge within " + std::to_string(settings.maxIterations) + " iterations";
        }
        break;
    case SolveStatus::Cancelled:
        solution.message = "计算已取消";
        solution.messageEn = "calculation cancelled";
        return solution;
    case SolveStatus::Invalid:
        solution.status = SolveStatus::NotConverged;
        solution.message = "迭代出现非有限数值，网格加密到上限仍未消除";
        solution.messageEn =
            "the iteration produced non-finite powers on every grid up to the refinement limit";
        return solution;
    }
    if (solution.status == SolveStatus::Converged)
        acceptSolution(solution, balanced ? energyTolerance : kNoBalance);
    return solution;
}

} // namespace yb
