#ifndef FIELDMAPPLOT_H
#define FIELDMAPPLOT_H

// The mode-map drawing of "模式分布", shared by the page (its map plot) and the
// mode-map pictures it hands to the picture export (drawn on the export's
// plot, one after another), and the list of those pictures.

#include "calculator.h"

#include <QString>

#include <vector>

class QCPColorMap;
class QCustomPlot;

// Prepares a plot for field maps once: square axis rectangle, the full axes
// box (top/right ranges following bottom/left) and the jet colour map.
QCPColorMap *setupFieldMapPlot(QCustomPlot *plot);

// Draws a 501×501 grid over ±2a (a in μm) with fixed ticks every a, and the
// red core circle when asked. A grid of the wrong size, or a radius that
// gives no scale (0, NaN), leaves the plot empty.
void drawFieldMap(QCustomPlot *plot, QCPColorMap *map, double aMicron,
                  const std::vector<double> &grid, bool coreCircle);

// One mode-map picture: the inputs of modes.field_map (the fiber of the last
// mode list, the row, the orientation and the kind), the core circle, and the
// file name and size of the picture.
struct FieldMapPicture {
    velmora::calc::Inputs inputs;
    bool coreCircle = false;
    QString fileName;
    int width = 400;
    int height = 335;
};

#endif // FIELDMAPPLOT_H
