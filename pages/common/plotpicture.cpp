#include "plotpicture.h"

#include "atomicfile.h"

#include <qcustomplot.h>
#include <QCoreApplication>
#include <QImageReader>

bool savePlotJpeg(QCustomPlot *plot, const QString &path, int width, int height, QString *error)
{
    if (!plot) {
        if (error)
            *error = QCoreApplication::translate("PlotPicture", "没有可保存的图");
        return false;
    }
    AtomicFileReplacer target(path);
    if (!target.prepare(error))
        return false;
    if (!plot->saveJpg(target.temporaryPath(), width, height, 1.0, kPictureJpegQuality)) {
        if (error)
            *error = QCoreApplication::translate("PlotPicture", "图片写入失败");
        return false;
    }
    QImageReader check(target.temporaryPath(), "jpeg");
    if (check.format() != "jpeg" || check.size() != QSize(width, height)) {
        if (error)
            *error = QCoreApplication::translate("PlotPicture", "写入的图片不完整");
        return false;
    }
    return target.commit(error);
}
