#include "plotsquare.h"

#include <qcustomplot.h>

void keepAxisRectSquare(QCustomPlot *plot)
{
    // afterLayout comes after the margin and layout passes of every replot and
    // of every picture export (toPixmap lays the plot out for its own size), and
    // the next layout recomputes the automatic margins from scratch, so the
    // widening here never accumulates.
    QObject::connect(plot, &QCustomPlot::afterLayout, plot, [plot] {
        QCPAxisRect *rect = plot->axisRect();
        if (!rect)
            return;
        const int excess = rect->width() - rect->height();
        if (excess == 0)
            return;
        QMargins margins = rect->margins();
        const int half = std::abs(excess) / 2;
        const int rest = std::abs(excess) - half;
        if (excess > 0) {
            margins.setLeft(margins.left() + half);
            margins.setRight(margins.right() + rest);
        } else {
            margins.setTop(margins.top() + half);
            margins.setBottom(margins.bottom() + rest);
        }
        rect->setMargins(margins);
    });
}
