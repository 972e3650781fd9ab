#ifndef TABFIELDS_H
#define TABFIELDS_H

// What the window does with the fields of the tab shown, found through the
// catalogue: a page class is named after its folder, and each calculator's
// description names its page folder, its tab and its fields' object names.
// So clearing, restoring defaults and exporting need no field list of their
// own, and a new page needs nothing here.

#include "calculator.h"

#include <vector>

class QWidget;

// The calculators of `tab` on `page`, in catalogue order (the mode list
// before the field map); empty for a page or tab without calculators.
std::vector<const velmora::calc::Calculator *> tabCalculators(const QWidget *page, int tab);

// Every calculator of the page, in catalogue order.
std::vector<const velmora::calc::Calculator *> pageCalculators(const QWidget *page);

// The inner tab shown (the page's "tabWidget"); 0 for a page with one tab.
int shownTab(const QWidget *page);

// 清空: empties the output fields of the tab (keptByClear ones stay).
void clearTabResults(QWidget *page, int tab);

// 恢复默认参数: writes the default texts of the tab's inputs and linked
// fields (restoreText where set, keptByRestore fields left as typed; check
// boxes ticked for "1", combo boxes and radio buttons left alone) and of
// the fields its description restoresAlso. setText() emits no editingFinished(), so
// linked fields are not recomputed, and nothing is validated.
void restoreTabDefaults(QWidget *page, int tab);

#endif // TABFIELDS_H
