#include "modecolormap.h"

#include <algorithm>
#include <cmath>
#include <limits>

QCPColorGradient jetGradient()
{
    QCPColorGradient gradient(QCPColorGradient::gpJet);
    gradient.setNanHandling(QCPColorGradient::nhTransparent);
    return gradient;
}

void fillColorMap(QCPColorMap *map, const std::vector<double> &grid)
{
    QCPColorMapData *data = map->data();
    for (int i = 0; i < kFieldGridSize; ++i)
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double v = grid[fieldGridIndex(i, j)];
            data->setCell(i, j, std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN());
        }
}

void applyDataRange(QCPColorMap *map, bool recalculate)
{
    if (recalculate)
        map->data()->recalculateDataBounds();
    const QCPRange bounds = map->data()->dataBounds();
    if (QCPRange::validRange(bounds)) {
        map->setDataRange(bounds);
        return;
    }
    const double lower = std::min(0.0, bounds.lower);
    double upper = std::max(0.0, bounds.upper);
    if (!(upper > lower))
        upper = lower + 1;
    map->setDataRange(QCPRange(lower, upper));
}

QCPColorMap *createColorMap(QCustomPlot *plot)
{
    auto *map = new QCPColorMap(plot->xAxis, plot->yAxis);
    map->data()->setSize(kFieldGridSize, kFieldGridSize);
    map->setGradient(jetGradient());
    return map;
}
