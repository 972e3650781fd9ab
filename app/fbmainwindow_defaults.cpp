// Restoring the default parameters of the page shown.
#include "fbmainwindow.h"

#include "tabfields.h"

#include <QMetaObject>
#include <QWidget>

// Empties the results, then writes the default texts of the tab shown, as
// its calculators' descriptions give them. A page with more than texts to
// restore (choices, presets, a data file) does it itself: it offers a
// Q_INVOKABLE restoreDefaults().
void FBMainWindow::defaultPar()
{
    clear();
    QWidget *page = currentPageWidget();
    if (!page)
        return;
    if (page->metaObject()->indexOfMethod("restoreDefaults()") >= 0) {
        QMetaObject::invokeMethod(page, "restoreDefaults", Qt::DirectConnection);
        return;
    }
    restoreTabDefaults(page, currentInnerTab());
}
