#ifndef MARKUPFORM_H
#define MARKUPFORM_H

// Builders for page forms written in code with a small caption markup:
// "_{x}" is a subscript and "^{x}" a superscript, turned into the rich text
// (<html>…<span style="vertical-align:sub;">…) that every caption and formula
// label of the pages uses.

#include <QFont>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace markupform {

// Rich text of a markup string; pointSize > 0 wraps the body in a span of
// that size (long formulas are set smaller than the label font).
QString richText(const QString &markup, int pointSize = 0);
QFont pointFont(int pointSize, const QString &family = QString());

QWidget *newTab(QTabWidget *tabs, const char *name, const QString &title);
// The tab title: 14 pt "微软雅黑", colour #ff5500.
QLabel *newTitle(QWidget *tab, const char *name, const QString &text);
QGroupBox *newGroup(QWidget *parent, const char *name, const QString &title, const QRect &rect);
QLabel *newLabel(QWidget *parent, const char *name, const QString &html, const QRect &rect);
// A formula label: "Times New Roman" 12 pt.
QLabel *newFormula(QWidget *parent, const char *name, const QString &html, const QRect &rect);
QLineEdit *newField(QWidget *parent, const char *name, const QRect &rect,
                    const QString &defaultText = QString());
// A "计算" button.
QPushButton *newButton(QWidget *parent, const char *name, const QRect &rect);

} // namespace markupform

#endif // MARKUPFORM_H
