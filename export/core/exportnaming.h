#ifndef EXPORTNAMING_H
#define EXPORTNAMING_H

// File names of the export commands: which sheet format a chosen name means,
// the picture directory prefix, and the names of the mode-map pictures.

#include <QString>

#include <vector>

enum class SheetFormat { Csv, Xlsx };

// Filters of the save dialog; the first is the one preselected.
extern const char *const kCsvFilter;  // "Excel File(*.csv)"
extern const char *const kXlsxFilter; // "Excel Workbook(*.xlsx)"
QString sheetFileFilters();           // both, separated by ";;"

// The format a name stands for: ".csv" or ".xlsx" (any letter case). A name
// with neither ending gets the ending of the filter chosen in the dialog
// appended, so the bytes written always match the name.
struct SheetTarget {
    QString path;
    SheetFormat format;
};
SheetTarget resolveSheetTarget(const QString &chosenName, const QString &selectedFilter);

// The format of a path by its ending; CSV unless it ends in ".xlsx".
SheetFormat sheetFormatOf(const QString &path);

// The prefix every picture name is appended to: the chosen directory with
// one trailing "/" (none added when it already ends in "/"). An empty
// directory (a cancelled dialog) gives an empty prefix.
QString pictureDirPrefix(const QString &directory);

// "LP" + m + n + suffix + letter + ".jpg": suffix empty for m = 0, "_E" or
// "_O" for orientation 0 or 1 when m >= 1; letter "I", "A", "P" for kind
// 0, 1, 2 (intensity, amplitude, phase). An order-0 mode has one orientation
// only, so (m = 0, orientation 1) has no file: returns an empty string.
QString modeMapFileName(int m, int n, int orientation, int kind);

// How many pictures "save all mode maps" writes for the given mode counts per
// azimuthal order (index = m): three per order-0 mode, six per other mode.
int modeMapFileCount(const std::vector<int> &modeCounts);

#endif // EXPORTNAMING_H
