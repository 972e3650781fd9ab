#ifndef EXPORTFORMATS_H
#define EXPORTFORMATS_H

// The two export commands of the main window, without their dialogs: the
// main window asks for the file or directory, these do the work, and tests
// call them directly with a path.

#include "exportnaming.h"
#include "sheetlayouts.h"

#include <QString>
#include <QStringList>

class QWidget;

// ---- Spreadsheet export ---------------------------------------------------

struct SheetExportResult {
    enum Status {
        Written, // the file at `path` is complete
        Failed,  // nothing was replaced; `error` says why
    };
    Status status = Failed;
    QString path;  // the file written or attempted
    QString error; // the reason of a failure
};

// Writes the sheet of tab `tab` of the page `pageWidget` to `path`,
// as XLSX when the path ends in ".xlsx" and as CSV otherwise, with the curves
// the page hands over beside its rows (pageexport.h). A tab whose page hands
// over a table of numbers instead (the small-signal gain spectrum) writes
// that table as comma-separated text, so an ".xlsx" name is changed to
// ".csv" and the result names the file written.
SheetExportResult exportSheet(QWidget *pageWidget, int tab, const QString &path);

// ---- Picture export -------------------------------------------------------

// Source texts of the messages (context "PictureExport"), shown in the
// window's language by pictureExportMessage.
extern const char *const kPicturesSavedMessage;   // "图片保存在指定目录下"
extern const char *const kCalculateFirstMessage;  // "请先点击计算按钮再保存图片"
extern const char *const kNoPictureOnTabMessage;  // "当前选项卡中无图片数据导出"
extern const char *const kNoPictureOnPageMessage; // "当前选项卡无图片导出.\n"

struct PictureExportResult {
    enum Status {
        Saved,         // every picture written
        NotComputed,   // the tab's calculation has not run: nothing written
        NoPictureTab,  // a tab without plot on a page with plots
        NoPicturePage, // a page without plots
        PartlyFailed,  // some pictures failed: see `failed`
        Cancelled,     // the user stopped a long picture loop
    };
    Status status = NoPicturePage;
    QStringList written; // full paths
    QStringList failed;  // "file: reason"
};

// Saves the pictures the page `pageWidget` hands over for tab `tab`
// (pageexport.h) into the directory `prefix` (ending in "/"; see
// pictureDirPrefix). A page that hands over many pictures (the mode maps) has
// them saved under a cancellable progress dialog over `dialogParent`, the
// event loop running between pictures.
PictureExportResult exportPictures(QWidget *pageWidget, int tab, const QString &prefix,
                                   QWidget *dialogParent = nullptr);

// The text of the message box that reports a picture export result.
QString pictureExportMessage(const PictureExportResult &result);

#endif // EXPORTFORMATS_H
