#include "sheetwriters.h"

#include "atomicfile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

#include <xlsxwriter.h>

#include <cmath>
#include <map>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QString CsvWriter::quoteField(const QString &text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                             text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvWriter::encode(const Sheet &sheet, Form form)
{
    const bool spreadsheet = form == Spreadsheet;
    QByteArray out(spreadsheet ? "\xEF\xBB\xBF" : "");
    const int rows = sheet.rowCount();
    const int columns = sheet.columnCount();
    for (int r = 1; r <= rows; ++r) {
        QString line;
        for (int c = 1; c <= columns; ++c) {
            if (c > 1)
                line += QLatin1Char(',');
            line += quoteField(sheet.text(r, c));
        }
        out += line.toUtf8();
        out += spreadsheet ? "\r\n" : "\n";
    }
    return out;
}

bool CsvWriter::write(const Sheet &sheet, const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    const QByteArray bytes = encode(sheet, m_form);
    if (file.write(bytes) != bytes.size()) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    // QSaveFile::commit() (Qt 5.15) renames even when flushing its buffer
    // failed (disk full, file size limit), leaving a truncated file; flush
    // first and check it.
    if (!file.flush()) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

Sheet numberTable(const std::vector<std::vector<double>> &columns, int digits)
{
    Sheet sheet;
    std::size_t rows = columns.empty() ? 0 : columns.front().size();
    for (const std::vector<double> &column : columns)
        rows = std::min(rows, column.size());
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            sheet.setText(static_cast<int>(r) + 1, static_cast<int>(c) + 1,
                          QString::number(columns[c][r], 'g', digits));
    return sheet;
}

bool XlsxWriter::numericCell(const QString &text, double *value, QByteArray *numberFormat)
{
    // Optional minus, an integer part without a leading zero (except 0
    // itself), optional fraction, optional exponent: what the pages' number
    // texts look like.
    static const QRegularExpression number(
        QStringLiteral("^-?(0|[1-9][0-9]*)(\\.([0-9]+))?([eE][-+]?[0-9]+)?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const double parsed = text.toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    const int decimals = match.captured(3).size();
    QByteArray format = "0";
    if (decimals > 0)
        format += "." + QByteArray(decimals, '0');
    if (!match.captured(4).isEmpty())
        format += "E+00";
    *value = parsed;
    *numberFormat = format;
    return true;
}

bool XlsxWriter::write(const Sheet &sheet, const QString &path, QString *error) const
{
    AtomicFileReplacer target(path);
    if (!target.prepare(error))
        return false;

    const QByteArray tempName = target.temporaryPath().toLocal8Bit();
    lxw_workbook *workbook = workbook_new(tempName.constData());
    if (!workbook) {
        setError(error, QCoreApplication::translate("SheetWriter", "无法创建工作簿"));
        return false;
    }
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, nullptr);
    lxw_error status = worksheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    std::map<QByteArray, lxw_format *> formats; // owned by the workbook
    for (const SheetCell &cell : sheet.cells()) {
        if (status != LXW_NO_ERROR)
            break;
        if (cell.text.isEmpty())
            continue;
        // libxlsxwriter counts rows and columns from 0.
        const auto row = static_cast<lxw_row_t>(cell.row - 1);
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        double number = 0;
        QByteArray numberFormat;
        if (cell.value && numericCell(cell.text, &number, &numberFormat)) {
            lxw_format *&format = formats[numberFormat];
            if (!format) {
                format = workbook_add_format(workbook);
                if (!format) {
                    status = LXW_ERROR_MEMORY_MALLOC_FAILED;
                    break;
                }
                format_set_num_format(format, numberFormat.constData());
            }
            status = worksheet_write_number(worksheet, row, column, number, format);
            continue;
        }
        const QByteArray utf8 = cell.text.toUtf8();
        status = worksheet_write_string(worksheet, row, column, utf8.constData(), nullptr);
    }
    // workbook_close() frees the workbook in every case and reports whether
    // the file was assembled and flushed completely.
    const lxw_error closed = workbook_close(workbook);
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        setError(error, QString::fromUtf8(lxw_strerror(status)));
        return false;
    }
    return target.commit(error);
}
