#ifndef CONSTANTFORM_H
#define CONSTANTFORM_H

// Form of the constants dialog ("常用常量表"), built in code: the table of
// thirteen constants (name, value, unit) above an OK button at the bottom
// right, in a layout that follows the dialog's size.

class QDialog;
class QPushButton;
class QTableWidget;

namespace Ui {

class ConstantDialog
{
public:
    QTableWidget *tableWidget;
    QPushButton *okButton;

    void setupUi(QDialog *dialog);
    // The title, the headers, the constants' names and the button.
    void retranslateUi(QDialog *dialog);
};

} // namespace Ui

#endif // CONSTANTFORM_H
