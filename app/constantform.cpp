#include "constantform.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Ui {

namespace {

struct ConstantRow {
    const char *name;
    const char *value;
    const char *unit; // "": an empty unit cell; nullptr: none at all
};

// The SI since 20 May 2019 fixes e, k and h exactly (c and the standard
// gravity were exact before); ε0, μ0 and the masses are the CODATA 2018
// recommended values (Tiesinga et al., Rev. Mod. Phys. 93, 025010 (2021)).
// The unit of h is J·s (S would be siemens).
const ConstantRow kConstants[] = {
    {QT_TRANSLATE_NOOP("ConstantDialog", "圆周率"), "3.141592653589793238", ""},
    {QT_TRANSLATE_NOOP("ConstantDialog", "欧拉指数"), "2.71828182845905", nullptr},
    {QT_TRANSLATE_NOOP("ConstantDialog", "重力加速度"), "9.80665", "m / s^2"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "真空中光速"), "299792458", "m / s"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "真空介电常数"), "8.8541878128E-12", "F / m"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "真空磁导率"), "1.25663706212E-6", "H / m"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "基本电荷"), "1.602176634E-19", "C"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "原子质量"), "1.66053906660E-27", "kg"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "电子质量"), "9.1093837015E-31", "kg"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "质子质量"), "1.67262192369E-27", "kg"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "中子质量"), "1.67492749804E-27", "kg"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "玻耳兹曼常数"), "1.380649E-23", "J/K"},
    {QT_TRANSLATE_NOOP("ConstantDialog", "普朗克常数"), "6.62607015E-34", "J·s"},
};

constexpr int kRows = int(sizeof(kConstants) / sizeof(kConstants[0]));

QTableWidgetItem *centredItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

void ConstantDialog::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("ConstantDialog"));
    dialog->resize(372, 319);

    // The button is made first: it comes first in the tab order and has the
    // focus when the dialog opens.
    okButton = new QPushButton(dialog);
    okButton->setObjectName(QStringLiteral("okButton"));

    tableWidget = new QTableWidget(dialog);
    tableWidget->setColumnCount(3);
    tableWidget->setRowCount(kRows);
    tableWidget->setObjectName(QStringLiteral("tableWidget"));
    for (int column = 0; column < 3; ++column)
        tableWidget->setHorizontalHeaderItem(column, new QTableWidgetItem());
    // Only the first row has ever had a header item of its own; the others
    // show the default numbers 2 .. 13.
    tableWidget->setVerticalHeaderItem(0, new QTableWidgetItem(QStringLiteral("1")));
    for (int row = 0; row < kRows; ++row) {
        const ConstantRow &c = kConstants[row];
        tableWidget->setItem(row, 0, centredItem(QString()));
        tableWidget->setItem(row, 1, centredItem(QString::fromUtf8(c.value)));
        if (c.unit && *c.unit)
            tableWidget->setItem(row, 2, centredItem(QString::fromUtf8(c.unit)));
        else if (c.unit)
            tableWidget->setItem(row, 2, new QTableWidgetItem());
    }
    tableWidget->setSortingEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(tableWidget);
    layout->addLayout(buttons);
    QObject::connect(okButton, &QPushButton::clicked, dialog, &QDialog::accept);

    retranslateUi(dialog);
}

void ConstantDialog::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("ConstantDialog", "常用常量表"));
    tableWidget->horizontalHeaderItem(0)->setText(
        QCoreApplication::translate("ConstantDialog", "名称"));
    tableWidget->horizontalHeaderItem(1)->setText(
        QCoreApplication::translate("ConstantDialog", "取值"));
    tableWidget->horizontalHeaderItem(2)->setText(
        QCoreApplication::translate("ConstantDialog", "单位"));
    for (int row = 0; row < kRows; ++row)
        tableWidget->item(row, 0)->setText(
            QCoreApplication::translate("ConstantDialog", kConstants[row].name));
    okButton->setText(QCoreApplication::translate("ConstantDialog", "OK"));
}

} // namespace Ui
