#ifndef SHEET_H
#define SHEET_H

// An in-memory worksheet: text cells addressed by (row, column), both counted
// from 1 as a spreadsheet shows them. Every value is kept as the text the
// page displayed; nothing is converted to a number.

#include <QString>

#include <map>
#include <utility>
#include <vector>

struct SheetCell {
    int row = 0;
    int column = 0;
    QString text;
};

class Sheet
{
public:
    // Stores text at (row, column), replacing what was there. Rows and
    // columns below 1 are ignored (returns false).
    bool setText(int row, int column, const QString &text);

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
    std::map<std::pair<int, int>, QString> m_cells;
    int m_columns = 0;
};

#endif // SHEET_H
