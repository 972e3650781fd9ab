// "光束质量因子": M² of a weighted mixture of LP modes and its intensity map.

#include "fbmode.h"

#include "beamquality.h"
#include "fbmodeform.h"
#include "pageconventions.h"

void fbmode::calresFB6()
{
    m_beamComputed = true;
    for (int m = 0; m < 5; ++m)
        for (int n = 0; n < 4; ++n)
            if (ui->weightE[m][n]->text().isEmpty() ||
                (m > 0 && ui->weightO[m][n]->text().isEmpty())) {
                showNotice(this, QString::fromUtf8(kEmptyInputMessage));
                return;
            }

    ModeWeights weights;
    for (int m = 0; m < 5; ++m)
        for (int n = 1; n <= 4; ++n) {
            const int k = beamQualityIndex(m, n);
            weights.e[k] = readField(ui->weightE[m][n - 1]);
            weights.o[k] = (m == 0) ? 0.0 : readField(ui->weightO[m][n - 1]);
        }

    const BeamQuality quality = computeBeamQuality(weights);
    ui->m_m2xLineEdit_2->setText(formatNumber(quality.m2x, 'g', 4));
    ui->m_m2yLineEdit_2->setText(formatNumber(quality.m2y, 'g', 4));

    computeMixtureGrid(quality.normalized, m_mixtureGrid);
    drawMixtureMap();
}
