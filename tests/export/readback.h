#ifndef EXPORT_READBACK_H
#define EXPORT_READBACK_H

// Independent readers for the exported files: a small RFC 4180 parser for
// CSV, and openpyxl (through the system Python) for XLSX, so the writers are
// checked against code that shares nothing with them.

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace readback {

using Cell = QPair<int, int>; // (row, column), from 1

struct CsvFile {
    bool ok = false;
    bool hasBom = false;
    bool crlfOnly = false;   // every line break is CR LF
    QList<QStringList> rows; // one entry per line
    QString error;

    // The text at (row, column) from 1; empty outside the file.
    QString text(int row, int column) const
    {
        if (row < 1 || row > rows.size() || column < 1 || column > rows[row - 1].size())
            return QString();
        return rows[row - 1][column - 1];
    }
};

inline CsvFile parseCsv(const QByteArray &bytes)
{
    CsvFile out;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) {
        out.hasBom = true;
        data.remove(0, 3);
    }
    const QString text = QString::fromUtf8(data);
    out.crlfOnly = true;
    QStringList row;
    QString field;
    bool quoted = false, fieldStarted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
            continue;
        }
        if (ch == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (ch == QLatin1Char(',')) {
            row.append(field);
            field.clear();
            fieldStarted = false;
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            else
                out.crlfOnly = false;
            row.append(field);
            out.rows.append(row);
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            if (ch == QLatin1Char('"')) {
                out.error = QStringLiteral("quote inside an unquoted field");
                return out;
            }
            field += ch;
            fieldStarted = true;
        }
    }
    if (quoted) {
        out.error = QStringLiteral("unterminated quoted field");
        return out;
    }
    if (fieldStarted || !row.isEmpty()) {
        row.append(field);
        out.rows.append(row);
    }
    out.ok = true;
    return out;
}

inline CsvFile readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvFile out;
        out.error = file.errorString();
        return out;
    }
    return parseCsv(file.readAll());
}

struct XlsxFile {
    bool ok = false;
    int sheetCount = 0;
    QMap<Cell, QString> values;
    QMap<Cell, QString> types;   // openpyxl data_type: "s" string, "n" number, …
    QMap<Cell, QString> formats; // the cell's number format ("General", "0.0000", …)
    QString error;

    int rowCount() const
    {
        int rows = 0;
        for (auto it = values.begin(); it != values.end(); ++it)
            rows = qMax(rows, it.key().first);
        return rows;
    }
};

// Loads the workbook with openpyxl and returns the non-empty cells of its
// first worksheet.
inline XlsxFile readXlsx(const QString &path)
{
    static const char *const script =
        "import sys, json, openpyxl\n"
        "wb = openpyxl.load_workbook(sys.argv[1])\n"
        "ws = wb.worksheets[0]\n"
        "cells = [[c.row, c.column, str(c.value), c.data_type, c.number_format]\n"
        "         for row in ws.iter_rows() for c in row if c.value is not None]\n"
        "print(json.dumps({'sheets': len(wb.worksheets), 'cells': cells}))\n";
    XlsxFile out;
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0) {
        out.error = QString::fromLocal8Bit(python.readAllStandardError());
        return out;
    }
    const QJsonObject root = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    out.sheetCount = root.value(QStringLiteral("sheets")).toInt();
    for (const QJsonValue &v : root.value(QStringLiteral("cells")).toArray()) {
        const QJsonArray c = v.toArray();
        const Cell key(c.at(0).toInt(), c.at(1).toInt());
        out.values.insert(key, c.at(2).toString());
        out.types.insert(key, c.at(3).toString());
        out.formats.insert(key, c.at(4).toString());
    }
    out.ok = true;
    return out;
}

} // namespace readback

#endif // EXPORT_READBACK_H
