#include "fieldmapplot.h"

#include "fieldmaps.h"
#include "modecolormap.h"
#include "plotsquare.h"

#include <qcustomplot.h>

#include <cmath>

namespace {

void drawCoreCircle(QCustomPlot *plot, double aMicron)
{
    QVector<double> x(501), y(501);
    for (int k = 1; k <= 501; ++k) {
        const double t = (k - 1) * 0.012566370614359173; // 2 pi / 500
        x[k - 1] = aMicron * std::cos(t);
        y[k - 1] = aMicron * std::sin(t);
    }
    QCPGraph *circle = plot->addGraph();
    circle->setLineStyle(QCPGraph::lsNone);
    // Adaptive sampling thins points sharing a pixel column, which would open
    // gaps where the circle runs vertically.
    circle->setAdaptiveSampling(false);
    circle->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QPen(Qt::red), QBrush(), 1));
    circle->setPen(QPen(QBrush(Qt::red), 4, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    circle->setData(x, y); // a graph keeps its points sorted by key; a scatter does not care
}

} // namespace

QCPColorMap *setupFieldMapPlot(QCustomPlot *plot)
{
    keepAxisRectSquare(plot);
    // The full axes box with the top/right ranges following bottom/left; every
    // call with true adds one more pair of range connections, so they are made
    // here once and redraws only refresh the box.
    plot->axisRect()->setupFullAxesBox(true);
    return createColorMap(plot);
}

void drawFieldMap(QCustomPlot *plot, QCPColorMap *map, double aMicron,
                  const std::vector<double> &grid, bool coreCircle)
{
    plot->clearGraphs();
    // A missing grid, or a core radius that gives no scale (0, NaN: the fixed
    // tick step would be 0), leaves the plot empty.
    const bool drawable = std::isfinite(aMicron) && aMicron > 0 && grid.size() == kFieldGridCells;
    map->setVisible(drawable);
    if (!drawable) {
        plot->replot();
        return;
    }

    plot->setBackground(QBrush(QColor(255, 255, 255, 255)));
    plot->axisRect()->setupFullAxesBox(false); // ranges connected in setupFieldMapPlot
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
    map->data()->setRange(span, span);
    plot->addGraph(); // graph 0 stays empty; the core circle is graph 1
    fillColorMap(map, grid);
    applyDataRange(map, true); // rescaleDataRange(true), defined for flat maps
    plot->rescaleAxes(false);

    if (coreCircle)
        drawCoreCircle(plot, aMicron);
    plot->replot();
}
