#include "profilemodes.h"

#include <boost/math/quadrature/gauss.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kSpeedOfLight = 299792458.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// What the property integrals need of one mode.
struct FieldView {
    int m = 0;
    double neff = 0.0;
    std::function<double(double)> psi, dpsi, index;
    std::vector<double> radii; // layer outer radii (the graded region: {a})
    std::vector<bool> core;    // per layer: part of the core
    double gamma = 0.0;        // decay constant beyond radii.back(), 1/m
};

struct Sums {
    double power = 0, power4 = 0, gradient = 0, weighted = 0, doped = 0;
    std::vector<double> layer;
};

void addPanel(const FieldView &v, double a, double b, double rd, int layer, Sums &s)
{
    using Rule = boost::math::quadrature::gauss<double, 16>;
    const auto &x = Rule::abscissa();
    const auto &w = Rule::weights();
    const double half = 0.5 * (b - a);
    const double mid = 0.5 * (a + b);
    for (std::size_t i = 0; i < x.size(); ++i) {
        for (int sign = -1; sign <= 1; sign += 2) {
            if (x[i] == 0 && sign > 0)
                continue;
            const double r = mid + sign * half * x[i];
            const double weight = half * w[i] * r;
            const double p = v.psi(r);
            const double d = v.dpsi(r);
            const double p2 = p * p;
            const double n = v.index(r);
            s.power += weight * p2;
            s.power4 += weight * p2 * p2;
            s.gradient += weight * (d * d + v.m * v.m * p2 / (r * r));
            s.weighted += weight * n * n * p2;
            if (r < rd)
                s.doped += weight * p2;
            s.layer[static_cast<std::size_t>(layer)] += weight * p2;
        }
    }
}

ProfileModeRow properties(const FieldView &v, double rd)
{
    Sums s;
    s.layer.assign(v.radii.size() + 1, 0.0);
    const double outer = v.radii.back();
    const double maxPanel = outer / 64;
    for (std::size_t i = 0; i < v.radii.size(); ++i) {
        const double r0 = i == 0 ? 0.0 : v.radii[i - 1];
        const double r1 = v.radii[i];
        std::vector<double> cuts{r0, r1};
        if (rd > r0 && rd < r1)
            cuts.insert(cuts.begin() + 1, rd);
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const int panels =
                std::max(1, static_cast<int>(std::ceil((cuts[c + 1] - cuts[c]) / maxPanel)));
            const double width = (cuts[c + 1] - cuts[c]) / panels;
            for (int k = 0; k < panels; ++k)
                addPanel(v, cuts[c] + k * width, cuts[c] + (k + 1) * width, rd, static_cast<int>(i),
                         s);
        }
    }
    // Cladding: panels growing from the interface (the field varies on the
    // scale r/(m+1) there) up to the decay length, then 40 decay lengths.
    const double decay = 1.0 / v.gamma;
    double r = outer;
    double width = std::min(decay, outer / (v.m + 1)) / 8;
    const double end = outer + 40 * decay;
    const double rdTail = rd > outer ? rd : 0.0;
    while (r < end) {
        double next = std::min(end, r + width);
        if (rdTail > r && rdTail < next)
            next = rdTail;
        addPanel(v, r, next, rd, static_cast<int>(v.radii.size()), s);
        r = next;
        width = std::min(decay, 2 * width);
    }

    ProfileModeRow row;
    row.m = v.m;
    row.neff = v.neff;
    const double angular = v.m == 0 ? 2 * kPi : 4 * kPi / 3;
    row.effectiveArea = angular * s.power * s.power / s.power4;
    row.mfd = 2 * std::sqrt(2 * s.power / s.gradient);
    row.groupIndex = s.weighted / (v.neff * s.power);
    row.dopedOverlap = s.doped / s.power;
    row.layerPower.resize(s.layer.size());
    row.coreFraction = 0.0;
    for (std::size_t i = 0; i < s.layer.size(); ++i) {
        row.layerPower[i] = s.layer[i] / s.power;
        if (i < v.core.size() && v.core[i])
            row.coreFraction += row.layerPower[i];
    }
    return row;
}

FieldView layeredView(const LayeredFiber &fiber, const LayeredModeField &field,
                      const std::vector<double> &radii, const std::vector<double> &indices,
                      double nClad)
{
    FieldView v;
    v.m = field.m;
    v.neff = field.neff;
    v.psi = [&field](double r) { return field.psi(r); };
    v.dpsi = [&field](double r) { return field.dpsi(r); };
    v.index = [radii, indices, nClad](double r) {
        for (std::size_t i = 0; i < radii.size(); ++i)
            if (r < radii[i])
                return indices[i];
        return nClad;
    };
    v.radii = radii;
    const double top = *std::max_element(fiber.indices.begin(), fiber.indices.end());
    for (double n : indices)
        v.core.push_back(n == top);
    v.gamma = field.gammaClad;
    return v;
}

// neff of LP(m) at lambda (1 + step), from the root at lambda and its slope.
double neffAtWavelength(const LayeredFiber &fiber, int m, double neff, double groupIndex,
                        double step)
{
    LayeredFiber shifted = fiber;
    shifted.lambda = fiber.lambda * (1 + step);
    const double predicted = neff + (neff - groupIndex) * step;
    for (double half = 1e-3 * std::abs(predicted - neff) + 1e-13; half < 1e-3; half *= 10) {
        const double root = refineLayeredRoot(shifted, m, predicted - half, predicted + half);
        if (std::isfinite(root))
            return root;
    }
    return kNaN;
}

double waveguideDispersion(const LayeredFiber &fiber, int m, double neff, double groupIndex)
{
    constexpr double h = 1e-3;
    const double plus = neffAtWavelength(fiber, m, neff, groupIndex, h);
    const double minus = neffAtWavelength(fiber, m, neff, groupIndex, -h);
    const double dl = h * fiber.lambda;
    const double second = (plus - 2 * neff + minus) / (dl * dl);
    return -fiber.lambda / kSpeedOfLight * second * 1e6; // s/m^2 -> ps/(nm km)
}

void addProfilePlot(ProfileModeSet &set, const std::vector<double> &radii,
                    const std::vector<double> &indices, double nClad)
{
    double previous = 0.0;
    for (std::size_t i = 0; i < radii.size(); ++i) {
        set.profileRadius.insert(set.profileRadius.end(), {previous, radii[i]});
        set.profileIndex.insert(set.profileIndex.end(), {indices[i], indices[i]});
        previous = radii[i];
    }
    set.profileRadius.insert(set.profileRadius.end(), {previous, 1.3 * previous});
    set.profileIndex.insert(set.profileIndex.end(), {nClad, nClad});
}

void solveLayered(const ProfileRequest &request, ProfileModeSet &set)
{
    const LayeredFiber &fiber = request.layers;
    set.problem = layeredFiberProblem(fiber);
    if (!set.problem.empty())
        return;
    addProfilePlot(set, fiber.radii, fiber.indices, fiber.nClad);
    bool complete = true;
    const std::vector<LayeredLpMode> lp = solveLayeredLpModes(fiber, &complete);
    if (!complete) {
        set.problem =
            "some modes could not be solved: Bessel values of very high order out of "
            "double range at this profile";
        return;
    }
    set.lpCount = static_cast<int>(lp.size());
    LayeredVectorSet vector;
    if (request.vectorModes) {
        vector = solveLayeredVectorModes(fiber, lp);
        set.vectorExpected = vector.expected;
        set.vectorFound = vector.found;
    }
    for (const LayeredLpMode &mode : lp) {
        const FieldView view =
            layeredView(fiber, mode.field, fiber.radii, fiber.indices, fiber.nClad);
        ProfileModeRow row = properties(view, request.dopedRadius);
        row.name = lpModeName(mode.m, mode.n);
        row.n = mode.n;
        row.dispersion = waveguideDispersion(fiber, mode.m, mode.neff, row.groupIndex);
        set.rows.push_back(row);
        for (const LayeredVectorMode &v : vector.modes) {
            if (v.lpM != mode.m || v.lpN != mode.n)
                continue;
            ProfileModeRow vrow;
            vrow.vector = true;
            vrow.name = vectorModeName(VectorMode{v.family, v.nu, v.n});
            vrow.m = v.nu;
            vrow.n = v.n;
            vrow.neff = v.neff;
            vrow.effectiveArea = vrow.mfd = vrow.coreFraction = vrow.dopedOverlap = kNaN;
            vrow.groupIndex = vrow.dispersion = kNaN;
            set.rows.push_back(vrow);
        }
    }
    for (const LeakyLpMode &mode : solveLeakyLpModes(fiber)) {
        if (!mode.converged) {
            ++set.leakyUnresolved;
            continue;
        }
        FieldView view = layeredView(fiber, mode.field, fiber.radii, fiber.indices, fiber.nClad);
        view.neff = mode.neff;
        ProfileModeRow row = properties(view, request.dopedRadius);
        row.name = lpModeName(mode.m, mode.n);
        row.n = mode.n;
        row.leaky = true;
        row.neffImag = mode.neffImag;
        row.lossDbPerKm = mode.lossDbPerM * 1e3;
        row.dispersion = kNaN;
        set.rows.push_back(row);
        ++set.leakyCount;
    }
}

void solveGraded(const ProfileRequest &request, ProfileModeSet &set)
{
    const GradedProfile &profile = request.graded;
    set.problem = gradedProfileProblem(profile);
    if (!set.problem.empty())
        return;
    const double a = gradedEdge(profile);
    const std::function<double(double)> index = gradedIndexFunction(profile);
    for (int i = 0; i <= 260; ++i) {
        const double r = 1.3 * a * i / 260;
        set.profileRadius.push_back(r);
        set.profileIndex.push_back(index(r));
    }
    const GradedModeSet modes = solveGradedLpModes(profile);
    set.convergence = modes.convergence;
    if (!(modes.convergence < 1e-8)) {
        set.problem = "the graded-profile integration did not converge (neff changes by " +
                      std::to_string(modes.convergence) + " with the tolerance)";
        return;
    }
    set.lpCount = static_cast<int>(modes.modes.size());
    for (const GradedLpMode &mode : modes.modes) {
        FieldView v;
        v.m = mode.m;
        v.neff = mode.neff;
        v.psi = [&mode, a](double r) { return mode.psiAt(r, a); };
        v.dpsi = [&mode, a](double r) { return mode.dpsiAt(r, a); };
        v.index = index;
        v.radii = {a};
        v.core = {true};
        v.gamma = mode.gamma;
        ProfileModeRow row = properties(v, request.dopedRadius);
        row.name = lpModeName(mode.m, mode.n);
        row.n = mode.n;
        row.dispersion = kNaN;
        set.rows.push_back(row);
    }
}

} // namespace

ProfileModeSet computeProfileModes(const ProfileRequest &request)
{
    ProfileModeSet set;
    if (request.kind == ProfileRequest::Kind::Layers)
        solveLayered(request, set);
    else
        solveGraded(request, set);
    return set;
}
