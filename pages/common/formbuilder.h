#ifndef FORMBUILDER_H
#define FORMBUILDER_H

// The one way page forms are built: widgets with fixed geometry created in
// code, and the rich-text captions and formula labels every page uses.
//
// Captions are small HTML documents so that sub- and superscripts render as
// such. They are written either with sub()/super() around the indices, or in
// a short markup where "_{x}" is a subscript and "^{x}" a superscript
// (markup("P_{th} = 21*π*r_{eff}^{2}")); both give the same spans.
//
// Widget fonts: most pages give every caption, field, button and group box
// its own 12 pt font (kFormPointSize); the nonlinear, fiber-parameter and
// fiber-mode pages set 11 pt once on the page and let their widgets inherit
// it (kInheritFont).

#include <QFont>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace form {

constexpr int kFormPointSize = 12;
// As a point size: no font of the widget's own, it takes its parent's.
constexpr int kInheritFont = 0;

// A font of the given size (and family, when not empty); every other
// attribute is left to the parent's font.
QFont pointFont(int pointSize, const QString &family = QString());

// The frame every page shares: the page (object name set when empty) at
// 815 × 590 and its `tabWidget` (the whole page unless told otherwise), tab
// titles in 12 pt. Returns the tab widget; the caller adds the tabs.
QTabWidget *pageTabWidget(QWidget *page, const char *pageName,
                          const QRect &tabGeometry = QRect(0, 0, 815, 590));
// A new tab page of `tabs`, added at the end under `title`.
QWidget *tab(QTabWidget *tabs, const char *objectName, const QString &title);

// "<html><head/><body><p>body</p></body></html>"
QString richText(const QString &body);
// A span lowered or raised as a subscript or superscript.
QString sub(const QString &text);
QString super(const QString &text);
// Rich text of a markup string: "_{x}" and "^{x}" become sub()/super() spans
// (they nest), everything else is HTML-escaped text; pointSize > 0 sets the
// body in that size (long formulas are set smaller than the label font).
QString markup(const QString &markup, int pointSize = 0);
// The same text the way Designer writes it: every run in a span of its own
// with regular weight (font-weight:400), indices with their vertical-align
// added to that span. The geometric-optics captions have always been so.
QString regularWeightMarkup(const QString &markup);
// The page title: bold, colour #ff5500.
QString titleText(const QString &title);
// A tab heading: colour #ff5500, regular weight.
QString headingText(const QString &heading);

// Captions and fields (pointSize: kFormPointSize, another size or
// kInheritFont), formulas in "Times New Roman" 12 pt, titles in "微软雅黑".
QLabel *caption(QWidget *parent, const char *objectName, const QRect &geometry,
                const QString &text = QString(), int pointSize = kFormPointSize);
QLabel *formula(QWidget *parent, const char *objectName, const QRect &geometry,
                const QString &text = QString());
QLabel *title(QWidget *parent, const char *objectName, const QRect &geometry, int pointSize,
              const QString &text = QString());
// The heading at the top of a tab of the nonlinear and fiber-parameter pages:
// title() in 14 pt with headingText().
QLabel *heading(QWidget *tab, const char *objectName, const QString &text);
QLineEdit *field(QWidget *parent, const char *objectName, const QRect &geometry,
                 const QString &text = QString(), int pointSize = kFormPointSize);
QPushButton *button(QWidget *parent, const char *objectName, const QRect &geometry,
                    const QString &text = QString(), int pointSize = kFormPointSize);
QGroupBox *group(QWidget *parent, const char *objectName, const QRect &geometry,
                 const QString &title = QString(), int pointSize = kFormPointSize);

} // namespace form

#endif // FORMBUILDER_H
