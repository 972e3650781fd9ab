#ifndef CALCBINDING_H
#define CALCBINDING_H

// Connects a page's widgets to its tab's calculator through the tab's
// description: each field is found by its object name. A calculate slot is
// runCalculator(this, calculator): read the fields, evaluate, write the
// fields, show the notices. A linked-field slot is runLink(this, calculator,
// key). The page keeps its widgets; the calculator keeps the rules.

#include "calculator.h"

#include <string>

class QWidget;

// The texts of every input and linked field of the tab (QLineEdit text,
// QComboBox current text, checkable button "1"/"0").
velmora::calc::Inputs readInputs(const QWidget *page,
                                 const velmora::calc::CalculatorDescription &description);

// Writes input texts back into their fields (after a link rewrote them); a
// field whose text is unchanged is not touched.
void writeInputs(QWidget *page, const velmora::calc::CalculatorDescription &description,
                 const velmora::calc::Inputs &inputs);

// Writes every output the result carries into its field; outputs the result
// does not carry keep their text (a refused calculation writes nothing).
void writeOutputs(QWidget *page, const velmora::calc::CalculatorDescription &description,
                  const velmora::calc::Result &result);

// Shows each notice in the page's notice box ("提示"), in order.
void showNotices(QWidget *page, const velmora::calc::Result &result);

// read, evaluate, write, notices; returns the result for slots that do more
// (plots, tables). An enabled required input left empty is refused first with
// "请确保输入参数不为空" (Result::refused, outputs untouched).
velmora::calc::Result runCalculator(QWidget *page, const velmora::calc::Calculator &calculator);

// The page's editingFinished() slot of linked field `key`. Runs only when the
// user edited that field since it was last handled (QLineEdit::isModified()),
// so the partner's echo never rewrites the field the user typed.
void runLink(QWidget *page, const velmora::calc::Calculator &calculator, const std::string &key);

#endif // CALCBINDING_H
