#include "readablecombos.h"

#include <QComboBox>

void makeComboListsReadable(QWidget *page)
{
    if (!page)
        return;
    for (QComboBox *combo : page->findChildren<QComboBox *>())
        // The list's entries are drawn as menu items of the combo box itself
        // (QComboMenuDelegate), so the rule addresses the combo's ::item.
        combo->setStyleSheet(QStringLiteral(
            "QComboBox::item:selected { background: rgb(0, 90, 170); color: white; }"));
}
