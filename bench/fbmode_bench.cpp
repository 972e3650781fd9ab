// The fiber-mode page's Calculate buttons as the user presses them (offscreen):
// solve + table + field grids + colour map, and M² + mixture grid + map.

#include "fbmode.h"
#include "fbmodeform.h"

#include "benchapplication.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FbmodeCalculateModes(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("no QApplication");
        return;
    }
    fbmode page;
    page.resize(815, 590);
    for (auto _ : state) {
        page.ui->pushButton_12->click();
        benchmark::DoNotOptimize(page.ui->m_NnumLineEdit_2->text());
    }
    if (page.ui->m_NnumLineEdit_2->text() != QStringLiteral("7"))
        state.SkipWithError("unexpected mode count");
}
BENCHMARK(BM_FbmodeCalculateModes)->Unit(benchmark::kMillisecond);

// All twenty "E" weights and all sixteen "O" weights non-zero: every mode's
// intensity pair enters the mixture map.
void BM_FbmodeCalculateBeamQuality(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("no QApplication");
        return;
    }
    fbmode page;
    page.resize(815, 590);
    for (int m = 0; m < 5; ++m)
        for (int n = 0; n < 4; ++n) {
            page.ui->weightE[m][n]->setText(QStringLiteral("1"));
            if (m > 0)
                page.ui->weightO[m][n]->setText(QStringLiteral("0.5"));
        }
    for (auto _ : state) {
        page.ui->pushButton_13->click();
        benchmark::DoNotOptimize(page.ui->m_m2xLineEdit_2->text());
    }
}
BENCHMARK(BM_FbmodeCalculateBeamQuality)->Unit(benchmark::kMillisecond);

void BM_FbmodeCalculateBendLoss(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("no QApplication");
        return;
    }
    fbmode page;
    for (auto _ : state) {
        page.ui->pushButton_11->click();
        benchmark::DoNotOptimize(page.ui->m_AlphalineEdit_2->text());
    }
}
BENCHMARK(BM_FbmodeCalculateBendLoss)->Unit(benchmark::kMillisecond);

// A press on another row: the map of LP21 (grids and colour map only).
void BM_FbmodePressRow(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("no QApplication");
        return;
    }
    fbmode page;
    page.resize(815, 590);
    page.ui->pushButton_12->click();
    page.ui->tableWidget->selectRow(4);
    for (auto _ : state)
        page.PressColumn();
}
BENCHMARK(BM_FbmodePressRow)->Unit(benchmark::kMillisecond);

} // namespace
