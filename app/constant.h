#ifndef CONSTANT_H
#define CONSTANT_H

#include "constantform.h"

#include <QDialog>

// "常用常量表": a read-only table of thirteen physical and mathematical
// constants. Its window and cell colours come from the appearance settings,
// read once when the dialog is built. Non-modal; OK only hides it.
class Constant : public QDialog, public Ui::ConstantDialog
{
    Q_OBJECT

public:
    explicit Constant(QWidget *parent = nullptr);

protected:
    // QEvent::LanguageChange: the form's texts in the new language.
    void changeEvent(QEvent *event) override;

private:
    // Name and value columns as wide as their texts in the language shown,
    // and the dialog's largest size with them.
    void fitColumns();
};

#endif // CONSTANT_H
