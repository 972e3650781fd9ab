// Saving the sweep window's table (CSV, XLSX through the export writers) and
// plot (PNG, JPEG, PDF, SVG). Every file is written completely elsewhere
// first and only then put in place, so a failed save keeps the old file.
#include "sweepwindow.h"

#include "atomicfile.h"
#include "catalogue.h"
#include "sheet.h"
#include "sheetwriters.h"
#include "sweepseries.h"
#include "textformat.h"
#include "uilanguage.h"

#include <qcustomplot.h>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTableWidget>

#include <cmath>
#include <utility>
#include <vector>

using namespace velmora::calc;

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

// The shortest text that reads back as exactly `v` (at most 17 digits).
QString fullPrecision(double v)
{
    for (int digits = 6; digits < 17; ++digits) {
        const QString text = QString::number(v, 'g', digits);
        if (text.toDouble() == v)
            return text;
    }
    return QString::number(v, 'g', 17);
}

// Qt's SVG writer ignores clipping, so a curve would run past the axes:
// the points outside the visible ranges (and the non-positive ones of a
// logarithmic axis) are left out of the SVG while it is drawn.
class SvgClip
{
public:
    explicit SvgClip(QCustomPlot *plot)
    {
        for (int g = 0; g < plot->graphCount(); ++g) {
            QCPGraph *graph = plot->graph(g);
            QSharedPointer<QCPGraphDataContainer> all(new QCPGraphDataContainer);
            all->add(*graph->data());
            m_kept.emplace_back(graph, all);
            const QCPRange keys = graph->keyAxis()->range();
            const QCPRange values = graph->valueAxis()->range();
            auto outside = [&](const QCPGraphData &d) {
                return !keys.contains(d.key) || !values.contains(d.value);
            };
            QSharedPointer<QCPGraphDataContainer> shown(new QCPGraphDataContainer);
            for (auto it = all->constBegin(); it != all->constEnd(); ++it)
                if (!outside(*it))
                    shown->add(*it);
            graph->setData(shown);
        }
    }
    ~SvgClip()
    {
        for (auto &[graph, data] : m_kept)
            graph->setData(data);
    }
    SvgClip(const SvgClip &) = delete;
    SvgClip &operator=(const SvgClip &) = delete;

private:
    std::vector<std::pair<QCPGraph *, QSharedPointer<QCPGraphDataContainer>>> m_kept;
};

} // namespace

bool SweepWindow::saveTable(const QString &path, QString *error) const
{
    // Header rows: the calculator, then the fixed inputs of the sweep shown
    // (its own, not what the form holds now) with their units; then the
    // table, numbers as numbers at full precision.
    Sheet sheet;
    int row = 1;
    const Calculator *calculator = catalogue().find(m_running.calculatorId);
    if (calculator) {
        const CalculatorDescription &description = calculator->description();
        sheet.setText(row, 1, tr("计算"));
        sheet.setText(row, 2, QString::fromStdString(description.id));
        sheet.setText(row++, 3, inUiLanguage(description.title));
        sheet.setText(row++, 1, tr("固定参数"));
        for (const Assignment &a : m_running.fixed) {
            const FieldDescription *f = description.field(a.first);
            sheet.setText(row, 1, f ? inUiLanguage(f->caption) : QString::fromStdString(a.first));
            double value = 0;
            const QString text = QString::fromStdString(a.second);
            if (f && f->kind == ValueKind::Number && parseNumber(a.second, &value))
                sheet.setValue(row, 2, text);
            else
                sheet.setText(row, 2, text);
            sheet.setText(row++, 3, f ? QString::fromStdString(f->unit) : QString());
        }
        ++row; // a blank row before the table
    }
    for (int c = 0; c < m_points->columnCount(); ++c) {
        const QTableWidgetItem *header = m_points->horizontalHeaderItem(c);
        sheet.setText(row, c + 1, header ? header->text() : QString());
    }
    ++row;
    const bool grouped = !m_running.groupKey.empty();
    for (const SweepRow &r : m_table.rows) {
        int c = 1;
        auto number = [&](double v) {
            if (std::isfinite(v))
                sheet.setValue(row, c, fullPrecision(v));
            ++c;
        };
        number(r.x);
        if (grouped)
            number(r.group);
        number(r.value1);
        if (!m_running.output2.empty())
            number(r.value2);
        sheet.setText(row++, c, QString::fromStdString(r.notice));
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
        const SvgClip clip(m_plot);
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
