#ifndef SHEETWRITERS_H
#define SHEETWRITERS_H

// The two file formats a sheet is saved in. Both write every cell as text and
// replace the target atomically: on failure the file that was there before is
// left as it was and no temporary file remains.

#include "sheet.h"

#include <QByteArray>
#include <QString>

#include <vector>

class SheetWriter
{
public:
    virtual ~SheetWriter() = default;
    // Writes the sheet to path. False, with *error (when not null) set to a
    // reason the user can read, if anything could not be written.
    virtual bool write(const Sheet &sheet, const QString &path, QString *error) const = 0;
};

// Comma-separated text as RFC 4180 describes it: CRLF line ends, fields with a
// comma, quote or line break enclosed in quotes with inner quotes doubled.
// UTF-8 with a byte-order mark, the one hint spreadsheet programs reliably
// take to read the Chinese captions as UTF-8. Every line has the sheet's full
// column count (missing cells are empty fields); row 1 is the first line and
// rows without cells are empty lines.
class CsvWriter : public SheetWriter
{
public:
    // The plain form of a table of numbers for other programs (the small-gain
    // spectrum): no byte-order mark, "\n" line ends.
    enum Form { Spreadsheet, PlainNumbers };
    explicit CsvWriter(Form form = Spreadsheet) : m_form(form) {}

    bool write(const Sheet &sheet, const QString &path, QString *error) const override;

    static QByteArray encode(const Sheet &sheet, Form form = Spreadsheet);
    static QString quoteField(const QString &text);

private:
    Form m_form;
};

// A sheet of numbers, one column per vector and one row per index (up to the
// shortest column), each written QString::number(v, 'g', digits).
Sheet numberTable(const std::vector<std::vector<double>> &columns, int digits);

// An Office Open XML workbook written with libxlsxwriter: one worksheet.
// A value cell whose text is a plain decimal number ("0.7895", "-12",
// "9.904e-11") becomes a numeric cell, with a number format that shows the
// digits the page displayed ("0.0000", "0", "0.000E+00"), so the spreadsheet
// can calculate with it. Every other cell (captions, labels, "inf", "nan")
// is a string cell. Empty texts leave the cell blank.
class XlsxWriter : public SheetWriter
{
public:
    bool write(const Sheet &sheet, const QString &path, QString *error) const override;

    // The spreadsheet number format that shows `text`'s digits, and its
    // value; false when the text is not a plain finite decimal number (a
    // leading zero as in "01", a sign of '+', spaces, inf or nan).
    static bool numericCell(const QString &text, double *value, QByteArray *numberFormat);
};

#endif // SHEETWRITERS_H
