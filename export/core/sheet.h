#ifndef SHEET_H
#define SHEET_H

// An in-memory worksheet: cells addressed by (row, column), both counted from
// 1 as a spreadsheet shows them. Every cell keeps the text the page displayed.
// A cell written with setValue() holds a displayed number (a result or an
// input field, a table value); a writer that knows numeric cells (XLSX) stores
// it as a number when the text reads as one. Captions, mode labels and other
// texts are written with setText() and always stay texts.

#include <QString>

#include <map>
#include <utility>
#include <vector>

struct SheetCell {
    int row = 0;
    int column = 0;
    QString text;
    bool value = false; // written with setValue(): a displayed number
};

class Sheet
{
public:
    // Stores text at (row, column), replacing what was there. Rows and
    // columns below 1 are ignored (returns false).
    bool setText(int row, int column, const QString &text);
    // As setText(), marking the cell as a displayed number.
    bool setValue(int row, int column, const QString &text);
    bool isValue(int row, int column) const;

    // The text at (row, column); empty when no cell was written there.
    QString text(int row, int column) const;
    bool hasCell(int row, int column) const;

    // Highest row / column that holds a cell (0 for an empty sheet). A cell
    // written with empty text counts: it marks a field that was exported
    // while it showed nothing.
    int rowCount() const;
    int columnCount() const;
    bool isEmpty() const { return m_cells.empty(); }

    // All cells in row-major order.
    std::vector<SheetCell> cells() const;

private:
    bool store(int row, int column, const QString &text, bool value);

    std::map<std::pair<int, int>, std::pair<QString, bool>> m_cells;
    int m_columns = 0;
};

#endif // SHEET_H
