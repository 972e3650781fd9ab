#include "constant.h"

#include "uilanguage.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace {

int storedComponent(const char *key, int fallback)
{
    QSettings settings;
    return settings.value(QString::fromLatin1(key), fallback).toInt();
}

} // namespace

Constant::Constant(QWidget *parent) : QDialog(parent)
{
    setupUi(this);

    // The dialogs start from a paler blue than the main window when nothing
    // is stored; the cells use the text-view colour.
    QPalette palette;
    const QColor window(storedComponent("red/window", 152), storedComponent("green/window", 204),
                        storedComponent("blue/window", 222), 255);
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(window, Qt::SolidPattern));
    setPalette(palette);

    const QColor textView(storedComponent("red/textview", 206),
                          storedComponent("green/textview", 224),
                          storedComponent("blue/textview", 255), 255);
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(textView, Qt::SolidPattern));
    tableWidget->setPalette(palette);

    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The name and value columns are sized to their longest entries so that
    // no constant is shown elided (fitColumns). One point below the default
    // font, the three columns fit the dialog's largest size.
    QFont tableFont = tableWidget->font();
    if (tableFont.pointSize() > 8)
        tableFont.setPointSize(tableFont.pointSize() - 1);
    tableWidget->setFont(tableFont);
    setMinimumSize(400, 300);
    fitColumns();
    // Open at the largest size, where every value is visible in full.
    resize(maximumSize());
}

void Constant::fitColumns()
{
    tableWidget->resizeColumnToContents(0);
    tableWidget->resizeColumnToContents(1);
    if (currentUiLanguage() != UiLanguage::English) {
        tableWidget->setColumnWidth(2, 160);
        setMaximumSize(500, 450);
        return;
    }
    // The English names are longer: the unit column takes what its units
    // need, and the dialog may grow until the three columns show whole.
    tableWidget->resizeColumnToContents(2);
    const QMargins margins = layout()->contentsMargins();
    int width = margins.left() + margins.right() + 2 * tableWidget->frameWidth() +
                tableWidget->verticalHeader()->sizeHint().width() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tableWidget);
    for (int column = 0; column < tableWidget->columnCount(); ++column)
        width += tableWidget->columnWidth(column);
    setMaximumSize(std::max(500, width), 450);
}

void Constant::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        const bool atLargest = size() == maximumSize();
        fitColumns();
        if (atLargest)
            resize(maximumSize());
    }
    QDialog::changeEvent(event);
}
