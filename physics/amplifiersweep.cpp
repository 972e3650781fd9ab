#include "amplifiersweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace yb {

namespace {

// Added to a share before its logarithm is taken, so that a direction
// without channels (share zero) has a finite state: far below any share
// (a watt of pump gives a ≈ 1e10 per second).
constexpr double kTinyShare = 1e-250;

// Largest net gain (nepers) the initial guess gives a backward channel.
constexpr double kMaxGuessGain = 100;

constexpr double kSmallestPower = 1e-300; // W: below this a power counts as zero

Coefficients coefficientsOf(const AmplifierProblem &p)
{
    Coefficients c;
    for (int direction = 0; direction < 2; ++direction) {
        for (int logarithmic = 1; logarithmic >= 0; --logarithmic) {
            for (std::size_t k = 0; k < p.channels.size(); ++k) {
                const Channel &ch = p.channels[k];
                if ((ch.direction > 0) == (direction == 0) &&
                    (ch.bandwidth > 0) == (logarithmic == 0))
                    c.source.push_back(static_cast<int>(k));
            }
            if (logarithmic)
                c.logEnd[direction] = static_cast<int>(c.source.size());
        }
        if (direction == 0)
            c.forward = static_cast<int>(c.source.size());
    }
    for (int k : c.source) {
        const Channel &ch = p.channels[k];
        const double nu = kLightSpeed / ch.wavelength;
        const double photon = kPlanck * nu;
        c.a.push_back(ch.overlap * ch.sigmaA / (photon * p.dopedArea));
        c.b.push_back(ch.overlap * (ch.sigmaA + ch.sigmaE) / (photon * p.dopedArea));
        c.cg.push_back(ch.overlap * p.ionDensity * (ch.sigmaA + ch.sigmaE));
        c.dg.push_back(ch.overlap * p.ionDensity * ch.sigmaA + ch.loss);
        c.sp.push_back(2 * ch.overlap * ch.sigmaE * p.ionDensity * photon * ch.bandwidth);
        c.alpha.push_back(ch.loss);
        c.logarithm.push_back(ch.bandwidth > 0 ? 0 : 1);
    }
    return c;
}

// Composite Simpson rule on panels of two intervals, each panel's rule exact
// for quadratics also when its two intervals differ. An even number of
// intervals (the solver's grids always are: every one is a bisection).
double simpson(const std::vector<double> &z, const std::vector<double> &f)
{
    double sum = 0;
    for (std::size_t i = 0; i + 2 < z.size(); i += 2) {
        const double h1 = z[i + 1] - z[i], h2 = z[i + 2] - z[i + 1];
        sum += (h1 + h2) / 6 *
               ((2 - h2 / h1) * f[i] + (h1 + h2) * (h1 + h2) / (h1 * h2) * f[i + 1] +
                (2 - h1 / h2) * f[i + 2]);
    }
    return sum;
}

} // namespace

void ShareProfile::resize(std::size_t n)
{
    a.assign(n, 0);
    b.assign(n, 0);
    da.assign(n, 0);
    db.assign(n, 0);
}

RelaxationGrid::RelaxationGrid(const AmplifierProblem &problem, std::vector<double> nodes)
    : m_p(problem),
      m_c(coefficientsOf(problem)),
      m_k(static_cast<int>(m_c.source.size())),
      m_steps(static_cast<int>(nodes.size()) - 1),
      m_z(std::move(nodes)),
      m_invTau(1 / problem.lifetime),
      m_power(m_z.size() * m_k, 0.0)
{
    const int steps = m_steps;
    m_share[0].resize(steps + 1);
    m_share[1].resize(steps + 1);
    for (std::vector<double> *v : {&m_y, &m_stage, &m_rate[0], &m_rate[1], &m_rate[2], &m_rate[3],
                                   &m_pTmp, &m_halfStepFactor, &m_dPds})
        v->resize(m_k);
    m_solverIndex.resize(problem.channels.size());
    for (int k = 0; k < m_k; ++k)
        m_solverIndex[m_c.source[k]] = k;
}

double RelaxationGrid::upperFraction(double a, double b) const
{
    return std::isfinite(m_p.fixedUpperFraction) ? m_p.fixedUpperFraction : a / (m_invTau + b);
}

void RelaxationGrid::warmStart(const RelaxationGrid &coarse)
{
    // Cubic Hermite interpolation of the coarse grid's backward share (value
    // and slope) at every node of this grid.
    const ShareProfile &c = coarse.m_share[1];
    ShareProfile &f = m_share[1];
    std::size_t i = 0;
    const std::size_t last = coarse.m_z.size() - 2;
    for (std::size_t j = 0; j < m_z.size(); ++j) {
        while (i < last && coarse.m_z[i + 1] < m_z[j])
            ++i;
        const double h = coarse.m_z[i + 1] - coarse.m_z[i];
        const double t = std::clamp((m_z[j] - coarse.m_z[i]) / h, 0.0, 1.0);
        const double h00 = (1 + 2 * t) * (1 - t) * (1 - t), h10 = t * (1 - t) * (1 - t);
        const double h01 = t * t * (3 - 2 * t), h11 = t * t * (t - 1);
        const double d00 = 6 * t * (t - 1) / h, d10 = (1 - t) * (1 - 3 * t);
        const double d11 = t * (3 * t - 2);
        auto value = [&](const std::vector<double> &v, const std::vector<double> &dv) {
            return h00 * v[i] + h10 * h * dv[i] + h01 * v[i + 1] + h11 * h * dv[i + 1];
        };
        auto slope = [&](const std::vector<double> &v, const std::vector<double> &dv) {
            return d00 * (v[i] - v[i + 1]) + d10 * dv[i] + d11 * dv[i + 1];
        };
        f.a[j] = value(c.a, c.da);
        f.b[j] = value(c.b, c.db);
        f.da[j] = slope(c.a, c.da);
        f.db[j] = slope(c.b, c.db);
    }
    m_laserStart = coarse.m_laserStart;
}

double RelaxationGrid::launch(int k) const
{
    const int source = m_c.source[k];
    if (source == m_p.laserForward)
        return m_laserStart;
    if (source == m_p.laserBackward)
        return m_p.r2 * power(m_steps, m_solverIndex[m_p.laserForward]);
    return m_p.channels[source].inputPower;
}

Share RelaxationGrid::rates(int begin, int end, const double *y, Share other, double n0,
                            double *rate, double *dPds) const
{
    const int logEnd = begin == 0 ? m_c.logEnd[0] : m_c.logEnd[1];
    const double *a = m_c.a.data(), *b = m_c.b.data(), *cg = m_c.cg.data(), *dg = m_c.dg.data(),
                 *sp = m_c.sp.data();
    double *p = m_pTmp.data();
    for (int k = begin; k < logEnd; ++k)
        p[k] = std::exp(y[k]);
    // Four partial sums each: independent additions the processor overlaps.
    double sa[4] = {0, 0, 0, 0}, sb[4] = {0, 0, 0, 0};
    for (int k = begin; k < logEnd; ++k) {
        sa[0] += a[k] * p[k];
        sb[0] += b[k] * p[k];
    }
    int k = logEnd;
    for (; k + 4 <= end; k += 4)
        for (int l = 0; l < 4; ++l) {
            sa[l] += a[k + l] * y[k + l];
            sb[l] += b[k + l] * y[k + l];
        }
    for (; k < end; ++k) {
        sa[1] += a[k] * y[k];
        sb[1] += b[k] * y[k];
    }
    Share own{(sa[0] + sa[1]) + (sa[2] + sa[3]), (sb[0] + sb[1]) + (sb[2] + sb[3])};
    const double n = upperFraction(own.a + other.a, own.b + other.b);
    own.n = n;
    const double dn = std::isnan(n0) ? 0.0 : n - n0;
    for (int k = begin; k < logEnd; ++k)
        rate[k] = cg[k] * n - dg[k];
    for (int k = logEnd; k < end; ++k)
        rate[k] = cg[k] * dn * y[k] + sp[k] * n;
    if (dPds) {
        for (int k = begin; k < logEnd; ++k)
            dPds[k] = rate[k] * p[k];
        for (int k = logEnd; k < end; ++k)
            dPds[k] = (cg[k] * n - dg[k]) * y[k] + sp[k] * n;
    }
    return own;
}

void RelaxationGrid::initialGuess(const ClosedFormOutputs &closed)
{
    // Backward channels: exponential profiles with the closed-form net gain.
    for (int k = m_c.forward; k < m_k; ++k) {
        const int source = m_c.source[k];
        double start = m_p.channels[source].inputPower;
        if (source == m_p.laserBackward)
            start = closed.lasing ? m_p.r2 * closed.laserForwardAtEnd : 0;
        const double g = closed.valid ? closed.netGain[source] / m_p.length : 0;
        // An unsaturated closed-form gain over a long fiber can reach
        // thousands of nepers: cap the guess far below overflow (the sweeps
        // correct it), and keep an unlit channel at zero rather than 0·∞.
        for (int j = 0; j <= m_steps; ++j)
            power(j, k) = start > 0
                              ? start * std::exp(std::min(g * (m_p.length - m_z[j]), kMaxGuessGain))
                              : 0.0;
    }
    ShareProfile &share = m_share[1];
    for (int j = 0; j <= m_steps; ++j) {
        Share s;
        Share d;
        for (int k = m_c.forward; k < m_k; ++k) {
            const double g = closed.valid ? closed.netGain[m_c.source[k]] / m_p.length : 0;
            s.a += m_c.a[k] * power(j, k);
            s.b += m_c.b[k] * power(j, k);
            d.a -= m_c.a[k] * power(j, k) * g;
            d.b -= m_c.b[k] * power(j, k) * g;
        }
        share.a[j] = s.a;
        share.b[j] = s.b;
        share.da[j] = d.a;
        share.db[j] = d.b;
    }
    if (m_p.isLaser() && closed.lasing) {
        const Channel &l = m_p.channels[m_p.laserForward];
        m_laserStart = closed.laserForwardAtEnd * std::exp(-closed.netGain[m_p.laserForward]);
        (void)l;
    }
}

void RelaxationGrid::sweep(int direction, double relaxation)
{
    const bool forward = direction == 0;
    const int begin = forward ? 0 : m_c.forward;
    const int end = forward ? m_c.forward : m_k;
    if (begin == end)
        return;
    const ShareProfile &other = m_share[forward ? 1 : 0];
    ShareProfile &own = m_share[forward ? 0 : 1];
    const double u = forward ? 1.0 : -1.0;
    const int first = forward ? 0 : m_steps;
    const int step = forward ? 1 : -1;
    double *y = m_y.data();
    double *yt = m_stage.data();
    std::vector<double> &dPds = m_dPds;

    for (int k = begin; k < end; ++k) {
        const double p0 = launch(k);
        power(first, k) = p0;
        y[k] = m_c.logarithm[k] ? std::log(p0) : p0;
    }

    auto storeNode = [&](int node, Share s) {
        double da = 0, db = 0;
        for (int k = begin; k < end; ++k) {
            da += m_c.a[k] * dPds[k];
            db += m_c.b[k] * dPds[k];
        }
        const double w = relaxation;
        own.a[node] = w * s.a + (1 - w) * own.a[node];
        own.b[node] = w * s.b + (1 - w) * own.b[node];
        own.da[node] = w * u * da + (1 - w) * own.da[node];
        own.db[node] = w * u * db + (1 - w) * own.db[node];
    };

    for (int i = 0; i < m_steps; ++i) {
        const int j = first + i * step;
        const int jn = j + step;
        const int lo = std::min(j, jn), hi = std::max(j, jn);
        const double h = m_z[hi] - m_z[lo];
        const Share o0{other.a[j], other.b[j], 0};
        const Share o1{other.a[jn], other.b[jn], 0};
        // Cubic Hermite value at the midpoint of [z_lo, z_hi].
        const Share om{0.5 * (other.a[lo] + other.a[hi]) + h * (other.da[lo] - other.da[hi]) / 8,
                       0.5 * (other.b[lo] + other.b[hi]) + h * (other.db[lo] - other.db[hi]) / 8,
                       0};

        // Classical RK4 for the ln P block; for the linear block Lawson's
        // integrating-factor RK4 (J. D. Lawson, SIAM J. Numer. Anal. 4, 372
        // (1967)) around the gain g0 = cg n(z_j) − dg frozen over the step:
        // exact for constant gain, so the step only has to follow how n
        // varies, not e^{g h} of a strongly amplified or absorbed ASE bin.
        double *k1 = m_rate[0].data(), *k2 = m_rate[1].data(), *k3 = m_rate[2].data(),
               *k4 = m_rate[3].data();
        double *e1 = m_halfStepFactor.data();
        const int logEnd = forward ? m_c.logEnd[0] : m_c.logEnd[1];
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const Share s0 = rates(begin, end, y, o0, nan, k1, dPds.data());
        storeNode(j, s0);
        const double n0 = s0.n;
        for (int k = logEnd; k < end; ++k)
            e1[k] = std::exp(0.5 * h * (m_c.cg[k] * n0 - m_c.dg[k]));
        for (int k = begin; k < logEnd; ++k)
            yt[k] = y[k] + 0.5 * h * k1[k];
        for (int k = logEnd; k < end; ++k)
            yt[k] = e1[k] * (y[k] + 0.5 * h * k1[k]);
        rates(begin, end, yt, om, n0, k2, nullptr);
        for (int k = begin; k < logEnd; ++k)
            yt[k] = y[k] + 0.5 * h * k2[k];
        for (int k = logEnd; k < end; ++k)
            yt[k] = e1[k] * y[k] + 0.5 * h * k2[k];
        rates(begin, end, yt, om, n0, k3, nullptr);
        for (int k = begin; k < logEnd; ++k)
            yt[k] = y[k] + h * k3[k];
        for (int k = logEnd; k < end; ++k)
            yt[k] = e1[k] * (e1[k] * y[k] + h * k3[k]);
        rates(begin, end, yt, o1, n0, k4, nullptr);
        for (int k = begin; k < logEnd; ++k) {
            y[k] += h / 6 * (k1[k] + 2 * (k2[k] + k3[k]) + k4[k]);
            power(jn, k) = std::exp(y[k]);
        }
        for (int k = logEnd; k < end; ++k) {
            const double e2 = e1[k] * e1[k];
            y[k] = e2 * y[k] + h / 6 * (e2 * k1[k] + 2 * e1[k] * (k2[k] + k3[k]) + k4[k]);
            power(jn, k) = y[k];
        }
    }
    const int last = first + m_steps * step;
    const Share sLast =
        rates(begin, end, y, Share{other.a[last], other.b[last], 0},
              std::numeric_limits<double>::quiet_NaN(), m_rate[0].data(), dPds.data());
    storeNode(last, sLast);
}

double RelaxationGrid::circulation() const
{
    double launched = 0;
    for (std::size_t k = 0; k < m_p.channels.size(); ++k)
        if (static_cast<int>(k) != m_p.laserForward && static_cast<int>(k) != m_p.laserBackward)
            launched += m_p.channels[k].inputPower;
    const double inside = power(m_steps, m_solverIndex[m_p.laserForward]) +
                          power(0, m_solverIndex[m_p.laserBackward]);
    return launched > 0 && std::isfinite(inside) ? std::max(1.0, inside / launched) : 1.0;
}

std::vector<double> RelaxationGrid::backwardShare() const
{
    const ShareProfile &s = m_share[1];
    const std::size_t n = s.a.size();
    std::vector<double> state(4 * n);
    for (std::size_t j = 0; j < n; ++j) {
        // A share can come out slightly negative from a step that does not
        // resolve a strongly absorbed ASE bin; the grid refinement removes
        // that, the logarithm must not turn it into a NaN meanwhile.
        const double a = std::max(s.a[j], 0.0) + kTinyShare, b = std::max(s.b[j], 0.0) + kTinyShare;
        state[j] = std::log(a);
        state[n + j] = std::log(b);
        state[2 * n + j] = s.da[j] / a;
        state[3 * n + j] = s.db[j] / b;
    }
    return state;
}

void RelaxationGrid::setBackwardShare(const std::vector<double> &state)
{
    ShareProfile &s = m_share[1];
    const std::size_t n = s.a.size();
    for (std::size_t j = 0; j < n; ++j) {
        const double a = std::exp(state[j]), b = std::exp(state[n + j]);
        s.a[j] = std::max(0.0, a - kTinyShare);
        s.b[j] = std::max(0.0, b - kTinyShare);
        s.da[j] = state[2 * n + j] * a;
        s.db[j] = state[3 * n + j] * b;
    }
}

std::vector<double> RelaxationGrid::shareWeights() const
{
    const ShareProfile &f = m_share[0], &s = m_share[1];
    const std::size_t n = s.a.size();
    std::vector<double> w(4 * n);
    for (std::size_t j = 0; j < n; ++j) {
        const double denominator = m_invTau + f.b[j] + s.b[j];
        const double upper = (f.a[j] + s.a[j]) / denominator;
        w[j] = s.a[j] / denominator;             // ∂n/∂ln a
        w[n + j] = upper * s.b[j] / denominator; // −∂n/∂ln b
        // A slope moves a midpoint by h/8 of it.
        const double h = m_z[std::min(j + 1, n - 1)] - m_z[j > 0 ? j - 1 : 0];
        w[2 * n + j] = h / 8 * w[j];
        w[3 * n + j] = h / 8 * w[n + j];
    }
    return w;
}

std::vector<double> RelaxationGrid::inversion() const
{
    std::vector<double> n(m_share[0].a.size());
    for (std::size_t j = 0; j < n.size(); ++j)
        n[j] = upperFraction(m_share[0].a[j] + m_share[1].a[j], m_share[0].b[j] + m_share[1].b[j]);
    return n;
}

double RelaxationGrid::laserResidual() const
{
    const double back = power(0, m_solverIndex[m_p.laserBackward]);
    return std::log(m_p.r1 * back / m_laserStart);
}

std::vector<double> RelaxationGrid::gainScales() const
{
    std::vector<double> scale(m_p.channels.size(), 1.0);
    for (int k = 0; k < m_k; ++k) {
        const double p0 = power(0, k), p1 = power(m_steps, k);
        if (m_c.logarithm[k] && p0 > 0 && p1 > 0)
            scale[m_c.source[k]] = std::max(1.0, std::abs(std::log(p1 / p0)));
    }
    return scale;
}

std::vector<double> RelaxationGrid::intervalDifferences(const RelaxationGrid &fine) const
{
    const std::vector<double> scale = fine.gainScales();
    std::vector<double> d(m_steps, 0.0);
    for (int i = 0; i < m_steps; ++i) {
        double worst = 0;
        for (int k = 0; k < m_k; ++k) {
            const double c0 = power(i, k), c1 = power(i + 1, k);
            const double f0 = fine.power(2 * i, k), f1 = fine.power(2 * i + 2, k);
            double e = 0;
            if (m_c.logarithm[k]) {
                if (c0 > 0 && c1 > 0 && f0 > 0 && f1 > 0)
                    e = std::abs(std::log(f1 / f0) - std::log(c1 / c0)) / scale[m_c.source[k]];
            } else {
                const double scale = std::max({std::abs(f0), std::abs(f1), kSmallestPower});
                e = std::abs((f1 - f0) - (c1 - c0)) / scale;
            }
            if (!(e <= worst))
                worst = e;
        }
        d[i] = worst;
    }
    return d;
}

std::vector<double> RelaxationGrid::outputs() const
{
    std::vector<double> out(m_p.channels.size());
    for (int k = 0; k < m_k; ++k) {
        const int source = m_c.source[k];
        const bool fwd = k < m_c.forward;
        double value = power(fwd ? m_steps : 0, k);
        if (source == m_p.laserForward)
            value *= 1 - m_p.r2;
        else if (source == m_p.laserBackward)
            value *= 1 - m_p.r1;
        out[source] = value;
    }
    return out;
}

void RelaxationGrid::finish(AmplifierSolution &s) const
{
    const int nodes = m_steps + 1;
    s.z.resize(nodes);
    s.upperFraction.resize(nodes);
    s.heat.resize(nodes);
    const std::size_t split = m_p.fluorescencePhotonEnergy > 0 ? nodes : 0;
    s.quantumDefectHeat.assign(split, 0.0);
    s.fluorescenceLoss.assign(split, 0.0);
    std::vector<double> lossDensity(nodes);
    s.power.assign(m_p.channels.size(), std::vector<double>(nodes));
    for (int j = 0; j < nodes; ++j) {
        s.z[j] = m_z[j];
        double a = 0, b = 0;
        for (int k = 0; k < m_k; ++k) {
            a += m_c.a[k] * power(j, k);
            b += m_c.b[k] * power(j, k);
        }
        const double n = upperFraction(a, b);
        double q = 0, loss = 0;
        for (int k = 0; k < m_k; ++k) {
            const double pk = power(j, k);
            s.power[m_c.source[k]][j] = pk;
            q += (m_c.dg[k] - m_c.alpha[k] - m_c.cg[k] * n) * pk - m_c.sp[k] * n;
            loss += m_c.alpha[k] * pk;
        }
        s.upperFraction[j] = n;
        s.heat[j] = q;
        if (m_p.fluorescencePhotonEnergy > 0) {
            double guided = 0;
            for (int k = 0; k < m_k; ++k)
                guided += m_c.sp[k] * n;
            const double all =
                m_p.ionDensity * n * m_p.dopedArea * m_p.fluorescencePhotonEnergy * m_invTau;
            s.fluorescenceLoss[j] = all - guided;
            s.quantumDefectHeat[j] = q - s.fluorescenceLoss[j];
        }
        lossDensity[j] = loss;
    }
    s.outputPower = outputs();
    s.launchedPower = 0;
    for (std::size_t k = 0; k < m_p.channels.size(); ++k)
        if (static_cast<int>(k) != m_p.laserForward && static_cast<int>(k) != m_p.laserBackward)
            s.launchedPower += m_p.channels[k].inputPower;
    s.leavingPower = 0;
    for (double v : s.outputPower)
        s.leavingPower += v;
    s.heatPower = simpson(m_z, s.heat);
    s.backgroundLossPower = simpson(m_z, lossDensity);
    s.energyResidual =
        (s.launchedPower - s.leavingPower - s.heatPower - s.backgroundLossPower) / s.launchedPower;
}

} // namespace yb
