#ifndef FORMBUILDER_H
#define FORMBUILDER_H

// Small helpers for page forms built in code: the rich-text captions and
// formula labels every page uses, and fixed-geometry widgets.

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace form {

// The frame every page shares: the page (object name set when empty) at
// 815 × 590 and its `tabWidget` filling it, tab titles in 12 pt. Returns the
// tab widget; the caller adds the tabs.
QTabWidget *pageTabWidget(QWidget *page, const char *pageName);

// "<html><head/><body><p>body</p></body></html>"
QString richText(const QString &body);
// A span lowered or raised as a subscript or superscript.
QString sub(const QString &text);
QString super(const QString &text);
// The page title: bold, colour #ff5500.
QString titleText(const QString &title);

// Fonts of the page conventions: captions and fields 12 pt, formulas
// "Times New Roman" 12 pt, titles "微软雅黑" at the given size.
QLabel *caption(QWidget *parent, const char *objectName, const QRect &geometry);
QLabel *formula(QWidget *parent, const char *objectName, const QRect &geometry);
QLabel *title(QWidget *parent, const char *objectName, const QRect &geometry, int pointSize);
QLineEdit *field(QWidget *parent, const char *objectName, const QRect &geometry);
QPushButton *button(QWidget *parent, const char *objectName, const QRect &geometry);
QGroupBox *group(QWidget *parent, const char *objectName, const QRect &geometry);

} // namespace form

#endif // FORMBUILDER_H
