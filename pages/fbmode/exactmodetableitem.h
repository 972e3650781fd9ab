#ifndef EXACTMODETABLEITEM_H
#define EXACTMODETABLEITEM_H

// A cell of the exact-mode table that sorts by its number, not its text
// ("10" after "9"), with empty cells (no value for that mode) last.

#include <QTableWidgetItem>

#include <cmath>

// Column 0 keeps the row's index into the tab's row list here, so a row is
// found again after the user sorted the table.
constexpr int kRowIndexRole = Qt::UserRole + 1;

class ExactModeTableItem : public QTableWidgetItem
{
public:
    ExactModeTableItem(const QString &text, double value) : QTableWidgetItem(text), m_value(value)
    {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTableWidgetItem &other) const override
    {
        const auto *cell = dynamic_cast<const ExactModeTableItem *>(&other);
        if (!cell)
            return QTableWidgetItem::operator<(other);
        if (std::isnan(m_value) || std::isnan(cell->m_value))
            return !std::isnan(m_value) && std::isnan(cell->m_value);
        return m_value < cell->m_value;
    }

private:
    double m_value;
};

#endif // EXACTMODETABLEITEM_H
