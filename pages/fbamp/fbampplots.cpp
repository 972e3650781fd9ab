#include "fbampplots.h"

#include "fbampform.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPowerDecades = 6; // the power plot spans this below its peak

QVector<double> curve(const velmora::calc::Result &r, const char *key)
{
    const auto it = r.outputs.find(key);
    if (it == r.outputs.end())
        return {};
    return QVector<double>(it->second.data.begin(), it->second.data.end());
}

void addGraph(QCustomPlot *plot, const QVector<double> &x, const QVector<double> &y,
              const QColor &color, const QString &name)
{
    QCPGraph *g = plot->addGraph();
    g->setData(x, y, true);
    g->setPen(QPen(color, 1.6));
    g->setName(name);
}

void labelAxes(QCustomPlot *plot, const QString &x, const QString &y)
{
    plot->xAxis->setLabel(x);
    plot->yAxis->setLabel(y);
}

// A compact legend in one row below the axis rectangle (never over a
// curve).
void showLegend(QCustomPlot *plot)
{
    if (plot->legend->layout() != plot->plotLayout()) {
        plot->axisRect()->insetLayout()->take(plot->legend);
        plot->plotLayout()->addElement(1, 0, plot->legend);
        plot->plotLayout()->setRowStretchFactor(1, 0.001);
        plot->legend->setWrap(3); // at most three entries a row
        plot->legend->setFillOrder(QCPLegend::foColumnsFirst);
        plot->legend->setMargins(QMargins(2, 0, 2, 0));
    }
    QFont font = plot->font();
    font.setPointSize(7);
    plot->legend->setFont(font);
    plot->legend->setBrush(QBrush(QColor(255, 255, 255, 200)));
    plot->legend->setRowSpacing(-3);
    plot->legend->setIconSize(16, 8);
    plot->legend->setVisible(true);
}

bool hasPower(const QVector<double> &y)
{
    return std::any_of(y.begin(), y.end(), [](double v) { return v > 0; });
}

void drawPowers(QCustomPlot *plot, const velmora::calc::Result &r, const QVector<double> &z)
{
    struct Line {
        const char *key;
        QColor color;
        const char *name;
    };
    const Line lines[] = {
        {"pump_fwd_w_z", QColor(0, 110, 200), QT_TRANSLATE_NOOP("fbamp", "前向泵浦")},
        {"pump_bwd_w_z", QColor(120, 60, 200), QT_TRANSLATE_NOOP("fbamp", "后向泵浦")},
        {"signal_w_z", QColor(220, 40, 30), QT_TRANSLATE_NOOP("fbamp", "信号")},
        {"laser_bwd_w_z", QColor(240, 140, 0), QT_TRANSLATE_NOOP("fbamp", "后向激光")},
        {"ase_fwd_w_z", QColor(0, 150, 70), QT_TRANSLATE_NOOP("fbamp", "前向ASE")},
        {"ase_bwd_w_z", QColor(120, 160, 40), QT_TRANSLATE_NOOP("fbamp", "后向ASE")},
    };
    double peak = 0;
    for (const Line &l : lines) {
        const QVector<double> y = curve(r, l.key);
        if (!hasPower(y))
            continue;
        peak = std::max(peak, *std::max_element(y.begin(), y.end()));
        addGraph(plot, z, y, l.color, QCoreApplication::translate("fbamp", l.name));
    }
    plot->yAxis->setScaleType(QCPAxis::stLogarithmic);
    plot->yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    plot->yAxis->setNumberFormat(QStringLiteral("eb"));
    plot->yAxis->setNumberPrecision(0);
    if (peak > 0)
        plot->yAxis->setRange(peak * std::pow(10.0, -kPowerDecades), peak * 2);
    showLegend(plot);
}

std::vector<double> values(const velmora::calc::Result &r, const char *key)
{
    const auto it = r.outputs.find(key);
    return it == r.outputs.end() ? std::vector<double>() : it->second.data;
}

QVector<double> qvector(const std::vector<double> &v)
{
    return QVector<double>(v.begin(), v.end());
}

} // namespace

std::vector<double> spectralDensityDbmPerNm(const std::vector<double> &nm,
                                            const std::vector<double> &dbm)
{
    std::vector<double> density(dbm.size());
    const std::size_t n = std::min(nm.size(), dbm.size());
    for (std::size_t i = 0; i < n; ++i) {
        const double left = i > 0 ? nm[i] - nm[i - 1] : nm[i + 1 < n ? i + 1 : i] - nm[i];
        const double right = i + 1 < n ? nm[i + 1] - nm[i] : left;
        const double width = i > 0 && i + 1 < n ? (left + right) / 2 : (i > 0 ? left : right);
        density[i] = width > 0 ? dbm[i] - 10 * std::log10(width) : dbm[i];
    }
    return density;
}

void labelAmplifierPlots(FbampForm &form)
{
    labelAxes(form.powerPlot, QStringLiteral("z (m)"),
              QCoreApplication::translate("fbamp", "功率 (W)"));
    labelAxes(form.inversionPlot, QStringLiteral("z (m)"), QStringLiteral("N2/Nt"));
    labelAxes(form.spectrumPlot, QCoreApplication::translate("fbamp", "波长 (nm)"),
              QCoreApplication::translate("fbamp", "谱密度 (dBm/nm)"));
    labelAxes(form.heatPlot, QStringLiteral("z (m)"),
              QCoreApplication::translate("fbamp", "热负载 q (W/m)"));
}

void clearAmplifierPlots(FbampForm &form)
{
    for (QCustomPlot *p : {form.powerPlot, form.inversionPlot, form.spectrumPlot, form.heatPlot}) {
        p->clearGraphs();
        p->clearItems();
        p->legend->setVisible(false);
        p->replot();
    }
}

void drawAmplifierPlots(FbampForm &form, const velmora::calc::Result &r, double signalNm)
{
    clearAmplifierPlots(form);
    const QVector<double> z = curve(r, "z_m");
    const double length = z.isEmpty() ? 1 : z.back();

    drawPowers(form.powerPlot, r, z);
    form.powerPlot->xAxis->setRange(0, length);

    addGraph(form.inversionPlot, z, curve(r, "n2_fraction"), QColor(200, 30, 120), QString());
    form.inversionPlot->xAxis->setRange(0, length);
    form.inversionPlot->yAxis->setRange(0, 1);

    const std::vector<double> nm = values(r, "ase_nm");
    if (!nm.empty()) {
        addGraph(form.spectrumPlot, qvector(nm),
                 qvector(spectralDensityDbmPerNm(nm, values(r, "ase_fwd_dbm"))), QColor(0, 150, 70),
                 QCoreApplication::translate("fbamp", "前向ASE"));
        addGraph(form.spectrumPlot, qvector(nm),
                 qvector(spectralDensityDbmPerNm(nm, values(r, "ase_bwd_dbm"))),
                 QColor(120, 60, 200), QCoreApplication::translate("fbamp", "后向ASE"));
        form.spectrumPlot->rescaleAxes();
        // The signal: a dashed line at its wavelength, named in the legend.
        QCPGraph *signal = form.spectrumPlot->addGraph();
        const QCPRange y = form.spectrumPlot->yAxis->range();
        signal->setData(QVector<double>{signalNm, signalNm}, QVector<double>{y.lower, y.upper});
        signal->setPen(QPen(QColor(220, 40, 30), 1.2, Qt::DashLine));
        signal->setName(QCoreApplication::translate("fbamp", "信号 %1 nm").arg(signalNm));
        form.spectrumPlot->xAxis->setRange(std::min(nm.front(), signalNm - 1),
                                           std::max(nm.back(), signalNm + 1));
        showLegend(form.spectrumPlot);
    }

    // The heat load q and its two parts (ybamplifier.h): the quantum-defect
    // heat and the spontaneous emission that escapes the core sideways.
    addGraph(form.heatPlot, z, curve(r, "heat_w_m_z"), QColor(220, 80, 0),
             QCoreApplication::translate("fbamp", "热负载q（合计）"));
    const QVector<double> defect = curve(r, "heat_qd_w_m_z");
    if (!defect.isEmpty()) {
        addGraph(form.heatPlot, z, defect, QColor(160, 20, 20),
                 QCoreApplication::translate("fbamp", "量子亏损热"));
        addGraph(form.heatPlot, z, curve(r, "heat_fl_w_m_z"), QColor(0, 110, 200),
                 QCoreApplication::translate("fbamp", "逸出荧光"));
        showLegend(form.heatPlot);
    }
    form.heatPlot->rescaleAxes();
    form.heatPlot->yAxis->setRangeLower(std::min(0.0, form.heatPlot->yAxis->range().lower));
    labelAmplifierPlots(form);

    for (QCustomPlot *p : {form.powerPlot, form.inversionPlot, form.spectrumPlot, form.heatPlot})
        p->replot();
}
