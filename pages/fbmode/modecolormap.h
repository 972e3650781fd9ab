#ifndef MODECOLORMAP_H
#define MODECOLORMAP_H

// The colour-map drawing shared by the fiber-mode maps (the mode map of
// "模式分布", the mixture of "光束质量因子" and the exact mode of "精确模式特性"):
// the jet gradient, filling a map from a field grid (fieldmaps.h convention)
// and a colour range that stays defined for flat maps.

#include "fieldmaps.h"

#include <qcustomplot.h>

#include <vector>

// Jet colours; non-finite cells stay transparent, so the white background
// shows through.
QCPColorGradient jetGradient();

// Copies a grid into the colour map: key (horizontal) index = the grid's outer
// index, value index = its inner index.
void fillColorMap(QCPColorMap *map, const std::vector<double> &grid);

// The colour range of the map: its data bounds (recomputed first when asked).
// A map without spread (LP01's phase is pi everywhere, an all-zero mixture) has
// no valid range of its own; it is shown on [min(0, v), max(0, v)] (or [v, v+1])
// so that the colours stay defined.
void applyDataRange(QCPColorMap *map, bool recalculate);

// A kFieldGridSize-square colour map on the plot's x and y axes, jet gradient.
QCPColorMap *createColorMap(QCustomPlot *plot);

#endif // MODECOLORMAP_H
