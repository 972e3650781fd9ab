// Colour maps of the field grids: the mode map of "模式分布" and the mixture
// map of "光束质量因子". Each plot and its colour map are created once and
// refilled on every redraw.

#include "fbmode.h"

#include "fbmodeform.h"
#include "fieldmapplot.h"
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
    m_modeColorMap = setupFieldMapPlot(m_mapPlot);
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
    drawFieldMap(m_mapPlot, m_modeColorMap, a / 1e-6, grid, core);
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
    m_mixtureColorMap->setVisible(true);      // hidden by clearResults
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
