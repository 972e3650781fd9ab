#include "beamquality.h"

#include "bessel.h"
#include "fieldkernel.h"
#include "fieldmaps.h"
#include "parallelrows.h"

#include <cmath>
#include <utility>

// Per-mode M^2 values, rows m = 0..4 (n = 1..4 within a row):
//   A (m = 0), B and C (the two orientations of m = 1), D (m = 2), E (m = 3), F (m = 4).
const ModeTable kM2XForE = {1.123, 3.081, 4.929, 6.759, 3.318, 6.076, 8.81,  11.539, 3.285, 5.061,
                            6.856, 8.659, 4.348, 6.09,  7.861, 9.647, 5.403, 7.128,  8.88,  10.651};
const ModeTable kM2XForO = {1.123, 3.081, 4.929, 6.759, 1.106, 2.025, 2.937, 3.846, 3.285, 5.061,
                            6.856, 8.659, 4.348, 6.09,  7.861, 9.647, 5.403, 7.128, 8.88,  10.651};
const ModeTable kM2YForE = kM2XForO;
const ModeTable kM2YForO = kM2XForE;

const ModeTable kReferenceNeff = {
    1.45117957957958,  1.45108948948949,  1.45092972972973,  1.4507003003003,   1.451147147147147,
    1.451022222222222, 1.450826426426426, 1.450563363363363, 1.451105105105105, 1.450944144144144,
    1.450713513513514, 1.450418018018018, 1.451053453453453, 1.450856456456457, 1.450592192192192,
    1.450265465465465, 1.450992192192192, 1.450757957957958, 1.45046006006006,  1.450106906906907};

BeamQuality computeBeamQuality(const ModeWeights &weights)
{
    double sumE = 0.0;
    double sumO = 0.0;
    for (int k = 0; k < kBeamQualityModes; ++k) {
        sumE += weights.e[k];
        sumO += weights.o[k];
    }
    const double s = sumE + sumO;

    BeamQuality result;
    for (int k = 0; k < kBeamQualityModes; ++k) {
        result.normalized.e[k] = weights.e[k] / (s + 1e-16);
        result.normalized.o[k] = weights.o[k] / (s + 1e-16);
    }
    for (int k = 0; k < kBeamQualityModes; ++k) {
        result.m2x += kM2XForE[k] * result.normalized.e[k] + kM2XForO[k] * result.normalized.o[k];
        result.m2y += kM2YForE[k] * result.normalized.e[k] + kM2YForO[k] * result.normalized.o[k];
    }
    return result;
}

namespace {

bool modeUsed(const ModeWeights &w, int k)
{
    return w.e[k] != 0.0 || w.o[k] != 0.0;
}

// Divides the grid by (its maximum, searched from cell 0) + 1e-16.
void normaliseMixture(std::vector<double> &grid)
{
    double best = grid[0];
    for (double v : grid)
        if (v > best)
            best = v;
    const double divisor = best + 1e-16;
    for (double &v : grid)
        v = v / divisor;
}

} // namespace

void computeMixtureGridLiteral(const ModeWeights &weights, std::vector<double> &sumGrid)
{
    sumGrid.assign(kFieldGridCells, 0.0);
    IntensityPair pair;
    for (int k = 0; k < kBeamQualityModes; ++k) {
        if (!modeUsed(weights, k))
            continue;
        computeIntensityPairLiteral(kReferenceCoreRadius, kReferenceWavelength, kReferenceN1,
                                    kReferenceN2, kReferenceNeff[k], k / 4, pair);
        for (std::size_t idx = 0; idx < kFieldGridCells; ++idx)
            sumGrid[idx] +=
                weights.e[k] * pair.cosIntensity[idx] + weights.o[k] * pair.sinIntensity[idx];
    }
    normaliseMixture(sumGrid);
}

void computeMixtureGrid(const ModeWeights &weights, std::vector<double> &sumGrid)
{
    sumGrid.assign(kFieldGridCells, 0.0);

    std::vector<int> used;
    for (int k = 0; k < kBeamQualityModes; ++k)
        if (modeUsed(weights, k))
            used.push_back(k);
    if (used.empty()) {
        normaliseMixture(sumGrid);
        return;
    }

    std::vector<double> coordinates(kFieldGridSize);
    for (int k = 0; k < kFieldGridSize; ++k)
        coordinates[k] = normalizedCoordinate(k);
    const fieldkernel::GridLines lines = fieldkernel::makeGridLines(std::move(coordinates));

    // Radial factors of every used mode, once per radius class pair.
    std::vector<fieldkernel::RadialTable> tables(used.size());
    for (std::size_t u = 0; u < used.size(); ++u) {
        const int k = used[u];
        const fieldkernel::ModeParameters p =
            fieldkernel::modeParameters(kReferenceCoreRadius, kReferenceWavelength, kReferenceN1,
                                        kReferenceN2, kReferenceNeff[k], k / 4);
        fieldkernel::buildRadialTable(
            lines, 1.0, p, [&](double rho) { return p.u * rho; },
            [&](double rho) { return p.w * rho; }, tables[u]);
    }

    // One pass over the cells: the angular factors of the five orders are formed
    // once per cell and the modes are added in ascending k, as the mode-by-mode
    // literal sum adds them.
    parallelRows(kFieldGridSize, [&](int i) {
        const double ci = lines.c[i];
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double cj = lines.c[j];
            const double rho = std::sqrt(cj * cj + ci * ci);
            double cosines[5];
            double sines[5];
            for (int m = 0; m < 5; ++m)
                fieldkernel::angularFactors(m, ci, cj, rho, cosines[m], sines[m]);
            double sum = 0.0;
            for (std::size_t u = 0; u < used.size(); ++u) {
                const int k = used[u];
                const int m = k / 4;
                const double f = tables[u].factor(i, j, rho);
                const double e = f * cosines[m];
                const double o = f * sines[m];
                sum += weights.e[k] * (e * e) + weights.o[k] * (o * o);
            }
            sumGrid[fieldGridIndex(i, j)] = sum;
        }
    });
    normaliseMixture(sumGrid);
}
