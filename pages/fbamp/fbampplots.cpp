#include "fbampplots.h"

#include "fbampform.h"

#include <qcustomplot.h>

#include <algorithm>

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

// A compact legend in the upper-right corner that lets the curves show through.
void showLegend(QCustomPlot *plot)
{
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
    labelAxes(plot, QStringLiteral("z (m)"), QCoreApplication::translate("fbamp", "功率 (W)"));
}

} // namespace

void clearAmplifierPlots(FbampForm &form)
{
    for (QCustomPlot *p : {form.powerPlot, form.inversionPlot, form.spectrumPlot, form.heatPlot}) {
        p->clearGraphs();
        p->legend->setVisible(false);
        p->replot();
    }
}

void drawAmplifierPlots(FbampForm &form, const velmora::calc::Result &r)
{
    clearAmplifierPlots(form);
    const QVector<double> z = curve(r, "z_m");
    const double length = z.isEmpty() ? 1 : z.back();

    drawPowers(form.powerPlot, r, z);
    form.powerPlot->xAxis->setRange(0, length);

    addGraph(form.inversionPlot, z, curve(r, "n2_fraction"), QColor(200, 30, 120), QString());
    labelAxes(form.inversionPlot, QStringLiteral("z (m)"), QStringLiteral("N2/Nt"));
    form.inversionPlot->xAxis->setRange(0, length);
    form.inversionPlot->yAxis->setRange(0, 1);

    const QVector<double> nm = curve(r, "ase_nm");
    if (!nm.isEmpty()) {
        addGraph(form.spectrumPlot, nm, curve(r, "ase_fwd_dbm"), QColor(0, 150, 70),
                 QCoreApplication::translate("fbamp", "前向ASE"));
        addGraph(form.spectrumPlot, nm, curve(r, "ase_bwd_dbm"), QColor(120, 60, 200),
                 QCoreApplication::translate("fbamp", "后向ASE"));
        form.spectrumPlot->rescaleAxes();
        showLegend(form.spectrumPlot);
    }
    labelAxes(form.spectrumPlot, QCoreApplication::translate("fbamp", "波长 (nm)"),
              QCoreApplication::translate("fbamp", "每段功率 (dBm)"));

    addGraph(form.heatPlot, z, curve(r, "heat_w_m_z"), QColor(220, 80, 0), QString());
    form.heatPlot->rescaleAxes();
    form.heatPlot->yAxis->setRangeLower(std::min(0.0, form.heatPlot->yAxis->range().lower));
    labelAxes(form.heatPlot, QStringLiteral("z (m)"),
              QCoreApplication::translate("fbamp", "热负载 q (W/m)"));

    for (QCustomPlot *p : {form.powerPlot, form.inversionPlot, form.spectrumPlot, form.heatPlot})
        p->replot();
}
