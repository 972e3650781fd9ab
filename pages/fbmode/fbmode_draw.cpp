// Colour maps of the field grids: the mode map of "模式分布" and the mixture
// map of "光束质量因子". Each plot and its colour map are created once and
// refilled on every redraw.

#include "fbmode.h"

#include "fbmodeform.h"
#include "fieldmaps.h"
#include "modecolormap.h"
#include "plotsquare.h"
#include "qplot.h"

#include <algorithm>
#include <cmath>
#include <limits>

void fbmode::ensureMapPlot()
{
    if (m_mapPlot)
        return;
    m_mapPlot = new QPlot(ui->mapPlot);
    m_mapPlot->setObjectName(QStringLiteral("modeMapPlot"));
    m_mapPlot->setFixedSize(ui->mapPlot->width(), ui->mapPlot->height());
    keepAxisRectSquare(m_mapPlot);
    // The full axes box with the top/right ranges following bottom/left; every
    // call with true adds one more pair of range connections, so they are made
    // here once and redraws only refresh the box.
    m_mapPlot->axisRect()->setupFullAxesBox(true);
    m_modeColorMap = createColorMap(m_mapPlot);
    m_mapPlot->show();
}

QCustomPlot *fbmode::modeMapPlot() const
{
    return m_mapPlot;
}

QCustomPlot *fbmode::mixturePlot() const
{
    return ui->customPlot_3;
}

void fbmode::drawModeMap(double a, const std::vector<double> &grid, bool core)
{
    ensureMapPlot();
    QPlot *plot = m_mapPlot;
    plot->clearGraphs();

    const double aMicron = a / 1e-6;
    // A missing grid, or a core radius that gives no scale (0, NaN: the fixed
    // tick step would be 0), leaves the plot empty.
    const bool drawable = std::isfinite(aMicron) && aMicron > 0 && grid.size() == kFieldGridCells;
    m_modeColorMap->setVisible(drawable);
    if (!drawable) {
        plot->replot();
        return;
    }

    plot->setBackground(QBrush(QColor(255, 255, 255, 255)));
    plot->axisRect()->setupFullAxesBox(false); // ranges connected in ensureMapPlot
    plot->xAxis->setLabel(QStringLiteral("X position(μm)"));
    plot->yAxis->setLabel(QStringLiteral("Y position(μm)"));
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        axis->setTickLength(1, 0);
        axis->setSubTickLength(0, 0);
        QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
        ticker->setTickStep(aMicron * 4 * 0.25);
        ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
        axis->setTicker(ticker);
    }
    for (QCPAxis *axis : {plot->xAxis2, plot->yAxis2}) {
        axis->setTickLength(0, 0);
        axis->setSubTickLength(0, 0);
    }

    const QCPRange span(-2 * aMicron, 2 * aMicron);
    m_modeColorMap->data()->setRange(span, span);
    plot->addGraph(); // graph 0 stays empty; the core circle is graph 1
    fillColorMap(m_modeColorMap, grid);
    applyDataRange(m_modeColorMap, true); // rescaleDataRange(true), defined for flat maps
    plot->rescaleAxes(false);

    if (core)
        drawCoreCircle(aMicron);
    plot->replot();
}

void fbmode::drawCoreCircle(double aMicron)
{
    QVector<double> x(501), y(501);
    for (int k = 1; k <= 501; ++k) {
        const double t = (k - 1) * 0.012566370614359173; // 2 pi / 500
        x[k - 1] = aMicron * std::cos(t);
        y[k - 1] = aMicron * std::sin(t);
    }
    QCPGraph *circle = m_mapPlot->addGraph();
    circle->setLineStyle(QCPGraph::lsNone);
    // Adaptive sampling thins points sharing a pixel column, which would open
    // gaps where the circle runs vertically.
    circle->setAdaptiveSampling(false);
    circle->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QPen(Qt::red), QBrush(), 1));
    circle->setPen(QPen(QBrush(Qt::red), 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    circle->setData(x, y); // a graph keeps its points sorted by key; a scatter does not care
}

void fbmode::drawMixtureMap()
{
    QCustomPlot *plot = ui->customPlot_3;
    if (!m_mixtureColorMap) {
        keepAxisRectSquare(plot);
        plot->axisRect()->setupFullAxesBox(true); // range connections made once
        m_mixtureColorMap = createColorMap(plot);
    }
    plot->axisRect()->setupFullAxesBox(false);
    plot->rescaleAxes(false);
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        axis->setTicks(false);
        axis->setTickLabels(false);
    }
    m_mixtureColorMap->data()->setRange(QCPRange(-2, 2), QCPRange(-2, 2));
    fillColorMap(m_mixtureColorMap, m_mixtureGrid);
    applyDataRange(m_mixtureColorMap, false); // rescaleDataRange(false), defined for flat maps
    plot->rescaleAxes(false);
    plot->replot();
}

void fbmode::redrawMixtureMap()
{
    if (m_mixtureGrid.size() != kFieldGridCells)
        return; // no beam-quality calculation yet
    drawMixtureMap();
}
