#include "exportformats.h"

#include "pageexport.h"
#include "plotpicture.h"
#include "sheetwriters.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>

#include <qcustomplot.h>

#include <algorithm>
#include <memory>

const char *const kPicturesSavedMessage =
    QT_TRANSLATE_NOOP("PictureExport", "图片保存在指定目录下");
const char *const kCalculateFirstMessage =
    QT_TRANSLATE_NOOP("PictureExport", "请先点击计算按钮再保存图片");
const char *const kNoPictureOnTabMessage =
    QT_TRANSLATE_NOOP("PictureExport", "当前选项卡中无图片数据导出");
const char *const kNoPictureOnPageMessage =
    QT_TRANSLATE_NOOP("PictureExport", "当前选项卡无图片导出.\n");

namespace {

QString trExport(const char *text)
{
    return QCoreApplication::translate("PictureExport", text);
}

// A tab that exports a table of numbers (the small-signal gain spectrum)
// writes it with the CSV writer in its plain form; it is comma-separated
// text, so it must not sit under a workbook's name.
SheetExportResult exportNumberTable(const NumberTableExport &table, QString path)
{
    SheetExportResult result;
    if (sheetFormatOf(path) == SheetFormat::Xlsx)
        path = path.left(path.size() - 5) + QStringLiteral(".csv");
    result.path = path;
    if (!table.error.isEmpty()) {
        result.error = table.error;
        return result;
    }
    if (!CsvWriter(CsvWriter::PlainNumbers)
             .write(numberTable(table.columns, table.digits), path, &result.error))
        return result;
    result.status = SheetExportResult::Written;
    return result;
}

// A curve the page hands over, beside the tab's rows: a header row, then one
// row per point. A curve without points adds nothing.
void appendCurve(Sheet &sheet, const SheetCurve &curve)
{
    const std::size_t points = std::min(curve.x.size(), curve.y.size());
    if (points == 0)
        return;
    sheet.setText(1, curve.column, curve.xHeader);
    sheet.setText(1, curve.column + 1, curve.yHeader);
    for (std::size_t i = 0; i < points; ++i) {
        const int row = 2 + static_cast<int>(i);
        sheet.setValue(row, curve.column, QString::number(curve.x[i], 'g', 10));
        sheet.setValue(row, curve.column + 1, QString::number(curve.y[i], 'g', 10));
    }
}

void recordSave(PictureExportResult &result, bool ok, const QString &path, const QString &error)
{
    if (ok)
        result.written.append(path);
    else
        result.failed.append(QFileInfo(path).fileName() +
                             QCoreApplication::translate("PictureExport", "：") + error);
}

bool savePicture(const PagePicture &picture, QCustomPlot *scratch, const QString &path,
                 QString *error)
{
    if (!picture.draw)
        return savePlotJpeg(picture.plot, path, picture.width, picture.height, error);
    return picture.draw(scratch, error) &&
           savePlotJpeg(scratch, path, picture.width, picture.height, error);
}

// Saves every picture the page handed over, each under its own name: a
// failure names its file and reason and the rest are still saved. Pictures
// the page draws are drawn on a plot of our own, so the page's fields and
// plots stay as they are. Many pictures go under a cancellable progress
// dialog that keeps the event loop running between them.
PictureExportResult savePictures(const TabPictures &tab, const QString &prefix,
                                 QWidget *dialogParent)
{
    PictureExportResult result;
    QCustomPlot scratch;
    std::unique_ptr<QProgressDialog> progress;
    if (!tab.progressLabel.isEmpty()) {
        progress = std::make_unique<QProgressDialog>(
            tab.progressLabel, QCoreApplication::translate("PictureExport", "取消"), 0,
            std::max<int>(static_cast<int>(tab.pictures.size()), 1), dialogParent);
        progress->setWindowTitle(QCoreApplication::translate("PictureExport", "导出图片"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
        progress->setAutoClose(false);
    }
    int done = 0;
    for (const PagePicture &picture : tab.pictures) {
        if (progress && progress->wasCanceled()) {
            result.status = PictureExportResult::Cancelled;
            return result;
        }
        const QString path = prefix + picture.fileName;
        QString error;
        recordSave(result, savePicture(picture, &scratch, path, &error), path, error);
        if (progress)
            progress->setValue(++done); // also lets the window repaint
    }
    if (progress)
        progress->close();
    result.status =
        result.failed.isEmpty() ? PictureExportResult::Saved : PictureExportResult::PartlyFailed;
    return result;
}

} // namespace

SheetExportResult exportSheet(QWidget *pageWidget, int tab, const QString &path)
{
    auto *source = dynamic_cast<PageExportSource *>(pageWidget);
    if (source)
        if (const std::optional<NumberTableExport> table = source->numberTable(tab))
            return exportNumberTable(*table, path);

    SheetExportResult result;
    result.path = path;
    // A page class is named after its folder.
    const SheetLayout *layout =
        pageWidget ? findSheetLayout(pageWidget->metaObject()->className(), tab) : nullptr;
    if (!layout || !pageWidget) {
        result.error = QCoreApplication::translate("PictureExport", "当前选项卡没有可导出的数据");
        return result;
    }
    Sheet sheet = fillSheet(*layout, pageWidget);
    if (source)
        for (const SheetCurve &curve : source->sheetCurves(tab))
            appendCurve(sheet, curve);
    const CsvWriter csv;
    const XlsxWriter xlsx;
    const SheetWriter &writer = sheetFormatOf(path) == SheetFormat::Xlsx
                                    ? static_cast<const SheetWriter &>(xlsx)
                                    : static_cast<const SheetWriter &>(csv);
    if (writer.write(sheet, path, &result.error))
        result.status = SheetExportResult::Written;
    return result;
}

PictureExportResult exportPictures(QWidget *pageWidget, int tab, const QString &prefix,
                                   QWidget *dialogParent)
{
    PictureExportResult result;
    auto *source = dynamic_cast<PageExportSource *>(pageWidget);
    if (!source) {
        result.status = PictureExportResult::NoPicturePage;
        return result;
    }
    const TabPictures pictures = source->tabPictures(tab);
    switch (pictures.state) {
    case TabPictures::State::None: result.status = PictureExportResult::NoPictureTab; return result;
    case TabPictures::State::NotComputed:
        result.status = PictureExportResult::NotComputed;
        return result;
    case TabPictures::State::Ready: break;
    }
    return savePictures(pictures, prefix, dialogParent);
}

QString pictureExportMessage(const PictureExportResult &result)
{
    switch (result.status) {
    case PictureExportResult::Saved: return trExport(kPicturesSavedMessage);
    case PictureExportResult::NotComputed: return trExport(kCalculateFirstMessage);
    case PictureExportResult::NoPictureTab: return trExport(kNoPictureOnTabMessage);
    case PictureExportResult::NoPicturePage: return trExport(kNoPictureOnPageMessage);
    case PictureExportResult::Cancelled:
        return QCoreApplication::translate("PictureExport", "图片导出已取消，已保存%n张图片",
                                           nullptr, result.written.size());
    case PictureExportResult::PartlyFailed: {
        // A failing directory fails every file; list a screenful, count the rest.
        constexpr int kListed = 15;
        QStringList lines = result.failed.mid(0, kListed);
        if (result.failed.size() > kListed)
            lines.append(QCoreApplication::translate("PictureExport", "……共%n个文件未保存", nullptr,
                                                     result.failed.size()));
        return QCoreApplication::translate("PictureExport", "以下图片未能保存：\n") +
               lines.join(QLatin1Char('\n'));
    }
    }
    return QString();
}
