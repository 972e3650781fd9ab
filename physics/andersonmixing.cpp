#include "andersonmixing.h"

#include <cmath>

void AndersonMixing::restart()
{
    m_lastF.clear();
    m_lastG.clear();
    m_dF.clear();
    m_dG.clear();
}

std::vector<double> AndersonMixing::next(const std::vector<double> &x, const std::vector<double> &g,
                                         const std::vector<double> &weight)
{
    const std::size_t n = x.size();
    std::vector<double> f(n);
    for (std::size_t i = 0; i < n; ++i)
        f[i] = (g[i] - x[i]) * weight[i];
    if (!m_lastF.empty() && m_lastF.size() == n) {
        std::vector<double> df(n), dg(n);
        for (std::size_t i = 0; i < n; ++i) {
            df[i] = f[i] - m_lastF[i];
            dg[i] = g[i] - m_lastG[i];
        }
        m_dF.push_back(std::move(df));
        m_dG.push_back(std::move(dg));
        if (static_cast<int>(m_dF.size()) > m_depth) {
            m_dF.erase(m_dF.begin());
            m_dG.erase(m_dG.begin());
        }
    }
    m_lastF = f;
    m_lastG = g;
    std::vector<double> out = g;
    if (m_dF.empty())
        return out;

    // Modified Gram–Schmidt on the columns ΔF: Q R = ΔF (kept columns only).
    const std::size_t m = m_dF.size();
    std::vector<std::vector<double>> q;
    std::vector<std::size_t> kept;
    std::vector<std::vector<double>> r(m, std::vector<double>(m, 0.0));
    for (std::size_t c = 0; c < m; ++c) {
        std::vector<double> v = m_dF[c];
        double norm0 = 0;
        for (double e : v)
            norm0 += e * e;
        norm0 = std::sqrt(norm0);
        for (std::size_t j = 0; j < q.size(); ++j) {
            double dot = 0;
            for (std::size_t i = 0; i < n; ++i)
                dot += q[j][i] * v[i];
            r[j][kept.size()] = dot;
            for (std::size_t i = 0; i < n; ++i)
                v[i] -= dot * q[j][i];
        }
        double norm = 0;
        for (double e : v)
            norm += e * e;
        norm = std::sqrt(norm);
        if (!(norm > 1e-10 * norm0) || !std::isfinite(norm))
            continue; // nearly dependent on the columns before it
        for (double &e : v)
            e /= norm;
        r[q.size()][kept.size()] = norm;
        q.push_back(std::move(v));
        kept.push_back(c);
    }
    const std::size_t k = kept.size();
    if (k == 0)
        return out;
    // γ = R⁻¹ Qᵀ f.
    std::vector<double> gamma(k);
    for (std::size_t j = 0; j < k; ++j) {
        double dot = 0;
        for (std::size_t i = 0; i < n; ++i)
            dot += q[j][i] * f[i];
        gamma[j] = dot;
    }
    for (std::size_t j = k; j-- > 0;) {
        for (std::size_t l = j + 1; l < k; ++l)
            gamma[j] -= r[j][l] * gamma[l];
        gamma[j] /= r[j][j];
    }
    for (std::size_t j = 0; j < k; ++j)
        for (std::size_t i = 0; i < n; ++i)
            out[i] -= gamma[j] * m_dG[kept[j]][i];
    return out;
}
