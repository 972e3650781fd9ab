#include "exportformats.h"

#include "catalogue.h"
#include "fieldmapplot.h"
#include "plotpicture.h"
#include "sheetwriters.h"
#include "textformat.h"

#include "fbamp.h"
#include "fbmode.h"
#include "lasertrait.h"
#include "threashold.h"

#include <qcustomplot.h>

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QProgressDialog>

#include <algorithm>
#include <vector>

const char *const kPicturesSavedMessage = "图片保存在指定目录下";
const char *const kCalculateFirstMessage = "请先点击计算按钮再保存图片";
const char *const kNoPictureOnTabMessage = "当前选项卡中无图片数据导出";
const char *const kNoPictureOnPageMessage = "当前选项卡无图片导出.\n";

namespace {

// Tabs of the pages that have plots.
constexpr int kModeDistributionTab = 0; // fbmode "模式分布"
constexpr int kBeamQualityTab = 1;      // fbmode "光束质量因子"
constexpr int kSmallSignalGainTab = 3;  // LaserTrait "小信号增益"

// Picture sizes in pixels.
constexpr int kMixtureMapWidth = 478, kMixtureMapHeight = 400;

SheetExportResult exportGainTable(LaserTrait *page, QString path)
{
    SheetExportResult result;
    // The gain table is comma-separated text; it must not sit under a
    // workbook's name.
    if (sheetFormatOf(path) == SheetFormat::Xlsx)
        path = path.left(path.size() - 5) + QStringLiteral(".csv");
    result.path = path;
    if (!page) {
        result.error = QStringLiteral("页面不存在");
        return result;
    }
    // The table is recalculated first, so the file holds what the current
    // cross-section data give; the page leaves telling the user to us.
    if (!page->calculateGain()) {
        result.error =
            QStringLiteral("无法读取截面数据文件 %1").arg(LaserTrait::crossSectionFile());
        return result;
    }
    // The page hands over the spectrum as numbers; the text table is written
    // by the same CSV writer as every sheet, in its plain form.
    if (!CsvWriter(CsvWriter::PlainNumbers)
             .write(numberTable(page->gainTable(), 6), path, nullptr)) {
        result.error = QStringLiteral("增益数据写入失败");
        return result;
    }
    result.status = SheetExportResult::Written;
    return result;
}

void recordSave(PictureExportResult &result, bool ok, const QString &path, const QString &error)
{
    if (ok)
        result.written.append(path);
    else
        result.failed.append(QFileInfo(path).fileName() + QStringLiteral("：") + error);
}

void finish(PictureExportResult &result)
{
    if (result.status == PictureExportResult::Cancelled)
        return;
    result.status =
        result.failed.isEmpty() ? PictureExportResult::Saved : PictureExportResult::PartlyFailed;
}

// Draws each mode map the page handed over on a plot of our own, from the
// field-map calculator, and saves it: the page's fields and its plot are left
// alone. A cancellable progress dialog keeps the event loop going between
// pictures.
PictureExportResult saveFieldMapPictures(const std::vector<FieldMapPicture> &pictures,
                                         const QString &prefix, QWidget *dialogParent)
{
    PictureExportResult result;
    const velmora::calc::Calculator *fieldMap = velmora::calc::catalogue().find("modes.field_map");
    QCustomPlot plot;
    QCPColorMap *map = setupFieldMapPlot(&plot);

    QProgressDialog progress(QStringLiteral("正在保存模式分布图…"), QStringLiteral("取消"), 0,
                             std::max<int>(static_cast<int>(pictures.size()), 1), dialogParent);
    progress.setWindowTitle(QStringLiteral("导出图片"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);

    int done = 0;
    for (const FieldMapPicture &picture : pictures) {
        if (progress.wasCanceled()) {
            result.status = PictureExportResult::Cancelled;
            return result;
        }
        const QString path = prefix + picture.fileName;
        const velmora::calc::Result computed = fieldMap->evaluate(picture.inputs);
        if (computed.refused) {
            recordSave(result, false, path,
                       QString::fromStdString(computed.notices.front().text.zh));
        } else {
            const auto a = picture.inputs.find("a_um");
            drawFieldMap(&plot, map,
                         velmora::calc::readNumber(a == picture.inputs.end() ? "" : a->second),
                         computed.outputs.at("map").data, picture.coreCircle);
            QString error;
            const bool ok = savePlotJpeg(&plot, path, picture.width, picture.height, &error);
            recordSave(result, ok, path, error);
        }
        progress.setValue(++done); // also lets the window repaint
    }
    progress.close();
    finish(result);
    return result;
}

PictureExportResult saveMixtureMap(fbmode *page, const QString &prefix)
{
    PictureExportResult result;
    page->redrawMixtureMap();
    const QString path = prefix + QStringLiteral("模式功率比例图.jpg");
    QString error;
    const bool ok =
        savePlotJpeg(page->mixturePlot(), path, kMixtureMapWidth, kMixtureMapHeight, &error);
    recordSave(result, ok, path, error);
    finish(result);
    return result;
}

PictureExportResult saveGainPicture(LaserTrait *page, const QString &prefix)
{
    PictureExportResult result;
    const QString path = prefix + QStringLiteral("小信号增益.jpg");
    recordSave(result, page->saveGainPicture(path), path, QStringLiteral("写入失败"));
    finish(result);
    return result;
}

// The page reports only whether both curves were saved. On failure, a file
// that is still missing or unchanged since before the call is the one that
// failed (a save replaces the file, so a written one has a new time stamp).
PictureExportResult saveInstabilityCurves(threashold *page, const QString &prefix)
{
    PictureExportResult result;
    const QStringList paths = {prefix + QStringLiteral("非线性耦合系数.jpg"),
                               prefix + QStringLiteral("模式不稳定阈值.jpg")};
    QList<QDateTime> before;
    for (const QString &path : paths)
        before.append(QFileInfo(path).lastModified());
    const bool ok = page->PowThreadPicExport(prefix);
    QList<bool> written = {ok, ok};
    if (!ok) {
        for (int i = 0; i < paths.size(); ++i) {
            const QFileInfo info(paths[i]);
            written[i] = info.exists() && info.lastModified() != before[i];
        }
        if (written[0] && written[1]) // cannot tell which: report both
            written = {false, false};
    }
    for (int i = 0; i < paths.size(); ++i)
        recordSave(result, written[i], paths[i], QStringLiteral("写入失败"));
    finish(result);
    return result;
}

// The mode-instability tab's two curves beside its inputs and results: the
// coupling χ over the frequency offset in columns 4-5 and the higher-order
// mode fraction over the signal power in columns 7-8, a header row each, then
// one row per plotted point. A plot that holds no curve adds nothing.
void appendCurve(Sheet &sheet, const QWidget *page, const char *plotName, int column,
                 const char *xHeader, const char *yHeader)
{
    const auto *plot = page->findChild<QCustomPlot *>(QString::fromLatin1(plotName));
    if (!plot || plot->graphCount() == 0 || plot->graph(0)->data()->isEmpty())
        return;
    sheet.setText(1, column, QString::fromUtf8(xHeader));
    sheet.setText(1, column + 1, QString::fromUtf8(yHeader));
    int row = 2;
    for (const QCPGraphData &point : *plot->graph(0)->data()) {
        sheet.setValue(row, column, QString::number(point.key, 'g', 10));
        sheet.setValue(row, column + 1, QString::number(point.value, 'g', 10));
        ++row;
    }
}

void appendInstabilityCurves(Sheet &sheet, const QWidget *page)
{
    appendCurve(sheet, page, "CurvePlot1", 4, "频移[kHz]", "耦合系数χ[W^-1]");
    appendCurve(sheet, page, "CurvePlot2", 7, "信号光功率[W]", "高阶模占功比");
}

} // namespace

SheetExportResult exportSheet(QWidget *pageWidget, int tab, const QString &path)
{
    if (auto *trait = qobject_cast<LaserTrait *>(pageWidget); trait && tab == kSmallSignalGainTab)
        return exportGainTable(trait, path);

    SheetExportResult result;
    result.path = path;
    // A page class is named after its folder.
    const SheetLayout *layout =
        pageWidget ? findSheetLayout(pageWidget->metaObject()->className(), tab) : nullptr;
    if (!layout || !pageWidget) {
        result.error = QStringLiteral("当前选项卡没有可导出的数据");
        return result;
    }
    Sheet sheet = fillSheet(*layout, pageWidget);
    if (qobject_cast<threashold *>(pageWidget))
        appendInstabilityCurves(sheet, pageWidget);
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
    if (auto *modes = qobject_cast<fbmode *>(pageWidget)) {
        if (tab != kModeDistributionTab && tab != kBeamQualityTab) {
            result.status = PictureExportResult::NoPictureTab;
            return result;
        }
        const bool computed =
            tab == kModeDistributionTab ? modes->mapComputed() : modes->beamComputed();
        if (!computed) {
            result.status = PictureExportResult::NotComputed;
            return result;
        }
        return tab == kModeDistributionTab
                   ? saveFieldMapPictures(modes->modeMapPictures(), prefix, dialogParent)
                   : saveMixtureMap(modes, prefix);
    }
    if (auto *trait = qobject_cast<LaserTrait *>(pageWidget)) {
        if (tab != kSmallSignalGainTab) {
            result.status = PictureExportResult::NoPictureTab;
            return result;
        }
        if (!trait->gainComputed()) {
            result.status = PictureExportResult::NotComputed;
            return result;
        }
        return saveGainPicture(trait, prefix);
    }
    if (auto *instability = qobject_cast<threashold *>(pageWidget)) {
        if (!instability->calculationStarted()) {
            result.status = PictureExportResult::NotComputed;
            return result;
        }
        return saveInstabilityCurves(instability, prefix);
    }
    if (auto *amplifier = qobject_cast<fbamp *>(pageWidget)) {
        if (!amplifier->resultShown()) {
            result.status = PictureExportResult::NotComputed;
            return result;
        }
        result.written = amplifier->savePictures(prefix, &result.failed);
        finish(result);
        return result;
    }
    result.status = PictureExportResult::NoPicturePage;
    return result;
}

QString pictureExportMessage(const PictureExportResult &result)
{
    switch (result.status) {
    case PictureExportResult::Saved: return QString::fromUtf8(kPicturesSavedMessage);
    case PictureExportResult::NotComputed: return QString::fromUtf8(kCalculateFirstMessage);
    case PictureExportResult::NoPictureTab: return QString::fromUtf8(kNoPictureOnTabMessage);
    case PictureExportResult::NoPicturePage: return QString::fromUtf8(kNoPictureOnPageMessage);
    case PictureExportResult::Cancelled:
        return QStringLiteral("图片导出已取消，已保存%1张图片").arg(result.written.size());
    case PictureExportResult::PartlyFailed: {
        // A failing directory fails every file; list a screenful, count the rest.
        constexpr int kListed = 15;
        QStringList lines = result.failed.mid(0, kListed);
        if (result.failed.size() > kListed)
            lines.append(QStringLiteral("……共%1个文件未保存").arg(result.failed.size()));
        return QStringLiteral("以下图片未能保存：\n") + lines.join(QLatin1Char('\n'));
    }
    }
    return QString();
}
