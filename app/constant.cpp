#include "constant.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>

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
    // The value column is sized to its longest entry so that no constant is
    // shown elided; the unit column keeps its fixed width. One point below
    // the default font, the three columns fit the dialog's largest size.
    QFont tableFont = tableWidget->font();
    if (tableFont.pointSize() > 8)
        tableFont.setPointSize(tableFont.pointSize() - 1);
    tableWidget->setFont(tableFont);
    tableWidget->resizeColumnToContents(0);
    tableWidget->resizeColumnToContents(1);
    tableWidget->setColumnWidth(2, 160);

    setMinimumSize(400, 300);
    setMaximumSize(500, 450);
    // Open at the largest size, where every value is visible in full.
    resize(maximumSize());
}

void Constant::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QDialog::changeEvent(event);
}
