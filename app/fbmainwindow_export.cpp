// Spreadsheet and picture export of the page shown. The dialogs live here;
// the work is done by export/exportformats.
#include "fbmainwindow.h"

#include "exportformats.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

namespace {
const char *const kExportTitle = QT_TRANSLATE_NOOP("FBMainWindow", "提示");
constexpr int kStatusMessageMs = 10000;
} // namespace

void FBMainWindow::setExportDialogs(SaveFileProvider saveFile, DirectoryProvider directory)
{
    exportSaveFile = std::move(saveFile);
    exportDirectory = std::move(directory);
}

// Writes the inputs and results of the page tab shown to a CSV or XLSX file.
// The name's ending picks the format; without one, the chosen filter does and
// its ending is appended. A cancelled dialog writes nothing; a failure keeps
// the old file and says why.
void FBMainWindow::exportData()
{
    QWidget *page = currentPageWidget();
    if (!page)
        return;
    QString filter = QString::fromLatin1(kCsvFilter);
    const QString chosen =
        exportSaveFile ? exportSaveFile(&filter)
                       : QFileDialog::getSaveFileName(nullptr, tr("保存文件"), QStringLiteral("."),
                                                      sheetFileFilters(), &filter);
    if (chosen.isEmpty())
        return;

    const SheetTarget target = resolveSheetTarget(chosen, filter);
    const SheetExportResult result = exportSheet(page, currentInnerTab(), target.path);
    if (result.status == SheetExportResult::Written)
        statusBar()->showMessage(tr("数据已导出到 %1").arg(result.path), kStatusMessageMs);
    else
        QMessageBox::warning(
            this, tr(kExportTitle),
            tr("数据导出失败，无法写入文件\n%1\n原因：%2").arg(result.path, result.error));
}

// Saves the plots of the page tab shown into a chosen directory and tells the
// outcome. A cancelled dialog saves nothing.
void FBMainWindow::exportPic()
{
    QWidget *page = currentPageWidget();
    if (!page)
        return;
    const QString directory =
        exportDirectory ? exportDirectory()
                        : QFileDialog::getExistingDirectory(this, tr("请选择图片保存路径"),
                                                            QString(), QFileDialog::ShowDirsOnly);
    const QString prefix = pictureDirPrefix(directory);
    if (prefix.isEmpty())
        return;

    const PictureExportResult result = exportPictures(page, currentInnerTab(), prefix, this);
    // Pictures saved is news, not a warning; everything else warns.
    if (result.status == PictureExportResult::Saved)
        QMessageBox::information(this, tr(kExportTitle), pictureExportMessage(result),
                                 QMessageBox::Ok, QMessageBox::NoButton);
    else
        QMessageBox::warning(this, tr(kExportTitle), pictureExportMessage(result), QMessageBox::Ok,
                             QMessageBox::NoButton);
}
