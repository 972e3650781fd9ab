#ifndef ANDERSONMIXING_H
#define ANDERSONMIXING_H

// Anderson acceleration of a fixed-point iteration x ← G(x) (D. G. Anderson,
// J. ACM 12, 547 (1965); in the form of H. F. Walker and P. Ni, SIAM J.
// Numer. Anal. 49, 1715 (2011)). With the residuals f_i = G(x_i) − x_i of
// the last m iterates, the next iterate is
//     x⁺ = G(x_k) − Σ_i γ_i (G(x_{i+1}) − G(x_i)),
// γ minimising the weighted norm ‖f_k − Σ_i γ_i (f_{i+1} − f_i)‖. For a
// linear contraction this is GMRES on the residual; for the amplifier's
// sweep map, which contracts only by 0.95–0.99 per pass in ASE-dominated
// designs, it cuts hundreds of passes to tens.
//
// The least-squares problem is solved by modified Gram–Schmidt QR with the
// columns dropped whose residual norm falls below 1e-10 of their own (nearly
// dependent history), so a stagnating history cannot blow γ up. restart()
// forgets the history (after a step that made the residual grow).

#include <cstddef>
#include <vector>

class AndersonMixing
{
public:
    explicit AndersonMixing(int depth) : m_depth(depth) {}

    // x: the current iterate; g: G(x); weight: per-component scale of the
    // residual norm (same size). Returns the next iterate.
    std::vector<double> next(const std::vector<double> &x, const std::vector<double> &g,
                             const std::vector<double> &weight);
    void restart();
    int historySize() const { return static_cast<int>(m_dF.size()); }

private:
    int m_depth;
    std::vector<double> m_lastF, m_lastG;
    std::vector<std::vector<double>> m_dF, m_dG; // oldest first
};

#endif // ANDERSONMIXING_H
