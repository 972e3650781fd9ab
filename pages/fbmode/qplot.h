#ifndef QPLOT_H
#define QPLOT_H

// The plot type of the fiber-mode maps: a QCustomPlot with a type name of its
// own and no behaviour added.

#include <qcustomplot.h>

class QPlot : public QCustomPlot
{
    Q_OBJECT
public:
    explicit QPlot(QWidget *parent = nullptr) : QCustomPlot(parent) {}
};

#endif // QPLOT_H
