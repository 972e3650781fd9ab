// Saving the sweep window's table (CSV, XLSX through the export writers) and
// plot (PNG, JPEG, PDF, SVG). Every file is written completely elsewhere
// first and only then put in place, so a failed save keeps the old file.
#include "sweepwindow.h"

#include "atomicfile.h"
#include "sheet.h"
#include "sheetwriters.h"

#include <qcustomplot.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTableWidget>

namespace {

constexpr int kPlotWidth = 1000;
constexpr int kPlotHeight = 620;

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// QSaveFile with every write and the flush checked before the commit.
bool saveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = SweepWindow::tr("无法写入文件 %1：%2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = SweepWindow::tr("写入文件 %1 失败：%2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = SweepWindow::tr("写入文件 %1 失败：%2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool SweepWindow::saveTable(const QString &path, QString *error) const
{
    Sheet sheet;
    for (int c = 0; c < m_points->columnCount(); ++c) {
        const QTableWidgetItem *header = m_points->horizontalHeaderItem(c);
        sheet.setText(1, c + 1, header ? header->text() : QString());
    }
    for (int r = 0; r < m_points->rowCount(); ++r)
        for (int c = 0; c < m_points->columnCount(); ++c) {
            const QTableWidgetItem *item = m_points->item(r, c);
            sheet.setText(r + 2, c + 1, item ? item->text() : QString());
        }
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("csv"))
        return CsvWriter().write(sheet, path, error);
    if (suffix == QLatin1String("xlsx"))
        return XlsxWriter().write(sheet, path, error);
    *error = SweepWindow::tr("不支持的表格格式：%1（请用 .csv 或 .xlsx）").arg(path);
    return false;
}

bool SweepWindow::savePlot(const QString &path, QString *error) const
{
    const QString suffix = suffixOf(path);
    if (suffix == QLatin1String("png") || suffix == QLatin1String("jpg") ||
        suffix == QLatin1String("jpeg")) {
        const QImage image = m_plot->toPixmap(kPlotWidth, kPlotHeight).toImage();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, suffix == QLatin1String("png") ? "png" : "jpg");
        if (suffix != QLatin1String("png"))
            writer.setQuality(95);
        if (!writer.write(image)) {
            *error = SweepWindow::tr("无法生成图片：%1").arg(writer.errorString());
            return false;
        }
        return saveBytes(path, bytes, error);
    }
    if (suffix == QLatin1String("svg")) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(kPlotWidth, kPlotHeight));
        generator.setViewBox(QRect(0, 0, kPlotWidth, kPlotHeight));
        generator.setTitle(windowTitle());
        QCPPainter painter;
        if (!painter.begin(&generator)) {
            *error = SweepWindow::tr("无法生成 SVG 图片");
            return false;
        }
        m_plot->toPainter(&painter, kPlotWidth, kPlotHeight);
        painter.end();
        if (bytes.isEmpty()) {
            *error = SweepWindow::tr("无法生成 SVG 图片");
            return false;
        }
        return saveBytes(path, bytes, error);
    }
    if (suffix == QLatin1String("pdf")) {
        // QCustomPlot writes the PDF itself: into a temporary file, checked
        // to be a PDF, then renamed over the target.
        AtomicFileReplacer replacer(path);
        if (!replacer.prepare(error))
            return false;
        if (!m_plot->savePdf(replacer.temporaryPath(), kPlotWidth, kPlotHeight)) {
            *error = SweepWindow::tr("无法写入 PDF 文件 %1").arg(path);
            return false;
        }
        QFile written(replacer.temporaryPath());
        if (!written.open(QIODevice::ReadOnly) || !written.read(5).startsWith("%PDF") ||
            written.size() < 200) {
            *error = SweepWindow::tr("写入 PDF 文件 %1 失败").arg(path);
            return false;
        }
        written.close();
        return replacer.commit(error);
    }
    *error = SweepWindow::tr("不支持的图片格式：%1（请用 .png、.jpg、.pdf 或 .svg）").arg(path);
    return false;
}
