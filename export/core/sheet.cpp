#include "sheet.h"

#include <algorithm>

bool Sheet::store(int row, int column, const QString &text, bool value)
{
    if (row < 1 || column < 1)
        return false;
    m_cells[{row, column}] = {text, value};
    m_columns = std::max(m_columns, column);
    return true;
}

bool Sheet::setText(int row, int column, const QString &text)
{
    return store(row, column, text, false);
}

bool Sheet::setValue(int row, int column, const QString &text)
{
    return store(row, column, text, true);
}

QString Sheet::text(int row, int column) const
{
    const auto it = m_cells.find({row, column});
    return it == m_cells.end() ? QString() : it->second.first;
}

bool Sheet::isValue(int row, int column) const
{
    const auto it = m_cells.find({row, column});
    return it != m_cells.end() && it->second.second;
}

bool Sheet::hasCell(int row, int column) const
{
    return m_cells.count({row, column}) != 0;
}

int Sheet::rowCount() const
{
    return m_cells.empty() ? 0 : m_cells.rbegin()->first.first;
}

int Sheet::columnCount() const
{
    return m_columns;
}

std::vector<SheetCell> Sheet::cells() const
{
    std::vector<SheetCell> out;
    out.reserve(m_cells.size());
    for (const auto &entry : m_cells)
        out.push_back(
            {entry.first.first, entry.first.second, entry.second.first, entry.second.second});
    return out;
}
