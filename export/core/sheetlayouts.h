#ifndef SHEETLAYOUTS_H
#define SHEETLAYOUTS_H

// Where each page tab puts its inputs and results in an exported sheet, read
// from the sheet rows of the tab's calculator description (the exact-mode and
// amplifier tabs make theirs from their fields): rows of (row, caption in
// column 1, widget whose text goes to column 2). The sheet starts with "输入项",
// lists the inputs, then "输出项" and the results. Widgets are found by object
// name, so a layout needs nothing from the page class but its form.

#include "sheet.h"

#include <QStringList>

#include <string>
#include <utility>
#include <vector>

class QWidget;

// How the text of column 2 is obtained.
enum class CellSource {
    None,       // caption row only ("输入项", "输出项", remarks)
    LineEdit,   // QLineEdit::text() of `widget`
    ComboText,  // the current item's text of the QComboBox `widget`
    FiberType,  // the text of the first checked of the row's `buttons`
    CheckState, // a check box: kCheckedText or kUncheckedText
};

struct LayoutRow {
    int row;
    const char *caption; // column 1; nullptr leaves the cell out
    const char *widget;  // object name; nullptr for CellSource::None
    CellSource source;
    // CellSource::FiberType: (object name, Chinese text) of each button.
    std::vector<std::pair<const char *, const char *>> buttons = {};
};

// A table copied cell by cell below a header row (the fiber-mode tables).
struct LayoutTable {
    int headerRow;                     // 0: no table
    std::vector<const char *> headers; // columns 1, 2, … of the header row
    const char *widget;                // the QTableWidget's object name
    int firstRow;                      // sheet row of table row 0
};

struct SheetLayout {
    const char *page; // the page folder, which is also the page's class name
    int tab;
    const char *tabText; // the inner tab's caption (for messages and tests)
    std::vector<LayoutRow> rows;
    LayoutTable table;
};

// Every exportable page tab. The small-signal-gain tab of the laser-parameters
// page has no layout: it writes its gain table instead.
const std::vector<SheetLayout> &sheetLayouts();

// The layout of a page tab, or nullptr when it has none.
const SheetLayout *findSheetLayout(const std::string &page, int tab);

// Captions of the two section rows.
extern const char *const kInputSectionCaption;  // "输入项"
extern const char *const kOutputSectionCaption; // "输出项"
// Column 2 of a check-box row.
extern const char *const kCheckedText;   // "是"
extern const char *const kUncheckedText; // "否"

// Every Chinese caption of the layouts, listed for the translation catalogue
// (sheetcaptions.cpp); fillSheet writes captions in the window's language.
const std::vector<const char *> &translatedSheetCaptions();

// A caption or header of a layout in the window's language.
QString captionInUiLanguage(const char *caption);

// Fills a sheet from the widgets of `page` as the layout says. Every text is
// taken as displayed. A widget that cannot be found gives an empty cell and
// its name is appended to *missing (when not null), so a renamed field shows
// up in tests instead of crashing an export.
Sheet fillSheet(const SheetLayout &layout, const QWidget *page, QStringList *missing = nullptr);

#endif // SHEETLAYOUTS_H
