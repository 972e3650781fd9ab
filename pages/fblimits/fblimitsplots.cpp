#include "fblimitsplots.h"

#include "fblimits/calc/limitsinputs.h"
#include "fblimitsform.h"
#include "uilanguage.h"

#include <qcustomplot.h>

#include <QCoreApplication>

#include <cmath>

namespace {

// One colour per limit, in powerlimits order.
const QColor kLimitColors[powerlimits::kLimitCount] = {
    QColor(140, 86, 75),  QColor(214, 39, 40),   QColor(255, 127, 14), QColor(31, 119, 180),
    QColor(23, 190, 207), QColor(127, 127, 127), QColor(44, 160, 44),  QColor(148, 103, 189)};

QString tr(const char *text)
{
    return QCoreApplication::translate("fblimits", text);
}

void resetPlot(QCustomPlot *p)
{
    p->clearPlottables();
    p->clearItems();
    p->clearGraphs();
    for (auto *element : p->plotLayout()->elements(false))
        if (qobject_cast<QCPColorScale *>(element))
            p->plotLayout()->remove(element);
    p->plotLayout()->simplify();
    p->legend->setVisible(false);
    p->xAxis->setScaleType(QCPAxis::stLinear);
    p->yAxis->setScaleType(QCPAxis::stLinear);
    p->yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
}

void setMapAxes(QCustomPlot *p)
{
    p->xAxis->setLabel(tr("纤芯直径 [μm]"));
    p->yAxis->setLabel(tr("光纤长度 [m]"));
    p->yAxis->setScaleType(QCPAxis::stLogarithmic);
    p->yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
}

// A colour map over the scan's grid; rows are lengths (geometric), so the
// value axis is logarithmic and the cells are even in it.
QCPColorMap *colorMap(QCustomPlot *p, const velmora::calc::OutputValue &data,
                      const std::vector<double> &d, const std::vector<double> &l, double scale)
{
    auto *map = new QCPColorMap(p->xAxis, p->yAxis);
    const int rows = int(l.size()), cols = int(d.size());
    map->data()->setSize(cols, rows);
    map->data()->setRange(QCPRange(d.front(), d.back()), QCPRange(l.front(), l.back()));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            map->data()->setCell(j, i, data.data[std::size_t(i) * cols + j] * scale);
    map->setInterpolate(false);
    return map;
}

void markBest(QCustomPlot *p, double d, double l)
{
    auto *g = p->addGraph();
    g->setLineStyle(QCPGraph::lsNone);
    g->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssStar, Qt::white, 12));
    g->setData({d}, {l});
    g->setName(tr("最佳设计"));
}

} // namespace

void clearLimitsPlots(FblimitsForm &ui)
{
    for (QCustomPlot *p : {ui.powerMapPlot, ui.bindingMapPlot, ui.curvesPlot}) {
        resetPlot(p);
        p->replot();
    }
}

void drawLimitsPlots(FblimitsForm &ui, const velmora::calc::Result &r)
{
    clearLimitsPlots(ui);
    const std::vector<double> &d = r.outputs.at("diameters_um").data;
    const std::vector<double> &l = r.outputs.at("lengths_m").data;
    const double bestD = r.outputs.at("core_diameter_um_at_max").value;
    const double bestL = r.outputs.at("length_m_at_max").value;

    // P_max in kW.
    QCustomPlot *pm = ui.powerMapPlot;
    setMapAxes(pm);
    QCPColorMap *power = colorMap(pm, r.outputs.at("p_max_map_w"), d, l, 1e-3);
    auto *scale = new QCPColorScale(pm);
    pm->plotLayout()->addElement(0, 1, scale);
    scale->setLabel(tr("最大输出功率 [kW]"));
    power->setColorScale(scale);
    power->setGradient(QCPColorGradient::gpJet);
    power->rescaleDataRange(true);
    markBest(pm, bestD, bestL);
    pm->rescaleAxes();
    pm->replot();

    // The binding limit: one colour per limit, the legend naming them.
    QCustomPlot *pb = ui.bindingMapPlot;
    setMapAxes(pb);
    QCPColorMap *binding = colorMap(pb, r.outputs.at("binding_map"), d, l, 1.0);
    QCPColorGradient regions;
    regions.setLevelCount(powerlimits::kLimitCount);
    regions.clearColorStops();
    for (int i = 0; i < powerlimits::kLimitCount; ++i)
        regions.setColorStopAt(double(i) / (powerlimits::kLimitCount - 1), kLimitColors[i]);
    regions.setColorInterpolation(QCPColorGradient::ciRGB);
    binding->setGradient(regions);
    binding->setDataRange(QCPRange(0, powerlimits::kLimitCount - 1));
    binding->setSelectable(QCP::stNone);
    std::vector<bool> present(powerlimits::kLimitCount, false);
    for (double v : r.outputs.at("binding_map").data)
        if (v >= 0 && v < powerlimits::kLimitCount)
            present[std::size_t(v)] = true;
    pb->legend->setVisible(true);
    pb->legend->setFont(QFont(pb->font().family(), 7));
    pb->legend->setBrush(QColor(255, 255, 255, 200));
    pb->legend->clearItems();
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        if (!present[std::size_t(i)])
            continue;
        auto *swatch = pb->addGraph();
        swatch->setLineStyle(QCPGraph::lsNone);
        swatch->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssSquare, kLimitColors[i], kLimitColors[i], 9));
        swatch->setName(inUiLanguage(velmora::calc::limitCaption(powerlimits::limitAt(i))));
    }
    markBest(pb, bestD, bestL);
    pb->rescaleAxes();
    pb->replot();

    // Each limit against the core diameter at the best length.
    QCustomPlot *pc = ui.curvesPlot;
    pc->xAxis->setLabel(tr("纤芯直径 [μm]"));
    pc->yAxis->setLabel(tr("最大输出功率 [kW]"));
    pc->yAxis->setScaleType(QCPAxis::stLogarithmic);
    pc->yAxis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
    pc->legend->setVisible(true);
    pc->legend->setFont(QFont(pc->font().family(), 7));
    pc->legend->setBrush(QColor(255, 255, 255, 200)); // the curves show through
    pc->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignBottom | Qt::AlignRight);
    double lo = INFINITY, hi = 0;
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const auto limit = powerlimits::limitAt(i);
        const auto &curve =
            r.outputs.at(std::string("curve_") + powerlimits::limitId(limit) + "_w").data;
        QVector<double> x, y;
        for (std::size_t j = 0; j < curve.size(); ++j)
            if (std::isfinite(curve[j]) && curve[j] > 0) {
                x.push_back(d[j]);
                y.push_back(curve[j] * 1e-3);
                lo = std::min(lo, curve[j] * 1e-3);
                hi = std::max(hi, curve[j] * 1e-3);
            }
        if (x.isEmpty())
            continue;
        auto *g = pc->addGraph();
        g->setData(x, y);
        g->setPen(QPen(kLimitColors[i], 2));
        g->setName(inUiLanguage(velmora::calc::limitCaption(limit)));
    }
    pc->xAxis->setRange(d.front(), d.back());
    if (hi > 0) {
        const double best = r.outputs.at("p_max_w").value * 1e-3;
        pc->yAxis->setRange(std::max(lo, best / 100) / 2, std::min(hi, best * 100) * 2);
    }
    pc->replot();
}
