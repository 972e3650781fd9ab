#ifndef PAGEEXPORT_H
#define PAGEEXPORT_H

// What a page hands to the window's export commands, so that the export knows
// nothing of any page: the pictures of a tab (plots saved as they stand, or
// pictures drawn one after another on a plot the export owns), curves written
// beside a tab's described sheet, and a table of numbers that replaces a
// tab's sheet. A page with plots derives from PageExportSource as well as
// from QWidget; a page without is simply not one.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QCustomPlot;

// One picture file of a tab.
struct PagePicture {
    QString fileName; // without directory, in the window's language (pictureFileName)
    int width = 0;    // pixels
    int height = 0;
    // The plot saved as it stands …
    QCustomPlot *plot = nullptr;
    // … or, for pictures the page never shows all at once (every mode map of
    // a list), drawn by the page's drawing onto `scratch`, a plot of the
    // export's own kept for the whole export (empty at the first picture).
    // False, with *error set, when the picture cannot be drawn.
    std::function<bool(QCustomPlot *scratch, QString *error)> draw;
};

struct TabPictures {
    enum class State {
        None,        // the tab has no picture
        NotComputed, // it has, once its calculation has run
        Ready,
    };
    State state = State::None;
    std::vector<PagePicture> pictures;
    // Non-empty: the pictures are many, and are saved under a cancellable
    // progress dialog with this label, the event loop running between them.
    QString progressLabel;
};

// A curve written beside a tab's rows in an exported sheet: the two headers
// in row 1 of columns `column` and `column` + 1, then one row per point.
struct SheetCurve {
    int column = 0;
    QString xHeader;
    QString yHeader;
    std::vector<double> x;
    std::vector<double> y;
};

// A tab whose export is a plain table of numbers instead of its sheet.
struct NumberTableExport {
    std::vector<std::vector<double>> columns; // one vector per column
    int digits = 6;                           // significant digits of each number
    QString error;                            // not empty: no table could be made, and this is why
};

class PageExportSource
{
public:
    virtual ~PageExportSource() = default;

    // The pictures of tab `tab` as the page shows them now.
    virtual TabPictures tabPictures(int tab) = 0;
    // Curves beside the tab's described rows; none by default.
    virtual std::vector<SheetCurve> sheetCurves(int /*tab*/) const { return {}; }
    // A table of numbers in place of the tab's sheet; by default the sheet.
    virtual std::optional<NumberTableExport> numberTable(int /*tab*/) { return std::nullopt; }
};

// The file name of a picture: its Chinese name (marked with
// QT_TRANSLATE_NOOP("PictureFileName", …) where it is written) in the
// window's language, with ".jpg". The Chinese window keeps the names the
// files have always had; the English one gets English names.
QString pictureFileName(const char *chineseName);

#endif // PAGEEXPORT_H
